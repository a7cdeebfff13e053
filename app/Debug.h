#pragma once
// "Ventana Debug": the in-memory trace every part of the program writes to. It keeps the most recent
// lines in a ring buffer and fills its text area only while it is shown, so a long run costs little.

#include <QString>
#include <QWidget>

#include <cstddef>
#include <vector>

class QPlainTextEdit;

namespace velmo {

class TDebug : public QWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kLineasGuardadas = 20000;

    explicit TDebug(QWidget* parent = nullptr);

    void anade_linea(const QString& texto);
    void vacia();

    /// The window state it takes when shown. Kept apart while hidden: on some desktops a hidden window
    /// brought out of the minimised state would be mapped on screen.
    void PonEstado(Qt::WindowStates estado);
    Qt::WindowStates Estado() const { return isVisible() ? windowState() : estado_; }

    void setVisible(bool visible) override;

    /// The kept lines, oldest first.
    QStringList Lineas() const;
    QPlainTextEdit* Texto() const { return texto_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::vector<QString> anillo_;
    std::size_t inicio_ = 0; // oldest line once the ring is full
    Qt::WindowStates estado_ = Qt::WindowNoState;
    QPlainTextEdit* texto_;
};

} // namespace velmo
