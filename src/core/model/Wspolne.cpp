#include "model/Wspolne.h"

#include "model/OdczytPliku.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace tarvomund {

namespace fs = std::filesystem;

// A file is copied in blocks of this many bytes.
constexpr std::size_t RozmiarBlokuKopii = 40000;

double Procent(int32_t a, int32_t b)
{
    if (b == 0)
        return 0.0;
    return static_cast<double>(a) * 100.0 / static_cast<double>(b);
}

double ProcentZ(double procent, double kwota)
{
    if (procent == 0.0 || kwota == 0.0)
        return 0.0;
    return (procent / 100.0) * kwota;
}

bool WZakresie(int32_t wartosc, int32_t dolna, int32_t gorna)
{
    return dolna <= wartosc && wartosc <= gorna;
}

std::size_t ZnakowUtf8(std::string_view tekst)
{
    std::size_t ile = 0;
    for (unsigned char c : tekst)
        if ((c & 0xC0) != 0x80)
            ++ile;
    return ile;
}

std::string DopelnijZLewej(int n, std::string_view tekst)
{
    const std::size_t dlugosc = ZnakowUtf8(tekst);
    if (n <= 0 || dlugosc >= static_cast<std::size_t>(n))
        return std::string(tekst);
    return std::string(static_cast<std::size_t>(n) - dlugosc, ' ') + std::string(tekst);
}

std::string DopelnijZPrawej(int n, std::string_view tekst)
{
    const std::size_t dlugosc = ZnakowUtf8(tekst);
    if (n <= 0 || dlugosc >= static_cast<std::size_t>(n))
        return std::string(tekst);
    return std::string(tekst) + std::string(static_cast<std::size_t>(n) - dlugosc, ' ');
}

int32_t SumaBajtow(const TTablicaLiczb& tablica, int ile)
{
    int32_t suma = 0;
    for (int i = 0; i < ile && i < MaxLiczbSystemu; ++i)
        suma += tablica[static_cast<std::size_t>(i)];
    return suma;
}

bool Zawiera(uint8_t wartosc, int ile, const TTablicaLiczb& tablica)
{
    for (int i = 0; i < ile && i < MaxLiczbSystemu; ++i)
        if (tablica[static_cast<std::size_t>(i)] == wartosc)
            return true;
    return false;
}

int IleWspolnych(const TTablicaLiczb& a, const TTablicaLiczb& b, int ca, int cb)
{
    int ile = 0;
    for (int i = 0; i < ca && i < MaxLiczbSystemu; ++i)
        if (Zawiera(a[static_cast<std::size_t>(i)], cb, b))
            ++ile;
    return ile;
}

bool RokPrzestepny(int32_t rok)
{
    return rok % 4 == 0 && (rok % 100 != 0 || rok % 400 == 0);
}

