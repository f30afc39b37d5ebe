#include "Argumenty.h"

#include "slips/PlikBlankietu.h"

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

namespace tarvomund::cli {

// Millimetres with at most two decimals and no trailing zeros: "185", "82.5".
static std::string Milimetry(double mm)
{
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%.2f", mm);
    std::string wynik = tekst;
    while (!wynik.empty() && wynik.back() == '0')
        wynik.pop_back();
    if (!wynik.empty() && wynik.back() == '.')
        wynik.pop_back();
    return wynik == "-0" ? "0" : wynik;
}

int PolecenieSlips(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {"--game"}, 0);
    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    std::optional<int32_t> kodGry;
    if (a.Ma("--game")) {
        const auto indeks = ZnajdzGre(*katalog, a.Wartosc("--game"));
        if (!indeks) {
            k.Bledy << "tarvomund-cli: no game " << a.Wartosc("--game") << " in " << k.Opcje.KatalogDane << "\n";
            return KodBladUzycia;
        }
        kodGry = katalog->Gra(*indeks).KodGry;
    }
    for (const TOpisBlankietu& opis : ListaBlankietow(k.Opcje.KatalogDane, kodGry))
        k.Wyjscie << std::filesystem::path(opis.Plik).filename().string() << '\t' << JednaLinia(opis.Naglowek.Nazwa) << '\t'
                  << opis.Naglowek.KodGry << '\t' << Milimetry(opis.Naglowek.Szer) << 'x'
                  << Milimetry(opis.Naglowek.Wys) << '\t' << opis.IleGrup << '\t' << opis.IlePol << '\n';
    return KodSukces;
}

} // namespace tarvomund::cli
