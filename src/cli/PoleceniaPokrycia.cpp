#include "Argumenty.h"

#include "systems/OptymalizatorPokrycia.h"
#include "systems/RekordyPokryc.h"
#include "systems/SystemPokrycia.h"
#include "systems/TWyzarzaniePokrycia.h"

#include <atomic>
#include <charconv>
#include <filesystem>
#include <ostream>

// The covering commands: the fewest bets for a guarantee "t if m", made anew (cover), from a
// system (reduce), or added to a system (complete), and the holes a system leaves.
namespace tarvomund::cli {

namespace {

constexpr double DomyslnyCzas = 10.0;
constexpr double MaxCzas = 86400.0;
// Completing takes no time limit from the user: the added bets are few, found in a short run.
constexpr double CzasUzupelnienia = 3.0;
constexpr int MaxWatkow = 256;

double Sekundy(const TArgumentyPolecenia& a)
{
    if (!a.Ma("--seconds"))
        return DomyslnyCzas;
    const std::string& tekst = a.Wartosc("--seconds");
    double sekundy = 0;
    const auto [koniec, ec] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), sekundy);
    if (ec != std::errc() || koniec != tekst.data() + tekst.size() || tekst.empty() || !(sekundy >= 0) ||
        sekundy > MaxCzas)
        throw TBladUzycia("--seconds needs a number of seconds within 0..86400, not \"" + tekst + "\"");
    return sekundy;
}

// --t (1..k) and --m (t..n, default t) for a system of k numbers per bet over n.
TParametryPokrycia Gwarancja(const TArgumentyPolecenia& a, int n, int k)
{
    TParametryPokrycia p{n, k, Liczba<int>(a.Wartosc("--t"), "--t"), 0};
    WymagajZakresu(p.t, 1, k, "--t");
    p.m = a.Ma("--m") ? Liczba<int>(a.Wartosc("--m"), "--m") : p.t;
    WymagajZakresu(p.m, p.t, n, "--m");
    return p;
}

void SprawdzOptymalizacje(const TParametryPokrycia& p)
{
    switch (SprawdzZadanie(p)) {
    case TBladPokrycia::ZleParametry:
        throw TBladUzycia("the optimiser takes at most " + std::to_string(MaxKOptymalizacji) + " numbers per bet");
    case TBladPokrycia::ZaDuze:
        throw TBladUzycia("too many m-subsets of the n numbers for the optimiser");
    default:
        break;
    }
}

// The shipped table, from the data directory or else from Dane beside the program.
TRekordyPokryc Rekordy(const TKontekst& k)
{
    for (const std::string& katalog : {k.Opcje.KatalogDane, k.Opcje.DomyslnyKatalogDane}) {
        TRekordyPokryc rekordy = TRekordyPokryc::Wczytaj((std::filesystem::path(katalog) / NazwaPlikuRekordow).string());
        if (rekordy.Ile() > 0)
            return rekordy;
    }
    return {};
}

// The result of the optimiser written beside the target and renamed over it, then the counts.
int Zapisz(TKontekst& k, const std::string& plik, const TParametryPokrycia& p, TInfoGryRec info,
           const TWynikPokrycia& wynik, const TRekordyPokryc& rekordy)
{
    if (const int sygnal = KodPoSygnale(k); sygnal != KodSukces)
        return sygnal;
    if (wynik.Blad != TBladPokrycia::Brak) {
        k.Bledy << "tarvomund-cli: the optimiser found no complete system\n";
        return KodBladDanych;
    }
    OznaczGwarancje(info, p);
    int kod = KodSukces;
    const auto zapisany = ZapiszSystemAtomowo(k, plik, [&](const std::string& cel) {
        TWynikGeneracji w;
        w.BladPliku = !ZapiszSystemPokrycia(cel, info, wynik.Zaklady);
        return w;
    }, kod);
    if (!zapisany)
        return kod;
    k.Wyjscie << "bets: " << wynik.Zaklady.size() << '\n';
    if (p.Klasyczne()) {
        if (const auto rekord = rekordy.Znajdz(p.n, p.k, p.t))
            k.Wyjscie << "best known: " << rekord->Najlepszy << "\nlower bound: " << rekord->Dolne << '\n';
    }
    return KodSukces;
}

// Stop once the proved lower bound is reached: no system can be smaller.
int64_t Cel(const TParametryPokrycia& p, const TRekordyPokryc& rekordy)
{
    if (!p.Klasyczne())
        return 0;
    int64_t cel = DolneOgraniczenie(p.n, p.k, p.t);
    if (const auto rekord = rekordy.Znajdz(p.n, p.k, p.t))
        cel = std::max(cel, rekord->Dolne);
    return cel;
}

// The best size the table knows, for the optimiser to aim at; 0 when it knows none.
int64_t Znany(const TParametryPokrycia& p, const TRekordyPokryc& rekordy)
{
    const auto rekord = p.Klasyczne() ? rekordy.Znajdz(p.n, p.k, p.t) : std::nullopt;
    return rekord ? rekord->Najlepszy : 0;
}

