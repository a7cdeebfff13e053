#pragma once
// The microprogram editor of the microprogrammable machine: the 16 microinstructions written bit by bit,
// loaded from and saved to .mpr files, and the ALU configuration, before the simulation starts. One
// instance lives for the whole run and keeps its microprogram between simulations.

#include "MicroInstruccion.h"

#include <QDialog>
#include <QString>

#include <functional>

class QHeaderView;
class QPushButton;
class QTableWidget;

namespace velmo {

class TConfiguraAlu;
class TFormPoner2bits;
class TFormPoner3bits;
class TFormPoner4bits;
class TFormPonerBit;
class TFormPonerBits;

/// The text of grid cell (fila, columna) for microinstruction `m` of row `fila`.
QString TextoCeldaEditor(const TMicroInstProgramable& m, int fila, int columna);

class TForm_Microprogramable : public QDialog {
    Q_OBJECT
public:
    static constexpr int kColumnas = 12;

    TForm_Microprogramable(TConfiguraAlu& configuraAlu, QWidget* parent = nullptr);

    /// Every row of a new editor: PC to memory, IR loads, jump to row 1 on test 1.

    // ---- state
    Microprograma VectorMicroInst;
    /// Edits since the last load or save.
    bool modified = false;
    /// The file last loaded or saved; empty until then.
    QString Fichinst;

    // ---- controls
    QHeaderView* HeaderControl1;
    QTableWidget* TablaMicroINstrucciones;
    QPushButton* BotonSimular;
    QPushButton* BotonConfigurarAlu;
    QPushButton* BotonGuardarComo;
    QPushButton* BotonAbrir;

    TFormPonerBit* FormPonerBit;
    TFormPoner2bits* FormPoner2bits;
    TFormPoner3bits* FormPoner3bits;
    TFormPoner4bits* FormPoner4bits;

    // ---- handlers
    /// A cell was chosen: its column's bit dialog edits the field of that row.
    void TablaMicroINstruccionesSelectCell(int columna, int fila);
    void BotonSimularClick();
    void BotonConfigurarAluClick();
    void BotonGuardarComoClick();
    void BotonAbrirClick();
    /// Whether the window may close now; asks to save unsaved changes.
    bool Cerrar();
    /// The grid shows VectorMicroInst again.
    void Repinta();

    void done(int resultado) override;

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void PonCaption();
    /// Closes with OK, unless a close is already being decided (a save asked for by it failed).
    void CierraConOK();
    /// The dialog of a column and the field it sets; none for column 0.
    TFormPonerBits* DialogoDeColumna(int columna) const;

    TConfiguraAlu& configuraAlu_;
    bool cerrando_ = false;
};

} // namespace velmo
