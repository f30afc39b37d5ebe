#pragma once

#include "model/TObGraLista.h"

#include <string>
#include <string_view>

namespace tarvomund {

// The draw list as text: the game's name, an empty line, then one line per draw such as
// "1. 12.05.2001 3,11,17,25,36,42". The text is UTF-8; the export file converts it.
std::string TekstLosowan(const TObGraLista& gra, std::string_view konieclinii);

} // namespace tarvomund
