#include "Polecenia.h"

#include "draws/EksportLosowan.h"
#include "model/PlikSystemu.h"
#include "model/UstawieniaIni.h"
#include "systems/ArytmetykaSystemow.h"
#include "systems/Kombinatoryka.h"
#include "systems/Losowosc.h"
#include "systems/Metody.h"
#include "systems/TGenGwar01.h"
#include "systems/TGenSys01.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <filesystem>
#include <limits>
#include <map>
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

// A command's own options, each with one value ("--n 10", "-o FILE"), and its positional arguments.
struct TArgumentyPolecenia {
    std::vector<std::string> Pozycyjne;
    std::map<std::string, std::string> Opcje;

    bool Ma(const std::string& nazwa) const { return Opcje.count(nazwa) != 0; }
    const std::string& Wartosc(const std::string& nazwa) const
    {
        const auto it = Opcje.find(nazwa);
        if (it == Opcje.end())
            throw TBladUzycia("missing " + nazwa);
        return it->second;
    }
};

// The options and however many positional arguments there are.
TArgumentyPolecenia RozbierzOpcje(const TKontekst& k, std::initializer_list<std::string_view> dozwolone)
{
    TArgumentyPolecenia wynik;
    for (std::size_t i = 0; i < k.Argumenty.size(); ++i) {
        const std::string& arg = k.Argumenty[i];
        if (arg.size() < 2 || arg[0] != '-') {
            wynik.Pozycyjne.push_back(arg);
            continue;
        }
        if (std::find(dozwolone.begin(), dozwolone.end(), arg) == dozwolone.end())
            throw TBladUzycia("unknown option " + arg);
        if (i + 1 == k.Argumenty.size())
            throw TBladUzycia(arg + " needs a value");
        if (!wynik.Opcje.emplace(arg, k.Argumenty[++i]).second)
            throw TBladUzycia(arg + " given twice");
    }
    return wynik;
}

TArgumentyPolecenia RozbierzArgumenty(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                      std::size_t pozycyjnych)
{
    TArgumentyPolecenia wynik = RozbierzOpcje(k, dozwolone);
    if (wynik.Pozycyjne.size() != pozycyjnych)
        throw TBladUzycia("wrong number of arguments");
    return wynik;
}

template <typename T> T Liczba(const std::string& tekst, const std::string& nazwa)
{
    T wartosc{};
    const auto [koniec, ec] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (ec != std::errc() || koniec != tekst.data() + tekst.size() || tekst.empty())
        throw TBladUzycia(nazwa + " needs a whole number, not \"" + tekst + "\"");
    return wartosc;
}

void WymagajZakresu(int64_t wartosc, int64_t od, int64_t do_, const std::string& opis)
{
    if (wartosc < od || wartosc > do_)
        throw TBladUzycia(opis + " must be within " + std::to_string(od) + ".." + std::to_string(do_));
}

// The sure positions "p,q,...", each within 1..n.
std::vector<int> PewnePozycje(const std::string& tekst, int n)
{
    std::vector<int> pozycje;
    std::size_t poczatek = 0;
    while (poczatek <= tekst.size()) {
        const std::size_t przecinek = std::min(tekst.find(',', poczatek), tekst.size());
        const int p = Liczba<int>(tekst.substr(poczatek, przecinek - poczatek), "--sure");
        WymagajZakresu(p, 1, n, "a sure position");
        pozycje.push_back(p);
        poczatek = przecinek + 1;
    }
    std::sort(pozycje.begin(), pozycje.end());
    pozycje.erase(std::unique(pozycje.begin(), pozycje.end()), pozycje.end());
    return pozycje;
}

// The bet count the parameters dialog would settle on: the entered count for methods 0 to 2, the
// chain lengths for 3 and 4, the guarantee count for 5, and never more than C(n, k).
int64_t LiczbaZakladow(int metoda, int n, int k, int gwarancja, int64_t wpisana)
{
    int64_t zakladow = wpisana;
    switch (static_cast<TMetoda>(metoda)) {
    case TMetoda::LancuchowaI:
        zakladow = n - k + 1;
        break;
    case TMetoda::LancuchowaII:
        zakladow = n;
        break;
    case TMetoda::Gwarancyjna:
        zakladow = std::max<int64_t>(1, Zaokraglij(IlorazKombinacji(k, n, gwarancja + 1)));
        break;
    default:
        break;
    }
    return std::min(zakladow, Zaokraglij(Kombinacje(n, k)));
}

