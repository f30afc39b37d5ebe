#pragma once

#include <string>
#include <string_view>

namespace tarvomund {

// Texts live in memory as UTF-8; the files keep them in the Windows-1250 code page.
// Characters that code page lacks become '?'; the five unassigned bytes map to U+0081.. so
// that any byte string survives a round trip.
std::string Cp1250DoUtf8(std::string_view cp1250);
std::string Utf8DoCp1250(std::string_view utf8);
// True when the bytes are well-formed UTF-8 (plain ASCII is).
bool CzyUtf8(std::string_view tekst);

} // namespace tarvomund
