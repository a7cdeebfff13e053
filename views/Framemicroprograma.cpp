#include "Framemicroprograma.h"

#include "FrameUC.h"
#include "TextosMicroprograma.h"
#include "UtilidadesVentana.h"

#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <memory>

namespace velmo {

namespace {

constexpr int kFilasFijas = kFilasMicroprogramaFijo;
constexpr int kColumnasFijas = kColumnasMicroprogramaFijo;
constexpr int kColumnasConfigurables = kColumnasMicroprogramaConfigurable;
constexpr int kColumnaPAux = 13;

/// Closing the view only minimises it: the control-unit window opens it again with a click.
class MinimizaAlCerrar : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Close) {
            evento->ignore();
            if (auto* ventana = qobject_cast<QWidget*>(objeto)) {
                ventana->showMinimized();
            }
            return true;
        }
        return QObject::eventFilter(objeto, evento);
    }
};

} // namespace

QString TextoCeldaMicroprograma(bool configurable, const Microprograma& micro, int fila, int columna) {
    return QString::fromStdString(CeldaMicroprograma(configurable, micro, fila, columna));
}

TFrame_Microprograma::TFrame_Microprograma(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Microprograma"));
    resize(561, 377);

    auto* borde = new QVBoxLayout(this);
    borde->setContentsMargins(10, 10, 10, 10);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    borde->addWidget(panel);
    auto* interior = new QVBoxLayout(panel);
    interior->setContentsMargins(1, 1, 1, 1);
    interior->setSpacing(0);

    auto* nombres = new QStandardItemModel(0, kColumnasConfigurables, this);
    QStringList cabeceras;
    for (const std::string& c : CabecerasMicroprograma(true)) {
        cabeceras << QString::fromStdString(c);
    }
    nombres->setHorizontalHeaderLabels(cabeceras);
    HeaderControl1 = new QHeaderView(Qt::Horizontal, panel);
    HeaderControl1->setModel(nombres);
    HeaderControl1->setMinimumSectionSize(0);
    HeaderControl1->setSectionResizeMode(QHeaderView::Fixed);
    HeaderControl1->setDefaultSectionSize(36);
    HeaderControl1->resizeSection(11, 41);
    HeaderControl1->resizeSection(12, 41);
    HeaderControl1->setFixedHeight(18);
    HeaderControl1->setEnabled(false);
    interior->addWidget(HeaderControl1);

    TablaMicroprograma = RejillaSinCabeceras(panel, 0, 0, 35, 17);
    TablaMicroprograma->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TablaMicroprograma->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TablaMicroprograma->setSelectionMode(QAbstractItemView::NoSelection);
    TablaMicroprograma->setFocusPolicy(Qt::NoFocus);
    interior->addWidget(TablaMicroprograma, 1);

    SetConfigurable(false);
}

void TFrame_Microprograma::SetConfigurable(bool configurable) {
    Es_configurable = configurable;
    TablaMicroprograma->setColumnCount(configurable ? kColumnasConfigurables : kColumnasFijas);
    TablaMicroprograma->setRowCount(configurable ? kMicroinstrucciones : kFilasFijas);
    TablaMicroprograma->setColumnWidth(11, 40);
    TablaMicroprograma->setColumnWidth(12, 40);
    HeaderControl1->resizeSection(kColumnaPAux, configurable ? 36 : 0);
    Repinta();
}

void TFrame_Microprograma::SetFilaActual(std::uint16_t fila) {
    FilaActual = fila;
    Repinta();
}

void TFrame_Microprograma::Repinta() {
    QFont negrita = TablaMicroprograma->font();
    negrita.setBold(true);
    for (int f = 0; f < TablaMicroprograma->rowCount(); ++f) {
        const QBrush fondo = f == FilaActual ? QBrush(QColor(255, 255, 0)) : QBrush();
        for (int c = 0; c < TablaMicroprograma->columnCount(); ++c) {
            QTableWidgetItem* celda = TablaMicroprograma->item(f, c);
            if (celda == nullptr) {
                celda = new QTableWidgetItem;
                celda->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
                celda->setForeground(Qt::black);
                if (c == 0) {
                    celda->setFont(negrita);
                }
                TablaMicroprograma->setItem(f, c, celda);
            }
            celda->setText(TextoCeldaMicroprograma(Es_configurable, VectorMicroInst, f, c));
            celda->setBackground(fondo);
        }
    }
}

TFrame_Microprograma& AbreVistaMicroprograma(QMdiArea& mdi, TFrameControl& uc) {
    for (QMdiSubWindow* sub : mdi.subWindowList()) {
        auto* vista = qobject_cast<TFrame_Microprograma*>(sub->widget());
        if (vista != nullptr && vista->origen_ == &uc) {
            if (sub->isMinimized()) {
                sub->showNormal();
            } else if (!sub->isVisible()) {
                sub->show();
            }
            return *vista;
        }
    }

    auto* vista = new TFrame_Microprograma;
    vista->origen_ = &uc;
    if (uc.prtipocontrol() == TMicroprogramable) {
        vista->VectorMicroInst = uc.VectorMicroInst();
        vista->SetConfigurable(true);
    } else {
        vista->SetConfigurable(false);
    }
    vista->SetFilaActual(uc.FilaActual());

    QMdiSubWindow* sub = mdi.addSubWindow(vista);
    sub->setWindowTitle(vista->windowTitle());
    sub->resize(561, 377);
    QRect marco = sub->geometry();
    marco.moveCenter(mdi.viewport()->rect().center());
    sub->move(marco.topLeft());
    sub->installEventFilter(new MinimizaAlCerrar(sub));
    sub->show();

    // The view lives as long as the control unit's state: the subscription owns it, and the state drops
    // its subscriptions when the simulation goes.
    struct Dueno {
        QPointer<QMdiSubWindow> ventana;
        ~Dueno() { delete ventana.data(); }
    };
    auto dueno = std::make_shared<Dueno>();
    dueno->ventana = sub;
    QPointer<TFrame_Microprograma> seguida(vista);
    uc.Avisos().Suscribe([dueno, seguida, &uc](Aviso aviso) {
        if (aviso == Aviso::Repinta && seguida) {
            seguida->SetFilaActual(uc.FilaActual());
        }
    });
    return *vista;
}

} // namespace velmo
