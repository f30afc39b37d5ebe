#include "pools/TPoleceniaPuli.h"

#include "app/TAkcjeGlowne.h"
#include "app/TekstyUI.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmKomunikat.h"
#include "model/PlikiTymczasowe.h"
#include "model/Wspolne.h"
#include "pools/TGenSysPl.h"
#include "pools/TfrmNoweOknoPl.h"
#include "pools/TfrmRozpPl.h"
#include "pools/TfrmparamPl.h"
#include "systems/TfrmGwarancja.h"
#include "systems/TfrmTest.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

namespace tarvomund {

namespace {

// A new pool system: 13 matches, 10 bets, the full method.
constexpr int NoweMecze = MaxMeczow;
constexpr int32_t NoweZaklady = 10;

} // namespace

TPoleceniaPuli::TPoleceniaPuli(TfrmGlowne& glowne) : QObject(&glowne), glowne_(glowne)
{
    const TAkcjeGlowne& akcje = glowne.Akcje();
    connect(akcje.Akcja(TPolecenie::ParametrySystemu), &QAction::triggered, this, &TPoleceniaPuli::Parametry);
    connect(akcje.Akcja(TPolecenie::Gwarancja), &QAction::triggered, this, &TPoleceniaPuli::Gwarancja);
    connect(akcje.Akcja(TPolecenie::TestSystemu), &QAction::triggered, this, &TPoleceniaPuli::Test);
    connect(akcje.Akcja(TPolecenie::Rozklad), &QAction::triggered, this, &TPoleceniaPuli::Rozklad);
}

TfrmNoweOknoPl* TPoleceniaPuli::AktywnaPula() const
{
    auto* okno = dynamic_cast<TfrmNoweOknoPl*>(glowne_.AktywneOkno());
    return okno && !okno->Pracuje() ? okno : nullptr;
}

TfrmNoweOknoPl* TPoleceniaPuli::NowySystem()
{
    TfrmparamPl dialog(&glowne_);
    dialog.Ustaw(NoweInfoSystemuPilkarskiego(NoweMecze, NoweZaklady, static_cast<int32_t>(TMetodaPl::Pelna)),
                 MaxKombinacjiPilkarskich);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    auto* okno = new TfrmNoweOknoPl(glowne_.NastepnyNumerOkna(), glowne_.KatalogDane());
    okno->Ustaw(dialog.Wynik());
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    glowne_.OdswiezPolecenia();
    okno->Generuj();
    return okno;
}

TfrmNoweOknoPl* TPoleceniaPuli::OtworzSystem(const QString& plik, const TNaglowekSystemu& naglowek)
{
    const int32_t numer = glowne_.NastepnyNumerOkna();
    const std::string tymczasowy = PlikTymczasowy(glowne_.KatalogDane().toStdString(), numer);
    if (!naglowek.Pilkarski() || naglowek.Info.k > MaxMeczow || !KopiujPlik(plik.toStdString(), tymczasowy)) {
        Komunikat(Tekst(TTekst::BladOdczytu), ObrazekStop, PrzyciskiOK, &glowne_);
        return nullptr;
    }
    auto* okno = new TfrmNoweOknoPl(numer, glowne_.KatalogDane());
    okno->Otworz(naglowek.Info, plik);
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(okno));
    glowne_.OdswiezPolecenia();
    return okno;
}

void TPoleceniaPuli::Parametry()
{
    TfrmNoweOknoPl* okno = AktywnaPula();
    if (!okno)
        return;
    TfrmparamPl dialog(&glowne_);
    dialog.Ustaw(okno->Info(), okno->IleKombinacji());
    if (dialog.exec() != QDialog::Accepted)
        return;
    okno->ZmienParametry(dialog.Wynik());
    glowne_.OdswiezPolecenia();
    okno->Generuj();
}

TfrmGwarancja* TPoleceniaPuli::Gwarancja()
{
    TfrmNoweOknoPl* system = AktywnaPula();
    if (!system)
        return nullptr;
    // The window takes the bets of this moment; later changes of the system are not seen.
    auto okno = std::make_unique<TfrmGwarancja>(glowne_.Parametry());
    if (!okno->WczytajPilkarski(system->PlikTymczasowy(), system->Typowania()))
        return nullptr;
    TfrmGwarancja* gwarancja = okno.release();
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(gwarancja));
    return gwarancja;
}

TfrmTest* TPoleceniaPuli::Test()
{
    TfrmNoweOknoPl* system = AktywnaPula();
    if (!system)
        return nullptr;
    auto* test = new TfrmTest;
    glowne_.Obszar()->setActiveSubWindow(glowne_.DodajOkno(test));
    test->WczytajPilkarski(system->PlikTymczasowy());
    return test;
}

TfrmRozpPl* TPoleceniaPuli::Rozklad()
{
    TfrmNoweOknoPl* system = AktywnaPula();
    if (!system)
        return nullptr;
    // The window shows the counts of this moment; it is not told of later runs.
    const QMdiSubWindow* ramkaSystemu = glowne_.Obszar()->activeSubWindow();
    auto* okno = new TfrmRozpPl;
    okno->PokazRozklad(system->Info());
    QMdiSubWindow* ramka = glowne_.DodajOkno(okno);
    if (ramkaSystemu)
        ramka->move(ramkaSystemu->pos());
    glowne_.Obszar()->setActiveSubWindow(ramka);
    return okno;
}

} // namespace tarvomund
