#include "group/PlikGrupy.h"

#include "model/BinIO.h"
#include "model/Cp1250.h"
#include "model/Daty.h"
#include "model/OdczytPliku.h"
#include "model/ZapisAtomowy.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvomund {

namespace {

constexpr std::size_t PozycjaNazwisk = 5;
constexpr std::size_t ZarezerwowaneNaglowka = 1;
constexpr std::size_t ZarezerwowanePrzedGra = 4;
constexpr std::size_t ZarezerwowanePoGrze = 10;
constexpr std::size_t DlugoscExtended = 10;

// Every date a game can carry lies within the years 1..9999; a day count outside is damage and
// would overflow the calendar conversions.
bool DataPoprawna(double dni)
{
    static const double najwczesniejsza = DniZDaty({1, 1, 1});
    static const double najpozniejsza = DniZDaty({9999, 12, 31});
    return std::isfinite(dni) && dni >= najwczesniejsza && dni < najpozniejsza + 1.0;
}

class TRozbior {
public:
    explicit TRozbior(std::string_view dane) : czytnik_(dane) {}

    // A length byte and a field; a length beyond the field cannot come from a writer of this format.
    std::string Tekst(std::size_t szerokosc)
    {
        const std::string_view pole = czytnik_.Bajty(1 + szerokosc);
        if (pole.empty())
            return {};
        const std::size_t dlugosc = static_cast<unsigned char>(pole[0]);
        if (dlugosc > szerokosc) {
            Blad(TBladGrupy::ZlyTekst);
            return {};
        }
        return Cp1250DoUtf8(pole.substr(1, dlugosc));
    }

    TWartoscExt Wartosc()
    {
        const std::string_view pole = czytnik_.Bajty(DlugoscExtended);
        std::array<uint8_t, 10> bajty{};
        if (pole.size() == bajty.size())
            std::memcpy(bajty.data(), pole.data(), bajty.size());
        const TWartoscExt wartosc = TWartoscExt::ZBajtow(bajty);
        if (!std::isfinite(wartosc.Wartosc()))
            Blad(TBladGrupy::ZlaWartosc);
        return wartosc;
    }

    TNaglowekGrupy Naglowek()
    {
        TNaglowekGrupy naglowek;
        naglowek.IleGier = czytnik_.Int32();
        czytnik_.Pomin(ZarezerwowaneNaglowka);
        for (std::string& nazwisko : naglowek.Nazwiska)
            nazwisko = Tekst(DlugoscNazwiska);
        return naglowek;
    }

    TGraGrupy Gra()
    {
        TGraGrupy gra;
        gra.Data = czytnik_.Double();
        if (!DataPoprawna(gra.Data))
            Blad(TBladGrupy::ZlaWartosc);
        gra.NazwaGry = Tekst(DlugoscNazwyGryGrupy);
        gra.Koszt = Wartosc();
        gra.Wygrana = Wartosc();
        for (TUczestnikGry& uczestnik : gra.Uczestnicy) {
            czytnik_.Pomin(ZarezerwowanePrzedGra);
            uczestnik.Gra = czytnik_.Bajt() != 0;
            czytnik_.Pomin(ZarezerwowanePoGrze);
            uczestnik.Udzial = Wartosc();
        }
        return gra;
    }

    TBladGrupy Wynik() const
    {
        if (blad_ != TBladGrupy::Brak)
            return blad_;
        return czytnik_.Dobrze() ? TBladGrupy::Brak : TBladGrupy::ZaKrotki;
    }

private:
    void Blad(TBladGrupy blad)
    {
        if (blad_ == TBladGrupy::Brak)
            blad_ = blad;
    }

    TCzytnikBin czytnik_;
    TBladGrupy blad_ = TBladGrupy::Brak;
};

std::optional<TGrupa> Niepowodzenie(TBladGrupy* blad, TBladGrupy rodzaj)
{
    if (blad)
        *blad = rodzaj;
    return std::nullopt;
}

// Reads the group, applies a change and writes it back at once.
template <typename TZmiana> TBladGrupy Zmien(const std::string& plik, TZmiana zmiana)
{
    TBladGrupy blad = TBladGrupy::Brak;
    std::optional<TGrupa> grupa = CzytajGrupe(plik, &blad);
    if (!grupa)
        return blad;
    blad = zmiana(*grupa);
    if (blad != TBladGrupy::Brak)
        return blad;
    return ZapiszGrupe(plik, *grupa) ? TBladGrupy::Brak : TBladGrupy::BladZapisu;
}

} // namespace

TWartoscExt TWartoscExt::Z(double wartosc)
{
    return ZBajtow(DoubleNaExtended(wartosc));
}

