// Loading a large game: the reader against a reader that takes each field with its own small read.
#include "model/PlikGry.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <cstring>
#include <random>
#include <vector>

namespace {

using namespace tarvomund;
namespace fs = std::filesystem;

constexpr int IleLosowanKeno = 17'000;

const std::string& PlikKeno()
{
    static const std::string plik = [] {
        const fs::path sciezka = fs::temp_directory_path() / "tarvomund-bench-keno.pl2";
        TObGraLista gra;
        gra.Id = 3;
        gra.Nazwa = "Keno 20 z 80";
        gra.Plik = sciezka.string();
        gra.IleLiczb = 80;
        gra.IleLosowanych = 20;
        std::mt19937 los(1);
        for (int i = 0; i < IleLosowanKeno; ++i) {
            TObLos l;
            l.Data = 35000 + i / 2;
            for (int j = 0; j < 20; ++j)
                l.Liczby[static_cast<std::size_t>(j)] = static_cast<uint8_t>(los() % 80 + 1);
            gra.Losowania.push_back(l);
        }
        UtworzPlikGry(gra);
        return gra.Plik;
    }();
    return plik;
}

// The baseline: 100 header bytes, then 8 bytes and one byte per number for every draw.
std::size_t WczytajBajtPoBajcie(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary);
    char naglowek[100];
    we.read(naglowek, sizeof naglowek);
    int32_t ile = 0;
    int32_t k = 0;
    std::memcpy(&ile, naglowek + 8, 4);
    std::memcpy(&k, naglowek + 84, 4);
    std::vector<TObLos> losowania;
    for (int32_t i = 0; i < ile && we; ++i) {
        TObLos l;
        we.read(reinterpret_cast<char*>(&l.Data), 8);
        for (int32_t j = 0; j < k; ++j) {
            char c = 0;
            we.read(&c, 1);
            l.Liczby[static_cast<std::size_t>(j)] = static_cast<uint8_t>(c);
        }
        losowania.push_back(l);
    }
    return losowania.size();
}

void BM_WczytajPlikGry(benchmark::State& stan)
{
    const std::string& plik = PlikKeno();
    for (auto _ : stan) {
        auto gra = WczytajPlikGry(plik);
        benchmark::DoNotOptimize(gra);
    }
}
BENCHMARK(BM_WczytajPlikGry)->Unit(benchmark::kMillisecond);

void BM_WczytajBajtPoBajcie(benchmark::State& stan)
{
    const std::string& plik = PlikKeno();
    for (auto _ : stan)
        benchmark::DoNotOptimize(WczytajBajtPoBajcie(plik));
}
BENCHMARK(BM_WczytajBajtPoBajcie)->Unit(benchmark::kMillisecond);

} // namespace
