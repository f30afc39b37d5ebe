#pragma once

#include <filesystem>

namespace tarvomund {

// Where the programs find their files.
//
// A program with its help file beside it runs from its build directory (or an unpacked copy): its
// games live in `Dane` beside it and the settings in the per-user store, as they always have.
// An installed program finds its shipped files (help, sample games, translations) in the shared
// data directory of its prefix and keeps the user's own data (`Dane`, the settings) in the user's
// data directory, because nobody may write beside an installed program.
struct TMiejscaProgramu {
    bool Zainstalowany = false;
    // The help file, the sample games and the translations: beside the program or <prefix>/share/tarvomund.
    std::filesystem::path KatalogWspolny;
    // The directory that holds `Dane` (and, installed, the settings file).
    std::filesystem::path KatalogUzytkownika;

    std::filesystem::path Dane() const { return KatalogUzytkownika / "Dane"; }
    std::filesystem::path PlikPomocy() const { return KatalogWspolny / "TARVOMUND.HLP"; }
    // The shipped sample games that seed an installed program's first `Dane`.
    std::filesystem::path PrzykladoweGry() const { return KatalogWspolny / "Dane"; }
    std::filesystem::path Tlumaczenia() const { return KatalogWspolny / "translations"; }
    // The installed program's settings file; empty when the per-user store's own place serves.
    std::filesystem::path PlikUstawien() const;
    // The games the command-line companion reads: the user's `Dane`, or, for an installed program
    // whose workbench never ran yet, the shipped sample games (it only reads them).
    std::filesystem::path DaneDoOdczytu() const;
};

// `katalogProgramu` is the executable's directory; `katalogDanychUzytkownika` the user's data
// directory of the program, used only when the program turns out to be installed.
TMiejscaProgramu UstalMiejsca(const std::filesystem::path& katalogProgramu,
                              const std::filesystem::path& katalogDanychUzytkownika);

// The user's data directory of the program without a windowing toolkit: $XDG_DATA_HOME/Tarvomund,
// or ~/.local/share/Tarvomund (the place the workbench's data location names).
std::filesystem::path KatalogDanychUzytkownika();

enum class TZasiew { BylyDane, Zasiane, Blad };

// First start of an installed program: when the user has no `Dane` yet, it is made from the shipped
// sample games. The copies go into a fresh directory that is renamed into place at the end, so an
// interrupted first start leaves no half-filled `Dane` that would never be seeded again. A `Dane`
// that exists, even an empty one, is the user's and is never touched.
TZasiew ZasiejDane(const TMiejscaProgramu& miejsca);

} // namespace tarvomund
