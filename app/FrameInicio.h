#pragma once
// The picture shown while the program starts.

#include <QPixmap>
#include <QWidget>

namespace velmo {

class TFrameInicio : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAncho = 364;
    static constexpr int kAlto = 216;

    explicit TFrameInicio(QWidget* parent = nullptr);

    /// Shows the window centred and paints it before returning, as no event loop runs yet.
    void MuestraYPinta();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap imagen_;
};

} // namespace velmo
