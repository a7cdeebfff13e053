#pragma once
// Everything the workbench asks of the person in front of it: the new-source dialog, the file dialogs,
// message boxes and questions (through the host interface the assembler also uses), help and the about
// box. The desktop program answers with real dialogs; the tests answer from a script.

#include "Anfitrion.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace velmo {

class TFormNuevoFichAMontar;

class TDialogosMontador : public virtual Anfitrion {
public:
    /// The version chosen in the new-source dialog (0, 1 or 2); nothing when it was cancelled.
    virtual std::optional<int> EligeVersion(QWidget* padre) = 0;
    /// An existing file to open; empty when cancelled. The filter is written "name|patterns|name|patterns".
    /// Both file dialogs start at `actual`, the file the window holds (empty for none).
    virtual QString FicheroAAbrir(QWidget* padre, const QString& filtro, const QString& actual) = 0;
    /// A name to save under, after the overwrite question; empty when cancelled.
    virtual QString FicheroAGuardar(QWidget* padre, const QString& filtro, const QString& extension,
                                    const QString& actual) = 0;
    /// Opens the workbench manual; a missing manual is not reported.
    virtual void AbreAyuda() = 0;
    virtual void AcercaDe(QWidget* padre) = 0;
};

/// A "name|patterns|..." filter in the form of Qt's file dialogs: "name (p1 p2);;...". A name that
/// already shows its patterns in parentheses gets them rewritten the way the dialog can read them.
QString FiltroQt(const QString& filtro);

/// The real dialogs. The new-source dialog is created once, so it keeps the last choice. Create one for the
/// whole run and give it to every workbench window.
class TDialogosMontadorQt : public TDialogosMontador {
public:
    /// With the program's own host, boxes, questions and trace lines go through it; without one, boxes and
    /// questions are shown here and there is no trace.
    explicit TDialogosMontadorQt(Anfitrion* anfitrionPrograma = nullptr);
    ~TDialogosMontadorQt() override;

    /// The program's about box; until one is given, a plain box names the workbench.
    void SetAcercaDe(std::function<void(QWidget*)> muestra) { fAcercaDe = std::move(muestra); }

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override;
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override;
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override;
    bool TrazaActiva() const override;
    void AnadeLineaTraza(const std::string& linea) override;

    std::optional<int> EligeVersion(QWidget* padre) override;
    QString FicheroAAbrir(QWidget* padre, const QString& filtro, const QString& actual) override;
    QString FicheroAGuardar(QWidget* padre, const QString& filtro, const QString& extension,
                            const QString& actual) override;
    void AbreAyuda() override;
    void AcercaDe(QWidget* padre) override;

private:
    Anfitrion* fAnfitrion;
    std::function<void(QWidget*)> fAcercaDe;
    TFormNuevoFichAMontar* fFormNuevo = nullptr;
};

} // namespace velmo
