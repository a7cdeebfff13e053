#pragma once
// Base of every window of a simulation (the memory view, the tables and the two diagrams): the contents
// of one MDI child of the main window, kept in step with the engine's state of that window (place,
// caption, visibility, normal state), reporting when the user minimises or restores it, ignoring the
// frame's close request (the simulation owns its windows) and answering "¿Qué es esto?" with its tip.

#include "EstadoVentana.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

class QMdiArea;

namespace velmo {

class VentanaSimulacion : public QWidget {
    Q_OBJECT
public:
    enum class Borde {
        Fijo,            // a fixed border around the state's size, with a system menu
        Redimensionable, // the user may resize it
        Diagrama,        // fixed at the picture's size, without system menu or close box
    };

    ~VentanaSimulacion() override;

    /// The MDI child that frames this window; null before Incrusta.
    QMdiSubWindow* Marco() const { return marco_; }

    /// Puts the window in `mdi` as a child with a minimise button only, and applies the state's place,
    /// caption and visibility.
    void Incrusta(QMdiArea& mdi);
    /// Applies the state's place, caption and visibility to the frame (a diagram without one: to itself).
    void AplicaVentana();

    /// Help text and tip size of this window.
    virtual QString TextoAyuda() const = 0;
    virtual QSize TamanoAyuda() const = 0;
    /// Opens the help tip at a point of the screen.
    void MensajeAyuda(const QPoint& ratonGlobal);

    /// The font of the simulator's dialogs and windows.
    static QFont FuenteDialogo();

protected:
    VentanaSimulacion(EstadoVentana& estado, Borde borde, QWidget* padre = nullptr);

    const DatosVentana& Datos() const { return estado_.Ventana(); }

    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    /// Contents changed: repaint.
    virtual void Repintar() { update(); }
    /// A diagram's drawing request; plain windows just repaint.
    virtual void ActualizarBitmap() { Repintar(); }
    /// Sets place and size from the state; `marco` may be null (a diagram shown on its own).
    virtual void Coloca(QMdiSubWindow* marco);

private:
    void Avisado(Aviso aviso);

    EstadoVentana& estado_;
    Borde borde_;
    int clave_ = 0;
    QPointer<QMdiSubWindow> marco_;
    QPointer<QObject> marcoFiltrado_; // the same frame, as the event filter sees it
    bool aplicando_ = false;
};

} // namespace velmo
