#pragma once
// The assembler workbench: a source editor with Velmo colouring, the assembler's messages under it and a
// status bar. It writes, opens, saves and assembles one source at a time, and marks the line of the first
// error. The main window hosts it as a child window; it also works on its own.

#include "Montaje.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QSplitter;
class QStatusBar;
class QTimer;
class QToolBar;
class QsciScintilla;

namespace velmo {

class TDialogosMontador;
class TLexerVelmo;

enum enumAccionMontador {
    acMontadorProgramaNuevo = 0,
    acMontadorFuenteExistente = 1,
    acMontadorNone = 2,
};

class TFramePrincipal : public QWidget {
    Q_OBJECT
public:
    using FuncionMontar = std::function<ResultadoMontaje(
        const std::string& textoFuente, const std::string& rutaEjecutable, Anfitrion& anfitrion)>;

    /// The dialogs are the caller's and outlive the window. Sources are assembled by the shared Montar.
    explicit TFramePrincipal(TDialogosMontador& dialogos, QWidget* parent = nullptr);
    /// The same with another assembling function (the tests' stand-in).
    TFramePrincipal(TDialogosMontador& dialogos, FuncionMontar montar, QWidget* parent = nullptr);
    ~TFramePrincipal() override;

    /// What to do once the window is on screen; called before it is shown.
    void SetStartupAction(enumAccionMontador accion) { this->accion = accion; }

    // Commands, as the menus and tool buttons run them.
    void NuevoClick();
    void AbrirClick();
    void GuardarClick();
    void GuardarComoClick();
    void MontarClick();
    void CerrarClick();

    /// The save question of a close: true when the window may close.
    bool FormCloseQuery();
    /// Yes, No or Cancel to "save the changes of" the current source.
    Respuesta GuardarCambios();
    /// Refreshes the caret, modified and insert-mode panels of the status bar.
    void ActualizaBarraEstado();
    /// The colours of a line, counted from 1, when it is the marked error line.
    bool MemoInSpecialLineColors(int linea, QColor& frente, QColor& fondo) const;
    /// Jumps to the error named on the message line that holds the caret.
    void MemoOutDblClick();

    // What the main window and the tests reach.
    QsciScintilla* MemoIn() const { return fMemoIn; }
    QPlainTextEdit* MemoOut() const { return fMemoOut; }
    QMenuBar* BarraMenus() const { return fMenus; }
    QToolBar* BarraHerramientas() const { return fHerramientas; }
    QMenu* MenuArchivo() const { return fMenuArchivo; }
    QMenu* MenuAyuda() const { return fMenuAyuda; }
    QStatusBar* BarraEstado() const { return fBarraEstado; }
    QString TextoPanel(int panel) const;
    QAction* AccionNuevo() const { return fNuevo; }
    QAction* AccionAbrir() const { return fAbrir; }
    QAction* AccionGuardar() const { return fGuardar; }
    QAction* AccionGuardarComo() const { return fGuardarComo; }
    QAction* AccionMontar() const { return fMontar; }
    QAction* AccionCerrar() const { return fCerrar; }
    QAction* AccionAyuda() const { return fAyuda; }
    QAction* AccionAcercaDe() const { return fAcercaDe; }
    QAction* AccionCopiar() const { return fCopiar; }
    QAction* AccionPegar() const { return fPegar; }
    TLexerVelmo* Resaltador() const { return fLexer; }

    QStringList ListaFicheros;
    QString FichSalida;
    bool FicheroModificado = false;
    bool FicheroGuardado = true;
    int marcadorError = -1;
    enumAccionMontador accion = acMontadorNone;

signals:
    /// The window has closed (after the save question let it).
    void cerrado();

protected:
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaAcciones();
    void CreaEditor();
    void MontadorStartupMsg();
    /// The save question with Yes, No and Cancel: true when the source may be left (saved or not wanted).
    bool PreguntaYGuarda();
    bool PasoCambiosSinGuardar();
    bool GuardaConResultado();
    bool GuardaComoConResultado();
    bool EscribeFichero(const QString& ruta);
    /// Reads the source at `ruta` into the editor; false, with a box and nothing changed, when it is not a
    /// file the editor can hold (a pipe or a device, a binary file).
    bool CargaFichero(const QString& ruta);
    void PintaMarcaError();
    void QuitaMarcaError(bool siempreRepinta);
    bool TeclaFinInteligente(bool conSeleccion);
    void HabilitaEdicion();
    void ColoreaMemoOut(const QColor& color);
    void ProgramaActualizacion();

    TDialogosMontador& fDialogos;
    FuncionMontar fMontarFuente;
    std::vector<int> lineasMensajes_; // the source line each line of the message list points at, or -1
    QsciScintilla* fMemoIn = nullptr;
    QPlainTextEdit* fMemoOut = nullptr;
    TLexerVelmo* fLexer = nullptr;
    QSplitter* fDivisor = nullptr;
    QMenuBar* fMenus = nullptr;
    QToolBar* fHerramientas = nullptr;
    QMenu* fMenuArchivo = nullptr;
    QMenu* fMenuAyuda = nullptr;
    QStatusBar* fBarraEstado = nullptr;
    QLabel* fPaneles[4] = {};
    QTimer* fReposo = nullptr;
    QAction* fNuevo = nullptr;
    QAction* fAbrir = nullptr;
    QAction* fGuardar = nullptr;
    QAction* fGuardarComo = nullptr;
    QAction* fMontar = nullptr;
    QAction* fCerrar = nullptr;
    QAction* fAyuda = nullptr;
    QAction* fAcercaDe = nullptr;
    QAction* fCopiar = nullptr;
    QAction* fPegar = nullptr;
    int fEolPorDefecto = 0;
    bool fCargaFallida = false;
    bool fAccionInicialHecha = false;
};

} // namespace velmo
