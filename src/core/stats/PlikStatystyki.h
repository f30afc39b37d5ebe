#pragma once

#include "model/KatalogGier.h"
#include "stats/ParametryStatystyki.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvomund {

// Statistics file `*.st2`: a 1220-byte header (the game, the parameters, the check states and a
// table of 120 series with the offset and count of their records), then 48-byte records of a label
// and a value, the records of one series together and in list order.
inline constexpr std::size_t DlugoscNaglowkaStatystyki = 1220;
inline constexpr std::size_t DlugoscRekorduStatystyki = 48;
inline constexpr std::size_t SzerokoscOpisuStatystyki = 40;
inline constexpr std::size_t IleZaznaczenStatystyki = 121;
inline constexpr const char* RozszerzeniePlikuStatystyki = "st2";

enum class TBladPlikuStatystyki {
    Brak,
    NieOtwarty,
    ZaKrotki,     // shorter than its header, or than the records its table announces
    ZaDuzoSerii,  // a series count outside 0..120
    ZlySpisSerii, // a negative offset or count, or records that start inside the header
    ZlyOpis,      // a label or the game name longer than its field
    ZleParametry, // parameters no dialog can set (an unknown kind, grouping or division...)
    BladZapisu,
};

// Everything a statistics file holds.
struct TPlikStatystyki {
    TOpisGryStatystyki Gra;
    TParametryStatystyki Parametry;
    // One byte per check-list item, item 0 first.
    std::array<bool, IleZaznaczenStatystyki> Zaznaczone{};
    int32_t IleSerii = 0;
    TWynikiStatystyki Wyniki;
};

TOpisGryStatystyki OpisGry(const TObGraLista& gra);

// The whole file; labels longer than 40 characters are cut to 40.
std::string ZbudujPlikStatystyki(const TPlikStatystyki& plik);
// Replaces the file atomically: a failed write keeps the old file.
bool ZapiszPlikStatystyki(const std::string& sciezka, const TPlikStatystyki& plik);

// Reads a file already in memory; nothing, with the reason, for a damaged or hostile one. Counts
// and offsets are checked against the size before anything is taken from them.
std::optional<TPlikStatystyki> RozbierzPlikStatystyki(std::string_view dane,
                                                      TBladPlikuStatystyki* blad = nullptr);
std::optional<TPlikStatystyki> WczytajPlikStatystyki(const std::string& sciezka,
                                                     TBladPlikuStatystyki* blad = nullptr);

} // namespace tarvomund
