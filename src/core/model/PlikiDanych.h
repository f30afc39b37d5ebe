#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// A data file larger than this is no file the workbench wrote.
inline constexpr uint64_t MaxRozmiarPlikuDanych = uint64_t{64} << 20;

// The whole content of a regular file of at most `maxRozmiar` bytes, or nothing when it cannot be
// opened or read, is no regular file (a FIFO is never waited on) or is larger.
std::optional<std::string> CzytajCalyPlik(const std::string& plik, uint64_t maxRozmiar = MaxRozmiarPlikuDanych);

// Every entry of a directory whose extension (with its dot) equals `rozszerzenie` in any letter case,
// whatever it is (a reader refuses what is no regular file, and can say so), ordered by file name
// byte-wise. `nieczytelny`, when given, tells whether the directory could not be read (to its end).
std::vector<std::filesystem::path> WpisyZRozszerzeniem(const std::string& katalog, std::string_view rozszerzenie,
                                                       bool* nieczytelny = nullptr);

// The regular files of a directory whose extension (with its dot) equals `rozszerzenie` in any
// letter case, ordered by file name byte-wise, so every list shows them the same way on every
// platform. A directory that cannot be read gives an empty list.
std::vector<std::filesystem::path> PlikiZRozszerzeniem(const std::string& katalog, std::string_view rozszerzenie);

} // namespace tarvomund
