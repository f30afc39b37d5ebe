#include "Argumenty.h"

#include "model/PlikSystemu.h"
#include "pools/Typowania.h"
#include "systems/ArytmetykaSystemow.h"
#include "systems/Kombinatoryka.h"
#include "systems/Losowosc.h"
#include "systems/Metody.h"
#include "systems/TGenSys01.h"
#include "systems/TGenTest01.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>

namespace tarvomund::cli {

// The sure positions "p,q,...", each within 1..n.
static std::vector<int> PewnePozycje(const std::string& tekst, int n)
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
static int64_t LiczbaZakladow(int metoda, int n, int k, int gwarancja, int64_t wpisana)
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
static TInfoGryRec ParametrySystemu(const TObGraLista& gra, const TArgumentyPolecenia& a)
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
    const std::atomic<bool> przerwij{false};
    const std::optional<TWynikGeneracji> wynik =
        ZapiszSystemPrzezTymczasowy(k, plik, [&](const std::string& cel) {
            return TGenSys01(info, cel, przerwij, nullptr, losowe).Wykonaj();
        });
    if (!wynik)
        return KodBladDanych;
    k.Wyjscie << "bets: " << wynik->Zakladow << '\n';
    return KodSukces;
}

static std::string OpisBledu(TBladSystemu blad)
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
    const bool pilkarski = czytnik.Naglowek().Pilkarski();
    k.Wyjscie << "game id: " << info.IdGry << "\ngame code: " << info.KodGry << "\nname: " << info.Nazwa
              << "\nn: " << info.n << "\nk: " << info.k << "\nbets: " << info.Zakladow << "\nmethod: " << info.Metoda
              << "\nguarantee: " << info.Gwarancja << '\n';
    if (pilkarski) {
        // The typings as the pool window restores them: the typing block, or the signs the bets use.
        const TTypy typy = TypyPlikuSystemu(plik).value_or(TypyZBloku(info.Wlasne, info.k));
        k.Wyjscie << "typing: ";
        for (std::size_t m = 0; m < typy.size(); ++m)
            k.Wyjscie << (m > 0 ? "," : "") << typy[m];
        k.Wyjscie << '\n';
    }
    const int32_t blad = czytnik.DlaKazdego([&](int32_t numer, const std::array<uint8_t, MaxLiczbSystemu>& zaklad) {
        k.Wyjscie << numer << ": ";
        for (int j = 0; j < info.k; ++j) {
            const uint8_t p = zaklad[static_cast<std::size_t>(j)];
            k.Wyjscie << (j > 0 ? "," : "");
            if (pilkarski) // a sign per match, "-" where the match was not typed
                k.Wyjscie << ZnakTypu(p);
            // A position maps to the number shown; a stray value outside 1..120 is shown as it is.
            else
                k.Wyjscie << static_cast<int>(p >= 1 && p <= MaxLiczbSystemu ? info.Wlasne[1][p - 1] : p);
        }
        k.Wyjscie << '\n';
    });
    if (blad != 0) {
        k.Bledy << "tarvomund-cli: " << plik << " cannot be read at bet " << blad << "\n";
        return KodBladDanych;
    }
    return KodSukces;
}

// The headers of the systems a command combines; an unreadable, damaged or pool system is told on the
// error output.
static std::optional<std::vector<TInfoGryRec>> CzytajZrodla(TKontekst& k, const std::vector<std::string>& pliki)
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

static std::string OpisOdmowy(TBladArytmetyki blad)
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

// Runs one of the three arithmetic runs into its target and prints the result's n and bet count.
static int ZapiszWynikArytmetyki(TKontekst& k, const std::string& plik,
                                 const std::function<TWynikGeneracji(const std::string&)>& wykonaj)
{
    const std::optional<TWynikGeneracji> wynik =
        ZapiszSystemPrzezTymczasowy(k, plik, wykonaj, " (or a source changed while it was read)");
    if (!wynik)
        return KodBladDanych;
    k.Wyjscie << "n: " << wynik->n << "\nbets: " << wynik->Zakladow << '\n';
    return KodSukces;
}

// The sum or the difference of systems, as "Sumuj systemy" makes it with the first system as reference.
static int SumaLubRoznica(TKontekst& k, TTrybSumy tryb)
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

} // namespace tarvomund::cli
