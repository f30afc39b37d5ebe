#include "stats/TFiltry.h"

namespace tarvomund {

void TKryteriaWspolne::UstawDlaGry(const TObGraLista& gra)
{
    if (!gra.Losowania.empty()) {
        OdDaty = gra.Losowania.front().Data;
        DoDaty = gra.Losowania.back().Data;
    }
    ZakresOd = 0;
    ZakresDo = gra.IleLiczb - 1;
}

namespace {

// Criterion 1 chosen, every choice 0 and no digit: what a default-constructed record holds.
template <typename T> T NowyDlaGry(const TObGraLista& gra)
{
    T rekord;
    rekord.UstawDlaGry(gra);
    rekord.Kryteria[0] = true;
    return rekord;
}

} // namespace

TFiltr TFiltr::DlaGry(const TObGraLista& gra)
{
    return NowyDlaGry<TFiltr>(gra);
}

TFiltrSzukBaza TFiltrSzukBaza::DlaGry(const TObGraLista& gra)
{
    return NowyDlaGry<TFiltrSzukBaza>(gra);
}

TFiltrSzukBazaL TFiltrSzukBazaL::DlaGry(const TObGraLista& gra)
{
    return NowyDlaGry<TFiltrSzukBazaL>(gra);
}

TFiltrSzukSys TFiltrSzukSys::DlaGry(const TObGraLista& gra)
{
    return NowyDlaGry<TFiltrSzukSys>(gra);
}

} // namespace tarvomund
