#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// A set of separator bytes (Windows-1250 characters).
using TSeparatory = std::bitset<256>;

inline constexpr char ZnakTab = '\t';
inline constexpr char ZnakSrednik = ';';
inline constexpr char ZnakKropka = '.';
inline constexpr char ZnakPrzecinek = ',';
inline constexpr char ZnakSpacja = ' ';

TSeparatory Separatory(std::string_view znaki);
// The separators an import starts with: tab, semicolon, comma and space.
TSeparatory DomyslneSeparatory();

// Field width of the import: a date needs ten characters, a running number five, a number three.
inline constexpr int SzerokoscPolaDaty = 10;
inline constexpr int SzerokoscPolaNumeru = 5;
inline constexpr int SzerokoscPolaLiczby = 3;
int SzerokoscPola(bool jestData, bool numeracja);

// The lines of a text list re-cut into fields of equal width, as the import's preview shows them and
// its parser reads them. The source text is kept whole and cut into lines; a line is formatted when it
// is asked for, so no file, however it is built, makes more than one copy of itself in memory.
class TFormatowanie {
public:
    // The ruler has a marker place at every column 0..1000.
    static constexpr std::size_t IleZnacznikow = 1001;
    // A formatted line stops growing here: the preview shows no column beyond it and the parser
    // needs at most 32 fields, so a line of millions of fields costs no more than a short one.
    static constexpr std::size_t MaxDlugoscSformatowanego = 4096;
    // Text files beyond this size are read only up to it (a draw list of 20 000 lines has about 1 MB).
    static constexpr std::size_t MaxRozmiarTekstu = 256u << 20;

    using TZnaczniki = std::bitset<IleZnacznikow>;

    // Reads a text file; false (and no lines) when it does not exist or cannot be read at all.
    bool WczytajPlik(const std::string& plik);
    // Takes a text as it came from a file. A UTF-8 text (a web page's list) is turned into
    // Windows-1250 first, so that every character takes one column; a byte-order mark is dropped.
    // Lines end at CR LF, LF or a lone CR.
    void UstawTekst(std::string tekst);

    std::size_t IleWierszy() const { return wiersze_.size(); }
    // Source line i (from 0) as read, in Windows-1250.
    std::string_view Wiersz(std::size_t i) const;

    // The first source line used (from 0); beyond the last line the last one is used.
    void UstawStart(std::size_t start) { start_ = start; }
    std::size_t Start() const { return start_; }
    std::size_t PierwszyWiersz() const;
    void UstawSzerokosc(int szerokosc);
    int Szerokosc() const { return szerokosc_; }
    void UstawSeparatory(const TSeparatory& separatory) { separatory_ = separatory; }
    const TSeparatory& Separatory() const { return separatory_; }
    // A run of separators ends one field only.
    void UstawJakoJeden(bool jakoJeden) { jakoJeden_ = jakoJeden; }
    bool JakoJeden() const { return jakoJeden_; }

    // The formatted lines: the source lines from the first line used on.
    std::size_t IleSformatowanych() const;
    std::string Sformatowany(std::size_t i) const;
    // One source line re-cut with the current settings.
    std::string Formatuj(std::string_view wiersz) const;

    // A marker at every multiple of the field width.
    TZnaczniki Znaczniki() const;

private:
    struct TWiersz {
        uint32_t Poczatek;
        uint32_t Dlugosc;
    };

    std::string tekst_;
    std::vector<TWiersz> wiersze_;
    std::size_t start_ = 0;
    int szerokosc_ = SzerokoscPolaLiczby;
    TSeparatory separatory_;
    bool jakoJeden_ = true;
};

} // namespace tarvomund
