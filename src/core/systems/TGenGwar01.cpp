#include "systems/TGenGwar01.h"

#include "model/PlikSystemu.h"
#include "model/Wspolne.h"
#include "pools/Typowania.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <mutex>
#include <numeric>
#include <thread>

namespace tarvomund {

namespace {

constexpr std::array<int, IleBledowGwarancji> ProcentyBledu{0, 10, 15, 20, 25, 30, 35, 40, 45, 50};
constexpr long double MaxGodzinPostepu = 500;
constexpr const char* LiniaPodwojna = "=====================================";
constexpr int SzerokoscEtykiety = 5;
constexpr int SzerokoscKolumny = 10;
constexpr int MaxKolumnPilkarskich = 4;
// Cases a thread handles between looks at the shared progress and the clock.
constexpr uint64_t PaczkaPostepu = 64;

// Exact count of cases when it fits 64 bits; the split over threads needs ranks.
std::optional<uint64_t> DokladnaLiczba(const TSystemGwarancji& system, int m)
{
    if (system.Pilkarski) {
        uint64_t iloczyn = 1;
        for (const TTypowanie& t : system.Typy)
            iloczyn *= t.IleTypow;
        return iloczyn;
    }
    const int n = system.n;
    if (m < 0 || m > n)
        return 0;
    // c · (n − r + i) / i is whole at every step; dividing by the common factor first keeps it in range.
    uint64_t c = 1;
    const int r = std::min(m, n - m);
    for (int i = 1; i <= r; ++i) {
        const uint64_t g = std::gcd(c, static_cast<uint64_t>(i));
        const uint64_t czynnik = static_cast<uint64_t>(n - r + i) / (static_cast<uint64_t>(i) / g);
        if (__builtin_mul_overflow(c / g, czynnik, &c) || c > std::numeric_limits<uint64_t>::max() / 128)
            return std::nullopt;
    }
    return c;
}

// One case of the enumeration: which mask each depth adds. For a number system depth d holds a
// position (0-based, ascending), for a pool system the sign index of multi-sign match d.
class TWyliczenie {
public:
    TWyliczenie(const TSystemGwarancji& system, int L) : system_(system), L_(L), elementy_(static_cast<std::size_t>(L))
    {
    }

    // Sets the case of the given rank; false when it lies beyond the last.
    bool UstawRange(uint64_t ranga)
    {
        if (system_.Pilkarski) {
            for (int d = L_ - 1; d >= 0; --d) {
                const unsigned podstawa = system_.Typy[static_cast<std::size_t>(d)].IleTypow;
                elementy_[static_cast<std::size_t>(d)] = static_cast<int>(ranga % podstawa);
                ranga /= podstawa;
            }
            return ranga == 0;
        }
        const int n = system_.n;
        int od = 0;
        for (int i = 0; i < L_; ++i) {
            int v = od;
            for (;; ++v) {
                if (v > n - (L_ - i))
                    return false;
                const long double ile = Kombinacje(n - 1 - v, L_ - 1 - i);
                const uint64_t ileCalk = ile > 1.8e19L ? std::numeric_limits<uint64_t>::max()
                                                       : static_cast<uint64_t>(std::llround(ile));
                if (ranga < ileCalk)
                    break;
                ranga -= ileCalk;
            }
            elementy_[static_cast<std::size_t>(i)] = v;
            od = v + 1;
        }
        return true;
    }

    // Advances once; returns the first depth that changed, or -1 after the last case.
    int Nastepna()
    {
        if (system_.Pilkarski) {
            for (int d = L_ - 1; d >= 0; --d) {
                int& e = elementy_[static_cast<std::size_t>(d)];
                if (e + 1 < system_.Typy[static_cast<std::size_t>(d)].IleTypow) {
                    ++e;
                    return d;
                }
                e = 0;
            }
            return -1;
        }
        const int n = system_.n;
        for (int i = L_ - 1; i >= 0; --i) {
            int& e = elementy_[static_cast<std::size_t>(i)];
            if (e < n - L_ + i) {
                ++e;
                for (int j = i + 1; j < L_; ++j)
                    elementy_[static_cast<std::size_t>(j)] = elementy_[static_cast<std::size_t>(j - 1)] + 1;
                return i;
            }
        }
        return -1;
    }