// The parameter record of a number system of `gra` from the command's options.
TInfoGryRec ParametrySystemu(const TObGraLista& gra, const TArgumentyPolecenia& a)
{
    if (!gra.CzyLiczbowa())
        throw TBladUzycia(gra.Nazwa + " is not a number game");
    const int n = Liczba<int>(a.Wartosc("--n"), "--n");
    const int k = Liczba<int>(a.Wartosc("--k"), "--k");
    const int metoda = Liczba<int>(a.Wartosc("--method"), "--method");
    WymagajZakresu(n, 1, std::min<int>(MaxLiczbSystemu, gra.IleLiczb), "--n");
    WymagajZakresu(k, 1, std::min<int>(n, gra.MaxSkreslen), "--k");
    WymagajZakresu(metoda, 0, IleMetod - 1, "--method");
    const int gwarancja = a.Ma("--guarantee") ? Liczba<int>(a.Wartosc("--guarantee"), "--guarantee") : 0;
    WymagajZakresu(gwarancja, 0, k - 1, "--guarantee");
    const bool wpisywana = metoda <= static_cast<int>(TMetoda::SkroconaPrzypadkowa);
    int64_t wpisana = 0;
    if (wpisywana || a.Ma("--bets")) {
        wpisana = Liczba<int64_t>(a.Wartosc("--bets"), "--bets");
        if (wpisana < 1)
            throw TBladUzycia("--bets must be at least 1");
    }
    const int64_t zakladow = LiczbaZakladow(metoda, n, k, gwarancja, wpisana);
    if (zakladow > std::numeric_limits<int32_t>::max())
        throw TBladUzycia("a system file holds at most " + std::to_string(std::numeric_limits<int32_t>::max()) +
                          " bets");

    TInfoGryRec info = TInfoGryRec::DlaGry(gra);
    info.n = n;
    info.k = k;
    info.Metoda = metoda;
    info.Gwarancja = gwarancja;
    info.Zakladow = static_cast<int32_t>(zakladow);
    if (a.Ma("--sure")) {
        if (metoda != static_cast<int>(TMetoda::SkroconaRownomierna))
            throw TBladUzycia("--sure applies to method 1 only");
        const std::vector<int> pewne = PewnePozycje(a.Wartosc("--sure"), n);
        if (static_cast<int>(pewne.size()) >= k)
            throw TBladUzycia("--sure must leave room in every bet: fewer than k positions");
        for (int p : pewne)
            info.Wlasne[2][static_cast<std::size_t>(p - 1)] = ZnakPewnejPozycji;
    }
    return info;
}

int PolecenieGenerate(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(
        k, {"--n", "--k", "--method", "--bets", "--guarantee", "--sure", "--seed", "-o"}, 1);
    const std::string plik = a.Wartosc("-o");
    const bool zZiarnem = a.Ma("--seed");
    const uint64_t ziarno = zZiarnem ? Liczba<uint64_t>(a.Wartosc("--seed"), "--seed") : 0;
    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    const auto indeks = ZnajdzGre(*katalog, a.Pozycyjne[0]);
    if (!indeks)
        throw TBladUzycia("no game " + a.Pozycyjne[0] + " in " + k.Opcje.KatalogDane);
    const TInfoGryRec info = ParametrySystemu(katalog->Gra(*indeks), a);

    if (zZiarnem)
        UstawZiarno(ziarno);
    else
        ZasiejLosowo();
    TLosowe losowe;
    // The system goes into a file beside the target, which replaces the target only when complete.
    const std::string tymczasowy = plik + ".tmp~";
    const std::atomic<bool> przerwij{false};
    const TWynikGeneracji wynik = TGenSys01(info, tymczasowy, przerwij, nullptr, losowe).Wykonaj();
    std::error_code blad;
    if (!wynik.BladPliku)
        std::filesystem::rename(tymczasowy, plik, blad);
    if (wynik.BladPliku || blad) {
        std::filesystem::remove(tymczasowy, blad);
        k.Bledy << "tarvomund-cli: cannot write " << plik << "\n";
        return KodBladDanych;
    }
    k.Wyjscie << "bets: " << wynik.Zakladow << '\n';
    return KodSukces;
}

