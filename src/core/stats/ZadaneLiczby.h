#pragma once

#include "model/TObGraLista.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvomund {

// The search of given numbers: the draws of a game (all dates, list order) that hold every
// searched number, as the window's table and its printout show them.
struct TWierszZadanych {
    int32_t Numer = 0; // running number from 1
    double Data = 0.0;
    int32_t Suma = 0;
    std::vector<uint8_t> Liczby; // the draw's numbers in stored order
};

std::vector<TWierszZadanych> SzukajZadanych(const std::vector<TObLos>& losowania, int ileLosowanych,
                                            const std::vector<int>& szukane);

// The table's cells: the heading "L.p.", "Data", "Suma" and the searched numbers joined by ",";
// a row: its number, the short day name, " - " and the date, the sum, the numbers joined by ",".
std::array<std::string, 4> NaglowekZadanych(const std::vector<int>& szukane);
std::array<std::string, 4> KomorkiZadanych(const TWierszZadanych& wiersz);
// "7,12,40"
std::string ListaLiczb(const std::vector<int>& liczby);

// The printed lines: "[>> " S " <<]", then per row the number right-aligned in 7 characters, the
// day and date in 25, the sum in 14, three spaces and the numbers.
std::vector<std::string> WydrukZadanych(const std::vector<int>& szukane, const std::vector<TWierszZadanych>& wiersze);

} // namespace tarvomund
