#include "VentanaPrincipal.h"

namespace velmo {

TVentanaPrincipal::TVentanaPrincipal(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Velmo"));
}

} // namespace velmo
