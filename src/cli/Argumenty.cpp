#include "Argumenty.h"

#include "model/Daty.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace tarvomund::cli {

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

std::optional<TWynikGeneracji> ZapiszSystemPrzezTymczasowy(
    TKontekst& k, const std::string& plik, const std::function<TWynikGeneracji(const std::string&)>& wykonaj,
    std::string_view dopisek)
{
    const std::string tymczasowy = plik + ".tmp~";
    const TWynikGeneracji wynik = wykonaj(tymczasowy);
    std::error_code blad;
    if (!wynik.BladPliku)
        std::filesystem::rename(tymczasowy, plik, blad);
    if (wynik.BladPliku || blad) {
        std::filesystem::remove(tymczasowy, blad);
        k.Bledy << "tarvomund-cli: cannot write " << plik << dopisek << "\n";
        return std::nullopt;
    }
    return wynik;
}

const std::string& TArgumentyPolecenia::Wartosc(const std::string& nazwa) const
{
    const auto it = Opcje.find(nazwa);
    if (it == Opcje.end())
        throw TBladUzycia("missing " + nazwa);
    return it->second;
}

// The options and however many positional arguments there are.
TArgumentyPolecenia RozbierzOpcje(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                  std::initializer_list<std::string_view> flagi)
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
