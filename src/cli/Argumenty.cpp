#include "Argumenty.h"

#include "model/Daty.h"
#include "model/PlikGry.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace tarvomund::cli {

void WymagajArgumentow(const TKontekst& k, std::size_t ile)
{
    if (k.Argumenty.size() != ile)
        throw TBladUzycia("wrong number of arguments");
}

namespace {

const char* OpisBleduGry(TBladPlikuGry blad)
{
    switch (blad) {
    case TBladPlikuGry::NieOtwarty:
        return "cannot be opened";
    case TBladPlikuGry::NieRegularny:
        return "is not a regular file";
    case TBladPlikuGry::BladOdczytu:
        return "cannot be read";
    case TBladPlikuGry::ZaKrotki:
        return "is shorter than its header and the draws its count announces";
    case TBladPlikuGry::ZlaIloscLosowanych:
        return "has a count of drawn numbers outside 1..30";
    case TBladPlikuGry::ZlaLiczbaLosowan:
        return "has a negative count of draws";
    case TBladPlikuGry::ZlaData:
        return "has a draw dated outside 01.01.1900 .. 31.12.9999";
    case TBladPlikuGry::ZaDuzy:
        return "announces more draws than a game file holds";
    default:
        return "is damaged";
    }
}

} // namespace

std::optional<TKatalogGier> Katalog(TKontekst& k)
{
    std::error_code blad;
    TRaportKatalogu raport;
    std::optional<TKatalogGier> katalog;
    if (std::filesystem::is_directory(k.Opcje.KatalogDane, blad))
        katalog = TKatalogGier::WczytajGry(k.Opcje.KatalogDane, &raport);
    if (!katalog || raport.KatalogNieczytelny) {
        k.Bledy << "tarvomund-cli: cannot read the data directory " << k.Opcje.KatalogDane << "\n";
        return std::nullopt;
    }
    bool nieczytelne = false;
    for (const TPominietaGra& gra : raport.Pominiete) {
        const bool nieczytelna = NieczytelnyPlikGry(gra.Blad);
        nieczytelne = nieczytelne || nieczytelna;
        k.Bledy << "tarvomund-cli: " << (nieczytelna ? "cannot read game file " : "warning: left out game file ")
                << gra.Plik << ": it " << OpisBleduGry(gra.Blad) << "\n";
    }
    if (nieczytelne)
        return std::nullopt;
    return katalog;
}

std::string JednaLinia(std::string tekst)
{
    for (char& c : tekst)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return tekst;
}

std::string OpisBleduSystemu(TBladSystemu blad)
{
    switch (blad) {
    case TBladSystemu::NieOtwarty:
        return "cannot be opened";
    case TBladSystemu::NieRegularny:
        return "is not a regular file";
    case TBladSystemu::BladOdczytu:
        return "cannot be read";
    case TBladSystemu::ZaKrotki:
        return "is shorter than its header and the bets its count announces";
    case TBladSystemu::ZlyRozmiar:
        return "has a bet record size that differs from k";
    case TBladSystemu::ZleParametry:
        return "has n, k or its bet count outside the format's limits (a pool system: at most 13 matches and "
               "1594323 bets)";
    case TBladSystemu::NieznanyKod:
        return "is not a system file (unknown game code)";
    default:
        return "cannot be read";
    }
}

int KodPoSygnale(TKontekst& k)
{
    if (!FlagaPrzerwania.load())
        return KodSukces;
    k.Bledy << "tarvomund-cli: interrupted; nothing was written\n";
    return KodPrzerwaniaBazowy + SygnalPrzerwania.load();
}

std::optional<TWynikGeneracji> ZapiszSystemAtomowo(TKontekst& k, const std::string& plik,
                                                   const std::function<TWynikGeneracji(const std::string&)>& wykonaj,
                                                   int& kod, std::string_view dopisek)
{
    TZapisAtomowy zapis(plik);
    std::optional<TWynikGeneracji> wynik;
    if (zapis.Otwarty())
        wynik = wykonaj(zapis.PlikTymczasowy());
    if ((kod = KodPoSygnale(k)) != KodSukces)
        return std::nullopt;
    kod = KodBladDanych;
    if (wynik && wynik->BrakPamieci) {
        k.Bledy << "tarvomund-cli: out of memory; nothing was written to " << plik << "\n";
        return std::nullopt;
    }
    if (!wynik || wynik->BladPliku || !zapis.Zatwierdz()) {
        k.Bledy << "tarvomund-cli: cannot write " << plik << dopisek << "\n";
        return std::nullopt;
    }
    kod = KodSukces;
    return wynik;
}

