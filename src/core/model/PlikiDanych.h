#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> CzytajCalyPlik(const std::string& plik);

// The regular files of a directory whose extension (with its dot) equals `rozszerzenie` in any
// letter case, ordered by file name byte-wise, so every list shows them the same way on every
// platform. A directory that cannot be read gives an empty list.
std::vector<std::filesystem::path> PlikiZRozszerzeniem(const std::string& katalog, std::string_view rozszerzenie);

} // namespace tarvomund