TWartoscExt TWartoscExt::ZBajtow(const std::array<uint8_t, 10>& bajty)
{
    TWartoscExt wynik;
    wynik.bajty_ = bajty;
    return wynik;
}

double TWartoscExt::Wartosc() const
{
    return ExtendedNaDouble(bajty_);
}

std::string UtnijTekst(std::string_view utf8, std::size_t znakow)
{
    std::size_t poz = 0;
    std::size_t policzone = 0;
    while (poz < utf8.size()) {
        if ((static_cast<unsigned char>(utf8[poz]) & 0xC0) != 0x80) {
            if (policzone == znakow)
                break;
            ++policzone;
        }
        ++poz;
    }
    return std::string(utf8.substr(0, poz));
}

std::optional<int> TNaglowekGrupy::PierwszeWolneMiejsce() const
{
    for (int i = 0; i < MaxUczestnikow; ++i)
        if (Nazwiska[static_cast<std::size_t>(i)].empty())
            return i;
    return std::nullopt;
}

std::vector<int> TNaglowekGrupy::ZajeteMiejsca() const
{
    std::vector<int> miejsca;
    for (int i = 0; i < MaxUczestnikow; ++i)
        if (!Nazwiska[static_cast<std::size_t>(i)].empty())
            miejsca.push_back(i);
    return miejsca;
}

std::optional<int> TNaglowekGrupy::DodajUczestnika(std::string_view nazwisko)
{
    const std::optional<int> miejsce = PierwszeWolneMiejsce();
    if (miejsce)
        ZmienNazwisko(*miejsce, nazwisko);
    return miejsce;
}

void TNaglowekGrupy::ZmienNazwisko(int miejsce, std::string_view nazwisko)
{
    if (miejsce >= 0 && miejsce < MaxUczestnikow)
        Nazwiska[static_cast<std::size_t>(miejsce)] = UtnijTekst(nazwisko, DlugoscNazwiska);
}

std::string ZbudujNaglowekGrupy(const TNaglowekGrupy& naglowek)
{
    TPisarzBin pisarz;
    pisarz.Rezerwuj(DlugoscNaglowkaGrupy);
    pisarz.Int32(naglowek.IleGier);
    pisarz.Zera(ZarezerwowaneNaglowka);
    for (const std::string& nazwisko : naglowek.Nazwiska)
        pisarz.Tekst(nazwisko, DlugoscNazwiska);
    return std::move(pisarz.Wez());
}

std::string ZbudujGreGrupy(const TGraGrupy& gra)
{
    TPisarzBin pisarz;
    pisarz.Rezerwuj(DlugoscGryGrupy);
    pisarz.Double(gra.Data);
    pisarz.Tekst(gra.NazwaGry, DlugoscNazwyGryGrupy);
    auto wartosc = [&pisarz](const TWartoscExt& w) {
        pisarz.Bajty(std::string_view(reinterpret_cast<const char*>(w.Bajty().data()), w.Bajty().size()));
    };
    wartosc(gra.Koszt);
    wartosc(gra.Wygrana);
    for (const TUczestnikGry& uczestnik : gra.Uczestnicy) {
        pisarz.Zera(ZarezerwowanePrzedGra);
        pisarz.Bajt(uczestnik.Gra ? 1 : 0);
        pisarz.Zera(ZarezerwowanePoGrze);
        wartosc(uczestnik.Udzial);
    }
    return std::move(pisarz.Wez());
}

std::string ZbudujGrupe(const TGrupa& grupa)
{
    TNaglowekGrupy naglowek = grupa.Naglowek;
    naglowek.IleGier = static_cast<int32_t>(grupa.Gry.size());
    std::string dane = ZbudujNaglowekGrupy(naglowek);
    dane.reserve(DlugoscNaglowkaGrupy + grupa.Gry.size() * DlugoscGryGrupy);
    for (const TGraGrupy& gra : grupa.Gry)
        dane += ZbudujGreGrupy(gra);
    return dane;
}

std::optional<TGrupa> RozbierzGrupe(std::string_view dane, TBladGrupy* blad)
{
    if (dane.size() < DlugoscNaglowkaGrupy)
        return Niepowodzenie(blad, TBladGrupy::ZaKrotki);
    TRozbior rozbior(dane);
    TGrupa grupa;
    grupa.Naglowek = rozbior.Naglowek();
    if (rozbior.Wynik() != TBladGrupy::Brak)
        return Niepowodzenie(blad, rozbior.Wynik());
    const int32_t ile = grupa.Naglowek.IleGier;
    if (ile < 0)
        return Niepowodzenie(blad, TBladGrupy::ZlaLiczbaGier);
    // The count is checked against the bytes there before anything is allocated from it.
    if (static_cast<uint64_t>(ile) > (dane.size() - DlugoscNaglowkaGrupy) / DlugoscGryGrupy)
        return Niepowodzenie(blad, TBladGrupy::ZaKrotki);
    grupa.Gry.reserve(static_cast<std::size_t>(ile));
    for (int32_t i = 0; i < ile; ++i)
        grupa.Gry.push_back(rozbior.Gra());
    if (rozbior.Wynik() != TBladGrupy::Brak)
        return Niepowodzenie(blad, rozbior.Wynik());
    if (blad)
        *blad = TBladGrupy::Brak;
    return grupa;
}

