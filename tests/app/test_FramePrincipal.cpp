#include "AnfitrionGrabador.h"
#include "DialogosMontador.h"
#include "DiscoLleno.h"
#include "FormNuevoFichAMontar.h"
#include "FramePrincipal.h"

#include "LexerVelmo.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolBar>
#include <QtTest>

#include <deque>
#include <memory>
#include <sys/stat.h>

namespace velmo {

namespace {

/// Answers the workbench's dialogs from a script and records what it was asked.
class DialogosFalsos : public pruebas::AnfitrionGrabador, public TDialogosMontador {
public:
    std::deque<std::optional<int>> versiones;
    std::deque<QString> aAbrir;
    std::deque<QString> aGuardar;
    QStringList filtros;
    QStringList extensiones;
    QStringList propuestas; // where each file dialog started
    int versionesPedidas = 0;
    int ayudas = 0;

    std::optional<int> EligeVersion(QWidget*) override {
        ++versionesPedidas;
        if (versiones.empty()) {
            return 0;
        }
        const auto v = versiones.front();
        versiones.pop_front();
        return v;
    }
    QString FicheroAAbrir(QWidget*, const QString& filtro, const QString& actual) override {
        filtros << filtro;
        propuestas << actual;
        return Siguiente(aAbrir);
    }
    QString FicheroAGuardar(QWidget*, const QString& filtro, const QString& extension,
                            const QString& actual) override {
        filtros << filtro;
        extensiones << extension;
        propuestas << actual;
        return Siguiente(aGuardar);
    }
    void AbreAyuda() override { ++ayudas; }
    void AcercaDe(QWidget*) override {}

private:
    static QString Siguiente(std::deque<QString>& cola) {
        if (cola.empty()) {
            return {};
        }
        QString r = cola.front();
        cola.pop_front();
        return r;
    }
};

/// The assembler as the workbench sees it: records each call and answers with a prepared result.
struct MontadorFalso {
    std::vector<std::pair<std::string, std::string>> llamadas;
    ResultadoMontaje resultado{true, {"Compilación correcta"}, -1, {}};

    TFramePrincipal::FuncionMontar Funcion() {
        return [this](const std::string& texto, const std::string& ruta, Anfitrion&) {
            llamadas.emplace_back(texto, ruta);
            return resultado;
        };
    }
};

QStringList LineasEditor(QsciScintilla* editor) {
    QStringList lineas;
    for (int i = 0; i < editor->lines(); ++i) {
        QString linea = editor->text(i);
        while (linea.endsWith('\n') || linea.endsWith('\r')) {
            linea.chop(1);
        }
        lineas << linea;
    }
    return lineas;
}

bool Marcada(TFramePrincipal& ventana, int linea) {
    return (ventana.MemoIn()->markersAtLine(linea - 1) & 2u) != 0;
}

void Escribe(const QString& ruta, const QByteArray& bytes) {
    QFile fichero(ruta);
    QVERIFY(fichero.open(QIODevice::WriteOnly));
    fichero.write(bytes);
}

QByteArray Lee(const QString& ruta) {
    QFile fichero(ruta);
    return fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
}

const std::string kPregunta = "Montador: '%1' ha cambiado\r\n\r\n ¿Desea guardar los cambios?";

std::string Pregunta(const QString& nombre) {
    return QString::fromStdString(kPregunta).arg(nombre).toStdString();
}

} // namespace

class TestFramePrincipal : public QObject {
    Q_OBJECT

    DialogosFalsos* dialogos = nullptr;
    MontadorFalso* montador = nullptr;
    std::unique_ptr<TFramePrincipal> ventana;
    std::unique_ptr<QTemporaryDir> carpeta;

    QString Ruta(const QString& nombre) const { return carpeta->filePath(nombre); }

    void Abre(const QString& nombre, const QByteArray& contenido) {
        Escribe(Ruta(nombre), contenido);
        dialogos->aAbrir.push_back(Ruta(nombre));
        ventana->AbrirClick();
    }

private slots:
    void init() {
        dialogos = new DialogosFalsos;
        montador = new MontadorFalso;
        carpeta = std::make_unique<QTemporaryDir>();
        ventana = std::make_unique<TFramePrincipal>(*dialogos, montador->Funcion());
    }

    void cleanup() {
        // Drop the window without the close question.
        ventana.reset();
        delete montador;
        delete dialogos;
    }

