#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvomund {

// Dates are day counts since 30.12.1899 held as doubles; the fraction is the time of day.
struct TDataKal {
    int Rok = 1899;
    int Miesiac = 12;
    int Dzien = 30;
    bool operator==(const TDataKal&) const = default;
};

double DniZDaty(const TDataKal& data);
// Calendar date of a day count; the time of day is dropped.
TDataKal DataZDni(double dni);
// 0 = Monday .. 6 = Sunday.
int DzienTygodnia(double dni);
// 0 = Sunday .. 6 = Saturday, as the windows' lists of days run.
int DzienTygodniaOdNiedzieli(double dni);
// The short day name: "Nd", "Pn", "Wt", "Śr", "Cz", "Pt", "So".
const char* SkrotDniaTygodnia(double dni);
// "dd.mm.yyyy"
std::string TekstDaty(double dni);
// Parses "d.m.yyyy" or "dd.mm.yyyy"; nothing for a malformed or impossible date.
std::optional<double> DataZTekstu(std::string_view tekst);
// Today's date as a day count, in local time.
double Dzisiaj();

} // namespace tarvomund
