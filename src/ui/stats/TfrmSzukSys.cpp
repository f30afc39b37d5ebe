#include "stats/TfrmSzukSys.h"

namespace tarvomund {

QString TytulDlaSystemu(TTekst przedrostek, const TInfoGryRec& system)
{
    return Tekst(przedrostek) + QStringLiteral(" - ") + QString::fromStdString(system.Nazwa) +
           QStringLiteral(" - %1/%2/%3").arg(system.k).arg(system.n).arg(system.Zakladow);
}

TfrmSzukSys::TfrmSzukSys(QWidget* parent) : TfrmKryteria(KontekstPomocy, parent) {}

void TfrmSzukSys::Ustaw(const TObGraLista& gra, const TFiltrSzukSys& filtr, const TInfoGryRec& system)
{
    filtr_ = filtr;
    setWindowTitle(TytulDlaSystemu(TTekst::Szukaj, system));
    std::vector<TStrona> strony = StronyWspolne(filtr_, filtr_.SumaOd, filtr_.SumaDo, TekstyWyszukaj());
    for (TStrona& strona : strony)
        strona.ZakresDat = false;
    strony.push_back({Tekst(TTekst::WyszukajJezeliBylyJuzWylosowane),
                      {{TRodzajPola::Ilosc, TTekst::IloscLiczb3, &filtr_.IlePowtorzonych}}});
    Zbuduj(gra, std::move(strony), filtr_.Kryteria.data(), filtr_);
}

} // namespace tarvomund
