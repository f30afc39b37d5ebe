#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// The table of the best coverings known (shipped beside the games, with its attribution): for a
// covering of every t-subset of v numbers by bets of k, the fewest bets anyone has found and the
// best lower bound proved.
inline constexpr const char* NazwaPlikuRekordow = "covering-records.csv";

struct TRekordPokrycia {
    int64_t Najlepszy = 0;
    int64_t Dolne = 0;
};

class TRekordyPokryc {
public:
    // The table in its text form: a heading line, then "v,k,t,best_known,lower_bound" lines.
    // Lines that do not read as five whole numbers are skipped.
    static TRekordyPokryc ZTekstu(std::string_view tekst);
    // Empty when the file is missing, unreadable or larger than a table can be.
    static TRekordyPokryc Wczytaj(const std::string& plik);

    std::optional<TRekordPokrycia> Znajdz(int v, int k, int t) const;
    std::size_t Ile() const { return wpisy_.size(); }

private:
    struct TWpis {
        uint32_t Klucz;
        TRekordPokrycia Rekord;
    };
    static uint32_t Klucz(int v, int k, int t);
    std::vector<TWpis> wpisy_; // sorted by key
};

} // namespace tarvomund
