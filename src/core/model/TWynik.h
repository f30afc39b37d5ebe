#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace tarvomund {

// One entry of a statistics result list: the counted value, its label and a mark.
struct TWynik {
    TWynik(int32_t wartosc, std::string opis, uint8_t znacznik = 0)
        : Wartosc(wartosc), Opis(std::move(opis)), Znacznik(znacznik) {}

    int32_t Wartosc;
    std::string Opis;
    uint8_t Znacznik;
};

} // namespace tarvomund
