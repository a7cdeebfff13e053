// Replays the committed inputs of one fuzzing target without fuzzing: every file of every folder given
// on the command line is fed once to the target, in name order, so a run is deterministic. A fault shows
// as a crash or a sanitizer report; an empty or missing folder is an error, so a lost corpus is noticed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int total = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        std::vector<fs::path> ficheros;
        for (const auto& entrada : fs::directory_iterator(argv[i], ec)) {
            if (entrada.is_regular_file()) {
                ficheros.push_back(entrada.path());
            }
        }
        if (ec || ficheros.empty()) {
            std::cerr << "Carpeta sin entradas: " << argv[i] << '\n';
            return 1;
        }
        std::sort(ficheros.begin(), ficheros.end());
        for (const auto& fichero : ficheros) {
            std::ifstream in(fichero, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            if (!in.eof() && in.fail()) {
                std::cerr << "No se puede leer " << fichero << '\n';
                return 1;
            }
            std::cout << fichero.filename().string() << std::endl;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++total;
        }
    }
    std::cout << total << " entradas reproducidas\n";
    return total > 0 ? 0 : 1;
}
