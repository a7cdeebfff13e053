#pragma once

#include <QMainWindow>

namespace velmo {

/// The program's main frame: the simulator's child windows and the assembler workbench live in it.
class TVentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TVentanaPrincipal(QWidget* parent = nullptr);
};

} // namespace velmo
