// The covering optimiser against the best coverings known, measured in the same run:
// - every classic covering (t = m) with n <= 30, k <= 8, t <= 4 whose record is at most 2,000 bets,
//   each given TARVOMUND_SEKUNDY seconds (default 10) on every core: bets / record per case, and at
//   the end their geometric mean, the worst case and the cases above the targets (1.10 where the
//   record is at most 100 bets, 1.20 above); every result is checked complete afresh;
// - the same table with the plain annealing alone (no groups, no constructions), for what they add;
// - "t if m" wheels of 6 numbers over 10..30 numbers against the classic covering C(n, 6, t) the
//   player would otherwise buy, both optimised in the same run with the same time;
// - the peak memory (VmHWM) of n = 30, k = 8, t = m = 4 against its 200 MB budget.
// A subset runs with --benchmark_filter, e.g. 'Tabela/n:2[0-5]' or 'Kolo'.
#include "systems/OptymalizatorPokrycia.h"
#include "systems/ParametryPokrycia.h"
#include "systems/RekordyPokryc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace {

using namespace tarvomund;

constexpr int MaxN = 30;
constexpr int MaxK = 8;
constexpr int MaxT = 4;
constexpr int64_t MaxRekordu = 2000;
constexpr int64_t ProgMalych = 100;
constexpr double CelMalych = 1.10;
constexpr double CelDuzych = 1.20;
constexpr double BudzetPamieciMiB = 200.0;
constexpr double MiB = 1024.0 * 1024.0;

double Sekundy()
{
    const char* tekst = std::getenv("TARVOMUND_SEKUNDY");
    const double sekundy = tekst ? std::atof(tekst) : 10.0;
    return sekundy > 0 ? sekundy : 10.0;
}

const TRekordyPokryc& Rekordy()
{
    static const TRekordyPokryc rekordy = TRekordyPokryc::Wczytaj(TARVOMUND_PLIK_REKORDOW);
    return rekordy;
}

struct TWynikPrzypadku {
    std::string Nazwa;
    int64_t Zakladow;
    int64_t Rekord;
    std::string Zrodlo;
};

std::mutex ZamekWynikow;
std::vector<TWynikPrzypadku> WynikiTabeli;
std::vector<TWynikPrzypadku> WynikiZwyklego;

// The optimiser's result, checked complete by the independent count of holes; 0 bets when it fails.
TWynikPokrycia Optymalizuj(const TParametryPokrycia& p, bool konstrukcje, int64_t cel = 0, int64_t znany = 0)
{
    TZadaniePokrycia zadanie;
    zadanie.Parametry = p;
    zadanie.Sekundy = Sekundy();
    zadanie.Konstrukcje = konstrukcje;
    zadanie.Cel = cel;
    zadanie.Znany = znany;
    const std::atomic<bool> przerwij{false};
    TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, przerwij);
    const std::optional<uint64_t> dziur = PoliczDziury(p, wynik.Zaklady);
    if (!dziur || *dziur != 0)
        wynik.Zaklady.clear();
    return wynik;
}

void BM_Tabela(benchmark::State& stan, std::string nazwa, TParametryPokrycia p, TRekordPokrycia rekord,
               bool konstrukcje)
{
    TWynikPokrycia wynik;
    for (auto _ : stan)
        wynik = Optymalizuj(p, konstrukcje, std::max(rekord.Dolne, DolneOgraniczenie(p.n, p.k, p.t)),
                            konstrukcje ? rekord.Najlepszy : 0);
    if (wynik.Zaklady.empty()) {
        stan.SkipWithError("no complete system");
        return;
    }
    const auto zakladow = static_cast<int64_t>(wynik.Zaklady.size());
    stan.counters["bets"] = static_cast<double>(zakladow);
    stan.counters["record"] = static_cast<double>(rekord.Najlepszy);
    stan.counters["ratio"] = static_cast<double>(zakladow) / static_cast<double>(rekord.Najlepszy);
    stan.SetLabel(wynik.Zrodlo);
    std::lock_guard blokada(ZamekWynikow);
    (konstrukcje ? WynikiTabeli : WynikiZwyklego)
        .push_back({std::move(nazwa), zakladow, rekord.Najlepszy, wynik.Zrodlo});
}

