#pragma once

#include <cstdint>
#include <random>

namespace tarvomund {

// The program's one random source, seeded once at start-up (or by a test or the command line).
// Every computation takes its own engine seeded from it, so that workers of several windows
// never share an engine and a seeded run repeats exactly.
void UstawZiarno(uint64_t ziarno);
// Seeds the source from the system's entropy, as the program does at start-up.
void ZasiejLosowo();

class TLosowe {
public:
    // An engine seeded with the next value of the program's source.
    TLosowe();
    explicit TLosowe(uint64_t ziarno) : silnik_(ziarno) {}

    // Uniform integer in [od, do_] inclusive.
    int Zakres(int od, int do_);

private:
    std::mt19937_64 silnik_;
};

} // namespace tarvomund
