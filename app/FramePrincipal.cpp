#include "FramePrincipal.h"

#include "CodificacionTexto.h"
#include "DialogosMontador.h"
#include "EscrituraSegura.h"
#include "FormNuevoFichAMontar.h"
#include "LecturaAcotada.h"
#include "LexerVelmo.h"
#include "UtilidadesStr.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>

#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include <exception>
#include <filesystem>
#include <system_error>

namespace velmo {

namespace {

const char* const kTitulo = "Montador de Velmo";
const char* const kCaja = "Montador";
const char* const kFiltroAbrir = "Fuentes Velmo|*.s;*.asm|Todos|*.*";
const char* const kFiltroGuardar = "Fuentes Velmo (*.asm, *.s)|*.asm;*.s|Todos|*.*";
const char* const kSinTitulo = "SinTítulo";
constexpr int kMarcaError = 1;
constexpr int kIndicadorError = 8;
constexpr int kAltoPanelInferior = 120;

QFont FuenteCourier() {
    QFont fuente("Courier New");
    fuente.setStyleHint(QFont::Monospace);
    fuente.setPixelSize(13);
    return fuente;
}

/// The same 13 pixels as a point size: the editor's styles take their size in points only.
QFont FuenteCourierEnPuntos() {
    QFont fuente = FuenteCourier();
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    const qreal ppp = pantalla != nullptr ? pantalla->logicalDotsPerInchY() : 96.0;
    fuente.setPointSizeF(13.0 * 72.0 / (ppp > 0 ? ppp : 96.0));
    return fuente;
}

QString SinFinDeLinea(QString linea) {
    while (linea.endsWith('\n') || linea.endsWith('\r')) {
        linea.chop(1);
    }
    return linea;
}

QString FinDeLinea(const QsciScintilla& editor) {
    switch (editor.eolMode()) {
    case QsciScintilla::EolWindows:
        return "\r\n";
    case QsciScintilla::EolMac:
        return "\r";
    case QsciScintilla::EolUnix:
        return "\n";
    }
    return "\n";
}

QAction* CreaAccion(QWidget* duena, const QString& texto, const QString& pista, const QKeySequence& atajo) {
    auto* accion = new QAction(texto, duena);
    accion->setStatusTip(pista);
    if (!atajo.isEmpty()) {
        accion->setShortcut(atajo);
        accion->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    duena->addAction(accion);
    return accion;
}

void PonBoton(QAction* accion, const QString& pista, const char* icono) {
    accion->setIconText(pista);
    accion->setToolTip(pista);
    accion->setIcon(QIcon(QString(":/velmo/icons/montador_%1.svg").arg(icono)));
}

} // namespace

TFramePrincipal::TFramePrincipal(TDialogosMontador& dialogos, QWidget* parent)
    : TFramePrincipal(dialogos, &Montar, parent) {}

TFramePrincipal::TFramePrincipal(TDialogosMontador& dialogos, FuncionMontar montar, QWidget* parent)
    : QWidget(parent), fDialogos(dialogos), fMontarFuente(std::move(montar)) {
    setWindowTitle(kTitulo);
    resize(716, 579);

    fReposo = new QTimer(this);
    fReposo->setSingleShot(true);
    fReposo->setInterval(0);

    CreaAcciones();
    CreaEditor();

    fMemoOut = new QPlainTextEdit(this);
    fMemoOut->setReadOnly(true);
    fMemoOut->setFont(FuenteCourier());
    fMemoOut->setLineWrapMode(QPlainTextEdit::NoWrap);
    fMemoOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fMemoOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fMemoOut->setEnabled(false);
    ColoreaMemoOut(QColor(0xC0, 0xC0, 0xC0));
    fMemoOut->viewport()->installEventFilter(this);

    fBarraEstado = new QStatusBar(this);
    fBarraEstado->setSizeGripEnabled(false);
    const int anchos[] = {0, 150, 100, 100};
    for (int i = 0; i < 4; ++i) {
        fPaneles[i] = new QLabel(fBarraEstado);
        if (i == 0) {
            fBarraEstado->addWidget(fPaneles[i], 1);
        } else {
            fPaneles[i]->setFixedWidth(anchos[i]);
            fBarraEstado->addPermanentWidget(fPaneles[i]);
        }
    }

    auto* inferior = new QWidget(this);
    auto* capaInferior = new QVBoxLayout(inferior);
    capaInferior->setContentsMargins(0, 0, 0, 0);
    capaInferior->setSpacing(0);
    capaInferior->addWidget(fMemoOut, 1);
    capaInferior->addWidget(fBarraEstado);

    fDivisor = new QSplitter(Qt::Vertical, this);
    fDivisor->setHandleWidth(5);
    fDivisor->setChildrenCollapsible(false);
    fDivisor->addWidget(fMemoIn);
    fDivisor->addWidget(inferior);
    fDivisor->setStretchFactor(0, 1);
    fDivisor->setStretchFactor(1, 0);
    fDivisor->setSizes({height() - kAltoPanelInferior, kAltoPanelInferior});

    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setSpacing(0);
    capa->setMenuBar(fMenus);
    capa->addWidget(fHerramientas);
    capa->addWidget(fDivisor, 1);

    connect(fReposo, &QTimer::timeout, this, &TFramePrincipal::ActualizaBarraEstado);

    ListaFicheros.clear();
    FicheroModificado = false;
    FicheroGuardado = true;
    marcadorError = -1;
    accion = acMontadorNone;
    ActualizaBarraEstado();
}

TFramePrincipal::~TFramePrincipal() = default;

void TFramePrincipal::CreaAcciones() {
    fNuevo = CreaAccion(this, "&Nuevo...", "Crea un fichero fuente vacío", QKeySequence("Ctrl+N"));
    fAbrir =
        CreaAccion(this, "&Abrir...", "Permite abrir un fuente guardado en disco", QKeySequence("Ctrl+O"));
    fGuardar = CreaAccion(this, "&Guardar", "Guarda el fuente actual", QKeySequence("Ctrl+S"));
    fGuardarComo = CreaAccion(this, "Guardar &Como...", "Guarda el fuente actual con otro nombre", {});
    fMontar = CreaAccion(this, "&Montar", "Compila el fuente actual", QKeySequence("Ctrl+M"));
    fCerrar = CreaAccion(this, "&Cerrar Montador", "Cierra el montador", {});
    fAyuda = CreaAccion(this, "A&yuda del Montador...", "Muestra el manual del programa", QKeySequence("F1"));
    fAcercaDe = CreaAccion(this, "&Acerca de...", "Muestra una ventana con información del programa", {});
    fCopiar = CreaAccion(this, "Copiar", "", QKeySequence("Ctrl+C"));
    fPegar = CreaAccion(this, "Pegar", "", QKeySequence("Ctrl+V"));
    PonBoton(fNuevo, "Nuevo", "nuevo");
    PonBoton(fAbrir, "Abrir", "abrir");
    PonBoton(fGuardar, "Guardar", "guardar");
    PonBoton(fMontar, "Montar", "montar");
    PonBoton(fCerrar, "Cerrar montador", "cerrar");
    PonBoton(fCopiar, "Copiar", "copiar");
    PonBoton(fPegar, "Pegar", "pegar");
    fGuardar->setEnabled(false);
    fGuardarComo->setEnabled(false);
    fMontar->setEnabled(false);

    connect(fNuevo, &QAction::triggered, this, &TFramePrincipal::NuevoClick);
    connect(fAbrir, &QAction::triggered, this, &TFramePrincipal::AbrirClick);
    connect(fGuardar, &QAction::triggered, this, &TFramePrincipal::GuardarClick);
    connect(fGuardarComo, &QAction::triggered, this, &TFramePrincipal::GuardarComoClick);
    connect(fMontar, &QAction::triggered, this, &TFramePrincipal::MontarClick);
    connect(fCerrar, &QAction::triggered, this, &TFramePrincipal::CerrarClick);
    connect(fAyuda, &QAction::triggered, this, [this] { fDialogos.AbreAyuda(); });
    connect(fAcercaDe, &QAction::triggered, this, [this] { fDialogos.AcercaDe(this); });
    connect(fCopiar, &QAction::triggered, this, [] {
        QWidget* foco = QApplication::focusWidget();
        if (auto* editor = qobject_cast<QsciScintilla*>(foco)) {
            editor->copy();
        } else if (auto* texto = qobject_cast<QPlainTextEdit*>(foco)) {
            texto->copy();
        }
    });
    connect(fPegar, &QAction::triggered, this, [] {
        QWidget* foco = QApplication::focusWidget();
        if (auto* editor = qobject_cast<QsciScintilla*>(foco)) {
            editor->paste();
        } else if (auto* texto = qobject_cast<QPlainTextEdit*>(foco)) {
            texto->paste();
        }
    });

    fMenus = new QMenuBar(this);
    fMenuArchivo = fMenus->addMenu("&Archivo");
    fMenuArchivo->addAction(fNuevo);
    fMenuArchivo->addAction(fAbrir);
    fMenuArchivo->addAction(fGuardar);
    fMenuArchivo->addAction(fGuardarComo);
    fMenuArchivo->addSeparator();
    fMenuArchivo->addAction(fMontar);
    fMenuArchivo->addSeparator();
    fMenuArchivo->addAction(fCerrar);
    fMenuAyuda = fMenus->addMenu("A&yuda");
    fMenuAyuda->addAction(fAyuda);
    fMenuAyuda->addAction(fAcercaDe);

    fHerramientas = new QToolBar(this);
    fHerramientas->setToolButtonStyle(Qt::ToolButtonIconOnly);
    fHerramientas->addAction(fNuevo);
    fHerramientas->addAction(fAbrir);
    fHerramientas->addAction(fGuardar);
    fHerramientas->addSeparator();
    fHerramientas->addAction(fCopiar);
    fHerramientas->addAction(fPegar);
    fHerramientas->addSeparator();
    fHerramientas->addAction(fMontar);
    fHerramientas->addAction(fCerrar);
}

void TFramePrincipal::CreaEditor() {
    fMemoIn = new QsciScintilla(this);
    fMemoIn->setUtf8(true);
    fEolPorDefecto = fMemoIn->eolMode();
    const QFont fuente = FuenteCourierEnPuntos();
    fMemoIn->setFont(fuente);
    fLexer = new TLexerVelmo(fuente, this);
    fMemoIn->setLexer(fLexer);

    fMemoIn->setAutoIndent(true);
    fMemoIn->setIndentationsUseTabs(false);
    fMemoIn->setTabWidth(8);
    fMemoIn->setBackspaceUnindents(true);
    fMemoIn->SendScintilla(QsciScintillaBase::SCI_SETVIRTUALSPACEOPTIONS,
                           QsciScintillaBase::SCVS_USERACCESSIBLE |
                               QsciScintillaBase::SCVS_RECTANGULARSELECTION);
    fMemoIn->setMarginsFont(fuente);
    fMemoIn->setMarginLineNumbers(0, true);
    fMemoIn->setMarginWidth(0, "000000");

    fMemoIn->markerDefine(QsciScintilla::Background, kMarcaError);
    fMemoIn->setMarkerBackgroundColor(QColor(0x80, 0x00, 0x00), kMarcaError);
    fMemoIn->indicatorDefine(QsciScintilla::TextColorIndicator, kIndicadorError);
    fMemoIn->setIndicatorForegroundColor(QColor(0xFF, 0xFF, 0xFF), kIndicadorError);

    fMemoIn->setEnabled(false);
    fMemoIn->installEventFilter(this);
    fMemoIn->viewport()->installEventFilter(this);

    connect(fMemoIn, &QsciScintilla::textChanged, this, [this] {
        FicheroModificado = true;
        ProgramaActualizacion();
    });
    connect(fMemoIn, &QsciScintilla::cursorPositionChanged, this, &TFramePrincipal::ProgramaActualizacion);
    // The scroll hint: which line comes to the top while the scroll box is dragged.
    connect(fMemoIn->verticalScrollBar(), &QScrollBar::sliderMoved, this, [this](int valor) {
        QToolTip::showText(QCursor::pos(), QString("Línea: %1").arg(valor + 1), fMemoIn);
    });
}

QString TFramePrincipal::TextoPanel(int panel) const {
    return panel >= 0 && panel < 4 ? fPaneles[panel]->text() : QString();
}

void TFramePrincipal::ProgramaActualizacion() {
    fReposo->start();
}

void TFramePrincipal::ActualizaBarraEstado() {
    int linea = 0;
    int indice = 0;
    fMemoIn->getCursorPosition(&linea, &indice);
    const int virtuales =
        static_cast<int>(fMemoIn->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0UL));
    fPaneles[1]->setText(QString::asprintf("Línea %6d, Columna %3d", linea + 1, indice + virtuales + 1));
    fPaneles[2]->setText(FicheroModificado ? "Modificado" : "");
    fPaneles[3]->setText(fMemoIn->overwriteMode() ? "Sobreescribir" : "Insertar");
}

void TFramePrincipal::ColoreaMemoOut(const QColor& color) {
    QPalette paleta = fMemoOut->palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paleta.setColor(grupo, QPalette::Base, color);
    }
    fMemoOut->setPalette(paleta);
}