std::string OpisBledu(TBladSystemu blad)
{
    switch (blad) {
    case TBladSystemu::NieOtwarty:
        return "cannot be opened";
    case TBladSystemu::ZaKrotki:
        return "is shorter than its header and the bets its count announces";
    case TBladSystemu::ZlyRozmiar:
        return "has a bet record size that differs from k";
    case TBladSystemu::ZleParametry:
        return "has n or k outside 1..120 or a negative bet count";
    case TBladSystemu::NieznanyKod:
        return "is not a system file (unknown game code)";
    default:
        return "cannot be read";
    }
}

int PolecenieShow(TKontekst& k)
{
    WymagajArgumentow(k, 1);
    const std::string& plik = k.Argumenty[0];
    TCzytnikSystemu czytnik(plik);
    if (!czytnik.Otwarty()) {
        k.Bledy << "tarvomund-cli: " << plik << " " << OpisBledu(czytnik.Blad()) << "\n";
        return KodBladDanych;
    }
    const TInfoGryRec& info = czytnik.Naglowek().Info;
    if (czytnik.Naglowek().Pilkarski()) {
        k.Bledy << "tarvomund-cli: " << plik << " is a pool system; show lists number systems\n";
        return KodBladDanych;
    }
    k.Wyjscie << "game id: " << info.IdGry << "\ngame code: " << info.KodGry << "\nname: " << info.Nazwa
              << "\nn: " << info.n << "\nk: " << info.k << "\nbets: " << info.Zakladow << "\nmethod: " << info.Metoda
              << "\nguarantee: " << info.Gwarancja << '\n';
    constexpr int32_t Porcja = 4096;
    for (int32_t od = 1; od <= info.Zakladow; od += Porcja) {
        const auto zaklady = czytnik.Zaklady(od, Porcja);
        if (zaklady.empty()) {
            k.Bledy << "tarvomund-cli: " << plik << " cannot be read at bet " << od << "\n";
            return KodBladDanych;
        }
        int32_t b = od;
        for (const auto& zaklad : zaklady) {
            k.Wyjscie << b++ << ": ";
            for (int j = 0; j < info.k; ++j) {
                const uint8_t p = zaklad[static_cast<std::size_t>(j)];
                // A position maps to the number shown; a stray value outside 1..120 is shown as it is.
                const int liczba = p >= 1 && p <= MaxLiczbSystemu ? info.Wlasne[1][p - 1] : p;
                k.Wyjscie << (j > 0 ? "," : "") << liczba;
            }
            k.Wyjscie << '\n';
        }
    }
    return KodSukces;
}

// The headers of the systems a command combines; an unreadable, damaged or pool system is told on the
// error output.
std::optional<std::vector<TInfoGryRec>> CzytajZrodla(TKontekst& k, const std::vector<std::string>& pliki)
{
    std::vector<TInfoGryRec> systemy;
    for (const std::string& plik : pliki) {
        TBladSystemu blad = TBladSystemu::Brak;
        const auto naglowek = CzytajNaglowekSystemu(plik, &blad);
        if (!naglowek) {
            k.Bledy << "tarvomund-cli: " << plik << " " << OpisBledu(blad) << "\n";
            return std::nullopt;
        }
        if (naglowek->Pilkarski()) {
            k.Bledy << "tarvomund-cli: " << plik << " is a pool system; only number systems combine\n";
            return std::nullopt;
        }
        systemy.push_back(naglowek->Info);
    }
    return systemy;
}

