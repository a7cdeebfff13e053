#include "FormMicroprogramable.h"

#include "ConfiguraAlu.h"
#include "DialogoModal.h"
#include "FicheroMicroprograma.h"
#include "FormPonerBits.h"
#include "LecturaAcotada.h"
#include "UtilidadesStr.h"
#include "UtilidadesVentana.h"

#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmo {

namespace {

const QString kTitulo = QStringLiteral("Velmo");
const QString kFiltro = QStringLiteral("Microprogramas de Velmo (*.mpr)");

QString Binario(int valor, int digitos) {
    return QString::fromStdString(Int2Bin(valor, digitos));
}

/// The field a column edits (const or not, as `m` is).
template <class M> auto Campo(M& m, int columna) -> decltype(&m.MX10) {
    switch (columna) {
    case 1:
        return &m.MX10;
    case 2:
        return &m.ALU10;
    case 3:
        return &m.LorWmem;
    case 4:
        return &m.pPc;
    case 5:
        return &m.pIr;
    case 6:
        return &m.pA;
    case 7:
        return &m.pB;
    case 8:
        return &m.pFz;
    case 9:
        return &m.Salto;
    case 10:
        return &m.Test;
    case 11:
        return &m.pAux;
    default:
        return nullptr;
    }
}

} // namespace

QString TextoCeldaEditor(const TMicroInstProgramable& m, int fila, int columna) {
    switch (columna) {
    case 0:
        return QString::number(fila);
    case 1:
        return Binario(m.MX10, 2);
    case 2:
        return Binario(m.ALU10, 2);
    case 9:
        return Binario(m.Salto, 4);
    case 10:
        return Binario(m.Test, 3);
    default:
        if (const std::uint16_t* campo = Campo(m, columna)) {
            return QString::number(*campo);
        }
        return QString();
    }
}

/// The 16 x 12 grid of the microinstructions, centred, the number column in bold; edited by presses only.
static QTableWidget* CreaTablaMicroinstrucciones(QWidget* padre) {
    auto* tabla = RejillaSinCabeceras(padre, kMicroinstrucciones, TForm_Microprogramable::kColumnas, 41, 24);
    tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla->setSelectionBehavior(QAbstractItemView::SelectItems);
    for (int f = 0; f < kMicroinstrucciones; ++f) {
        for (int c = 0; c < TForm_Microprogramable::kColumnas; ++c) {
            auto* celda = new QTableWidgetItem;
            celda->setTextAlignment(Qt::AlignCenter);
            celda->setForeground(Qt::black);
            if (c == 0) {
                QFont negrita = celda->font();
                negrita.setBold(true);
                celda->setFont(negrita);
            }
            tabla->setItem(f, c, celda);
        }
    }
    return tabla;
}

