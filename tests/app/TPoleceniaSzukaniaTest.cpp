#include "stats/TPoleceniaSzukania.h"

#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmNoweOkno.h"
#include "stats/TfrmSzukBaza.h"
#include "stats/TfrmSzukBazaL.h"
#include "stats/TfrmSzukLiczb.h"
#include "stats/TfrmSzukSys.h"
#include "systems/TfrmFiltr.h"
#include "systems/TfrmNumery.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"
#include "PomocnikiUI.h"
#include "TKolejkaOkien.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPdfWriter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzekajAz;
using testy::Los;
using testy::TKolejkaOkien;
using TBet = std::vector<int>;

class TPoleceniaSzukaniaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        TObGraLista gra = testy::Gra649((Dane() / "a.pl2").string());
        gra.Losowania = {Los({2001, 5, 12}, {4, 5, 6, 20, 33, 41}), Los({2001, 5, 16}, {1, 7, 12, 30, 40, 44}),
                         Los({2001, 5, 19}, {7, 12, 13, 14, 15, 49}), Los({2001, 5, 23}, {2, 9, 18, 27, 36, 45})};
        ASSERT_TRUE(UtworzPlikGry(gra));
        glowne_ = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        glowne_->resize(1000, 700);
        glowne_->show();
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }
    int Okien() const { return static_cast<int>(glowne_->Obszar()->subWindowList().size()); }

    TfrmNoweOkno* Otworz(const std::vector<TBet>& zaklady, int32_t n, const std::vector<int>& wlasne = {})
    {
        TInfoGryRec info = TInfoGryRec::DlaGry(glowne_->Katalog().Gra(0));
        info.n = n;
        info.k = static_cast<int32_t>(zaklady.front().size());
        info.Metoda = 0;
        for (std::size_t i = 0; i < wlasne.size(); ++i)
            info.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
        const std::string plik = katalog_.Plik("zrodlo.ss2");
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return glowne_->OtworzSystem(QString::fromStdString(plik));
    }

    // The window's bets in the numbers they show, once its computation ended.
    static std::vector<TBet> Liczby(TfrmNoweOkno* okno)
    {
        EXPECT_TRUE(CzekajAz([okno] { return !okno->Pracuje(); }));
        std::vector<TBet> zaklady;
        for (const TBet& zaklad : testy::CzytajSystemTestowy(okno->PlikTymczasowy().toStdString()).Zaklady) {
            TBet liczby;
            for (int p : zaklad)
                liczby.push_back(okno->Info().Wlasne[1][static_cast<std::size_t>(p - 1)]);
            zaklady.push_back(liczby);
        }
        return zaklady;
    }

    TfrmNoweOkno* Aktywny() const { return qobject_cast<TfrmNoweOkno*>(glowne_->Obszar()->activeSubWindow()->widget()); }

    testy::TKatalogTymczasowy katalog_;
    std::unique_ptr<TfrmGlowne> glowne_;
};

TEST_F(TPoleceniaSzukaniaTest, SzukanieLosowanZMenuGryDoNowegoOkna)
{
    // The first search of the run starts from criterion 1 and the game's whole history.
    TKolejkaOkien kolejka;
    kolejka.Potem<TfrmSzukBaza>([](TfrmSzukBaza* d) {
        EXPECT_EQ(d->Wybrane(), 1);
        EXPECT_EQ(d->OdDaty()->date(), QDate(2001, 5, 12));
        d->Wybierz(1);
        d->Strona(1)->findChild<QComboBox*>(QStringLiteral("Ilosc"))->setCurrentIndex(2);
        d->btnOK()->click();
    });
    glowne_->Akcje().MenuSzukajLosowan()->actions().at(0)->trigger();
    ASSERT_TRUE(kolejka.Gotowe());
    ASSERT_EQ(Okien(), 1);
    TfrmNoweOkno* okno = Aktywny();
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(okno->RodzajZadania(), TRodzajZadania::SzukajWBazie);
    EXPECT_EQ(Liczby(okno), (std::vector<TBet>{{4, 5, 6, 20, 33, 41}, {7, 12, 13, 14, 15, 49}}));
    // Numbered over the twelve numbers used; no method, so Start keeps the bets.
    EXPECT_EQ(okno->Info().n, 12);
    EXPECT_EQ(okno->Info().k, 6);
    EXPECT_EQ(okno->Info().Metoda, BrakMetody);
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<1>Lotto 6 z 49 6/12/2"));
    EXPECT_FALSE(okno->Zapisany());

    // The next search starts from the values the last one left; a cancelled one makes nothing.
    TKolejkaOkien druga;
    druga.Potem<TfrmSzukBaza>([](TfrmSzukBaza* d) {
        EXPECT_EQ(d->Strona(1)->findChild<QComboBox*>(QStringLiteral("Ilosc"))->currentText(), QStringLiteral("3"));
        d->btnAnuluj()->click();
    });
    // The toolbar's drop-down carries the same entries.
    glowne_->Akcje().PrzyciskLosowan()->menu()->actions().at(0)->trigger();
    EXPECT_TRUE(druga.Gotowe());
    EXPECT_EQ(Okien(), 1);
    EXPECT_EQ(glowne_->LicznikOkien(), 1);
}

