#include "stats/Kryteria.h"

#include <algorithm>
#include <utility>

namespace tarvomund {

namespace {

using TTest = bool (*)(const TDaneKryterium&, const uint8_t*, int);

enum class TParzystosc { Kazda, Parzysta, Nieparzysta };

bool PasujeParzystosc(int liczba, TParzystosc p)
{
    return p == TParzystosc::Kazda || (liczba % 2 == 0) == (p == TParzystosc::Parzysta);
}

// Criteria 1 and 12: from each in-range number but the last, the later in-range numbers that
// continue the progression x, x + step, ... lengthen it; a run of `dlugosc` matches.
bool Ciag(const TDaneKryterium& d, const uint8_t* liczby, int ile, int krok, int dlugosc)
{
    for (int i = 0; i + 1 < ile; ++i) {
        if (!d.WZakresie(liczby[i]))
            continue;
        int oczekiwana = liczby[i] + krok;
        int dlugoscCiagu = 1;
        for (int j = i + 1; j < ile; ++j) {
            const int y = liczby[j];
            if (!d.WZakresie(y))
                continue;
            if (y == oczekiwana) {
                oczekiwana = y + krok;
                ++dlugoscCiagu;
            }
            if (dlugoscCiagu >= dlugosc)
                return true;
        }
    }
    return false;
}

// Criteria 2 and 3: at least `prog` in-range numbers of the parity.
bool Parzystosc(const TDaneKryterium& d, const uint8_t* liczby, int ile, TParzystosc p, int prog)
{
    int ileZnalezionych = 0;
    for (int i = 0; i < ile; ++i)
        if (d.WZakresie(liczby[i]) && PasujeParzystosc(liczby[i], p) && ++ileZnalezionych >= prog)
            return true;
    return false;
}

// Criteria 4 to 6: the intervals [1, w], [w + 1, 2w], ... cover 1 .. ceil(N / w) * w; one of them
// holds at least `prog` in-range numbers of the parity. The numbers are sorted, so the numbers of
// one interval stand together.
bool WPrzedziale(const TDaneKryterium& d, const uint8_t* liczby, int ile, int szerokosc, int prog, TParzystosc p)
{
    if (szerokosc < 1)
        return false;
    const int przedzialow = (d.IleLiczb + szerokosc - 1) / szerokosc;
    const int gora = przedzialow * szerokosc;
    int biezacy = -1;
    int wBiezacym = 0;
    for (int i = 0; i < ile; ++i) {
        const int x = liczby[i];
        if (x < 1 || x > gora || !d.WZakresie(x) || !PasujeParzystosc(x, p))
            continue;
        const int przedzial = (x - 1) / szerokosc;
        if (przedzial != biezacy) {
            biezacy = przedzial;
            wBiezacym = 0;
        }
        if (++wBiezacym >= prog)
            return true;
    }
    return false;
}

int32_t Suma(const uint8_t* liczby, int ile)
{
    int32_t suma = 0;
    for (int i = 0; i < ile; ++i)
        suma += liczby[i];
    return suma;
}

// The leading digit: the number itself up to 9, otherwise the number div 10 (10 and more above 99).
int CyfraPoczatkowa(int liczba)
{
    return liczba > 9 ? liczba / 10 : liczba;
}

// Criteria 10 and 11: for each chosen digit in turn, at least `prog` numbers with it. The counts of
// different digits are not added. Final digits count the in-range numbers, leading digits all.
bool Cyfry(const TDaneKryterium& d, const uint8_t* liczby, int ile, const std::array<bool, IleCyfr>& cyfry, int prog,
           bool koncowe)
{
    for (int cyfra = koncowe ? 0 : 1; cyfra < IleCyfr; ++cyfra) {
        if (!cyfry[static_cast<std::size_t>(cyfra)])
            continue;
        int ileZCyfra = 0;
        for (int i = 0; i < ile; ++i) {
            const int x = liczby[i];
            const bool maCyfre = koncowe ? d.WZakresie(x) && x % 10 == cyfra : CyfraPoczatkowa(x) == cyfra;
            if (maCyfre && ++ileZCyfra >= prog)
                return true;
        }
    }
    return false;
}

struct TOpisKryterium {
    TKryterium Kryterium;
    bool ZakresLiczb; // the test looks only at the numbers of the number range
    TTest Test;
};

// The twelve tests in dialog order; choices c stand for c + 1.
constexpr std::array<TOpisKryterium, IleKryteriowWspolnych> Kryteria{{
    {TKryterium::Kolejne, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return Ciag(d, l, ile, 1, d.Rekord->IleKolejnych + 1);
     }},
    {TKryterium::Parzyste, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return Parzystosc(d, l, ile, TParzystosc::Parzysta, d.Rekord->IleParzystych + 1);
     }},
    {TKryterium::Nieparzyste, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return Parzystosc(d, l, ile, TParzystosc::Nieparzysta, d.Rekord->IleNieparzystych + 1);
     }},
    {TKryterium::WPrzedziale, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return WPrzedziale(d, l, ile, d.Rekord->PrzedzialWielkosc + 1, d.Rekord->IleWPrzedziale + 1,
                            TParzystosc::Kazda);
     }},
    {TKryterium::ParzysteWPrzedziale, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return WPrzedziale(d, l, ile, d.Rekord->PrzedzialParzystych + 1, d.Rekord->IleParzystychWPrzedziale + 1,
                            TParzystosc::Parzysta);
     }},
    {TKryterium::NieparzysteWPrzedziale, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return WPrzedziale(d, l, ile, d.Rekord->PrzedzialNieparzystych + 1,
                            d.Rekord->IleNieparzystychWPrzedziale + 1, TParzystosc::Nieparzysta);
     }},
    {TKryterium::SumaOdDo, false,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         const int32_t suma = Suma(l, ile);
         return suma >= d.SumaOd && suma <= d.SumaDo;
     }},
    {TKryterium::SumaParzysta, false,
     [](const TDaneKryterium&, const uint8_t* l, int ile) { return Suma(l, ile) % 2 == 0; }},
    {TKryterium::SumaNieparzysta, false,
     [](const TDaneKryterium&, const uint8_t* l, int ile) { return Suma(l, ile) % 2 != 0; }},
    {TKryterium::CyfryKoncowe, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return Cyfry(d, l, ile, d.Rekord->CyfryKoncowe, d.Rekord->IleKoncowych + 1, true);
     }},
    {TKryterium::CyfryPoczatkowe, false,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return Cyfry(d, l, ile, d.Rekord->CyfryPoczatkowe, d.Rekord->IlePoczatkowych + 1, false);
     }},
    {TKryterium::StalyPrzyrost, true,
     [](const TDaneKryterium& d, const uint8_t* l, int ile) {
         return Ciag(d, l, ile, d.Rekord->Przyrost + 1, d.Rekord->IleZPrzyrostem + 1);
     }},
}};