TForm_Microprogramable::TForm_Microprogramable(TConfiguraAlu& configuraAlu, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
      VectorMicroInst(MicroprogramaInicial()), configuraAlu_(configuraAlu) {
    resize(556, 439);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);

    auto* marco = new QFrame(this);
    marco->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* interior = new QVBoxLayout(marco);
    interior->setContentsMargins(10, 10, 10, 10);
    interior->setSpacing(0);

    // The header bar is a picture of the column names: it never takes clicks.
    auto* nombres = new QStandardItemModel(0, kColumnas, this);
    nombres->setHorizontalHeaderLabels(
        {QStringLiteral("Núm."), QStringLiteral("Mx10"), QStringLiteral("Alu10"), QStringLiteral("L/E"),
         QStringLiteral("pPc"), QStringLiteral("pIR"), QStringLiteral("pA"), QStringLiteral("pB"),
         QStringLiteral("pFZ"), QStringLiteral("Salto"), QStringLiteral("Test"), QStringLiteral("pAux")});
    HeaderControl1 = new QHeaderView(Qt::Horizontal, marco);
    HeaderControl1->setModel(nombres);
    HeaderControl1->setSectionResizeMode(QHeaderView::Fixed);
    HeaderControl1->setDefaultSectionSize(42);
    HeaderControl1->setMinimumSectionSize(0);
    HeaderControl1->setEnabled(false);
    HeaderControl1->setFixedHeight(20);
    interior->addWidget(HeaderControl1);

    TablaMicroINstrucciones = CreaTablaMicroinstrucciones(marco);
    TablaMicroINstrucciones->installEventFilter(this);
    // Every press on a cell edits it, also on the cell already selected.
    connect(TablaMicroINstrucciones, &QTableWidget::cellPressed, this,
            [this](int fila, int col) { TablaMicroINstruccionesSelectCell(col, fila); });
    interior->addWidget(TablaMicroINstrucciones, 1);
    columna->addWidget(marco, 1);

    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    columna->addWidget(linea);

    auto* botones = new QWidget(this);
    botones->setFixedHeight(55);
    const auto boton = [botones](const QString& texto, int izquierda) {
        auto* b = new QPushButton(texto, botones);
        b->setGeometry(izquierda, 16, 87, 25);
        b->setAutoDefault(false);
        return b;
    };
    BotonSimular = boton(QStringLiteral("&Simular"), 18);
    BotonConfigurarAlu = boton(QStringLiteral("&Configurar Alu..."), 114);
    BotonGuardarComo = boton(QStringLiteral("&Guardar Como..."), 210);
    BotonAbrir = boton(QStringLiteral("&Abrir..."), 306);
    columna->addWidget(botones);

    connect(BotonSimular, &QPushButton::clicked, this, &TForm_Microprogramable::BotonSimularClick);
    connect(BotonConfigurarAlu, &QPushButton::clicked, this,
            &TForm_Microprogramable::BotonConfigurarAluClick);
    connect(BotonGuardarComo, &QPushButton::clicked, this, &TForm_Microprogramable::BotonGuardarComoClick);
    connect(BotonAbrir, &QPushButton::clicked, this, &TForm_Microprogramable::BotonAbrirClick);

    FormPonerBit = new TFormPonerBit(this);
    FormPoner2bits = new TFormPoner2bits(this);
    FormPoner3bits = new TFormPoner3bits(this);
    FormPoner4bits = new TFormPoner4bits(this);

    PonCaption();
    Repinta();
}

void TForm_Microprogramable::Repinta() {
    for (int f = 0; f < kMicroinstrucciones; ++f) {
        const TMicroInstProgramable& m = VectorMicroInst[static_cast<std::size_t>(f)];
        for (int c = 0; c < kColumnas; ++c) {
            TablaMicroINstrucciones->item(f, c)->setText(TextoCeldaEditor(m, f, c));
        }
    }
}

TFormPonerBits* TForm_Microprogramable::DialogoDeColumna(int columna) const {
    switch (columna) {
    case 1:
    case 2:
        return FormPoner2bits;
    case 9:
        return FormPoner4bits;
    case 10:
        return FormPoner3bits;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 11:
        return FormPonerBit;
    default:
        return nullptr;
    }
}

void TForm_Microprogramable::TablaMicroINstruccionesSelectCell(int columna, int fila) {
    if (fila < 0 || fila >= kMicroinstrucciones) {
        return;
    }
    TFormPonerBits* dialogo = DialogoDeColumna(columna);
    if (dialogo == nullptr) {
        return;
    }
    // Not preset to the cell's value: the dialog offers the choice last made in it.
    if (Modal().ejecuta(*dialogo) == QDialog::Accepted && dialogo->Valor() >= 0) {
        modified = true;
        *Campo(VectorMicroInst[static_cast<std::size_t>(fila)], columna) =
            static_cast<std::uint16_t>(dialogo->Valor());
    }
    Repinta();
}

void TForm_Microprogramable::BotonSimularClick() {
    done(QDialog::Accepted);
}

void TForm_Microprogramable::BotonConfigurarAluClick() {
    Modal().ejecuta(configuraAlu_);
}

