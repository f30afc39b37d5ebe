#include "stats/TPoleceniaSzukania.h"

#include "app/TAkcjeGlowne.h"
#include "app/TekstyUI.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmKomunikat.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmNoweOkno.h"
#include "model/Wspolne.h"
#include "stats/TGenSzukBazaL.h"
#include "stats/TfrmSzukBaza.h"
#include "stats/TfrmSzukBazaL.h"
#include "stats/TfrmSzukLiczb.h"
#include "stats/TfrmSzukSys.h"
#include "stats/WynikSzukania.h"
#include "systems/PrzesiewSystemu.h"
#include "systems/TfrmFiltr.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>

namespace tarvomund {

TPoleceniaSzukania::TPoleceniaSzukania(TfrmGlowne& glowne) : QObject(&glowne), glowne_(glowne)
{
    const TAkcjeGlowne& akcje = glowne.Akcje();
    connect(&akcje, &TAkcjeGlowne::WybranoFiltr, this, &TPoleceniaSzukania::Filtry);
    connect(akcje.Akcja(TPolecenie::SzukajWSystemie), &QAction::triggered, this,
            &TPoleceniaSzukania::SzukajWSystemie);
}

void TPoleceniaSzukania::PolecenieGry(TPolecenieGry polecenie, std::size_t indeksGry)
{
    switch (polecenie) {
    case TPolecenieGry::SzukajLosowan:
        SzukajWBazie(indeksGry);
        break;
    case TPolecenieGry::SzukajLiczb:
        SzukajWBazieL(indeksGry);
        break;
    case TPolecenieGry::SzukajZadanych:
        SzukajZadanych(indeksGry);
        break;
    default:
        break;
    }
}

TfrmNoweOkno* TPoleceniaSzukania::AktywnySystem() const
{
    auto* okno = dynamic_cast<TfrmNoweOkno*>(glowne_.AktywneOkno());
    return okno && !okno->Pracuje() && okno->Gra() ? okno : nullptr;
}

TfrmNoweOkno* TPoleceniaSzukania::NoweOkno(const TObGraLista& gra, const TInfoGryRec& info)
{
    auto* okno = new TfrmNoweOkno(glowne_.NastepnyNumerOkna(), glowne_.KatalogDane());
    okno->Ustaw(gra, info);
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    glowne_.OdswiezPolecenia();
    return okno;
}

TfrmNoweOkno* TPoleceniaSzukania::KopiaSystemu(const TfrmNoweOkno& zrodlo, QString& roboczy)
{
    const std::string dane = glowne_.KatalogDane().toStdString();
    const int32_t numer = glowne_.NastepnyNumerOkna();
    if (!KopiujPlik(zrodlo.PlikTymczasowy().toStdString(), PlikTymczasowy(dane, numer))) {
        Komunikat(Tekst(TTekst::BladOdczytu), ObrazekStop, PrzyciskiOK, &glowne_);
        return nullptr;
    }
    auto* okno = new TfrmNoweOkno(numer, glowne_.KatalogDane());
    okno->Ustaw(*zrodlo.Gra(), InfoWynikuPrzesiewu(zrodlo.Info()));
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    glowne_.OdswiezPolecenia();
    roboczy = QString::fromStdString(PlikTymczasowy(dane, glowne_.NastepnyNumerOkna()));
    QFile(roboczy).open(QIODevice::WriteOnly);
    return okno;
}

TfrmNoweOkno* TPoleceniaSzukania::SzukajWBazie(std::size_t indeksGry)
{
    if (indeksGry >= glowne_.Katalog().Ile())
        return nullptr;
    const TObGraLista& gra = glowne_.Katalog().Gra(indeksGry);
    TFiltrSzukBaza& rekord = glowne_.PamiecFiltrow().SzukajWBazie(gra);
    TfrmSzukBaza dialog(&glowne_);
    dialog.Ustaw(gra, rekord);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    rekord = dialog.Filtr();
    TfrmNoweOkno* okno = NoweOkno(gra, InfoWynikuSzukania(gra, gra.IleLosowanych));
    TFiltrSzukBaza filtr = rekord;
    filtr.PlikWyniku = okno->PlikTymczasowy().toStdString();
    okno->SzukajWBazie(filtr);
    return okno;
}

TfrmNoweOkno* TPoleceniaSzukania::SzukajWBazieL(std::size_t indeksGry)
{
    if (indeksGry >= glowne_.Katalog().Ile())
        return nullptr;
    const TObGraLista& gra = glowne_.Katalog().Gra(indeksGry);
    TFiltrSzukBazaL& rekord = glowne_.PamiecFiltrow().SzukajWBazieLiczb(gra);
    TfrmSzukBazaL dialog(&glowne_);
    dialog.Ustaw(gra, rekord);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    rekord = dialog.Filtr();
    // The bets are the sets the criterion looks for.
    TfrmNoweOkno* okno = NoweOkno(gra, InfoWynikuSzukania(gra, RozmiarZbioru(rekord)));
    TFiltrSzukBazaL filtr = rekord;
    filtr.PlikWyniku = okno->PlikTymczasowy().toStdString();
    okno->SzukajWBazieL(filtr);
    return okno;
}

TfrmSzukLiczb* TPoleceniaSzukania::SzukajZadanych(std::size_t indeksGry)
{
    if (indeksGry >= glowne_.Katalog().Ile())
        return nullptr;
    auto* okno = new TfrmSzukLiczb(glowne_.Katalog().Gra(indeksGry));
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    return okno;
}

TfrmNoweOkno* TPoleceniaSzukania::Filtry(int tag)
{
    TfrmNoweOkno* zrodlo = AktywnySystem();
    if (!zrodlo)
        return nullptr;
    const TObGraLista& gra = *zrodlo->Gra();
    TFiltr& rekord = glowne_.PamiecFiltrow().Filtr(gra);
    // A menu item chooses its filter alone; the toolbar button keeps the last choice.
    if (tag >= 0 && tag < IleFiltrow) {
        rekord.Kryteria = {};
        rekord.Kryteria[static_cast<std::size_t>(tag)] = true;
    }
    TfrmFiltr dialog(&glowne_);
    dialog.Ustaw(gra, rekord, zrodlo->Info());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    rekord = dialog.Filtr();
    QString roboczy;
    TfrmNoweOkno* okno = KopiaSystemu(*zrodlo, roboczy);
    if (!okno)
        return nullptr;
    TFiltr filtr = rekord;
    filtr.PlikWyniku = okno->PlikTymczasowy().toStdString();
    filtr.PlikRoboczy = roboczy.toStdString();
    okno->Filtruj(filtr);
    return okno;
}

TfrmNoweOkno* TPoleceniaSzukania::SzukajWSystemie()
{
    TfrmNoweOkno* zrodlo = AktywnySystem();
    if (!zrodlo)
        return nullptr;
    const TObGraLista& gra = *zrodlo->Gra();
    TFiltrSzukSys& rekord = glowne_.PamiecFiltrow().SzukajWSystemie(gra);
    TfrmSzukSys dialog(&glowne_);
    dialog.Ustaw(gra, rekord, zrodlo->Info());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    rekord = dialog.Filtr();
    QString roboczy;
    TfrmNoweOkno* okno = KopiaSystemu(*zrodlo, roboczy);
    if (!okno)
        return nullptr;
    TFiltrSzukSys filtr = rekord;
    filtr.PlikWyniku = okno->PlikTymczasowy().toStdString();
    filtr.PlikRoboczy = roboczy.toStdString();
    okno->SzukajWSystemie(filtr);
    return okno;
}

} // namespace tarvomund
