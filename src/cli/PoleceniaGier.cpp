#include "Argumenty.h"

#include "draws/EksportLosowan.h"
#include "draws/NowaGra.h"
#include "model/PlikGry.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace tarvomund::cli {

int PolecenieGames(TKontekst& k)
{
    WymagajArgumentow(k, 0);
    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    for (std::size_t i = 0; i < katalog->Ile(); ++i) {
        const TObGraLista& gra = katalog->Gra(i);
        k.Wyjscie << i << '\t' << gra.Id << '\t' << gra.KodGry << '\t' << JednaLinia(gra.Nazwa) << '\t' << gra.IleLiczb << '\t'
                  << gra.IleLosowanych << '\t' << gra.Losowania.size() << '\n';
    }
    return KodSukces;
}

int PolecenieDraws(TKontekst& k)
{
    WymagajArgumentow(k, 1);
    TGraPolecenia wybrana = GraPolecenia(k, k.Argumenty[0]);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    TObGraLista gra = wybrana.Gra();
    gra.Nazwa = JednaLinia(gra.Nazwa);
    k.Wyjscie << TekstLosowan(gra, "\n");
    return KodSukces;
}

// A field of the definition: the option's value within the dialog's range, or the dialog's default.
static int32_t PoleGry(const TArgumentyPolecenia& a, const std::string& opcja, TZakresPola zakres,
                       int32_t domyslna)
{
    if (!a.Ma(opcja))
        return domyslna;
    const auto wartosc = Liczba<int64_t>(a.Wartosc(opcja), opcja);
    WymagajZakresu(wartosc, zakres.Od, zakres.Do, opcja);
    return static_cast<int32_t>(wartosc);
}

static std::size_t ZnakowUtf8(const std::string& tekst)
{
    return static_cast<std::size_t>(
        std::count_if(tekst.begin(), tekst.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int PolecenieNewGame(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(
        k, {"--name", "--numbers", "--drawn", "--min", "--max", "--norm", "--extra", "--across", "--down"},
        {"--vertical"}, 0);
    TObGraLista gra = DomyslnaGra();
    gra.Nazwa = a.Wartosc("--name");
    if (gra.Nazwa.empty())
        throw TBladUzycia("--name must not be empty");
    if (ZnakowUtf8(gra.Nazwa) > SzerokoscNazwyGry)
        throw TBladUzycia("--name has more than " + std::to_string(SzerokoscNazwyGry) + " characters");
    for (const char* wymagana : {"--numbers", "--drawn"})
        a.Wartosc(wymagana);
    gra.IleLiczb = PoleGry(a, "--numbers", ZakresLiczbWGrze, gra.IleLiczb);
    gra.IleLosowanych = PoleGry(a, "--drawn", ZakresLosowanych, gra.IleLosowanych);
    gra.MinSkreslen = PoleGry(a, "--min", ZakresSkreslen, gra.MinSkreslen);
    gra.MaxSkreslen = PoleGry(a, "--max", ZakresSkreslen, gra.MaxSkreslen);
    gra.NormSkreslen = PoleGry(a, "--norm", ZakresSkreslen, gra.NormSkreslen);
    gra.IleDodatkowych = PoleGry(a, "--extra", ZakresDodatkowych, gra.IleDodatkowych);
    gra.IlePoziomo = PoleGry(a, "--across", ZakresBlankietu, gra.IlePoziomo);
    gra.IlePionowo = PoleGry(a, "--down", ZakresBlankietu, gra.IlePionowo);
    gra.Kierunek = !a.MaFlage("--vertical");
    switch (SprawdzParametryGry(gra)) {
    case TBladParametrowGry::MinPowyzejMax:
        throw TBladUzycia("--min is above --max");
    case TBladParametrowGry::LosowanychPowyzejLiczb:
    case TBladParametrowGry::LiczbaZHistorii:
        throw TBladUzycia("--drawn is above --numbers");
    case TBladParametrowGry::Brak:
        break;
    }

    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    const std::optional<TTozsamoscGry> tozsamosc = TozsamoscNowejGry(*katalog, k.Opcje.KatalogDane);
    if (!tozsamosc) {
        k.Bledy << "tarvomund-cli: every number game id (1.." << MaxIdGryLiczbowej << ") is taken in "
                << k.Opcje.KatalogDane << "\n";
        return KodBladDanych;
    }
    const std::optional<TObGraLista> nowa = UtworzNowaGre(gra, *tozsamosc, *katalog, k.Opcje.KatalogDane);
    if (!nowa) {
        k.Bledy << "tarvomund-cli: cannot write the game file in " << k.Opcje.KatalogDane << "\n";
        return KodBladDanych;
    }
    k.Wyjscie << "file: " << std::filesystem::path(nowa->Plik).filename().string() << "\nid: " << nowa->Id
              << "\ncode: " << nowa->KodGry << '\n';
    return KodSukces;
}

} // namespace tarvomund::cli
