#pragma once
// What the two diagram windows add to a simulation window: a picture composed at a fixed size, copied at
// (0,0), and a place that keeps the whole picture in view.

#include "VentanaSimulacion.h"

#include <QImage>
#include <QPainter>

namespace velmo {

class TVentanaDiagrama : public VentanaSimulacion {
    Q_OBJECT
public:
    ~TVentanaDiagrama() override;

    /// The picture the window copies at (0,0), before the marks PintaEncima draws over it.
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
    /// The clean picture of `recurso` itself, shared and not copied: for a window that draws all its marks
    /// in PintaEncima.
    void UsaImagenLimpia(const QString& recurso);
    /// Drawn over the picture at every paint.
    virtual void PintaEncima(QPainter&) const {}

    void paintEvent(QPaintEvent* evento) override;

    QImage MiBitmap;

private:
    QSize tamanoImagen_;
    void PreparaLimpia(const QString& recurso);
    QImage limpia_;
    QString recursoLimpio_;
    qreal escalaLimpia_ = 0;
};

} // namespace velmo
