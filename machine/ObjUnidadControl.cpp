#include "ObjUnidadControl.h"

#include "CablesMaquina.h"

namespace velmo {

void TUnidadControl::PonPalabraControl(std::int16_t mx10, std::int16_t alu10, std::int16_t lorWmem,
                                       std::int16_t pPc, std::int16_t pIr, std::int16_t pA, std::int16_t pB,
                                       std::int16_t pFz) {
    LosCables[puertoUC::Mux10].Valor = mx10;
    LosCables[puertoUC::Alu10].Valor = alu10;
    LosCables[puertoUC::LE].Valor = lorWmem;
    LosCables[puertoUC::pPC].Valor = pPc;
    LosCables[puertoUC::pIR].Valor = pIr;
    LosCables[puertoUC::pA].Valor = pA;
    LosCables[puertoUC::pB].Valor = pB;
    LosCables[puertoUC::wPFZ].Valor = pFz;
}

} // namespace velmo
