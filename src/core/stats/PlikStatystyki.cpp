#include "stats/PlikStatystyki.h"

#include "model/BinIO.h"
#include "model/PlikGry.h"
#include "model/PlikiDanych.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>

namespace tarvomund {

namespace {

constexpr std::size_t PozycjaParametrow = 72;
constexpr std::size_t PozycjaZaznaczen = 132;
constexpr std::size_t PozycjaIlosciSerii = 256;
constexpr std::size_t PozycjaSpisuSerii = 260;

// The length byte of a text field at the reader's position, the position unchanged.
bool DlugoscWPolu(TCzytnikBin& czytnik, std::size_t szerokosc)
{
    const std::size_t poczatek = czytnik.Pozycja();
    const uint8_t dlugosc = czytnik.Bajt();
    czytnik.Skocz(poczatek);
    return dlugosc <= szerokosc;
}

} // namespace

TOpisGryStatystyki OpisGry(const TObGraLista& gra)
{
    return {gra.Nazwa,      gra.IleLiczb, gra.IleLosowanych, gra.IlePoziomo,
            gra.IlePionowo, gra.Kierunek, gra.Pilkarski};
}

std::string ZbudujPlikStatystyki(const TPlikStatystyki& plik)
{
    const int serii = std::clamp(plik.IleSerii, 0, MaxSeriiStatystyki);
    TPisarzBin w;
    w.Tekst(plik.Gra.Nazwa, SzerokoscNazwyGry);
    w.Zera(1);
    w.Int32(plik.Gra.IleLiczb);
    w.Int32(plik.Gra.IleLosowanych);
    w.Int32(plik.Gra.IlePoziomo);
    w.Int32(plik.Gra.IlePionowo);
    w.Bajt(plik.Gra.Kierunek ? 1 : 0);
    w.Bajt(plik.Gra.Pilkarski);
    w.Zera(2);
    const TParametryStatystyki& p = plik.Parametry;
    w.Int32(p.Rodzaj);
    w.Double(p.OdDaty);
    w.Double(p.DoDaty);
    w.Int32(p.Wybor1);
    w.Int32(p.Grupowanie);
    w.Int32(p.Wybor2);
    w.Int32(p.Odstep);
    w.Int32(p.PodzialBlankietu);
    w.Int32(p.IleKolumn);
    w.Int32(p.IleRzedow);
    w.Bajt(p.KierunekPoziomy ? 1 : 0);
    w.Zera(3);
    w.Int32(p.RzedyGorne);
    w.Int32(p.KolumnyLewe);
    for (bool zaznaczony : plik.Zaznaczone)
        w.Bajt(zaznaczony ? 1 : 0);
    w.Zera(3);
    w.Int32(serii);
    // The series table is filled in below, once the records' offsets are known.
    w.Zera(static_cast<std::size_t>(MaxSeriiStatystyki) * 8);

    for (int s = 0; s < serii; ++s) {
        const TSeriaStatystyki& seria = plik.Wyniki[static_cast<std::size_t>(s)];
        w.Int32Na(PozycjaSpisuSerii + static_cast<std::size_t>(s) * 8, static_cast<int32_t>(w.Dane().size()));
        w.Int32Na(PozycjaSpisuSerii + static_cast<std::size_t>(s) * 8 + 4,
                  static_cast<int32_t>(seria.size()));
        for (const TWynik& wynik : seria) {
            w.Tekst(wynik.Opis, SzerokoscOpisuStatystyki);
            w.Zera(3);
            w.Int32(wynik.Wartosc);
        }
    }
    return w.Wez();
}

bool ZapiszPlikStatystyki(const std::string& sciezka, const TPlikStatystyki& plik)
{
    return ZapiszPlikAtomowo(sciezka, ZbudujPlikStatystyki(plik));
}

std::optional<TPlikStatystyki> RozbierzPlikStatystyki(std::string_view dane, TBladPlikuStatystyki* blad)
{
    const auto zle = [blad](TBladPlikuStatystyki b) -> std::optional<TPlikStatystyki> {
        if (blad)
            *blad = b;
        return std::nullopt;
    };
    if (blad)
        *blad = TBladPlikuStatystyki::Brak;
    if (dane.size() < DlugoscNaglowkaStatystyki)
        return zle(TBladPlikuStatystyki::ZaKrotki);

    TCzytnikBin c(dane);
    TPlikStatystyki plik;
    if (!DlugoscWPolu(c, SzerokoscNazwyGry))
        return zle(TBladPlikuStatystyki::ZlyOpis);
    plik.Gra.Nazwa = c.Tekst(SzerokoscNazwyGry);
    c.Pomin(1);
    plik.Gra.IleLiczb = c.Int32();
    plik.Gra.IleLosowanych = c.Int32();
    plik.Gra.IlePoziomo = c.Int32();
    plik.Gra.IlePionowo = c.Int32();
    plik.Gra.Kierunek = c.Bajt() != 0;
    plik.Gra.Pilkarski = c.Bajt();

    c.Skocz(PozycjaParametrow);
    TParametryStatystyki& p = plik.Parametry;
    p.Rodzaj = c.Int32();
    p.OdDaty = c.Double();
    p.DoDaty = c.Double();
    p.Wybor1 = c.Int32();
    p.Grupowanie = c.Int32();
    p.Wybor2 = c.Int32();
    p.Odstep = c.Int32();
    p.PodzialBlankietu = c.Int32();
    p.IleKolumn = c.Int32();
    p.IleRzedow = c.Int32();
    p.KierunekPoziomy = c.Bajt() != 0;
    c.Pomin(3);
    p.RzedyGorne = c.Int32();
    p.KolumnyLewe = c.Int32();
    if (!ParametryPoprawne(p))
        return zle(TBladPlikuStatystyki::ZleParametry);

    c.Skocz(PozycjaZaznaczen);
    for (bool& zaznaczony : plik.Zaznaczone)
        zaznaczony = c.Bajt() != 0;
    c.Skocz(PozycjaIlosciSerii);
    plik.IleSerii = c.Int32();
    if (plik.IleSerii < 0 || plik.IleSerii > MaxSeriiStatystyki)
        return zle(TBladPlikuStatystyki::ZaDuzoSerii);

    for (int s = 0; s < plik.IleSerii; ++s) {
        c.Skocz(PozycjaSpisuSerii + static_cast<std::size_t>(s) * 8);
        const int64_t poczatek = c.Int32();
        const int64_t ile = c.Int32();
        if (poczatek < 0 || ile < 0 ||
            (ile > 0 && poczatek < static_cast<int64_t>(DlugoscNaglowkaStatystyki)))
            return zle(TBladPlikuStatystyki::ZlySpisSerii);
        if (poczatek + ile * static_cast<int64_t>(DlugoscRekorduStatystyki) >
            static_cast<int64_t>(dane.size()))
            return zle(TBladPlikuStatystyki::ZaKrotki);
        TSeriaStatystyki& seria = plik.Wyniki[static_cast<std::size_t>(s)];
        seria.reserve(static_cast<std::size_t>(ile));
        c.Skocz(static_cast<std::size_t>(poczatek));
        for (int64_t i = 0; i < ile; ++i) {
            if (!DlugoscWPolu(c, SzerokoscOpisuStatystyki))
                return zle(TBladPlikuStatystyki::ZlyOpis);
            std::string opis = c.Tekst(SzerokoscOpisuStatystyki);
            c.Pomin(3);
            const int32_t wartosc = c.Int32();
            seria.emplace_back(wartosc, std::move(opis));
        }
    }
    if (!c.Dobrze())
        return zle(TBladPlikuStatystyki::ZaKrotki);
    return plik;
}

std::optional<TPlikStatystyki> WczytajPlikStatystyki(const std::string& sciezka, TBladPlikuStatystyki* blad)
{
    const std::optional<std::string> dane = CzytajCalyPlik(sciezka);
    if (!dane) {
        if (blad)
            *blad = TBladPlikuStatystyki::NieOtwarty;
        return std::nullopt;
    }
    return RozbierzPlikStatystyki(*dane, blad);
}

} // namespace tarvomund
