#include "systems/TfrmZakres.h"

#include "app/DatyQt.h"
#include "model/Daty.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TObGraLista Gra(std::vector<TDataKal> daty)
{
    TObGraLista gra;
    gra.Nazwa = "Lotto 6 z 49";
    for (const TDataKal& data : daty) {
        TObLos los;
        los.Data = DniZDaty(data);
        gra.Losowania.push_back(los);
    }
    return gra;
}

TEST(TfrmZakres, UstawienieIZakresWKolejnosci)
{
    const TObGraLista gra = Gra({{2020, 1, 1}, {2020, 1, 4}, {2020, 2, 1}, {2021, 3, 5}});
    TfrmZakres zakres;
    EXPECT_EQ(zakres.windowTitle(), QStringLiteral("Zakres"));
    zakres.Ustaw(DniZDaty({2020, 1, 1}), DniZDaty({2021, 3, 5}), gra);
    EXPECT_EQ(zakres.Edit1()->text(), QStringLiteral("Lotto 6 z 49"));
    EXPECT_TRUE(zakres.Edit1()->isReadOnly());
    EXPECT_EQ(zakres.DE1()->date(), QDate(2020, 1, 1));
    EXPECT_EQ(zakres.DE2()->date(), QDate(2021, 3, 5));
    EXPECT_EQ(zakres.DE1()->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(zakres.lblLosowan()->text(), QStringLiteral("Losowań w zakresie: 4 z 4"));

    struct TPrzypadek {
        QDate Pierwsza, Druga;
        double Od, Do;
        int Losowan;
    };
    // Whichever field holds the earlier date, it becomes the start; both ends count.
    const TPrzypadek przypadki[] = {
        {{2020, 1, 4}, {2020, 2, 1}, DniZDaty({2020, 1, 4}), DniZDaty({2020, 2, 1}), 2},
        {{2020, 2, 1}, {2020, 1, 2}, DniZDaty({2020, 1, 2}), DniZDaty({2020, 2, 1}), 2},
        {{2020, 1, 5}, {2020, 1, 5}, DniZDaty({2020, 1, 5}), DniZDaty({2020, 1, 5}), 0},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Pierwsza.toString().toStdString());
        zakres.DE1()->setDate(p.Pierwsza);
        zakres.DE2()->setDate(p.Druga);
        EXPECT_EQ(zakres.Od(), p.Od);
        EXPECT_EQ(zakres.Do(), p.Do);
        EXPECT_EQ(zakres.lblLosowan()->text(), QStringLiteral("Losowań w zakresie: %1 z 4").arg(p.Losowan));
    }
    zakres.btnOK()->click();
    EXPECT_EQ(zakres.result(), QDialog::Accepted);
}

TEST(TfrmZakres, ZakresLosowanGryIDaty)
{
    EXPECT_FALSE(TfrmZakres::ZakresLosowan(Gra({})).has_value());
    const auto zakres = TfrmZakres::ZakresLosowan(Gra({{1999, 5, 1}, {2024, 12, 31}, {2001, 1, 1}}));
    ASSERT_TRUE(zakres.has_value());
    EXPECT_EQ(zakres->first, DniZDaty({1999, 5, 1}));
    EXPECT_EQ(zakres->second, DniZDaty({2024, 12, 31}));
    for (const QDate& data : {QDate(1899, 12, 30), QDate(2000, 2, 29), QDate(2024, 12, 31)})
        EXPECT_EQ(DataQt(DniZDatyQt(data)), data);
    EXPECT_EQ(DniZDatyQt(QDate(1900, 1, 1)), 2.0);
}

} // namespace
} // namespace tarvomund
