#include "FormBienvenida.h"

#include "AjustesUsuario.h"
#include "Plataforma.h"
#include "UtilidadesVentana.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace velmo {

TFormBienvenida::TFormBienvenida(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Bienvenido a Velmo"));
    setFixedSize(570, 360);

    auto* panel = new QFrame(this);
    panel->setGeometry(8, 8, 362, 306);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette blanco = panel->palette();
    blanco.setColor(QPalette::Window, Qt::white);
    panel->setPalette(blanco);

    Imagen = new QLabel(panel);
    Imagen->setGeometry(8, 8, 346, 127);
    Imagen->setPixmap(
        ImagenSvg(QStringLiteral(":/velmo/LOGOVELMO.svg"), QSize(346, 127), devicePixelRatioF()));

    Titulo = new QLabel(QStringLiteral("Bienvenido a Velmo 1.04"), panel);
    Titulo->setGeometry(8, 146, 346, 22);
    Titulo->setAlignment(Qt::AlignCenter);
    QFont negrita = Titulo->font();
    negrita.setBold(true);
    negrita.setPointSize(negrita.pointSize() + 2);
    Titulo->setFont(negrita);

    Texto = new QLabel(
        QStringLiteral("Pulse uno de los botones de la derecha para empezar a usar el programa. Si "
                       "no desea que aparezca este mensaje al empezar, desmarque la casilla que se "
                       "encuentra en la parte inferior de este diálogo."),
        panel);
    Texto->setGeometry(16, 176, 330, 84);
    Texto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Texto->setWordWrap(true);

    // The project has no web page of its own yet: the link opens the local simulator manual.
    Enlace = new QLabel(QStringLiteral("<a href=\"manual\" style=\"color:#0000ff\">Manual del simulador "
                                       "Velmo</a>"),
                        panel);
    Enlace->setGeometry(8, 272, 346, 20);
    Enlace->setAlignment(Qt::AlignCenter);
    Enlace->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(Enlace, &QLabel::linkActivated, this, [] { AbreManualSimulador(); });

    BotonProgramaNuevo = Boton(QStringLiteral("Escribir un programa nuevo"), 0);
    BotonFuenteExistente = Boton(QStringLiteral("Editar un fuente existente..."), 1);
    BotonSimular = Boton(QStringLiteral("Simular un programa existente..."), 2);
    BotonAyuda = Boton(QStringLiteral("Ver la ayuda..."), 3);
    BotonCerrar = Boton(QStringLiteral("Cerrar este diálogo"), 4);
    connect(BotonProgramaNuevo, &QPushButton::clicked, this, [this] { Elige(acProgramaNuevo); });
    connect(BotonFuenteExistente, &QPushButton::clicked, this, [this] { Elige(acFuenteExistente); });
    connect(BotonSimular, &QPushButton::clicked, this, [this] { Elige(acSimularPrograma); });
    connect(BotonAyuda, &QPushButton::clicked, this, [this] { Elige(acAyuda); });
    connect(BotonCerrar, &QPushButton::clicked, this, &QDialog::accept);

    cbShowWelcome = new QCheckBox(QStringLiteral("Mostrar este diálogo al empezar"), this);
    cbShowWelcome->setGeometry(12, 326, 300, 20);
    // Only the user's click writes the setting; FormShow's own update of the box does not.
    connect(cbShowWelcome, &QCheckBox::clicked, this, &TFormBienvenida::cbShowWelcomeClick);
}

QPushButton* TFormBienvenida::Boton(const QString& texto, int fila) {
    auto* boton = new QPushButton(texto, this);
    boton->setGeometry(382, 24 + fila * 60, 178, 40);
    return boton;
}

void TFormBienvenida::Elige(enumAccion eleccion) {
    accion = eleccion;
    accept();
}

void TFormBienvenida::FormShow() {
    accion = acNone;
    cbShowWelcome->setChecked(LeeAjuste(QStringLiteral("showWelcome"), true));
}

void TFormBienvenida::cbShowWelcomeClick() {
    EscribeAjuste(QStringLiteral("showWelcome"), cbShowWelcome->isChecked());
}

void TFormBienvenida::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) {
        CentraEnPantalla(*this);
    }
}

} // namespace velmo
