#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// The biorhythm chart: four sine rhythms of a person over the days around a chosen date, computed
// here and laid out as plain data (lines, labels, curve points in the chart's own pixels), so that
// any surface can paint it and the tests can check it without a window.

struct TKolorRGB {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    bool operator==(const TKolorRGB&) const = default;
};

inline constexpr TKolorRGB KolorTlaBio{255, 255, 213};
inline constexpr TKolorRGB KolorRamkiBio{0, 0, 0};
inline constexpr TKolorRGB KolorOsiBio{128, 128, 128};
inline constexpr TKolorRGB KolorSiatkiBio{192, 192, 192};
inline constexpr TKolorRGB KolorEtykietBio{128, 128, 128};
inline constexpr TKolorRGB KolorDatyBio{255, 0, 0};

inline constexpr int IleRytmow = 4;

// The rhythms in check-box order: physical, emotional, intellectual, intuitive.
struct TRytm {
    int Okres;
    TKolorRGB Kolor;
};
inline constexpr std::array<TRytm, IleRytmow> Rytmy{{
    {23, {255, 0, 0}},
    {28, {0, 128, 0}},
    {33, {0, 0, 255}},
    {38, {128, 0, 0}},
}};

// The chart's size in its own pixels and where the grid stands in it.
inline constexpr int SzerokoscWykresuBio = 500;
inline constexpr int WysokoscWykresuBio = 240;
inline constexpr int LewyBrzegSiatki = 25;
inline constexpr int PrawyBrzegSiatki = 494;
inline constexpr int OsWykresuBio = 120;
inline constexpr int GoraSiatki = 20;
inline constexpr int DolSiatki = 220;
inline constexpr int AmplitudaBio = 100;
inline constexpr int PikseliNaDzien = 12;
// 41 day lines: 20 days before the chart date, the date itself (line 21, from 0: 20), 20 after.
inline constexpr int IleDniWykresu = 41;
inline constexpr int DniPrzedData = 20;
// The curves run over 469 pixels from the left edge of the grid.
inline constexpr int PunktowKrzywej = 469;
// The birth date must lie more than this many days before the chart date.
inline constexpr int NajmniejDniZycia = 30;

inline constexpr const char* CzcionkaBio = "Arial";
inline constexpr int RozmiarCzcionkiBio = 7; // points

// What the chart is computed from: the days lived, the chart's first day and its index in the life.
struct TBiorytm {
    double DataUr = 0;
    double DataBio = 0;
    int64_t DniZycia = 0;     // L = round(DataBio - DataUr) + 1
    double Poczatek = 0;      // s = DataBio - 20, the chart's first day
    int64_t PierwszyDzien = 0; // D = round(s - DataUr) + 1
    // The day in each rhythm's cycle at the chart date: L mod P.
    std::array<int, IleRytmow> DzienCyklu{};
};

// Nothing when the birth date is not more than 30 days before the chart date: the chart is then
// left as it was.
std::optional<TBiorytm> ObliczBiorytm(double dataUr, double dataBio);

// The check box's prefix of a rhythm: the sign and the day in the cycle ("+5", "-17"); no sign at a
// zero crossing (the cycle's first day, and the middle day of an even period).
std::string ZnakDniaCyklu(int dzienCyklu, int okres);

// The rhythm's value (-1..1) `dzien` days after the chart's first day, as the curves compute it.
double WartoscRytmu(const TBiorytm& biorytm, int rytm, double dzien);

// The day of month of each of the chart's 41 day lines: the day of its first day, then counting on
// and starting again at 1 after the last day of each month.
std::array<int, IleDniWykresu> DniMiesiacaWykresu(double poczatek);

struct TOdcinekBio {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    TKolorRGB Kolor;
    bool operator==(const TOdcinekBio&) const = default;
};

// A text placed by the top-left corner of its line.
struct TNapisBio {
    int X = 0;
    int Y = 0;
    std::string Tekst;
    TKolorRGB Kolor;
    bool operator==(const TNapisBio&) const = default;
};

struct TPunktBio {
    int X = 0;
    int Y = 0;
    bool operator==(const TPunktBio&) const = default;
};

struct TKrzywaBio {
    int Rytm = 0;
    TKolorRGB Kolor;
    std::vector<TPunktBio> Punkty;
};

// Everything the chart shows, in painting order: the background with its frame, the lines (the
// axis, the grid, then the day lines left to right), the labels, then the curves as single points.
struct TPlanBiorytmu {
    int Szerokosc = SzerokoscWykresuBio;
    int Wysokosc = WysokoscWykresuBio;
    TKolorRGB Tlo = KolorTlaBio;
    TKolorRGB Ramka = KolorRamkiBio;
    std::string Czcionka = CzcionkaBio;
    int RozmiarCzcionki = RozmiarCzcionkiBio;
    std::vector<TOdcinekBio> Linie;
    std::vector<TNapisBio> Napisy;
    std::vector<TKrzywaBio> Krzywe;
};

// The plan of a chart with the curves of the rhythms marked in `widoczne`.
TPlanBiorytmu PlanBiorytmu(const TBiorytm& biorytm, const std::array<bool, IleRytmow>& widoczne);

// One row for each of the chart's 41 days: its date and the four rhythms' values.
struct TDzienBiorytmu {
    double Data = 0;
    std::array<double, IleRytmow> Wartosci{};
};
std::vector<TDzienBiorytmu> TabelaBiorytmu(const TBiorytm& biorytm);

} // namespace tarvomund
