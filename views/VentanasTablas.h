#pragma once
// The name/value tables of a simulation: "Registros Ruta de Datos", "Cables Control", "Cables Memoria"
// and "EstadoDeEjecucion". Each is a fixed grid the window paints itself from its state's cell texts;
// names in blue, values in black.

#include "DibujoDatos.h"
#include "VentanaSimulacion.h"

#include <QColor>

#include <vector>

namespace velmo {

class TCablesCtrl;
class TCablesMem;
class TEstadoDeEjecucion;
class TRegRdD;
class TablaNombreValor;

/// What one cell shows.
struct CeldaTabla {
    QString texto;
    QColor color;
};

/// Colours shared by the simulator's grids.
inline const QColor kAzulNombre{QColor::fromRgb(kAzulNombreTabla)};
inline const QColor kNegroValor{QColor::fromRgb(kNegroValorTabla)};

/// A draw grid without fixed rows or columns that fills its window: one-pixel lines between cells, every
/// text clipped to its cell from the cell's top-left corner on the grid's background.
class VentanaTabla : public VentanaSimulacion {
    Q_OBJECT
public:
    int Columnas() const { return static_cast<int>(anchos_.size()); }
    int Filas() const { return filas_; }
    int AltoFila() const { return altoFila_; }
    const std::vector<int>& AnchosColumnas() const { return anchos_; }
    QRect RectCelda(int columna, int fila) const;

    virtual CeldaTabla Celda(int columna, int fila) const = 0;

    /// Repaints asked for by the window's state since the window was made.
    int Repintados() const { return repintados_; }

    static constexpr int kLinea = 1;

protected:
    VentanaTabla(EstadoVentana& estado, int filas, int altoFila, std::vector<int> anchos);

    void paintEvent(QPaintEvent* evento) override;
    void Repintar() override;
    void SetAnchosColumnas(std::vector<int> anchos);

private:
    int filas_;
    int altoFila_;
    std::vector<int> anchos_;
    int repintados_ = 0;
};

/// Two columns: two spaces and the name in blue, two spaces and the value in black.
class VentanaNombreValor : public VentanaTabla {
    Q_OBJECT
public:
    CeldaTabla Celda(int columna, int fila) const override;

protected:
    VentanaNombreValor(TablaNombreValor& tabla, int altoFila, std::vector<int> anchos);

    TablaNombreValor& tabla_;
};

class VentanaRegRdD : public VentanaNombreValor {
    Q_OBJECT
public:
    explicit VentanaRegRdD(TRegRdD& registros);
    QString TextoAyuda() const override;
    QSize TamanoAyuda() const override { return {220, 40}; }
};

class VentanaCablesMem : public VentanaNombreValor {
    Q_OBJECT
public:
    explicit VentanaCablesMem(TCablesMem& cables);
    QString TextoAyuda() const override;
    QSize TamanoAyuda() const override { return {220, 55}; }
};

/// Names of entries 0 to 4 on row 0 with their values on row 1; entries 5 to 9 on rows 2 and 3.
class VentanaCablesCtrl : public VentanaTabla {
    Q_OBJECT
public:
    explicit VentanaCablesCtrl(TCablesCtrl& cables);
    CeldaTabla Celda(int columna, int fila) const override;
    QString TextoAyuda() const override;
    QSize TamanoAyuda() const override { return {220, 55}; }

private:
    TCablesCtrl& cables_;
};

class VentanaEstadoDeEjecucion : public VentanaTabla {
    Q_OBJECT
public:
    explicit VentanaEstadoDeEjecucion(TEstadoDeEjecucion& estado);
    CeldaTabla Celda(int columna, int fila) const override;
    QString TextoAyuda() const override;
    QSize TamanoAyuda() const override { return {220, 55}; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    TEstadoDeEjecucion& estado_;
};

} // namespace velmo
