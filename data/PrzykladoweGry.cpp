// Build-time tool: turns the shipped draw histories (CSV) into game files in the Dane directory.
// A game file that already exists is never touched, so rebuilding keeps the user's own edits.
#include "model/Daty.h"
#include "model/PlikGry.h"
#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"
#include "pools/Typowania.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;
using namespace tarvomund;

namespace {

// How a history writes its draws: comma-separated numbers, or the pool rounds of the 13+1 toto.
enum class TFormatHistorii { Liczby, Toto };

struct TPrzykladowaGra {
    const char* PlikCsv;
    const char* PlikGry;
    TObGraLista Parametry;
    int PolWstepnych;     // fields before the numbers: draw number, date[, time]
    int PomijanychLosowan; // leading draws of another game era
    TFormatHistorii Format = TFormatHistorii::Liczby;
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

// The pool game of the toto rounds: a round is the results of 13 + 1 matches, each stored as the
// sign code a pool bet uses (1 for "1", 2 for "x", 3 for "2"); a bet marks one of the three signs
// of each match, so the slip has three fields across and a row per match.
TObGraLista GraToto()
{
    TObGraLista gra = Gra(MinIdGryPilkarskiej, "Toto 13+1", 14, 14, 14, 3, 14, 3, 14);
    gra.KodGry = KodSystemuPilkarskiego;
    gra.Pilkarski = 1;
    return gra;
}

std::vector<TPrzykladowaGra> Gry()
{
    return {
        {"lotto-6z49.csv", "lotto-6z49.pl2", Gra(1, "Lotto 6 z 49", 6, 12, 6, 49, 6, 7, 7), 2, 0},
        // The first 128 draws of this game were 5 of 49; only the 42-number era is kept.
        {"minilotto-5z42.csv", "mini-5z42.pl2", Gra(2, "Lotto 5 z 42", 5, 10, 5, 42, 5, 7, 6), 2, 128},
        {"multimulti-20z80.csv", "multi-20z80.pl2", Gra(3, "Keno 20 z 80", 1, 10, 10, 80, 20, 10, 8), 3, 0},
        {"toto-13plus1.csv", "toto-13plus1.pl2", GraToto(), 14, 0, TFormatHistorii::Toto},
    };
}

std::vector<std::string_view> Pola(std::string_view linia, char separator = ',')
{
    std::vector<std::string_view> pola;
    std::size_t poczatek = 0;
    while (true) {
        const std::size_t przecinek = linia.find(separator, poczatek);
        pola.push_back(linia.substr(poczatek, przecinek - poczatek));
        if (przecinek == std::string_view::npos)
            return pola;
        poczatek = przecinek + 1;
    }
}

// "no,dd.mm.yyyy[,hh:mm],n1,...,nk": the date and the k numbers.
std::optional<TObLos> LosowanieLiczb(std::string_view linia, const TPrzykladowaGra& wzor, std::size_t k)
{
    const auto pola = Pola(linia);
    if (pola.size() != static_cast<std::size_t>(wzor.PolWstepnych) + k)
        return std::nullopt;
    const auto data = DataZTekstu(pola[1]);
    if (!data)
        return std::nullopt;
    TObLos los;
    los.Data = *data;
    for (std::size_t i = 0; i < k; ++i) {
        int liczba = 0;
        const auto pole = pola[static_cast<std::size_t>(wzor.PolWstepnych) + i];
        std::from_chars(pole.data(), pole.data() + pole.size(), liczba);
        los.Liczby[i] = static_cast<uint8_t>(liczba);
    }
    return los;
}

int Liczba(std::string_view pole)
{
    int liczba = 0;
    const auto [koniec, ec] = std::from_chars(pole.data(), pole.data() + pole.size(), liczba);
    return ec == std::errc() && koniec == pole.data() + pole.size() ? liczba : 0;
}

// The Sunday of an ISO week: the day the weekly rounds of those years were played.
std::optional<double> NiedzielaTygodnia(int rok, int tydzien)
{
    if (rok < 1900 || tydzien < 1 || tydzien > 53)
        return std::nullopt;
    // 4 January always lies in week 1.
    const double czwartyStycznia = DniZDaty({rok, 1, 4});
    const double poniedzialek = czwartyStycznia - DzienTygodnia(czwartyStycznia);
    return poniedzialek + 7.0 * (tydzien - 1) + 6.0;
}

// "year;week;round;yyyy.mm.dd.;10 prize fields;r1..r14": the round's date (the Sunday of its week
// where the date is missing) and its 14 results as sign codes ("+" marks the extra match).
std::optional<TObLos> RundaToto(std::string_view linia, const TPrzykladowaGra& wzor, std::size_t k)
{
    const auto PolWstepnych = static_cast<std::size_t>(wzor.PolWstepnych);
    const auto pola = Pola(linia, ';');
    if (pola.size() != PolWstepnych + k)
        return std::nullopt;
    std::optional<double> data;
    const std::string_view tekst = pola[3];
    if (tekst.size() >= 10) {
        const int rok = Liczba(tekst.substr(0, 4));
        const int miesiac = Liczba(tekst.substr(5, 2));
        const int dzien = Liczba(tekst.substr(8, 2));
        data = DataZTekstu(std::to_string(dzien) + "." + std::to_string(miesiac) + "." + std::to_string(rok));
    } else {
        data = NiedzielaTygodnia(Liczba(pola[0]), Liczba(pola[1]));
    }
    if (!data)
        return std::nullopt;
    TObLos los;
    los.Data = *data;
    for (std::size_t i = 0; i < k; ++i) {
        std::string_view wynik = pola[PolWstepnych + i];
        if (!wynik.empty() && wynik.front() == '+')
            wynik.remove_prefix(1);
        if (wynik == "X")
            wynik = "x";
        if (wynik.size() != 1 || KodZnaku(wynik.front()) == KodBrak)
            return std::nullopt;
        los.Liczby[i] = KodZnaku(wynik.front());
    }
    return los;
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
        const std::optional<TObLos> los =
            wzor.Format == TFormatHistorii::Toto ? RundaToto(linia, wzor, k) : LosowanieLiczb(linia, wzor, k);
        if (!los)
            continue;
        if (pominietych < wzor.PomijanychLosowan) {
            ++pominietych;
            continue;
        }
        gra.Losowania.push_back(*los);
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
