#include "stats/TPoleceniaStatystyki.h"

#include "PomocnikiUI.h"
#include "app/TAkcjeGlowne.h"
#include "app/TPasekStanuSystemu.h"
#include "app/TfrmGlowne.h"
#include "model/PlikGry.h"
#include "stats/TWykres.h"
#include "stats/TfrmStatystyka1.h"
#include "tools/TfrmKolekcja01.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzekajAz;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;

// A main window over a catalogue of one 5-of-20 game with draws and one without.
class TPoleceniaStatystykiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        TObGraLista gra = testy::GraLosowa(20, 5, 120, 6);
        gra.Id = 1;
        gra.Nazwa = "Lotek";
        gra.Plik = (Dane() / "a.pl2").string();
        ASSERT_TRUE(UtworzPlikGry(gra));
        TObGraLista pusta = testy::Gra649((Dane() / "b.pl2").string());
        pusta.Nazwa = "Pusta";
        ASSERT_TRUE(UtworzPlikGry(pusta));
        glowne_ = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        glowne_->resize(1100, 760);
        glowne_->show();
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }
    TPoleceniaStatystyki& Polecenia() const { return glowne_->PoleceniaStatystyki(); }
    TfrmStatystyka1* Aktywna() const { return Polecenia().AktywnaStatystyka(); }
    int Okien() const { return static_cast<int>(glowne_->Obszar()->subWindowList().size()); }

    TKatalogTymczasowy katalog_;
    std::unique_ptr<TfrmGlowne> glowne_;
};

TEST_F(TPoleceniaStatystykiTest, NowaStatystykaZMenuGryIPoleceniaPaska)
{
    QMenu* gry = glowne_->Akcje().PrzyciskStatystyki()->menu();
    ASSERT_EQ(gry->actions().size(), 2);
    {
        // The per-game entry opens the parameters dialog; OK starts the statistic.
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        gry->actions().at(0)->trigger();
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Parametry statystyki"));
    }
    ASSERT_EQ(Okien(), 1);
    TfrmStatystyka1* okno = Aktywna();
    ASSERT_NE(okno, nullptr);
    ASSERT_TRUE(CzekajAz([okno] { return !okno->Obliczanie(); }));
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Lotek"));
    glowne_->Obszar()->activeSubWindow()->showMaximized();
    testy::Zrzut(*glowne_, "okno-glowne-statystyka");
    EXPECT_TRUE(glowne_->PasekStatystyki()->isVisible());
    EXPECT_EQ(glowne_->PasekStanu()->Tryb(), TPasekStanuSystemu::TTryb::Statystyka);
    EXPECT_EQ(glowne_->PasekStanu()->Wartosc(TPasekStanuSystemu::PoleRodzajStatystyki), okno->LiniaTytulu());
    EXPECT_TRUE(glowne_->Akcje().Akcja(P::Zapisz)->isEnabled());
    EXPECT_TRUE(glowne_->Akcje().Akcja(P::Drukuj)->isEnabled());
    EXPECT_FALSE(glowne_->Akcje().Akcja(P::Filtry)->isEnabled());
    // The strip starts with its start button, which drops down the games.
    EXPECT_EQ(glowne_->PasekStatystyki()->actions().front(), Polecenia().PrzyciskStart());
    EXPECT_EQ(Polecenia().PrzyciskStart()->menu(), gry);

    glowne_->Akcje().Akcja(P::StatSchodkowy)->trigger();
    EXPECT_EQ(okno->Chart1()->Dane().Typ, TTypWykresu::Schodkowy);
    glowne_->Akcje().Akcja(P::Stat3D)->trigger();
    EXPECT_TRUE(okno->Chart1()->Dane().Trojwymiarowy);
    glowne_->Akcje().Akcja(P::StatSortujWartosc)->trigger();
    EXPECT_TRUE(okno->Posortowany());
    glowne_->Akcje().Akcja(P::StatSortujNaturalnie)->trigger();
    EXPECT_FALSE(okno->Posortowany());
    glowne_->Akcje().Akcja(P::StatPowieksz)->trigger();
    EXPECT_NEAR(okno->Chart1()->Dane().Powiekszenie, 1.15, 1e-12);
    // "Parametry" reopens the dialog on this window; cancelling leaves it as it was.
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnAnuluj")});
        glowne_->Obszar()->setActiveSubWindow(glowne_->Obszar()->subWindowList().front());
        glowne_->Akcje().Akcja(P::StatParametry)->trigger();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(Okien(), 1);
    EXPECT_FALSE(okno->Obliczanie());
    glowne_->Akcje().Akcja(P::StatDoKolekcji)->trigger();
    EXPECT_EQ(glowne_->Kolekcja()->Drzewo()->topLevelItemCount(), 1);
}

TEST_F(TPoleceniaStatystykiTest, GraBezLosowanIAnulowanie)
{
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_EQ(Polecenia().NowaStatystyka(1), nullptr);
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Baza losowań jest pusta !"));
    }
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnAnuluj")});
        EXPECT_EQ(Polecenia().NowaStatystyka(0), nullptr);
    }
    EXPECT_EQ(Okien(), 0);
}

TEST_F(TPoleceniaStatystykiTest, OtwieraniePlikuStatystyki)
{
    TfrmStatystyka1* okno = nullptr;
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        okno = Polecenia().NowaStatystyka(0);
    }
    ASSERT_NE(okno, nullptr);
    ASSERT_TRUE(CzekajAz([okno] { return !okno->Obliczanie(); }));
    const QString plik = QString::fromStdString((Dane() / "lotek.st2").string());
    ASSERT_TRUE(okno->ZapiszDoPliku(plik));

    glowne_->OtworzPlik(plik);
    ASSERT_EQ(Okien(), 2);
    TfrmStatystyka1* otwarte = Aktywna();
    ASSERT_NE(otwarte, nullptr);
    ASSERT_NE(otwarte, okno);
    EXPECT_EQ(otwarte->Wyniki()[0].size(), okno->Wyniki()[0].size());
    EXPECT_EQ(otwarte->Chart1()->Dane().Tytul, okno->Chart1()->Dane().Tytul);
    EXPECT_FALSE(otwarte->Zapisany());

    // Another game's name: the file opens nothing and says nothing.
    TPlikStatystyki inna = *WczytajPlikStatystyki(plik.toStdString());
    inna.Gra.Nazwa = "Lotek stary";
    const QString innyPlik = QString::fromStdString((Dane() / "inna.st2").string());
    ASSERT_TRUE(ZapiszPlikStatystyki(innyPlik.toStdString(), inna));
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        glowne_->OtworzPlik(innyPlik);
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    }
    EXPECT_EQ(Okien(), 2);

    // A damaged file: the read error, no window.
    const std::string uszkodzony = (Dane() / "zly.st2").string();
    testy::ZapiszPlik(uszkodzony, testy::CzytajPlik(plik.toStdString()).substr(0, 1300));
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        glowne_->OtworzPlik(QString::fromStdString(uszkodzony));
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Błąd odczytu !"));
    }
    EXPECT_EQ(Okien(), 2);
}

} // namespace
} // namespace tarvomund