const TOpisKryterium* Opis(int kryterium)
{
    if (kryterium < 1 || kryterium > IleKryteriowWspolnych)
        return nullptr;
    return &Kryteria[static_cast<std::size_t>(kryterium - 1)];
}

} // namespace

bool KryteriumZakresuLiczb(int kryterium)
{
    const TOpisKryterium* opis = Opis(kryterium);
    return opis && opis->ZakresLiczb;
}

TTestKryterium::TTestKryterium(int kryterium, const TKryteriaWspolne& rekord, int32_t sumaOd, int32_t sumaDo,
                               int32_t ileLiczb)
    : kryterium_(kryterium)
{
    dane_.Rekord = &rekord;
    dane_.ZakresOd = rekord.ZakresOd + 1;
    dane_.ZakresDo = rekord.ZakresDo + 1;
    dane_.SumaOd = std::min(sumaOd, sumaDo);
    dane_.SumaDo = std::max(sumaOd, sumaDo);
    dane_.IleLiczb = ileLiczb;
}

bool TTestKryterium::Pasuje(const uint8_t* liczby, int ile) const
{
    const TOpisKryterium* opis = Opis(kryterium_);
    return opis && opis->Test(dane_, liczby, ile);
}

TTestZakladu::TTestZakladu(int kryterium, bool wylosowane, const TKryteriaWspolne& rekord, int32_t sumaOd,
                           int32_t sumaDo, int32_t ilePowtorzonych, const TInfoGryRec& info,
                           const std::vector<TObLos>& losowania)
    : wspolne_(kryterium, rekord, sumaOd, sumaDo, info.IleLiczb), wylosowane_(wylosowane), prog_(ilePowtorzonych + 1)
{
    if (wylosowane_)
        losowania_ = MaskiLosowan(losowania, rekord.OdDaty, rekord.DoDaty, info.IleLosowanych);
}

bool TTestZakladu::Pasuje(const uint8_t* liczby, int ile) const
{
    return wylosowane_ ? WylosowanyZ(MaskaLiczb(liczby, ile), losowania_, prog_) : wspolne_.Pasuje(liczby, ile);
}

int WybraneKryterium(const bool* kryteria, int ile)
{
    for (int i = 0; i < ile; ++i)
        if (kryteria[i])
            return i + 1;
    return 0;
}

} // namespace tarvomund
