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
        k.Wyjscie << i << '\t' << gra.Id << '\t' << gra.KodGry << '\t' << JednaLinia(gra.Nazwa) << '\t' << gra.IleLiczb << '\t'
                  << gra.IleLosowanych << '\t' << gra.Losowania.size() << '\n';
    }
    return KodSukces;
}

int PolecenieDraws(TKontekst& k)
{
    WymagajArgumentow(k, 1);
    const auto katalog = Katalog(k);
    if (!katalog)
        return KodBladDanych;
    const auto indeks = ZnajdzGre(*katalog, k.Argumenty[0]);
    if (!indeks) {
        k.Bledy << "tarvomund-cli: no game " << k.Argumenty[0] << " in " << k.Opcje.KatalogDane << "\n";
        return KodBladUzycia;
    }
    TObGraLista gra = katalog->Gra(*indeks);
    gra.Nazwa = JednaLinia(gra.Nazwa);
    k.Wyjscie << TekstLosowan(gra, "\n");
    return KodSukces;
}

} // namespace tarvomund::cli
