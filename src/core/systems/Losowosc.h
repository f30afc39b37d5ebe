#pragma once

#include <cstdint>

namespace tarvomund {

// The program's one random source, seeded once at start-up (or by a test or the command line).
// Every computation takes its own engine seeded from it, so that workers of several windows
// never share an engine and a seeded run repeats exactly.
void UstawZiarno(uint64_t ziarno);
// Seeds the source from the system's entropy, as the program does at start-up.
void ZasiejLosowo();

// A small, fast engine (xoshiro256**) for the draws of one computation; bets are drawn by the
// million, so the engine and the bounded draw are kept inline.
class TLosowe {
public:
    // An engine seeded with the next value of the program's source.
    TLosowe();
    explicit TLosowe(uint64_t ziarno) { Zasiej(ziarno); }

    // Uniform integer in [od, do_] inclusive.
    int Zakres(int od, int do_)
    {
        // Multiply-and-shift with rejection of the biased low part: exactly uniform, and almost
        // always one multiplication instead of a division per draw.
        const auto zakres = static_cast<uint64_t>(static_cast<int64_t>(do_) - od) + 1;
        uint64_t iloczyn = static_cast<uint64_t>(Slowo32()) * zakres;
        auto reszta = static_cast<uint32_t>(iloczyn);
        if (reszta < zakres) {
            const auto prog = static_cast<uint32_t>((uint64_t{1} << 32) % zakres);
            while (reszta < prog) {
                iloczyn = static_cast<uint64_t>(Slowo32()) * zakres;
                reszta = static_cast<uint32_t>(iloczyn);
            }
        }
        return od + static_cast<int>(iloczyn >> 32);
    }

    uint64_t Slowo64()
    {
        const uint64_t wynik = Obroc(stan_[1] * 5, 7) * 9;
        const uint64_t t = stan_[1] << 17;
        stan_[2] ^= stan_[0];
        stan_[3] ^= stan_[1];
        stan_[1] ^= stan_[2];
        stan_[0] ^= stan_[3];
        stan_[2] ^= t;
        stan_[3] = Obroc(stan_[3], 45);
        return wynik;
    }

private:
    static uint64_t Obroc(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    void Zasiej(uint64_t ziarno);
    uint32_t Slowo32()
    {
        // Each 64-bit output serves two 32-bit draws.
        if (maZapas_) {
            maZapas_ = false;
            return static_cast<uint32_t>(zapas_ >> 32);
        }
        zapas_ = Slowo64();
        maZapas_ = true;
        return static_cast<uint32_t>(zapas_);
    }

    uint64_t stan_[4] = {};
    uint64_t zapas_ = 0;
    bool maZapas_ = false;
};

} // namespace tarvomund
