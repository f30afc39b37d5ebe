#include "Polecenia.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::error_code blad;
    fs::path program = fs::read_symlink("/proc/self/exe", blad);
    if (blad)
        program = fs::absolute(argv[0]);
    const std::string dane = (program.parent_path() / "Dane").string();
    const std::vector<std::string> argumenty(argv + 1, argv + argc);
    return tarvomund::cli::Uruchom(argumenty, dane, std::cout, std::cerr);
}
