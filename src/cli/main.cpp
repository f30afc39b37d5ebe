#include "Polecenia.h"

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
        const std::string dane = (program.parent_path() / "Dane").string();
        const std::vector<std::string> argumenty(argv + 1, argv + argc);
        return tarvomund::cli::Uruchom(argumenty, dane, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "tarvomund-cli: out of memory\n";
        return tarvomund::cli::KodBladDanych;
    }
}
