#include "draws/ParserLosowan.h"

#include "model/Daty.h"
#include "model/PlikGry.h"
#include "model/Wspolne.h"

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int IleGrupDaty = 3;
constexpr int MaxRok = 9999;
// Above every year and every number a field can mean; reading stops growing there.
constexpr int PowyzejKazdejWartosci = 100'000'000;
// A drawn number is stored in one byte.
constexpr int MaxLiczbaWBajcie = 255;

bool JestCyfra(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view BezSpacji(std::string_view tekst)
{
    const auto poczatek = tekst.find_first_not_of(' ');
    if (poczatek == std::string_view::npos)
        return {};
    return tekst.substr(poczatek, tekst.find_last_not_of(' ') - poczatek + 1);
}

// Digits only, at least one; values beyond PowyzejKazdejWartosci are held there.
std::optional<int> Wartosc(std::string_view cyfry)
{
    if (cyfry.empty())
        return std::nullopt;
    int wartosc = 0;
    for (char c : cyfry) {
        if (!JestCyfra(c))
            return std::nullopt;
        wartosc = std::min(wartosc * 10 + (c - '0'), PowyzejKazdejWartosci);
    }
    return wartosc;
}

// Field f (from 1) of a line cut into fields of the given width; nothing beyond the line's end.
std::optional<std::string_view> Pole(std::string_view wiersz, int f, int szerokosc)
{
    const auto poczatek = static_cast<std::size_t>(f - 1) * static_cast<std::size_t>(szerokosc);
    if (poczatek >= wiersz.size())
        return std::nullopt;
    return wiersz.substr(poczatek, static_cast<std::size_t>(szerokosc));
}

} // namespace

std::optional<TKolejnoscDaty> KolejnoscDaty(std::string_view nazwa)
{
    for (std::size_t i = 0; i < NazwyKolejnosciDaty.size(); ++i)
        if (NazwyKolejnosciDaty[i] == nazwa)
            return static_cast<TKolejnoscDaty>(i);
    return std::nullopt;
}

std::optional<double> DataZPola(std::string_view pole, TKolejnoscDaty kolejnosc)
{
    std::array<std::string_view, IleGrupDaty> grupy;
    std::size_t grupa = 0;
    std::size_t poczatek = 0;
    for (std::size_t i = 0; i <= pole.size(); ++i) {
        if (i < pole.size() && JestCyfra(pole[i]))
            continue;
        if (grupa == IleGrupDaty)
            return std::nullopt; // a third character that is not a digit
        grupy[grupa++] = pole.substr(poczatek, i - poczatek);
        poczatek = i + 1;
    }
    if (grupa != IleGrupDaty)
        return std::nullopt;
    std::array<int, IleGrupDaty> wartosci{};
    for (std::size_t i = 0; i < IleGrupDaty; ++i) {
        const std::optional<int> w = Wartosc(grupy[i]);
        if (!w)
            return std::nullopt;
        wartosci[i] = *w;
    }
    // Which group holds the day, the month and the year, by the letters of the order's name.
    const std::string_view nazwa = NazwyKolejnosciDaty[static_cast<std::size_t>(kolejnosc)];
    TDataKal data;
    for (std::size_t i = 0; i < IleGrupDaty; ++i) {
        if (nazwa[i] == 'D')
            data.Dzien = wartosci[i];
        else if (nazwa[i] == 'M')
            data.Miesiac = wartosci[i];
        else
            data.Rok = wartosci[i];
    }
    if (data.Rok < 1 || data.Rok > MaxRok || data.Miesiac < 1 || data.Miesiac > 12 || data.Dzien < 1 ||
        data.Dzien > DniMiesiaca(data.Rok, data.Miesiac))
        return std::nullopt;
    // A game file holds draws of 1900..9999 only: an earlier date would make the whole game unreadable.
    const double dni = DniZDaty(data);
    if (dni < PierwszyDzienLosowania || dni > OstatniDzienLosowania)
        return std::nullopt;
    return dni;
}

TWynikWiersza RozbierzWiersz(std::string_view sformatowany, const TUkladWiersza& uklad, TObLos& los)
{
    if (BezSpacji(sformatowany).empty())
        return TWynikWiersza::KrotkiWiersz;
    if (!uklad.JestData)
        return TWynikWiersza::ZlaData;
    const int szerokosc = std::max(uklad.Szerokosc, 1);
    const int poleDaty = uklad.Numeracja ? 2 : 1;
    const std::optional<double> data =
        DataZPola(Pole(sformatowany, poleDaty, szerokosc).value_or(std::string_view{}), uklad.Kolejnosc);
    if (!data)
        return TWynikWiersza::ZlaData;
    TObLos nowy;
    nowy.Data = *data;
    const int ile = std::clamp(uklad.IleLosowanych, 0, MaxLiczbWLosowaniu);
    const int najwyzsza = std::min(uklad.IleLiczb, MaxLiczbaWBajcie);
    for (int i = 0; i < ile; ++i) {
        const std::optional<std::string_view> pole = Pole(sformatowany, poleDaty + 1 + i, szerokosc);
        if (!pole)
            return TWynikWiersza::KrotkiWiersz;
        const std::optional<int> liczba = Wartosc(BezSpacji(*pole));
        if (!liczba || *liczba < 1 || *liczba > najwyzsza)
            return TWynikWiersza::ZlaLiczba;
        // A number drawn twice would be a corrupted draw.
        const auto wartosc = static_cast<uint8_t>(*liczba);
        const auto koniec = nowy.Liczby.begin() + i;
        if (std::find(nowy.Liczby.begin(), koniec, wartosc) != koniec)
            return TWynikWiersza::ZlaLiczba;
        nowy.Liczby[static_cast<std::size_t>(i)] = wartosc;
    }
    los = nowy;
    return TWynikWiersza::Losowanie;
}

} // namespace tarvomund
