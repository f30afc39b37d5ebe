#include "app/DatyQt.h"
#include "model/Daty.h"
#include "stats/TfrmSzukBaza.h"
#include "stats/TfrmSzukBazaL.h"
#include "stats/TfrmSzukSys.h"
#include "systems/TfrmFiltr.h"
#include "wspolne/LosowaniaTestowe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

namespace tarvomund {
namespace {

using testy::Los;

TObGraLista Gra()
{
    TObGraLista gra = testy::Gra649();
    gra.Losowania = {Los({2001, 5, 12}, {1, 2, 3, 4, 5, 6}), Los({2001, 5, 16}, {7, 8, 9, 10, 11, 12}),
                     Los({2002, 1, 5}, {13, 14, 15, 16, 17, 18})};
    return gra;
}

TInfoGryRec System()
{
    TInfoGryRec info = TInfoGryRec::DlaGry(Gra());
    info.k = 6;
    info.n = 12;
    info.Zakladow = 924;
    return info;
}

// One of the four dialogs set up over the test game with its first-use record.
struct TOpisDialogu {
    const char* Nazwa;
    std::function<std::unique_ptr<TfrmKryteria>(const TObGraLista&)> Utworz;
    int Kryteriow;
    const char* Tytul;
    const char* Pierwszy;
    const char* Ostatni;
    std::set<int> BezZakresuLiczb;
    std::set<int> ZDatami; // empty: always shown
};

std::vector<TOpisDialogu> Dialogi()
{
    return {
        {"draw base",
         [](const TObGraLista& gra) {
             auto d = std::make_unique<TfrmSzukBaza>();
             d->Ustaw(gra, TFiltrSzukBaza::DlaGry(gra));
             return d;
         },
         16, "Wyszukiwanie losowań - Lotto 6 z 49", " 1. Wyszukaj kolejne liczby",
         "16. Wyszukaj losowania z danego miesiąca", {7, 8, 9, 11, 13, 14, 15, 16}, {}},
        {"numbers base",
         [](const TObGraLista& gra) {
             auto d = std::make_unique<TfrmSzukBazaL>();
             d->Ustaw(gra, TFiltrSzukBazaL::DlaGry(gra));
             return d;
         },
         10, "Wyszukiwanie liczb w losowaniach - Lotto 6 z 49", " 1. Wyszukaj kolejne liczby",
         "10. Wyszukaj liczby które nigdy nie wyszły", {8}, {}},
        {"system",
         [](const TObGraLista& gra) {
             auto d = std::make_unique<TfrmSzukSys>();
             d->Ustaw(gra, TFiltrSzukSys::DlaGry(gra), System());
             return d;
         },
         13, "Szukaj - Lotto 6 z 49 - 6/12/924", " 1. Wyszukaj kolejne liczby",
         "13. Wyszukaj jeżeli były już wylosowane", {7, 8, 9, 11}, {13}},
        {"filters",
         [](const TObGraLista& gra) {
             auto d = std::make_unique<TfrmFiltr>();
             d->Ustaw(gra, TFiltr::DlaGry(gra), System());
             return d;
         },
         14, "Filtruj - Lotto 6 z 49 - 6/12/924", " 1. Usuń jeżeli występują kolejne liczby",
         "14. Usuń od pozycji do pozycji", {7, 8, 9, 11, 13, 14}, {13}},
    };
}

TEST(TfrmKryteria, ListaJednoKryteriumIUkrywanieZakresow)
{
    const TObGraLista gra = Gra();
    for (const TOpisDialogu& opis : Dialogi()) {
        SCOPED_TRACE(opis.Nazwa);
        const auto dialog = opis.Utworz(gra);
        dialog->show();
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(opis.Tytul));
        QListWidget* lista = dialog->CLB1();
        ASSERT_EQ(lista->count(), opis.Kryteriow);
        EXPECT_EQ(lista->item(0)->text(), QString::fromUtf8(opis.Pierwszy));
        EXPECT_EQ(lista->item(opis.Kryteriow - 1)->text(), QString::fromUtf8(opis.Ostatni));
        // First use: criterion 1, the whole number range and the game's draws.
        EXPECT_EQ(dialog->Wybrane(), 1);
        EXPECT_EQ(dialog->zakresOd()->currentText(), QStringLiteral("1"));
        EXPECT_EQ(dialog->zakresDo()->currentText(), QStringLiteral("49"));
        EXPECT_EQ(dialog->OdDaty()->date(), QDate(2001, 5, 12));
        EXPECT_EQ(dialog->DoDaty()->date(), QDate(2002, 1, 5));

        for (int k = 1; k <= opis.Kryteriow; ++k) {
            SCOPED_TRACE(k);
            // A click on the item or on its box: that one alone is checked and its page shown.
            if (k % 2)
                dialog->Wybierz(k);
            else
                lista->item(k - 1)->setCheckState(Qt::Checked);
            EXPECT_EQ(dialog->Wybrane(), k);
            int zaznaczonych = 0;
            for (int i = 0; i < lista->count(); ++i)
                zaznaczonych += lista->item(i)->checkState() == Qt::Checked;
            EXPECT_EQ(zaznaczonych, 1);
            ASSERT_NE(dialog->Strona(k), nullptr);
            EXPECT_TRUE(dialog->Strona(k)->isVisible());
            EXPECT_EQ(dialog->Label6()->isVisible(), !opis.BezZakresuLiczb.count(k));
            EXPECT_EQ(dialog->Label5()->isVisible(), opis.ZDatami.empty() || opis.ZDatami.count(k));
        }
    }
}

TEST(TfrmKryteria, StronyParametrowZGry)
{
    const TObGraLista gra = Gra();
    TfrmSzukBaza dialog;
    TFiltrSzukBaza filtr = TFiltrSzukBaza::DlaGry(gra);
    // A choice beyond the lists (kept from a bigger game) shows their last entry.
    filtr.IleKolejnych = 20;
    filtr.DzienTygodnia = 3;
    dialog.Ustaw(gra, filtr);
    auto* ilosc = dialog.Strona(1)->findChild<QComboBox*>(QStringLiteral("Ilosc"));
    ASSERT_NE(ilosc, nullptr);
    EXPECT_EQ(ilosc->count(), 6);
    EXPECT_EQ(ilosc->currentText(), QStringLiteral("6"));
    auto* wielkosc = dialog.Strona(4)->findChild<QComboBox*>(QStringLiteral("Wielkosc"));
    ASSERT_NE(wielkosc, nullptr);
    EXPECT_EQ(wielkosc->count(), 49);
    auto* dzien = dialog.Strona(14)->findChild<QComboBox*>(QStringLiteral("DzienTygodnia"));
    ASSERT_NE(dzien, nullptr);
    EXPECT_EQ(dzien->itemText(0), QStringLiteral("Niedziela"));
    EXPECT_EQ(dzien->currentText(), QStringLiteral("Środa"));
    auto* miesiac = dialog.Strona(16)->findChild<QComboBox*>(QStringLiteral("Miesiac"));
    ASSERT_NE(miesiac, nullptr);
    EXPECT_EQ(miesiac->itemText(11), QStringLiteral("Grudzień"));
    EXPECT_EQ(dialog.Strona(15)->findChild<QComboBox*>(QStringLiteral("DzienMiesiaca"))->count(), 31);
    // Final digits 0..9, leading digits 1..9, each with "+" and "-".
    EXPECT_NE(dialog.Strona(10)->findChild<QCheckBox*>(QStringLiteral("Cyfra0")), nullptr);
    EXPECT_EQ(dialog.Strona(11)->findChild<QCheckBox*>(QStringLiteral("Cyfra0")), nullptr);
    dialog.Strona(11)->findChild<QPushButton*>(QStringLiteral("btnPlus"))->click();
    for (int c = 1; c <= 9; ++c)
        EXPECT_TRUE(dialog.Strona(11)->findChild<QCheckBox*>(QStringLiteral("Cyfra%1").arg(c))->isChecked());
    dialog.Strona(11)->findChild<QPushButton*>(QStringLiteral("btnMinus"))->click();
    EXPECT_FALSE(dialog.Strona(11)->findChild<QCheckBox*>(QStringLiteral("Cyfra5"))->isChecked());
    EXPECT_EQ(dialog.Strona(8)->findChildren<QComboBox*>().size(), 0);
}

TEST(TfrmKryteria, OKZapisujeRekordIZamieniaOdwroconeZakresy)
{
    const TObGraLista gra = Gra();
    TfrmSzukBaza dialog;
    dialog.Ustaw(gra, TFiltrSzukBaza::DlaGry(gra));
    dialog.Wybierz(10);
    dialog.Strona(10)->findChild<QComboBox*>(QStringLiteral("Ilosc"))->setCurrentIndex(2);
    dialog.Strona(10)->findChild<QCheckBox*>(QStringLiteral("Cyfra7"))->setChecked(true);
    dialog.Strona(7)->findChild<QSpinBox*>(QStringLiteral("Spin071"))->setValue(150);
    dialog.Strona(7)->findChild<QSpinBox*>(QStringLiteral("Spin072"))->setValue(100);
    dialog.zakresOd()->setCurrentIndex(39);
    dialog.zakresDo()->setCurrentIndex(9);
    dialog.OdDaty()->setDate(QDate(2001, 6, 1));
    dialog.DoDaty()->setDate(QDate(2001, 5, 13));
    dialog.btnOK()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const TFiltrSzukBaza& f = dialog.Filtr();
    EXPECT_TRUE(f.Kryteria[9]);
    EXPECT_EQ(std::count(f.Kryteria.begin(), f.Kryteria.end(), true), 1);
    EXPECT_EQ(f.IleKoncowych, 2);
    EXPECT_TRUE(f.CyfryKoncowe[7]);
    EXPECT_FALSE(f.CyfryKoncowe[3]);
    // The sum range stays as entered: the search puts it in order itself.
    EXPECT_EQ(f.SumaOd, 150);
    EXPECT_EQ(f.SumaDo, 100);
    EXPECT_EQ(f.ZakresOd, 9);
    EXPECT_EQ(f.ZakresDo, 39);
    EXPECT_DOUBLE_EQ(f.OdDaty, DniZDaty({2001, 5, 13}));
    EXPECT_DOUBLE_EQ(f.DoDaty, DniZDaty({2001, 6, 1}));

    // The "c" buttons: the whole number range and the game's first and last draws.
    dialog.btn2()->click();
    EXPECT_EQ(dialog.zakresOd()->currentIndex(), 0);
    EXPECT_EQ(dialog.zakresDo()->currentIndex(), 48);
    dialog.btn1()->click();
    EXPECT_EQ(dialog.OdDaty()->date(), QDate(2001, 5, 12));
    EXPECT_EQ(dialog.DoDaty()->date(), QDate(2002, 1, 5));
    EXPECT_EQ(dialog.lblLosowan()->text(), QStringLiteral("Losowań w zakresie: 3 z 3"));

    // A click on the checked criterion keeps it checked.
    dialog.CLB1()->item(9)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(dialog.Wybrane(), 10);

    // Nothing checked (a record without a criterion): no page, and OK acts as cancelled.
    TFiltrSzukBaza bezKryterium = TFiltrSzukBaza::DlaGry(gra);
    bezKryterium.Kryteria = {};
    TfrmSzukBaza pusty;
    pusty.Ustaw(gra, bezKryterium);
    EXPECT_EQ(pusty.Wybrane(), 0);
    pusty.setResult(-1);
    pusty.btnOK()->click();
    EXPECT_EQ(pusty.result(), QDialog::Rejected);
}

TEST(TfrmKryteria, FiltrPozycjiOdJedenDoIlosciZakladow)
{
    const TObGraLista gra = Gra();
    TfrmFiltr dialog;
    TFiltr filtr = TFiltr::DlaGry(gra);
    filtr.Kryteria = {};
    filtr.Kryteria[13] = true;
    dialog.Ustaw(gra, filtr, System());
    EXPECT_EQ(dialog.Wybrane(), 14);
    auto* od = dialog.Strona(14)->findChild<QSpinBox*>(QStringLiteral("spin141"));
    auto* do_ = dialog.Strona(14)->findChild<QSpinBox*>(QStringLiteral("spin142"));
    ASSERT_NE(od, nullptr);
    ASSERT_NE(do_, nullptr);
    EXPECT_EQ(od->minimum(), 1);
    EXPECT_EQ(do_->maximum(), 924);
    od->setValue(5);
    do_->setValue(3);
    dialog.btnOK()->click();
    EXPECT_EQ(dialog.Filtr().PozycjaOd, 3);
    EXPECT_EQ(dialog.Filtr().PozycjaDo, 5);
}

} // namespace
} // namespace tarvomund
