#include "systems/PokrycieGwarancyjne.h"

#include "model/Wspolne.h"

#include <algorithm>
#include <limits>

namespace tarvomund {

namespace {

constexpr uint64_t Przepelnienie = std::numeric_limits<uint64_t>::max();
constexpr int BitowSlowa = 64;

// Calls f(indeksy) for every r-subset of 1..t in lexicographic order; r = 0 gives the empty subset once.
template <typename F> void DlaPodzbiorow(int t, int r, F&& f)
{
    if (r == 0) {
        f(TZaklad{});
        return;
    }
    for (TKombGen gen(r, t); !gen.Koniec; gen.Nastepna())
        f(gen.Kombinacja);
}

std::vector<std::array<uint64_t, MaxLiczbSystemu + 1>> TablicaDwumianow()
{
    std::vector<std::array<uint64_t, MaxLiczbSystemu + 1>> c(MaxLiczbSystemu + 1);
    for (std::size_t a = 0; a <= MaxLiczbSystemu; ++a) {
        c[a][0] = 1;
        for (std::size_t b = 1; b <= a; ++b) {
            const uint64_t lewy = c[a - 1][b - 1];
            const uint64_t prawy = b < a ? c[a - 1][b] : 0;
            c[a][b] = lewy > Przepelnienie - prawy ? Przepelnienie : lewy + prawy;
        }
    }
    return c;
}

} // namespace

bool TPokrycieGwarancyjne::Mozliwe(int n, int k, int m)
{
    if (m < 1 || m > k || k > n || n > MaxLiczbSystemu)
        return false;
    const long double podzbiorow = Kombinacje(n, m);
    return podzbiorow <= static_cast<long double>(MaxPodzbiorow);
}

TPokrycieGwarancyjne::TPokrycieGwarancyjne(int n, int k, int m)
    : n_(n), k_(k), m_(m), dwumian_(TablicaDwumianow())
{
    podzbiorow_ = dwumian_[static_cast<std::size_t>(n)][static_cast<std::size_t>(m)];
    niepokrytych_ = podzbiorow_;
    mapa_.assign(static_cast<std::size_t>((podzbiorow_ + BitowSlowa - 1) / BitowSlowa), 0);
}

uint64_t TPokrycieGwarancyjne::Numer(const uint8_t* pozycje) const
{
    // Combinatorial number system: the i-th smallest position p (0-based i) contributes C(p - 1, i + 1).
    uint64_t numer = 0;
    for (int i = 0; i < m_; ++i)
        numer += dwumian_[static_cast<std::size_t>(pozycje[i] - 1)][static_cast<std::size_t>(i + 1)];
    return numer;
}

bool TPokrycieGwarancyjne::Pokryty(const TZaklad& podzbior) const
{
    return Bit(Numer(podzbior.data()));
}

int64_t TPokrycieGwarancyjne::Oznacz(const TZaklad& zaklad)
{
    TZaklad pozycje = zaklad;
    std::sort(pozycje.begin(), pozycje.begin() + k_);
    int64_t nowych = 0;
    DlaPodzbiorow(k_, m_, [&](const TZaklad& indeksy) {
        TZaklad podzbior{};
        for (int i = 0; i < m_; ++i)
            podzbior[static_cast<std::size_t>(i)] = pozycje[static_cast<std::size_t>(indeksy[static_cast<std::size_t>(i)] - 1)];
        const uint64_t numer = Numer(podzbior.data());
        uint64_t& slowo = mapa_[numer / BitowSlowa];
        const uint64_t bit = uint64_t{1} << (numer % BitowSlowa);
        if (slowo & bit)
            return;
        slowo |= bit;
        --niepokrytych_;
        ++nowych;
        for (int i = 0; i < m_; ++i)
            ++pokrytychZ_[podzbior[static_cast<std::size_t>(i)]];
    });
    return nowych;
}

int64_t TPokrycieGwarancyjne::Zysk(const TZaklad& pozycje, int ile, int pozycja) const
{
    int64_t zysk = 0;
    DlaPodzbiorow(ile, m_ - 1, [&](const TZaklad& indeksy) {
        // The chosen m - 1 positions of the bet with the new one merged in, ascending.
        TZaklad podzbior{};
        int j = 0;
        bool wstawiona = false;
        for (int i = 0; i < m_ - 1; ++i) {
            const uint8_t p = pozycje[static_cast<std::size_t>(indeksy[static_cast<std::size_t>(i)] - 1)];
            if (!wstawiona && pozycja < p) {
                podzbior[static_cast<std::size_t>(j++)] = static_cast<uint8_t>(pozycja);
                wstawiona = true;
            }
            podzbior[static_cast<std::size_t>(j++)] = p;
        }
        if (!wstawiona)
            podzbior[static_cast<std::size_t>(j)] = static_cast<uint8_t>(pozycja);
        if (!Bit(Numer(podzbior.data())))
            ++zysk;
    });
    return zysk;
}

TZaklad TPokrycieGwarancyjne::Dopelnij(const TZaklad& podzbior) const
{
    TZaklad zaklad{};
    std::array<bool, MaxLiczbSystemu + 1> uzyta{};
    for (int i = 0; i < m_; ++i) {
        zaklad[static_cast<std::size_t>(i)] = podzbior[static_cast<std::size_t>(i)];
        uzyta[podzbior[static_cast<std::size_t>(i)]] = true;
    }
    for (int ile = m_; ile < k_; ++ile) {
        TZaklad posortowane = zaklad;
        std::sort(posortowane.begin(), posortowane.begin() + ile);
        int najlepsza = 0;
        int64_t najwiekszyZysk = -1;
        for (int p = 1; p <= n_; ++p) {
            if (uzyta[static_cast<std::size_t>(p)])
                continue;
            const int64_t zysk = Zysk(posortowane, ile, p);
            // Fewer held subsets through p means more still to cover through it.
            if (zysk > najwiekszyZysk ||
                (zysk == najwiekszyZysk && pokrytychZ_[static_cast<std::size_t>(p)] <
                                               pokrytychZ_[static_cast<std::size_t>(najlepsza)])) {
                najlepsza = p;
                najwiekszyZysk = zysk;
            }
        }
        zaklad[static_cast<std::size_t>(ile)] = static_cast<uint8_t>(najlepsza);
        uzyta[static_cast<std::size_t>(najlepsza)] = true;
    }
    SortujZaklad(zaklad, k_);
    return zaklad;
}

std::vector<TZaklad> DopelnijPrzegladem(int n, int k, int m, std::vector<TZaklad> zaklady,
                                        const std::function<bool(int64_t, int64_t)>& krok)
{
    std::vector<TZaklad> dodane;
    if (m < 1 || m > k || k > n)
        return dodane;
    const int64_t podzbiorow = Zaokraglij(Kombinacje(n, m));
    int64_t numer = 0;
    for (TKombGen gen(m, n); !gen.Koniec; gen.Nastepna()) {
        if (krok(++numer, podzbiorow))
            break;
        const TZaklad& podzbior = gen.Kombinacja;
        if (std::any_of(zaklady.begin(), zaklady.end(),
                        [&](const TZaklad& z) { return ZawieraWszystkie(k, m, z, podzbior); }))
            continue;
        TZaklad zaklad = podzbior;
        int ile = m;
        for (int p = 1; ile < k; ++p)
            if (!Zawiera(static_cast<uint8_t>(p), ile, zaklad))
                zaklad[static_cast<std::size_t>(ile++)] = static_cast<uint8_t>(p);
        SortujZaklad(zaklad, k);
        zaklady.push_back(zaklad);
        dodane.push_back(zaklad);
    }
    return dodane;
}

} // namespace tarvomund
