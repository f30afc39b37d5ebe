// "Never drawn together" over the shipped 20 of 80 history: each subset of all 80 numbers tested
// against the draws number by number (the baseline) against the AND of its numbers' draw masks,
// for sets of 3 and of 4.
#include "GryPrzykladowe.h"
#include "stats/TGenSzukBazaL.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace {

using namespace tarvomund;

const TObGraLista& Keno()
{
    return bench::Multi2080();
}

std::vector<uint8_t> Pula()
{
    std::vector<uint8_t> pula;
    for (int x = 1; x <= Keno().IleLiczb; ++x)
        pula.push_back(static_cast<uint8_t>(x));
    return pula;
}

// How many subsets were never drawn together, and a checksum of them.
std::pair<int64_t, uint64_t> Szukaj(int rozmiar, TSposobNigdy sposob)
{
    const std::atomic<bool> przerwij{false};
    int64_t ile = 0;
    uint64_t suma = 0;
    SzukajNigdyRazem(Pula(), rozmiar, Keno().Losowania, Keno().IleLosowanych, sposob, przerwij, nullptr,
                     [&](const uint8_t* z) {
                         ++ile;
                         for (int j = 0; j < rozmiar; ++j)
                             suma = suma * 131 + z[j];
                     });
    return {ile, suma};
}

void Etykieta(benchmark::State& stan)
{
    stan.SetLabel("sets of " + std::to_string(stan.range(0)) + " of 80 x " +
                  std::to_string(Keno().Losowania.size()) + " draws");
}

// Baseline: every subset against the draws, number by number, until a draw holds it whole.
void BM_NigdyRazemPoLiczbie(benchmark::State& stan)
{
    for (auto _ : stan)
        benchmark::DoNotOptimize(Szukaj(static_cast<int>(stan.range(0)), TSposobNigdy::PoLiczbie));
    Etykieta(stan);
}
BENCHMARK(BM_NigdyRazemPoLiczbie)->Arg(3)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NigdyRazemMaski(benchmark::State& stan)
{
    std::pair<int64_t, uint64_t> wynik;
    for (auto _ : stan) {
        wynik = Szukaj(static_cast<int>(stan.range(0)), TSposobNigdy::Maski);
        benchmark::DoNotOptimize(wynik);
    }
    // Checked once outside the timing: the sets found must be the baseline's.
    stan.counters["nigdy"] = static_cast<double>(wynik.first);
    stan.counters["identyczne"] = wynik == Szukaj(static_cast<int>(stan.range(0)), TSposobNigdy::PoLiczbie) ? 1 : 0;
    Etykieta(stan);
}
BENCHMARK(BM_NigdyRazemMaski)->Arg(3)->Arg(4)->MinTime(1.0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
