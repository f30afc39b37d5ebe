#include "Polecenia.h"

#include "Argumenty.h"

#include <charconv>
#include <ostream>

namespace tarvomund::cli {

namespace {

void Pomoc(std::ostream& wyjscie)
{
    wyjscie << "usage: tarvomund-cli [--dane DIR] COMMAND [ARGS]\n\n"
               "Headless companion of the Tarvomund workbench.\n\n"
               "options:\n"
               "  --dane DIR   the data directory with the game files (default: Dane beside the program;\n"
               "               installed: the workbench's Dane in the user's data directory)\n"
               "  --help       this text\n\n"
               "commands:\n";
    for (const TPolecenie& p : Polecenia())
        wyjscie << "  " << p.Skladnia << "\n      " << p.Opis << "\n";
    wyjscie << "\nGAME is a catalogue index (from 0) or an exact game name.\n"
               "Exit codes: 0 success, 1 unreadable data, 2 usage error.\n";
}

} // namespace

const std::vector<TPolecenie>& Polecenia()
{
    static const std::vector<TPolecenie> polecenia{
        {"games", "games",
         "one line per game in catalogue order: index, id, code, name, numbers, drawn, draws (tab-separated)",
         PolecenieGames},
        {"draws", "draws GAME", "the game's draws as the draw editor exports them, in UTF-8", PolecenieDraws},
        {"export", "export GAME FILE",
         "writes the game's draws into FILE as the draw editor exports them (Windows-1250, CR LF)", PolecenieExport},
        {"import",
         "import GAME FILE [--start N] [--numbered] [--date DMR|DRM|MDR|MRD|RMD|RDM] [--separators LIST] [--other C] "
         "[--no-merge] [--replace] [--dry-run] [--verbose]",
         "adds the draws of a text list to the game as the draw editor's import does", PolecenieImport},
        {"new-game",
         "new-game --name NAME --numbers N --drawn K [--min A] [--max B] [--norm C] [--extra E] [--across X] "
         "[--down Y] [--vertical]",
         "writes a new number game (K of 1..N) into the data directory as the game dialog does; prints its file, "
         "id and code",
         PolecenieNewGame},
        {"slips", "slips [--game GAME]",
         "one line per slip layout (of the game): file, name, game code, size in mm, groups, fields (tab-separated)",
         PolecenieSlips},
        {"generate",
         "generate GAME --n N --k K --method M --bets B [--guarantee G] [--sure p,q,...] [--seed S] -o FILE.ss2",
         "generates a number system of K out of N numbers by method M (0..5) into FILE.ss2", PolecenieGenerate},
        {"pool", "pool --typing T1,T2,...,Tk --method 0|1|2 [--bets B] [--seed S] -o FILE.ss2",
         "writes a pool system of k = 10..13 typed matches (each typing a sign-button text such as 1, x2, 1x2, 21) "
         "into FILE.ss2 as the pool window does; B is required for methods 1 and 2",
         PoleceniePool},
        {"show", "show FILE.ss2",
         "the header fields of a system, a pool system's typings, then one line per bet with its own numbers or signs",
         PolecenieShow},
        {"guarantee", "guarantee FILE.ss2 [--m M] [--error I] [--above N] [--below N] [--minmax 0|1]",
         "the guarantee table of a system: the lines the guarantee window lists after a run", PolecenieGuarantee},
        {"test",
         "test FILE.ss2 (--numbers a,b,... | --random [--seed S] | --base [--from dd.mm.yyyy] [--to dd.mm.yyyy] | "
         "--signs 1,x,2,...) [--min M]",
         "the test of a system against entered or random numbers, the draw history, or a pool row: the lines the "
         "test window's report holds after a run",
         PolecenieTest},
        {"sum", "sum A.ss2 [B.ss2 ...] -o OUT.ss2",
         "the union of number systems in their own numbers, renumbered over all numbers they use", PolecenieSum},
        {"diff", "diff A.ss2 [B.ss2 ...] -o OUT.ss2",
         "the bets found in an odd number of the systems, renumbered over all numbers they use", PolecenieDiff},
        {"compose", "compose A.ss2 B.ss2 -o OUT.ss2",
         "every bet of A joined with every bet of B over nA + nB numbers", PolecenieCompose},
        {"bio", "bio --birth dd.mm.yyyy --date dd.mm.yyyy",
         "the biorhythm chart's 41 days around the date: the date, then the physical, emotional, intellectual and "
         "intuitive rhythms from -1 to 1 (tab-separated)",
         PolecenieBio},
        {"stats",
         "stats GAME --kind 1..17 [--from dd.mm.yyyy] [--to dd.mm.yyyy] [--choice V] [--choice2 V] "
         "[--group all|weekday|day|month] [--spacing D] [--division columns|rows|halves-lr|halves-ud|quarters] "
         "[--all | --max M]",
         "a statistic of the game's draws: one line per entry, series after series: the series number (from 1), "
         "the label and the value (tab-separated)",
         PolecenieStats},
        {"stats-file", "stats-file FILE.st2",
         "a saved statistic: its parameters as name: value lines, then its entries as stats prints them",
         PolecenieStatsFile},
        {"group", "group FILE.gr2",
         "the games of a group with their costs, winnings and balance and the totals, as the group window shows them",
         PolecenieGroup},
        {"settle", "settle FILE.gr2 [--player NAME]",
         "the settlement of all participants of a group, or of one, as the settlement window shows it", PolecenieSettle},
        {"cover", "cover --n N --k K --t T [--m M] [--seconds S] [--seed S] [--threads J] -o FILE.ss2",
         "as few bets of K out of N as it finds within S seconds so that any M drawn numbers hit T in some bet",
         PolecenieCover},
        {"reduce", "reduce FILE.ss2 --t T [--m M] [--seconds S] -o OUT.ss2",
         "the system with as few bets as it finds that still guarantees T if M", PolecenieReduce},
        {"complete", "complete FILE.ss2 --t T [--m M] -o OUT.ss2",
         "the system with the fewest bets added that it finds so that it guarantees T if M", PolecenieComplete},
        {"holes", "holes FILE.ss2 --t T [--m M] [--list]",
         "the count of M-subsets that no bet hits in T numbers, and with --list each of them", PolecenieHoles},
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
    return Uruchom(argumenty, TOpcjeWspolne{domyslnyKatalogDane, {}, domyslnyKatalogDane}, wyjscie, bledy);
}

int Uruchom(const std::vector<std::string>& argumenty, const TOpcjeWspolne& domyslne, std::ostream& wyjscie,
            std::ostream& bledy)
{
    TOpcjeWspolne opcje = domyslne;
    if (opcje.DomyslnyKatalogDane.empty())
        opcje.DomyslnyKatalogDane = opcje.KatalogDane;
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
