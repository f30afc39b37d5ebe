#include "systems/GrupyPokryc.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <utility>

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

// The field of q = p^e elements (e > 1), its elements numbered by their coefficients over GF(p) as
// base-p digits; multiplication modulo the first monic polynomial of degree e without zero divisors.
class TCialo {
public:
    TCialo(int p, int e) : p_(p), e_(e), q_(1)
    {
        for (int i = 0; i < e; ++i)
            q_ *= p;
        // x^e = -(c_0 + c_1 x + ... ) for the polynomial numbered `wielomian`.
        for (int wielomian = 0; wielomian < q_; ++wielomian) {
            redukcja_ = Cyfry(wielomian);
            iloczyn_.assign(static_cast<std::size_t>(q_) * static_cast<std::size_t>(q_), 0);
            bool cialo = true;
            for (int a = 0; a < q_ && cialo; ++a)
                for (int b = 0; b < q_ && cialo; ++b) {
                    const int c = Pomnoz(a, b);
                    iloczyn_[static_cast<std::size_t>(a * q_ + b)] = c;
                    cialo = a == 0 || b == 0 || c != 0;
                }
            if (cialo)
                break;
        }
    }
    int Suma(int a, int b) const
    {
        int wynik = 0;
        for (int i = 0, waga = 1; i < e_; ++i, waga *= p_, a /= p_, b /= p_)
            wynik += (a % p_ + b % p_) % p_ * waga;
        return wynik;
    }
    int Iloczyn(int a, int b) const { return iloczyn_[static_cast<std::size_t>(a * q_ + b)]; }
    // An element whose powers give every non-zero element.
    int Pierwotny() const
    {
        for (int g = 2; g < q_; ++g) {
            int rzad = 1;
            for (int x = g; x != 1; x = Iloczyn(x, g))
                ++rzad;
            if (rzad == q_ - 1)
                return g;
        }
        return 1;
    }

private:
    std::vector<int> Cyfry(int a) const
    {
        std::vector<int> cyfry(static_cast<std::size_t>(e_));
        for (int& c : cyfry) {
            c = a % p_;
            a /= p_;
        }
        return cyfry;
    }
    // Horner's rule over b's digits, from the highest: wynik = wynik * x + b_i * a.
    int Pomnoz(int a, int b) const
    {
        const std::vector<int> ca = Cyfry(a);
        const std::vector<int> cb = Cyfry(b);
        std::vector<int> w(static_cast<std::size_t>(e_), 0);
        for (int i = e_ - 1; i >= 0; --i) {
            const int gora = w.back();
            for (int j = e_ - 1; j > 0; --j)
                w[static_cast<std::size_t>(j)] = w[static_cast<std::size_t>(j - 1)];
            w[0] = 0;
            for (int j = 0; j < e_; ++j) {
                const auto jj = static_cast<std::size_t>(j);
                w[jj] = ((w[jj] - gora * redukcja_[jj] + ca[jj] * cb[static_cast<std::size_t>(i)]) % p_ + p_) % p_;
            }
        }
        int wynik = 0;
        for (int j = e_ - 1; j >= 0; --j)
            wynik = wynik * p_ + w[static_cast<std::size_t>(j)];
        return wynik;
    }

    int p_;
    int e_;
    int q_;
    std::vector<int> redukcja_;
    std::vector<int> iloczyn_;
};

// The prime p and exponent e > 1 with p^e = q, or nullopt when q is not such a power.
std::optional<std::pair<int, int>> PotegaPierwszej(int q)
{
    for (int p = 2; p * p <= q; ++p) {
        if (q % p != 0)
            continue;
        int e = 0;
        for (int r = q; r % p == 0; r /= p)
            ++e;
        int potega = 1;
        for (int i = 0; i < e; ++i)
            potega *= p;
        return potega == q ? std::optional<std::pair<int, int>>({p, e}) : std::nullopt;
    }
    return std::nullopt;
}

// x -> ax + b over the field of q = p^e elements on the first q numbers (b any, a in the subgroup of
// each order d of the multipliers), a few numbers fixed: groups the cyclic shifts miss.
void DodajAfiniczneNadCialem(int n, std::vector<TKandydatGrupy>& kandydaci)
{
    for (int q = 4; q <= n; ++q) {
        const int stalych = n - q;
        const auto potega = PotegaPierwszej(q);
        if (stalych > MaxStalychJednegoCyklu || !potega)
            continue;
        const TCialo cialo(potega->first, potega->second);
        std::vector<TPermutacja> przesuniecia;
        for (int i = 0, jednostka = 1; i < potega->second; ++i, jednostka *= potega->first) {
            TPermutacja t = Tozsamosc(n);
            for (int x = 0; x < q; ++x)
                t[static_cast<std::size_t>(x)] = static_cast<uint8_t>(cialo.Suma(x, jednostka));
            przesuniecia.push_back(t);
        }
        const std::string opis = "GF(" + std::to_string(q) + ")";
        const int pierwotny = cialo.Pierwotny();
        for (int d = 1; d < q; ++d) {
            if ((q - 1) % d != 0 || static_cast<std::size_t>(q) * static_cast<std::size_t>(d) > MaxRzaduKandydata)
                continue;
            std::vector<TPermutacja> generatory = przesuniecia;
            if (d > 1) {
                int a = 1;
                for (int i = 0; i < (q - 1) / d; ++i)
                    a = cialo.Iloczyn(a, pierwotny);
                TPermutacja mnozenie = Tozsamosc(n);
                for (int x = 0; x < q; ++x)
                    mnozenie[static_cast<std::size_t>(x)] = static_cast<uint8_t>(cialo.Iloczyn(a, x));
                generatory.push_back(mnozenie);
            }
            kandydaci.push_back({std::move(generatory), ZStalymi(d > 1 ? opis + ":" + std::to_string(d) : opis, stalych)});
        }
    }
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
    DodajAfiniczneNadCialem(n, kandydaci);
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
