#include "app/TekstyUI.h"

#include <array>
#include <cassert>

namespace tarvomund {

namespace {

struct TWpisTekstu {
    const char* Tekst;
    const char* Skrot;
};

constexpr std::array<TWpisTekstu, IleTekstowUI> Tabela{{
#define TEKST_UI(nazwa, tekst, skrot) {tekst, skrot},
#include "app/TekstyUI_tabela.inc"
#undef TEKST_UI
}};

const TWpisTekstu& Wpis(TTekst tekst)
{
    const auto indeks = static_cast<std::size_t>(tekst);
    assert(indeks < Tabela.size());
    return Tabela[indeks];
}

} // namespace

QString Tekst(TTekst tekst)
{
    return QString::fromUtf8(Wpis(tekst).Tekst);
}

QString Skrot(TTekst tekst)
{
    return QString::fromUtf8(Wpis(tekst).Skrot);
}

TTekst WRunie(TTekst pierwszy, int przesuniecie)
{
    const int indeks = static_cast<int>(pierwszy) + przesuniecie;
    assert(indeks >= 0 && indeks < IleTekstowUI);
    return static_cast<TTekst>(indeks);
}

} // namespace tarvomund
