#pragma once
// "Microprograma": a read-only table of the control unit's microinstructions with the current one on
// yellow; the fixed microprogram of the plain machine, or the user's 16 microinstructions.

#include "MicroInstruccion.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QHeaderView;
class QMdiArea;
class QTableWidget;

namespace velmo {

class TFrameControl;

/// The text of cell (fila, columna) of the view: the fixed microprogram's display table, or `micro` when
/// `configurable`. Empty outside the table.
QString TextoCeldaMicroprograma(bool configurable, const Microprograma& micro, int fila, int columna);

class TFrame_Microprograma : public QWidget {
    Q_OBJECT
public:
    explicit TFrame_Microprograma(QWidget* parent = nullptr);

    /// The highlighted row.
    std::uint16_t FilaActual = 0;
    bool Es_configurable = false;
    /// The user's microprogram (configurable layout only).
    Microprograma VectorMicroInst{};

    std::uint16_t prFilaActual() const { return FilaActual; }
    void SetFilaActual(std::uint16_t fila);
    bool prconfigurable() const { return Es_configurable; }
    /// 14 columns and 16 rows with the "pAux" column, or 13 columns and the 14 fixed rows without it.
    void SetConfigurable(bool configurable);

    /// The grid shows the current state again.
    void Repinta();

    QHeaderView* HeaderControl1;
    QTableWidget* TablaMicroprograma;

    /// The control unit whose microprogram this view shows.
    const TFrameControl* Origen() const { return origen_; }

private:
    friend TFrame_Microprograma& AbreVistaMicroprograma(QMdiArea& mdi, TFrameControl& uc);
    const TFrameControl* origen_ = nullptr;
};

/// What the control-unit window does when its ROM is clicked, and what "Detalles del Microprograma..."
/// reaches through the engine: opens the microprogram view of `uc` in `mdi`, created on first use and
/// restored when minimised, never twice. The view follows uc's current row, closing it only minimises
/// it, and it goes away with `uc` (that is, with the simulation).
TFrame_Microprograma& AbreVistaMicroprograma(QMdiArea& mdi, TFrameControl& uc);

} // namespace velmo
