#include "model/PlikGry.h"

#include "model/BinIO.h"
#include "model/OdczytPliku.h"
#include "model/PlikiDanych.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>

namespace tarvomund {

namespace {

void Ustaw(TBladPlikuGry* blad, TBladPlikuGry wartosc)
{
    if (blad)
        *blad = wartosc;
}

bool DataWKalendarzu(double data)
{
    // Written so that a value that is no number fails too.
    return data >= PierwszyDzienLosowania && data < OstatniDzienLosowania + 1.0;
}

TBladPlikuGry BladPlikuGry(TBladOdczytu blad)
{
    switch (blad) {
    case TBladOdczytu::NieRegularny:
        return TBladPlikuGry::NieRegularny;
    case TBladOdczytu::ZaDuzy:
        return TBladPlikuGry::ZaDuzy;
    case TBladOdczytu::BladOdczytu:
        return TBladPlikuGry::BladOdczytu;
    default:
        return TBladPlikuGry::NieOtwarty;
    }
}

// Name and the parameters from offset 64 to the direction byte: the part of the header the
// game definition owns.
void PiszParametry(TPisarzBin& pisarz, const TObGraLista& gra)
{
    pisarz.Int32(gra.MinSkreslen);
    pisarz.Int32(gra.MaxSkreslen);
    pisarz.Int32(gra.NormSkreslen);
    pisarz.Int32(gra.IleDodatkowych);
    pisarz.Int32(gra.IleLiczb);
    pisarz.Int32(gra.IleLosowanych);
    pisarz.Int32(gra.IlePoziomo);
    pisarz.Int32(gra.IlePionowo);
    pisarz.Bajt(gra.Kierunek ? 1 : 0);
}

void PiszLosowania(TPisarzBin& pisarz, const TObGraLista& gra)
{
    const auto ile = static_cast<std::size_t>(std::clamp(gra.IleLosowanych, 0, MaxLiczbWLosowaniu));
    for (const TObLos& los : gra.Losowania) {
        pisarz.Double(los.Data);
        for (std::size_t i = 0; i < ile; ++i)
            pisarz.Bajt(los.Liczby[i]);
    }
}

std::size_t RozmiarRekordu(int32_t ileLosowanych)
{
    return RozmiarDatyLosowania + static_cast<std::size_t>(ileLosowanych);
}

} // namespace

std::optional<TObGraLista> RozbierzPlikGry(std::string_view dane, const std::string& plik, TBladPlikuGry* blad)
{
    TCzytnikBin czytnik(dane);
    TObGraLista gra;
    gra.Plik = plik;
    gra.Id = czytnik.Int32();
    gra.KodGry = czytnik.Int32();
    const int32_t ileLosowan = czytnik.Int32();
    gra.Nazwa = czytnik.Tekst(SzerokoscNazwyGry);
    czytnik.Skocz(PozycjaParametrowGry);
    gra.MinSkreslen = czytnik.Int32();
    gra.MaxSkreslen = czytnik.Int32();
    gra.NormSkreslen = czytnik.Int32();
    gra.IleDodatkowych = czytnik.Int32();
    gra.IleLiczb = czytnik.Int32();
    gra.IleLosowanych = czytnik.Int32();
    gra.IlePoziomo = czytnik.Int32();
    gra.IlePionowo = czytnik.Int32();
    gra.Kierunek = czytnik.Bajt() != 0;
    gra.Pilkarski = czytnik.Bajt();
    czytnik.Pomin(2);
    if (!czytnik.Dobrze()) {
        Ustaw(blad, TBladPlikuGry::ZaKrotki);
        return std::nullopt;
    }
    if (gra.IleLosowanych < 1 || gra.IleLosowanych > MaxLiczbWLosowaniu) {
        Ustaw(blad, TBladPlikuGry::ZlaIloscLosowanych);
        return std::nullopt;
    }
    if (ileLosowan < 0) {
        Ustaw(blad, TBladPlikuGry::ZlaLiczbaLosowan);
        return std::nullopt;
    }
    // The count is checked against the bytes present before anything is allocated from it.
    const std::size_t rekord = RozmiarRekordu(gra.IleLosowanych);
    if (czytnik.Zostalo() / rekord < static_cast<std::size_t>(ileLosowan)) {
        Ustaw(blad, TBladPlikuGry::ZaKrotki);
        return std::nullopt;
    }
    gra.Losowania.resize(static_cast<std::size_t>(ileLosowan));
    const auto ileLiczb = static_cast<std::size_t>(gra.IleLosowanych);
    for (TObLos& los : gra.Losowania) {
        los.Data = czytnik.Double();
        if (!DataWKalendarzu(los.Data)) {
            Ustaw(blad, TBladPlikuGry::ZlaData);
            return std::nullopt;
        }
        const std::string_view liczby = czytnik.Bajty(ileLiczb);
        std::copy(liczby.begin(), liczby.end(), los.Liczby.begin());
    }
    Ustaw(blad, TBladPlikuGry::Brak);
    return gra;
}

bool NieczytelnyPlikGry(TBladPlikuGry blad)
{
    return blad == TBladPlikuGry::NieOtwarty || blad == TBladPlikuGry::NieRegularny ||
           blad == TBladPlikuGry::BladOdczytu;
}

std::optional<TObGraLista> WczytajPlikGry(const std::string& plik, TBladPlikuGry* blad)
{
    TOdczytPliku we(plik);
    if (!we.Otwarty()) {
        Ustaw(blad, BladPlikuGry(we.Blad()));
        return std::nullopt;
    }
    std::optional<std::string> dane = we.CzytajDo(0, DlugoscNaglowkaGry);
    if (!dane) {
        Ustaw(blad, TBladPlikuGry::BladOdczytu);
        return std::nullopt;
    }
    if (dane->size() < DlugoscNaglowkaGry) {
        Ustaw(blad, TBladPlikuGry::ZaKrotki);
        return std::nullopt;
    }
    // One further read of exactly the draw records the header announces, once the file size has
    // been shown to hold them; a damaged count never leads to a large allocation.
    TCzytnikBin naglowek(*dane);
    naglowek.Skocz(PozycjaLiczbyLosowan);
    const int32_t ileLosowan = naglowek.Int32();
    naglowek.Skocz(PozycjaIleLosowanych);
    const int32_t ileLosowanych = naglowek.Int32();
    if (ileLosowan > 0 && ileLosowanych >= 1 && ileLosowanych <= MaxLiczbWLosowaniu) {
        const uint64_t losowan = RozmiarRekordu(ileLosowanych) * static_cast<uint64_t>(ileLosowan);
        // A file too short for its count is told as such by the parse below.
        if (we.Rozmiar() - DlugoscNaglowkaGry >= losowan) {
            if (DlugoscNaglowkaGry + losowan > MaxRozmiarPlikuGry) {
                Ustaw(blad, TBladPlikuGry::ZaDuzy);
                return std::nullopt;
            }
            const std::optional<std::string> rekordy =
                we.CzytajDo(DlugoscNaglowkaGry, static_cast<std::size_t>(losowan));
            if (!rekordy) {
                Ustaw(blad, TBladPlikuGry::BladOdczytu);
                return std::nullopt;
            }
            *dane += *rekordy;
        }
    }
    return RozbierzPlikGry(*dane, plik, blad);
}

std::string ZbudujPlikGry(const TObGraLista& gra)
{
    TPisarzBin pisarz;
    pisarz.Rezerwuj(DlugoscNaglowkaGry + gra.Losowania.size() * RozmiarRekordu(gra.IleLosowanych));
    pisarz.Int32(gra.Id);
    pisarz.Int32(gra.KodGry);
    pisarz.Int32(static_cast<int32_t>(gra.Losowania.size()));
    pisarz.Tekst(gra.Nazwa, SzerokoscNazwyGry);
    pisarz.Zera(1);
    PiszParametry(pisarz, gra);
    pisarz.Bajt(gra.Pilkarski);
    pisarz.Zera(2);
    PiszLosowania(pisarz, gra);
    return pisarz.Wez();
}

bool UtworzPlikGry(const TObGraLista& gra)
{
    return ZapiszPlikAtomowo(gra.Plik, ZbudujPlikGry(gra));
}

bool ZapiszNaglowek(const TObGraLista& gra)
{
    std::optional<std::string> dane = CzytajCalyPlik(gra.Plik, MaxRozmiarPlikuGry);
    if (!dane || dane->size() < DlugoscNaglowkaGry)
        return false;
    TPisarzBin nazwa;
    nazwa.Tekst(gra.Nazwa, SzerokoscNazwyGry);
    dane->replace(PozycjaNazwyGry, nazwa.Dane().size(), nazwa.Dane());
    TPisarzBin parametry;
    PiszParametry(parametry, gra);
    dane->replace(PozycjaParametrowGry, parametry.Dane().size(), parametry.Dane());
    return ZapiszPlikAtomowo(gra.Plik, *dane);
}

bool ZapiszLosowania(const TObGraLista& gra)
{
    TOdczytPliku we(gra.Plik);
    const std::optional<std::string> naglowek = we.CzytajDo(0, DlugoscNaglowkaGry);
    if (!naglowek || naglowek->size() < DlugoscNaglowkaGry)
        return false;
    TPisarzBin pisarz;
    pisarz.Rezerwuj(DlugoscNaglowkaGry + gra.Losowania.size() * RozmiarRekordu(gra.IleLosowanych));
    pisarz.Bajty(*naglowek);
    pisarz.Int32Na(PozycjaLiczbyLosowan, static_cast<int32_t>(gra.Losowania.size()));
    PiszLosowania(pisarz, gra);
    return ZapiszPlikAtomowo(gra.Plik, pisarz.Dane());
}

bool WczytajLosowania(TObGraLista& gra)
{
    std::optional<TObGraLista> zPliku = WczytajPlikGry(gra.Plik);
    if (!zPliku)
        return false;
    gra.Losowania = std::move(zPliku->Losowania);
    return true;
}

} // namespace tarvomund
