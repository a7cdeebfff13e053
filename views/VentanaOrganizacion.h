#pragma once
// The datapath window: the machine's picture with this cycle's signals in red, the user's probes, the
// overlays of the modified and configurable machines, and clicks that open each element's details.

#include "DibujoCables.h"
#include "VentanaDiagrama.h"

#include <functional>
#include <vector>

class QMenu;
class QAction;

namespace velmo {

class TOrganizacion;
class TFormMonitoriza;

/// The element detail windows a click on the datapath opens.
enum class MapaOrganizacion { Alu, Memoria, Registro, Incrementador, Multiplexor };

/// The details windows a click at (x, y) opens, in the order they open; regions may overlap.
std::vector<MapaOrganizacion> RegionesClic(int x, int y, TTipoControl tipo);

class TVentanaOrganizacion : public TVentanaDiagrama {
    Q_OBJECT
public:
    static constexpr int kAncho = kAnchoUnidadProceso;
    static constexpr int kAlto = kAltoUnidadProceso;

    explicit TVentanaOrganizacion(TOrganizacion& up, QWidget* padre = nullptr);
    ~TVentanaOrganizacion() override;

    /// Opens an element's details; the main window fills it in.
    std::function<void(MapaOrganizacion)> abreMapa;

    /// Drawing records and the user's probe choices, by signal index.
    std::array<TRegCable, kNumCablesOrg> ListaCablesVl0;
    /// The auxiliary register's probe, shown on the configurable machine only.
    TRegCable SondaRegAux;

    /// Shows the state: the clean picture with the active signals and the probes drawn over it.
    void FormPaint();
    /// The monitor dialog; on "Aceptar" the probes change and the picture is redrawn.
    void Monitorizar1Click();
    /// The pop-up's "Ayuda...": the simulator manual.
    void Quesesto1Click();

    TFormMonitoriza& FormMonitoriza() { return *monitoriza_; }
    QMenu* PopupMenu;
    QAction* Quesesto1;
    QAction* Monitorizar1;

protected:
    void AlAviso(Aviso aviso) override;
    QString TextoAyuda() const override;
    QSize TamanoAyuda() const override { return {220, 130}; }
    void mousePressEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void PintaEncima(QPainter& pintor) const override;

private:
    void PintaProbe(QPainter& pintor, const TRegCable& c, int bits, std::int16_t valor) const;
    bool HayRegAux() const;
    void PintaVersion(QPainter& pintor) const;

    TOrganizacion& up_;
    TFormMonitoriza* monitoriza_;
};

} // namespace velmo
