#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// Group file: a 1555-byte header (the count of games, a reserved byte and 50 participant names),
// then one 1309-byte entry per game with its date, game name, cost, winnings and 50 participant
// records. Amounts and shares are 10-byte x87 extended values.
inline constexpr std::size_t DlugoscNaglowkaGrupy = 1555;
inline constexpr std::size_t DlugoscGryGrupy = 1309;
inline constexpr std::size_t DlugoscUczestnikaGry = 25;
inline constexpr std::size_t DlugoscNazwiska = 30;
inline constexpr std::size_t DlugoscNazwyGryGrupy = 30;
inline constexpr int MaxUczestnikow = 50;
inline constexpr const char* RozszerzenieGrupy = "gr2";

// An extended value as the file holds it. The ten bytes are kept as read, so a value nobody
// changed goes back into the file bit for bit even where a double could not hold all of it;
// figures are computed from the nearest double.
class TWartoscExt {
public:
    TWartoscExt() = default;
    static TWartoscExt Z(double wartosc);
    static TWartoscExt ZBajtow(const std::array<uint8_t, 10>& bajty);

    double Wartosc() const;
    const std::array<uint8_t, 10>& Bajty() const { return bajty_; }
    bool operator==(const TWartoscExt&) const = default;

private:
    std::array<uint8_t, 10> bajty_{};
};

// The header: the count of games and the names of the participants by place 1..50 (index 0..49).
// An empty name marks a free place.
struct TNaglowekGrupy {
    int32_t IleGier = 0;
    std::array<std::string, MaxUczestnikow> Nazwiska;

    // Index of the lowest free place; nothing when all 50 are taken.
    std::optional<int> PierwszeWolneMiejsce() const;
    // Indexes of the places with a name, in place order.
    std::vector<int> ZajeteMiejsca() const;
    // Puts the name, cut to the field, into the lowest free place and returns that place;
    // nothing when all places are taken.
    std::optional<int> DodajUczestnika(std::string_view nazwisko);
    // Renames the participant at a place; the name is cut to the field.
    void ZmienNazwisko(int miejsce, std::string_view nazwisko);
};

// The first `znakow` characters of a UTF-8 text.
std::string UtnijTekst(std::string_view utf8, std::size_t znakow);

// One participant's record within a game: whether they play it and their share in percent.
// A share of somebody who does not play is kept but counts for nothing.
struct TUczestnikGry {
    bool Gra = false;
    TWartoscExt Udzial;
};

// One game the group played.
struct TGraGrupy {
    double Data = 0.0; // day count since 30.12.1899
    std::string NazwaGry;
    TWartoscExt Koszt;
    TWartoscExt Wygrana;
    std::array<TUczestnikGry, MaxUczestnikow> Uczestnicy{};
};

struct TGrupa {
    TNaglowekGrupy Naglowek;
    std::vector<TGraGrupy> Gry;
};

enum class TBladGrupy {
    Brak,
    NieOtwarty,   // the file cannot be opened
    ZaKrotki,     // shorter than its header or than the games its count announces
    ZlaLiczbaGier, // a negative count of games
    ZlyTekst,     // a name whose length byte exceeds its field
    ZlaWartosc,   // an amount, share or date that is no finite number of a real calendar day
    ZlyNumerGry,  // an operation on a game the file does not hold
    BladZapisu,
};

// The bytes of a header, of one game entry and of a whole group (its count from Gry).
std::string ZbudujNaglowekGrupy(const TNaglowekGrupy& naglowek);
std::string ZbudujGreGrupy(const TGraGrupy& gra);
std::string ZbudujGrupe(const TGrupa& grupa);

// Parses a group; bytes past the last game announced are ignored.
std::optional<TGrupa> RozbierzGrupe(std::string_view dane, TBladGrupy* blad = nullptr);
// Reads only as much of the file as its count announces, after checking it against the size.
std::optional<TGrupa> CzytajGrupe(const std::string& plik, TBladGrupy* blad = nullptr);
// Replaces the file through a temporary file beside it.
bool ZapiszGrupe(const std::string& plik, const TGrupa& grupa);

// The changes of a group. Each reads the file as it is now, changes it and replaces it at once,
// so the file is always either the old group or the new one, never a half-written entry.
// Game numbers are indexes 0..IleGier-1.
TBladGrupy UtworzGrupe(const std::string& plik);
// Appends a game with nobody taking part.
TBladGrupy DodajGre(const std::string& plik, double data, const std::string& nazwaGry, TWartoscExt koszt,
                    TWartoscExt wygrana);
// Changes the date, name and amounts of a game; its participant records stay as they are.
TBladGrupy PoprawGre(const std::string& plik, std::size_t numer, double data, const std::string& nazwaGry,
                     TWartoscExt koszt, TWartoscExt wygrana);
// The last game takes the place of the deleted one; the file becomes one entry shorter.
TBladGrupy UsunGre(const std::string& plik, std::size_t numer);
// Writes the participant names and one game with its participant records.
TBladGrupy ZapiszUczestnikow(const std::string& plik, const TNaglowekGrupy& naglowek, std::size_t numer,
                             const TGraGrupy& gra);

} // namespace tarvomund
