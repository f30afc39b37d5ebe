#include "PomiarPamieci.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<int64_t> PamiecTeraz{0};
std::atomic<int64_t> PamiecSzczyt{0};

void Przydzielono(int64_t bajtow)
{
    const int64_t teraz = PamiecTeraz.fetch_add(bajtow, std::memory_order_relaxed) + bajtow;
    int64_t szczyt = PamiecSzczyt.load(std::memory_order_relaxed);
    while (teraz > szczyt && !PamiecSzczyt.compare_exchange_weak(szczyt, teraz, std::memory_order_relaxed)) {
    }
}

} // namespace

void* operator new(std::size_t ile)
{
    void* blok = std::malloc(ile == 0 ? 1 : ile);
    if (!blok)
        throw std::bad_alloc();
    Przydzielono(static_cast<int64_t>(malloc_usable_size(blok)));
    return blok;
}

// Every block comes from malloc above, so free is the right release; the compiler cannot see that
// through the replaced operators.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* blok) noexcept
{
    if (!blok)
        return;
    PamiecTeraz.fetch_sub(static_cast<int64_t>(malloc_usable_size(blok)), std::memory_order_relaxed);
    std::free(blok);
}

void operator delete(void* blok, std::size_t) noexcept
{
    operator delete(blok);
}

namespace tarvomund::bench {

TPomiarPamieci::TPomiarPamieci() : poczatek_(PamiecTeraz.load())
{
    PamiecSzczyt.store(poczatek_);
}

int64_t TPomiarPamieci::Szczyt() const
{
    return PamiecSzczyt.load() - poczatek_;
}

} // namespace tarvomund::bench
