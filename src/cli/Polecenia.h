#pragma once

#include "model/KatalogGier.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund::cli {

// Exit codes: usage errors and unreadable data are told apart for scripts.
inline constexpr int KodSukces = 0;
inline constexpr int KodBladDanych = 1;
inline constexpr int KodBladUzycia = 2;

// Options every command shares, parsed once before the command runs.
struct TOpcjeWspolne {
    std::string KatalogDane;
    // The stored settings the guarantee follows; empty: the per-user INI file (DomyslnyPlikUstawienIni).
    std::string PlikUstawien;
    // Dane beside the program, whatever --dane says: where the shipped tables are.
    std::string DomyslnyKatalogDane;
};

struct TKontekst {
    TOpcjeWspolne Opcje;
    std::vector<std::string> Argumenty; // after the command name
    std::ostream& Wyjscie;
    std::ostream& Bledy;
};

struct TPolecenie {
    const char* Nazwa;
    const char* Skladnia;
    const char* Opis;
    std::function<int(TKontekst&)> Wykonaj;
};

const std::vector<TPolecenie>& Polecenia();

// Runs the companion with its arguments (without the program name).
int Uruchom(const std::vector<std::string>& argumenty, const std::string& domyslnyKatalogDane,
            std::ostream& wyjscie, std::ostream& bledy);
// The same with every shared option's default given (an installed companion keeps its settings elsewhere).
int Uruchom(const std::vector<std::string>& argumenty, const TOpcjeWspolne& domyslne, std::ostream& wyjscie,
            std::ostream& bledy);

// A game named by its catalogue index or its exact name.
std::optional<std::size_t> ZnajdzGre(const TKatalogGier& katalog, const std::string& gra);

} // namespace tarvomund::cli
