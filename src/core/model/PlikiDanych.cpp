#include "model/PlikiDanych.h"

#include <algorithm>
#include <cctype>
#include <fstream>
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

std::optional<std::string> CzytajCalyPlik(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary | std::ios::ate);
    if (!we)
        return std::nullopt;
    const auto rozmiar = we.tellg();
    if (rozmiar < 0)
        return std::nullopt;
    we.seekg(0);
    std::string dane(static_cast<std::size_t>(rozmiar), '\0');
    we.read(dane.data(), static_cast<std::streamsize>(dane.size()));
    if (we.bad())
        return std::nullopt;
    dane.resize(static_cast<std::size_t>(std::max<std::streamsize>(we.gcount(), 0)));
    return dane;
}

std::vector<fs::path> PlikiZRozszerzeniem(const std::string& katalog, std::string_view rozszerzenie)
{
    std::vector<fs::path> pliki;
    std::error_code blad;
    for (fs::directory_iterator it(katalog, blad), koniec; !blad && it != koniec; it.increment(blad)) {
        std::error_code bladWpisu;
        if (it->is_regular_file(bladWpisu) && RowneBezWielkosci(it->path().extension().string(), rozszerzenie))
            pliki.push_back(it->path());
    }
    std::sort(pliki.begin(), pliki.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    return pliki;
}

} // namespace tarvomund
