#include "ObjUnidadControl.h"

#include "CablesMaquina.h"

namespace velmo {

void TUnidadControl::PonPalabraControl(std::int16_t mx10, std::int16_t alu10, std::int16_t lorWmem,
                                       std::int16_t pPc, std::int16_t pIr, std::int16_t pA, std::int16_t pB,
                                       std::int16_t pFz) {
    LosCables.at(puertoUC::Mux10).Valor = mx10;
    LosCables.at(puertoUC::Alu10).Valor = alu10;
    LosCables.at(puertoUC::LE).Valor = lorWmem;
    LosCables.at(puertoUC::pPC).Valor = pPc;
    LosCables.at(puertoUC::pIR).Valor = pIr;
    LosCables.at(puertoUC::pA).Valor = pA;
    LosCables.at(puertoUC::pB).Valor = pB;
    LosCables.at(puertoUC::wPFZ).Valor = pFz;
}

} // namespace velmo
