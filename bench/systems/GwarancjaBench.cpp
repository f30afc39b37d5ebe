// The guarantee table: the bit-sliced, prefix-sharing, two-thread enumeration against the plain
// definition (one thread, bets as bit sets, one bit test per drawn position), on the same systems.
#include "systems/TGenGwar01.h"

#include <benchmark/benchmark.h>

#include <array>
#include <map>

namespace {

using namespace tarvomund;

struct TPrzypadek {
    int n, k, zakladow, m;
};

constexpr std::array<TPrzypadek, 3> Przypadki{{{30, 6, 2000, 6}, {49, 6, 200, 5}, {20, 10, 5000, 8}}};

const TSystemGwarancji& System(const TPrzypadek& p)
{
    static std::map<int, TSystemGwarancji> systemy;
    auto [it, nowy] = systemy.try_emplace(p.n * 100000 + p.zakladow);
    if (nowy) {
        TLosowe losowe(p.n * 7919 + p.zakladow);
        TListaZakladow rozne(p.k);
        while (rozne.Ile() < static_cast<std::size_t>(p.zakladow))
            rozne.Dodaj(LosujZaklad(p.k, p.n, losowe));
        it->second.n = p.n;
        it->second.k = p.k;
        it->second.Zaklady = rozne.Posortowane();
    }
    return it->second;
}

std::vector<std::string> Wprost(const TSystemGwarancji& system, const TUstawieniaGwarancji& ust)
{
    struct TBity {
        std::array<uint64_t, 4> Slowa{};
    };
    std::vector<TBity> zaklady;
    for (const TZaklad& z : system.Zaklady) {
        TBity b;
        for (int i = 0; i < system.k; ++i)
            b.Slowa[z[static_cast<std::size_t>(i)] / 64] |= uint64_t{1} << (z[static_cast<std::size_t>(i)] % 64);
        zaklady.push_back(b);
    }
    const int m = ust.m;
    const int c = std::min(system.k, m);
    TKonfig konfig(m);
    std::vector<int32_t> wpisy(static_cast<std::size_t>(m));
    uint64_t indeks = 0;
    for (TKombGen gen(m, system.n); !gen.Koniec; gen.Nastepna(), ++indeks) {
        std::fill(wpisy.begin(), wpisy.end(), 0);
        for (const TBity& b : zaklady) {
            int h = 0;
            for (int i = 0; i < m; ++i) {
                const unsigned p = gen.Kombinacja[static_cast<std::size_t>(i)];
                h += (b.Slowa[p / 64] >> (p % 64)) & 1;
            }
            if (h > 0)
                ++wpisy[static_cast<std::size_t>(h - 1)];
        }
        if (std::any_of(wpisy.begin(), wpisy.begin() + c, [](int32_t w) { return w != 0; }))
            konfig.Dodaj(wpisy.data(), 1, indeks);
    }
    konfig.Sortuj();
    return WierszeGwarancji(konfig, system, ust, PrzypadkiGwarancji(system, m));
}

TUstawieniaGwarancji Ustawienia(const TPrzypadek& p)
{
    TUstawieniaGwarancji ust;
    ust.m = p.m;
    ust.MinMax = false;
    ust.IlePod = 100000;
    return ust;
}

void BM_GwarancjaWprost(benchmark::State& stan)
{
    const TPrzypadek& p = Przypadki[static_cast<std::size_t>(stan.range(0))];
    const TSystemGwarancji& system = System(p);
    for (auto _ : stan)
        benchmark::DoNotOptimize(Wprost(system, Ustawienia(p)));
    stan.SetLabel(std::to_string(p.n) + "/" + std::to_string(p.k) + " " + std::to_string(p.zakladow) + " bets m=" +
                  std::to_string(p.m));
}
BENCHMARK(BM_GwarancjaWprost)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Gwarancja(benchmark::State& stan)
{
    const TPrzypadek& p = Przypadki[static_cast<std::size_t>(stan.range(0))];
    const TSystemGwarancji& system = System(p);
    std::atomic<bool> stop{false};
    std::vector<std::string> wiersze;
    for (auto _ : stan) {
        wiersze = TGenGwar01(system, Ustawienia(p), stop).Wykonaj().Wiersze;
        benchmark::DoNotOptimize(wiersze);
    }
    // Checked once outside the timing: the fast table must equal the plain one line for line.
    stan.counters["identyczne"] = wiersze == Wprost(system, Ustawienia(p)) ? 1 : 0;
    stan.counters["wierszy"] = static_cast<double>(wiersze.size());
    stan.SetLabel(std::to_string(p.n) + "/" + std::to_string(p.k) + " " + std::to_string(p.zakladow) + " bets m=" +
                  std::to_string(p.m));
}
BENCHMARK(BM_Gwarancja)->DenseRange(0, 2)->MinTime(1.0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
