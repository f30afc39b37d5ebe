#include "Argumenty.h"

#include "model/TParametry.h"
#include "model/UstawieniaIni.h"
#include "systems/TGenGwar01.h"

#include <atomic>
#include <ostream>

namespace tarvomund::cli {

// The guarantee table of a system file, exactly the lines the guarantee window lists after a run.
int PolecenieGuarantee(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {"--m", "--error", "--above", "--below", "--minmax"}, 1);
    TBladWczytaniaGwarancji blad{};
    const std::optional<TSystemGwarancji> system = WczytajSystemGwarancji(a.Pozycyjne[0], &blad);
    if (!system) {
        k.Bledy << "tarvomund-cli: " << a.Pozycyjne[0]
                << (blad == TBladWczytaniaGwarancji::ZbytDuzy ? ": more than 50000 bets, too big for the guarantee\n"
                                                              : ": not a readable system file\n");
        return KodBladDanych;
    }
    const TParametry zapisane =
        CzytajUstawieniaIni(k.Opcje.PlikUstawien.empty() ? DomyslnyPlikUstawienIni() : k.Opcje.PlikUstawien);
    TUstawieniaGwarancji ust;
    ust.IleNad = zapisane.IleNad;
    ust.IlePod = zapisane.IlePod;
    ust.MinMax = zapisane.MinMax;
    if (system->Pilkarski) {
        // A pool system counts the hits on its multi-sign matches; m is its match count and nothing else.
        ust.m = system->k;
        if (a.Ma("--m") && Liczba<int>(a.Wartosc("--m"), "--m") != system->k)
            throw TBladUzycia("--m of a pool system is its count of matches, " + std::to_string(system->k));
    } else {
        ust.m = Liczba<int>(a.Wartosc("--m"), "--m");
        WymagajZakresu(ust.m, 1, system->n, "--m");
    }
    if (a.Ma("--error")) {
        ust.IndeksBledu = Liczba<int>(a.Wartosc("--error"), "--error");
        WymagajZakresu(ust.IndeksBledu, 0, IleBledowGwarancji - 1, "--error");
    }
    if (a.Ma("--above")) {
        ust.IleNad = Liczba<int32_t>(a.Wartosc("--above"), "--above");
        WymagajZakresu(ust.IleNad, ZakresIleNad.Min, ZakresIleNad.Max, "--above");
    }
    if (a.Ma("--below")) {
        ust.IlePod = Liczba<int32_t>(a.Wartosc("--below"), "--below");
        WymagajZakresu(ust.IlePod, ZakresIlePod.Min, ZakresIlePod.Max, "--below");
    }
    if (a.Ma("--minmax")) {
        const int minmax = Liczba<int>(a.Wartosc("--minmax"), "--minmax");
        WymagajZakresu(minmax, 0, 1, "--minmax");
        ust.MinMax = minmax == 1;
    }
    const std::atomic<bool> przerwij{false};
    for (const std::string& wiersz : TGenGwar01(*system, ust, przerwij).Wykonaj().Wiersze)
        k.Wyjscie << wiersz << '\n';
    return KodSukces;
}

} // namespace tarvomund::cli