// A number system for reduce and complete, or the exit code of why not.
std::optional<TSystemPokrycia> CzytajSystem(TKontekst& k, const std::string& plik)
{
    TBladOdczytuPokrycia blad = TBladOdczytuPokrycia::Brak;
    auto system = CzytajSystemPokrycia(plik, MaxBlokow, &blad);
    if (!system) {
        k.Bledy << "tarvomund-cli: " << plik
                << (blad == TBladOdczytuPokrycia::Pilkarski ? " is a pool system; only number systems are covered\n"
                    : blad == TBladOdczytuPokrycia::ZaDuzo
                        ? " has more than " + std::to_string(MaxBlokow) + " bets, too many for the optimiser\n"
                        : " is not a readable system file\n");
    }
    return system;
}

} // namespace

int PolecenieCover(TKontekst& k)
{
    const TArgumentyPolecenia a =
        RozbierzArgumenty(k, {"--n", "--k", "--t", "--m", "--seconds", "--seed", "--threads", "-o"}, 0);
    const int n = Liczba<int>(a.Wartosc("--n"), "--n");
    WymagajZakresu(n, 1, MaxLiczbSystemu, "--n");
    const int kk = Liczba<int>(a.Wartosc("--k"), "--k");
    WymagajZakresu(kk, 1, n, "--k");
    const TParametryPokrycia p = Gwarancja(a, n, kk);
    const std::string plik = a.Wartosc("-o");
    SprawdzOptymalizacje(p);
    TZadaniePokrycia zadanie;
    zadanie.Parametry = p;
    zadanie.Sekundy = Sekundy(a);
    if (a.Ma("--seed"))
        zadanie.Ziarno = Liczba<uint64_t>(a.Wartosc("--seed"), "--seed");
    if (a.Ma("--threads")) {
        zadanie.Watki = Liczba<int>(a.Wartosc("--threads"), "--threads");
        WymagajZakresu(zadanie.Watki, 1, MaxWatkow, "--threads");
    }
    const TRekordyPokryc rekordy = Rekordy(k);
    zadanie.Cel = Cel(p, rekordy);
    zadanie.Znany = Znany(p, rekordy);
    return Zapisz(k, plik, p, InfoPokrycia(p), OptymalizujPokrycie(zadanie, FlagaPrzerwania), rekordy);
}

// Reduce and complete: the system's bets are the optimiser's first solution, or stay as they are.
static int ZSystemu(TKontekst& k, bool uzupelnij)
{
    const TArgumentyPolecenia a = uzupelnij ? RozbierzArgumenty(k, {"--t", "--m", "-o"}, 1)
                                            : RozbierzArgumenty(k, {"--t", "--m", "--seconds", "-o"}, 1);
    const std::string plik = a.Wartosc("-o");
    const double sekundy = uzupelnij ? CzasUzupelnienia : Sekundy(a);
    auto system = CzytajSystem(k, a.Pozycyjne[0]);
    if (!system)
        return KodBladDanych;
    const TParametryPokrycia p = Gwarancja(a, system->Info.n, system->Info.k);
    SprawdzOptymalizacje(p);
    TZadaniePokrycia zadanie;
    zadanie.Parametry = p;
    zadanie.Sekundy = sekundy;
    const TRekordyPokryc rekordy = Rekordy(k);
    if (uzupelnij) {
        zadanie.Stale = std::move(system->Zaklady);
    } else {
        zadanie.Poczatkowe = std::move(system->Zaklady);
        zadanie.Cel = Cel(p, rekordy);
        zadanie.Znany = Znany(p, rekordy);
    }
    return Zapisz(k, plik, p, system->Info, OptymalizujPokrycie(zadanie, FlagaPrzerwania), rekordy);
}

int PolecenieReduce(TKontekst& k)
{
    return ZSystemu(k, false);
}

int PolecenieComplete(TKontekst& k)
{
    return ZSystemu(k, true);
}

int PolecenieHoles(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {"--t", "--m"}, {"--list"}, 1);
    const std::string& plik = a.Pozycyjne[0];
    TCzytnikSystemu czytnik(plik);
    if (!czytnik.Otwarty() || czytnik.Naglowek().Pilkarski()) {
        k.Bledy << "tarvomund-cli: " << plik
                << (czytnik.Otwarty() ? " is a pool system; holes are counted in number systems\n"
                                      : " is not a readable system file\n");
        return KodBladDanych;
    }
    const TInfoGryRec info = czytnik.Naglowek().Info;
    const TParametryPokrycia p = Gwarancja(a, info.n, info.k);
    if (!TSprawdzeniePokrycia::Mozliwe(p))
        throw TBladUzycia("too many m-subsets of the n numbers to check");
    TSprawdzeniePokrycia sprawdzenie(p);
    const int32_t blad = czytnik.DlaKazdego(
        [&](int32_t, const std::array<uint8_t, MaxLiczbSystemu>& zaklad) { sprawdzenie.Dodaj(zaklad); });
    if (blad != 0) {
        k.Bledy << "tarvomund-cli: " << plik << " cannot be read at bet " << blad << "\n";
        return KodBladDanych;
    }
    k.Wyjscie << "holes: " << sprawdzenie.Dziur() << '\n';
    if (a.MaFlage("--list")) {
        sprawdzenie.DlaDziur([&](const TZaklad& dziura) {
            for (int i = 0; i < p.m; ++i)
                k.Wyjscie << (i > 0 ? "," : "") << static_cast<int>(info.Wlasne[1][dziura[static_cast<std::size_t>(i)] - 1]);
            k.Wyjscie << '\n';
        });
    }
    return KodSukces;
}

} // namespace tarvomund::cli
