#pragma once

#include "model/KatalogGier.h"
#include "model/TObGraLista.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// Ranges of the game definition's fields.
struct TZakresPola {
    int32_t Od;
    int32_t Do;
};
inline constexpr TZakresPola ZakresSkreslen{1, 25};
inline constexpr TZakresPola ZakresLiczbWGrze{1, 150};
inline constexpr TZakresPola ZakresLosowanych{1, 25};
inline constexpr TZakresPola ZakresDodatkowych{0, 5};
inline constexpr TZakresPola ZakresBlankietu{1, 40};

// A number game with the defaults of the game definition dialog: 6 (6..12) per bet, 6 of 49,
// no additional numbers, 9 × 6 fields on the slip, numbers running across. No name, no identity.
TObGraLista DomyslnaGra();

// Puts the fields the game definition owns (the name, the counts per bet and of numbers, the slip
// grid and the direction) from `definicja` into `gra`; identity, file, pool flag and draws stay.
void UstawDefinicje(TObGraLista& gra, const TObGraLista& definicja);

// What a game definition must not be, whatever its fields' ranges allow.
enum class TBladParametrowGry {
    Brak,
    MinPowyzejMax,          // fewest numbers per bet above the most
    LosowanychPowyzejLiczb, // more numbers drawn than a number game has
    LiczbaZHistorii,        // a number of the game's draws lies above the game's count of numbers
};
// Checks a definition; `najwiekszaLiczba` is the highest number of the draws of the game being
// corrected (0 for a new game).
TBladParametrowGry SprawdzParametryGry(const TObGraLista& gra, int32_t najwiekszaLiczba = 0);
// The highest of the first `ileLosowanych` numbers of every draw; 0 without draws.
int32_t NajwiekszaLiczba(const std::vector<TObLos>& losowania, int32_t ileLosowanych);

// The identity of a new number game: the lowest Id of 1..1000 no catalogue game has, and the
// lowest positive game code that no catalogue game and no slip of the data directory carries,
// the pool code 1001 excluded. So a new game starts with no slips but those the user ties to it.
// None when every Id is taken.
struct TTozsamoscGry {
    int32_t Id = 0;
    int32_t KodGry = 0;
};
std::optional<TTozsamoscGry> TozsamoscNowejGry(const TKatalogGier& katalog, const std::string& katalogDane);

// The path of a new game's file in the data directory: the name in lower case with Polish letters
// plain, every run of other characters a single '-' ("Lotto 7 z 35" gives "lotto-7-z-35.pl2"),
// "gra" for a name without letters or digits, and "-2", "-3" ... before the extension when the
// file exists or a catalogue game has that file.
std::string PlikNowejGry(const std::string& nazwa, const TKatalogGier& katalog, const std::string& katalogDane);

// Writes a new game file without draws for the definition and returns the game as the catalogue
// keeps it (its identity, file and pool flag 0 filled in); none when it cannot be written.
std::optional<TObGraLista> UtworzNowaGre(const TObGraLista& definicja, const TTozsamoscGry& tozsamosc,
                                         const TKatalogGier& katalog, const std::string& katalogDane);

} // namespace tarvomund