void TFramePrincipal::HabilitaEdicion() {
    fMemoIn->setEnabled(true);
    fMontar->setEnabled(true);
    fGuardar->setEnabled(true);
    fGuardarComo->setEnabled(true);
    fNuevo->setEnabled(true);
    fAbrir->setEnabled(true);
}

Respuesta TFramePrincipal::GuardarCambios() {
    const QString nombre =
        ListaFicheros.isEmpty() ? QString(kSinTitulo) : QFileInfo(ListaFicheros[0]).fileName();
    const QString texto = "'" + nombre + "' ha cambiado\r\n\r\n ¿Desea guardar los cambios?";
    return fDialogos.PreguntaSiNoCancelar(texto.toStdString(), kCaja);
}

bool TFramePrincipal::PreguntaYGuarda() {
    switch (GuardarCambios()) {
    case Respuesta::Cancelar:
        return false;
    case Respuesta::Si:
        return GuardaConResultado();
    case Respuesta::No:
        return true;
    }
    return false;
}

bool TFramePrincipal::PasoCambiosSinGuardar() {
    return !FicheroModificado || PreguntaYGuarda();
}

void TFramePrincipal::NuevoClick() {
    if (!PasoCambiosSinGuardar()) {
        return;
    }
    const std::optional<int> version = fDialogos.EligeVersion(this);
    if (!version) {
        return;
    }
    fMemoIn->clear();
    fMemoIn->setEolMode(static_cast<QsciScintilla::EolMode>(fEolPorDefecto));
    fMemoOut->clear();
    fMemoIn->setEnabled(true);
    ColoreaMemoOut(fMemoOut->verticalScrollBar()->palette().color(QPalette::Button));
    fMontar->setEnabled(true);
    fGuardar->setEnabled(true);
    fGuardarComo->setEnabled(true);
    setWindowTitle(QString(kTitulo) + " - [" + kSinTitulo + "]");
    fMemoIn->setText(TFormNuevoFichAMontar::Plantilla(*version).join(FinDeLinea(*fMemoIn)));
    fMemoIn->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    // A mark left from the previous text would point into the new one.
    QuitaMarcaError(true);
    ListaFicheros.clear();
    fCargaFallida = false;
    FicheroGuardado = false;
    FicheroModificado = false;
    ProgramaActualizacion();
}

