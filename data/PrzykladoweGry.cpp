// Build-time tool: turns the shipped draw histories (CSV) into game files in the Dane directory.
// A game file that already exists is never touched, so rebuilding keeps the user's own edits.
#include "model/Daty.h"
#include "model/PlikGry.h"
#include "model/TObGraLista.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;
using namespace tarvomund;

namespace {

struct TPrzykladowaGra {
    const char* PlikCsv;
    const char* PlikGry;
    TObGraLista Parametry;
    int PolWstepnych;     // fields before the numbers: draw number, date[, time]
    int PomijanychLosowan; // leading draws of another game era
};

TObGraLista Gra(int32_t id, const char* nazwa, int32_t min, int32_t max, int32_t norm, int32_t liczb,
                int32_t losowanych, int32_t poziomo, int32_t pionowo)
{
    TObGraLista gra;
    gra.Id = id;
    gra.KodGry = id;
    gra.Nazwa = nazwa;
    gra.MinSkreslen = min;
    gra.MaxSkreslen = max;
    gra.NormSkreslen = norm;
    gra.IleLiczb = liczb;
    gra.IleLosowanych = losowanych;
    gra.IlePoziomo = poziomo;
    gra.IlePionowo = pionowo;
    gra.Kierunek = true;
    return gra;
}

std::vector<TPrzykladowaGra> Gry()
{
    return {
        {"lotto-6z49.csv", "lotto-6z49.pl2", Gra(1, "Lotto 6 z 49", 6, 12, 6, 49, 6, 7, 7), 2, 0},
        // The first 128 draws of this game were 5 of 49; only the 42-number era is kept.
        {"minilotto-5z42.csv", "mini-5z42.pl2", Gra(2, "Lotto 5 z 42", 5, 10, 5, 42, 5, 7, 6), 2, 128},
        {"multimulti-20z80.csv", "multi-20z80.pl2", Gra(3, "Keno 20 z 80", 1, 10, 10, 80, 20, 10, 8), 3, 0},
    };
}

std::vector<std::string_view> Pola(std::string_view linia)
{
    std::vector<std::string_view> pola;
    std::size_t poczatek = 0;
    while (true) {
        const std::size_t przecinek = linia.find(',', poczatek);
        pola.push_back(linia.substr(poczatek, przecinek - poczatek));
        if (przecinek == std::string_view::npos)
            return pola;
        poczatek = przecinek + 1;
    }
}

bool Zbuduj(const TPrzykladowaGra& wzor, const fs::path& zrodla, const fs::path& cel)
{
    std::ifstream we(zrodla / wzor.PlikCsv);
    if (!we) {
        std::fprintf(stderr, "cannot read %s\n", (zrodla / wzor.PlikCsv).c_str());
        return false;
    }
    TObGraLista gra = wzor.Parametry;
    gra.Plik = (cel / wzor.PlikGry).string();
    const auto k = static_cast<std::size_t>(gra.IleLosowanych);
    std::string linia;
    int pominietych = 0;
    while (std::getline(we, linia)) {
        if (!linia.empty() && linia.back() == '\r')
            linia.pop_back();
        const auto pola = Pola(linia);
        if (pola.size() != static_cast<std::size_t>(wzor.PolWstepnych) + k)
            continue;
        const auto data = DataZTekstu(pola[1]);
        if (!data)
            continue;
        if (pominietych < wzor.PomijanychLosowan) {
            ++pominietych;
            continue;
        }
        TObLos los;
        los.Data = *data;
        for (std::size_t i = 0; i < k; ++i) {
            int liczba = 0;
            const auto pole = pola[static_cast<std::size_t>(wzor.PolWstepnych) + i];
            std::from_chars(pole.data(), pole.data() + pole.size(), liczba);
            los.Liczby[i] = static_cast<uint8_t>(liczba);
        }
        gra.Losowania.push_back(los);
    }
    // Game files keep their draws in ascending date order; a draw recorded out of order moves
    // to its date, and draws of one day keep their order.
    std::stable_sort(gra.Losowania.begin(), gra.Losowania.end(),
                     [](const TObLos& a, const TObLos& b) { return a.Data < b.Data; });
    if (!UtworzPlikGry(gra)) {
        std::fprintf(stderr, "cannot write %s\n", gra.Plik.c_str());
        return false;
    }
    std::printf("%s: %zu draws\n", gra.Plik.c_str(), gra.Losowania.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CSV_DIR DANE_DIR\n", argv[0]);
        return 2;
    }
    const fs::path zrodla = argv[1];
    const fs::path cel = argv[2];
    std::error_code blad;
    fs::create_directories(cel, blad);
    bool dobrze = true;
    for (const TPrzykladowaGra& gra : Gry())
        if (!fs::exists(cel / gra.PlikGry))
            dobrze = Zbuduj(gra, zrodla, cel) && dobrze;
    return dobrze ? 0 : 1;
}
