#include "systems/TfrmFiltr.h"

#include "stats/TfrmSzukSys.h"

namespace tarvomund {

namespace {

// The filters are named as the "&Filtry" menu names them.
std::array<TTekst, 12> TekstyFiltrow()
{
    std::array<TTekst, 12> teksty{};
    for (int i = 0; i < 12; ++i)
        teksty[static_cast<std::size_t>(i)] = WRunie(TTekst::MenuUsunJezeliWystepujaKolejneLiczby, i);
    return teksty;
}

} // namespace

TfrmFiltr::TfrmFiltr(QWidget* parent) : TfrmKryteria(KontekstPomocy, parent) {}

void TfrmFiltr::Ustaw(const TObGraLista& gra, const TFiltr& filtr, const TInfoGryRec& system)
{
    filtr_ = filtr;
    setWindowTitle(TytulDlaSystemu(TTekst::Filtruj, system));
    std::vector<TStrona> strony = StronyWspolne(filtr_, filtr_.SumaOd, filtr_.SumaDo, TekstyFiltrow());
    for (TStrona& strona : strony)
        strona.ZakresDat = false;
    strony.push_back({Tekst(TTekst::MenuUsunJezeliBylyJuzWylosowane),
                      {{TRodzajPola::Ilosc, TTekst::IloscLiczb3, &filtr_.IlePowtorzonych}}, false});
    strony.push_back({Tekst(TTekst::MenuUsunOdPozycjiDoPozycji),
                      {{TRodzajPola::Pozycje, TTekst::PozycjeZakladow, &filtr_.PozycjaOd, &filtr_.PozycjaDo}},
                      false, false});
    Zbuduj(gra, std::move(strony), filtr_.Kryteria.data(), filtr_, system.Zakladow);
}

} // namespace tarvomund