    void stateAtCreation() {
        QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo"));
        QVERIFY(!ventana->MemoIn()->isEnabled());
        QVERIFY(!ventana->MemoOut()->isEnabled());
        QCOMPARE(ventana->MemoOut()->palette().color(QPalette::Disabled, QPalette::Base),
                 QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(ventana->AccionNuevo()->isEnabled());
        QVERIFY(ventana->AccionAbrir()->isEnabled());
        QVERIFY(!ventana->AccionGuardar()->isEnabled());
        QVERIFY(!ventana->AccionGuardarComo()->isEnabled());
        QVERIFY(!ventana->AccionMontar()->isEnabled());
        QVERIFY(ventana->AccionCerrar()->isEnabled());
        QCOMPARE(ventana->size(), QSize(716, 579));
        QCOMPARE(ventana->MemoIn()->lexer(), static_cast<QsciLexer*>(ventana->Resaltador()));
        QCOMPARE(ventana->marcadorError, -1);
        QCOMPARE(ventana->accion, acMontadorNone);
        // Courier New at 13 pixels in both areas; the editor's styles carry it as points.
        const QFont editor = ventana->Resaltador()->font(TLexerVelmo::esIdentificador);
        QCOMPARE(editor.family(), QString("Courier New"));
        QCOMPARE(qRound(editor.pointSizeF() * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 72.0),
                 13);
        QCOMPARE(ventana->MemoOut()->font().family(), QString("Courier New"));
        QCOMPARE(ventana->MemoOut()->font().pixelSize(), 13);
        QVERIFY(ventana->FicheroGuardado);
        QVERIFY(!ventana->FicheroModificado);
    }

    void menusShortcutsAndHints() {
        const QList<QAction*> archivo = ventana->MenuArchivo()->actions();
        QStringList textos;
        for (QAction* a : archivo) {
            textos << (a->isSeparator() ? "-" : a->text());
        }
        QCOMPARE(textos, QStringList({"&Nuevo...", "&Abrir...", "&Guardar", "Guardar &Como...", "-",
                                      "&Montar", "-", "&Cerrar Montador"}));
        QCOMPARE(ventana->MenuArchivo()->title(), QString("&Archivo"));
        QCOMPARE(ventana->MenuAyuda()->title(), QString("A&yuda"));
        QCOMPARE(ventana->AccionMontar()->shortcut(), QKeySequence("Ctrl+M"));
        QCOMPARE(ventana->AccionMontar()->statusTip(), QString("Compila el fuente actual"));

        QStringList botones;
        for (QAction* a : ventana->BarraHerramientas()->actions()) {
            botones << (a->isSeparator() ? "-" : a->toolTip());
            QVERIFY(a->isSeparator() || !a->icon().pixmap(16, 16).isNull());
        }
        QCOMPARE(botones, QStringList({"Nuevo", "Abrir", "Guardar", "-", "Copiar", "Pegar", "-", "Montar",
                                       "Cerrar montador"}));

        // A hint reaches the first panel of the status bar.
        QStatusTipEvent pista("Crea un fichero fuente vacío");
        QApplication::sendEvent(ventana.get(), &pista);
        QCOMPARE(ventana->TextoPanel(0), QString("Crea un fichero fuente vacío"));

        ventana->AccionAyuda()->trigger();
        QCOMPARE(dialogos->ayudas, 1);
    }

    void newFileTemplates_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QStringList>("lineas");
        QTest::newRow("VLM1") << 0
                              << QStringList{".ver 1",
                                             "",
                                             ".data 15 ;dirección de inicio de los datos",
                                             "dw var1\t1",
                                             "dw uno\t1",
                                             "dw aux\t?",
                                             "",
                                             ".code",
                                             "eti:\tmov uno, aux",
                                             "\tadd uno, var1",
                                             "\tcmp uno, uno",
                                             "\tbeq eti",
                                             ""};
        QTest::newRow("VLM1 Modif") << 1
                                    << QStringList{".ver 2",
                                                   "",
                                                   ".data 15 ;dirección de inicio de los datos",
                                                   "dw var1\t1",
                                                   "dw uno\t1",
                                                   "dw aux\t?",
                                                   "dw var2\t3",
                                                   "",
                                                   ".code",
                                                   "eti:\tmov uno, aux",
                                                   "\tadd uno, var1",
                                                   "\tclear var2",
                                                   "\tmovd 1, var2",
                                                   "\tacum 1, var2",
                                                   "\tcmp uno, uno",
                                                   "\tbeq eti",
                                                   ""};
        QTest::newRow("VL Microprogramable") << 2
                                             << QStringList{".ver 3",
                                                            ".conf",
                                                            "inst0 1",
                                                            "inst1 1",
                                                            "inst2 2",
                                                            "inst3 3",
                                                            "",
                                                            ".data 15 ;dirección de inicio de los datos",
                                                            "dw var1\t1",
                                                            "dw uno\t1",
                                                            "dw aux\t?",
                                                            "dw var2\t3",
                                                            "",
                                                            ".code",
                                                            "eti:\tinst2 uno, aux",
                                                            "\tinst0 var1",
                                                            "\tinst1 uno",
                                                            "\tinst2 1, var2",
                                                            "\tinst3 1, var2, 3",
                                                            ""};
    }

