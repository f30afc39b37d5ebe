#include "Argumenty.h"

#include "pools/TGenSysPl.h"
#include "pools/Typowania.h"
#include "systems/Losowosc.h"

#include <algorithm>
#include <atomic>
#include <ostream>

namespace tarvomund::cli {

namespace {

// The typings of matches 1..k, each one of the sign-button texts; an empty one leaves its match out.
TTypy TypyMeczow(const std::string& tekst)
{
    TTypy typy = PolaPrzecinkami(tekst);
    if (typy.size() < static_cast<std::size_t>(MinMeczow) ||
        typy.size() > static_cast<std::size_t>(MaxMeczow))
        throw TBladUzycia("--typing needs " + std::to_string(MinMeczow) + " to " + std::to_string(MaxMeczow) +
                          " typings, one per match");
    for (const std::string& typ : typy)
        if (!PoprawneTypowanie(typ))
            throw TBladUzycia(
                "--typing takes the signs of the typing buttons (1, 2, x, 1x, x1, 12, 21, x2, 2x, 1x2, "
                "12x, x12, x21, 21x, 2x1, or nothing for a match left out), not \"" +
                typ + "\"");
    if (std::all_of(typy.begin(), typy.end(), [](const std::string& typ) { return typ.empty(); }))
        throw TBladUzycia("--typing types no match");
    return typy;
}

} // namespace

// A pool system as the pool window writes it after "Start".
int PoleceniePool(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {"--typing", "--method", "--bets", "--seed", "-o"}, 0);
    const std::string plik = a.Wartosc("-o");
    const TTypy typy = TypyMeczow(a.Wartosc("--typing"));
    const int mecze = static_cast<int>(typy.size());
    const int metoda = Liczba<int>(a.Wartosc("--method"), "--method");
    WymagajZakresu(metoda, 0, IleMetodPl - 1, "--method");
    const int64_t kombinacji = IleKombinacjiTypow(typy, mecze);
    // The full method takes every combination unless fewer bets are asked for; the shortened
    // methods need the count. As in the window, a count above the combinations is lowered to them.
    int64_t zakladow = kombinacji;
    if (metoda != static_cast<int>(TMetodaPl::Pelna) || a.Ma("--bets")) {
        zakladow = Liczba<int64_t>(a.Wartosc("--bets"), "--bets");
        if (zakladow < 1)
            throw TBladUzycia("--bets must be at least 1");
    }
    zakladow = std::min(zakladow, kombinacji);
    if (a.Ma("--seed"))
        UstawZiarno(Liczba<uint64_t>(a.Wartosc("--seed"), "--seed"));
    else
        ZasiejLosowo();

    const TInfoGryRec info = NoweInfoSystemuPilkarskiego(mecze, static_cast<int32_t>(zakladow), metoda);
    const std::vector<TTypowanie> typowania = TypowaniaZTypow(typy, mecze);
    TLosowe losowe;
    const std::atomic<bool> przerwij{false};
    const std::optional<TWynikGeneracji> wynik =
        ZapiszSystemPrzezTymczasowy(k, plik, [&](const std::string& cel) {
            return TGenSysPl(info, typowania, cel, przerwij, nullptr, losowe).Wykonaj();
        });
    if (!wynik)
        return KodBladDanych;
    k.Wyjscie << "bets: " << wynik->Zakladow << '\n';
    return KodSukces;
}

} // namespace tarvomund::cli
