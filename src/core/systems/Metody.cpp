#include "systems/Metody.h"

#include <array>

namespace tarvomund {

std::string NazwaMetody(int32_t metoda)
{
    static constexpr std::array<const char*, IleMetod> nazwy{
        "Metoda pełna",
        "Metoda skrócona równomierna",
        "Metoda skrócona przypadkowa",
        "Metoda łańcuchowa I stopnia",
        "Metoda łańcuchowa II stopnia",
        "Metoda gwarancyjna",
    };
    if (metoda < 0 || metoda >= IleMetod)
        return {};
    return nazwy[static_cast<std::size_t>(metoda)];
}

} // namespace tarvomund
