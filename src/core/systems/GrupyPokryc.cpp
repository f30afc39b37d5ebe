#include "systems/GrupyPokryc.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <string_view>
#include <unordered_set>

namespace tarvomund {

namespace {

constexpr uint32_t BezOrbity = std::numeric_limits<uint32_t>::max();
// Groups of more elements are not tried: their orbits are too coarse to fit a covering well and
// expanding them costs more than it saves.
constexpr std::size_t MaxRzaduKandydata = 4000;
constexpr int MaxStalychCykli = 12;
constexpr int MaxStalychJednegoCyklu = 3;

TPermutacja Tozsamosc(int n)
{
    TPermutacja p{};
    for (int i = 0; i < n; ++i)
        p[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i);
    return p;
}

// c cycles of length L on the points 0..cL-1, each shifted by one; the rest stay fixed.
TPermutacja Przesuniecie(int n, int dlugosc, int cykli)
{
    TPermutacja p = Tozsamosc(n);
    for (int c = 0; c < cykli; ++c)
        for (int i = 0; i < dlugosc; ++i)
            p[static_cast<std::size_t>(c * dlugosc + i)] = static_cast<uint8_t>(c * dlugosc + (i + 1) % dlugosc);
    return p;
}

std::string ZStalymi(std::string opis, int stalych)
{
    return stalych > 0 ? opis + "+" + std::to_string(stalych) : opis;
}

} // namespace

std::optional<TGrupa> TGrupa::Generuj(int n, const std::vector<TPermutacja>& generatory, std::size_t maxRzad,
                                      std::string opis)
{
    TGrupa grupa;
    grupa.n_ = n;
    grupa.opis_ = std::move(opis);
    auto klucz = [n](const TPermutacja& p) { return std::string(reinterpret_cast<const char*>(p.data()), static_cast<std::size_t>(n)); };
    std::unordered_set<std::string> znane;
    const TPermutacja id = Tozsamosc(n);
    grupa.elementy_.push_back(id);
    znane.insert(klucz(id));
    for (std::size_t i = 0; i < grupa.elementy_.size(); ++i) {
        for (const TPermutacja& g : generatory) {
            TPermutacja iloczyn{};
            for (int q = 0; q < n; ++q)
                iloczyn[static_cast<std::size_t>(q)] = g[grupa.elementy_[i][static_cast<std::size_t>(q)]];
            if (znane.insert(klucz(iloczyn)).second) {
                if (grupa.elementy_.size() >= maxRzad)
                    return std::nullopt;
                grupa.elementy_.push_back(iloczyn);
            }
        }
    }
    return grupa;
}

std::vector<TKandydatGrupy> KandydaciGrup(int n)
{
    std::vector<TKandydatGrupy> kandydaci;
    // c cycles of length L shifted together, the remaining numbers fixed; with each subgroup of the
    // multipliers modulo L (x -> ax + b on every cycle at once) as well.
    for (int dlugosc = 2; dlugosc <= n; ++dlugosc) {
        for (int cykli = 1; cykli * dlugosc <= n; ++cykli) {
            const int stalych = n - cykli * dlugosc;
            if (stalych > (cykli == 1 ? MaxStalychJednegoCyklu : MaxStalychCykli) || (cykli == 1 && dlugosc < 3))
                continue;
            const std::string cykle = (cykli > 1 ? std::to_string(cykli) + "x" : std::string()) + "Z" +
                                      std::to_string(dlugosc);
            const TPermutacja przesuniecie = Przesuniecie(n, dlugosc, cykli);
            kandydaci.push_back({{przesuniecie}, ZStalymi(cykle, stalych)});
            std::vector<std::vector<bool>> podgrupy;
            for (int a = 2; a < dlugosc; ++a) {
                if (std::gcd(a, dlugosc) != 1)
                    continue;
                std::vector<bool> potegi(static_cast<std::size_t>(dlugosc), false);
                int rzad = 0;
                for (int x = 1; !potegi[static_cast<std::size_t>(x)]; x = x * a % dlugosc, ++rzad)
                    potegi[static_cast<std::size_t>(x)] = true;
                if (std::find(podgrupy.begin(), podgrupy.end(), potegi) != podgrupy.end() ||
                    static_cast<std::size_t>(dlugosc) * static_cast<std::size_t>(rzad) > MaxRzaduKandydata)
                    continue;
                podgrupy.push_back(potegi);
                TPermutacja mnozenie = Tozsamosc(n);
                for (int c = 0; c < cykli; ++c)
                    for (int x = 0; x < dlugosc; ++x)
                        mnozenie[static_cast<std::size_t>(c * dlugosc + x)] =
                            static_cast<uint8_t>(c * dlugosc + x * a % dlugosc);
                kandydaci.push_back({{przesuniecie, mnozenie}, ZStalymi(cykle + ":" + std::to_string(rzad), stalych)});
            }
        }
    }
    return kandydaci;
}

TOrbity::TOrbity(const TRangi& rangi, TGrupa grupa) : grupa_(std::move(grupa))
{
    const int m = rangi.M();
    const uint64_t podzbiorow = rangi.Podzbiorow();
    orbita_.assign(static_cast<std::size_t>(podzbiorow), BezOrbity);
    std::array<uint8_t, MaxLiczbSystemu> s{};
    std::array<uint8_t, MaxLiczbSystemu> obraz{};
    for (uint64_t r = 0; r < podzbiorow; ++r) {
        if (orbita_[static_cast<std::size_t>(r)] != BezOrbity)
            continue;
        const auto numer = static_cast<uint32_t>(reprezentant_.size());
        reprezentant_.push_back(r);
        rangi.Odrangi(r, s.data());
        for (const TPermutacja& g : grupa_.Elementy()) {
            for (int i = 0; i < m; ++i)
                obraz[static_cast<std::size_t>(i)] = g[s[static_cast<std::size_t>(i)]];
            std::sort(obraz.begin(), obraz.begin() + m);
            orbita_[static_cast<std::size_t>(rangi.Ranga(obraz.data()))] = numer;
        }
    }
}

std::vector<TBlok> TOrbity::Rozwin(const std::vector<TBlok>& bloki, int k) const
{
    std::vector<TBlok> wynik;
    wynik.reserve(bloki.size() * grupa_.Rzad());
    for (const TBlok& blok : bloki) {
        for (const TPermutacja& g : grupa_.Elementy()) {
            TBlok obraz;
            for (int i = 0; i < k; ++i)
                obraz.p[static_cast<std::size_t>(i)] = g[blok.p[static_cast<std::size_t>(i)]];
            std::sort(obraz.p.begin(), obraz.p.begin() + k);
            wynik.push_back(obraz);
        }
    }
    auto mniejszy = [k](const TBlok& a, const TBlok& b) {
        return std::lexicographical_compare(a.p.begin(), a.p.begin() + k, b.p.begin(), b.p.begin() + k);
    };
    auto rowny = [k](const TBlok& a, const TBlok& b) { return std::equal(a.p.begin(), a.p.begin() + k, b.p.begin()); };
    std::sort(wynik.begin(), wynik.end(), mniejszy);
    wynik.erase(std::unique(wynik.begin(), wynik.end(), rowny), wynik.end());
    for (TBlok& b : wynik)
        b.UstawMaske(k);
    return wynik;
}

} // namespace tarvomund
