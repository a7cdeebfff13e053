#pragma once
// The five explanation windows of the datapath's components (ALU, memory, incrementer, register,
// multiplexer): a picture at the top-left corner of the client area and a "Volver" button. One of each
// lives for the whole run.

#include "TiposMaquina.h"

#include <QColor>
#include <QDialog>
#include <QPixmap>

class QPushButton;

namespace velmo {

class MapaComponente : public QDialog {
    Q_OBJECT
public:
    QPushButton* BotonVolver;

    /// The resource name of the picture shown now ("MAPAALU", ...).
    const QString& NombreImagen() const { return nombreImagen_; }

    /// Every picture is this size; the part outside the client area is clipped.
    static constexpr QSize kTamanoImagen{290, 245};

protected:
    MapaComponente(QWidget* parent, const QString& titulo, QSize cliente, const QColor& fondo,
                   const QString& imagen, QRect volver);

    void CargaImagen(const QString& nombre);
    void paintEvent(QPaintEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QString nombreImagen_;
    QPixmap imagen_;
};

/// "Detalles de la Alu": the fixed ALU, the configurable one, or the modified machine's ALU whose unused
/// selector input is the constant 0.
class TMapaAlu : public MapaComponente {
    Q_OBJECT
public:
    explicit TMapaAlu(QWidget* parent = nullptr);

    void SetTipoControl(TTipoControl tipo);
    TTipoControl prtipocontrol() const { return tipocontrol_; }

    /// Colours of the constant-0 overlay.
    static inline const QColor kAzulCielo{166, 202, 240};

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    TTipoControl tipocontrol_ = tnormal;
};

class TMapaMemoria : public MapaComponente {
    Q_OBJECT
public:
    explicit TMapaMemoria(QWidget* parent = nullptr);
};

class TMapaIncrementador : public MapaComponente {
    Q_OBJECT
public:
    explicit TMapaIncrementador(QWidget* parent = nullptr);
};

/// Serves every register of the datapath.
class TMapaReg : public MapaComponente {
    Q_OBJECT
public:
    explicit TMapaReg(QWidget* parent = nullptr);
};

class TMapaMux : public MapaComponente {
    Q_OBJECT
public:
    explicit TMapaMux(QWidget* parent = nullptr);
};

} // namespace velmo
