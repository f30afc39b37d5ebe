#pragma once

#include "model/TObGraLista.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvomund {

// Game file: a fixed 100-byte header, then one record per draw (an 8-byte date and
// IleLosowanych number bytes).
inline constexpr std::size_t DlugoscNaglowkaGry = 100;
inline constexpr std::size_t SzerokoscNazwyGry = 50;
inline constexpr std::size_t PozycjaLiczbyLosowan = 8;
inline constexpr std::size_t PozycjaNazwyGry = 12;
inline constexpr std::size_t PozycjaParametrowGry = 64;
inline constexpr std::size_t PozycjaIleLosowanych = 84;
inline constexpr std::size_t RozmiarDatyLosowania = 8;
inline constexpr const char* RozszerzeniePlikuGry = ".pl2";

// The dates a draw may carry: 1.1.1900 .. 31.12.9999 as day counts.
inline constexpr double PierwszyDzienLosowania = 2.0;
inline constexpr double OstatniDzienLosowania = 2958465.0;
// The most bytes a game file's header and draws may take: over 1.7 million draws of 30 numbers,
// far beyond any real history, yet a bound on what a damaged count can make the catalogue hold.
inline constexpr uint64_t MaxRozmiarPlikuGry = uint64_t{64} << 20;

enum class TBladPlikuGry {
    Brak,
    NieOtwarty,
    ZaKrotki,             // shorter than its header or than the draws its count announces
    ZlaIloscLosowanych,   // IleLosowanych outside 1..30
    ZlaLiczbaLosowan,     // negative draw count
    ZlaData,              // a draw dated outside 1.1.1900 .. 31.12.9999 (or no number at all)
    BladZapisu,
    NieRegularny,         // a directory, a FIFO or a device under a game file's name
    ZaDuzy,               // the draws its count announces exceed MaxRozmiarPlikuGry
    BladOdczytu,          // the system reported an error while reading
};

// A file that cannot be read at all, as opposed to one whose content is damaged.
bool NieczytelnyPlikGry(TBladPlikuGry blad);

// Reads one game file with all its draws in one pass over the bytes it announces.
std::optional<TObGraLista> WczytajPlikGry(const std::string& plik, TBladPlikuGry* blad = nullptr);
// Parses a game file already in memory; `plik` only fills TObGraLista::Plik.
std::optional<TObGraLista> RozbierzPlikGry(std::string_view dane, const std::string& plik,
                                          TBladPlikuGry* blad = nullptr);

// The whole file of a game: its header (with the draw count) and its draws. Bytes 97..99 carry
// Pilkarski and two zeros.
std::string ZbudujPlikGry(const TObGraLista& gra);
// Writes a whole new game file at gra.Plik.
bool UtworzPlikGry(const TObGraLista& gra);

// Rewrites the name and the game parameters in the header of gra.Plik; the id, the code, the draw
// count, byte 97, the reserved bytes and the draws keep their stored values.
bool ZapiszNaglowek(const TObGraLista& gra);
// Rewrites the draws of gra.Plik from gra.Losowania; the header changes only in its count.
bool ZapiszLosowania(const TObGraLista& gra);
// Replaces gra.Losowania with the draws stored in the file; on a read error the list stays as it was.
bool WczytajLosowania(TObGraLista& gra);

} // namespace tarvomund
