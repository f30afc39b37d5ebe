#include "Polecenia.h"

#include "Argumenty.h"

#include <charconv>
#include <new>
#include <ostream>

namespace tarvomund::cli {

namespace {

void Pomoc(std::ostream& wyjscie)
{
    wyjscie << "usage: tarvomund-cli [--dane DIR] COMMAND [ARGS]\n\n"
               "Headless companion of the Tarvomund workbench.\n\n"
               "options:\n"
               "  --dane DIR   the data directory with the game files (default: Dane beside the program)\n"
               "  --help       this text\n\n"
               "commands:\n";
    for (const TPolecenie& p : Polecenia())
        wyjscie << "  " << p.Skladnia << "\n      " << p.Opis << "\n";
    wyjscie << "\nGAME is a catalogue index (from 0) or an exact game name.\n"
               "Exit codes: 0 success, 1 unreadable data, 2 usage error, 128 + N when ended by signal N.\n";
}

} // namespace

const std::vector<TPolecenie>& Polecenia()
{
    static const std::vector<TPolecenie> polecenia{
        {"games", "games",
         "one line per game in catalogue order: index, id, code, name, numbers, drawn, draws (tab-separated)",
         PolecenieGames},
        {"draws", "draws GAME", "the game's draws as the draw editor exports them, in UTF-8", PolecenieDraws},
        {"generate",
         "generate GAME --n N --k K --method M --bets B [--guarantee G] [--sure p,q,...] [--seed S] -o FILE.ss2",
         "generates a number system of K out of N numbers by method M (0..5) into FILE.ss2", PolecenieGenerate},
        {"show", "show FILE.ss2", "the header fields of a number system, then one line per bet with its own numbers",
         PolecenieShow},
        {"guarantee", "guarantee FILE.ss2 --m M [--error I] [--above N] [--below N] [--minmax 0|1]",
         "the guarantee table of a system: the lines the guarantee window lists after a run", PolecenieGuarantee},
        {"sum", "sum A.ss2 [B.ss2 ...] -o OUT.ss2",
         "the union of number systems in their own numbers, renumbered over all numbers they use", PolecenieSum},
        {"diff", "diff A.ss2 [B.ss2 ...] -o OUT.ss2",
         "the bets found in an odd number of the systems, renumbered over all numbers they use", PolecenieDiff},
        {"compose", "compose A.ss2 B.ss2 -o OUT.ss2",
         "every bet of A joined with every bet of B over nA + nB numbers", PolecenieCompose},
    };
    return polecenia;
}

std::optional<std::size_t> ZnajdzGre(const TKatalogGier& katalog, const std::string& gra)
{
    std::size_t indeks = 0;
    const auto [koniec, ec] = std::from_chars(gra.data(), gra.data() + gra.size(), indeks);
    if (ec == std::errc() && koniec == gra.data() + gra.size() && indeks < katalog.Ile())
        return indeks;
    return katalog.IndeksNazwy(gra);
}

int Uruchom(const std::vector<std::string>& argumenty, const std::string& domyslnyKatalogDane,
            std::ostream& wyjscie, std::ostream& bledy)
{
    TOpcjeWspolne opcje{domyslnyKatalogDane};
    std::size_t poz = 0;
    for (; poz < argumenty.size() && argumenty[poz].starts_with("--"); ++poz) {
        if (argumenty[poz] == "--help") {
            Pomoc(wyjscie);
            return KodSukces;
        }
        if (argumenty[poz] == "--dane" && poz + 1 < argumenty.size()) {
            opcje.KatalogDane = argumenty[++poz];
            continue;
        }
        bledy << "tarvomund-cli: unknown option " << argumenty[poz] << "\n";
        return KodBladUzycia;
    }
    if (poz == argumenty.size()) {
        Pomoc(bledy);
        return KodBladUzycia;
    }
    const std::string& nazwa = argumenty[poz];
    for (const TPolecenie& p : Polecenia()) {
        if (nazwa != p.Nazwa)
            continue;
        TKontekst kontekst{opcje, {argumenty.begin() + static_cast<std::ptrdiff_t>(poz) + 1, argumenty.end()},
                           wyjscie, bledy};
        try {
            return p.Wykonaj(kontekst);
        } catch (const std::bad_alloc&) {
            bledy << "tarvomund-cli " << p.Nazwa << ": out of memory\n";
            return KodBladDanych;
        } catch (const TBladUzycia& blad) {
            bledy << "tarvomund-cli " << p.Nazwa << ": " << blad.Tekst << "\nusage: tarvomund-cli [--dane DIR] "
                  << p.Skladnia << "\n";
            return KodBladUzycia;
        }
    }
    bledy << "tarvomund-cli: unknown command " << nazwa << " (see --help)\n";
    return KodBladUzycia;
}

} // namespace tarvomund::cli