std::string OpisOdmowy(TBladArytmetyki blad)
{
    switch (blad) {
    case TBladArytmetyki::BrakSystemow:
        return "no system given";
    case TBladArytmetyki::Pilkarski:
        return "pool systems do not combine";
    case TBladArytmetyki::InnaGra:
        return "the systems were made for games of different parameters";
    case TBladArytmetyki::InneK:
        return "a system has another count of numbers per bet (k) than the first";
    case TBladArytmetyki::PonadMaxLiczb:
        return "the result would need more than 120 numbers";
    case TBladArytmetyki::PonadLiczbyGry:
        return "the composite would hold more numbers than the game has";
    case TBladArytmetyki::ZaDuzoZakladow:
        return "the composite would have more bets than a system file holds (2147483647)";
    default:
        return {};
    }
}

// Runs one of the three arithmetic runs into a file beside the target, which replaces the target
// only when complete, and prints the result's n and bet count.
int ZapiszWynikArytmetyki(TKontekst& k, const std::string& plik,
                          const std::function<TWynikGeneracji(const std::string&)>& wykonaj)
{
    const std::string tymczasowy = plik + ".tmp~";
    const TWynikGeneracji wynik = wykonaj(tymczasowy);
    std::error_code blad;
    if (!wynik.BladPliku)
        std::filesystem::rename(tymczasowy, plik, blad);
    if (wynik.BladPliku || blad) {
        std::filesystem::remove(tymczasowy, blad);
        k.Bledy << "tarvomund-cli: cannot write " << plik << " (or a source changed while it was read)\n";
        return KodBladDanych;
    }
    k.Wyjscie << "n: " << wynik.n << "\nbets: " << wynik.Zakladow << '\n';
    return KodSukces;
}

// The sum or the difference of systems, as "Sumuj systemy" makes it with the first system as reference.
int SumaLubRoznica(TKontekst& k, TTrybSumy tryb)
{
    const TArgumentyPolecenia a = RozbierzOpcje(k, {"-o"});
    const std::string plik = a.Wartosc("-o");
    if (a.Pozycyjne.empty())
        throw TBladUzycia("no system given");
    const auto systemy = CzytajZrodla(k, a.Pozycyjne);
    if (!systemy)
        return KodBladDanych;
    const TBladArytmetyki blad = SprawdzSume(*systemy);
    if (blad != TBladArytmetyki::Brak)
        throw TBladUzycia(OpisOdmowy(blad));
    const std::atomic<bool> przerwij{false};
    TRaportPostepu postep(nullptr, "%6.2f%%");
    return ZapiszWynikArytmetyki(k, plik, [&](const std::string& cel) {
        return SumujSystemy(ParametrySumy(systemy->front()), cel, a.Pozycyjne, tryb, przerwij, postep);
    });
}

int PolecenieSum(TKontekst& k)
{
    return SumaLubRoznica(k, TTrybSumy::Suma);
}

int PolecenieDiff(TKontekst& k)
{
    return SumaLubRoznica(k, TTrybSumy::Roznica);
}

// The composite of two systems, as the New dialog's "Systemy złożone" makes it.
int PolecenieCompose(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {"-o"}, 2);
    const std::string plik = a.Wartosc("-o");
    const auto systemy = CzytajZrodla(k, a.Pozycyjne);
    if (!systemy)
        return KodBladDanych;
    const TBladArytmetyki blad = SprawdzZlozenie((*systemy)[0], (*systemy)[1]);
    if (blad != TBladArytmetyki::Brak)
        throw TBladUzycia(OpisOdmowy(blad));
    const std::atomic<bool> przerwij{false};
    TRaportPostepu postep(nullptr, "%6.2f%%");
    return ZapiszWynikArytmetyki(k, plik, [&](const std::string& cel) {
        return ZlozSystemy(ParametryZlozenia((*systemy)[0], (*systemy)[1]), cel, a.Pozycyjne[0], a.Pozycyjne[1],
                           przerwij, postep);
    });
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
    const TParametry zapisane = CzytajUstawieniaIni(DomyslnyPlikUstawienIni());
    TUstawieniaGwarancji ust;
    ust.IleNad = zapisane.IleNad;
    ust.IlePod = zapisane.IlePod;
    ust.MinMax = zapisane.MinMax;
    if (system->Pilkarski) {
        // A pool system counts the hits on its multi-sign matches; m is its match count.
        ust.m = a.Ma("--m") ? Liczba<int>(a.Wartosc("--m"), "--m") : system->k;
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
