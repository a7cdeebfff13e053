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

    /// The kept lines, oldest first.
    QStringList Lineas() const;
    QPlainTextEdit* Texto() const { return texto_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::vector<QString> anillo_;
    std::size_t inicio_ = 0; // oldest line once the ring is full
    QPlainTextEdit* texto_;
};

} // namespace velmo
