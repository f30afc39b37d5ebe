// The libFuzzer program (built by scripts/fuzz.sh with clang): the target is named by the environment
// variable TARVOMUND_CEL_FUZZ.
#include "CeleFuzz.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const tarvomund::fuzz::TCelFuzz* Cel = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* nazwa = std::getenv("TARVOMUND_CEL_FUZZ");
    Cel = nazwa ? tarvomund::fuzz::ZnajdzCel(nazwa) : nullptr;
    if (!Cel) {
        std::fprintf(stderr, "TARVOMUND_CEL_FUZZ names no target; the targets are:");
        for (const auto& cel : tarvomund::fuzz::CeleFuzz())
            std::fprintf(stderr, " %s", cel.Nazwa);
        std::fprintf(stderr, "\n");
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar)
{
    try {
        Cel->Wykonaj({reinterpret_cast<const char*>(dane), rozmiar});
    } catch (const tarvomund::fuzz::TNaruszenie& naruszenie) {
        std::fprintf(stderr, "%s\n", naruszenie.what());
        std::abort();
    }
    // Any other exception escapes and ends the run as a crash: no reader may throw.
    return 0;
}