bool TFramePrincipal::CargaFichero(const QString& ruta) {
    const LecturaAcotada lectura =
        LeeFicheroAcotado(QFile::encodeName(ruta).toStdString(), kLimiteFuente, TipoFicheroLeido::SoloNormal);
    if (lectura.estado == EstadoLecturaAcotada::NoEsFicheroNormal) {
        fDialogos.MuestraMensaje(TextoFalloLectura(lectura.estado, ruta.toStdString(), kLimiteFuente), kCaja,
                                 IconoMensaje::Error);
        return false;
    }
    const bool cargado = lectura.estado == EstadoLecturaAcotada::Correcto;
    const std::string texto = cargado ? TextoFuenteAUtf8(lectura.bytes) : std::string();
    // The editor ends its text at a NUL: it would show part of the file and a save would cut it there.
    if (!EsTextoFuente(texto)) {
        fDialogos.MuestraMensaje("No se puede abrir " + ruta.toStdString() + ": no es un fichero de texto",
                                 kCaja, IconoMensaje::Error);
        return false;
    }
    fCargaFallida = !cargado;
    if (cargado) {
        // New lines follow the file's own line ends.
        fMemoIn->setEolMode(texto.find("\r\n") != std::string::npos
                                ? QsciScintilla::EolWindows
                                : static_cast<QsciScintilla::EolMode>(fEolPorDefecto));
        fMemoIn->setText(QString::fromStdString(texto));
    } else {
        fMemoIn->setText("Fichero demasiado grande");
    }
    fMemoIn->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    return true;
}

