#include "stats/TfrmSzukBaza.h"

namespace tarvomund {

TfrmSzukBaza::TfrmSzukBaza(QWidget* parent) : TfrmKryteria(KontekstPomocy, parent) {}

void TfrmSzukBaza::Ustaw(const TObGraLista& gra, const TFiltrSzukBaza& filtr)
{
    filtr_ = filtr;
    setWindowTitle(Tekst(TTekst::WyszukiwanieLosowan) + QStringLiteral(" - ") + QString::fromStdString(gra.Nazwa));
    using R = TRodzajPola;
    std::vector<TStrona> strony = StronyWspolne(filtr_, filtr_.SumaOd, filtr_.SumaDo, TekstyWyszukaj());
    strony.push_back({Tekst(TTekst::WyszukajLosowaniaPowtarzajaceSieWBazieLosowan),
                      {{R::Ilosc, TTekst::IloscLiczb3, &filtr_.IlePowtorzonych}}, false});
    strony.push_back({Tekst(TTekst::WyszukajLosowaniaZDanegoDniaTygodnia),
                      {{R::DzienTygodnia, TTekst::DzienTygodnia, &filtr_.DzienTygodnia}}, false});
    strony.push_back({Tekst(TTekst::WyszukajLosowaniaZDanegoDniaMiesiaca),
                      {{R::DzienMiesiaca, TTekst::DzienMiesiaca, &filtr_.DzienMiesiaca}}, false});
    strony.push_back({Tekst(TTekst::WyszukajLosowaniaZDanegoMiesiaca),
                      {{R::Miesiac, TTekst::Miesiac, &filtr_.Miesiac}}, false});
    Zbuduj(gra, std::move(strony), filtr_.Kryteria.data(), filtr_);
}

} // namespace tarvomund
