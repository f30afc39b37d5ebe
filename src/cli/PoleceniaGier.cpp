#include "Argumenty.h"

#include "draws/EksportLosowan.h"

#include <ostream>

namespace tarvomund::cli {

int PolecenieGames(TKontekst& k)
{
    WymagajArgumentow(k, 0);
    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    for (std::size_t i = 0; i < katalog->Ile(); ++i) {
        const TObGraLista& gra = katalog->Gra(i);
        k.Wyjscie << i << '\t' << gra.Id << '\t' << gra.KodGry << '\t' << gra.Nazwa << '\t' << gra.IleLiczb << '\t'
                  << gra.IleLosowanych << '\t' << gra.Losowania.size() << '\n';
    }
    return KodSukces;
}

int PolecenieDraws(TKontekst& k)
{
    WymagajArgumentow(k, 1);
    TGraPolecenia wybrana = GraPolecenia(k, k.Argumenty[0]);
    if (wybrana.Kod != KodSukces)
        return wybrana.Kod;
    k.Wyjscie << TekstLosowan(wybrana.Gra(), "\n");
    return KodSukces;
}

} // namespace tarvomund::cli
