#include "TipsForm.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

namespace velmo {

TTipsForm::TTipsForm(QWidget* owner) : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* capa = new QVBoxLayout(this);
    // One pixel of black frame, then the 5-pixel margin of the panel.
    capa->setContentsMargins(6, 6, 6, 6);
    texto_ = new QLabel(this);
    texto_->setWordWrap(true);
    texto_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette colores = texto_->palette();
    colores.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    texto_->setPalette(colores);
    capa->addWidget(texto_);
}

void TTipsForm::SetText(const QString& texto) {
    texto_->setText(texto);
}

void TTipsForm::SetParams(const QPoint& ratonGlobal) {
    move(ratonGlobal.x(), ratonGlobal.y() + kAltoCursor / 2);
}

void TTipsForm::mousePressEvent(QMouseEvent* evento) {
    evento->accept();
    close();
}

void TTipsForm::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), QToolTip::palette().color(QPalette::ToolTipBase));
    pintor.setPen(Qt::black);
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
}

TTipsForm* ShowTip(QWidget* owner, const QString& texto, const QPoint& ratonGlobal, int ancho, int alto) {
    auto* tip = new TTipsForm(owner);
    tip->SetText(texto);
    tip->resize(ancho, alto);
    tip->SetParams(ratonGlobal);
    tip->show();
    return tip;
}

} // namespace velmo
