#include "Polecenia.h"

#include "model/MiejscaProgramu.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <new>

namespace {

// Only the two lock-free atomics are touched here, which is all a signal handler may do.
extern "C" void Przerwij(int sygnal)
{
    tarvomund::cli::SygnalPrzerwania.store(sygnal);
    tarvomund::cli::FlagaPrzerwania.store(true);
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    // A stopped run must not leave its half-written temporary file behind: the signal only raises
    // the stop flag, the command cleans up and ends.
    for (int sygnal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(sygnal, Przerwij);
    try {
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
    } catch (const std::bad_alloc&) {
        std::cerr << "tarvomund-cli: out of memory\n";
        return tarvomund::cli::KodBladDanych;
    }
}
