// Method 1 asked for (nearly) every bet there is, against method 0 writing the same count of bets of
// the same n and k in the same run (the plain cost of writing them); and how soon each method ends
// after Stop, against the one second a user may wait.
#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "systems/Metody.h"
#include "systems/TGenSys01.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

using namespace tarvomund;
namespace fs = std::filesystem;

std::string Plik(const char* nazwa)
{
    static const fs::path katalog = [] {
        fs::path sciezka = fs::temp_directory_path() / "tarvomund-bench-rownomierna";
        fs::create_directories(sciezka);
        return sciezka;
    }();
    return (katalog / nazwa).string();
}

TInfoGryRec Info(int n, int k, TMetoda metoda, int64_t zakladow, int gwarancja = 0)
{
    TInfoGryRec info;
    info.IdGry = 1;
    info.KodGry = 1;
    info.Nazwa = "Lotto";
    info.IleLiczb = 120;
    info.MaxSkreslen = 120;
    info.UstawWlasneDomyslne();
    info.n = n;
    info.k = k;
    info.Metoda = static_cast<int32_t>(metoda);
    info.Zakladow = static_cast<int32_t>(zakladow);
    info.Gwarancja = gwarancja;
    return info;
}

struct TZadanie {
    int n;
    int k;
    int64_t Zakladow;
};

// The requests the balanced method used to take minutes on, and a million bets of 6 out of 49.
constexpr std::array<TZadanie, 6> Zadania{{
    {16, 9, 11439},   // all but one of C(16, 9) = 11,440
    {16, 14, 60},     // half of C(16, 14) = 120
    {16, 14, 119},
    {16, 8, 6435},    // exactly half of C(16, 8)
    {20, 10, 184755}, // all but one of C(20, 10)
    {49, 6, 1000000},
}};

void Generuj(benchmark::State& stan, TMetoda metoda)
{
    const TZadanie& z = Zadania[static_cast<std::size_t>(stan.range(0))];
    const TInfoGryRec info = Info(z.n, z.k, metoda, z.Zakladow);
    const std::string plik = Plik("system.ss2");
    const std::atomic<bool> przerwij{false};
    uint64_t ziarno = 1;
    for (auto _ : stan) {
        TLosowe losowe(ziarno++);
        const TWynikGeneracji wynik = TGenSys01(info, plik, przerwij, nullptr, losowe).Wykonaj();
        if (wynik.Zakladow != z.Zakladow)
            stan.SkipWithError("another count of bets than asked for");
        if (metoda == TMetoda::SkroconaRownomierna) {
            const auto [min, max] = std::minmax_element(wynik.Wystapienia.begin(), wynik.Wystapienia.begin() + z.n);
            stan.counters["rozrzut"] = static_cast<double>(*max - *min);
        }
    }
    stan.SetLabel(std::to_string(z.k) + " of " + std::to_string(z.n) + ", " + std::to_string(z.Zakladow) + " bets");
}

void BM_Metoda1_BliskoWszystkich(benchmark::State& stan)
{
    Generuj(stan, TMetoda::SkroconaRownomierna);
}
BENCHMARK(BM_Metoda1_BliskoWszystkich)->DenseRange(0, Zadania.size() - 1)->UseRealTime()->Unit(benchmark::kMillisecond);

// The baseline: the first B combinations of the same n and k, written as they come.
void BM_Metoda0_TeSameZaklady(benchmark::State& stan)
{
    Generuj(stan, TMetoda::Pelna);
}
BENCHMARK(BM_Metoda0_TeSameZaklady)->DenseRange(0, Zadania.size() - 1)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- Stop: a request far beyond a second, stopped 100 ms in; the time from the flag to the end ----

constexpr auto PrzedStopem = std::chrono::milliseconds(100);

TInfoGryRec DlugieZadanie(TMetoda metoda)
{
    switch (metoda) {
    case TMetoda::Pelna:
        return Info(60, 8, metoda, 2'000'000'000);
    case TMetoda::SkroconaRownomierna:
    case TMetoda::SkroconaPrzypadkowa:
        return Info(60, 8, metoda, 50'000'000);
    case TMetoda::Gwarancyjna:
        return Info(70, 10, metoda, 200'000, 5);
    default:
        return Info(120, 60, metoda, 61); // the chains are short by nature
    }
}

void BM_CzasPoStopie(benchmark::State& stan)
{
    const auto metoda = static_cast<TMetoda>(stan.range(0));
    const TInfoGryRec info = DlugieZadanie(metoda);
    const std::string plik = Plik("stop.ss2");
    double najdluzej = 0;
    for (auto _ : stan) {
        std::atomic<bool> przerwij{false};
        std::chrono::steady_clock::time_point stop;
        std::thread zatrzymaj([&] {
            std::this_thread::sleep_for(PrzedStopem);
            stop = std::chrono::steady_clock::now();
            przerwij = true;
        });
        TLosowe losowe(1);
        TGenSys01(info, plik, przerwij, nullptr, losowe).Wykonaj();
        const auto koniec = std::chrono::steady_clock::now();
        zatrzymaj.join();
        const double sekund = std::max(0.0, std::chrono::duration<double>(koniec - stop).count());
        najdluzej = std::max(najdluzej, sekund);
        stan.SetIterationTime(sekund);
    }
    // The share of the second a user may wait.
    stan.counters["czesc_sekundy"] = najdluzej;
}
BENCHMARK(BM_CzasPoStopie)->DenseRange(0, IleMetod - 1)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
