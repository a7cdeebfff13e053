#include "Debug.h"

#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace velmo {

TDebug::TDebug(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Ventana Debug"));
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    texto_ = new QPlainTextEdit(this);
    texto_->setReadOnly(true);
    texto_->setLineWrapMode(QPlainTextEdit::NoWrap);
    texto_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto_->setMaximumBlockCount(static_cast<int>(kLineasGuardadas));
    QFont letra = texto_->font();
    letra.setBold(true);
    texto_->setFont(letra);
    QPalette colores = texto_->palette();
    colores.setColor(QPalette::Base, QColor(255, 251, 240)); // cream
    colores.setColor(QPalette::Text, Qt::black);
    texto_->setPalette(colores);
    capa->addWidget(texto_);
    anillo_.reserve(1024);
}

void TDebug::anade_linea(const QString& texto) {
    if (anillo_.size() < kLineasGuardadas) {
        anillo_.push_back(texto);
    } else {
        anillo_[inicio_] = texto;
        inicio_ = (inicio_ + 1) % kLineasGuardadas;
    }
    if (isVisible()) {
        texto_->appendPlainText(texto);
    }
}

void TDebug::vacia() {
    anillo_.clear();
    inicio_ = 0;
    texto_->clear();
}

QStringList TDebug::Lineas() const {
    QStringList lineas;
    lineas.reserve(static_cast<qsizetype>(anillo_.size()));
    for (std::size_t i = 0; i < anillo_.size(); ++i) {
        lineas << anillo_[(inicio_ + i) % anillo_.size()];
    }
    return lineas;
}

void TDebug::PonEstado(Qt::WindowStates estado) {
    estado_ = estado;
    if (isVisible()) {
        setWindowState(estado);
    }
}

void TDebug::setVisible(bool visible) {
    if (visible && !isVisible()) {
        setWindowState(estado_);
    }
    QWidget::setVisible(visible);
}

void TDebug::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    texto_->setPlainText(Lineas().join(QLatin1Char('\n')));
}

} // namespace velmo
