#include "stats/TfrmSzukBazaL.h"

namespace tarvomund {

TfrmSzukBazaL::TfrmSzukBazaL(QWidget* parent) : TfrmKryteria(KontekstPomocy, parent) {}

void TfrmSzukBazaL::Ustaw(const TObGraLista& gra, const TFiltrSzukBazaL& filtr)
{
    filtr_ = filtr;
    setWindowTitle(Tekst(TTekst::WyszukiwanieLiczbWLosowaniach) + QStringLiteral(" - ") +
                   QString::fromStdString(gra.Nazwa));
    // Runs, parity and intervals as in the draw base, then its digits and increment, then the sets
    // never drawn together.
    const std::vector<TStrona> wspolne = StronyWspolne(filtr_, bezSumy_[0], bezSumy_[1], TekstyWyszukaj());
    std::vector<TStrona> strony(wspolne.begin(), wspolne.begin() + 6);
    strony.insert(strony.end(), wspolne.begin() + 9, wspolne.end());
    strony.push_back({Tekst(TTekst::WyszukajLiczbyKtoreNigdyNieWyszly),
                      {{TRodzajPola::Ilosc, TTekst::IloscLiczb3, &filtr_.IleNigdy}}});
    Zbuduj(gra, std::move(strony), filtr_.Kryteria.data(), filtr_);
}

} // namespace tarvomund
