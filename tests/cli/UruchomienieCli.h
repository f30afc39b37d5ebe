#pragma once

#include "Polecenia.h"

#include <sstream>
#include <string>
#include <vector>

// Runs the companion in-process and keeps what it said, for the command tests.
namespace tarvomund::testy {

struct TWynikPolecenia {
    int Kod;
    std::string Wyjscie;
    std::string Bledy;
};

inline TWynikPolecenia UruchomCli(const std::vector<std::string>& argumenty, const std::string& katalogDane)
{
    std::ostringstream wyjscie;
    std::ostringstream bledy;
    const int kod = cli::Uruchom(argumenty, katalogDane, wyjscie, bledy);
    return {kod, wyjscie.str(), bledy.str()};
}

// The lines of a text, without their line breaks.
inline std::vector<std::string> Linie(const std::string& tekst)
{
    std::vector<std::string> linie;
    std::istringstream we(tekst);
    for (std::string linia; std::getline(we, linia);)
        linie.push_back(linia);
    return linie;
}

} // namespace tarvomund::testy
