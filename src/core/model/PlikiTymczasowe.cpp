#include "model/PlikiTymczasowe.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace tarvomund {

namespace fs = std::filesystem;

std::string PlikTymczasowy(const std::string& katalogDane, int32_t numerOkna)
{
    return (fs::path(katalogDane) / (std::to_string(numerOkna) + RozszerzeniePlikuTymczasowego)).string();
}

int UsunPlikiTymczasowe(const std::string& katalogDane)
{
    std::vector<fs::path> doUsuniecia;
    std::error_code blad;
    for (fs::directory_iterator it(katalogDane, blad), koniec; !blad && it != koniec; it.increment(blad))
        if (it->path().extension() == RozszerzeniePlikuTymczasowego && !it->is_directory(blad))
            doUsuniecia.push_back(it->path());
    int usunieto = 0;
    for (const fs::path& plik : doUsuniecia)
        if (fs::remove(plik, blad))
            ++usunieto;
    return usunieto;
}

} // namespace tarvomund
