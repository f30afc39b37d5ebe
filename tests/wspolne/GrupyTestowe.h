#pragma once

#include "group/PlikGrupy.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace tarvomund::testy {

// A game of a group: date, name, cost and winnings, and the places (0..49) that play it with their
// shares in percent.
TGraGrupy GraGrupy(double data, const std::string& nazwa, double koszt, double wygrana,
                   std::initializer_list<std::pair<int, double>> udzialy = {});

// A group with the given participant names in places 0, 1, ... and the given games.
TGrupa Grupa(std::initializer_list<std::string> nazwiska, std::initializer_list<TGraGrupy> gry = {});

} // namespace tarvomund::testy