// A wheel "t if m" of k = 6 against the classic covering of t, optimised with the same time.
void BM_Kolo(benchmark::State& stan)
{
    const int n = static_cast<int>(stan.range(0));
    const int t = static_cast<int>(stan.range(1));
    const int m = static_cast<int>(stan.range(2));
    constexpr int k = 6;
    int64_t kolo = 0;
    int64_t pokrycie = 0;
    for (auto _ : stan) {
        kolo = static_cast<int64_t>(Optymalizuj({n, k, t, m}, true).Zaklady.size());
        pokrycie = static_cast<int64_t>(Optymalizuj({n, k, t, t}, true).Zaklady.size());
    }
    if (kolo == 0 || pokrycie == 0) {
        stan.SkipWithError("no complete system");
        return;
    }
    stan.counters["bets"] = static_cast<double>(kolo);
    stan.counters["covering"] = static_cast<double>(pokrycie);
    stan.counters["ratio"] = static_cast<double>(kolo) / static_cast<double>(pokrycie);
    if (const auto rekord = Rekordy().Znajdz(n, k, t))
        stan.counters["record"] = static_cast<double>(rekord->Najlepszy);
}

double VmHWM()
{
    std::ifstream status("/proc/self/status");
    std::string wiersz;
    while (std::getline(status, wiersz))
        if (wiersz.rfind("VmHWM:", 0) == 0)
            return std::atof(wiersz.c_str() + 6) * 1024.0;
    return 0;
}

// The process's peak resident memory while it optimises, reset first (clear_refs 5), so that it
// stands for this case alone; it counts everything the process holds, the program itself included.
void BM_Pamiec(benchmark::State& stan)
{
    double szczyt = 0;
    for (auto _ : stan) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const TWynikPokrycia wynik = Optymalizuj({30, 8, 4, 4}, true);
        benchmark::DoNotOptimize(wynik.Zaklady.data());
        szczyt = std::max(szczyt, VmHWM());
    }
    stan.counters["peak_MiB"] = szczyt / MiB;
    stan.counters["of_budget"] = szczyt / MiB / BudzetPamieciMiB;
}

void Podsumuj(const char* tytul, const std::vector<TWynikPrzypadku>& wyniki)
{
    if (wyniki.empty())
        return;
    double logi = 0;
    double najgorszy = 0;
    std::string najgorszyPrzypadek;
    int ponadCelem = 0;
    for (const TWynikPrzypadku& w : wyniki) {
        const double iloraz = static_cast<double>(w.Zakladow) / static_cast<double>(w.Rekord);
        logi += std::log(iloraz);
        if (iloraz > najgorszy) {
            najgorszy = iloraz;
            najgorszyPrzypadek = w.Nazwa;
        }
        if (iloraz > (w.Rekord <= ProgMalych ? CelMalych : CelDuzych) + 1e-9)
            ++ponadCelem;
    }
    std::printf("\n%s: %zu cases, geometric mean of bets/record %.4f, worst %.4f (%s), above target %d\n", tytul,
                wyniki.size(), std::exp(logi / static_cast<double>(wyniki.size())), najgorszy,
                najgorszyPrzypadek.c_str(), ponadCelem);
}

void Zarejestruj()
{
    for (bool konstrukcje : {true, false}) {
        for (int n = 1; n <= MaxN; ++n)
            for (int k = 1; k <= MaxK; ++k)
                for (int t = 1; t <= MaxT; ++t) {
                    const auto rekord = Rekordy().Znajdz(n, k, t);
                    if (!rekord || rekord->Najlepszy > MaxRekordu)
                        continue;
                    const std::string nazwa = std::string(konstrukcje ? "Tabela" : "TabelaZwykle") + "/n:" +
                                              std::to_string(n) + "/k:" + std::to_string(k) + "/t:" + std::to_string(t);
                    benchmark::RegisterBenchmark(nazwa.c_str(), BM_Tabela, nazwa, TParametryPokrycia{n, k, t, t},
                                                 *rekord, konstrukcje)
                        ->Iterations(1)
                        ->Unit(benchmark::kSecond)
                        ->UseRealTime();
                }
    }
    auto* kola = benchmark::RegisterBenchmark("Kolo", BM_Kolo)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
    kola->ArgNames({"n", "t", "m"});
    for (int n = 10; n <= MaxN; n += 5)
        for (const auto& [t, m] : {std::pair{3, 4}, std::pair{3, 5}, std::pair{4, 5}, std::pair{3, 6}})
            kola->Args({n, t, m});
    benchmark::RegisterBenchmark("Pamiec/n:30/k:8/t:4", BM_Pamiec)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
}

} // namespace

int main(int argc, char** argv)
{
    Zarejestruj();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Podsumuj("Optimiser", WynikiTabeli);
    Podsumuj("Plain annealing alone", WynikiZwyklego);
    return 0;
}
