#include "OpcjeKryteriow.h"

#include "model/Daty.h"
#include "model/PlikSystemu.h"
#include "systems/PrzesiewSystemu.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace tarvomund::cli {

namespace {

int32_t Wartosc(const TArgumentyPolecenia& a, const char* opcja, int64_t od, int64_t do_)
{
    const auto wartosc = Liczba<int64_t>(a.Wartosc(opcja), opcja);
    WymagajZakresu(wartosc, od, do_, opcja);
    return static_cast<int32_t>(wartosc);
}

} // namespace

std::vector<std::string_view> OpcjeKryteriow(std::initializer_list<std::string_view> wlasne)
{
    std::vector<std::string_view> opcje{"--from",   "--to",   "--range-from", "--range-to", "--count",
                                        "--width",  "--sum-from", "--sum-to", "--digits",   "--step",
                                        "--weekday", "--day", "--month",      "--positions", "-o"};
    opcje.insert(opcje.end(), wlasne.begin(), wlasne.end());
    return opcje;
}

int KryteriumZOpcji(const TArgumentyPolecenia& a, const char* opcja, int ile)
{
    return Wartosc(a, opcja, 1, ile);
}

void ZabronOpcji(const TArgumentyPolecenia& a, std::initializer_list<const char*> opcje, const std::string& kryterium)
{
    for (const char* opcja : opcje)
        if (a.Ma(opcja))
            throw TBladUzycia(std::string(opcja) + " does not apply to " + kryterium);
}

void CzytajWspolne(const TArgumentyPolecenia& a, const TGraniceOpcji& g, TKryteriaWspolne& r, bool zakres, bool daty,
                   const std::string& kryterium)
{
    if (!zakres)
        ZabronOpcji(a, {"--range-from", "--range-to"}, kryterium);
    if (!daty)
        ZabronOpcji(a, {"--from", "--to"}, kryterium);
    if (a.Ma("--range-from"))
        r.ZakresOd = Wartosc(a, "--range-from", 1, g.Liczb) - 1;
    if (a.Ma("--range-to"))
        r.ZakresDo = Wartosc(a, "--range-to", 1, g.Liczb) - 1;
    if (r.ZakresDo < r.ZakresOd)
        std::swap(r.ZakresOd, r.ZakresDo);
    r.OdDaty = DataOpcji(a, "--from", g.PierwszeLosowanie);
    r.DoDaty = DataOpcji(a, "--to", g.OstatnieLosowanie);
    if (r.DoDaty < r.OdDaty)
        std::swap(r.OdDaty, r.DoDaty);
}

void CzytajWybor(const TArgumentyPolecenia& a, const char* opcja, int32_t* pole, int od, int do_,
                 const std::string& kryterium)
{
    if (!a.Ma(opcja))
        return;
    if (!pole)
        throw TBladUzycia(std::string(opcja) + " does not apply to " + kryterium);
    *pole = Wartosc(a, opcja, od, do_) - 1;
}

void CzytajCyfry(const TArgumentyPolecenia& a, std::array<bool, IleCyfr>* cyfry, bool odJedynki,
                 const std::string& kryterium)
{
    if (!a.Ma("--digits"))
        return;
    if (!cyfry)
        throw TBladUzycia("--digits does not apply to " + kryterium);
    const std::string& tekst = a.Wartosc("--digits");
    std::size_t poczatek = 0;
    while (poczatek <= tekst.size()) {
        const std::size_t przecinek = std::min(tekst.find(',', poczatek), tekst.size());
        const int cyfra = Liczba<int>(tekst.substr(poczatek, przecinek - poczatek), "--digits");
        WymagajZakresu(cyfra, odJedynki ? 1 : 0, IleCyfr - 1, "a digit");
        (*cyfry)[static_cast<std::size_t>(cyfra)] = true;
        poczatek = przecinek + 1;
    }
}

void CzytajSume(const TArgumentyPolecenia& a, int32_t& od, int32_t& do_)
{
    // The sum fields take any whole number; the search puts a reversed range in order itself.
    if (a.Ma("--sum-from"))
        od = Liczba<int32_t>(a.Wartosc("--sum-from"), "--sum-from");
    if (a.Ma("--sum-to"))
        do_ = Liczba<int32_t>(a.Wartosc("--sum-to"), "--sum-to");
}

