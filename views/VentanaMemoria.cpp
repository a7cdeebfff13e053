#include "VentanaMemoria.h"

#include "FrameMemoria.h"
#include "UtilidadesVentana.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace velmo {

namespace {

/// Rows and columns only; every cell is drawn by the window.
class ModeloMemoria : public QAbstractTableModel {
public:
    ModeloMemoria(const TMemoriaVLM& memoria, QObject* padre)
        : QAbstractTableModel(padre), memoria_(memoria) {}

    int rowCount(const QModelIndex& padre) const override { return padre.isValid() ? 0 : kPalabrasMemoria; }
    int columnCount(const QModelIndex& padre) const override { return padre.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex& indice, int rol) const override {
        if (rol == Qt::DisplayRole || rol == Qt::AccessibleTextRole) {
            return QString::fromStdString(memoria_.TextoCelda(indice.column(), indice.row()));
        }
        return {};
    }
    void Cambiado() { emit dataChanged(index(0, 0), index(kPalabrasMemoria - 1, 4)); }

private:
    const TMemoriaVLM& memoria_;
};

class PintorMemoria : public QStyledItemDelegate {
public:
    PintorMemoria(const VentanaMemoria& ventana, QObject* padre)
        : QStyledItemDelegate(padre), ventana_(ventana) {}

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion,
               const QModelIndex& indice) const override {
        const EstiloCeldaMemoria estilo = ventana_.EstiloCelda(indice.column(), indice.row());
        const QRect celda = opcion.rect;
        pintor->save();
        pintor->setClipRect(celda);
        pintor->fillRect(celda, estilo.fondo);
        if (estilo.imagen != 0) {
            const QPixmap& imagen = ventana_.ImagenGutter(estilo.imagen);
            pintor->drawPixmap(celda.left() + (celda.width() - 11) / 2,
                               celda.top() + (celda.height() - 14) / 2, imagen);
        }
        if (!estilo.texto.isEmpty()) {
            pintor->setFont(ventana_.font());
            pintor->setPen(estilo.letra);
            pintor->drawText(celda, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, estilo.texto);
        }
        if (estilo.foco) {
            // One frame around the whole row: the outer cells close it at the sides.
            pintor->setPen(QPen(Qt::black, 1, Qt::DotLine));
            const QRect marco = celda.adjusted(0, 0, -1, -1);
            pintor->drawLine(marco.topLeft(), marco.topRight());
            pintor->drawLine(marco.bottomLeft(), marco.bottomRight());
            if (indice.column() == 0) {
                pintor->drawLine(marco.topLeft(), marco.bottomLeft());
            }
            if (indice.column() == indice.model()->columnCount() - 1) {
                pintor->drawLine(marco.topRight(), marco.bottomRight());
            }
        }
        pintor->restore();
    }

private:
    const VentanaMemoria& ventana_;
};

const char* const kRecursosGutter[] = {
    "", ":/velmo/gutter/actual.svg", ":/velmo/gutter/actual_breakpoint.svg", ":/velmo/gutter/breakpoint.svg"};

} // namespace

// ---------------------------------------------------------------- grid

TablaMemoria::TablaMemoria(TMemoriaVLM& memoria, QWidget* parent) : QTableView(parent), memoria_(memoria) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // A section holds the cell and the grid line below or right of it.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(VentanaMemoria::kAltoFila + 1);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { InformaFilasVisibles(); });
}

void TablaMemoria::mousePressEvent(QMouseEvent* evento) {
    const QModelIndex indice = indexAt(evento->position().toPoint());
    QTableView::mousePressEvent(evento);
    if (indice.isValid() && evento->button() == Qt::LeftButton) {
        memoria_.TablaMemoriaSelectCell(indice.column(), indice.row());
    }
}

void TablaMemoria::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex().isValid()) {
            memoria_.TablaMemoriaSelectCell(currentIndex().column(), currentIndex().row());
        }
        evento->accept();
        return;
    default:
        QTableView::keyPressEvent(evento);
    }
}

void TablaMemoria::focusInEvent(QFocusEvent* evento) {
    QTableView::focusInEvent(evento);
    viewport()->update();
}

void TablaMemoria::focusOutEvent(QFocusEvent* evento) {
    QTableView::focusOutEvent(evento);
    viewport()->update();
}

void TablaMemoria::resizeEvent(QResizeEvent* evento) {
    QTableView::resizeEvent(evento);
    InformaFilasVisibles();
}

int TablaMemoria::FilasVisibles() const {
    return std::max(1, viewport()->height() / (VentanaMemoria::kAltoFila + 1));
}

