#include "systems/TRaportPostepu.h"

#include <cstdio>

namespace tarvomund {

TRaportPostepu::TRaportPostepu(TPokazPostep pokaz, const char* format) : pokaz_(std::move(pokaz)), format_(format)
{
    NowaFaza(100);
}

void TRaportPostepu::NowaFaza(int interwalMs)
{
    interwal_ = std::chrono::milliseconds(interwalMs);
    ostatni_ = TZegar::now() - std::chrono::seconds(1);
}

double TRaportPostepu::Procent(int64_t i, int64_t wszystkich)
{
    const int64_t mianownik = wszystkich - 1;
    return mianownik == 0 ? 0.0 : static_cast<double>(i - 1) * 100.0 / static_cast<double>(mianownik);
}

std::string TRaportPostepu::Tekst(double procent) const
{
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, format_, procent);
    return bufor;
}

void TRaportPostepu::Zglos(int64_t i, int64_t wszystkich)
{
    if (pokaz_)
        ZglosProcent(Procent(i, wszystkich));
}

void TRaportPostepu::ZglosProcent(double procent)
{
    if (!pokaz_)
        return;
    const auto teraz = TZegar::now();
    if (teraz - ostatni_ <= interwal_)
        return;
    pokaz_(Tekst(procent));
    ostatni_ = teraz;
}

} // namespace tarvomund