    int Element(int d) const { return elementy_[static_cast<std::size_t>(d)]; }

private:
    const TSystemGwarancji& system_;
    int L_;
    std::vector<int> elementy_;
};

// Per-mask bit sets over the bets and the bit-sliced counters of one thread.
class TMaskiZakladow {
public:
    TMaskiZakladow(const TSystemGwarancji& system, int L) : L_(L)
    {
        const std::size_t zakladow = system.Zaklady.size();
        W_ = (zakladow + 63) / 64;
        ostatnie_ = zakladow % 64 == 0 ? ~uint64_t{0} : (uint64_t{1} << (zakladow % 64)) - 1;
        if (W_ == 0)
            ostatnie_ = 0;
        P_ = std::max(1, static_cast<int>(std::bit_width(static_cast<unsigned>(L))));
        if (system.Pilkarski) {
            for (const TTypowanie& t : system.Typy) {
                poczatek_.push_back(static_cast<int>(maski_.size() / std::max<std::size_t>(W_, 1)));
                for (int z = 0; z < t.IleTypow; ++z)
                    DodajMaske(system, [&](const TZaklad& zaklad) {
                        return zaklad[static_cast<std::size_t>(t.Mecz - 1)] == KodZnaku(t.Typy[static_cast<std::size_t>(z)]);
                    });
            }
        } else {
            poczatek_.assign(static_cast<std::size_t>(L), 0);
            for (int p = 1; p <= system.n; ++p)
                DodajMaske(system, [&](const TZaklad& zaklad) {
                    return std::find(zaklad.begin(), zaklad.begin() + system.k, p) != zaklad.begin() + system.k;
                });
        }
        if (W_ == 0)
            W_ = 1; // keeps the arithmetic uniform for a system without bets
        if (maski_.empty())
            maski_.assign(W_, 0);
    }

    std::size_t W() const { return W_; }
    int P() const { return P_; }
    int L() const { return L_; }
    // The mask for depth d and element e.
    const uint64_t* Maska(int d, int e) const
    {
        return maski_.data() + static_cast<std::size_t>(poczatek_[static_cast<std::size_t>(d)] + e) * W_;
    }
    uint64_t Ostatnie() const { return ostatnie_; }

private:
    template <typename F> void DodajMaske(const TSystemGwarancji& system, F trafia)
    {
        const std::size_t start = maski_.size();
        maski_.resize(start + W_, 0);
        for (std::size_t b = 0; b < system.Zaklady.size(); ++b)
            if (trafia(system.Zaklady[b]))
                maski_[start + b / 64] |= uint64_t{1} << (b % 64);
    }

    int L_;
    std::size_t W_ = 0;
    int P_ = 1;
    uint64_t ostatnie_ = 0;
    std::vector<int> poczatek_;
    std::vector<uint64_t> maski_;
};

// The counters of one thread: for each depth d, the P bit planes of the hit counts of every bet
// after the first d masks of the case.
class TLiczniki {
public:
    explicit TLiczniki(const TMaskiZakladow& maski)
        : m_(maski), stan_(static_cast<std::size_t>(maski.L() + 1) * static_cast<std::size_t>(maski.P()) * maski.W(), 0)
    {
        // For each count h and counter bit j: all ones where that bit of h is 0, to flip the plane.
        const int P = maski.P();
        for (int h = 0; h <= maski.L(); ++h)
            for (int j = 0; j < P; ++j)
                odwrocenie_.push_back(((h >> j) & 1) ? 0 : ~uint64_t{0});
    }