void TablaMemoria::InformaFilasVisibles() {
    memoria_.SetFilasVisibles(verticalScrollBar()->value(), FilasVisibles());
}

// ---------------------------------------------------------------- window

VentanaMemoria::VentanaMemoria(TMemoriaVLM& memoria)
    : VentanaSimulacion(memoria, Borde::Redimensionable), memoria_(memoria) {
    setFont(FuenteDialogo());
    resize(401, 373);
    auto* modelo = new ModeloMemoria(memoria_, this);
    modelo_ = modelo;
    tabla_ = new TablaMemoria(memoria_, this);
    tabla_->setFont(font());
    tabla_->setModel(modelo_);
    tabla_->setItemDelegate(new PintorMemoria(*this, tabla_));
    for (int c = 0; c < static_cast<int>(kAnchos.size()); ++c) {
        tabla_->setColumnWidth(c, kAnchos[static_cast<std::size_t>(c)] + 1);
    }
    tabla_->viewport()->installEventFilter(this);
    // The keyboard's frame spans the row: a move repaints both rows whole.
    // The lambda holds the viewport alone: it may run while the window is being taken apart.
    QWidget* vista = tabla_->viewport();
    connect(tabla_->selectionModel(), &QItemSelectionModel::currentChanged, vista,
            [vista] { vista->update(); });
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addWidget(tabla_);
    Repintar();
}

const QPixmap& VentanaMemoria::ImagenGutter(int imagen) const {
    static const QPixmap vacia;
    if (imagen < 1 || imagen > 3) {
        return vacia;
    }
    QPixmap& cache = imagenes_[static_cast<std::size_t>(imagen)];
    const qreal escala = devicePixelRatioF();
    if (cache.isNull() || cache.devicePixelRatio() != escala) {
        cache = ImagenSvg(QString::fromLatin1(kRecursosGutter[imagen]), QSize(11, 14), escala);
    }
    return cache;
}

EstiloCeldaMemoria VentanaMemoria::EstiloCelda(int columna, int fila) const {
    EstiloCeldaMemoria estilo;
    estilo.letra = QColor(0, 102, 204);
    estilo.fondo = tabla_->palette().color(QPalette::Base);
    const bool actual = fila == memoria_.prFilaActual();
    const bool breakpoint = memoria_.Haybreakpointbyindex(fila);
    if (actual) {
        estilo.fondo = kAmarillo;
        estilo.letra = Qt::black;
    } else if (breakpoint) {
        estilo.fondo = kRojo;
        estilo.letra = Qt::white;
    } else {
        estilo.letra = Qt::black;
    }
    switch (columna) {
    case 0:
        estilo.fondo = palette().color(QPalette::Button);
        estilo.imagen = memoria_.ImagenDeFila(fila);
        break;
    case 1:
    case 2:
        if (!breakpoint || actual) {
            estilo.letra = QColor(0, 102, 204);
        }
        break;
    default:
        break;
    }
    estilo.texto = QString::fromStdString(memoria_.TextoCelda(columna, fila));
    estilo.foco = tabla_->hasFocus() && tabla_->currentIndex().row() == fila;
    return estilo;
}

int VentanaMemoria::PrimeraFilaVisible() const {
    return tabla_->verticalScrollBar()->value();
}

int VentanaMemoria::AnchoColumnas() const {
    int ancho =
        2 * tabla_->frameWidth() + tabla_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tabla_);
    for (int c = 0; c < static_cast<int>(kAnchos.size()); ++c) {
        ancho += tabla_->columnWidth(c);
    }
    return ancho;
}

void VentanaMemoria::Repintar() {
    // The state decides which rows are visible (the current row is kept in view).
    const int primera = memoria_.GetDatos().PrimeraFilaVisible;
    if (tabla_->verticalScrollBar()->value() != primera) {
        tabla_->verticalScrollBar()->setValue(primera);
    }
    static_cast<ModeloMemoria*>(modelo_)->Cambiado();
    tabla_->viewport()->update();
}

bool VentanaMemoria::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == tabla_->viewport() &&
        (evento->type() == QEvent::WhatsThis || evento->type() == QEvent::QueryWhatsThis)) {
        // The grid would answer with its cells' own help; the window's text belongs here.
        if (evento->type() == QEvent::WhatsThis) {
            MensajeAyuda(static_cast<QHelpEvent*>(evento)->globalPos());
        }
        evento->accept();
        return true;
    }
    return VentanaSimulacion::eventFilter(objeto, evento);
}

QString VentanaMemoria::TextoAyuda() const {
    return QString::fromUtf8(velmo::TextoAyuda(VentanaAyuda::Memoria));
}

} // namespace velmo
