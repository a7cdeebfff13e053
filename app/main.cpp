#include "VentanaPrincipal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmo::TVentanaPrincipal ventana;
    ventana.showMaximized();
    return QApplication::exec();
}
