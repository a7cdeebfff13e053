#include "FormAvisoBreakpoint.h"

#include "DialogoModal.h"
#include "UtilidadesVentana.h"
#include "VentanaSimulacion.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <utility>

namespace velmo {

TFormAvisoBreakpoint::TFormAvisoBreakpoint(QWidget* parent, std::function<bool()> leeNoInfo,
                                           std::function<void(bool)> escribeNoInfo)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      leeNoInfo_(std::move(leeNoInfo)), escribeNoInfo_(std::move(escribeNoInfo)) {
    setWindowTitle(QStringLiteral("Velmo"));
    setFont(VentanaSimulacion::FuenteDialogo());
    setFixedSize(324, 117);

    Image1 = new QLabel(this);
    Image1->setGeometry(16, 15, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    Label1 =
        new QLabel(QStringLiteral("Acaba de poner un punto de ruptura (breakpoint) en el programa. "), this);
    Label1->setGeometry(64, 18, 234, 26);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Button1 = new QPushButton(QStringLiteral("Aceptar"), this);
    Button1->setGeometry(127, 64, 71, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    CheckBox1 = new QCheckBox(QStringLiteral("No volver a mostrar este aviso"), this);
    CheckBox1->setGeometry(8, 96, 169, 17);
}

bool TFormAvisoBreakpoint::Avisa() {
    if (leeNoInfo_ && leeNoInfo_()) {
        return false;
    }
    Modal().ejecuta(*this);
    return true;
}

void TFormAvisoBreakpoint::showEvent(QShowEvent* evento) {
    CheckBox1->setChecked(false);
    CentraEnPantalla(*this);
    QDialog::showEvent(evento);
}

void TFormAvisoBreakpoint::done(int resultado) {
    // Every way out (the button, Escape, the title bar) passes here.
    if (escribeNoInfo_) {
        escribeNoInfo_(CheckBox1->isChecked());
    }
    QDialog::done(resultado);
}

} // namespace velmo
