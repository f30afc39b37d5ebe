#include "systems/TGenFiltr.h"

#include "stats/Kryteria.h"
#include "systems/PrzesiewSystemu.h"

#include <algorithm>

namespace tarvomund {

TGenFiltr::TGenFiltr(TInfoGryRec info, TFiltr filtr, const std::vector<TObLos>& losowania,
                     const std::atomic<bool>& przerwij, TPokazPostep postep)
    : info_(std::move(info)), filtr_(std::move(filtr)), losowania_(losowania), przerwij_(przerwij),
      postep_(std::move(postep), "%6.2f%%")
{
}

TWynikGeneracji TGenFiltr::Wykonaj()
{
    const int filtr = WybraneKryterium(filtr_.Kryteria.data(), IleFiltrowBetow);
    if (filtr == static_cast<int>(TRodzajFiltru::Pozycje)) {
        const int32_t od = std::min(filtr_.PozycjaOd, filtr_.PozycjaDo);
        const int32_t do_ = std::max(filtr_.PozycjaOd, filtr_.PozycjaDo);
        return PrzesiejSystem(
            info_, filtr_.PlikRoboczy, filtr_.PlikWyniku,
            [od, do_](int32_t numer, const uint8_t*, int) { return numer < od || numer > do_; }, przerwij_, postep_);
    }
    if (filtr < 1 || filtr > static_cast<int>(TRodzajFiltru::Wylosowane)) {
        TWynikGeneracji nic;
        nic.BezZmian = true;
        return nic;
    }
    // A filter removes the bets its criterion finds.
    const TTestZakladu test(filtr, filtr == static_cast<int>(TRodzajFiltru::Wylosowane), filtr_, filtr_.SumaOd,
                            filtr_.SumaDo, filtr_.IlePowtorzonych, info_, losowania_);
    return PrzesiejSystem(
        info_, filtr_.PlikRoboczy, filtr_.PlikWyniku,
        [&test](int32_t, const uint8_t* liczby, int k) { return !test.Pasuje(liczby, k); }, przerwij_, postep_);
}

} // namespace tarvomund
