#include "Polecenia.h"

#include "draws/EksportLosowan.h"

#include <charconv>
#include <filesystem>
#include <ostream>

namespace tarvomund::cli {

namespace {

class TBladUzycia {
public:
    explicit TBladUzycia(std::string tekst) : Tekst(std::move(tekst)) {}
    std::string Tekst;
};

void WymagajArgumentow(const TKontekst& k, std::size_t ile)
{
    if (k.Argumenty.size() != ile)
        throw TBladUzycia("wrong number of arguments");
}

// The catalogue, or an error when the data directory cannot be read at all.
std::optional<TKatalogGier> Katalog(TKontekst& k)
{
    std::error_code blad;
    if (!std::filesystem::is_directory(k.Opcje.KatalogDane, blad)) {
        k.Bledy << "tarvomund-cli: cannot read the data directory " << k.Opcje.KatalogDane << "\n";
        return std::nullopt;
    }
    return TKatalogGier::WczytajGry(k.Opcje.KatalogDane);
}

int PolecenieGames(TKontekst& k)
{
    WymagajArgumentow(k, 0);
    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    for (std::size_t i = 0; i < katalog->Ile(); ++i) {
        const TObGraLista& gra = katalog->Gra(i);
        k.Wyjscie << i << '\t' << gra.Id << '\t' << gra.KodGry << '\t' << gra.Nazwa << '\t' << gra.IleLiczb << '\t'
                  << gra.IleLosowanych << '\t' << gra.Losowania.size() << '\n';
    }
    return KodSukces;
}

int PolecenieDraws(TKontekst& k)
{
    WymagajArgumentow(k, 1);
    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    const auto indeks = ZnajdzGre(*katalog, k.Argumenty[0]);
    if (!indeks) {
        k.Bledy << "tarvomund-cli: no game " << k.Argumenty[0] << " in " << k.Opcje.KatalogDane << "\n";
        return KodBladUzycia;
    }
    k.Wyjscie << TekstLosowan(katalog->Gra(*indeks), "\n");
    return KodSukces;
}

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
