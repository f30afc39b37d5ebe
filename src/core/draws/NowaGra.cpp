#include "draws/NowaGra.h"

#include "model/Cp1250.h"
#include "model/PlikGry.h"
#include "slips/PlikBlankietu.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

namespace tarvomund {

namespace fs = std::filesystem;

namespace {

constexpr const char* NazwaBezZnakow = "gra";

// Polish letters of Windows-1250, capital and small, with their plain lower-case forms.
constexpr std::pair<unsigned char, char> PolskieLitery[] = {
    {0xA5, 'a'}, {0xB9, 'a'}, {0xC6, 'c'}, {0xE6, 'c'}, {0xCA, 'e'}, {0xEA, 'e'}, {0xA3, 'l'}, {0xB3, 'l'},
    {0xD1, 'n'}, {0xF1, 'n'}, {0xD3, 'o'}, {0xF3, 'o'}, {0x8C, 's'}, {0x9C, 's'}, {0x8F, 'z'}, {0x9F, 'z'},
    {0xAF, 'z'}, {0xBF, 'z'},
};

// The plain lower-case letter or digit a character stands for in a file name; 0 for any other.
char ZwyklaLitera(unsigned char znak)
{
    for (const auto& [polska, zwykla] : PolskieLitery)
        if (znak == polska)
            return zwykla;
    if (znak >= 'A' && znak <= 'Z')
        return static_cast<char>(znak - 'A' + 'a');
    if ((znak >= 'a' && znak <= 'z') || (znak >= '0' && znak <= '9'))
        return static_cast<char>(znak);
    return 0;
}

std::string RdzenNazwyPliku(const std::string& nazwa)
{
    std::string rdzen;
    bool przerwa = false;
    for (const unsigned char znak : Utf8DoCp1250(nazwa)) {
        const char litera = ZwyklaLitera(znak);
        if (!litera) {
            przerwa = true;
            continue;
        }
        if (przerwa && !rdzen.empty())
            rdzen += '-';
        przerwa = false;
        rdzen += litera;
    }
    return rdzen.empty() ? NazwaBezZnakow : rdzen;
}

} // namespace

TObGraLista DomyslnaGra()
{
    TObGraLista gra;
    gra.MinSkreslen = 6;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = 6;
    gra.IleLiczb = 49;
    gra.IleLosowanych = 6;
    gra.IleDodatkowych = 0;
    gra.IlePoziomo = 9;
    gra.IlePionowo = 6;
    gra.Kierunek = true;
    return gra;
}

void UstawDefinicje(TObGraLista& gra, const TObGraLista& definicja)
{
    gra.Nazwa = definicja.Nazwa;
    gra.MinSkreslen = definicja.MinSkreslen;
    gra.MaxSkreslen = definicja.MaxSkreslen;
    gra.NormSkreslen = definicja.NormSkreslen;
    gra.IleDodatkowych = definicja.IleDodatkowych;
    gra.IleLiczb = definicja.IleLiczb;
    gra.IleLosowanych = definicja.IleLosowanych;
    gra.IlePoziomo = definicja.IlePoziomo;
    gra.IlePionowo = definicja.IlePionowo;
    gra.Kierunek = definicja.Kierunek;
}

int32_t NajwiekszaLiczba(const std::vector<TObLos>& losowania, int32_t ileLosowanych)
{
    const auto ile = static_cast<std::size_t>(std::clamp(ileLosowanych, 0, MaxLiczbWLosowaniu));
    int32_t najwieksza = 0;
    for (const TObLos& los : losowania)
        for (std::size_t i = 0; i < ile; ++i)
            najwieksza = std::max<int32_t>(najwieksza, los.Liczby[i]);
    return najwieksza;
}

TBladParametrowGry SprawdzParametryGry(const TObGraLista& gra, int32_t najwiekszaLiczba)
{
    if (gra.MinSkreslen > gra.MaxSkreslen)
        return TBladParametrowGry::MinPowyzejMax;
    // A lottery draws distinct numbers; the results of a pool game's matches repeat their few signs.
    if (gra.IleLosowanych > gra.IleLiczb && !gra.CzyPilkarska())
        return TBladParametrowGry::LosowanychPowyzejLiczb;
    if (najwiekszaLiczba > gra.IleLiczb)
        return TBladParametrowGry::LiczbaZHistorii;
    return TBladParametrowGry::Brak;
}

std::optional<TTozsamoscGry> TozsamoscNowejGry(const TKatalogGier& katalog, const std::string& katalogDane)
{
    std::set<int32_t> identyfikatory;
    std::set<int32_t> kody{KodBlankietuPilkarskiego};
    for (std::size_t i = 0; i < katalog.Ile(); ++i) {
        identyfikatory.insert(katalog.Gra(i).Id);
        kody.insert(katalog.Gra(i).KodGry);
    }
    for (const TOpisBlankietu& blankiet : ListaBlankietow(katalogDane))
        kody.insert(blankiet.Naglowek.KodGry);

    TTozsamoscGry tozsamosc;
    for (int32_t id = 1; id <= MaxIdGryLiczbowej && tozsamosc.Id == 0; ++id)
        if (!identyfikatory.count(id))
            tozsamosc.Id = id;
    if (tozsamosc.Id == 0)
        return std::nullopt;
    // More codes than the set holds can never all be taken.
    for (int32_t kod = 1; tozsamosc.KodGry == 0; ++kod)
        if (!kody.count(kod))
            tozsamosc.KodGry = kod;
    return tozsamosc;
}

std::string PlikNowejGry(const std::string& nazwa, const TKatalogGier& katalog, const std::string& katalogDane)
{
    std::set<std::string> zajete;
    for (std::size_t i = 0; i < katalog.Ile(); ++i)
        zajete.insert(fs::path(katalog.Gra(i).Plik).filename().string());
    const std::string rdzen = RdzenNazwyPliku(nazwa);
    for (int numer = 1;; ++numer) {
        std::string plik = rdzen;
        if (numer > 1)
            plik.append(1, '-').append(std::to_string(numer));
        plik += RozszerzeniePlikuGry;
        const fs::path sciezka = fs::path(katalogDane) / plik;
        std::error_code blad;
        if (!zajete.count(plik) && !fs::exists(fs::symlink_status(sciezka, blad)))
            return sciezka.string();
    }
}

std::optional<TObGraLista> UtworzNowaGre(const TObGraLista& definicja, const TTozsamoscGry& tozsamosc,
                                         const TKatalogGier& katalog, const std::string& katalogDane)
{
    TObGraLista gra;
    UstawDefinicje(gra, definicja);
    gra.Id = tozsamosc.Id;
    gra.KodGry = tozsamosc.KodGry;
    // A first game may be defined before the data directory exists.
    std::error_code blad;
    fs::create_directories(katalogDane, blad);
    gra.Plik = PlikNowejGry(gra.Nazwa, katalog, katalogDane);
    if (!UtworzPlikGry(gra))
        return std::nullopt;
    return gra;
}

} // namespace tarvomund
