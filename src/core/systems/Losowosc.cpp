#include "systems/Losowosc.h"

#include <mutex>

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
    std::lock_guard blokada(Zamek());
    silnik_.seed(Zrodlo()());
}

int TLosowe::Zakres(int od, int do_)
{
    return std::uniform_int_distribution<int>(od, do_)(silnik_);
}

} // namespace tarvomund
