#pragma once

#include <cstdint>
#include <string>

namespace tarvomund {

// Each system window and group keeps its bets in Dane/<window number>.$$$ while the program runs.
inline constexpr const char* RozszerzeniePlikuTymczasowego = ".$$$";

std::string PlikTymczasowy(const std::string& katalogDane, int32_t numerOkna);
// Removes every Dane/*.$$$ file; returns how many went. A missing directory removes nothing.
int UsunPlikiTymczasowe(const std::string& katalogDane);

} // namespace tarvomund
