#pragma once

#include <cstdint>
#include <string>

namespace tarvomund {

// The closed range a numeric setting may take; a stored value outside it reads as the default.
struct TZakresUstawienia {
    int32_t Min;
    int32_t Max;

    constexpr bool Zawiera(int32_t wartosc) const { return wartosc >= Min && wartosc <= Max; }
};

inline constexpr TZakresUstawienia ZakresSpin1{1, 9'999'999};
inline constexpr TZakresUstawienia ZakresSpin11{1, 10};
inline constexpr TZakresUstawienia ZakresIleNad{1, 99'999};
inline constexpr TZakresUstawienia ZakresIlePod{1, 99'999};

// The user's preferences, one record for the whole process. The member initialisers are the
// defaults a first run starts with; the store's value names are the field names.
struct TParametry {
    // Read and written back unchanged; nothing else uses it.
    std::string SciezkaProgramu;
    // Statistics: the most entries each result list keeps, unless CBox1 asks for all of them.
    int32_t Spin1 = 150;
    bool CBox1 = false;
    // Statistics: line width of the charts.
    int32_t Spin11 = 2;
    // Guarantee report: how many patterns above 1 % and at or below 1 % it lists; with MinMax
    // only the minimal and the maximal pattern at or below 1 % are listed and IlePod is ignored.
    int32_t IleNad = 5000;
    int32_t IlePod = 1000;
    bool MinMax = true;

    bool operator==(const TParametry&) const = default;
};

} // namespace tarvomund
