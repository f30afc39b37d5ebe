#pragma once

#include "model/TObGraLista.h"

#include <string>
#include <string_view>

namespace tarvomund {

// The draw list as text: the game's name, an empty line, then one line per draw such as
// "1. 12.05.2001 3,11,17,25,36,42". The text is UTF-8; the export file converts it.
std::string TekstLosowan(const TObGraLista& gra, std::string_view konieclinii);

// The export file: the same lines in Windows-1250, each ended by CR LF. It replaces `plik` through a
// temporary file beside it, so a failed write keeps the old file; false when anything failed.
bool ZapiszEksportLosowan(const TObGraLista& gra, const std::string& plik);

} // namespace tarvomund
