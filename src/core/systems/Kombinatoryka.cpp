#include "systems/Kombinatoryka.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tarvomund {

long double Silnia(long double x)
{
    long double wynik = 1.0L;
    for (long double i = 2.0L; i <= x; i += 1.0L)
        wynik *= i;
    return wynik;
}

long double Kombinacje(int n, int k)
{
    if (k < 0 || n < 0 || k > n)
        return 0.0L;
    // The multiplicative form gives the same values as n! / (k! (n-k)!) without the huge
    // intermediate factorials, so every count up to C(120, 60) comes out exact or nearest.
    const int mniejsze = k < n - k ? k : n - k;
    long double wynik = 1.0L;
    for (int i = 1; i <= mniejsze; ++i)
        wynik = wynik * static_cast<long double>(n - mniejsze + i) / static_cast<long double>(i);
    return wynik;
}

long double IlorazKombinacji(int k, int n, int m)
{
    const long double dzielnik = Kombinacje(k, m);
    return dzielnik == 0.0L ? 0.0L : Kombinacje(n, m) / dzielnik;
}

int64_t Zaokraglij(long double liczba)
{
    constexpr long double maks = static_cast<long double>(std::numeric_limits<int64_t>::max());
    if (!(liczba < maks))
        return std::numeric_limits<int64_t>::max();
    if (liczba <= -maks)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(std::llround(liczba));
}

bool ZawieraWszystkie(int k, int m, const TZaklad& zaklad, const TZaklad& podzbior)
{
    int trafien = 0;
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < k; ++j)
            if (zaklad[static_cast<std::size_t>(j)] == podzbior[static_cast<std::size_t>(i)]) {
                ++trafien;
                break;
            }
    return trafien >= m;
}

void SortujZaklad(TZaklad& zaklad, int k)
{
    for (int i = 0; i + 1 < k; ++i)
        for (int j = i + 1; j < k; ++j)
            if (zaklad[static_cast<std::size_t>(j)] < zaklad[static_cast<std::size_t>(i)])
                std::swap(zaklad[static_cast<std::size_t>(i)], zaklad[static_cast<std::size_t>(j)]);
}

std::string KluczZakladu(const TZaklad& zaklad, int k)
{
    std::string klucz(static_cast<std::size_t>(3 * k), ' ');
    for (int i = 0; i < k; ++i) {
        const unsigned w = zaklad[static_cast<std::size_t>(i)];
        char* pole = klucz.data() + 3 * i;
        if (w >= 100)
            pole[0] = static_cast<char>('0' + w / 100);
        if (w >= 10)
            pole[1] = static_cast<char>('0' + w / 10 % 10);
        pole[2] = static_cast<char>('0' + w % 10);
    }
    return klucz;
}

namespace {

// A field read as a decimal after its leading spaces; anything else reads as 0.
int LiczbaPola(std::string_view pole)
{
    while (!pole.empty() && pole.front() == ' ')
        pole.remove_prefix(1);
    int wartosc = 0;
    std::from_chars(pole.data(), pole.data() + pole.size(), wartosc);
    return wartosc;
}

} // namespace

TZaklad ZakladZKlucza(std::string_view tekst)
{
    const std::size_t kropka = tekst.find('.');
    std::string roboczy(kropka == std::string_view::npos ? tekst : tekst.substr(kropka + 1));
    roboczy += ',';
    TZaklad zaklad{};
    std::size_t wpis = 0;
    for (std::size_t poz = 0; poz < roboczy.size() && wpis < zaklad.size(); poz += 3)
        zaklad[wpis++] = static_cast<uint8_t>(LiczbaPola(std::string_view(roboczy).substr(poz, 3)));
    return zaklad;
}

std::string TekstZakladu(const TZaklad& zaklad, int k)
{
    std::string tekst;
    for (int i = 0; i < k; ++i) {
        if (i > 0)
            tekst += ',';
        tekst += std::to_string(zaklad[static_cast<std::size_t>(i)]);
    }
    return tekst;
}

TZaklad ZakladZTekstu(std::string_view tekst)
{
    TZaklad zaklad{};
    std::size_t wpis = 0;
    std::size_t poczatek = 0;
    const std::string roboczy = std::string(tekst) + ',';
    while (poczatek < roboczy.size() && wpis < zaklad.size()) {
        const std::size_t przecinek = roboczy.find(',', poczatek);
        std::string_view pole = std::string_view(roboczy).substr(poczatek, przecinek - poczatek);
        if (pole.size() > 5)
            pole = pole.substr(0, 5);
        zaklad[wpis++] = static_cast<uint8_t>(LiczbaPola(pole));
        poczatek = przecinek + 1;
    }
    return zaklad;
}

TKombGen::TKombGen(int k_, int n_) : n(n_), k(k_)
{
    for (int i = 0; i < k; ++i)
        Kombinacja[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + 1);
}

void TKombGen::Nastepna()
{
    if (k <= 0)
        return;
    int p = k;
    int limit = n;
    while (p > 0) {
        auto& wpis = Kombinacja[static_cast<std::size_t>(p - 1)];
        if (wpis < limit) {
            ++wpis;
            for (int j = p; j < k; ++j)
                Kombinacja[static_cast<std::size_t>(j)] = static_cast<uint8_t>(Kombinacja[static_cast<std::size_t>(j - 1)] + 1);
            Koniec = false;
            return;
        }
        --p;
        --limit;
    }
    Koniec = true;
}

} // namespace tarvomund
