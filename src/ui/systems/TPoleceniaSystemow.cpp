#include "systems/TPoleceniaSystemow.h"

#include "app/TAkcjeGlowne.h"
#include "app/TekstyUI.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmKomunikat.h"
#include "app/TfrmNowy.h"
#include "model/TfrmNoweOkno.h"
#include "systems/ArytmetykaSystemow.h"
#include "systems/SystemPokrycia.h"
#include "systems/TfrmOptymalizuj.h"
#include "systems/TfrmRozp.h"
#include "systems/TfrmSuma.h"
#include "systems/TfrmWlasne.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace tarvomund {

namespace {

// Why a combination of systems is refused, said before any window or file is made.
QString Odmowa(TBladArytmetyki blad, bool zlozenie)
{
    switch (blad) {
    case TBladArytmetyki::Pilkarski:
    case TBladArytmetyki::InnaGra:
        return QStringLiteral("Systemy pochodzą z różnych gier !");
    case TBladArytmetyki::InneK:
        return QStringLiteral("Systemy mają różne ilości liczb w zakładzie !");
    case TBladArytmetyki::PonadMaxLiczb:
        return zlozenie ? QStringLiteral("System złożony miałby więcej niż 120 liczb !")
                        : QStringLiteral("Suma systemów miałaby więcej niż 120 liczb !");
    case TBladArytmetyki::PonadLiczbyGry:
        return QStringLiteral("System złożony miałby więcej liczb niż gra !");
    case TBladArytmetyki::ZaDuzoZakladow:
        return QStringLiteral("System złożony miałby zbyt wiele zakładów !");
    default:
        return {};
    }
}

} // namespace

TPoleceniaSystemow::TPoleceniaSystemow(TfrmGlowne& glowne) : QObject(&glowne), glowne_(glowne)
{
    const TAkcjeGlowne& akcje = glowne.Akcje();
    connect(akcje.Akcja(TPolecenie::WlasneLiczby), &QAction::triggered, this, &TPoleceniaSystemow::WlasneLiczby);
    connect(akcje.Akcja(TPolecenie::Rozklad), &QAction::triggered, this, &TPoleceniaSystemow::Rozklad);
    connect(akcje.Akcja(TPolecenie::SumujSystemy), &QAction::triggered, this, &TPoleceniaSystemow::SumujSystemy);
    connect(akcje.Akcja(TPolecenie::OptymalizujSystem), &QAction::triggered, this,
            &TPoleceniaSystemow::OptymalizujSystem);
}

TfrmNoweOkno* TPoleceniaSystemow::AktywnySystem() const
{
    return dynamic_cast<TfrmNoweOkno*>(glowne_.AktywneOkno());
}

std::vector<TfrmNoweOkno*> TPoleceniaSystemow::OtwarteSystemy() const
{
    // The same windows, in the same order, as the main window hands the New dialog.
    std::vector<TfrmNoweOkno*> systemy;
    for (QMdiSubWindow* podokno : glowne_.Obszar()->subWindowList()) {
        const auto* dokument = dynamic_cast<const TOknoDokumentu*>(podokno->widget());
        if (dokument && dokument->Rodzaj() == TRodzajOkna::SystemLiczbowy && dokument->InfoSystemu())
            systemy.push_back(dynamic_cast<TfrmNoweOkno*>(podokno->widget()));
    }
    return systemy;
}

TfrmNoweOkno* TPoleceniaSystemow::NoweOkno(const TfrmNoweOkno& zrodlo, const TInfoGryRec& info)
{
    auto* okno = new TfrmNoweOkno(glowne_.NastepnyNumerOkna(), glowne_.KatalogDane());
    okno->Ustaw(*zrodlo.Gra(), info);
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    glowne_.OdswiezPolecenia();
    return okno;
}

void TPoleceniaSystemow::WlasneLiczby()
{
    TfrmNoweOkno* okno = AktywnySystem();
    if (!okno || okno->Pracuje())
        return;
    TfrmWlasne dialog(&glowne_);
    dialog.UstawKolekcje(kolekcja_);
    dialog.Ustaw(okno->Info());
    if (dialog.exec() != QDialog::Accepted)
        return;
    okno->ZmienWlasneLiczby(dialog.Wlasne());
    glowne_.OdswiezPolecenia();
}

TfrmRozp* TPoleceniaSystemow::Rozklad()
{
    const TfrmNoweOkno* system = AktywnySystem();
    if (!system || system->Pracuje())
        return nullptr;
    // The window shows the counts of this moment; it is not told of later runs.
    auto* okno = new TfrmRozp;
    okno->PokazRozklad(system->Info());
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    return okno;
}

