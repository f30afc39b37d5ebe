#include "slips/PlikBlankietu.h"

#include "model/BinIO.h"
#include "model/OdczytPliku.h"
#include "model/PlikiDanych.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace tarvomund {

namespace {

// Offsets of the header.
constexpr std::size_t PozKodGry = 4;
constexpr std::size_t PozPrzesX = 8;
constexpr std::size_t PozPrzesY = 18;
constexpr std::size_t PozObrot = 28;
constexpr std::size_t PozLiczbProwadnic = 72;

void Ustaw(TBladBlankietu* blad, TBladBlankietu wartosc)
{
    if (blad)
        *blad = wartosc;
}

int32_t Int32(std::size_t wartosc)
{
    return static_cast<int32_t>(wartosc);
}

void PiszPole(TPisarzBin& pisarz, const TEdPole& pole)
{
    pisarz.Extended(pole.PozX);
    pisarz.Extended(pole.PozY);
    pisarz.Bajt(pole.Rodzaj);
    pisarz.Bajt(pole.NrPola);
    pisarz.Bajt(pole.NrGrupy);
    pisarz.Zera(1);
    pisarz.Extended(pole.SzerPola);
    pisarz.Extended(pole.WysPola);
    pisarz.Extended(pole.SzerZaz);
    pisarz.Extended(pole.WysZaz);
    pisarz.Extended(pole.Grubosc);
}

// Where the records of one list lie, as the header announces them.
struct TObszar {
    int32_t Ile = 0;
    int32_t Adres = 0;
};

// A list's records must lie between the end of the header and the end of the file. An empty list
// may point anywhere: the writer notes the offset it reached.
TBladBlankietu SprawdzObszar(const TObszar& obszar, std::size_t rozmiarRekordu, std::size_t rozmiarPliku)
{
    if (obszar.Ile < 0)
        return TBladBlankietu::ZlaLiczba;
    if (obszar.Ile == 0)
        return TBladBlankietu::Brak;
    if (obszar.Adres < 0 || static_cast<std::size_t>(obszar.Adres) < DlugoscNaglowkaBlankietu)
        return TBladBlankietu::ZlyAdres;
    const auto koniec = static_cast<uint64_t>(obszar.Adres) + static_cast<uint64_t>(obszar.Ile) * rozmiarRekordu;
    return koniec > rozmiarPliku ? TBladBlankietu::ZlyAdres : TBladBlankietu::Brak;
}

TNaglowekBlankietu CzytajWlasnePola(TCzytnikBin& czytnik)
{
    TNaglowekBlankietu n;
    n.Pilkarski = czytnik.Bajt() != 0;
    czytnik.Pomin(3);
    n.KodGry = czytnik.Int32();
    n.PrzesX = czytnik.Extended();
    n.PrzesY = czytnik.Extended();
    n.Obrot = czytnik.Bajt() != 0;
    n.Nazwa = czytnik.Tekst(DlugoscNazwyBlankietu);
    n.Szer = czytnik.Extended();
    n.Wys = czytnik.Extended();
    return n;
}

struct TRekordGrupy {
    TGrupaOb Grupa;
    TObszar Pola;
};

TRekordGrupy CzytajGrupe(TCzytnikBin& czytnik)
{
    TRekordGrupy r;
    r.Grupa.Nazwa = czytnik.Tekst(DlugoscNazwyGrupy);
    r.Grupa.Nr = czytnik.Bajt();
    r.Pola.Ile = czytnik.Int32();
    r.Grupa.Specjalna = czytnik.Bajt() != 0;
    czytnik.Pomin(3);
    r.Pola.Adres = czytnik.Int32();
    r.Grupa.Zawsze = czytnik.Bajt() != 0;
    r.Grupa.Pocz = czytnik.Bajt();
    czytnik.Pomin(2);
    return r;
}

bool Skonczone(std::initializer_list<double> wartosci)
{
    return std::all_of(wartosci.begin(), wartosci.end(), [](double w) { return std::isfinite(w); });
}

std::optional<TEdPole> CzytajPole(TCzytnikBin& czytnik, uint8_t nrGrupy, TBladBlankietu& blad)
{
    TEdPole pole;
    pole.Id = NowyIdPola();
    pole.PozX = czytnik.Extended();
    pole.PozY = czytnik.Extended();
    pole.Rodzaj = czytnik.Bajt();
    pole.NrPola = czytnik.Bajt();
    pole.NrGrupy = czytnik.Bajt();
    czytnik.Pomin(1);
    pole.SzerPola = czytnik.Extended();
    pole.WysPola = czytnik.Extended();
    pole.SzerZaz = czytnik.Extended();
    pole.WysZaz = czytnik.Extended();
    pole.Grubosc = czytnik.Extended();
    if (pole.NrGrupy != nrGrupy) {
        blad = TBladBlankietu::ZlaGrupa;
        return std::nullopt;
    }
    if (pole.Rodzaj < MinRodzajPola || pole.Rodzaj > MaxRodzajPola ||
        !Skonczone({pole.PozX, pole.PozY, pole.SzerPola, pole.WysPola, pole.SzerZaz, pole.WysZaz, pole.Grubosc})) {
        blad = TBladBlankietu::ZlePole;
        return std::nullopt;
    }
    return pole;
}

} // namespace

