#pragma once

#include "model/TParametry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvomund {

// The stored settings as the command-line companion reads them, without the workbench: the same
// per-user INI file, sections and value names. Missing or out-of-range values read as defaults.
// A settings file holds seven short values: anything larger is not one and reads as the defaults,
// like a directory, a FIFO or a device under its name.
inline constexpr uint64_t MaxRozmiarUstawien = 1 << 20;

TParametry RozbierzUstawieniaIni(std::string_view tekst);
TParametry CzytajUstawieniaIni(const std::string& plik);
// $XDG_CONFIG_HOME/Quorbane.ini, or ~/.config/Quorbane.ini.
std::string DomyslnyPlikUstawienIni();

} // namespace tarvomund
