#include "Polecenia.h"

#include "model/MiejscaProgramu.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::error_code blad;
    fs::path program = fs::read_symlink("/proc/self/exe", blad);
    if (blad)
        program = fs::absolute(argv[0]);
    // Run from the build directory the games are the Dane beside the program; installed they are the
    // workbench's, in the user's data directory, with the workbench's settings file beside them.
    const tarvomund::TMiejscaProgramu miejsca =
        tarvomund::UstalMiejsca(program.parent_path(), tarvomund::KatalogDanychUzytkownika());
    // The shipped tables (the best coverings known) stand with the sample games.
    const tarvomund::cli::TOpcjeWspolne domyslne{miejsca.DaneDoOdczytu().string(), miejsca.PlikUstawien().string(),
                                                 miejsca.PrzykladoweGry().string()};
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    return tarvomund::cli::Uruchom(argumenty, domyslne, std::cout, std::cerr);
}
