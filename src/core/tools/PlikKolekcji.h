#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// The number collection on disk is a pair of files: `*.k22`, the tree of copied results as text,
// and `*.k12` beside it, the panel's numbers.

// State icons of the tree entries: a copied statistic, its series (1..8 in the series' colours) and
// its points. Read back from a file, every series entry gets the last series icon.
inline constexpr int IkonaKopii = 9;
inline constexpr int IkonaPunktu = 10;
inline constexpr int IleIkonSerii = 8;
inline constexpr int IkonaSeriiZPliku = IleIkonSerii;

// The icon of the series with the given index (from 0): the colours repeat after eight series.
int IkonaSerii(int indeks);
// The icon an entry read from a file gets by its level.
int IkonaPoziomu(int poziom);

// One entry of the tree; a tree is a list of entries in depth-first order, each entry's level at
// most one deeper than the entry before it. The text is UTF-8.
struct TPozycjaKolekcji {
    std::string Tekst;
    int Poziom = 0;
    int Ikona = 0;
    bool operator==(const TPozycjaKolekcji&) const = default;
};
using TDrzewoKolekcji = std::vector<TPozycjaKolekcji>;

// The most a collection's files may take; anything larger (like a directory, a FIFO or a device
// under their names) is not read. A collection of a hundred copied statistics takes a few hundred
// kilobytes, and the panel holds at most 256 distinct numbers of two bytes.
inline constexpr uint64_t MaxRozmiarDrzewaKolekcji = uint64_t{16} << 20;
inline constexpr uint64_t MaxRozmiarLiczbKolekcji = uint64_t{1} << 20;

// The `*.k22` text: one line per entry, its text in Windows-1250 after one tab per level, every
// line ended by CR LF. Line breaks inside a text would split the entry, so they become blanks.
std::string TekstDrzewaKolekcji(const TDrzewoKolekcji& drzewo);
// Reads the text back, icons by level. Lines may end in LF alone and the last one may lack its
// end; blank lines carry no entry; a line indented deeper than one level below the line before it
// hangs one level below that line.
TDrzewoKolekcji CzytajDrzewoKolekcji(std::string_view tekst);
// Replaces the file atomically; false when it could not be written (the old file then stays).
bool ZapiszDrzewoKolekcji(const std::string& plik, const TDrzewoKolekcji& drzewo);
// Nothing when the file cannot be opened or read, or is larger than MaxRozmiarDrzewaKolekcji.
std::optional<TDrzewoKolekcji> WczytajDrzewoKolekcji(const std::string& plik);

// One number of the panel as the `*.k12` file keeps it: two bytes, the number and its mark (1 or 0).
struct TLiczbaKolekcji {
    uint8_t Numer = 0;
    bool Zaznaczony = false;
    bool operator==(const TLiczbaKolekcji&) const = default;
};

std::string BajtyLiczbKolekcji(const std::vector<TLiczbaKolekcji>& liczby);
// Every whole pair in order; an odd byte at the end is ignored; any non-zero mark byte marks.
std::vector<TLiczbaKolekcji> CzytajLiczbyKolekcji(std::string_view bajty);
bool ZapiszLiczbyKolekcji(const std::string& plik, const std::vector<TLiczbaKolekcji>& liczby);
// Every whole pair; empty for a file that cannot be read or is larger than MaxRozmiarLiczbKolekcji.
std::vector<TLiczbaKolekcji> WczytajLiczbyKolekcji(const std::string& plik);

// The companion `*.k12` of a tree file: the file name's extension (from its last dot) replaced by
// "k12", or "k12" appended when the name has none.
std::string PlikLiczbKolekcji(const std::string& plikDrzewa);

} // namespace tarvomund
