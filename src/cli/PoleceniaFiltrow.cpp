#include "Argumenty.h"
#include "OpcjeKryteriow.h"

#include "systems/TGenFiltr.h"

namespace tarvomund::cli {

// A filter: the bets it does not remove, renumbered 1.. in ascending order.
int PolecenieFilter(TKontekst& k)
{
    const TArgumentyPolecenia a = RozbierzArgumenty(k, OpcjeKryteriow({"--filter"}), 1);
    const std::string plik = a.Wartosc("-o");
    const int numer = KryteriumZOpcji(a, "--filter", IleFiltrowBetow);
    const TSystemPolecenia s = SystemPolecenia(k, a.Pozycyjne[0]);
    if (s.Kod != KodSukces)
        return s.Kod;

    TFiltr filtr = TFiltr::DlaGry(*s.Gra);
    filtr.Kryteria = {};
    filtr.Kryteria[static_cast<std::size_t>(numer - 1)] = true;
    TOpcjeKryterium<TFiltr> o = OpcjeWspolne<TFiltr>(numer);
    if (numer == static_cast<int>(TRodzajFiltru::Wylosowane)) {
        o.Ile = &TFiltr::IlePowtorzonych;
        o.Daty = true;
    } else if (numer == static_cast<int>(TRodzajFiltru::Pozycje)) {
        o.Pozycje = true;
    }
    CzytajKryterium(a, o, Granice(*s.Gra, s.Info.Zakladow), filtr, Nazwa("filter", numer));
    return Przesiej<TGenFiltr>(k, s, a.Pozycyjne[0], filtr, plik);
}

} // namespace tarvomund::cli