    // Recomputes depths od+1..L for the case, reusing depths up to od.
    void Przelicz(const TWyliczenie& przypadek, int od)
    {
        const std::size_t W = m_.W();
        const int P = m_.P();
        for (int d = od; d < m_.L(); ++d) {
            const uint64_t* maska = m_.Maska(d, przypadek.Element(d));
            const uint64_t* z = Plaszczyzna(d, 0);
            uint64_t* na = Plaszczyzna(d + 1, 0);
            for (std::size_t w = 0; w < W; ++w) {
                uint64_t przeniesienie = maska[w];
                for (int j = 0; j < P; ++j) {
                    const uint64_t bit = z[static_cast<std::size_t>(j) * W + w];
                    na[static_cast<std::size_t>(j) * W + w] = bit ^ przeniesienie;
                    przeniesienie &= bit;
                }
            }
        }
    }

    // wpisy[h - 1] = bets with exactly h hits, h = 1..c.
    void Rozklad(int c, int32_t* wpisy) const
    {
        for (int h = 1; h <= c; ++h)
            wpisy[h - 1] = 0;
        switch (m_.P()) {
        case 1: RozkladP<1>(c, wpisy); break;
        case 2: RozkladP<2>(c, wpisy); break;
        case 3: RozkladP<3>(c, wpisy); break;
        case 4: RozkladP<4>(c, wpisy); break;
        case 5: RozkladP<5>(c, wpisy); break;
        case 6: RozkladP<6>(c, wpisy); break;
        default: RozkladP<7>(c, wpisy); break;
        }
    }

private:
    // A bet has exactly h hits when each of its counter bits equals that bit of h: with the planes
    // of one word in registers, that is P masked comparisons per h, without branches.
    template <int P> void RozkladP(int c, int32_t* wpisy) const
    {
        const std::size_t W = m_.W();
        const uint64_t* s = Plaszczyzna(m_.L(), 0);
        for (std::size_t w = 0; w < W; ++w) {
            std::array<uint64_t, P> b;
            for (int j = 0; j < P; ++j)
                b[static_cast<std::size_t>(j)] = s[static_cast<std::size_t>(j) * W + w];
            const uint64_t wazne = w + 1 == W ? m_.Ostatnie() : ~uint64_t{0};
            for (int h = 1; h <= c; ++h) {
                uint64_t rowne = wazne;
                for (int j = 0; j < P; ++j)
                    rowne &= b[static_cast<std::size_t>(j)] ^ odwrocenie_[static_cast<std::size_t>(h * P + j)];
                wpisy[h - 1] += std::popcount(rowne);
            }
        }
    }

    uint64_t* Plaszczyzna(int d, int j)
    {
        return stan_.data() + (static_cast<std::size_t>(d) * static_cast<std::size_t>(m_.P()) + static_cast<std::size_t>(j)) * m_.W();
    }
    const uint64_t* Plaszczyzna(int d, int j) const
    {
        return stan_.data() + (static_cast<std::size_t>(d) * static_cast<std::size_t>(m_.P()) + static_cast<std::size_t>(j)) * m_.W();
    }

    const TMaskiZakladow& m_;
    std::vector<uint64_t> stan_;
    std::vector<uint64_t> odwrocenie_;
};

std::string Formatuj(const char* format, long double wartosc)
{
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, format, wartosc);
    return bufor;
}

std::string Kolumny(const TKonfiguracja& k, const TSystemGwarancji& system, int c)
{
    std::string wiersz;
    const int dol = system.Pilkarski ? std::max(1, c - (MaxKolumnPilkarskich - 1)) : 1;
    for (int j = c; j >= dol; --j) {
        const int32_t ile = k.Wpis(j);
        if (ile > 0) {
            // Pool columns count the single-sign matches as hits too.
            const int etykieta = system.Pilkarski ? j + (system.k - c) : j;
            wiersz += DopelnijZLewej(SzerokoscKolumny, std::to_string(ile) + "x(" + std::to_string(etykieta) + ")");
        } else {
            wiersz += "    ------";
        }
    }
    return wiersz;
}

std::string Udzial(const std::string& etykieta, long double p, bool regulaMalych)
{
    const std::string lewa = DopelnijZLewej(SzerokoscEtykiety, etykieta);
    if (regulaMalych && p < 0.0001L)
        return lewa + "[ >0.0001%]";
    return lewa + "[" + Formatuj("%8.4Lf", p) + "%]";
}

} // namespace