    void newFileTemplates() {
        QFETCH(int, version);
        QFETCH(QStringList, lineas);
        dialogos->versiones.push_back(version);
        ventana->NuevoClick();
        QCOMPARE(LineasEditor(ventana->MemoIn()), lineas);
        QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo - [SinTítulo]"));
        QVERIFY(ventana->ListaFicheros.isEmpty());
        QVERIFY(!ventana->FicheroGuardado);
        QVERIFY(!ventana->FicheroModificado);
        QVERIFY(ventana->MemoIn()->isEnabled());
        QVERIFY(!ventana->MemoOut()->isEnabled());
        QVERIFY(ventana->AccionMontar()->isEnabled());
        QVERIFY(ventana->AccionGuardar()->isEnabled());
        QVERIFY(ventana->AccionGuardarComo()->isEnabled());
        // The template is the start of the text, not an edit that can be undone.
        QVERIFY(!ventana->MemoIn()->isUndoAvailable());
    }

    void newFileDialog() {
        TFormNuevoFichAMontar form;
        QCOMPARE(form.windowTitle(), QString("Montador"));
        QCOMPARE(form.Eleccion(), 0);
        form.SetEleccion(2);
        QCOMPARE(form.Eleccion(), 2);
        form.SetEleccion(7);
        QCOMPARE(form.Eleccion(), 2);
        QStringList textos;
        for (auto* boton : form.findChildren<QAbstractButton*>()) {
            textos << boton->text();
        }
        for (const char* texto :
             {"VLM1 (.Ver 1)", "VLM1 Modif (.Ver 2)", "VL Microprogramable (.Ver3)", "Aceptar", "Cancelar"}) {
            QVERIFY2(textos.contains(texto), texto);
        }
    }

    void cancelledNewKeepsTheText() {
        ventana->NuevoClick();
        ventana->MemoIn()->setText("mov a, b");
        dialogos->respuestas.push_back(Respuesta::No);
        dialogos->versiones.push_back(std::nullopt);
        ventana->NuevoClick();
        QCOMPARE(ventana->MemoIn()->text(), QString("mov a, b"));
        QVERIFY(ventana->FicheroModificado);
        // Cancel at the save question does not even show the new-source dialog.
        dialogos->respuestas.push_back(Respuesta::Cancelar);
        const int pedidas = dialogos->versionesPedidas;
        ventana->NuevoClick();
        QCOMPARE(dialogos->versionesPedidas, pedidas);
    }

    void assemblingAppendsTheFinalEmptyLineOnlyWhenNeeded() {
        Abre("prog.asm", "\tbeq eti");
        QVERIFY(!ventana->FicheroModificado);
        ventana->MontarClick();
        QCOMPARE(montador->llamadas.size(), size_t(1));
        QCOMPARE(montador->llamadas[0].first, std::string("\tbeq eti\n"));
        QCOMPARE(ventana->MemoIn()->lines(), 2);
        QVERIFY(ventana->FicheroModificado);
        ventana->ActualizaBarraEstado();
        QCOMPARE(ventana->TextoPanel(2), QString("Modificado"));
        // The source is not saved first.
        QCOMPARE(Lee(Ruta("prog.asm")), QByteArray("\tbeq eti"));

        // A source with Windows line ends gets one more of its own kind.
        Abre("windows.asm", ".code\r\nbeq eti");
        ventana->MontarClick();
        QCOMPARE(montador->llamadas.back().first, std::string(".code\r\nbeq eti\r\n"));

        for (const QByteArray& texto : {QByteArray("beq eti\n"), QByteArray("beq eti\r\n \t")}) {
            Abre("otro.asm", texto);
            ventana->MontarClick();
            QCOMPARE(montador->llamadas.back().first, texto.toStdString());
            QVERIFY(!ventana->FicheroModificado);
        }
    }

    void untitledTextAsksForANameFirst() {
        ventana->NuevoClick();
        ventana->MontarClick();
        QVERIFY(montador->llamadas.empty());
        QCOMPARE(dialogos->extensiones, QStringList{"asm"});
        QCOMPARE(dialogos->filtros.back(), QString("Fuentes Velmo (*.asm, *.s)|*.asm;*.s|Todos|*.*"));

        dialogos->aGuardar.push_back(Ruta("nuevo.asm"));
        ventana->MontarClick();
        QCOMPARE(montador->llamadas.size(), size_t(1));
        QCOMPARE(QString::fromStdString(montador->llamadas[0].second), Ruta("nuevo.vlx"));
        QVERIFY(Lee(Ruta("nuevo.asm")).startsWith(".ver 1\n"));
        QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo - [nuevo.asm]"));
    }