TGraPolecenia GraPolecenia(TKontekst& k, const std::string& nazwa)
{
    TGraPolecenia wynik;
    wynik.Katalog = Katalog(k);
    if (!wynik.Katalog) {
        wynik.Kod = KodBladDanych;
        return wynik;
    }
    const auto indeks = ZnajdzGre(*wynik.Katalog, nazwa);
    if (!indeks) {
        k.Bledy << "tarvomund-cli: no game " << nazwa << " in " << k.Opcje.KatalogDane << "\n";
        wynik.Kod = KodBladUzycia;
        return wynik;
    }
    wynik.Indeks = *indeks;
    return wynik;
}

std::vector<std::string> PolaPrzecinkami(const std::string& tekst)
{
    std::vector<std::string> pola;
    std::size_t poczatek = 0;
    while (true) {
        const std::size_t przecinek = tekst.find(',', poczatek);
        pola.push_back(tekst.substr(poczatek, przecinek - poczatek));
        if (przecinek == std::string::npos)
            return pola;
        poczatek = przecinek + 1;
    }
}

double DataOpcji(const TArgumentyPolecenia& a, const char* opcja, double domyslna)
{
    if (!a.Ma(opcja))
        return domyslna;
    const std::optional<double> data = DataZTekstu(a.Wartosc(opcja));
    if (!data)
        throw TBladUzycia(std::string(opcja) + " needs a date dd.mm.yyyy, not \"" + a.Wartosc(opcja) + "\"");
    return *data;
}

const std::string& TArgumentyPolecenia::Wartosc(const std::string& nazwa) const
{
    const auto it = Opcje.find(nazwa);
    if (it == Opcje.end())
        throw TBladUzycia("missing " + nazwa);
    return it->second;
}

namespace {

template <typename TLista>
TArgumentyPolecenia Rozbierz(const TKontekst& k, const TLista& dozwolone, std::initializer_list<std::string_view> flagi)
{
    TArgumentyPolecenia wynik;
    for (std::size_t i = 0; i < k.Argumenty.size(); ++i) {
        const std::string& arg = k.Argumenty[i];
        if (arg.size() < 2 || arg[0] != '-') {
            wynik.Pozycyjne.push_back(arg);
            continue;
        }
        if (std::find(flagi.begin(), flagi.end(), arg) != flagi.end()) {
            if (!wynik.Flagi.insert(arg).second)
                throw TBladUzycia(arg + " given twice");
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

} // namespace

// The options and however many positional arguments there are.
TArgumentyPolecenia RozbierzOpcje(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                  std::initializer_list<std::string_view> flagi)
{
    return Rozbierz(k, dozwolone, flagi);
}

TArgumentyPolecenia RozbierzArgumenty(const TKontekst& k, const std::vector<std::string_view>& dozwolone,
                                      std::size_t pozycyjnych)
{
    TArgumentyPolecenia wynik = Rozbierz(k, dozwolone, {});
    if (wynik.Pozycyjne.size() != pozycyjnych)
        throw TBladUzycia("wrong number of arguments");
    return wynik;
}

TArgumentyPolecenia RozbierzArgumenty(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                      std::size_t pozycyjnych)
{
    return RozbierzArgumenty(k, dozwolone, {}, pozycyjnych);
}

TArgumentyPolecenia RozbierzArgumenty(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                      std::initializer_list<std::string_view> flagi, std::size_t pozycyjnych)
{
    TArgumentyPolecenia wynik = RozbierzOpcje(k, dozwolone, flagi);
    if (wynik.Pozycyjne.size() != pozycyjnych)
        throw TBladUzycia("wrong number of arguments");
    return wynik;
}

void WymagajZakresu(int64_t wartosc, int64_t od, int64_t do_, const std::string& opis)
{
    if (wartosc < od || wartosc > do_)
        throw TBladUzycia(opis + " must be within " + std::to_string(od) + ".." + std::to_string(do_));
}

double DataOpcji(const TArgumentyPolecenia& argumenty, const std::string& nazwa)
{
    const std::string& tekst = argumenty.Wartosc(nazwa);
    const auto data = DataZTekstu(tekst);
    if (!data)
        throw TBladUzycia(nazwa + " needs a date dd.mm.yyyy, not \"" + tekst + "\"");
    return *data;
}

} // namespace tarvomund::cli