TNaglowekBlankietu NaglowekUkladu(const TBlankietOb& blankiet)
{
    return {blankiet.Pilkarski, blankiet.KodGry, blankiet.PrzesX, blankiet.PrzesY,
            blankiet.Obrot,     blankiet.Nazwa,  blankiet.Szer,   blankiet.Wys};
}

void UstawNaglowek(TBlankietOb& blankiet, const TNaglowekBlankietu& naglowek)
{
    blankiet.Pilkarski = naglowek.Pilkarski;
    blankiet.KodGry = naglowek.KodGry;
    blankiet.PrzesX = naglowek.PrzesX;
    blankiet.PrzesY = naglowek.PrzesY;
    blankiet.Obrot = naglowek.Obrot;
    blankiet.Nazwa = naglowek.Nazwa;
    blankiet.Szer = naglowek.Szer;
    blankiet.Wys = naglowek.Wys;
}

std::string ZbudujPlikBlankietu(const TBlankietOb& blankiet)
{
    // The body first, noting where each list starts; the header, written last over its
    // placeholder, then records those places.
    TPisarzBin plik;
    plik.Zera(DlugoscNaglowkaBlankietu);
    std::size_t adresy[2] = {};
    for (const uint8_t kier : {ProwadnicaPozioma, ProwadnicaPionowa}) {
        adresy[kier] = plik.Dane().size();
        for (const auto& prowadnica : blankiet.Prowadnice)
            if (prowadnica->Kier == kier)
                plik.Extended(prowadnica->PozMm);
    }

    TPisarzBin grupy;
    const std::size_t ileGrup = std::min(blankiet.Grupy.size(), MaxGrupBlankietu);
    for (std::size_t i = 0; i < ileGrup; ++i) {
        const TGrupaOb& grupa = blankiet.Grupy[i];
        const std::size_t adres = plik.Dane().size();
        int32_t ilePol = 0;
        for (const auto& pole : blankiet.Pola) {
            if (pole->NrGrupy != grupa.Nr)
                continue;
            PiszPole(plik, *pole);
            ++ilePol;
        }
        grupy.Tekst(grupa.Nazwa, DlugoscNazwyGrupy);
        grupy.Bajt(grupa.Nr);
        grupy.Int32(ilePol);
        grupy.Bajt(grupa.Specjalna ? 1 : 0);
        grupy.Zera(3);
        grupy.Int32(Int32(adres));
        grupy.Bajt(grupa.Zawsze ? 1 : 0);
        grupy.Bajt(grupa.Pocz);
        grupy.Zera(2);
    }

    TPisarzBin naglowek;
    naglowek.Bajt(blankiet.Pilkarski ? 1 : 0);
    naglowek.Zera(3);
    naglowek.Int32(blankiet.KodGry);
    naglowek.Extended(0.0);
    naglowek.Extended(0.0);
    naglowek.Bajt(0);
    naglowek.Tekst(blankiet.Nazwa, DlugoscNazwyBlankietu);
    naglowek.Extended(blankiet.Szer);
    naglowek.Extended(blankiet.Wys);
    naglowek.Zera(2);
    naglowek.Int32(Int32(blankiet.IleProwadnic(ProwadnicaPozioma)));
    naglowek.Int32(Int32(blankiet.IleProwadnic(ProwadnicaPionowa)));
    naglowek.Int32(Int32(adresy[ProwadnicaPozioma]));
    naglowek.Int32(Int32(adresy[ProwadnicaPionowa]));
    naglowek.Int32(Int32(ileGrup));
    naglowek.Bajty(grupy.Dane());
    naglowek.Zera(DlugoscNaglowkaBlankietu - naglowek.Dane().size());

    std::string dane = plik.Wez();
    dane.replace(0, DlugoscNaglowkaBlankietu, naglowek.Dane());
    return dane;
}

