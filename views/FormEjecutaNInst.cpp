#include "FormEjecutaNInst.h"

#include "UtilidadesVentana.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace velmo {

namespace {

/// Digits only, and never more than the count can hold: a number that would overflow is refused
/// as it is typed or pasted.
class ValidadorCuenta : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& texto, int&) const override {
        for (const QChar c : texto) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return Invalid;
            }
        }
        return Cabe(texto) ? Acceptable : Invalid;
    }

    static bool Cabe(const QString& texto) {
        qsizetype primero = 0;
        while (primero < texto.size() && texto[primero] == QLatin1Char('0')) {
            ++primero;
        }
        const QStringView cifras = QStringView(texto).mid(primero);
        if (cifras.isEmpty()) {
            return true;
        }
        if (cifras.size() > 10) {
            return false;
        }
        bool ok = false;
        const qlonglong valor = cifras.toLongLong(&ok);
        return ok && valor <= std::numeric_limits<std::int32_t>::max();
    }
};

} // namespace

TFormEjecutaN::TFormEjecutaN(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Ejecuta N Instrucciones"));
    setFixedSize(266, 121);

    Label1 = new QLabel(QStringLiteral("Introduce el número de instrucciones a ejecutar:"), this);
    Label1->move(16, 14);
    Label1->adjustSize();

    Edit1 = new QLineEdit(QStringLiteral("0"), this);
    Edit1->setGeometry(72, 40, 105, 21);
    Edit1->setValidator(new ValidadorCuenta(Edit1));
    Edit1->installEventFilter(this);

    UpDownArriba = new QToolButton(this);
    UpDownArriba->setArrowType(Qt::UpArrow);
    UpDownArriba->setGeometry(177, 40, 16, 10);
    UpDownArriba->setAutoRepeat(true);
    UpDownAbajo = new QToolButton(this);
    UpDownAbajo->setArrowType(Qt::DownArrow);
    UpDownAbajo->setGeometry(177, 51, 16, 10);
    UpDownAbajo->setAutoRepeat(true);
    connect(UpDownArriba, &QToolButton::clicked, this, [this] { Paso(+1); });
    connect(UpDownAbajo, &QToolButton::clicked, this, [this] { Paso(-1); });

    BotonOK = new QPushButton(QStringLiteral("Aceptar"), this);
    BotonOK->setGeometry(40, 80, 75, 25);
    BotonOK->setDefault(true);
    BotonCancel = new QPushButton(QStringLiteral("Cancelar"), this);
    BotonCancel->setGeometry(144, 80, 75, 25);
    connect(BotonOK, &QPushButton::clicked, this, &TFormEjecutaN::BotonOKClick);
    // Escape rejects the dialog through QDialog itself.
    connect(BotonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::int32_t TFormEjecutaN::ValorCampo() const {
    const QString texto = Edit1->text();
    if (texto.isEmpty() || !ValidadorCuenta::Cabe(texto)) {
        return 0;
    }
    return static_cast<std::int32_t>(texto.toLongLong());
}

void TFormEjecutaN::Paso(int sentido) {
    const qlonglong nuevo = static_cast<qlonglong>(ValorCampo()) + sentido;
    Edit1->setText(QString::number(std::clamp<qlonglong>(nuevo, kMinimoFlechas, kMaximoFlechas)));
}

void TFormEjecutaN::BotonOKClick() {
    NInstAEjecutar = ValorCampo();
    accept();
}

bool TFormEjecutaN::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Edit1 && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Up || tecla->key() == Qt::Key_Down) {
            Paso(tecla->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
        const QString texto = tecla->text();
        if (!texto.isEmpty()) {
            const QChar c = texto.front();
            // Enter, Escape and Tab stay dialog keys; Backspace edits; any other character but a digit
            // never reaches the field.
            const bool teclaDeDialogo = c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
                                        c == QChar(0x1b) || c == QLatin1Char('\t');
            const bool retroceso = c == QChar(0x08);
            const bool cifra = c >= QLatin1Char('0') && c <= QLatin1Char('9');
            if (!teclaDeDialogo && !retroceso && !cifra && tecla->key() != Qt::Key_Delete) {
                return true;
            }
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFormEjecutaN::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraEnPantalla(*this);
}

} // namespace velmo