std::optional<TGrupa> CzytajGrupe(const std::string& plik, TBladGrupy* blad)
{
    // Only a regular file is read: a FIFO or a device under a group's name is never waited on.
    TOdczytPliku we(plik);
    if (!we.Otwarty())
        return Niepowodzenie(blad, TBladGrupy::NieOtwarty);
    std::string dane(DlugoscNaglowkaGrupy, '\0');
    if (we.Rozmiar() < DlugoscNaglowkaGrupy || !we.Czytaj(0, dane.data(), dane.size()))
        return Niepowodzenie(blad, TBladGrupy::ZaKrotki);
    // Only what the count announces is read, and only once the file is known to hold it. A count
    // the file cannot hold is judged on the header alone, which gives the reason the bytes would.
    TCzytnikBin licznik(dane);
    const int32_t ile = licznik.Int32();
    const uint64_t potrzeba = DlugoscNaglowkaGrupy + static_cast<uint64_t>(std::max(ile, 0)) * DlugoscGryGrupy;
    if (ile < 0 || potrzeba > we.Rozmiar())
        return RozbierzGrupe(dane, blad);
    dane.resize(static_cast<std::size_t>(potrzeba));
    if (!we.Czytaj(DlugoscNaglowkaGrupy, dane.data() + DlugoscNaglowkaGrupy, dane.size() - DlugoscNaglowkaGrupy))
        return Niepowodzenie(blad, TBladGrupy::ZaKrotki);
    return RozbierzGrupe(dane, blad);
}

bool ZapiszGrupe(const std::string& plik, const TGrupa& grupa)
{
    return ZapiszPlikAtomowo(plik, ZbudujGrupe(grupa));
}

TBladGrupy UtworzGrupe(const std::string& plik)
{
    return ZapiszGrupe(plik, TGrupa{}) ? TBladGrupy::Brak : TBladGrupy::BladZapisu;
}

TBladGrupy DodajGre(const std::string& plik, double data, const std::string& nazwaGry, TWartoscExt koszt,
                    TWartoscExt wygrana)
{
    return Zmien(plik, [&](TGrupa& grupa) {
        TGraGrupy gra;
        gra.Data = data;
        gra.NazwaGry = UtnijTekst(nazwaGry, DlugoscNazwyGryGrupy);
        gra.Koszt = koszt;
        gra.Wygrana = wygrana;
        grupa.Gry.push_back(std::move(gra));
        return TBladGrupy::Brak;
    });
}

TBladGrupy PoprawGre(const std::string& plik, std::size_t numer, double data, const std::string& nazwaGry,
                     TWartoscExt koszt, TWartoscExt wygrana)
{
    return Zmien(plik, [&](TGrupa& grupa) {
        if (numer >= grupa.Gry.size())
            return TBladGrupy::ZlyNumerGry;
        TGraGrupy& gra = grupa.Gry[numer];
        gra.Data = data;
        gra.NazwaGry = UtnijTekst(nazwaGry, DlugoscNazwyGryGrupy);
        gra.Koszt = koszt;
        gra.Wygrana = wygrana;
        return TBladGrupy::Brak;
    });
}

TBladGrupy UsunGre(const std::string& plik, std::size_t numer)
{
    return Zmien(plik, [&](TGrupa& grupa) {
        if (numer >= grupa.Gry.size())
            return TBladGrupy::ZlyNumerGry;
        if (numer + 1 < grupa.Gry.size())
            grupa.Gry[numer] = std::move(grupa.Gry.back());
        grupa.Gry.pop_back();
        return TBladGrupy::Brak;
    });
}

TBladGrupy ZapiszUczestnikow(const std::string& plik, const TNaglowekGrupy& naglowek, std::size_t numer,
                             const TGraGrupy& gra)
{
    return Zmien(plik, [&](TGrupa& grupa) {
        if (numer >= grupa.Gry.size())
            return TBladGrupy::ZlyNumerGry;
        grupa.Naglowek.Nazwiska = naglowek.Nazwiska;
        grupa.Gry[numer] = gra;
        return TBladGrupy::Brak;
    });
}

} // namespace tarvomund
