#pragma once
// Base of the simulation's child windows: the contents of one MDI child of the main window, kept in step
// with the engine's state of that window (place, caption, visibility, normal state) and answering the
// "¿Qué es esto?" request with its help tip.

#include "EstadoVentana.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

class QMdiArea;

namespace velmo {

class VentanaSimulacion : public QWidget {
    Q_OBJECT
public:
    enum class Borde { Fijo, Redimensionable };

    ~VentanaSimulacion() override;

    /// The MDI child that frames this window; null before Incrusta.
    QMdiSubWindow* Marco() const { return marco_; }

    /// Puts the window in `mdi` as a child with a system menu and a minimise button only, and applies the
    /// state's place, caption and visibility.
    void Incrusta(QMdiArea& mdi);

    /// Help text and tip size of this window.
    virtual QString TextoAyuda() const = 0;
    virtual QSize TamanoAyuda() const = 0;
    /// Opens the help tip at a point of the screen.
    void MensajeAyuda(const QPoint& ratonGlobal);

    /// The font of the simulator's dialogs and windows.
    static QFont FuenteDialogo();

protected:
    VentanaSimulacion(EstadoVentana& estado, Borde borde);

    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    /// Contents changed: repaint.
    virtual void Repintar() { update(); }
    /// A diagram's drawing request; plain windows just repaint.
    virtual void ActualizarBitmap() { Repintar(); }

private:
    void Avisado(Aviso aviso);
    void AplicaVentana();

    EstadoVentana& estado_;
    Borde borde_;
    int clave_ = 0;
    QPointer<QMdiSubWindow> marco_;
    QPointer<QObject> marcoFiltrado_; // the same frame, as the event filter sees it
    bool aplicando_ = false;
};

} // namespace velmo
