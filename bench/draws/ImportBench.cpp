// Importing a text list of 20,000 draws (the editor's own export layout: number, date, six numbers)
// into a 6-of-49 game: file read, formatting, parsing, appending or replacing, sorting. The baseline
// in the same run reads the same file line by line with std::getline and nothing else: the least any
// import has to do. The target is "well under a second" for the whole import.
#include "draws/EksportLosowan.h"
#include "draws/ImportLosowan.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace tarvomund;
namespace fs = std::filesystem;

constexpr int IleWierszy = 20'000;

TObGraLista Gra649()
{
    TObGraLista gra;
    gra.Id = 1;
    gra.Nazwa = "Lotto 6 z 49";
    gra.IleLiczb = 49;
    gra.IleLosowanych = 6;
    return gra;
}

// 20,000 draws on consecutive days with six distinct numbers each.
const TObGraLista& GraZrodlowa()
{
    static const TObGraLista gra = [] {
        TObGraLista g = Gra649();
        std::mt19937 los(49);
        for (int i = 0; i < IleWierszy; ++i) {
            TObLos l;
            l.Data = 21000 + i;
            std::array<bool, 50> byla{};
            for (int j = 0; j < 6;) {
                const auto liczba = static_cast<uint8_t>(los() % 49 + 1);
                if (byla[liczba])
                    continue;
                byla[liczba] = true;
                l.Liczby[static_cast<std::size_t>(j++)] = liczba;
            }
            g.Losowania.push_back(l);
        }
        return g;
    }();
    return gra;
}

const std::string& PlikListy()
{
    static const std::string plik = [] {
        const std::string sciezka = (fs::temp_directory_path() / "tarvomund-bench-lista.txt").string();
        ZapiszEksportLosowan(GraZrodlowa(), sciezka);
        return sciezka;
    }();
    return plik;
}

TWynikImportu Importuj(TObGraLista& gra, bool nadpisuj)
{
    TFormatowanie f;
    f.WczytajPlik(PlikListy());
    f.UstawSzerokosc(SzerokoscPola(true, true));
    f.UstawSeparatory(DomyslneSeparatory());
    return ImportujLosowania(gra, f, UkladDlaGry(gra, true, true, TKolejnoscDaty::DMR), nadpisuj);
}

void BM_CzytajWiersze(benchmark::State& stan)
{
    const std::string& plik = PlikListy();
    for (auto _ : stan) {
        std::ifstream we(plik, std::ios::binary);
        std::size_t wierszy = 0;
        for (std::string wiersz; std::getline(we, wiersz);)
            ++wierszy;
        benchmark::DoNotOptimize(wierszy);
    }
}
BENCHMARK(BM_CzytajWiersze)->Unit(benchmark::kMillisecond);

// Every line a new draw.
void BM_ImportujDopisz(benchmark::State& stan)
{
    PlikListy();
    std::size_t dopisane = 0;
    for (auto _ : stan) {
        TObGraLista gra = Gra649();
        dopisane = Importuj(gra, false).Dopisane;
        benchmark::DoNotOptimize(gra.Losowania.data());
    }
    stan.counters["draws"] = static_cast<double>(dopisane);
}
BENCHMARK(BM_ImportujDopisz)->Unit(benchmark::kMillisecond);

// "Tak" to replacing, into a game that already holds every date: each line is one look-up.
void BM_ImportujNadpisz(benchmark::State& stan)
{
    PlikListy();
    std::size_t zastapione = 0;
    for (auto _ : stan) {
        stan.PauseTiming();
        TObGraLista gra = GraZrodlowa();
        stan.ResumeTiming();
        zastapione = Importuj(gra, true).Zastapione;
        benchmark::DoNotOptimize(gra.Losowania.data());
    }
    stan.counters["replaced"] = static_cast<double>(zastapione);
}
BENCHMARK(BM_ImportujNadpisz)->Unit(benchmark::kMillisecond);

} // namespace