void TFramePrincipal::AbrirClick() {
    const QString ruta = fDialogos.FicheroAAbrir(this, kFiltroAbrir, ListaFicheros.value(0));
    if (ruta.isEmpty()) {
        return;
    }
    if (!PasoCambiosSinGuardar()) {
        return;
    }
    if (!CargaFichero(ruta)) {
        return;
    }
    ListaFicheros = QStringList{ruta};
    FichSalida = QString::fromStdString(QuitaExtension(ruta.toStdString())) + ".vlx";
    QuitaMarcaError(true);
    fMemoOut->clear();
    HabilitaEdicion();
    FicheroModificado = false;
    FicheroGuardado = true;
    setWindowTitle(QString(kTitulo) + " - [" + QFileInfo(ruta).fileName() + "]");
    ProgramaActualizacion();
}

bool TFramePrincipal::EscribeFichero(const QString& ruta) {
    const QByteArray bytes = fMemoIn->text().toUtf8();
    const FalloEscritura fallo = GuardaFicheroSeguro(QFile::encodeName(ruta).toStdString(),
                                                     std::string_view(bytes.constData(), bytes.size()));
    if (fallo == FalloEscritura::Ninguno) {
        return true;
    }
    QString texto = "No se ha podido guardar el fichero " + ruta;
    if (fallo == FalloEscritura::NoEsFicheroNormal) {
        texto += ": no es un fichero normal";
    }
    fDialogos.MuestraMensaje(texto.toStdString(), kCaja, IconoMensaje::Error);
    return false;
}

