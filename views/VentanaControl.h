#pragma once
// The control-unit window: the picture of the simulation's kind of control unit with its five signals,
// the clock flash of the hard-wired units, and clicks on the ROM (state diagram or microprogram) and on
// the sequencer.

#include "DibujoCables.h"
#include "VentanaDiagrama.h"

#include <functional>

namespace velmo {

class TFrameControl;

/// What a click at (x, y) on the picture of `tipo` opens.
enum class ClicControl { Nada, Secuenciador, Microprograma, MaquinaEstados };
ClicControl RegionClicControl(int x, int y, TTipoControl tipo);

class TVentanaControl : public TVentanaDiagrama {
    Q_OBJECT
public:
    static constexpr int kAncho = kAnchoUnidadControl;
    static constexpr int kAlto = kAltoUnidadControl;

    explicit TVentanaControl(TFrameControl& uc, QWidget* padre = nullptr);

    /// The microprogram view (its own window); the main window fills it in.
    std::function<void(TFrameControl&)> mostrarMicroprograma;
    /// Repaints the microprogram view's grid at the current row, when that view exists.
    std::function<void(std::uint16_t fila)> repintaMicroprograma;

    /// Reloads the picture of the current kind and draws the active signals on it.
    void FormPaint();
    /// Draws the active signals over the current picture, without reloading it.
    void ActualizaBitmap();
    /// Lights the clock line in yellow on the window until the next refresh.
    void DestelloReloj();
    bool EnDestello() const { return destello_; }

    /// The signals of the picture of the current kind.
    const std::array<TRegCable, kNumCablesControl>& ListaCablesControl() const { return cables_; }

protected:
    void AlAviso(Aviso aviso) override;
    QString TextoAyuda() const override;
    QSize TamanoAyuda() const override { return {220, 80}; }
    void mousePressEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    /// Draws on MiBitmap the active signals it does not show yet: drawing one again would give the same
    /// pixels (opaque pen, no antialiasing), and this runs after every cycle, also in runs that show nothing.
    void PintaCables();

    TFrameControl& uc_;
    std::array<TRegCable, kNumCablesControl> cables_;
    TTipoControl tipoDibujado_;
    unsigned pintados_ = 0; // signals already drawn on MiBitmap since it was loaded, one bit each
    bool destello_ = false;
};

/// Opens, modally, the state diagram of a hard-wired kind; nothing for the others.
void MuestraMaquinaEstados(TTipoControl tipo, QWidget* padre);

} // namespace velmo
