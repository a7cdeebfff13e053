#pragma once
// What the two diagram windows add to a simulation window: a picture composed at a fixed size, copied at
// (0,0), and a place that keeps the whole picture in view.

#include "VentanaSimulacion.h"

#include <QImage>

namespace velmo {

class TVentanaDiagrama : public VentanaSimulacion {
    Q_OBJECT
public:
    ~TVentanaDiagrama() override;

    /// The composed picture, as the window copies it at (0,0).
    const QImage& Bitmap() const { return MiBitmap; }

protected:
    TVentanaDiagrama(EstadoVentana& estado, QSize tamanoImagen, QWidget* padre);

    /// The state changed in a way other than placement.
    virtual void AlAviso(Aviso aviso) = 0;
    void Repintar() override { AlAviso(Aviso::Repinta); }
    void ActualizarBitmap() override { AlAviso(Aviso::ActualizaBitmap); }
    void Coloca(QMdiSubWindow* marco) override;

    /// A clean copy of `recurso` at the picture's size.
    void CargaImagen(const QString& recurso);

    void paintEvent(QPaintEvent* evento) override;

    QImage MiBitmap;

private:
    QSize tamanoImagen_;
    QImage limpia_;
    QString recursoLimpio_;
    qreal escalaLimpia_ = 0;
};

} // namespace velmo