    void executableIsWrittenBesideTheSource() {
        Abre("prog.asm", "beq eti\n");
        ventana->MontarClick();
        QCOMPARE(QString::fromStdString(montador->llamadas.back().second), Ruta("prog.vlx"));
        QCOMPARE(ventana->FichSalida, Ruta("prog.vlx"));

        Abre("prog.s", "beq eti\n");
        QCOMPARE(ventana->FichSalida, Ruta("prog.vlx"));
        ventana->MontarClick();
        QCOMPARE(QString::fromStdString(montador->llamadas.back().second), Ruta("prog.vlx"));

        dialogos->aGuardar.push_back(Ruta("copia.s"));
        dialogos->propuestas.clear();
        ventana->GuardarComoClick();
        ventana->MontarClick();
        QCOMPARE(QString::fromStdString(montador->llamadas.back().second), Ruta("copia.vlx"));
        // The file dialogs start at the source being edited.
        ventana->AbrirClick();
        QCOMPARE(dialogos->propuestas, (QStringList{Ruta("prog.s"), Ruta("copia.s")}));
    }

    void messagesAndTheFirstErrorLine() {
        Abre("prog.asm", "a\nb\nc\nd\n");
        montador->resultado = {false, {"syntax error: en línea --> 3", "> c", ">  ^"}, 3, {}};
        ventana->MontarClick();
        QCOMPARE(ventana->MemoOut()->toPlainText(), QString("syntax error: en línea --> 3\n> c\n>  ^"));
        QVERIFY(ventana->MemoOut()->isEnabled());
        QCOMPARE(ventana->marcadorError, 3);
        QVERIFY(Marcada(*ventana, 3));
        QVERIFY(!Marcada(*ventana, 2));
        QColor frente;
        QColor fondo;
        QVERIFY(ventana->MemoInSpecialLineColors(3, frente, fondo));
        QCOMPARE(frente, QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(fondo, QColor(0x80, 0x00, 0x00));
        QVERIFY(!ventana->MemoInSpecialLineColors(2, frente, fondo));

        // A successful assembly without a line leaves the mark as it was.
        montador->resultado = {true, {"Compilación correcta", "Generado el fichero: x"}, -1, {}};
        ventana->MontarClick();
        QCOMPARE(ventana->marcadorError, 3);
        QCOMPARE(ventana->MemoOut()->toPlainText(), QString("Compilación correcta\nGenerado el fichero: x"));

        // After many warnings the verdict on the last line is in view; after errors, the first one is.
        std::vector<std::string> avisos(30, "> Aviso");
        avisos.push_back("Compilación correcta");
        montador->resultado = {true, avisos, -1, {}};
        ventana->MontarClick();
        const QScrollBar* barra = ventana->MemoOut()->verticalScrollBar();
        QVERIFY(barra->maximum() > 0);
        QCOMPARE(barra->value(), barra->maximum());
        montador->resultado = {false, avisos, 3, {}};
        ventana->MontarClick();
        QCOMPARE(barra->value(), 0);

        // A mouse click in the editor removes it.
        QTest::mouseClick(ventana->MemoIn()->viewport(), Qt::LeftButton);
        QCOMPARE(ventana->marcadorError, -1);
        QVERIFY(!Marcada(*ventana, 3));
    }

    void assemblerFailureIsShownAndNothingElseChanges() {
        ventana = std::make_unique<TFramePrincipal>(
            *dialogos, [](const std::string&, const std::string&, Anfitrion&) -> ResultadoMontaje {
                throw std::runtime_error("disco lleno");
            });
        Abre("prog.asm", "beq eti\n");
        ventana->MontarClick();
        QCOMPARE(dialogos->mensajes.size(), size_t(1));
        QCOMPARE(dialogos->mensajes[0].titulo, std::string("Montador"));
        QVERIFY(dialogos->mensajes[0].texto.find("disco lleno") != std::string::npos);
        QVERIFY(!ventana->MemoOut()->isEnabled());
    }

    void doubleClickJumpsToTheErrorLine() {
        Abre("prog.asm", QByteArray("x\n").repeated(20));
        // The line each message points at comes with it; the texts are not read for it.
        montador->resultado.registros = {{ClaseMensaje::Error, 12, "Error semántico: en la línea --> 12"},
                                         {ClaseMensaje::Detalle, -1, "> mov a --> 5"},
                                         {ClaseMensaje::Aviso, -1, "sin número -->"},
                                         {ClaseMensaje::Aviso, -1, "otra --> 7"},
                                         {ClaseMensaje::Error, 4, "syntax error: en línea"}};
        montador->resultado.mensajes = TextosMensajes(montador->resultado.registros);
        ventana->MontarClick();
        auto pulsaLinea = [&](int bloque) {
            QTextCursor cursor(ventana->MemoOut()->document()->findBlockByNumber(bloque));
            ventana->MemoOut()->setTextCursor(cursor);
            ventana->MemoOutDblClick();
        };
        pulsaLinea(0);
        QCOMPARE(ventana->marcadorError, 12);
        QVERIFY(Marcada(*ventana, 12));
        for (int ignorada : {1, 2, 3}) {
            pulsaLinea(ignorada);
            QCOMPARE(ventana->marcadorError, 12);
        }

        QTest::keyClick(ventana->MemoIn(), Qt::Key_A);
        QCOMPARE(ventana->marcadorError, -1);
        QVERIFY(!Marcada(*ventana, 12));

        // The real double click, on the last message line.
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        QTextCursor cursor(ventana->MemoOut()->document()->findBlockByNumber(4));
        const QPoint punto = ventana->MemoOut()->cursorRect(cursor).center();
        QTest::mouseDClick(ventana->MemoOut()->viewport(), Qt::LeftButton, {}, punto);
        QCOMPARE(ventana->marcadorError, 4);
        ventana->FicheroModificado = false;
    }

    void closingAsksAboutUnsavedText() {
        // No startup action, closed at once: nothing to ask.
        QVERIFY(ventana->FormCloseQuery());
        QVERIFY(dialogos->preguntas.empty());

        ventana->NuevoClick();
        dialogos->respuestas.push_back(Respuesta::Cancelar);
        ventana->show();
        QVERIFY(!ventana->close());
        QCOMPARE(dialogos->preguntas, std::vector<std::string>{Pregunta("SinTítulo")});
        QVERIFY(ventana->isVisible());

        dialogos->respuestas.push_back(Respuesta::No);
        QSignalSpy cerrado(ventana.get(), &TFramePrincipal::cerrado);
        ventana->CerrarClick();
        QCOMPARE(cerrado.size(), 1);
        QVERIFY(!ventana->isVisible());
    }

    void closingTheChildWindowOfTheMainWindowAsksToo() {
        QMdiArea area;
        auto* propia = new TFramePrincipal(*dialogos, montador->Funcion());
        QMdiSubWindow* hija = area.addSubWindow(propia);
        area.show();
        propia->NuevoClick();
        dialogos->respuestas.push_back(Respuesta::Cancelar);
        QVERIFY(!hija->close());
        QCOMPARE(dialogos->preguntas.size(), size_t(1));
        dialogos->respuestas.push_back(Respuesta::No);
        QVERIFY(hija->close());
        QCOMPARE(dialogos->preguntas.size(), size_t(2));
    }

    void closingWithYesSavesOrStaysOpen() {
        Abre("prog.asm", "beq eti\n");
        ventana->MemoIn()->append("add a, b\n");
        dialogos->respuestas.push_back(Respuesta::Si);
        QVERIFY(ventana->FormCloseQuery());
        QCOMPARE(dialogos->preguntas.back(), Pregunta("prog.asm"));
        QCOMPARE(Lee(Ruta("prog.asm")), QByteArray("beq eti\nadd a, b\n"));

        // Untitled: Yes asks for a name, and cancelling it keeps the window open.
        ventana->NuevoClick();
        dialogos->respuestas.push_back(Respuesta::Si);
        QVERIFY(!ventana->FormCloseQuery());
    }

    void openChoosesTheFileBeforeTheQuestion() {
        Abre("uno.asm", "mov a, b\n");
        QCOMPARE(dialogos->filtros.back(), QString("Fuentes Velmo|*.s;*.asm|Todos|*.*"));
        QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo - [uno.asm]"));
        QCOMPARE(ventana->ListaFicheros, QStringList{Ruta("uno.asm")});
        QVERIFY(ventana->AccionMontar()->isEnabled());
        ventana->MemoIn()->append("x");

        // Cancelling the open dialog asks nothing.
        ventana->AbrirClick();
        QVERIFY(dialogos->preguntas.empty());

        Escribe(Ruta("dos.s"), "add a, b\n");
        dialogos->aAbrir.push_back(Ruta("dos.s"));
        dialogos->respuestas.push_back(Respuesta::Cancelar);
        ventana->AbrirClick();
        QCOMPARE(dialogos->preguntas, std::vector<std::string>{Pregunta("uno.asm")});
        QCOMPARE(ventana->ListaFicheros, QStringList{Ruta("uno.asm")});

        dialogos->aAbrir.push_back(Ruta("dos.s"));
        dialogos->respuestas.push_back(Respuesta::No);
        ventana->AbrirClick();
        QCOMPARE(ventana->MemoIn()->text(), QString("add a, b\n"));
        QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo - [dos.s]"));
        QCOMPARE(Lee(Ruta("uno.asm")), QByteArray("mov a, b\n"));
    }

    void sourcesAreReadAsUtf8OrWindows1252AndSavedAsUtf8() {
        Abre("utf8.asm", "; direcci\xC3\xB3n\n");
        QCOMPARE(ventana->MemoIn()->text(), QString("; dirección\n"));
        Abre("ansi.asm", "; direcci\xF3n \x80\n");
        QCOMPARE(ventana->MemoIn()->text(), QString("; dirección €\n"));
        ventana->GuardarClick();
        QCOMPARE(Lee(Ruta("ansi.asm")), QByteArray("; direcci\xC3\xB3n \xE2\x82\xAC\n"));
        QVERIFY(!ventana->FicheroModificado);
    }

    void unicodeSourcesOpenAsTextAndWhatTheEditorCannotHoldIsNeverOpened() {
        // Windows "Unicode" (UTF-16 with its mark, either order) and UTF-8 with a mark: the mark is no text.
        const QString texto = "; dirección\r\n\tadd a, b\r\n";
        QByteArray le("\xFF\xFE"), be("\xFE\xFF");
        for (const QChar c : texto) {
            const char bajo = static_cast<char>(c.unicode() & 0xFF);
            le.append(bajo).append('\0');
            be.append('\0').append(bajo);
        }
        Abre("le.asm", le);
        QCOMPARE(ventana->MemoIn()->text(), texto);
        Abre("be.asm", be);
        QCOMPARE(ventana->MemoIn()->text(), texto);
        ventana->GuardarClick();
        QCOMPARE(Lee(Ruta("be.asm")), texto.toUtf8());
        Abre("bom.asm", "\xEF\xBB\xBF.ver 1\n");
        QCOMPARE(ventana->MemoIn()->text(), QString(".ver 1\n"));

        // A NUL byte, an executable opened through "Todos", a pipe: a box, and the editor and files as they
        // were.
        const QByteArray nulo = QByteArray(".ver 1\n; uno ") + '\0' + " dos\n";
        const QByteArray vlx = QByteArray(7740, '\0');
        QVERIFY(mkfifo(Ruta("tuberia.asm").toLocal8Bit().constData(), 0600) == 0);
        const std::vector<std::pair<QString, std::string>> rechazos = {
            {"nulo.asm",
             "No se puede abrir " + Ruta("nulo.asm").toStdString() + ": no es un fichero de texto"},
            {"prog.vlx",
             "No se puede abrir " + Ruta("prog.vlx").toStdString() + ": no es un fichero de texto"},
            {"tuberia.asm",
             "No se puede leer " + Ruta("tuberia.asm").toStdString() + ": no es un fichero normal"}};
        Escribe(Ruta("nulo.asm"), nulo);
        Escribe(Ruta("prog.vlx"), vlx);
        for (const auto& [nombre, mensaje] : rechazos) {
            dialogos->mensajes.clear();
            dialogos->aAbrir.push_back(Ruta(nombre));
            ventana->AbrirClick();
            QCOMPARE(dialogos->mensajes.size(), size_t(1));
            QCOMPARE(dialogos->mensajes[0].texto, mensaje);
            QCOMPARE(dialogos->mensajes[0].titulo, std::string("Montador"));
            QCOMPARE(ventana->MemoIn()->text(), QString(".ver 1\n"));
            QCOMPARE(ventana->ListaFicheros, QStringList{Ruta("bom.asm")});
            QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo - [bom.asm]"));
        }
        ventana->GuardarClick();
        QCOMPARE(Lee(Ruta("nulo.asm")), nulo);
        QCOMPARE(Lee(Ruta("prog.vlx")), vlx);
    }

    void saveKeepsPermissionsAndWritesThroughALink() {
        Abre("privado.asm", "beq eti\n");
        QVERIFY(QFile::setPermissions(Ruta("privado.asm"), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(Ruta("privado.asm"), Ruta("enlace.asm")));
        dialogos->aAbrir.push_back(Ruta("enlace.asm"));
        ventana->AbrirClick();
        ventana->MemoIn()->append("add a, b\n");
        ventana->GuardarClick();
        QVERIFY(QFileInfo(Ruta("enlace.asm")).isSymLink());
        QCOMPARE(Lee(Ruta("privado.asm")), QByteArray("beq eti\nadd a, b\n"));
        struct stat estado {};
        QCOMPARE(stat(Ruta("privado.asm").toLocal8Bit().constData(), &estado), 0);
        QCOMPARE(estado.st_mode & 0777u, 0600u);
        QCOMPARE(QDir(carpeta->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void failedLoadNeverOverwritesTheFile() {
        dialogos->aAbrir.push_back(Ruta("no-existe.asm"));
        ventana->AbrirClick();
        QCOMPARE(ventana->MemoIn()->text(), QString("Fichero demasiado grande"));
        QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo - [no-existe.asm]"));

        // Save asks for a name; cancelling it writes nothing.
        ventana->GuardarClick();
        QCOMPARE(dialogos->extensiones.size(), 1);
        QVERIFY(!QFile::exists(Ruta("no-existe.asm")));
        dialogos->aGuardar.push_back(Ruta("otro.asm"));
        ventana->GuardarClick();
        QCOMPARE(Lee(Ruta("otro.asm")), QByteArray("Fichero demasiado grande"));
        // From then on the new name is saved directly.
        ventana->GuardarClick();
        QCOMPARE(dialogos->extensiones.size(), 2);
    }

    void failedSaveIsReportedAndKeepsTheWindowOpen() {
        Abre("prog.asm", "beq eti\n");
        ventana->MemoIn()->append("x");
        QVERIFY(QDir(carpeta->path()).mkdir("carpeta.asm"));
        dialogos->aGuardar.push_back(Ruta("carpeta.asm"));
        ventana->GuardarComoClick();
        QCOMPARE(dialogos->mensajes.size(), size_t(1));
        QCOMPARE(dialogos->mensajes[0].icono, IconoMensaje::Error);
        QCOMPARE(ventana->ListaFicheros, QStringList{Ruta("prog.asm")});
        QVERIFY(ventana->FicheroModificado);

        QFile::remove(Ruta("prog.asm"));
        QVERIFY(QDir(carpeta->path()).mkdir("prog.asm"));
        dialogos->respuestas.push_back(Respuesta::Si);
        QVERIFY(!ventana->FormCloseQuery());
        QVERIFY(ventana->FicheroModificado);
    }

    void saveOnAFullDiskKeepsTheOldSource() {
        Abre("prog.asm", "beq eti\n");
        ventana->MemoIn()->append("\tadd a, b ; una línea bastante más larga que el límite\n");
        {
            pruebas::DiscoLleno lleno(16);
            QVERIFY(lleno.Activo());
            ventana->GuardarClick();
        }
        QCOMPARE(Lee(Ruta("prog.asm")), QByteArray("beq eti\n"));
        QCOMPARE(dialogos->mensajes.size(), size_t(1));
        QCOMPARE(dialogos->mensajes[0].texto,
                 ("No se ha podido guardar el fichero " + Ruta("prog.asm")).toStdString());
        QVERIFY(ventana->FicheroModificado);
        QCOMPARE(QDir(carpeta->path()).entryList(QDir::Files), QStringList{"prog.asm"});
    }

    void statusBarPanels() {
        ventana->NuevoClick();
        ventana->ActualizaBarraEstado();
        QCOMPARE(ventana->TextoPanel(1), QString("Línea      1, Columna   1"));
        QCOMPARE(ventana->TextoPanel(2), QString(""));
        QCOMPARE(ventana->TextoPanel(3), QString("Insertar"));

        ventana->MemoIn()->setCursorPosition(2, 4);
        ventana->ActualizaBarraEstado();
        QCOMPARE(ventana->TextoPanel(1), QString("Línea      3, Columna   5"));

        QTest::keyClick(ventana->MemoIn(), Qt::Key_Insert);
        QTest::keyClick(ventana->MemoIn(), Qt::Key_X);
        ventana->ActualizaBarraEstado();
        QCOMPARE(ventana->TextoPanel(2), QString("Modificado"));
        QCOMPARE(ventana->TextoPanel(3), QString("Sobreescribir"));

        // Panels follow by themselves once the window is idle.
        QTest::keyClick(ventana->MemoIn(), Qt::Key_Insert);
        QTRY_COMPARE(ventana->TextoPanel(3), QString("Insertar"));
        ventana->FicheroModificado = false;
    }

    void editorKeys() {
        ventana->NuevoClick();
        QsciScintilla* editor = ventana->MemoIn();
        editor->setText("mov a, b   \n");
        editor->setCursorPosition(0, 0);
        QTest::keyClick(editor, Qt::Key_End);
        int linea = 0;
        int indice = 0;
        editor->getCursorPosition(&linea, &indice);
        QCOMPARE(indice, 8);
        QTest::keyClick(editor, Qt::Key_End);
        editor->getCursorPosition(&linea, &indice);
        QCOMPARE(indice, 11);

        // Typing is undone as one group.
        editor->setText("");
        editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
        QTest::keyClicks(editor, "mov");
        editor->undo();
        QCOMPARE(editor->text(), QString(""));

        // Tab is the editor's, and types blanks.
        editor->setText("");
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_Tab);
        QVERIFY(!editor->text().isEmpty());
        QVERIFY(!editor->text().contains('\t'));

        // The caret may go past the end of a line.
        editor->setText("ab\n");
        editor->setCursorPosition(0, 2);
        QTest::keyClick(editor, Qt::Key_Right);
        ventana->ActualizaBarraEstado();
        QCOMPARE(ventana->TextoPanel(1), QString("Línea      1, Columna   4"));
        ventana->FicheroModificado = false;
        ventana->FicheroGuardado = true;
    }

    void startupActionRunsOnceWhenShown() {
        ventana->SetStartupAction(acMontadorProgramaNuevo);
        QCOMPARE(dialogos->versionesPedidas, 0);
        ventana->show();
        QTRY_COMPARE(dialogos->versionesPedidas, 1);
        ventana->hide();
        ventana->show();
        QTest::qWait(20);
        QCOMPARE(dialogos->versionesPedidas, 1);
        QCOMPARE(ventana->windowTitle(), QString("Montador de Velmo - [SinTítulo]"));
        ventana->FicheroGuardado = true;

        // Opening an existing source: the open dialog comes once the window is up.
        TFramePrincipal otra(*dialogos, montador->Funcion());
        otra.SetStartupAction(acMontadorFuenteExistente);
        Escribe(Ruta("inicio.asm"), "beq eti\n");
        dialogos->aAbrir.push_back(Ruta("inicio.asm"));
        otra.show();
        QCOMPARE(otra.windowTitle(), QString("Montador de Velmo"));
        QTRY_COMPARE(otra.windowTitle(), QString("Montador de Velmo - [inicio.asm]"));
        QCOMPARE(otra.MemoIn()->text(), QString("beq eti\n"));
    }

    void realAssemblerWritesTheExecutable() {
        ventana = std::make_unique<TFramePrincipal>(*dialogos);
        for (int version : {0, 1, 2}) {
            dialogos->versiones.push_back(version);
            ventana->FicheroModificado = false;
            ventana->NuevoClick();
            const QString nombre = QString("plantilla%1.asm").arg(version);
            dialogos->aGuardar.push_back(Ruta(nombre));
            ventana->MontarClick();
            const QString ejecutable = Ruta(QString("plantilla%1.vlx").arg(version));
            QVERIFY2(QFile::exists(ejecutable), qPrintable(ventana->MemoOut()->toPlainText()));
            QVERIFY(ventana->MemoOut()->toPlainText().endsWith("Compilación correcta\nGenerado el fichero: " +
                                                               ejecutable));
        }

        Abre("mal.asm", ".ver 1\n.data 15\ndw x 1\n.code\n\tmov x, x\n\tmov x\n");
        ventana->MontarClick();
        QVERIFY(!QFile::exists(Ruta("mal.vlx")));
        QCOMPARE(ventana->marcadorError, 6);
        QVERIFY(Marcada(*ventana, 6));
    }

    void sourceNamedLikeItsExecutableIsNeverOverwritten() {
        ventana = std::make_unique<TFramePrincipal>(*dialogos);
        const QByteArray fuente = ".ver 1\n.data 15\ndw x 1\n.code\n\tmov x, x\n";
        Abre("prog.vlx", fuente);
        ventana->MontarClick();
        QCOMPARE(Lee(Ruta("prog.vlx")), fuente);
        QVERIFY(!QFile::exists(Ruta("prog.vlx.txt")));
        QCOMPARE(dialogos->mensajes.size(), size_t(1));
        QCOMPARE(dialogos->mensajes[0].texto,
                 ("El ejecutable " + Ruta("prog.vlx") +
                  " sustituiría al propio fuente: guarde el fuente con extensión .asm o .s")
                     .toStdString());
        QCOMPARE(dialogos->mensajes[0].titulo, std::string("Montador"));
    }

    void realDialogsHandOverToTheProgramsHost() {
        pruebas::AnfitrionGrabador programa;
        programa.respuestas.push_back(Respuesta::Cancelar);
        TDialogosMontadorQt reales(&programa);
        reales.MuestraMensaje("Fichero no compilado", "Montador", IconoMensaje::Informacion);
        QCOMPARE(reales.PreguntaSiNoCancelar("¿Seguro?", "Montador"), Respuesta::Cancelar);
        QVERIFY(reales.TrazaActiva());
        reales.AnadeLineaTraza("linea");
        programa.trazaActiva = false;
        QVERIFY(!reales.TrazaActiva());
        QCOMPARE(programa.mensajes.size(), size_t(1));
        QCOMPARE(programa.mensajes[0].texto, std::string("Fichero no compilado"));
        QCOMPARE(programa.preguntas, std::vector<std::string>{"Montador: ¿Seguro?"});
        QCOMPARE(programa.traza, std::vector<std::string>{"linea"});

        QWidget* mostrada = nullptr;
        reales.SetAcercaDe([&](QWidget* padre) { mostrada = padre; });
        TFramePrincipal conReales(reales);
        conReales.AccionAcercaDe()->trigger();
        QCOMPARE(mostrada, static_cast<QWidget*>(&conReales));
    }

    void fileDialogFilters() {
        QCOMPARE(FiltroQt("Fuentes Velmo|*.s;*.asm|Todos|*.*"),
                 QString("Fuentes Velmo (*.s *.asm);;Todos (*.*)"));
        QCOMPARE(FiltroQt("Fuentes Velmo (*.asm, *.s)|*.asm;*.s|Todos|*.*"),
                 QString("Fuentes Velmo (*.asm *.s);;Todos (*.*)"));
    }
};

} // namespace velmo

QTEST_MAIN(velmo::TestFramePrincipal)
#include "test_FramePrincipal.moc"