int ProcentBleduGwarancji(int indeks)
{
    return indeks >= 0 && indeks < IleBledowGwarancji ? ProcentyBledu[static_cast<std::size_t>(indeks)] : 0;
}

std::optional<TSystemGwarancji> WczytajSystemGwarancji(const std::string& plik, TBladWczytaniaGwarancji* blad)
{
    auto ustaw = [blad](TBladWczytaniaGwarancji b) {
        if (blad)
            *blad = b;
    };
    TCzytnikSystemu czytnik(plik);
    if (!czytnik.Otwarty()) {
        ustaw(TBladWczytaniaGwarancji::BladOdczytu);
        return std::nullopt;
    }
    const TNaglowekSystemu& naglowek = czytnik.Naglowek();
    TSystemGwarancji system;
    system.Pilkarski = naglowek.Pilkarski();
    system.n = naglowek.Info.n;
    system.k = naglowek.Info.k;
    system.IleLosowanych = naglowek.Info.IleLosowanych;
    if (!system.Pilkarski && naglowek.Info.Zakladow > MaxZakladowGwarancji) {
        ustaw(TBladWczytaniaGwarancji::ZbytDuzy);
        return std::nullopt;
    }
    system.Zaklady = czytnik.Zaklady(1, naglowek.Info.Zakladow);
    if (static_cast<int32_t>(system.Zaklady.size()) != naglowek.Info.Zakladow) {
        ustaw(TBladWczytaniaGwarancji::BladOdczytu);
        return std::nullopt;
    }
    if (system.Pilkarski) {
        // The typed matches are those of the typing block, as the pool window restores them; only a
        // system whose block is empty falls back on the signs its bets happen to use.
        const std::array<TTablicaLiczb, 3>& blok = naglowek.Info.Wlasne;
        const TTypy typy = BlokPusty(blok, system.k) ? TypyZZakladow(system.Zaklady, system.k)
                                                     : TypyZBloku(blok, system.k);
        system.Typy = TypowaniaWielokrotne(TypowaniaZTypow(typy, system.k));
    }
    ustaw(TBladWczytaniaGwarancji::Brak);
    return system;
}

TPostepGwarancji PostepGwarancji(long double wszystkich, long double zrobionych, int64_t sekund)
{
    TPostepGwarancji postep;
    postep.Pozycja = wszystkich > 0 ? static_cast<int>(std::llround(zrobionych * 100 / wszystkich)) : 0;
    const long double reszta =
        zrobionych > 0 ? (wszystkich - zrobionych) / zrobionych * static_cast<long double>(sekund) : 0.0L;
    const long double godzinyCale = reszta / 3600;
    if (godzinyCale > MaxGodzinPostepu) {
        postep.Czas = "??:??:??";
    } else {
        // Whole seconds first, so minutes and seconds never round up to 60.
        const auto sekundyCale = static_cast<int64_t>(std::llround(reszta));
        const auto godziny = static_cast<int>(sekundyCale / 3600);
        const auto minuty = static_cast<int>(sekundyCale % 3600 / 60);
        const auto sekundy = static_cast<int>(sekundyCale % 60);
        char bufor[32];
        std::snprintf(bufor, sizeof bufor, "%02d:%02d:%02d", godziny, minuty, sekundy);
        postep.Czas = bufor;
    }
    const auto d = std::max(static_cast<int32_t>(std::llround(zrobionych)) - 1, 0);
    const auto t = static_cast<int32_t>(std::llround(std::min(wszystkich, 2e9L))) - 1;
    postep.Procent = Formatuj("%9.5Lf%%", static_cast<long double>(Procent(d, t)));
    return postep;
}

int KolumnyGwarancji(const TSystemGwarancji& system, int m)
{
    return system.Pilkarski ? static_cast<int>(system.Typy.size()) : std::min(system.k, m);
}

long double PrzypadkiGwarancji(const TSystemGwarancji& system, int m)
{
    if (system.Pilkarski) {
        long double iloczyn = 1;
        for (const TTypowanie& t : system.Typy)
            iloczyn *= t.IleTypow;
        return iloczyn;
    }
    return Kombinacje(system.n, m);
}

