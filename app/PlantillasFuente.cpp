#include "PlantillasFuente.h"

namespace velmo {

std::vector<std::string> PlantillaFuente(int version) {
    switch (version) {
    case 2:
        return {".ver 2",
                "",
                ".data 15 ;dirección de inicio de los datos",
                "dw var1\t1",
                "dw uno\t1",
                "dw aux\t?",
                "dw var2\t3",
                "",
                ".code",
                "eti:\tmov uno, aux",
                "\tadd uno, var1",
                "\tclear var2",
                "\tmovd 1, var2",
                "\tacum 1, var2",
                "\tcmp uno, uno",
                "\tbeq eti",
                ""};
    case 3:
        return {".ver 3",
                ".conf",
                "inst0 1",
                "inst1 1",
                "inst2 2",
                "inst3 3",
                "",
                ".data 15 ;dirección de inicio de los datos",
                "dw var1\t1",
                "dw uno\t1",
                "dw aux\t?",
                "dw var2\t3",
                "",
                ".code",
                "eti:\tinst2 uno, aux",
                "\tinst0 var1",
                "\tinst1 uno",
                "\tinst2 1, var2",
                "\tinst3 1, var2, 3",
                ""};
    default:
        return {".ver 1",
                "",
                ".data 15 ;dirección de inicio de los datos",
                "dw var1\t1",
                "dw uno\t1",
                "dw aux\t?",
                "",
                ".code",
                "eti:\tmov uno, aux",
                "\tadd uno, var1",
                "\tcmp uno, uno",
                "\tbeq eti",
                ""};
    }
}

} // namespace velmo