int32_t DniMiesiaca(int32_t rok, int32_t miesiac)
{
    static constexpr std::array<int32_t, 12> dni{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (miesiac < 1 || miesiac > 12)
        return 0;
    return dni[static_cast<std::size_t>(miesiac - 1)] + (miesiac == 2 && RokPrzestepny(rok) ? 1 : 0);
}

bool KopiujPlik(const std::string& zrodlo, const std::string& cel)
{
    if (zrodlo == cel)
        return false;
    // Only a regular file is copied: a FIFO would wait for a writer, a device never end.
    TOdczytPliku we(zrodlo);
    if (!we.Otwarty())
        return false;
    std::error_code blad;
    const auto czas = fs::last_write_time(zrodlo, blad);
    if (blad)
        return false;
    const auto prawa = fs::status(zrodlo, blad).permissions();
    if (blad)
        return false;

    TZapisAtomowy zapis(cel);
    if (!zapis.Otwarty())
        return false;
    std::array<char, RozmiarBlokuKopii> blok{};
    for (uint64_t pozycja = 0; pozycja < we.Rozmiar();) {
        const auto ile = static_cast<std::size_t>(std::min<uint64_t>(blok.size(), we.Rozmiar() - pozycja));
        if (!we.Czytaj(pozycja, blok.data(), ile))
            return false;
        zapis.Pisz(std::string_view(blok.data(), ile));
        pozycja += ile;
    }
    if (!zapis.Zatwierdz())
        return false;
    fs::last_write_time(cel, czas, blad);
    fs::permissions(cel, prawa, blad);
    return true;
}

TTablicaLiczb RozbierzLiczby(std::string_view tekst, std::string_view separatory, std::string_view konce)
{
    TTablicaLiczb wynik{};
    std::size_t wyjscie = 0;
    std::size_t poz = 0;
    auto jestSeparatorem = [&](char c) { return separatory.find(c) != std::string_view::npos; };
    while (poz < tekst.size()) {
        std::string token;
        while (poz < tekst.size() && !jestSeparatorem(tekst[poz])) {
            if (konce.find(tekst[poz]) != std::string_view::npos)
                return wynik;
            if (token.size() < 3)
                token.push_back(tekst[poz]);
            ++poz;
        }
        ++poz; // the separator
        if (token.empty())
            continue;
        int wartosc = 0;
        const auto [koniec, ec] = std::from_chars(token.data(), token.data() + token.size(), wartosc);
        // A token that is not wholly a number is skipped; the list holds at most 120 numbers.
        if (ec == std::errc() && koniec == token.data() + token.size() && wyjscie < wynik.size())
            wynik[wyjscie++] = static_cast<uint8_t>(wartosc & 0xFF);
    }
    return wynik;
}

int32_t MaxPewnych(int32_t k, int32_t n, int32_t zakladow)
{
    for (int32_t j = 1; j <= k; ++j) {
        const int32_t gora = n - j;
        const int32_t dol = k - j;
        if (gora < 0 || dol < 0 || dol > gora)
            return j - 1;
        // C(gora, dol) by the multiplicative formula: every partial product is itself a binomial
        // coefficient, so rounding each step keeps it exact as long as it fits the mantissa, and any
        // value past the int32 range already exceeds every possible bet count.
        long double c = 1.0L;
        for (int32_t i = 1; i <= dol && c <= 1e12L; ++i)
            c = std::round(c * static_cast<long double>(gora - dol + i) / static_cast<long double>(i));
        if (!std::isfinite(c))
            return j - 1;
        if (static_cast<long double>(zakladow) >= c)
            return j - 1;
    }
    return k - 1;
}

std::string TematPomocy(int kontekst)
{
    static constexpr std::array<const char*, 54> tematy{
        "IdOProg",      "IdOSysSkr",     "IdSysPelny",   "IdSysRown",      "IdSysRownZPew", "IdSysPrzyp",
        "IdSysLanc",    "IdSysZlozM",    "IdPliki",      "IdParam",        "IdZadania",     "IdFiltry",
        "IdSzukaj",     "IdStatystyka",  "IdNarz",       "IdOkienka",      "IdPomoc",       "IdTworzNGra",
        "IdTworzNGr",   "IdRozlicz",     "IdBudSysP",    "IdTestP",        "IdGwarP",       "IdInfoP",
        "IdtworzSys",   "IdSysZloz",     "IdPodstWl",    "IdTestSys",      "IdGwarSys",     "IdInfoSys",
        "IdRodzajLiczb", "IdSumSys",     "IdFiltrSys",   "IdRodzFiltr",    "IdPrzesz",      "IdRodzPrzesz",
        "IdZapisSys",   "IdWczytSys",    "IdDrukSys",    "IdWyszLos",      "IdRodzWyszuk",  "IdWyszLiczb",
        "IdRodzWyszL",  "IdWyszLiczbZad", "IdOpisStat",  "IdOpisFStat",    "IdOpisOkStat",  "IdZapisStat",
        "IdWczytStat",  "IdDrukStat",    "IdLos",        "IdKol",          "IdBio",         "idZmianaPar"};
    constexpr int pierwszy = 1000;
    if (kontekst < pierwszy || kontekst >= pierwszy + static_cast<int>(tematy.size()))
        return {};
    return tematy[static_cast<std::size_t>(kontekst - pierwszy)];
}

} // namespace tarvomund
