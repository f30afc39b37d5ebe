#pragma once

#include "slips/TBlankietOb.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// Slip file `Dane/*.bln`: a 12332-byte header (the slip's own fields, the guide counts and
// offsets, 255 group records of 48 bytes), then the 10-byte positions of the horizontal guides,
// those of the vertical guides, and the 74-byte field records group by group. Millimetres are
// 10-byte x87 extended values, texts a length byte and a fixed field of Windows-1250 characters.
inline constexpr std::size_t DlugoscNaglowkaBlankietu = 12332;
inline constexpr std::size_t RozmiarRekorduGrupy = 48;
inline constexpr std::size_t RozmiarRekorduProwadnicy = 10;
inline constexpr std::size_t RozmiarRekorduPola = 74;
inline constexpr const char* RozszerzeniePlikuBlankietu = ".bln";

enum class TBladBlankietu {
    Brak,
    NieOtwarty,
    ZaKrotki,       // shorter than its header
    ZlaLiczba,      // a negative count or more than 255 groups
    ZlyAdres,       // records announced before the end of the header or past the end of the file
    ZlaGrupa,       // two groups with one number, or a field stored under a group it does not name
    ZlePole,        // a field kind outside 1..6, or a size or position that is not a finite number
    BladZapisu,
};

// The slip's own fields of the header: what lists of slips and the print dialog need.
struct TNaglowekBlankietu {
    bool Pilkarski = false;
    int32_t KodGry = 0;
    double PrzesX = 0, PrzesY = 0;
    bool Obrot = false;
    std::string Nazwa;
    double Szer = 0, Wys = 0;
};

// The header's own fields of a layout, and a layout's from a header.
TNaglowekBlankietu NaglowekUkladu(const TBlankietOb& blankiet);
void UstawNaglowek(TBlankietOb& blankiet, const TNaglowekBlankietu& naglowek);

// The bytes of the layout's file. The offset on the page and "Obrót blankietu" are written as
// zero: they belong to the print dialog, which keeps them through a header rewrite. Fields of a
// group the layout does not have are not written.
std::string ZbudujPlikBlankietu(const TBlankietOb& blankiet);
// Writes the layout's file; the old file is replaced only by a complete new one.
bool ZapiszBlankiet(const TBlankietOb& blankiet, const std::string& plik);

// Reads a whole layout. A short or damaged file gives nothing at all (and the reason), never a
// part of a layout. The guides and fields get new Ids and the blue outline; their pixel caches
// are computed by TBlankietOb::UstawSkok.
std::optional<TBlankietOb> RozbierzPlikBlankietu(std::string_view dane, TBladBlankietu* blad = nullptr);
std::optional<TBlankietOb> WczytajBlankiet(const std::string& plik, TBladBlankietu* blad = nullptr);
// Reads only the header's own fields.
std::optional<TNaglowekBlankietu> CzytajNaglowekBlankietu(const std::string& plik, TBladBlankietu* blad = nullptr);

// The header fields the assignment of slips and the print dialog change in place.
struct TZmianaNaglowka {
    std::optional<int32_t> KodGry;
    std::optional<double> PrzesX, PrzesY;
    std::optional<bool> Obrot;
};
// Rewrites those fields of a readable slip file, leaving every other byte as it was; the file is
// replaced only by a complete copy. False when the file is missing, damaged or cannot be written.
bool PrzepiszNaglowekBlankietu(const std::string& plik, const TZmianaNaglowka& zmiana,
                               TBladBlankietu* blad = nullptr);

// One slip of the data directory, as lists of slips show it.
struct TOpisBlankietu {
    std::string Plik;
    TNaglowekBlankietu Naglowek;
    std::size_t IleGrup = 0;
    std::size_t IlePol = 0;
};
// The readable slips of the directory in file-name order, all or those of one game code; files
// that cannot be opened or are damaged are skipped.
std::vector<TOpisBlankietu> ListaBlankietow(const std::string& katalogDane,
                                            std::optional<int32_t> kodGry = std::nullopt);

// One entry of the assignment dialog's check list, in list order.
struct TWpisPrzypisania {
    std::string Nazwa;
    bool Zaznaczony = false;
};
// Ties the slips ticked in the list to the game code and frees those un-ticked that were tied to
// it. Each readable slip follows the first list entry of its name (a slip whose name the list
// lacks keeps its code); a freed slip gets KodBlankietuNieprzypisanego, a slip of another game
// stays with it unless ticked here. Only headers that change are rewritten. Returns how many were.
std::size_t PrzypiszBlankiety(const std::string& katalogDane, int32_t kodGry,
                              const std::vector<TWpisPrzypisania>& lista);

} // namespace tarvomund
