#pragma once

#include "model/TInfoGryRec.h"
#include "systems/Kombinatoryka.h"
#include "systems/TLosGen.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// A pool system covers 10 to 13 matches; a bet holds one sign code per match.
inline constexpr int MinMeczow = 10;
inline constexpr int MaxMeczow = 13;
// Sign codes of a pool bet and of the typing block.
inline constexpr uint8_t KodBrak = 0;
inline constexpr uint8_t Kod1 = 1;
inline constexpr uint8_t KodX = 2;
inline constexpr uint8_t Kod2 = 3;
inline constexpr int IleZnakow = 3;
// The sign buttons of the pool window, by tag 1..16; the last one clears a row.
inline constexpr int IlePrzyciskowTypow = 16;
inline constexpr int PrzyciskCzyszczacy = 16;
// Every pool system carries this name and, as its game parameters, only the most matches a bet may have.
inline constexpr const char* NazwaSystemuPilkarskiego = "System piłkarski";
// 3^13: every single-sign bet of thirteen matches typed "1x2".
inline constexpr int32_t MaxKombinacjiPilkarskich = 1'594'323;

// The typing text a sign button puts into a row: "1", "2", "x", "1x" ... "2x1", and "" for the last.
std::string_view TekstPrzyciskuTypu(int tag);
// True for the texts of the sign buttons (the empty one included).
bool PoprawneTypowanie(std::string_view typy);
// The sign code of '1', 'x' or '2'; KodBrak for anything else.
uint8_t KodZnaku(char znak);
// '1', 'x', '2' for the codes 1, 2, 3.
char ZnakKodu(uint8_t kod);

// The typing texts of matches 1..k (shorter lists leave the rest untyped).
using TTypy = std::vector<std::string>;

// 2^d × 3^t over the first k typings, d and t the typings of two and of three signs.
int64_t IleKombinacjiTypow(const TTypy& typy, int k);
// One entry per typed match among the first k, in match order.
std::vector<TTypowanie> TypowaniaZTypow(const TTypy& typy, int k);
// The typing block: array s holds, at match m, the code of the (s+1)-th sign typed for it.
std::array<TTablicaLiczb, 3> BlokTypowan(const std::vector<TTypowanie>& typowania);
// The typings of matches 1..k read back from a block (zeros skipped).
TTypy TypyZBloku(const std::array<TTablicaLiczb, 3>& blok, int k);
bool BlokPusty(const std::array<TTablicaLiczb, 3>& blok, int k);
// The signs the bets use at each match, in the order 1, x, 2: the typings of a system whose typing
// block was left empty.
TTypy TypyZZakladow(const std::vector<TZaklad>& zaklady, int k);
// The typings of a system file: its typing block or, when the block is empty, the signs its bets
// use. Nothing when the file cannot be read.
std::optional<TTypy> TypyPlikuSystemu(const std::string& plik);
// The typed matches with more than one sign: those a guarantee enumerates.
std::vector<TTypowanie> TypowaniaWielokrotne(const std::vector<TTypowanie>& typowania);

// The record of a new pool system: game id and code 1001, its name, k matches, the bets and the
// method asked for, the pool flag and, of the game parameters, only the most matches per bet.
TInfoGryRec NoweInfoSystemuPilkarskiego(int k, int32_t zakladow, int32_t metoda);

// Entry 3 × (m − 1) + s of the sign counts (1-based) counts the bets with sign code s at match m.
inline std::size_t IndeksLicznikaZnaku(int mecz, uint8_t kod)
{
    return static_cast<std::size_t>(IleZnakow * (mecz - 1) + kod - 1);
}

} // namespace tarvomund