bool TFramePrincipal::GuardaConResultado() {
    // After a failed load the editor holds a notice, not the file: it must not replace the file on disk.
    if (!FicheroGuardado || fCargaFallida || ListaFicheros.isEmpty()) {
        return GuardaComoConResultado();
    }
    if (!EscribeFichero(ListaFicheros[0])) {
        return false;
    }
    FicheroGuardado = true;
    FicheroModificado = false;
    ProgramaActualizacion();
    return true;
}

bool TFramePrincipal::GuardaComoConResultado() {
    const QString ruta = fDialogos.FicheroAGuardar(this, kFiltroGuardar, "asm", ListaFicheros.value(0));
    if (ruta.isEmpty() || !EscribeFichero(ruta)) {
        return false;
    }
    ListaFicheros = QStringList{ruta};
    fCargaFallida = false;
    FicheroGuardado = true;
    FicheroModificado = false;
    setWindowTitle(QString(kTitulo) + " - [" + QFileInfo(ruta).fileName() + "]");
    ProgramaActualizacion();
    return true;
}

void TFramePrincipal::GuardarClick() {
    GuardaConResultado();
}

void TFramePrincipal::GuardarComoClick() {
    GuardaComoConResultado();
}

void TFramePrincipal::MontarClick() {
    if (ListaFicheros.isEmpty()) {
        GuardaComoConResultado();
        if (ListaFicheros.isEmpty()) {
            return;
        }
    }
    FichSalida = QString::fromStdString(QuitaExtension(ListaFicheros[0].toStdString())) + ".vlx";
    // A source saved with the executable's extension would be overwritten by its own executable.
    std::error_code error;
    if (FichSalida == ListaFicheros[0] ||
        std::filesystem::equivalent(ListaFicheros[0].toStdString(), FichSalida.toStdString(), error)) {
        fDialogos.MuestraMensaje(("El ejecutable " + FichSalida +
                                  " sustituiría al propio fuente: guarde el fuente con extensión .asm o .s")
                                     .toStdString(),
                                 kCaja, IconoMensaje::Error);
        return;
    }
    fMemoOut->clear();

    // The grammar needs the text to end with a line break: the empty line goes into the editor itself,
    // by the same rule the command-line assembler applies.
    const std::string texto = fMemoIn->text().toStdString();
    const std::string conLineaFinal = ConLineaFinal(texto);
    if (conLineaFinal.size() > texto.size()) {
        fMemoIn->append(QString::fromStdString(conLineaFinal.substr(texto.size())));
    }

    ResultadoMontaje resultado{};
    try {
        resultado = fMontarFuente(fMemoIn->text().toStdString(), FichSalida.toStdString(), fDialogos);
    } catch (const std::exception& error) {
        fDialogos.MuestraMensaje(std::string("No se ha podido montar el fuente: ") + error.what(), kCaja,
                                 IconoMensaje::Error);
        return;
    }

    QStringList lineasMensaje;
    for (const std::string& mensaje : resultado.mensajes) {
        lineasMensaje << QString::fromStdString(mensaje);
    }
    // The source line of each line of the list as shown: a message of several lines points from its first.
    lineasMensajes_.clear();
    for (const MensajeMontaje& registro : resultado.registros) {
        lineasMensajes_.push_back(registro.linea);
        lineasMensajes_.insert(
            lineasMensajes_.end(),
            static_cast<std::size_t>(std::count(registro.texto.begin(), registro.texto.end(), '\n')), -1);
    }
    fMemoOut->setPlainText(lineasMensaje.join('\n'));
    fMemoOut->setEnabled(true);
    if (resultado.lineaPrimerError >= 0) {
        marcadorError = resultado.lineaPrimerError;
        PintaMarcaError();
    } else {
        // Warnings come first: the verdict on the last line is what must be in view.
        fMemoOut->moveCursor(QTextCursor::End);
        fMemoOut->ensureCursorVisible();
    }
    ProgramaActualizacion();
}

