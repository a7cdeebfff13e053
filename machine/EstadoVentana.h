#pragma once
// What a simulation window shows that is not drawing: where it stands, its caption, whether it is shown,
// and a list of listeners told when its contents or its placement change. The Qt windows read it; the
// engine writes it without knowing any window.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace velmo {

/// What changed, so a window repaints no more than it must.
enum class Aviso {
    Repinta,         // contents changed: repaint from the current state
    ActualizaBitmap, // a diagram's signals were flagged: draw them over the current picture
    Ventana,         // placement, caption or visibility changed
};

/// A window's place. -1 means "not given": the window keeps what it has. The window applies the left/top
/// corner, then the outer size, then the client size, as the engine sets them in that order.
struct Colocacion {
    int Left = -1;
    int Top = -1;
    int Width = -1;
    int Height = -1;
    int ClientWidth = -1;
    int ClientHeight = -1;

    bool operator==(const Colocacion&) const = default;
};

struct DatosVentana {
    Colocacion colocacion;
    std::string Caption;
    bool Visible = false;
    bool EstadoNormal = true; // false once the user minimised it; the engine puts it back to normal

    bool operator==(const DatosVentana&) const = default;
};

/// Listeners of one window's state. Not copied with the state: a copy of the state has no window.
class Notificador {
public:
    using Oyente = std::function<void(Aviso)>;

    /// Returns a key for Anula.
    int Suscribe(Oyente oyente) {
        oyentes_.emplace_back(++ultimaClave_, std::move(oyente));
        return ultimaClave_;
    }

    void Anula(int clave) {
        std::erase_if(oyentes_, [clave](const auto& o) { return o.first == clave; });
    }

    void Avisa(Aviso aviso) const {
        for (const auto& o : oyentes_) {
            o.second(aviso);
        }
    }

private:
    std::vector<std::pair<int, Oyente>> oyentes_;
    int ultimaClave_ = 0;
};

/// Base of every window state: placement, caption, visibility and the listeners.
class EstadoVentana {
public:
    EstadoVentana() = default;
    EstadoVentana(const EstadoVentana&) = delete;
    EstadoVentana& operator=(const EstadoVentana&) = delete;
    virtual ~EstadoVentana() = default;

    const DatosVentana& Ventana() const { return ventana_; }

    void SetBounds(int left, int top, int width, int height) {
        ventana_.colocacion.Left = left;
        ventana_.colocacion.Top = top;
        ventana_.colocacion.Width = width;
        ventana_.colocacion.Height = height;
        // An outer size given after a client size replaces it.
        ventana_.colocacion.ClientWidth = -1;
        ventana_.colocacion.ClientHeight = -1;
        avisos_.Avisa(Aviso::Ventana);
    }
    void SetPosicion(int left, int top) {
        ventana_.colocacion.Left = left;
        ventana_.colocacion.Top = top;
        avisos_.Avisa(Aviso::Ventana);
    }
    void SetClientWidth(int w) {
        ventana_.colocacion.ClientWidth = w;
        avisos_.Avisa(Aviso::Ventana);
    }
    void SetClientHeight(int h) {
        ventana_.colocacion.ClientHeight = h;
        avisos_.Avisa(Aviso::Ventana);
    }
    void SetCaption(const std::string& caption) {
        ventana_.Caption = caption;
        avisos_.Avisa(Aviso::Ventana);
    }
    void Show() {
        ventana_.Visible = true;
        avisos_.Avisa(Aviso::Ventana);
    }
    /// The window reports its own state here (the user minimised or restored it).
    void SetEstadoNormal(bool normal) {
        ventana_.EstadoNormal = normal;
        avisos_.Avisa(Aviso::Ventana);
    }

    /// Repaint of the whole window (the grids' Repaint, the diagrams' FormPaint).
    void Repinta() const { avisos_.Avisa(Aviso::Repinta); }

    Notificador& Avisos() { return avisos_; }

protected:
    void Avisa(Aviso aviso) const { avisos_.Avisa(aviso); }

private:
    DatosVentana ventana_;
    Notificador avisos_;
};

/// A window state whose contents are one plain value `D`, so the engine can copy it out and put it back
/// (stepping back in time) and the window repaints from what was put back.
template <class D> class EstadoVentanaConDatos : public EstadoVentana {
public:
    using Datos = D;

    const Datos& GetDatos() const { return datos_; }
    void RestauraDatos(const Datos& d) {
        datos_ = d;
        Repinta();
    }

protected:
    Datos datos_;
};

} // namespace velmo