TEST_F(TPoleceniaSzukaniaTest, SzukanieLiczbWBazieDajeZbiorySwojejWielkosci)
{
    TKolejkaOkien kolejka;
    kolejka.Potem<TfrmSzukBazaL>([](TfrmSzukBazaL* d) {
        d->Wybierz(10);
        d->Strona(10)->findChild<QComboBox*>(QStringLiteral("Ilosc"))->setCurrentIndex(1);
        d->zakresOd()->setCurrentIndex(6);
        d->zakresDo()->setCurrentIndex(11);
        d->btnOK()->click();
    });
    glowne_->Akcje().MenuSzukajLiczb()->actions().at(0)->trigger();
    ASSERT_TRUE(kolejka.Gotowe());
    TfrmNoweOkno* okno = Aktywny();
    ASSERT_NE(okno, nullptr);
    // The pairs of 7..12 never drawn together: only 7-12 was drawn.
    const std::vector<TBet> pary = Liczby(okno);
    EXPECT_EQ(pary.size(), 14u);
    EXPECT_EQ(pary.front(), (TBet{7, 8}));
    EXPECT_EQ(std::count(pary.begin(), pary.end(), TBet{7, 12}), 0);
    EXPECT_EQ(okno->Info().k, 2);
    EXPECT_EQ(okno->Info().Zakladow, 14);
}

TEST_F(TPoleceniaSzukaniaTest, FiltrZMenuWNowymOknieZrodloBezZmian)
{
    TfrmNoweOkno* zrodlo = Otworz({{1, 2, 3}, {1, 2, 4}, {2, 3, 4}, {3, 4, 5}}, 5, {10, 20, 31, 40, 55});
    const int32_t licznik = glowne_->LicznikOkien();
    // The menu item of filter 7 (tag 6) preselects it; the sums 61..100 go.
    TKolejkaOkien kolejka;
    kolejka.Potem<TfrmFiltr>([](TfrmFiltr* d) {
        EXPECT_EQ(d->Wybrane(), 7);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Filtruj - Lotto 6 z 49 - 3/5/4"));
        d->Strona(7)->findChild<QSpinBox*>(QStringLiteral("Spin071"))->setValue(100);
        d->Strona(7)->findChild<QSpinBox*>(QStringLiteral("Spin072"))->setValue(61);
        d->btnOK()->click();
    });
    glowne_->Akcje().Filtr(6)->trigger();
    ASSERT_TRUE(kolejka.Gotowe());
    TfrmNoweOkno* okno = Aktywny();
    ASSERT_NE(okno, zrodlo);
    EXPECT_EQ(okno->NrOkna(), licznik + 1);
    // The scratch file took the next number.
    EXPECT_EQ(glowne_->LicznikOkien(), licznik + 2);
    EXPECT_TRUE(fs::exists(PlikTymczasowy(Dane().string(), licznik + 2)));
    // Sums: 61, 70, 91, 126; 61 and 70 and 91 go.
    EXPECT_EQ(Liczby(okno), (std::vector<TBet>{{31, 40, 55}}));
    EXPECT_EQ(okno->Info().n, 5);
    EXPECT_EQ(okno->Info().Metoda, BrakMetody);
    EXPECT_EQ(okno->RodzajZadania(), TRodzajZadania::Filtr);
    EXPECT_TRUE(zrodlo->Zapisany());
    EXPECT_EQ(zrodlo->Info().Zakladow, 4);
    EXPECT_EQ(Liczby(zrodlo).size(), 4u);

    // The toolbar button keeps the last choice; a cancelled dialog makes no window.
    glowne_->Obszar()->setActiveSubWindow(glowne_->Obszar()->subWindowList().front());
    TKolejkaOkien druga;
    druga.Potem<TfrmFiltr>([](TfrmFiltr* d) {
        EXPECT_EQ(d->Wybrane(), 7);
        EXPECT_EQ(d->Strona(7)->findChild<QSpinBox*>(QStringLiteral("Spin071"))->value(), 100);
        d->btnAnuluj()->click();
    });
    glowne_->Akcje().FiltryPrzycisk()->trigger();
    EXPECT_TRUE(druga.Gotowe());
    EXPECT_EQ(Okien(), 2);
}