void TFramePrincipal::CerrarClick() {
    close();
}

bool TFramePrincipal::FormCloseQuery() {
    return (FicheroGuardado && !FicheroModificado) || PreguntaYGuarda();
}

void TFramePrincipal::closeEvent(QCloseEvent* evento) {
    if (!FormCloseQuery()) {
        evento->ignore();
        return;
    }
    evento->accept();
    emit cerrado();
}

void TFramePrincipal::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    ProgramaActualizacion();
    // The startup command runs once the window is on screen, and once only: showing the window again
    // (restored from an icon) must not start another new source.
    if (!fAccionInicialHecha) {
        fAccionInicialHecha = true;
        QMetaObject::invokeMethod(this, &TFramePrincipal::MontadorStartupMsg, Qt::QueuedConnection);
    }
}

void TFramePrincipal::MontadorStartupMsg() {
    switch (accion) {
    case acMontadorProgramaNuevo:
        NuevoClick();
        break;
    case acMontadorFuenteExistente:
        AbrirClick();
        break;
    case acMontadorNone:
        break;
    }
}

bool TFramePrincipal::MemoInSpecialLineColors(int linea, QColor& frente, QColor& fondo) const {
    if (linea != marcadorError) {
        return false;
    }
    frente = QColor(0xFF, 0xFF, 0xFF);
    fondo = QColor(0x80, 0x00, 0x00);
    return true;
}

