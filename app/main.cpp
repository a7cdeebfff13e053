#include "Arranque.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    return velmo::EjecutaVelmo(aplicacion);
}
