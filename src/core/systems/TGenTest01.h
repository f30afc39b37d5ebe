#pragma once

#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"
#include "systems/Losowosc.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// What a system is tested against: numbers the user enters, numbers drawn at random, or every
// draw of the game's history within a date range (number systems only).
enum class TTrybTestu { Liczby = 1, Losowe = 2, Baza = 3 };

// The defaults of the minimum count of hits: number systems 3, pool systems 10 (when the system
// has that many matches).
inline constexpr int DomyslneMinTrafien = 3;
inline constexpr int MinTrafienPilkarskich = 10;
// The loading reports its progress every this many bets.
inline constexpr int32_t PostepWczytaniaCo = 20;

// The bets of a system as the test compares them: a number bet holds the numbers its positions
// stand for (mapped through the own numbers), a pool bet one sign code per match (1 "1", 2 "x",
// 3 "2", 0 none). k bytes a bet, in file order.
struct TSystemTestu {
    TInfoGryRec Info; // the header's record: name, n, k, the game's copies
    bool Pilkarski = false;
    int k = 0;
    std::vector<uint8_t> Zaklady;

    int32_t Ile() const { return k > 0 ? static_cast<int32_t>(Zaklady.size() / static_cast<std::size_t>(k)) : 0; }
    // Bet i, 0-based.
    const uint8_t* Zaklad(int32_t i) const { return Zaklady.data() + static_cast<std::size_t>(i) * k; }
};

// The loading's progress: the 0-based index of the bet being read and the count of bets.
using TPostepWczytaniaTestu = std::function<void(int32_t indeks, int32_t wszystkich)>;

// Reads a system file (a window's temporary file or a saved system). Progress goes out at every
// PostepWczytaniaCo-th bet; a raised stop flag ends the reading early and keeps the bets read so
// far. Nothing when the file cannot be read or holds fewer bets than its header announces.
std::optional<TSystemTestu> WczytajSystemTestu(const std::string& plik, const std::atomic<bool>& przerwij,
                                               const TPostepWczytaniaTestu& postep = {});

struct TParametryTestu {
    TTrybTestu Tryb = TTrybTestu::Liczby;
    int MinTrafien = DomyslneMinTrafien;
    // The tested numbers (modes 1 and 2, the game's drawn count of them) or the tested pool row
    // (one sign code per match).
    std::vector<uint8_t> Liczby;
    // Pool systems list the winning bets only for a row the user entered, not for a random one.
    bool Wpisane = true;
    // Mode 3: the draws (not owned; unchanged during a run), the date range as day counts, and the
    // game's drawn count d: each draw's first d numbers are compared.
    const std::vector<TObLos>* Losowania = nullptr;
    double Od = 0.0;
    double Do = 0.0;
    int IleLosowanych = 0;
    // Mode 3 compares bit sets with one population count per bet; this switches to the plain count
    // number by number, which must give the same report (kept for checks and measurements).
    bool PorownaniePoLiczbie = false;
};

// Progress as the window shows it: the bar (position of maximum) and the percentage text.
struct TPostepTestu {
    int64_t Pozycja = 0;
    int64_t Maksimum = 0;
    std::string Procent;
};
using TPokazPostepTestu = std::function<void(const TPostepTestu&)>;

struct TWynikTestu {
    std::vector<std::string> Wiersze; // the report's lines after the heading
    // Modes 1 and 2 of a number system: the 1-based numbers of the bets that reached the minimum.
    std::vector<int32_t> Trafienia;
    bool Przerwano = false;
};

// The test of a system: for every bet the count of hits against the tested numbers, a random set,
// every draw of a date range, or a pool row; the report lists the winning bets (or, for the draw
// history, one line per draw with winners) and sums them up by count of hits.
class TGenTest01 {
public:
    TGenTest01(const TSystemTestu& system, TParametryTestu parametry, const std::atomic<bool>& przerwij,
               TPokazPostepTestu postep = {});
    TWynikTestu Wykonaj();

private:
    void TestLiczb(TWynikTestu& wynik);
    void TestBazy(TWynikTestu& wynik);
    void TestTypow(TWynikTestu& wynik);
    // Shows progress at most every 100 ms.
    void Postep(int64_t pozycja, int64_t maksimum, double procent);

    const TSystemTestu& system_;
    TParametryTestu parametry_;
    const std::atomic<bool>& przerwij_;
    TPokazPostepTestu postep_;
    int64_t ostatniPostep_ = 0;
};

// The report's heading: "Test systemu" with k/n/bets (a pool system: its bets; right after a pool
// system is loaded: k/bets) and a line of "=" as long.
std::vector<std::string> NaglowekTestu(const TSystemTestu& system, bool poWczytaniu = false);
// Winning bets per report line: all of them up to 4 bets, 5 up to 499, then 10.
int PozycjiWWierszu(int32_t zakladow);
// The progress text of the test, "%7.3f%%".
std::string TekstPostepuTestu(double procent);
// d distinct numbers drawn uniformly from 1..N, ascending (at most N of them).
std::vector<uint8_t> LosujLiczbyTestu(TLosowe& losowe, int ileLiczb, int ileLosowanych);
// A random sign code 1..3 for each of k matches.
std::vector<uint8_t> LosujTypyTestu(TLosowe& losowe, int k);
// "1", "x", "2" for the codes 1, 2, 3; "-" for a match without a sign.
const char* ZnakTypu(uint8_t kod);
// The sign code of "1", "x" (or "X"), "2" or "-"; nothing for any other text.
std::optional<uint8_t> KodTypu(std::string_view znak);

} // namespace tarvomund
