// The most frequent sets of 5 numbers over the real 20-of-80 history (16,978 draws, C(20,5) = 15,504
// sets a draw): the statistics engine against the baseline that keys a sorted map by each set's
// label text, both in the same run. Both must give the same series; the time and the peak heap of
// each are reported, with their ratios. A run over the first 2,000 draws comes first, for a quick look.
//
// Peak heap is measured by TPomiarPamieci (PomiarPamieci.h).
#include "model/PlikGry.h"
#include "stats/TGenStat.h"
#include "systems/Kombinatoryka.h"

#include "PomiarPamieci.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <string>

namespace {

using namespace tarvomund;

constexpr double MiB = 1024.0 * 1024.0;
constexpr int RozmiarUkladu = 5;
constexpr int32_t MaksWynikow = 150;

// The baseline: every set's label as the key of a sorted map; the labels counted at least twice in
// key order, sorted by value (equal values keep key order), cut to the first 150.
TSeriaStatystyki MapaEtykiet(const TObGraLista& gra)
{
    std::map<std::string, int32_t> slownik;
    const int k = gra.IleLosowanych;
    for (TKombGen gen(RozmiarUkladu, k); !gen.Koniec; gen.Nastepna()) {
        for (const TObLos& los : gra.Losowania) {
            std::string opis;
            for (int i = 0; i < RozmiarUkladu; ++i) {
                if (i > 0)
                    opis += ',';
                opis += std::to_string(los.Liczby[gen.Kombinacja[static_cast<std::size_t>(i)] - 1u]);
            }
            ++slownik[opis];
        }
    }
    TSeriaStatystyki seria;
    for (const auto& [opis, ile] : slownik)
        if (ile >= 2)
            seria.emplace_back(ile, opis);
    std::stable_sort(seria.begin(), seria.end(),
                     [](const TWynik& a, const TWynik& b) { return a.Wartosc > b.Wartosc; });
    if (seria.size() > static_cast<std::size_t>(MaksWynikow))
        seria.erase(seria.begin() + MaksWynikow, seria.end());
    return seria;
}

TSeriaStatystyki Silnik(const TObGraLista& gra)
{
    TParametryStatystyki p = TParametryStatystyki::DlaGry(gra);
    p.Rodzaj = static_cast<int32_t>(TRodzajStatystyki::Liczby);
    p.Wybor1 = RozmiarUkladu - 1;
    std::atomic<bool> przerwij{false};
    return std::move(TGenStat(p, gra, {MaksWynikow, false}, przerwij).Wykonaj()[0]);
}

struct TPomiar {
    double Sekundy = 0;
    double SzczytMiB = 0;
    TSeriaStatystyki Seria;
};

template <class F> TPomiar Zmierz(F&& f)
{
    const bench::TPomiarPamieci pamiec;
    const auto poczatek = std::chrono::steady_clock::now();
    TPomiar pomiar;
    pomiar.Seria = f();
    pomiar.Sekundy = std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
    pomiar.SzczytMiB = static_cast<double>(pamiec.Szczyt()) / MiB;
    return pomiar;
}

bool TeSame(const TSeriaStatystyki& a, const TSeriaStatystyki& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TWynik& x, const TWynik& y) {
        return x.Wartosc == y.Wartosc && x.Opis == y.Opis;
    });
}

void BM_Uklady5z20(benchmark::State& state)
{
    auto gra = WczytajPlikGry(TARVOMUND_DANE "/multi-20z80.pl2");
    if (!gra || gra->IleLosowanych != 20) {
        state.SkipWithError("the 20-of-80 sample game is missing; build the przykladowe_gry target");
        return;
    }
    // The argument keeps the first draws only (a quick run); 0 takes the whole history.
    if (const auto ile = static_cast<std::size_t>(state.range(0)); ile > 0 && ile < gra->Losowania.size())
        gra->Losowania.resize(ile);
    for (auto _ : state) {
        const TPomiar silnik = Zmierz([&] { return Silnik(*gra); });
        const TPomiar mapa = Zmierz([&] { return MapaEtykiet(*gra); });
        if (!TeSame(silnik.Seria, mapa.Seria) ||
            silnik.Seria.size() != static_cast<std::size_t>(MaksWynikow)) {
            state.SkipWithError("the engine's series differs from the baseline's");
            return;
        }
        state.SetIterationTime(silnik.Sekundy);
        state.counters["losowan"] = static_cast<double>(gra->Losowania.size());
        state.counters["silnik_s"] = silnik.Sekundy;
        state.counters["mapa_s"] = mapa.Sekundy;
        state.counters["przyspieszenie"] = mapa.Sekundy / silnik.Sekundy;
        state.counters["silnik_MiB"] = silnik.SzczytMiB;
        state.counters["mapa_MiB"] = mapa.SzczytMiB;
        state.counters["mniej_pamieci"] = mapa.SzczytMiB / silnik.SzczytMiB;
        state.counters["pierwsza_wartosc"] = silnik.Seria.front().Wartosc;
    }
}
// The whole history's baseline runs for minutes (tens of them on a busy machine).
BENCHMARK(BM_Uklady5z20)->Arg(2000)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