TGenGwar01::TGenGwar01(const TSystemGwarancji& system, TUstawieniaGwarancji ustawienia,
                       const std::atomic<bool>& przerwij, TPokazPostepGwarancji postep, unsigned watkow)
    : system_(system), ustawienia_(ustawienia), przerwij_(przerwij), postep_(std::move(postep)),
      watkow_(watkow ? watkow : std::max(1u, std::thread::hardware_concurrency()))
{
}

TKonfig TGenGwar01::Konfiguracje(bool& przerwano, bool& zaDuzo)
{
    const int m = ustawienia_.m;
    const int L = system_.Pilkarski ? static_cast<int>(system_.Typy.size()) : m;
    const int c = KolumnyGwarancji(system_, m);
    const uint64_t krok = static_cast<uint64_t>(std::clamp(ustawienia_.IndeksBledu, 0, IleBledowGwarancji - 1) + 1);
    TKonfig wynik(L, ustawienia_.LimitKonfiguracji);
    przerwano = false;
    zaDuzo = false;
    if (L <= 0 || (!system_.Pilkarski && (m > system_.n || system_.n < 1)))
        return wynik;

    const TMaskiZakladow maski(system_, L);
    const std::optional<uint64_t> dokladnie = DokladnaLiczba(system_, m);
    // Visited cases are 0, s, 2s, ... of the enumeration; each chunk is a run of them.
    const uint64_t odwiedzanych = dokladnie ? (*dokladnie + krok - 1) / krok : std::numeric_limits<uint64_t>::max();
    const unsigned watkow = dokladnie ? watkow_ : 1;
    const uint64_t kawalkow = dokladnie ? std::clamp<uint64_t>(odwiedzanych / 4096, 1, uint64_t{watkow} * 32) : 1;
    const uint64_t naKawalek = (odwiedzanych + kawalkow - 1) / kawalkow;
    const long double wszystkichDoPostepu = std::floor(PrzypadkiGwarancji(system_, m)) / static_cast<long double>(krok);

    std::atomic<uint64_t> nastepnyKawalek{0};
    std::atomic<uint64_t> zrobionych{0};
    std::atomic<bool> koniec{false};
    const auto start = std::chrono::steady_clock::now();
    int64_t ostatniaSekunda = 0;
    std::mutex zamekWyniku;

    auto pracuj = [&](bool raportuje) {
        TKonfig lokalny(L, ustawienia_.LimitKonfiguracji);
        TLiczniki liczniki(maski);
        TWyliczenie przypadek(system_, L);
        std::vector<int32_t> wpisy(static_cast<std::size_t>(L), 0);
        uint64_t paczka = 0;
        auto zglos = [&] {
            zrobionych.fetch_add(paczka, std::memory_order_relaxed);
            paczka = 0;
            if (!raportuje || !postep_)
                return;
            const auto sekund =
                std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
            if (sekund > ostatniaSekunda) {
                ostatniaSekunda = sekund;
                postep_(PostepGwarancji(wszystkichDoPostepu,
                                        static_cast<long double>(zrobionych.load(std::memory_order_relaxed)), sekund));
            }
        };
        while (!koniec.load(std::memory_order_relaxed)) {
            const uint64_t kawalek = nastepnyKawalek.fetch_add(1);
            if (kawalek >= kawalkow)
                break;
            const uint64_t od = kawalek * naKawalek;
            const uint64_t doIndeksu = std::min(odwiedzanych, od + naKawalek);
            if (od >= doIndeksu || !przypadek.UstawRange(od * krok))
                continue;
            int zmieniona = 0;
            for (uint64_t indeks = od; indeks < doIndeksu; ++indeks) {
                if (przerwij_.load(std::memory_order_relaxed) || koniec.load(std::memory_order_relaxed)) {
                    koniec = true;
                    break;
                }
                liczniki.Przelicz(przypadek, zmieniona);
                liczniki.Rozklad(c, wpisy.data());
                if (std::any_of(wpisy.begin(), wpisy.begin() + c, [](int32_t w) { return w != 0; }) &&
                    !lokalny.Dodaj(wpisy.data(), 1, indeks)) {
                    zaDuzo = true;
                    koniec = true;
                    break;
                }
                if (++paczka == PaczkaPostepu)
                    zglos();
                zmieniona = L;
                bool poKoncu = false;
                for (uint64_t i = 0; i < krok; ++i) {
                    const int z = przypadek.Nastepna();
                    if (z < 0) {
                        poKoncu = true;
                        break;
                    }
                    zmieniona = std::min(zmieniona, z);
                }
                if (poKoncu)
                    break;
            }
        }
        zglos();
        // The first part to finish becomes the result; the others are merged into it.
        std::lock_guard blokada(zamekWyniku);
        if (wynik.Ile() == 0)
            std::swap(wynik, lokalny);
        else if (!wynik.Dolacz(lokalny))
            zaDuzo = true;
    };

    std::vector<std::thread> pomocnicze;
    for (unsigned i = 1; i < watkow; ++i)
        pomocnicze.emplace_back(pracuj, false);
    pracuj(true);
    for (std::thread& w : pomocnicze)
        w.join();
    przerwano = przerwij_.load() || zaDuzo;
    wynik.Sortuj();
    return wynik;
}

