#pragma once

#include "model/TObGraLista.h"
#include "stats/ParametryStatystyki.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvomund {

// The settings the engine reads when it cuts sorted series.
struct TUstawieniaStatystyki {
    int32_t MaksWynikow = 150;    // most entries kept in a cut series
    bool WszystkieWyniki = false; // keep every entry
};

// The statistics engine: one statistic of one game's draws, left as up to 120 series of labelled
// values. Counting uses fixed tables indexed by number and group; sets of numbers are counted as
// integers and labelled only at the end. A stop request ends the counting; the series are still
// built, sorted and cut from what was counted.
class TGenStat {
public:
    // The game is read, never changed; a caller on another thread passes its own copy.
    TGenStat(const TParametryStatystyki& parametry, const TObGraLista& gra,
             const TUstawieniaStatystyki& ustawienia, const std::atomic<bool>& przerwij,
             TPokazPostep postep = {});

    TWynikiStatystyki Wykonaj();

    // "%6.2f%%" for the passes over single numbers (kinds 0, 2 and 3 with one number) and runs (kind
    // 1), "%8.4f%%" for every other.
    static const char* FormatPostepu(const TParametryStatystyki& parametry);

private:
    // The next step of the current pass: false once a stop was requested. The clock is read only
    // every few steps, so the progress costs almost nothing per step.
    bool Krok()
    {
        if (przerwij_.load(std::memory_order_relaxed))
            return false;
        if ((++krok_ & MaskaZegara) == 1)
            raport_.Zglos(krok_, wszystkich_);
        return true;
    }
    void Faza(int64_t wszystkich);

    void Liczby(int m);
    template <class L> void PoliczUklady(L& licznik, int m);
    void Uklady(int m);
    void KolejneLiczby();
    void Sumy();
    void KazdaZKazda();
    void ZadanaZInnymi();
    void ParzystosciWszystkie(bool parzysteZNieparzystymi);
    void PrzedzialyWszystkie();
    void PrzedzialJeden();
    void WPrzedziale();
    void Serie();
    void Odstepy();
    void Blankiet();

    // Whether the number may stand in the statistic: in the game's range and, for the parity
    // kinds, of their parity.
    bool Dozwolona(int liczba) const;
    std::optional<std::size_t> Limit() const;

    static constexpr int64_t MaskaZegara = 1023;

    TParametryStatystyki p_;
    const TObGraLista& gra_;
    TUstawieniaStatystyki ustawienia_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu raport_;
    int n_ = 0; // numbers 1..n_ of the game
    int k_ = 0; // numbers per draw
    // The draws in range, in list order, with the group each counts in (0-based).
    std::vector<const TObLos*> losy_;
    std::vector<uint8_t> grupyLosow_;
    int grup_ = 1;
    int64_t krok_ = 0;
    int64_t wszystkich_ = 0;
    TWynikiStatystyki wyniki_;
};

// The 0-based group of a draw's date for a grouping: the weekday from Sunday, the day of month or the month.
int GrupaDaty(double data, int32_t grupowanie);

} // namespace tarvomund
