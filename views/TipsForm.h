#pragma once
// The small pop-up that answers "¿Qué es esto?" on a view: the view's own explanation at the mouse.

#include <QWidget>

class QLabel;

namespace velmo {

class TTipsForm : public QWidget {
    Q_OBJECT
public:
    explicit TTipsForm(QWidget* owner);

    void SetText(const QString& texto);
    /// Left edge at the mouse x, top at the mouse y plus half the cursor height.
    void SetParams(const QPoint& ratonGlobal);

    /// Height of the system cursor in logical pixels; half of it keeps the pop-up clear of the pointer.
    static constexpr int kAltoCursor = 32;

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QLabel* texto_;
};

/// Opens a new pop-up with `texto` for a help request at `ratonGlobal`; it closes on a click or when it
/// loses the focus and is then released.
TTipsForm* ShowTip(QWidget* owner, const QString& texto, const QPoint& ratonGlobal, int ancho, int alto);

} // namespace velmo