bool ZapiszBlankiet(const TBlankietOb& blankiet, const std::string& plik)
{
    return ZapiszPlikAtomowo(plik, ZbudujPlikBlankietu(blankiet));
}

std::optional<TBlankietOb> RozbierzPlikBlankietu(std::string_view dane, TBladBlankietu* blad)
{
    if (dane.size() < DlugoscNaglowkaBlankietu) {
        Ustaw(blad, TBladBlankietu::ZaKrotki);
        return std::nullopt;
    }
    TCzytnikBin czytnik(dane);
    const TNaglowekBlankietu naglowek = CzytajWlasnePola(czytnik);
    czytnik.Skocz(PozLiczbProwadnic);
    const int32_t ilePoziomych = czytnik.Int32();
    const int32_t ilePionowych = czytnik.Int32();
    const int32_t adresPoziomych = czytnik.Int32();
    const int32_t adresPionowych = czytnik.Int32();
    const TObszar prowadnice[2] = {{ilePoziomych, adresPoziomych}, {ilePionowych, adresPionowych}};
    const int32_t ileGrup = czytnik.Int32();
    if (ileGrup < 0 || static_cast<std::size_t>(ileGrup) > MaxGrupBlankietu) {
        Ustaw(blad, TBladBlankietu::ZlaLiczba);
        return std::nullopt;
    }
    std::vector<TRekordGrupy> grupy;
    std::set<uint8_t> numery;
    for (int32_t i = 0; i < ileGrup; ++i) {
        grupy.push_back(CzytajGrupe(czytnik));
        if (!numery.insert(grupy.back().Grupa.Nr).second) {
            Ustaw(blad, TBladBlankietu::ZlaGrupa);
            return std::nullopt;
        }
    }
    // Every list is checked against the file before a single record is read, so a damaged count
    // never leads to a large allocation or to a half-read layout.
    for (const TObszar& obszar : prowadnice)
        if (const TBladBlankietu b = SprawdzObszar(obszar, RozmiarRekorduProwadnicy, dane.size());
            b != TBladBlankietu::Brak) {
            Ustaw(blad, b);
            return std::nullopt;
        }
    for (const TRekordGrupy& grupa : grupy)
        if (const TBladBlankietu b = SprawdzObszar(grupa.Pola, RozmiarRekorduPola, dane.size());
            b != TBladBlankietu::Brak) {
            Ustaw(blad, b);
            return std::nullopt;
        }

    TBlankietOb blankiet;
    UstawNaglowek(blankiet, naglowek);
    // An empty list's offset is never followed: it may point anywhere.
    const auto skocz = [&czytnik](const TObszar& obszar) {
        if (obszar.Ile > 0)
            czytnik.Skocz(static_cast<std::size_t>(obszar.Adres));
    };
    for (const uint8_t kier : {ProwadnicaPozioma, ProwadnicaPionowa}) {
        skocz(prowadnice[kier]);
        for (int32_t i = 0; i < prowadnice[kier].Ile; ++i)
            blankiet.DodajProwadnice(kier, czytnik.Extended());
    }
    for (const TRekordGrupy& grupa : grupy) {
        blankiet.Grupy.push_back(grupa.Grupa);
        skocz(grupa.Pola);
        for (int32_t i = 0; i < grupa.Pola.Ile; ++i) {
            TBladBlankietu bladPola = TBladBlankietu::Brak;
            std::optional<TEdPole> pole = CzytajPole(czytnik, grupa.Grupa.Nr, bladPola);
            if (!pole) {
                Ustaw(blad, bladPola);
                return std::nullopt;
            }
            blankiet.DodajPole(*pole);
        }
    }
    if (!czytnik.Dobrze() || !Skonczone({blankiet.Szer, blankiet.Wys})) {
        Ustaw(blad, czytnik.Dobrze() ? TBladBlankietu::ZlePole : TBladBlankietu::ZaKrotki);
        return std::nullopt;
    }
    Ustaw(blad, TBladBlankietu::Brak);
    return blankiet;
}

