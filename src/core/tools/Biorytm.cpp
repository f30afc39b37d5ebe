#include "tools/Biorytm.h"

#include "model/Daty.h"
#include "model/Wspolne.h"

#include <cmath>
#include <numbers>

namespace tarvomund {

namespace {

// Whole days, halves to the even neighbour as the date arithmetic always did.
int64_t ZaokraglijDni(double dni)
{
    return static_cast<int64_t>(std::nearbyint(dni));
}

// The phase of the chart's first day in the rhythm's cycle: frac(D / P) of a full turn. The whole
// turns are dropped in integers first, so a long life loses no precision.
double Faza(int64_t pierwszyDzien, int okres)
{
    const int64_t reszta = ((pierwszyDzien % okres) + okres) % okres;
    return static_cast<double>(reszta) / okres * 2.0 * std::numbers::pi;
}

const std::array<const char*, 5> EtykietyOsi{"+100", " +50", "   0", " -50", "-100"};
constexpr std::array<int, 5> PoziomyOsi{20, 70, 120, 170, 220};
// Labels stand 5 pixels above their line, day labels 4 pixels left of theirs.
constexpr int XEtykietOsi = 2;
constexpr int NadLinia = 5;
constexpr int PrzedLinia = 4;
constexpr int YEtykietGora = 5;
constexpr int YEtykietDol = 225;

} // namespace

std::optional<TBiorytm> ObliczBiorytm(double dataUr, double dataBio)
{
    // Day counts beyond any calendar (a damaged value) are refused before they reach integers.
    constexpr double NajdalszyDzien = 1e12;
    if (!(std::abs(dataUr) < NajdalszyDzien && std::abs(dataBio) < NajdalszyDzien) ||
        dataUr + NajmniejDniZycia >= dataBio)
        return std::nullopt;
    TBiorytm b;
    b.DataUr = dataUr;
    b.DataBio = dataBio;
    b.DniZycia = ZaokraglijDni(dataBio - dataUr) + 1;
    b.Poczatek = dataBio - DniPrzedData;
    b.PierwszyDzien = ZaokraglijDni(b.Poczatek - dataUr) + 1;
    for (int r = 0; r < IleRytmow; ++r)
        b.DzienCyklu[static_cast<std::size_t>(r)] =
            static_cast<int>(b.DniZycia % Rytmy[static_cast<std::size_t>(r)].Okres);
    return b;
}

std::string ZnakDniaCyklu(int dzienCyklu, int okres)
{
    const std::string dzien = std::to_string(dzienCyklu);
    if (dzienCyklu == 0 || (okres % 2 == 0 && dzienCyklu * 2 == okres))
        return dzien;
    // The first half of the cycle lies above the axis.
    return (dzienCyklu * 2 < okres ? "+" : "-") + dzien;
}

double WartoscRytmu(const TBiorytm& biorytm, int rytm, double dzien)
{
    const int okres = Rytmy[static_cast<std::size_t>(rytm)].Okres;
    return std::sin(2.0 * std::numbers::pi / okres * dzien + Faza(biorytm.PierwszyDzien, okres));
}

std::array<int, IleDniWykresu> DniMiesiacaWykresu(double poczatek)
{
    std::array<int, IleDniWykresu> dni{};
    TDataKal data = DataZDni(poczatek);
    int dzien = data.Dzien;
    for (int& d : dni) {
        d = dzien;
        if (++dzien > DniMiesiaca(data.Rok, data.Miesiac)) {
            dzien = 1;
            if (++data.Miesiac > 12) {
                data.Miesiac = 1;
                ++data.Rok;
            }
        }
    }
    return dni;
}

TPlanBiorytmu PlanBiorytmu(const TBiorytm& biorytm, const std::array<bool, IleRytmow>& widoczne)
{
    TPlanBiorytmu plan;
    for (std::size_t i = 0; i < PoziomyOsi.size(); ++i) {
        const int y = PoziomyOsi[i];
        const TKolorRGB kolor = y == OsWykresuBio ? KolorOsiBio : KolorSiatkiBio;
        plan.Linie.push_back({LewyBrzegSiatki, y, PrawyBrzegSiatki, y, kolor});
        plan.Napisy.push_back({XEtykietOsi, y - NadLinia, EtykietyOsi[i], KolorEtykietBio});
    }

    const std::array<int, IleDniWykresu> dni = DniMiesiacaWykresu(biorytm.Poczatek);
    for (int j = 0; j < IleDniWykresu; ++j) {
        const int x = LewyBrzegSiatki + j * PikseliNaDzien;
        const bool dataWykresu = j == DniPrzedData;
        plan.Linie.push_back({x, GoraSiatki, x, DolSiatki, dataWykresu ? KolorDatyBio : KolorSiatkiBio});
        const std::string dzien = std::to_string(dni[static_cast<std::size_t>(j)]);
        const TKolorRGB kolor = dataWykresu ? KolorDatyBio : KolorEtykietBio;
        plan.Napisy.push_back({x - PrzedLinia, YEtykietDol, dzien, kolor});
        plan.Napisy.push_back({x - PrzedLinia, YEtykietGora, dzien, kolor});
    }

    for (int r = 0; r < IleRytmow; ++r) {
        if (!widoczne[static_cast<std::size_t>(r)])
            continue;
        TKrzywaBio krzywa{r, Rytmy[static_cast<std::size_t>(r)].Kolor, {}};
        krzywa.Punkty.reserve(PunktowKrzywej);
        for (int i = 0; i < PunktowKrzywej; ++i) {
            const double wartosc = WartoscRytmu(biorytm, r, static_cast<double>(i) / PikseliNaDzien);
            krzywa.Punkty.push_back(
                {i + LewyBrzegSiatki, OsWykresuBio - static_cast<int>(std::trunc(AmplitudaBio * wartosc))});
        }
        plan.Krzywe.push_back(std::move(krzywa));
    }
    return plan;
}

std::vector<TDzienBiorytmu> TabelaBiorytmu(const TBiorytm& biorytm)
{
    std::vector<TDzienBiorytmu> tabela(IleDniWykresu);
    for (int j = 0; j < IleDniWykresu; ++j) {
        TDzienBiorytmu& dzien = tabela[static_cast<std::size_t>(j)];
        dzien.Data = biorytm.Poczatek + j;
        for (int r = 0; r < IleRytmow; ++r)
            dzien.Wartosci[static_cast<std::size_t>(r)] = WartoscRytmu(biorytm, r, j);
    }
    return tabela;
}

} // namespace tarvomund
