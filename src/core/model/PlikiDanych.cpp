#include "model/PlikiDanych.h"

#include "model/OdczytPliku.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tarvomund {

namespace fs = std::filesystem;

namespace {

bool RowneBezWielkosci(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

std::optional<std::string> CzytajCalyPlik(const std::string& plik, uint64_t maxRozmiar)
{
    return CzytajPlikRegularny(plik, maxRozmiar);
}

std::vector<fs::path> WpisyZRozszerzeniem(const std::string& katalog, std::string_view rozszerzenie, bool* nieczytelny)
{
    std::vector<fs::path> pliki;
    std::error_code blad;
    for (fs::directory_iterator it(katalog, blad), koniec; !blad && it != koniec; it.increment(blad))
        if (RowneBezWielkosci(it->path().extension().string(), rozszerzenie))
            pliki.push_back(it->path());
    if (nieczytelny)
        *nieczytelny = static_cast<bool>(blad);
    std::sort(pliki.begin(), pliki.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    return pliki;
}

std::vector<fs::path> PlikiZRozszerzeniem(const std::string& katalog, std::string_view rozszerzenie)
{
    std::vector<fs::path> pliki = WpisyZRozszerzeniem(katalog, rozszerzenie);
    std::erase_if(pliki, [](const fs::path& plik) {
        std::error_code blad;
        return !fs::is_regular_file(plik, blad);
    });
    return pliki;
}

} // namespace tarvomund
