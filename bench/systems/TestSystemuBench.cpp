// The test of a system against the whole draw history: bit sets with one population count per bet
// and draw against the plain count number by number (IleWspolnych), on a 1,000-bet 6 of 49 system
// and the shipped 6 of 49 history.
#include "GryPrzykladowe.h"
#include "systems/TGenTest01.h"
#include "systems/TListaZakladow.h"
#include "systems/TLosGen.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace {

using namespace tarvomund;

constexpr int Zakladow = 1000;

const TObGraLista& Gra()
{
    return bench::Lotto649();
}

const TSystemTestu& System()
{
    static const TSystemTestu system = [] {
        TLosowe losowe(6049);
        TListaZakladow rozne(6);
        while (rozne.Ile() < static_cast<std::size_t>(Zakladow))
            rozne.Dodaj(LosujZaklad(6, 49, losowe));
        TSystemTestu s;
        s.k = 6;
        s.Info.k = 6;
        s.Info.n = 49;
        for (const TZaklad& z : rozne.Posortowane())
            s.Zaklady.insert(s.Zaklady.end(), z.begin(), z.begin() + 6);
        s.Info.Zakladow = s.Ile();
        return s;
    }();
    return system;
}

TParametryTestu Parametry(bool poLiczbie)
{
    const TObGraLista& gra = Gra();
    TParametryTestu p;
    p.Tryb = TTrybTestu::Baza;
    p.MinTrafien = 3;
    p.Losowania = &gra.Losowania;
    p.Od = gra.Losowania.front().Data;
    p.Do = gra.Losowania.back().Data;
    p.IleLosowanych = gra.IleLosowanych;
    p.PorownaniePoLiczbie = poLiczbie;
    return p;
}

std::vector<std::string> Raport(bool poLiczbie)
{
    const std::atomic<bool> przerwij{false};
    return TGenTest01(System(), Parametry(poLiczbie), przerwij).Wykonaj().Wiersze;
}

void Etykieta(benchmark::State& stan)
{
    stan.SetLabel(std::to_string(System().Ile()) + " bets 6/49 x " + std::to_string(Gra().Losowania.size()) +
                  " draws");
}

// Baseline: every bet against every draw with the plain count.
void BM_TestBazyPoLiczbie(benchmark::State& stan)
{
    for (auto _ : stan)
        benchmark::DoNotOptimize(Raport(true));
    Etykieta(stan);
}
BENCHMARK(BM_TestBazyPoLiczbie)->MinTime(1.0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TestBazy(benchmark::State& stan)
{
    std::vector<std::string> wiersze;
    for (auto _ : stan) {
        wiersze = Raport(false);
        benchmark::DoNotOptimize(wiersze);
    }
    // Checked once outside the timing: the report must equal the baseline's line for line.
    stan.counters["identyczne"] = wiersze == Raport(true) ? 1 : 0;
    stan.counters["wierszy"] = static_cast<double>(wiersze.size());
    Etykieta(stan);
}
BENCHMARK(BM_TestBazy)->MinTime(1.0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
