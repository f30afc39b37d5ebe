#include "slips/TfrmDodajDr.h"

#include "app/KontekstPomocy.h"
#include "slips/PlikBlankietu.h"
#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszBlankietTestowy;
using testy::ZapiszPlik;

class TfrmDodajDrTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZapiszBlankietTestowy(Plik("1.bln"), "Lotek A", 5);
        ZapiszBlankietTestowy(Plik("2.bln"), "Lotek B", 7);
        ZapiszBlankietTestowy(Plik("3.bln"), "Wolny", -1);
        ZapiszBlankietTestowy(Plik("4.bln"), "Lotek A", 0);
        ZapiszPlik(Plik("5.bln"), std::string(200, '\0')); // damaged: never listed
    }

    std::string Plik(const char* nazwa) const { return dane_.Plik(nazwa); }
    QString Dane() const { return QString::fromStdString(dane_.Sciezka().string()); }
    int32_t Kod(const char* nazwa) const { return CzytajNaglowekBlankietu(Plik(nazwa))->KodGry; }

    TKatalogTymczasowy dane_;
};

TEST_F(TfrmDodajDrTest, ListaZaznaczaBlankietyGry)
{
    TfrmDodajDr dialog(Dane(), 5, QStringLiteral("Lotek"));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Przypisanie blankietów do gry"));
    EXPECT_EQ(dialog.lblGra()->text(), QStringLiteral("Lotek"));
    EXPECT_EQ(dialog.property(WlasnoscKontekstuPomocy).toInt(), 1017);
    EXPECT_EQ(dialog.CLB1()->toolTip(), QString::fromUtf8("Zaznacz blankiet który ma być przypisany do gry"));
    ASSERT_EQ(dialog.CLB1()->count(), 4);
    const std::pair<const char*, Qt::CheckState> oczekiwane[] = {
        {"Lotek A", Qt::Checked}, {"Lotek B", Qt::Unchecked}, {"Wolny", Qt::Unchecked}, {"Lotek A", Qt::Unchecked}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dialog.CLB1()->item(i)->text(), QString::fromUtf8(oczekiwane[i].first)) << i;
        EXPECT_EQ(dialog.CLB1()->item(i)->checkState(), oczekiwane[i].second) << i;
    }
    EXPECT_EQ(dialog.CLB1()->item(1)->toolTip(), QStringLiteral("2.bln"));
}

TEST_F(TfrmDodajDrTest, OKPrzypisujeIZwalniaAnulujNieZmieniaNic)
{
    {
        TfrmDodajDr dialog(Dane(), 5, QStringLiteral("Lotek"));
        dialog.CLB1()->item(2)->setCheckState(Qt::Checked);
        dialog.CLB1()->item(0)->setCheckState(Qt::Unchecked);
        dialog.btnAnuluj()->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(Kod("1.bln"), 5);
    EXPECT_EQ(Kod("3.bln"), -1);

    const std::string uszkodzony = CzytajPlik(Plik("5.bln"));
    TfrmDodajDr dialog(Dane(), 5, QStringLiteral("Lotek"));
    dialog.CLB1()->item(0)->setCheckState(Qt::Unchecked); // both "Lotek A" follow the first entry
    dialog.CLB1()->item(3)->setCheckState(Qt::Checked);
    dialog.CLB1()->item(1)->setCheckState(Qt::Checked);   // taken from game 7
    dialog.btnOK()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Kod("1.bln"), -1);
    EXPECT_EQ(Kod("4.bln"), 0);
    EXPECT_EQ(Kod("2.bln"), 5);
    EXPECT_EQ(Kod("3.bln"), -1);
    EXPECT_EQ(CzytajPlik(Plik("5.bln")), uszkodzony);

    // The pool games' slips carry 1001.
    TfrmDodajDr pilkarskie(Dane(), KodBlankietuPilkarskiego, QString::fromUtf8("System piłkarski"));
    pilkarskie.CLB1()->item(2)->setCheckState(Qt::Checked);
    pilkarskie.btnOK()->click();
    EXPECT_EQ(Kod("3.bln"), 1001);
    EXPECT_EQ(Kod("2.bln"), 5);
}

TEST_F(TfrmDodajDrTest, BezBlankietowPustaLista)
{
    TKatalogTymczasowy pusty;
    TfrmDodajDr dialog(QString::fromStdString(pusty.Sciezka().string()), 5, QStringLiteral("Lotek"));
    EXPECT_EQ(dialog.CLB1()->count(), 0);
    dialog.btnOK()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace tarvomund