void TFramePrincipal::PintaMarcaError() {
    fMemoIn->markerDeleteAll(kMarcaError);
    fMemoIn->SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, kIndicadorError);
    fMemoIn->SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, fMemoIn->length());
    const int lineas = fMemoIn->lines();
    for (int linea = 1; linea <= lineas; ++linea) {
        QColor frente;
        QColor fondo;
        if (!MemoInSpecialLineColors(linea, frente, fondo)) {
            continue;
        }
        fMemoIn->setMarkerBackgroundColor(fondo, kMarcaError);
        fMemoIn->setIndicatorForegroundColor(frente, kIndicadorError);
        fMemoIn->markerAdd(linea - 1, kMarcaError);
        const long inicio = fMemoIn->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, linea - 1);
        const long fin = fMemoIn->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, linea - 1);
        fMemoIn->SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, inicio, fin - inicio);
        fMemoIn->ensureLineVisible(linea - 1);
    }
    fMemoIn->viewport()->update();
}

void TFramePrincipal::QuitaMarcaError(bool siempreRepinta) {
    if (marcadorError == -1 && !siempreRepinta) {
        return;
    }
    marcadorError = -1;
    PintaMarcaError();
}

void TFramePrincipal::MemoOutDblClick() {
    // The line an error or warning points at comes with its message, not from its text.
    const QTextBlock bloque = fMemoOut->textCursor().block();
    const auto numero = static_cast<std::size_t>(std::max(bloque.blockNumber(), 0));
    if (bloque.text().isEmpty() || numero >= lineasMensajes_.size() || lineasMensajes_[numero] < 0) {
        return;
    }
    marcadorError = lineasMensajes_[numero];
    PintaMarcaError();
}

bool TFramePrincipal::TeclaFinInteligente(bool conSeleccion) {
    int linea = 0;
    int indice = 0;
    fMemoIn->getCursorPosition(&linea, &indice);
    const QString texto = SinFinDeLinea(fMemoIn->text(linea));
    const int fin = static_cast<int>(texto.size());
    int ultimo = fin;
    while (ultimo > 0 && texto[ultimo - 1].unicode() <= ' ') {
        --ultimo;
    }
    const long virtuales = fMemoIn->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0UL);
    // First to the end of the text on the line, then to the real end past any trailing blanks.
    const int destino = (indice == ultimo && virtuales == 0) ? fin : ultimo;
    const long posicion = fMemoIn->positionFromLineIndex(linea, destino);
    if (conSeleccion) {
        const long ancla = fMemoIn->SendScintilla(QsciScintillaBase::SCI_GETANCHOR);
        fMemoIn->SendScintilla(QsciScintillaBase::SCI_SETSEL, ancla, posicion);
    } else {
        fMemoIn->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, posicion);
    }
    return true;
}

bool TFramePrincipal::event(QEvent* evento) {
    if (evento->type() == QEvent::StatusTip) {
        fPaneles[0]->setText(static_cast<QStatusTipEvent*>(evento)->tip());
        return true;
    }
    return QWidget::event(evento);
}

bool TFramePrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == fMemoIn && evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        QuitaMarcaError(false);
        ProgramaActualizacion();
        const auto modificadores = tecla->modifiers() & ~Qt::KeypadModifier;
        if (tecla->key() == Qt::Key_End &&
            (modificadores == Qt::NoModifier || modificadores == Qt::ShiftModifier)) {
            return TeclaFinInteligente(modificadores == Qt::ShiftModifier);
        }
    } else if (objeto == fMemoIn->viewport() && evento->type() == QEvent::MouseButtonPress) {
        QuitaMarcaError(true);
        ProgramaActualizacion();
    } else if (objeto == fMemoOut->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
        const auto* raton = static_cast<QMouseEvent*>(evento);
        fMemoOut->setTextCursor(fMemoOut->cursorForPosition(raton->position().toPoint()));
        MemoOutDblClick();
    }
    return QWidget::eventFilter(objeto, evento);
}

} // namespace velmo
