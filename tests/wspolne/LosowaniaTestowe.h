#pragma once

#include "model/Daty.h"
#include "model/TObGraLista.h"

#include <string>
#include <vector>

// Games and draws for the tests of the draw history.
namespace tarvomund::testy {

// A draw of the date with the numbers in the order given, the rest 0.
TObLos Los(TDataKal data, const std::vector<int>& liczby);
// A 6-of-49 number game without draws, its file at `plik`.
TObGraLista Gra649(const std::string& plik = {});

} // namespace tarvomund::testy