void CzytajPozycje(const TArgumentyPolecenia& a, int32_t& od, int32_t& do_, int32_t zakladow)
{
    if (!a.Ma("--positions"))
        return;
    const std::string& tekst = a.Wartosc("--positions");
    const std::size_t kreska = tekst.find('-');
    if (kreska == std::string::npos)
        throw TBladUzycia("--positions needs A-B, not \"" + tekst + "\"");
    const int32_t najwyzej = std::max(zakladow, 1);
    od = Liczba<int32_t>(tekst.substr(0, kreska), "--positions");
    do_ = Liczba<int32_t>(tekst.substr(kreska + 1), "--positions");
    WymagajZakresu(od, 1, najwyzej, "a bet position");
    WymagajZakresu(do_, 1, najwyzej, "a bet position");
    if (do_ < od)
        std::swap(od, do_);
}

TGraniceOpcji Granice(const TObGraLista& gra, int32_t zakladow)
{
    TGraniceOpcji g;
    g.Losowanych = gra.IleLosowanych;
    g.Liczb = gra.IleLiczb;
    g.Zakladow = zakladow;
    if (!gra.Losowania.empty()) {
        g.PierwszeLosowanie = gra.Losowania.front().Data;
        g.OstatnieLosowanie = gra.Losowania.back().Data;
    }
    return g;
}

int SprawdzGre(TKontekst& k, const TObGraLista& gra)
{
    if (!gra.CzyLiczbowa())
        throw TBladUzycia(gra.Nazwa + " is not a number game");
    if (gra.Losowania.empty()) {
        k.Bledy << "tarvomund-cli: " << gra.Nazwa << ": Baza losowań jest pusta !\n";
        return KodBladDanych;
    }
    return KodSukces;
}

TSystemPolecenia SystemPolecenia(TKontekst& k, const std::string& plik)
{
    TSystemPolecenia s;
    TBladSystemu blad = TBladSystemu::Brak;
    const std::optional<TNaglowekSystemu> naglowek = CzytajNaglowekSystemu(plik, &blad);
    if (!naglowek || naglowek->Pilkarski()) {
        k.Bledy << "tarvomund-cli: " << plik << ": not a readable number system\n";
        s.Kod = KodBladDanych;
        return s;
    }
    s.Katalog = Katalog(k);
    if (!s.Katalog) {
        s.Kod = KodBladDanych;
        return s;
    }
    s.Gra = s.Katalog->GraDlaSystemu(naglowek->Info);
    if (!s.Gra) {
        k.Bledy << "tarvomund-cli: " << plik << ": no game of the system's parameters in " << k.Opcje.KatalogDane
                << "\n";
        s.Kod = KodBladDanych;
        return s;
    }
    // The result window's record: the source's, set up for its game, without a method.
    s.Info = InfoWynikuPrzesiewu(naglowek->Info);
    s.Info.UstawGre(*s.Gra);
    return s;
}

std::string Nazwa(const char* rodzaj, int numer)
{
    return std::string(rodzaj) + " " + std::to_string(numer);
}

int ZapiszWynikPolecenia(TKontekst& k, const std::string& plik,
                         const std::function<TWynikGeneracji(const std::string& tymczasowy)>& oblicz)
{
    // The system goes into a file beside the target, which replaces the target only when complete.
    const std::string tymczasowy = plik + ".tmp~";
    const TWynikGeneracji wynik = oblicz(tymczasowy);
    std::error_code blad;
    if (!wynik.BladPliku && !wynik.PonadMaxLiczb)
        std::filesystem::rename(tymczasowy, plik, blad);
    if (wynik.BladPliku || wynik.PonadMaxLiczb || blad) {
        std::filesystem::remove(tymczasowy, blad);
        if (wynik.PonadMaxLiczb)
            k.Bledy << "tarvomund-cli: the sets found use more than " << MaxLiczbSystemu
                    << " numbers; a system cannot hold them\n";
        else
            k.Bledy << "tarvomund-cli: cannot write " << plik << "\n";
        return KodBladDanych;
    }
    k.Wyjscie << "n: " << wynik.n << "\nbets: " << wynik.Zakladow << '\n';
    return KodSukces;
}

} // namespace tarvomund::cli
