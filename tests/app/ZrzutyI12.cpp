// Temporary: screenshots for the report (not committed).
#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "model/TfrmNoweOkno.h"
#include "stats/TPoleceniaSzukania.h"
#include "stats/TfrmSzukBaza.h"
#include "stats/TfrmSzukBazaL.h"
#include "stats/TfrmSzukLiczb.h"
#include "stats/TfrmSzukSys.h"
#include "systems/TfrmFiltr.h"
#include "systems/TfrmParam.h"
#include "PomocnikiUI.h"
#include "TKolejkaOkien.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace tarvomund;
using testy::CzekajAz;
using testy::TKolejkaOkien;

static void Zapisz(QWidget* w, const char* nazwa)
{
    QApplication::processEvents();
    w->grab().save(QStringLiteral("/work/wt/shots/i12/%1.png").arg(QLatin1String(nazwa)));
}

TEST(Zrzuty, Wszystkie)
{
    TfrmGlowne glowne(QStringLiteral(TARVOMUND_BIN));
    glowne.resize(1300, 860);
    glowne.show();
    // 1. Three consecutive numbers in the 6 of 49 history.
    {
        TKolejkaOkien k;
        k.Potem<TfrmSzukBaza>([](TfrmSzukBaza* d) {
            d->Wybierz(10);
            d->adjustSize();
            Zapisz(d, "01a_szukaj_losowan_cyfry");
            d->Wybierz(14);
            Zapisz(d, "01b_szukaj_losowan_dzien");
            d->Wybierz(1);
            d->Strona(1)->findChild<QComboBox*>(QStringLiteral("Ilosc"))->setCurrentIndex(2);
            d->adjustSize();
            Zapisz(d, "01_szukaj_losowan_dialog");
            d->btnOK()->click();
        });
        glowne.Akcje().MenuSzukajLosowan()->actions().at(0)->trigger();
        auto* okno = qobject_cast<TfrmNoweOkno*>(glowne.Obszar()->activeSubWindow()->widget());
        ASSERT_TRUE(CzekajAz([okno] { return !okno->Pracuje(); }));
        Zapisz(&glowne, "02_szukaj_losowan_wynik");
        okno->PrzelaczWlasne();
        Zapisz(okno, "02b_wynik_liczby_systemowe");
        okno->PrzelaczWlasne();
    }
    // 2. A generated system filtered by its sum.
    {
        TKolejkaOkien k;
        k.Potem<TfrmParam>([](TfrmParam* d) {
            d->spLiczb()->setValue(12);
            d->spZakladow()->setValue(d->spZakladow()->maximum());
            d->btnOk()->click();
        });
        TfrmNoweOkno* system = glowne.NowySystem(0);
        ASSERT_NE(system, nullptr);
        ASSERT_TRUE(CzekajAz([system] { return !system->Pracuje(); }));
        TKolejkaOkien f;
        f.Potem<TfrmFiltr>([](TfrmFiltr* d) {
            d->Strona(7)->findChild<QSpinBox*>(QStringLiteral("Spin071"))->setValue(30);
            d->Strona(7)->findChild<QSpinBox*>(QStringLiteral("Spin072"))->setValue(50);
            d->adjustSize();
            Zapisz(d, "03_filtr_suma_dialog");
            d->btnOK()->click();
        });
        glowne.Akcje().Filtr(6)->trigger();
        auto* okno = qobject_cast<TfrmNoweOkno*>(glowne.Obszar()->activeSubWindow()->widget());
        ASSERT_TRUE(CzekajAz([okno] { return !okno->Pracuje(); }));
        glowne.Obszar()->tileSubWindows();
        Zapisz(&glowne, "04_filtr_suma_wynik");
        // The search in a system dialog, on the generated system.
        glowne.Obszar()->setActiveSubWindow(glowne.Obszar()->subWindowList().at(1));
        TKolejkaOkien s;
        s.Potem<TfrmSzukSys>([](TfrmSzukSys* d) {
            d->Wybierz(13);
            d->adjustSize();
            Zapisz(d, "05_szukaj_w_systemie_dialog");
            d->btnAnuluj()->click();
        });
        glowne.Akcje().Akcja(TPolecenie::SzukajWSystemie)->trigger();
    }
    for (QMdiSubWindow* w : glowne.Obszar()->subWindowList())
        w->showMinimized();
    // 3. Pairs of the 20 of 80 game never drawn together: the whole history, then the last 60 draws.
    for (int proba = 0; proba < 2; ++proba) {
        TKolejkaOkien k;
        k.Potem<TfrmSzukBazaL>([proba](TfrmSzukBazaL* d) {
            d->Wybierz(10);
            d->Strona(10)->findChild<QComboBox*>(QStringLiteral("Ilosc"))->setCurrentIndex(1);
            if (proba == 1) {
                d->OdDaty()->setDate(QDate(2026, 7, 25));
            }
            d->adjustSize();
            Zapisz(d, proba == 0 ? "06_nigdy_razem_dialog" : "08_nigdy_razem_dialog_zakres");
            d->btnOK()->click();
        });
        glowne.Akcje().PrzyciskLiczb()->menu()->actions().at(2)->trigger();
        auto* okno = qobject_cast<TfrmNoweOkno*>(glowne.Obszar()->activeSubWindow()->widget());
        ASSERT_TRUE(CzekajAz([okno] { return !okno->Pracuje(); }));
        Zapisz(&glowne, proba == 0 ? "07_nigdy_razem_wynik" : "09_nigdy_razem_wynik_zakres");
        okno->parentWidget()->showMinimized();
    }
    // 4. The given numbers 7 and 12 in the 6 of 49 history.
    {
        glowne.Akcje().Akcja(TPolecenie::SzukajZadanych)->menu()->actions().at(0)->trigger();
        auto* okno = qobject_cast<TfrmSzukLiczb*>(glowne.Obszar()->activeSubWindow()->widget());
        ASSERT_NE(okno, nullptr);
        okno->spIlosc()->setValue(2);
        okno->Szukaj({7, 12});
        okno->parentWidget()->resize(620, 500);
        Zapisz(&glowne, "10_zadane_liczby");
    }
}