std::optional<TBlankietOb> WczytajBlankiet(const std::string& plik, TBladBlankietu* blad)
{
    const std::optional<std::string> dane = CzytajCalyPlik(plik);
    if (!dane) {
        Ustaw(blad, TBladBlankietu::NieOtwarty);
        return std::nullopt;
    }
    return RozbierzPlikBlankietu(*dane, blad);
}

std::optional<TNaglowekBlankietu> CzytajNaglowekBlankietu(const std::string& plik, TBladBlankietu* blad)
{
    TOdczytPliku we(plik);
    if (!we.Otwarty()) {
        Ustaw(blad, TBladBlankietu::NieOtwarty);
        return std::nullopt;
    }
    std::string dane(DlugoscNaglowkaBlankietu, '\0');
    if (!we.Czytaj(0, dane.data(), dane.size())) {
        Ustaw(blad, TBladBlankietu::ZaKrotki);
        return std::nullopt;
    }
    TCzytnikBin czytnik(dane);
    Ustaw(blad, TBladBlankietu::Brak);
    return CzytajWlasnePola(czytnik);
}

bool PrzepiszNaglowekBlankietu(const std::string& plik, const TZmianaNaglowka& zmiana, TBladBlankietu* blad)
{
    std::optional<std::string> dane = CzytajCalyPlik(plik);
    if (!dane) {
        Ustaw(blad, TBladBlankietu::NieOtwarty);
        return false;
    }
    // A damaged file is left as it is rather than given a header that seems to vouch for it.
    if (!RozbierzPlikBlankietu(*dane, blad))
        return false;
    auto wpisz = [&dane](std::size_t pozycja, const auto& pisz) {
        TPisarzBin pisarz;
        pisz(pisarz);
        dane->replace(pozycja, pisarz.Dane().size(), pisarz.Dane());
    };
    if (zmiana.KodGry)
        wpisz(PozKodGry, [&](TPisarzBin& p) { p.Int32(*zmiana.KodGry); });
    if (zmiana.PrzesX)
        wpisz(PozPrzesX, [&](TPisarzBin& p) { p.Extended(*zmiana.PrzesX); });
    if (zmiana.PrzesY)
        wpisz(PozPrzesY, [&](TPisarzBin& p) { p.Extended(*zmiana.PrzesY); });
    if (zmiana.Obrot)
        wpisz(PozObrot, [&](TPisarzBin& p) { p.Bajt(*zmiana.Obrot ? 1 : 0); });
    if (!ZapiszPlikAtomowo(plik, *dane)) {
        Ustaw(blad, TBladBlankietu::BladZapisu);
        return false;
    }
    Ustaw(blad, TBladBlankietu::Brak);
    return true;
}

std::vector<TOpisBlankietu> ListaBlankietow(const std::string& katalogDane, std::optional<int32_t> kodGry)
{
    std::vector<TOpisBlankietu> lista;
    for (const std::filesystem::path& plik : PlikiZRozszerzeniem(katalogDane, RozszerzeniePlikuBlankietu)) {
        std::optional<TBlankietOb> blankiet = WczytajBlankiet(plik.string());
        if (!blankiet || (kodGry && blankiet->KodGry != *kodGry))
            continue;
        TOpisBlankietu opis;
        opis.Plik = plik.string();
        opis.Naglowek = NaglowekUkladu(*blankiet);
        opis.IleGrup = blankiet->Grupy.size();
        opis.IlePol = blankiet->Pola.size();
        lista.push_back(std::move(opis));
    }
    return lista;
}

std::size_t PrzypiszBlankiety(const std::string& katalogDane, int32_t kodGry,
                              const std::vector<TWpisPrzypisania>& lista)
{
    std::size_t przepisanych = 0;
    for (const TOpisBlankietu& opis : ListaBlankietow(katalogDane)) {
        const auto wpis = std::find_if(lista.begin(), lista.end(),
                                       [&opis](const TWpisPrzypisania& w) { return w.Nazwa == opis.Naglowek.Nazwa; });
        if (wpis == lista.end())
            continue;
        int32_t kod = opis.Naglowek.KodGry;
        if (wpis->Zaznaczony)
            kod = kodGry;
        else if (kod == kodGry)
            kod = KodBlankietuNieprzypisanego;
        if (kod == opis.Naglowek.KodGry)
            continue;
        TZmianaNaglowka zmiana;
        zmiana.KodGry = kod;
        if (PrzepiszNaglowekBlankietu(opis.Plik, zmiana))
            ++przepisanych;
    }
    return przepisanych;
}

} // namespace tarvomund
