#include "stats/TPoleceniaStatystyki.h"

#include "app/Ikony.h"
#include "app/TAkcjeGlowne.h"
#include "app/TekstyUI.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmKomunikat.h"
#include "stats/TfrmStatystyka1.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace tarvomund {

TPoleceniaStatystyki::TPoleceniaStatystyki(TfrmGlowne& glowne) : QObject(&glowne), glowne_(glowne)
{
    using P = TPolecenie;
    const auto naAktywnej = [this](P p, void (TfrmStatystyka1::*metoda)()) {
        connect(glowne_.Akcje().Akcja(p), &QAction::triggered, this, [this, metoda] {
            if (TfrmStatystyka1* okno = AktywnaStatystyka())
                (okno->*metoda)();
        });
    };
    naAktywnej(P::StatParametry, &TfrmStatystyka1::Parametry);
    naAktywnej(P::StatSiatka, &TfrmStatystyka1::PrzelaczSiatke);
    naAktywnej(P::StatLiniowy, &TfrmStatystyka1::Liniowy);
    naAktywnej(P::StatSchodkowy, &TfrmStatystyka1::Schodkowy);
    naAktywnej(P::Stat3D, &TfrmStatystyka1::Przelacz3D);
    naAktywnej(P::StatTabliczki, &TfrmStatystyka1::PrzelaczTabliczki);
    naAktywnej(P::StatTabliczkiWartosc, &TfrmStatystyka1::PrzelaczOpisTabliczek);
    naAktywnej(P::StatSortujWartosc, &TfrmStatystyka1::SortujWgWartosci);
    naAktywnej(P::StatSortujNaturalnie, &TfrmStatystyka1::SortujNaturalnie);
    naAktywnej(P::StatDoKolekcji, &TfrmStatystyka1::DoKolekcji);
    naAktywnej(P::StatPowieksz, &TfrmStatystyka1::Powieksz);
    naAktywnej(P::StatPomniejsz, &TfrmStatystyka1::Pomniejsz);

    // The strip's start button drops down the games, like the toolbar's statistics button.
    przyciskStart_ = new QAction(IkonaPolecenia(P::Start), Tekst(TTekst::PodpStatStart), this);
    przyciskStart_->setStatusTip(Tekst(TTekst::PodpStatStart));
    przyciskStart_->setMenu(glowne_.Akcje().PrzyciskStatystyki()->menu());
    QToolBar* pasek = glowne_.PasekStatystyki();
    const QList<QAction*> akcje = pasek->actions();
    pasek->insertAction(akcje.isEmpty() ? nullptr : akcje.front(), przyciskStart_);
    if (auto* przycisk = qobject_cast<QToolButton*>(pasek->widgetForAction(przyciskStart_)))
        przycisk->setPopupMode(QToolButton::InstantPopup);

    glowne_.UstawOtwieranie(TRodzajPliku::Statystyka,
                            [this](const QString& plik) { OtworzStatystyke(plik); });
}

TfrmStatystyka1* TPoleceniaStatystyki::AktywnaStatystyka() const
{
    return dynamic_cast<TfrmStatystyka1*>(glowne_.AktywneOkno());
}

TfrmStatystyka1* TPoleceniaStatystyki::NoweOkno(const TObGraLista& gra)
{
    TfrmStatystyka1::TOtoczenie otoczenie;
    otoczenie.Parametry = &glowne_.Parametry();
    otoczenie.WyborWydruku = &glowne_.WyborWydrukuStatystyki();
    otoczenie.Kolekcja = glowne_.Kolekcja();
    otoczenie.KatalogDane = glowne_.KatalogDane();
    auto* okno = new TfrmStatystyka1(gra, otoczenie);
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    return okno;
}

TfrmStatystyka1* TPoleceniaStatystyki::NowaStatystyka(std::size_t indeksGry)
{
    if (indeksGry >= glowne_.Katalog().Ile())
        return nullptr;
    const TObGraLista& gra = glowne_.Katalog().Gra(indeksGry);
    if (gra.Losowania.empty()) {
        Komunikat(Tekst(TTekst::BazaLosowanJestPusta), ObrazekOstrzezenie, PrzyciskiOK, &glowne_);
        return nullptr;
    }
    const std::optional<TParametryStatystyki> parametry =
        TfrmStatystyka1::PokazParametry(gra, TParametryStatystyki::DlaGry(gra), &glowne_);
    if (!parametry)
        return nullptr;
    TfrmStatystyka1* okno = NoweOkno(gra);
    okno->Nowe(*parametry);
    okno->Start();
    glowne_.OdswiezPolecenia();
    return okno;
}

TfrmStatystyka1* TPoleceniaStatystyki::OtworzStatystyke(const QString& plik)
{
    const std::optional<TPlikStatystyki> dane = WczytajPlikStatystyki(plik.toStdString());
    if (!dane) {
        Komunikat(Tekst(TTekst::BladOdczytu), ObrazekStop, PrzyciskiOK, &glowne_);
        return nullptr;
    }
    const TObGraLista* gra = glowne_.Katalog().GraDlaStatystyki(dane->Gra);
    if (!gra)
        return nullptr;
    TfrmStatystyka1* okno = NoweOkno(*gra);
    okno->Wczytaj(*dane);
    glowne_.OdswiezPolecenia();
    return okno;
}

} // namespace tarvomund
