#pragma once

#include "model/TParametry.h"

#include <string>
#include <string_view>

namespace tarvomund {

// The stored settings as the command-line companion reads them, without the workbench: the same
// per-user INI file, sections and value names. Missing or out-of-range values read as defaults.
TParametry RozbierzUstawieniaIni(std::string_view tekst);
TParametry CzytajUstawieniaIni(const std::string& plik);
// $XDG_CONFIG_HOME/Quorbane.ini, or ~/.config/Quorbane.ini.
std::string DomyslnyPlikUstawienIni();

} // namespace tarvomund
