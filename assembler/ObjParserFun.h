#pragma once
// The assembler's code generator: defines data and labels in pass 1, resolves names and turns
// instructions into memory words in pass 2, writes the executable and its listing, and collects the
// semantic errors and warnings of one assembly.

#include "Anfitrion.h"
#include "FicheroEjecutable.h"
#include "MensajeMontaje.h"
#include "RegInst.h"
#include "SalidaMontaje.h"
#include "TablaSimbolos.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace velmo {

class TObjParserFun {
public:
    static constexpr const char* kTituloMontador = "Montador";

    explicit TObjParserFun(Anfitrion& anfitrion);
    ~TObjParserFun();
    TObjParserFun(const TObjParserFun&) = delete;
    TObjParserFun& operator=(const TObjParserFun&) = delete;

    int Pasada() const { return Pasada_; }
    void SetPasada(int pasada) { Pasada_ = pasada; }

    /// Adds the heading line of an error or warning at `linea`; the first one gives the first error line.
    void InsertarError(int linea, bool warning);
    /// The semantic errors and warnings so far; a line added here explains the heading before it.
    std::vector<MensajeMontaje>& DevuelveErrores() { return ListaErr; }
    void AnadeDetalle(const std::string& texto) { ListaErr.push_back({ClaseMensaje::Detalle, -1, texto}); }
    int prLineaPrimerError() const { return lineaPrimerError; }

    void SetInicioDatos(int n) { InicioDatos = n; }
    /// 1 and the version name for `.ver` 1, 2 or 3; -1 (name unchanged) for any other number.
    int SetVersion(int n);
    const std::string& prVersion() const { return Version; }

    /// 1 when every count lies in 1..3 (then kept); otherwise -1 and all four counts become -1.
    int Configurarinstrucciones(int n0, int n1, int n2, int n3);
    const std::array<int, 4>& prVectorNumOps() const { return VectorNumOps; }

    bool Variable(const std::string& nombre, int direccion, int valor);
    void ComponenteVector(int direccion, int valor);
    bool Etiqueta(const std::string& textoEtiqueta, int direccion);
    int TraduceEtiq(const std::string& nombre, int linea);
    int TraduceVariable(const std::string& nombre, int linea);

    int TratarInst(const std::string& cop, int direccion, int op1, int op2);
    int TratarSalto(const std::string& cop, int direccion, int destino);
    int TratarClear(int direccion, int a);
    int TratarMOVD(int direccion, int v, int a);
    int TratarACUM(int direccion, int v, int a);
    /// `cop` is the instruction number "0".."3"; an absent operand 2 or constant is -1. Returns 0, or -1
    /// when the form does not match the configured operand count (nothing is written then).
    int TratarInstConfigurable(const std::string& cop, int direccion, int op1, int op2, int constante);

    /// Line of the statement being translated, for the errors found while writing its words.
    void SetLineaActual(int linea) { lineaActual = linea; }
    /// True once a word would have landed past the last memory address.
    bool prCodigoFueraDeMemoria() const { return codigoFueraDeMemoria; }

    /// The records of pass 2 go to `salida` from now on. Throws ErrorFicheroMontaje.
    void CreafichInst(SalidaMontaje& salida);
    void EscribeInstruccion(const std::string& cop, int direccion, int op1, int op2);
    /// Places the records written into the memory image and hands the listing and the executable (whose
    /// header names `nombreListado`) to the output. Throws ErrorFicheroMontaje.
    void LeeEjecutable(const std::string& nombreListado);
    /// Puts the finished executable in the place of the file at its path; false when it could not.
    bool ConfirmaFichinst();
    /// No executable of this assembly remains; true when one it made is gone. Nothing at the executable's
    /// path is ever removed: it is only replaced by a confirmed executable.
    bool BorraFichinst();

    const ImagenMemoria& prVectorReginst() const { return VectorReginst; }
    const TTablaSimbolos& prTablaSimbolos() const { return *TablaSimbolos; }

private:
    bool EnPasada(int pasada) const { return Pasada_ == pasada; }
    void Escribe(const TregInst& reg);
    bool DentroDeMemoria(int direccion);

    Anfitrion& anfitrion;
    std::vector<MensajeMontaje> ListaErr;
    std::unique_ptr<TTablaSimbolos> TablaSimbolos;
    TSimbolo* Simboloaux = nullptr;
    int Pasada_ = 1;
    TregInst RegInst;
    SalidaMontaje* Fichinst = nullptr;
    std::vector<TregInst> registros; // as pass 2 wrote them, in order
    std::string Version;
    std::array<int, 4> VectorNumOps{-1, -1, -1, -1};
    ImagenMemoria VectorReginst = ImagenLibre();
    int InicioDatos = 0;
    bool warningSolapamiento = false;
    int lineaPrimerError = -1;
    int lineaActual = 0;
    bool codigoFueraDeMemoria = false;
};

} // namespace velmo
