#pragma once

#include "Polecenia.h"

#include <sstream>
#include <string>
#include <vector>

namespace tarvomund::cli {

// What a command run in-process said and returned.
struct TWynikPolecenia {
    int Kod;
    std::string Wyjscie;
    std::string Bledy;
};

// Runs the companion with `katalogDane` as its default data directory.
inline TWynikPolecenia UruchomPolecenie(const std::vector<std::string>& argumenty, const std::string& katalogDane)
{
    std::ostringstream wyjscie;
    std::ostringstream bledy;
    const int kod = Uruchom(argumenty, katalogDane, wyjscie, bledy);
    return {kod, wyjscie.str(), bledy.str()};
}

} // namespace tarvomund::cli
