#pragma once

#include <cstdint>
#include <string>

namespace tarvomund {

// Generation methods: the index in the parameters dialog's list and the code stored with a system.
enum class TMetoda : int32_t {
    Pelna = 0,
    SkroconaRownomierna = 1,
    SkroconaPrzypadkowa = 2,
    LancuchowaI = 3,
    LancuchowaII = 4,
    Gwarancyjna = 5,
};
inline constexpr int IleMetod = 6;

// "Metoda pełna" ... "Metoda gwarancyjna"; empty for 100 (a sum or difference) and unknown codes.
std::string NazwaMetody(int32_t metoda);

} // namespace tarvomund