TEST_F(TPoleceniaSzukaniaTest, SzukanieWSystemieZachowujeLiczbyWlasne)
{
    // Positions 1..4 stand for 7, 8, 9 and 30: bet 1 2 3 shows a run of three.
    TfrmNoweOkno* zrodlo = Otworz({{2, 3, 4}, {1, 2, 3}, {1, 3, 4}}, 4, {7, 8, 9, 30});
    TKolejkaOkien kolejka;
    kolejka.Potem<TfrmSzukSys>([](TfrmSzukSys* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Szukaj - Lotto 6 z 49 - 3/4/3"));
        d->Wybierz(1);
        d->Strona(1)->findChild<QComboBox*>(QStringLiteral("Ilosc"))->setCurrentIndex(2);
        d->btnOK()->click();
    });
    glowne_->Akcje().Akcja(P::SzukajWSystemie)->trigger();
    ASSERT_TRUE(kolejka.Gotowe());
    TfrmNoweOkno* okno = Aktywny();
    ASSERT_NE(okno, zrodlo);
    EXPECT_EQ(Liczby(okno), (std::vector<TBet>{{7, 8, 9}}));
    EXPECT_EQ(okno->Grid1()->item(1, 1)->text(), QStringLiteral("7"));
    EXPECT_EQ(okno->Info().Wlasne[1][3], 30);
    EXPECT_EQ(okno->RodzajZadania(), TRodzajZadania::SzukajWSystemie);
}

TEST_F(TPoleceniaSzukaniaTest, SzukanieZadanychLiczbTabelaIWydruk)
{
    glowne_->Akcje().Akcja(P::SzukajZadanych)->menu()->actions().at(0)->trigger();
    auto* okno = qobject_cast<TfrmSzukLiczb*>(glowne_->Obszar()->activeSubWindow()->widget());
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Wyszukiwanie losowań - Lotto 6 z 49"));
    EXPECT_EQ(okno->spIlosc()->maximum(), 6);
    // The given-numbers window is printed by the main window's Print.
    EXPECT_TRUE(glowne_->Akcje().Akcja(P::Drukuj)->isEnabled());
    EXPECT_FALSE(glowne_->Akcje().Akcja(P::Zapisz)->isEnabled());

    okno->spIlosc()->setValue(2);
    TKolejkaOkien kolejka;
    kolejka.Potem<TfrmNumery>([](TfrmNumery* d) {
        EXPECT_FALSE(d->btnWylosuj()->isVisible());
        EXPECT_FALSE(d->btnKolekcja()->isVisible());
        EXPECT_EQ(d->Cel(), 2);
        d->Przycisk(12)->click();
        d->Przycisk(7)->click();
        d->btnOK()->click();
    });
    okno->btnStart()->click();
    ASSERT_TRUE(kolejka.Gotowe());
    EXPECT_EQ(okno->Szukane(), (std::vector<int>{7, 12}));
    QTableWidget* tabela = okno->Sg1();
    ASSERT_EQ(tabela->rowCount(), 3);
    EXPECT_EQ(tabela->item(0, 3)->text(), QStringLiteral("7,12"));
    EXPECT_EQ(tabela->item(1, 1)->text(), QStringLiteral("Śr - 16.05.2001"));
    EXPECT_EQ(tabela->item(2, 2)->text(), QStringLiteral("110"));
    EXPECT_EQ(tabela->item(2, 3)->text(), QStringLiteral("7,12,13,14,15,49"));
    EXPECT_TRUE(okno->btnStart()->isEnabled());
    EXPECT_EQ(okno->WierszeWydruku().size(), 3);
    EXPECT_EQ(okno->WierszeWydruku().front(), QStringLiteral("[>> 7,12 <<]"));
    QPdfWriter pdf(QString::fromStdString(katalog_.Plik("wydruk.pdf")));
    EXPECT_EQ(okno->DrukujNa(pdf), 1);

    // Nothing found: the heading and one empty row.
    okno->Szukaj({1, 2});
    ASSERT_EQ(tabela->rowCount(), 2);
    EXPECT_TRUE(tabela->item(1, 0)->text().isEmpty());
}

} // namespace
} // namespace tarvomund
