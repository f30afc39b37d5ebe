#include "systems/Losowosc.h"

#include <mutex>
#include <random>

namespace tarvomund {

namespace {

std::mutex& Zamek()
{
    static std::mutex zamek;
    return zamek;
}

std::mt19937_64& Zrodlo()
{
    static std::mt19937_64 zrodlo(std::random_device{}());
    return zrodlo;
}

} // namespace

void UstawZiarno(uint64_t ziarno)
{
    std::lock_guard blokada(Zamek());
    Zrodlo().seed(ziarno);
}

void ZasiejLosowo()
{
    UstawZiarno((static_cast<uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}());
}

TLosowe::TLosowe()
{
    uint64_t ziarno = 0;
    {
        std::lock_guard blokada(Zamek());
        ziarno = Zrodlo()();
    }
    Zasiej(ziarno);
}

void TLosowe::Zasiej(uint64_t ziarno)
{
    // splitmix64 spreads one seed over the four state words (never all zero).
    for (uint64_t& slowo : stan_) {
        ziarno += 0x9E3779B97F4A7C15ULL;
        uint64_t z = ziarno;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        slowo = z ^ (z >> 31);
    }
}

} // namespace tarvomund
