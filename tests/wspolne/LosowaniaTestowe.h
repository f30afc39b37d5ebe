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
// A number game of k out of N with `ile` pseudo-random draws (fixed by `ziarno`), one every other
// day from 01.01.2000 on, so that every weekday, day of month and month occurs. The numbers of a
// draw are distinct; `rosnaco` stores them ascending, otherwise in the order drawn.
TObGraLista GraLosowa(int n, int k, int ile, unsigned ziarno, bool rosnaco = true);

} // namespace tarvomund::testy