TWynikGwarancji TGenGwar01::Wykonaj()
{
    TWynikGwarancji wynik;
    if (system_.Pilkarski && system_.Typy.empty())
        return wynik;
    const TKonfig konfig = Konfiguracje(wynik.Przerwano, wynik.ZaDuzoKonfiguracji);
    wynik.Wiersze = WierszeGwarancji(konfig, system_, ustawienia_, PrzypadkiGwarancji(system_, ustawienia_.m));
    return wynik;
}

std::vector<std::string> WierszeGwarancji(const TKonfig& posortowane, const TSystemGwarancji& system,
                                          const TUstawieniaGwarancji& ustawienia, long double wszystkich)
{
    std::vector<std::string> wiersze;
    wiersze.emplace_back(LiniaPodwojna);
    wiersze.push_back("Ilość trafionych liczb - " + std::string(" - ") + std::to_string(ustawienia.m) + " - " +
                      " Błąd " + std::to_string(ProcentBleduGwarancji(ustawienia.IndeksBledu)) + "%");
    const int c = KolumnyGwarancji(system, ustawienia.m);
    const long double krok = static_cast<long double>(std::clamp(ustawienia.IndeksBledu, 0, IleBledowGwarancji - 1) + 1);
    auto udzial = [&](const TKonfiguracja& k) {
        return wszystkich > 0 ? static_cast<long double>(k.Ile) * krok * 100 / wszystkich : 0.0L;
    };
    int32_t nad = 0;
    int32_t pod = 0;
    std::optional<TKonfiguracja> maks;
    std::optional<TKonfiguracja> min;
    for (std::size_t i = 0; i < posortowane.Ile(); ++i) {
        const TKonfiguracja k = posortowane[i];
        const long double p = udzial(k);
        if (p > 1) {
            if (nad < ustawienia.IleNad) {
                ++nad;
                wiersze.push_back(Udzial(std::to_string(nad), std::min(p, 100.0L), false) + Kolumny(k, system, c));
            }
        } else if (ustawienia.MinMax) {
            if (!maks || k.Ile > maks->Ile)
                maks = k;
            if (!min || k.Ile < min->Ile)
                min = k;
        } else if (pod < ustawienia.IlePod) {
            ++pod;
            wiersze.push_back(Udzial(std::to_string(pod), p, true) + Kolumny(k, system, c));
        }
    }
    if (ustawienia.MinMax && maks) {
        wiersze.push_back(Udzial("Max ", udzial(*maks), true) + Kolumny(*maks, system, c));
        wiersze.push_back(Udzial("Min ", udzial(*min), true) + Kolumny(*min, system, c));
    }
    return wiersze;
}

} // namespace tarvomund
