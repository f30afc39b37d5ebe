#include "stats/TGenSzukSys.h"

#include "stats/Kryteria.h"
#include "systems/PrzesiewSystemu.h"

namespace tarvomund {

TGenSzukSys::TGenSzukSys(TInfoGryRec info, TFiltrSzukSys filtr, const std::vector<TObLos>& losowania,
                         const std::atomic<bool>& przerwij, TPokazPostep postep)
    : info_(std::move(info)), filtr_(std::move(filtr)), losowania_(losowania), przerwij_(przerwij),
      postep_(std::move(postep), "%6.2f%%")
{
}

TWynikGeneracji TGenSzukSys::Wykonaj()
{
    const int kryterium = WybraneKryterium(filtr_.Kryteria.data(), IleKryteriowSystemu);
    if (kryterium < 1) {
        TWynikGeneracji nic;
        nic.BezZmian = true;
        return nic;
    }
    const TTestZakladu test(kryterium, kryterium == KryteriumWylosowanych, filtr_, filtr_.SumaOd, filtr_.SumaDo,
                            filtr_.IlePowtorzonych, info_, losowania_);
    return PrzesiejSystem(
        info_, filtr_.PlikRoboczy, filtr_.PlikWyniku,
        [&test](int32_t, const uint8_t* liczby, int k) { return test.Pasuje(liczby, k); }, przerwij_, postep_);
}

} // namespace tarvomund
