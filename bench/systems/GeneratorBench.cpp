// The system generator against plain baselines measured in the same run:
// - method 0 writing the full system of 7 out of 36 (8,347,680 bets) against a plain sequential write
//   of the same bytes, and its peak heap for two sizes (it streams: the peak does not grow);
// - method 2 drawing 1,000,000 distinct bets of 6 out of 49 against the same run keeping the bet keys
//   in a std::set<std::string>, in time and peak heap; and the two lists alone, fed the same bets;
// - method 5 for five (n, k, m): bets written against C(n,m)/C(k,m), the Schönheim bound and the best
//   known covering, with every m-subset checked against the bets read back from the file.
// Peak heap is measured by TPomiarPamieci (PomiarPamieci.h).
#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "systems/Metody.h"
#include "systems/TGenSys01.h"
#include "systems/TListaZakladow.h"
#include "systems/TLosGen.h"

#include "PomiarPamieci.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>


namespace {

using namespace tarvomund;
namespace fs = std::filesystem;

constexpr double MiB = 1024.0 * 1024.0;
constexpr std::size_t RozmiarBuforaZapisu = 1 << 16; // the system writer's buffer

using bench::TPomiarPamieci;

const fs::path& KatalogRoboczy()
{
    static const struct TKatalog {
        fs::path Sciezka = fs::temp_directory_path() / "tarvomund-bench-generator";
        TKatalog() { fs::create_directories(Sciezka); }
        ~TKatalog()
        {
            std::error_code blad;
            fs::remove_all(Sciezka, blad);
        }
    } katalog;
    return katalog.Sciezka;
}

std::string Plik(const char* nazwa)
{
    return (KatalogRoboczy() / nazwa).string();
}

TInfoGryRec Info(int n, int k, TMetoda metoda, int64_t zakladow, int gwarancja = 0)
{
    TInfoGryRec info;
    info.IdGry = 1;
    info.KodGry = 1;
    info.Nazwa = "Lotto";
    info.IleLiczb = 49;
    info.MaxSkreslen = 12;
    info.UstawWlasneDomyslne();
    info.n = n;
    info.k = k;
    info.Metoda = static_cast<int32_t>(metoda);
    info.Zakladow = static_cast<int32_t>(zakladow);
    info.Gwarancja = gwarancja;
    return info;
}

TWynikGeneracji Generuj(const TInfoGryRec& info, const std::string& plik, uint64_t ziarno)
{
    const std::atomic<bool> przerwij{false};
    TLosowe losowe(ziarno);
    return TGenSys01(info, plik, przerwij, nullptr, losowe).Wykonaj();
}

// ---- Method 0: streaming the full system --------------------------------------------------------

constexpr int PelnaK = 7;

void BM_Metoda0_PelnySystem(benchmark::State& stan)
{
    const int n = static_cast<int>(stan.range(0));
    const int64_t zakladow = Zaokraglij(Kombinacje(n, PelnaK));
    const TInfoGryRec info = Info(n, PelnaK, TMetoda::Pelna, zakladow);
    const std::string plik = Plik("pelny.ss2");
    int64_t szczyt = 0;
    for (auto _ : stan) {
        const TPomiarPamieci pamiec;
        const TWynikGeneracji wynik = Generuj(info, plik, 1);
        szczyt = std::max(szczyt, pamiec.Szczyt());
        if (wynik.Zakladow != zakladow)
            stan.SkipWithError("the full system came out short");
    }
    const int64_t bajtow = static_cast<int64_t>(DlugoscNaglowkaSystemu) + zakladow * PelnaK;
    stan.SetBytesProcessed(static_cast<int64_t>(stan.iterations()) * bajtow);
    stan.counters["zakladow"] = static_cast<double>(zakladow);
    stan.counters["szczyt_KiB"] = static_cast<double>(szczyt) / 1024.0;
}
BENCHMARK(BM_Metoda0_PelnySystem)->Arg(30)->Arg(36)->UseRealTime()->Unit(benchmark::kMillisecond);

// The baseline: the same byte count written sequentially through a buffer of the writer's size.
void BM_Metoda0_ZapisZwykly(benchmark::State& stan)
{
    const int64_t bajtow = static_cast<int64_t>(DlugoscNaglowkaSystemu) + Zaokraglij(Kombinacje(36, PelnaK)) * PelnaK;
    const std::vector<char> bufor(RozmiarBuforaZapisu, 1);
    const std::string plik = Plik("zwykly.bin");
    for (auto _ : stan) {
        std::FILE* f = std::fopen(plik.c_str(), "wb");
        for (int64_t zapisano = 0; zapisano < bajtow;) {
            const auto porcja = static_cast<std::size_t>(std::min<int64_t>(bajtow - zapisano, RozmiarBuforaZapisu));
            zapisano += static_cast<int64_t>(std::fwrite(bufor.data(), 1, porcja, f));
        }
        std::fclose(f);
    }
    stan.SetBytesProcessed(static_cast<int64_t>(stan.iterations()) * bajtow);
}
BENCHMARK(BM_Metoda0_ZapisZwykly)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- Method 2: a million distinct random bets ---------------------------------------------------

constexpr int LosoweN = 49;
constexpr int LosoweK = 6;
constexpr int64_t LosowychZakladow = 1'000'000;

void BM_Metoda2_Milion(benchmark::State& stan)
{
    const TInfoGryRec info = Info(LosoweN, LosoweK, TMetoda::SkroconaPrzypadkowa, LosowychZakladow);
    const std::string plik = Plik("przypadkowy.ss2");
    int64_t szczyt = 0;
    for (auto _ : stan) {
        const TPomiarPamieci pamiec;
        const TWynikGeneracji wynik = Generuj(info, plik, 7);
        szczyt = std::max(szczyt, pamiec.Szczyt());
        if (wynik.Zakladow != LosowychZakladow)
            stan.SkipWithError("fewer bets than asked for");
    }
    stan.counters["szczyt_MiB"] = static_cast<double>(szczyt) / MiB;
}
BENCHMARK(BM_Metoda2_Milion)->UseRealTime()->Unit(benchmark::kMillisecond);

// Writes the keys of a set in its order, as the generator writes its list.
void ZapiszKlucze(const std::set<std::string>& klucze, const std::string& plik, TInfoGryRec info)
{
    TPisarzSystemu pisarz(plik, info.k);
    for (const std::string& klucz : klucze) {
        const TZaklad zaklad = ZakladZKlucza(klucz);
        pisarz.Dodaj(zaklad.data());
        for (int j = 0; j < info.k; ++j)
            ++info.Wystapienia[static_cast<std::size_t>(zaklad[static_cast<std::size_t>(j)] - 1)];
    }
    pisarz.Zakoncz(info);
}

// The baseline: the same draws, the keys kept in a std::set<std::string>.
void BM_Metoda2_ZbiorNapisow(benchmark::State& stan)
{
    const TInfoGryRec info = Info(LosoweN, LosoweK, TMetoda::SkroconaPrzypadkowa, LosowychZakladow);
    const std::string plik = Plik("zbior.ss2");
    int64_t szczyt = 0;
    for (auto _ : stan) {
        const TPomiarPamieci pamiec;
        TLosowe losowe(7);
        std::set<std::string> klucze;
        while (static_cast<int64_t>(klucze.size()) < LosowychZakladow)
            klucze.insert(KluczZakladu(LosujZaklad(LosoweK, LosoweN, losowe), LosoweK));
        ZapiszKlucze(klucze, plik, info);
        szczyt = std::max(szczyt, pamiec.Szczyt());
    }
    stan.counters["szczyt_MiB"] = static_cast<double>(szczyt) / MiB;
}
BENCHMARK(BM_Metoda2_ZbiorNapisow)->UseRealTime()->Unit(benchmark::kMillisecond);

// The two lists alone: the same drawn bets (drawn once, outside the timing) fed to each until a
// million distinct ones are held, then written in key order.
using TWylosowany = std::array<uint8_t, LosoweK>;

const std::vector<TWylosowany>& WylosowaneZaklady()
{
    static const std::vector<TWylosowany> zaklady = [] {
        std::vector<TWylosowany> wynik;
        TLosowe losowe(7);
        TListaZakladow rozne(LosoweK);
        while (static_cast<int64_t>(rozne.Ile()) < LosowychZakladow) {
            const TZaklad z = LosujZaklad(LosoweK, LosoweN, losowe);
            rozne.Dodaj(z);
            wynik.emplace_back();
            std::copy_n(z.begin(), LosoweK, wynik.back().begin());
        }
        return wynik;
    }();
    return zaklady;
}

TZaklad Rozpakuj(const TWylosowany& w)
{
    TZaklad z{};
    std::copy(w.begin(), w.end(), z.begin());
    return z;
}

void BM_Lista_TListaZakladow(benchmark::State& stan)
{
    const std::vector<TWylosowany>& zaklady = WylosowaneZaklady();
    TInfoGryRec info = Info(LosoweN, LosoweK, TMetoda::SkroconaPrzypadkowa, LosowychZakladow);
    const std::string plik = Plik("lista.ss2");
    int64_t szczyt = 0;
    for (auto _ : stan) {
        const TPomiarPamieci pamiec;
        TListaZakladow lista(LosoweK);
        lista.Rezerwuj(static_cast<std::size_t>(LosowychZakladow));
        for (const TWylosowany& z : zaklady)
            lista.Dodaj(Rozpakuj(z));
        TPisarzSystemu pisarz(plik, LosoweK);
        lista.DlaKazdegoPosortowanego([&](const TZaklad& z) {
            pisarz.Dodaj(z.data());
            for (int j = 0; j < LosoweK; ++j)
                ++info.Wystapienia[static_cast<std::size_t>(z[static_cast<std::size_t>(j)] - 1)];
        });
        pisarz.Zakoncz(info);
        szczyt = std::max(szczyt, pamiec.Szczyt());
    }
    stan.counters["szczyt_MiB"] = static_cast<double>(szczyt) / MiB;
}
BENCHMARK(BM_Lista_TListaZakladow)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Lista_ZbiorNapisow(benchmark::State& stan)
{
    const std::vector<TWylosowany>& zaklady = WylosowaneZaklady();
    const TInfoGryRec info = Info(LosoweN, LosoweK, TMetoda::SkroconaPrzypadkowa, LosowychZakladow);
    const std::string plik = Plik("lista-zbior.ss2");
    int64_t szczyt = 0;
    for (auto _ : stan) {
        const TPomiarPamieci pamiec;
        std::set<std::string> klucze;
        for (const TWylosowany& z : zaklady)
            klucze.insert(KluczZakladu(Rozpakuj(z), LosoweK));
        ZapiszKlucze(klucze, plik, info);
        szczyt = std::max(szczyt, pamiec.Szczyt());
    }
    stan.counters["szczyt_MiB"] = static_cast<double>(szczyt) / MiB;
}
BENCHMARK(BM_Lista_ZbiorNapisow)->UseRealTime()->Unit(benchmark::kMillisecond);

// ---- Method 5: bets for a guarantee -------------------------------------------------------------

// Schönheim's lower bound on a covering of the t-subsets of v points by k-subsets.
int64_t Schonheim(int v, int k, int t)
{
    int64_t granica = 1;
    for (int i = t - 1; i >= 0; --i)
        granica = ((v - i) * granica + (k - i) - 1) / (k - i);
    return granica;
}

struct TRekord {
    int64_t Najlepsze = 0;
    int64_t Dolna = 0;
};

// The best known coverings, columns v,k,t,best_known,lower_bound.
std::map<std::tuple<int, int, int>, TRekord> RekordyPokryc()
{
    std::map<std::tuple<int, int, int>, TRekord> rekordy;
    std::ifstream we(fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "covering-records.csv");
    std::string linia;
    std::getline(we, linia);
    while (std::getline(we, linia)) {
        std::istringstream pola(linia);
        int v = 0, k = 0, t = 0;
        TRekord r;
        char przecinek = 0;
        if (pola >> v >> przecinek >> k >> przecinek >> t >> przecinek >> r.Najlepsze >> przecinek >> r.Dolna)
            rekordy[{v, k, t}] = r;
    }
    return rekordy;
}

// The m-subsets that no bet of the file holds, counted by trying each one against every bet.
int64_t Niepokrytych(const std::string& plik, int n, int m)
{
    TCzytnikSystemu czytnik(plik);
    if (!czytnik.Otwarty())
        return -1;
    const int k = czytnik.Naglowek().Info.k;
    const auto zaklady = czytnik.Zaklady(1, czytnik.Naglowek().Info.Zakladow);
    int64_t niepokrytych = 0;
    for (TKombGen gen(m, n); !gen.Koniec; gen.Nastepna()) {
        const bool pokryty = std::any_of(zaklady.begin(), zaklady.end(), [&](const TZaklad& z) {
            return ZawieraWszystkie(k, m, z, gen.Kombinacja);
        });
        niepokrytych += pokryty ? 0 : 1;
    }
    return niepokrytych;
}

constexpr int ZiarenGwarancji = 20;

void BM_Metoda5_Gwarancja(benchmark::State& stan)
{
    const int n = static_cast<int>(stan.range(0));
    const int k = static_cast<int>(stan.range(1));
    const int m = static_cast<int>(stan.range(2));
    // The count the parameters dialog plans for the guarantee method.
    const int64_t kandydatow =
        std::min(std::max<int64_t>(1, Zaokraglij(IlorazKombinacji(k, n, m))), Zaokraglij(Kombinacje(n, k)));
    const TInfoGryRec info = Info(n, k, TMetoda::Gwarancyjna, kandydatow, m - 1);
    const std::string plik = Plik("gwarancja.ss2");
    uint64_t ziarno = 0;
    int64_t suma = 0;
    int64_t najmniej = std::numeric_limits<int64_t>::max();
    int64_t najwiecej = 0;
    int64_t niepokrytych = 0;
    for (auto _ : stan) {
        const TWynikGeneracji wynik = Generuj(info, plik, ++ziarno);
        stan.PauseTiming();
        suma += wynik.Zakladow;
        najmniej = std::min<int64_t>(najmniej, wynik.Zakladow);
        najwiecej = std::max<int64_t>(najwiecej, wynik.Zakladow);
        niepokrytych += Niepokrytych(plik, n, m);
        stan.ResumeTiming();
    }
    static const auto rekordy = RekordyPokryc();
    const auto rekord = rekordy.find({n, k, m});
    const double najlepsze = rekord == rekordy.end() ? 0.0 : static_cast<double>(rekord->second.Najlepsze);
    const double srednio = static_cast<double>(suma) / static_cast<double>(stan.iterations());
    stan.counters["zakladow"] = srednio;
    stan.counters["min"] = static_cast<double>(najmniej);
    stan.counters["max"] = static_cast<double>(najwiecej);
    stan.counters["kandydatow"] = static_cast<double>(kandydatow);
    stan.counters["dodanych"] = srednio - static_cast<double>(kandydatow);
    stan.counters["iloraz"] = static_cast<double>(IlorazKombinacji(k, n, m));
    stan.counters["schonheim"] = static_cast<double>(Schonheim(n, k, m));
    stan.counters["najlepsze"] = najlepsze;
    stan.counters["wzgl_najlepszych"] = najlepsze > 0 ? srednio / najlepsze : 0.0;
    stan.counters["niepokrytych"] = static_cast<double>(niepokrytych);
    if (niepokrytych != 0)
        stan.SkipWithError("some m-subset is in no bet");
}
BENCHMARK(BM_Metoda5_Gwarancja)
    ->Args({12, 6, 3})
    ->Args({15, 6, 3})
    ->Args({18, 6, 3})
    ->Args({20, 6, 4})
    ->Args({22, 6, 3})
    ->Iterations(ZiarenGwarancji)
    ->Unit(benchmark::kMillisecond);

} // namespace
