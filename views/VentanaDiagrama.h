#pragma once
// What the two diagram windows share: they follow their machine state's placement, caption and
// visibility inside the main frame (as a child window with a fixed border and a minimise button only),
// report when the user minimises them, and answer the context-help request with their own tip.

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace velmo {

class EstadoVentana;
enum class Aviso;

class TVentanaDiagrama : public QWidget {
    Q_OBJECT
public:
    ~TVentanaDiagrama() override;

    /// The picture the window copies at (0,0), before the marks PintaEncima draws over it.
    const QImage& Bitmap() const { return MiBitmap; }

    /// Applies the state's placement, caption and visibility to the window, or to the child-window frame
    /// that holds it.
    void AplicaVentana();

protected:
    TVentanaDiagrama(EstadoVentana& estado, QSize tamanoImagen, QWidget* padre);

    /// The state changed in a way other than placement.
    virtual void AlAviso(Aviso aviso) = 0;
    /// The help tip's text and size.
    virtual QString TextoAyuda() const = 0;
    virtual QSize TamanoAyuda() const = 0;

    /// A clean copy of `recurso` at the picture's size.
    void CargaImagen(const QString& recurso);
    /// The clean picture of `recurso` itself, shared and not copied: for a window that draws all its marks
    /// in PintaEncima.
    void UsaImagenLimpia(const QString& recurso);
    /// Drawn over the picture at every paint.
    virtual void PintaEncima(QPainter&) const {}

    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

    QImage MiBitmap;

private:
    EstadoVentana& estado_;
    int clave_ = 0;
    QSize tamanoImagen_;
    QWidget* marcoVigilado_ = nullptr;
    bool informando_ = false;
    void PreparaLimpia(const QString& recurso);
    QImage limpia_;
    QString recursoLimpio_;
    qreal escalaLimpia_ = 0;
};

} // namespace velmo