void TForm_Microprogramable::BotonAbrirClick() {
    const QString ruta = Modal().abreFichero(this, QStringLiteral("Abrir microprograma"), kFiltro,
                                             QStringLiteral("mpr"), Fichinst);
    if (ruta.isEmpty()) {
        return;
    }
    const std::string nombre = QFile::encodeName(ruta).toStdString();
    // A pipe would hold the program waiting for a writer; a device is no microprogram.
    if (NoEsFicheroNormal(nombre)) {
        Modal().mensaje(this,
                        QString::fromStdString(TextoFalloLectura(EstadoLecturaAcotada::NoEsFicheroNormal,
                                                                 ruta.toStdString(), 0)),
                        kTitulo, IconoMensaje::Error);
        return;
    }
    const LecturaMicroprograma lectura = LeeFicheroMicroprograma(nombre);
    switch (lectura.estado) {
    case EstadoLecturaMpr::NoSePuedeAbrir:
    case EstadoLecturaMpr::CabeceraIlegible:
        // Not the editor's own refusal: the general report of a file that cannot be read.
        Modal().mensaje(this, QStringLiteral("No se puede leer el fichero %1").arg(ruta), kTitulo,
                        IconoMensaje::Error);
        return;
    case EstadoLecturaMpr::CabeceraIncorrecta:
    case EstadoLecturaMpr::FueraDeRango:
        Modal().mensaje(this, QString::fromUtf8(kMensajeMprNoValido), kTitulo, IconoMensaje::Aviso);
        return;
    case EstadoLecturaMpr::Incompleto:
        // The rows read so far stay; the editor then closes as if "&Simular" were pressed.
        for (int i = 0; i < lectura.leidas && i < kMicroinstrucciones; ++i) {
            VectorMicroInst[static_cast<std::size_t>(i)] = lectura.microprograma[static_cast<std::size_t>(i)];
        }
        Repinta();
        Modal().mensaje(this, QString::fromUtf8(kMensajeMprNoValido), kTitulo, IconoMensaje::Aviso);
        CierraConOK();
        return;
    case EstadoLecturaMpr::Correcto:
        VectorMicroInst = lectura.microprograma;
        Repinta();
        modified = false;
        Fichinst = ruta;
        PonCaption();
        return;
    }
}

void TForm_Microprogramable::BotonGuardarComoClick() {
    const QString ruta = Modal().guardaFichero(this, QStringLiteral("Guardar microprograma"), kFiltro,
                                               QStringLiteral("mpr"), Fichinst, nullptr);
    if (ruta.isEmpty()) {
        return;
    }
    // The file is replaced only once it is complete, so a failure leaves any earlier one intact.
    if (!GuardaFicheroMicroprograma(QFile::encodeName(ruta).toStdString(), VectorMicroInst)) {
        Modal().mensaje(this, QString::fromUtf8(kMensajeMprErrorFichero), kTitulo, IconoMensaje::Error);
        CierraConOK();
        return;
    }
    modified = false;
    Fichinst = ruta;
    PonCaption();
}

bool TForm_Microprogramable::Cerrar() {
    if (!modified) {
        return true;
    }
    switch (Modal().pregunta(this, QStringLiteral("El microprograma ha cambiado. ¿Desea guardarlo?"), kTitulo,
                             true)) {
    case Respuesta::Si:
        BotonGuardarComoClick();
        return true;
    case Respuesta::No:
        return true;
    case Respuesta::Cancelar:
        return false;
    }
    return false;
}

void TForm_Microprogramable::done(int resultado) {
    if (cerrando_) {
        return; // the close being decided goes on by itself
    }
    cerrando_ = true;
    const bool cierra = Cerrar();
    cerrando_ = false;
    if (cierra) {
        QDialog::done(resultado);
    }
}

void TForm_Microprogramable::CierraConOK() {
    done(QDialog::Accepted);
}

void TForm_Microprogramable::PonCaption() {
    const QString nombre = Fichinst.isEmpty() ? QStringLiteral("SinNombre") : QFileInfo(Fichinst).fileName();
    setWindowTitle(QStringLiteral("Microprograma - [%1]").arg(nombre));
}

void TForm_Microprogramable::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) {
        CentraEnPantalla(*this);
    }
}

bool TForm_Microprogramable::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == TablaMicroINstrucciones && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        // The arrows only move; Space or Enter edits the current cell.
        if (tecla == Qt::Key_Space || tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            const QModelIndex actual = TablaMicroINstrucciones->currentIndex();
            if (actual.isValid()) {
                TablaMicroINstruccionesSelectCell(actual.column(), actual.row());
            }
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

} // namespace velmo
