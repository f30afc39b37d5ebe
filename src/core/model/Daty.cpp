#include "model/Daty.h"

#include "model/Wspolne.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace tarvomund {

namespace {

// 30.12.1899 lies this many days before 1.1.1970.
constexpr long long DniOdEpokiDoUniksa = 25569;

// Proleptic Gregorian day numbers relative to 1.1.1970 (the well-known era-based conversion).
long long DniOdUniksa(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

TDataKal DataOdUniksa(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// Day counts outside years 1 .. 9999 (and values that are no number) would leave the integer range
// of the conversion; they are held to the calendar's ends, a value that is no number to day 0.
constexpr long long PierwszyDzien = -693593; // 1.1.0001
constexpr long long OstatniDzien = 2958465;  // 31.12.9999

long long DzienWKalendarzu(double dni)
{
    if (std::isnan(dni))
        return 0;
    const double dzien = std::floor(dni);
    if (dzien < static_cast<double>(PierwszyDzien))
        return PierwszyDzien;
    if (dzien > static_cast<double>(OstatniDzien))
        return OstatniDzien;
    return static_cast<long long>(dzien);
}

} // namespace

double DniZDaty(const TDataKal& data)
{
    return static_cast<double>(DniOdUniksa(data.Rok, static_cast<unsigned>(data.Miesiac),
                                           static_cast<unsigned>(data.Dzien)) +
                               DniOdEpokiDoUniksa);
}

TDataKal DataZDni(double dni)
{
    return DataOdUniksa(DzienWKalendarzu(dni) - DniOdEpokiDoUniksa);
}

int DzienTygodnia(double dni)
{
    // Day 0, 30.12.1899, was a Saturday.
    const long long d = DzienWKalendarzu(dni);
    return static_cast<int>(((d + 5) % 7 + 7) % 7);
}

int DzienTygodniaOdNiedzieli(double dni)
{
    return (DzienTygodnia(dni) + 1) % 7;
}

const char* SkrotDniaTygodnia(double dni)
{
    static constexpr const char* Skroty[] = {"Nd", "Pn", "Wt", "Śr", "Cz", "Pt", "So"};
    return Skroty[DzienTygodniaOdNiedzieli(dni)];
}

std::string TekstDaty(double dni)
{
    const TDataKal d = DataZDni(dni);
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%02d.%02d.%04d", d.Dzien, d.Miesiac, d.Rok);
    return bufor;
}

std::optional<double> DataZTekstu(std::string_view tekst)
{
    int czesci[3] = {0, 0, 0};
    std::size_t poz = 0;
    for (int i = 0; i < 3; ++i) {
        const char* poczatek = tekst.data() + poz;
        const char* koniec = tekst.data() + tekst.size();
        const auto [za, ec] = std::from_chars(poczatek, koniec, czesci[i]);
        if (ec != std::errc() || za == poczatek)
            return std::nullopt;
        poz = static_cast<std::size_t>(za - tekst.data());
        if (i < 2) {
            if (poz >= tekst.size() || tekst[poz] != '.')
                return std::nullopt;
            ++poz;
        }
    }
    if (poz != tekst.size())
        return std::nullopt;
    const TDataKal data{czesci[2], czesci[1], czesci[0]};
    if (data.Rok < 1 || data.Miesiac < 1 || data.Miesiac > 12 || data.Dzien < 1 ||
        data.Dzien > DniMiesiaca(data.Rok, data.Miesiac))
        return std::nullopt;
    return DniZDaty(data);
}

double Dzisiaj()
{
    const std::time_t teraz = std::time(nullptr);
    std::tm lokalny{};
    localtime_r(&teraz, &lokalny);
    return DniZDaty({lokalny.tm_year + 1900, lokalny.tm_mon + 1, lokalny.tm_mday});
}

} // namespace tarvomund
