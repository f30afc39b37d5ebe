// Filter 13 ("already drawn") of a 10,000-bet 6 of 49 system against the whole shipped history:
// the per-draw loop number by number (the baseline) against the draws' number sets, for "at least
// 3 numbers in common" and for "all 6", and the whole filter run over its files.
#include "GryPrzykladowe.h"
#include "model/PlikSystemu.h"
#include "model/Wspolne.h"
#include "stats/MaskaLiczb.h"
#include "systems/PrzesiewSystemu.h"
#include "systems/TGenFiltr.h"
#include "systems/TListaZakladow.h"
#include "systems/TLosGen.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

using namespace tarvomund;

constexpr int Zakladow = 10'000;

const TObGraLista& Lotto()
{
    return bench::Lotto649();
}

const std::vector<TZaklad>& System()
{
    static const std::vector<TZaklad> zaklady = [] {
        TLosowe losowe(4912);
        TListaZakladow rozne(6);
        while (rozne.Ile() < static_cast<std::size_t>(Zakladow))
            rozne.Dodaj(LosujZaklad(6, 49, losowe));
        return rozne.Posortowane();
    }();
    return zaklady;
}

double Od()
{
    return Lotto().Losowania.front().Data;
}
double Do()
{
    return Lotto().Losowania.back().Data;
}

void Etykieta(benchmark::State& stan)
{
    stan.SetLabel(std::to_string(Zakladow) + " bets 6/49 x " + std::to_string(Lotto().Losowania.size()) +
                  " draws, at least " + std::to_string(stan.range(0)) + " common");
}

// How many bets the filter removes.
int Usuwanych(bool maskami, int prog)
{
    int usuwanych = 0;
    const std::vector<TMaskaLiczb> losowania =
        maskami ? MaskiLosowan(Lotto().Losowania, Od(), Do(), 6) : std::vector<TMaskaLiczb>{};
    for (const TZaklad& z : System())
        usuwanych += maskami ? WylosowanyZ(MaskaLiczb(z.data(), 6), losowania, prog)
                             : WylosowanyZPoLiczbie(z.data(), 6, Lotto().Losowania, Od(), Do(), 6, prog);
    return usuwanych;
}

// Baseline: each bet against each draw of the range, the draw's numbers looked up one by one.
void BM_Filtr13PoLiczbie(benchmark::State& stan)
{
    for (auto _ : stan)
        benchmark::DoNotOptimize(Usuwanych(false, static_cast<int>(stan.range(0))));
    Etykieta(stan);
}
BENCHMARK(BM_Filtr13PoLiczbie)->Arg(3)->Arg(6)->MinTime(1.0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Filtr13Maski(benchmark::State& stan)
{
    int usuwanych = 0;
    for (auto _ : stan) {
        usuwanych = Usuwanych(true, static_cast<int>(stan.range(0)));
        benchmark::DoNotOptimize(usuwanych);
    }
    stan.counters["usuwanych"] = usuwanych;
    stan.counters["identyczne"] = usuwanych == Usuwanych(false, static_cast<int>(stan.range(0))) ? 1 : 0;
    Etykieta(stan);
}
BENCHMARK(BM_Filtr13Maski)->Arg(3)->Arg(6)->MinTime(1.0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole filter as the result window runs it: the copy, reading, testing and writing.
void BM_Filtr13CalyPrzebieg(benchmark::State& stan)
{
    const std::filesystem::path katalog = std::filesystem::temp_directory_path() / "tarvomund_filtr_bench";
    std::filesystem::create_directories(katalog);
    const std::string zrodlo = (katalog / "zrodlo.ss2").string();
    TInfoGryRec info = TInfoGryRec::DlaGry(Lotto());
    info.n = 49;
    info.k = 6;
    {
        TPisarzSystemu pisarz(zrodlo, 6);
        for (const TZaklad& z : System())
            pisarz.Dodaj(z.data());
        pisarz.Zakoncz(info);
    }
    TFiltr filtr = TFiltr::DlaGry(Lotto());
    filtr.Kryteria = {};
    filtr.Kryteria[12] = true;
    filtr.IlePowtorzonych = static_cast<int32_t>(stan.range(0)) - 1;
    filtr.PlikWyniku = (katalog / "1.$$$").string();
    filtr.PlikRoboczy = (katalog / "2.$$$").string();
    const std::atomic<bool> przerwij{false};
    int32_t zostalo = 0;
    for (auto _ : stan) {
        stan.PauseTiming();
        KopiujPlik(zrodlo, filtr.PlikWyniku);
        stan.ResumeTiming();
        zostalo = TGenFiltr(InfoWynikuPrzesiewu(info), filtr, Lotto().Losowania, przerwij, nullptr).Wykonaj().Zakladow;
    }
    stan.counters["zostalo"] = zostalo;
    std::filesystem::remove_all(katalog);
    Etykieta(stan);
}
BENCHMARK(BM_Filtr13CalyPrzebieg)->Arg(3)->Arg(6)->MinTime(1.0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
