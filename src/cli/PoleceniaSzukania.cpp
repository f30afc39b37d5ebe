#include "Argumenty.h"
#include "OpcjeKryteriow.h"

#include "model/PlikSystemu.h"
#include "model/Wspolne.h"
#include "stats/Kryteria.h"
#include "stats/TGenSzukBaza.h"
#include "stats/TGenSzukBazaL.h"
#include "stats/TGenSzukSys.h"
#include "stats/WynikSzukania.h"
#include "stats/ZadaneLiczby.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <ostream>

namespace tarvomund::cli {

namespace {

// The game a search names first, checked: a number game with draws, or Kod says why not.
TGraPolecenia GraSzukania(TKontekst& k, const TArgumentyPolecenia& a)
{
    TGraPolecenia wybrana = GraPolecenia(k, a.Pozycyjne[0]);
    if (wybrana.Kod == KodSukces)
        wybrana.Kod = SprawdzGre(k, wybrana.Gra());
    return wybrana;
}

} // namespace

// The search in the draw base: the draws found become a system over the numbers they use.
int PolecenieSearchDraws(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, OpcjeKryteriow({"--criterion"}), 1);
    const std::string plik = a.Wartosc("-o");
    const int kryterium = KryteriumZOpcji(a, "--criterion", IleKryteriowBazy);
    TGraPolecenia wybrana = GraSzukania(k, a);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    const TObGraLista& gra = wybrana.Gra();

    TFiltrSzukBaza filtr = TFiltrSzukBaza::DlaGry(gra);
    filtr.Kryteria = {};
    filtr.Kryteria[static_cast<std::size_t>(kryterium - 1)] = true;
    TOpcjeKryterium<TFiltrSzukBaza> o = OpcjeWspolne<TFiltrSzukBaza>(kryterium);
    switch (static_cast<TKryteriumBazy>(kryterium)) {
    case TKryteriumBazy::Powtorzone:
        o.Ile = &TFiltrSzukBaza::IlePowtorzonych;
        break;
    case TKryteriumBazy::DzienTygodnia:
        o.DzienTygodnia = true;
        break;
    case TKryteriumBazy::DzienMiesiaca:
        o.DzienMiesiaca = true;
        break;
    case TKryteriumBazy::Miesiac:
        o.Miesiac = true;
        break;
    default:
        break;
    }
    o.Daty = true;
    CzytajKryterium(a, o, Granice(gra), filtr, Nazwa("criterion", kryterium));

    return ZapiszWynikPolecenia(k, plik, [&](const std::string& tymczasowy) {
        filtr.PlikWyniku = tymczasowy;
        const std::atomic<bool> przerwij{false};
        return TGenSzukBaza(InfoWynikuSzukania(gra, gra.IleLosowanych), filtr, gra.Losowania, przerwij, nullptr)
            .Wykonaj();
    });
}

// The search in the numbers base: the sets found become a system of their size.
int PolecenieSearchNumbers(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, OpcjeKryteriow({"--criterion"}), 1);
    const std::string plik = a.Wartosc("-o");
    const int kryterium = KryteriumZOpcji(a, "--criterion", IleKryteriowLiczb);
    TGraPolecenia wybrana = GraSzukania(k, a);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    const TObGraLista& gra = wybrana.Gra();

    TFiltrSzukBazaL filtr = TFiltrSzukBazaL::DlaGry(gra);
    filtr.Kryteria = {};
    filtr.Kryteria[static_cast<std::size_t>(kryterium - 1)] = true;
    // Criteria 1 to 6 are those of the draw base; 7 to 9 its 10 to 12; 10 never drawn together.
    const int wspolne = kryterium <= static_cast<int>(TKryterium::NieparzysteWPrzedziale) ? kryterium : kryterium + 3;
    TOpcjeKryterium<TFiltrSzukBazaL> o;
    if (kryterium == static_cast<int>(TKryteriumLiczb::NigdyRazem)) {
        o.Ile = &TFiltrSzukBazaL::IleNigdy;
        o.Zakres = true;
    } else {
        o = OpcjeWspolne<TFiltrSzukBazaL>(wspolne);
    }
    o.Daty = true;
    CzytajKryterium(a, o, Granice(gra), filtr, Nazwa("criterion", kryterium));

    return ZapiszWynikPolecenia(k, plik, [&](const std::string& tymczasowy) {
        filtr.PlikWyniku = tymczasowy;
        const std::atomic<bool> przerwij{false};
        return TGenSzukBazaL(InfoWynikuSzukania(gra, RozmiarZbioru(filtr)), filtr, gra.Losowania, przerwij, nullptr)
            .Wykonaj();
    });
}

// The search in a system: the bets that meet the criterion, with the source's own numbers.
int PolecenieSearchSystem(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, OpcjeKryteriow({"--criterion"}), 1);
    const std::string plik = a.Wartosc("-o");
    const int kryterium = KryteriumZOpcji(a, "--criterion", IleKryteriowSystemu);
    const TSystemPolecenia s = SystemPolecenia(k, a.Pozycyjne[0]);
    if (s.Kod != KodSukces)
        return s.Kod;

    TFiltrSzukSys filtr = TFiltrSzukSys::DlaGry(*s.Gra);
    filtr.Kryteria = {};
    filtr.Kryteria[static_cast<std::size_t>(kryterium - 1)] = true;
    TOpcjeKryterium<TFiltrSzukSys> o = OpcjeWspolne<TFiltrSzukSys>(kryterium);
    if (kryterium == KryteriumWylosowanych) {
        o.Ile = &TFiltrSzukSys::IlePowtorzonych;
        o.Daty = true;
    }
    CzytajKryterium(a, o, Granice(*s.Gra), filtr, Nazwa("criterion", kryterium));
    return Przesiej<TGenSzukSys>(k, s, a.Pozycyjne[0], filtr, plik);
}

// The search of given numbers: the heading, then one line per draw that holds them all.
int PolecenieFindNumbers(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, {}, 2);
    TGraPolecenia wybrana = GraSzukania(k, a);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    const TObGraLista& gra = wybrana.Gra();

    std::vector<int> szukane;
    const std::string& tekst = a.Pozycyjne[1];
    for (std::size_t poczatek = 0; poczatek <= tekst.size();) {
        const std::size_t przecinek = std::min(tekst.find(',', poczatek), tekst.size());
        const std::string pole = tekst.substr(poczatek, przecinek - poczatek);
        const int liczba = Liczba<int>(pole, "a searched number");
        WymagajZakresu(liczba, 1, gra.IleLiczb, "a searched number");
        if (std::find(szukane.begin(), szukane.end(), liczba) != szukane.end())
            throw TBladUzycia("the searched numbers repeat " + pole);
        szukane.push_back(liczba);
        poczatek = przecinek + 1;
    }
    if (static_cast<int>(szukane.size()) > gra.IleLosowanych)
        throw TBladUzycia("at most " + std::to_string(gra.IleLosowanych) + " numbers, the game's drawn count");
    // The window's picker hands the numbers over in ascending order.
    std::sort(szukane.begin(), szukane.end());

    const auto wiersz = [&k](const std::array<std::string, 4>& komorki) {
        k.Wyjscie << komorki[0] << '\t' << komorki[1] << '\t' << komorki[2] << '\t' << komorki[3] << '\n';
    };
    wiersz(NaglowekZadanych(szukane));
    for (const TWierszZadanych& w : SzukajZadanych(gra.Losowania, gra.IleLosowanych, szukane))
        wiersz(KomorkiZadanych(w));
    return KodSukces;
}

} // namespace tarvomund::cli