TfrmNoweOkno* TPoleceniaSystemow::SumujSystemy()
{
    std::vector<TfrmNoweOkno*> bezczynne;
    std::vector<TSystemDoZlozenia> opisy;
    for (TfrmNoweOkno* okno : OtwarteSystemy())
        if (okno && !okno->Pracuje() && okno->Gra()) {
            bezczynne.push_back(okno);
            opisy.push_back({okno->windowTitle(), okno->Info()});
        }
    TfrmSuma dialog(std::move(opisy), &glowne_);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;

    std::vector<TfrmNoweOkno*> wybrane;
    std::vector<TInfoGryRec> parametry;
    for (int indeks : dialog.Zaznaczone()) {
        wybrane.push_back(bezczynne[static_cast<std::size_t>(indeks)]);
        parametry.push_back(wybrane.back()->Info());
    }
    const TBladArytmetyki blad = SprawdzSume(parametry);
    if (blad != TBladArytmetyki::Brak) {
        Komunikat(Odmowa(blad, false), ObrazekOstrzezenie, PrzyciskiOK, &glowne_);
        return nullptr;
    }
    TfrmNoweOkno* okno = NoweOkno(*wybrane.front(), ParametrySumy(wybrane.front()->Info()));
    for (TfrmNoweOkno* system : wybrane)
        okno->ListaSumowanych().emplace_back(system);
    okno->Sumuj(dialog.Dodaj());
    return okno;
}

TfrmNoweOkno* TPoleceniaSystemow::Zloz(const std::vector<int>& zaznaczone)
{
    const std::vector<TfrmNoweOkno*> systemy = OtwarteSystemy();
    if (zaznaczone.size() != 2)
        return nullptr;
    for (int indeks : zaznaczone)
        if (indeks < 0 || static_cast<std::size_t>(indeks) >= systemy.size() || !systemy[static_cast<std::size_t>(indeks)])
            return nullptr;
    return Zloz(*systemy[static_cast<std::size_t>(zaznaczone[0])], *systemy[static_cast<std::size_t>(zaznaczone[1])]);
}

TfrmNoweOkno* TPoleceniaSystemow::Zloz(TfrmNoweOkno& a, TfrmNoweOkno& b)
{
    if (!a.Gra() || &a == &b)
        return nullptr;
    // The composite reads both temporary files: a system still being written has none to read.
    if (a.Pracuje() || b.Pracuje()) {
        Komunikat(Tekst(TTekst::MusiszZatrzymacGeneracjeSystemu), ObrazekOstrzezenie, PrzyciskiOK, &glowne_);
        return nullptr;
    }
    const TBladArytmetyki blad = SprawdzZlozenie(a.Info(), b.Info());
    if (blad != TBladArytmetyki::Brak) {
        Komunikat(Odmowa(blad, true), ObrazekOstrzezenie, PrzyciskiOK, &glowne_);
        return nullptr;
    }
    TfrmNoweOkno* okno = NoweOkno(a, ParametryZlozenia(a.Info(), b.Info()));
    okno->Zloz(&a, &b);
    return okno;
}

TfrmNoweOkno* TPoleceniaSystemow::OptymalizujSystem()
{
    TfrmNoweOkno* zrodlo = AktywnySystem();
    if (!zrodlo || zrodlo->Pracuje() || !zrodlo->Gra())
        return nullptr;
    // The dialog reads the bets of this moment; the source window is not touched.
    TfrmOptymalizuj dialog(&glowne_);
    if (!dialog.Wczytaj(zrodlo->PlikTymczasowy(), zrodlo->windowTitle()) || dialog.exec() != QDialog::Accepted)
        return nullptr;
    return OtworzWynik(*zrodlo, dialog);
}

TfrmNoweOkno* TPoleceniaSystemow::OtworzWynik(const TfrmNoweOkno& zrodlo, const TfrmOptymalizuj& dialog)
{
    if (!dialog.Wynik())
        return nullptr;
    const std::vector<TZaklad>& zaklady = *dialog.Wynik();
    TInfoGryRec info = zrodlo.Info();
    OznaczGwarancje(info, dialog.Parametry());
    PoliczWystapienia(info, zaklady);
    TfrmNoweOkno* okno = NoweOkno(zrodlo, info);
    if (!ZapiszSystemPokrycia(okno->PlikTymczasowy().toStdString(), info, zaklady)) {
        Komunikat(Tekst(TTekst::WystapilBladPodczasWczytywaniaSystemu), ObrazekStop, PrzyciskiOK, &glowne_);
        return okno;
    }
    okno->Pokaz(1);
    return okno;
}

} // namespace tarvomund
