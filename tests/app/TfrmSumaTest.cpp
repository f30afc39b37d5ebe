#include "systems/TfrmSuma.h"

#include "app/KontekstPomocy.h"
#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmNowy.h"
#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmNoweOkno.h"
#include "systems/Kombinatoryka.h"
#include "systems/TGenSys01.h"
#include "systems/TPoleceniaSystemow.h"
#include "systems/TfrmParam.h"
#include "systems/TfrmRozp.h"
#include "systems/TfrmWlasne.h"
#include "tools/TKolekcja.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"
#include "PomocnikiUI.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzekajAz;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;
using TBet = std::vector<int>;

TObGraLista Gra(const std::string& plik, int32_t id, const std::string& nazwa, int32_t liczb, int32_t losowanych)
{
    TObGraLista gra;
    gra.Plik = plik;
    gra.Id = id;
    gra.KodGry = id;
    gra.Nazwa = nazwa;
    gra.MinSkreslen = losowanych;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = losowanych;
    gra.IleLiczb = liczb;
    gra.IleLosowanych = losowanych;
    gra.IlePoziomo = 7;
    gra.IlePionowo = 7;
    return gra;
}

TSystemDoZlozenia Opis(const char* tytul, int32_t liczb, int32_t losowanych)
{
    TSystemDoZlozenia system{QString::fromUtf8(tytul), {}};
    system.Info = TInfoGryRec::DlaGry(Gra({}, 1, "gra", liczb, losowanych));
    return system;
}

TEST(TfrmSuma, WzorzecListaITrybSumy)
{
    // Handed in unsorted: the list shows them by caption.
    TfrmSuma dialog({Opis("<3>Lotto", 49, 6), Opis("<1>Lotto", 49, 6), Opis("<2>Mini", 42, 5), Opis("<4>Lotto", 49, 6)});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("+"));
    EXPECT_EQ(dialog.property(WlasnoscKontekstuPomocy).toInt(), 1031);
    QListWidget* CLB1 = dialog.CLB1();
    ASSERT_EQ(CLB1->count(), 4);
    EXPECT_EQ(CLB1->item(0)->text(), QStringLiteral("<1>Lotto"));
    EXPECT_EQ(CLB1->item(2)->text(), QStringLiteral("<3>Lotto"));
    EXPECT_TRUE(dialog.rbDodaj()->isChecked());
    EXPECT_EQ(dialog.rbDodaj()->text(), QStringLiteral("Dodaj systemy"));
    EXPECT_EQ(dialog.rbOdejmij()->text(), QStringLiteral("Odejmij systemy"));
    EXPECT_TRUE(dialog.Dodaj());

    // The first checked is the reference; another game's system cannot join it, the same game's can.
    CLB1->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.Wzorzec(), 0);
    CLB1->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(CLB1->item(1)->checkState(), Qt::Unchecked);
    CLB1->item(0)->setCheckState(Qt::Checked);
    CLB1->item(3)->setCheckState(Qt::Checked);
    // In list order, as indexes of the systems handed in.
    EXPECT_EQ(dialog.Zaznaczone(), (std::vector<int>{1, 0, 3}));

    // With nothing checked the reference goes; the other game may then lead.
    for (int i : {0, 2, 3})
        CLB1->item(i)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(dialog.Wzorzec(), -1);
    CLB1->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.Wzorzec(), 2);
    CLB1->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(CLB1->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialog.Zaznaczone(), (std::vector<int>{2}));

    dialog.rbOdejmij()->click();
    EXPECT_FALSE(dialog.Dodaj());
    dialog.btnOK()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(TfrmSuma, OKBezZaznaczeniaToAnulowanie)
{
    TfrmSuma dialog({Opis("<1>Lotto", 49, 6)});
    dialog.setResult(-1);
    dialog.btnOK()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// The commands over open system windows: own numbers, distribution, sums and composites.
class TPoleceniaSystemowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        ASSERT_TRUE(UtworzPlikGry(Gra((Dane() / "a.pl2").string(), 1, "Lotto 6 z 49", 49, 6)));
        ASSERT_TRUE(UtworzPlikGry(Gra((Dane() / "b.pl2").string(), 2, "Duża gra", 150, 6)));
        glowne_ = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        glowne_->resize(1000, 700);
        glowne_->show();
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }

    // Opens a system of the game (by catalogue index) written with these bets and own numbers.
    TfrmNoweOkno* Otworz(const std::string& nazwa, std::size_t gra, int32_t n, int32_t k, const std::vector<TBet>& zaklady,
                         const std::vector<int>& wlasne = {}, int32_t metoda = 2, std::initializer_list<int> pewne = {})
    {
        TInfoGryRec info = TInfoGryRec::DlaGry(glowne_->Katalog().Gra(gra));
        info.n = n;
        info.k = k;
        info.Metoda = metoda;
        for (std::size_t i = 0; i < wlasne.size(); ++i)
            info.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
        for (int p : pewne)
            info.Wlasne[2][static_cast<std::size_t>(p - 1)] = ZnakPewnejPozycji;
        const std::string plik = katalog_.Plik(nazwa);
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return glowne_->OtworzSystem(QString::fromStdString(plik));
    }

    // A window busy with a long generation (every 6 of 49); the caller stops it.
    TfrmNoweOkno* Zajety()
    {
        TfrmNoweOkno* okno = Otworz("zajety.ss2", 0, 6, 6, {{1, 2, 3, 4, 5, 6}});
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* dialog = qobject_cast<TfrmParam*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->spLiczb()->setValue(49);
            dialog->spZakladow()->setValue(TfrmParam::MaxZakladow);
            dialog->btnOk()->click();
        }});
        glowne_->ParametrySystemu();
        EXPECT_TRUE(okno->Pracuje());
        return okno;
    }

    static void Zatrzymaj(TfrmNoweOkno* okno)
    {
        okno->Przerwij();
        ASSERT_TRUE(CzekajAz([okno] { return !okno->Pracuje(); }));
    }

    TfrmNoweOkno* Aktywny() const { return qobject_cast<TfrmNoweOkno*>(glowne_->Obszar()->activeSubWindow()->widget()); }

    // The bets of a window's file in the numbers it shows.
    static std::vector<TBet> Zaklady(const TfrmNoweOkno& okno)
    {
        TCzytnikSystemu czytnik(okno.PlikTymczasowy().toStdString());
        EXPECT_TRUE(czytnik.Otwarty());
        std::vector<TBet> zaklady;
        if (!czytnik.Otwarty())
            return zaklady;
        const TInfoGryRec& info = czytnik.Naglowek().Info;
        for (const auto& rekord : czytnik.Zaklady(1, info.Zakladow)) {
            TBet zaklad;
            for (int j = 0; j < info.k; ++j)
                zaklad.push_back(info.Wlasne[1][rekord[static_cast<std::size_t>(j)] - 1u]);
            zaklady.push_back(zaklad);
        }
        return zaklady;
    }

    static QString Wiersz(const TfrmNoweOkno& okno, int wiersz)
    {
        QStringList liczby;
        for (int c = 1; c < okno.Grid1()->columnCount(); ++c)
            liczby << okno.Grid1()->item(wiersz, c)->text();
        return liczby.join(QLatin1Char(' '));
    }

    int Okien() const { return static_cast<int>(glowne_->Obszar()->subWindowList().size()); }

    TKatalogTymczasowy katalog_;
    std::unique_ptr<TfrmGlowne> glowne_;
};

TEST_F(TPoleceniaSystemowTest, ZlozenieZOknaNowy)
{
    TfrmNoweOkno* a = Otworz("a.ss2", 0, 4, 2, {{1, 2}, {1, 3}, {3, 4}}, {11, 12, 13, 14});
    TfrmNoweOkno* b = Otworz("b.ss2", 0, 3, 2, {{1, 2}, {2, 3}}, {21, 22, 23});
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* nowy = qobject_cast<TfrmNowy*>(w);
        ASSERT_NE(nowy, nullptr);
        nowy->UstawZakladke(TfrmNowy::TZakladka::SystemyZlozone);
        QListWidget* lista = nowy->Lista(TfrmNowy::TZakladka::SystemyZlozone);
        ASSERT_EQ(lista->count(), 2);
        lista->item(0)->setCheckState(Qt::Checked);
        lista->item(1)->setCheckState(Qt::Checked);
        nowy->PrzyciskOK()->click();
    }});
    glowne_->Akcje().Akcja(P::Nowy)->trigger();
    ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
    ASSERT_EQ(Okien(), 3);
    TfrmNoweOkno* okno = Aktywny();
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(okno->Zlozony());
    EXPECT_EQ(okno->SystemA(), a);
    EXPECT_EQ(okno->SystemB(), b);
    ASSERT_TRUE(CzekajAz([okno] { return !okno->Pracuje(); }));

    // 3 × 2 bets of 2 + 2 numbers over 4 + 3 positions; the first is A's first and B's first shifted by 4.
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<3>Lotto 6 z 49 4/7/6"));
    EXPECT_EQ(okno->Info().Metoda, 0);
    EXPECT_EQ(okno->Info().Gwarancja, 0);
    EXPECT_EQ(okno->Info().Zakladow, 6);
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("1 2 5 6"));
    EXPECT_EQ(Wiersz(*okno, 6), QStringLiteral("3 4 6 7"));
    EXPECT_EQ(Zaklady(*okno), (std::vector<TBet>{{1, 2, 5, 6}, {1, 2, 6, 7}, {1, 3, 5, 6}, {1, 3, 6, 7},
                                                 {3, 4, 5, 6}, {3, 4, 6, 7}}));
    EXPECT_EQ(okno->Info().Wystapienia[5], 6);
    // The sources are untouched.
    EXPECT_TRUE(a->Zapisany());
    EXPECT_EQ(a->Info().Zakladow, 3);
}

TEST_F(TPoleceniaSystemowTest, ZaDuzeZlozenieOdmowioneZanimCokolwiekPowstanie)
{
    struct TPrzypadek {
        const char* Opis;
        std::size_t Gra;
        int32_t nA;
        int32_t nB;
        const char* Komunikat;
    };
    const TPrzypadek przypadki[] = {
        {"past the game's 49 numbers", 0, 25, 25, "System złożony miałby więcej liczb niż gra !"},
        {"past 120 numbers", 1, 70, 60, "System złożony miałby więcej niż 120 liczb !"},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TfrmNoweOkno* a = Otworz("a.ss2", p.Gra, p.nA, 2, {{1, 2}});
        TfrmNoweOkno* b = Otworz("b.ss2", p.Gra, p.nB, 2, {{1, 2}});
        const int okien = Okien();
        const int32_t licznik = glowne_->LicznikOkien();
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_EQ(glowne_->PoleceniaSystemow().Zloz(*a, *b), nullptr);
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QString::fromUtf8(p.Komunikat)});
        EXPECT_EQ(Okien(), okien);
        EXPECT_EQ(glowne_->LicznikOkien(), licznik);
        EXPECT_FALSE(fs::exists(PlikTymczasowy(Dane().string(), licznik + 1)));
    }

    // A source still generating has no file to read yet.
    TfrmNoweOkno* a = Otworz("a.ss2", 0, 4, 2, {{1, 2}});
    TfrmNoweOkno* zajety = Zajety();
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_EQ(glowne_->PoleceniaSystemow().Zloz(*a, *zajety), nullptr);
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Musisz zatrzymać generację systemu !")});
    }
    Zatrzymaj(zajety);
}

TEST_F(TPoleceniaSystemowTest, SumaIRoznicaWNowymOknie)
{
    TfrmNoweOkno* a = Otworz("a.ss2", 0, 6, 3, {{1, 2, 3}, {1, 4, 6}, {2, 3, 5}, {4, 5, 6}}, {8, 3, 17, 40, 5, 22});
    TfrmNoweOkno* kopia = Otworz("a.ss2", 0, 6, 3, {{1, 2, 3}, {1, 4, 6}, {2, 3, 5}, {4, 5, 6}}, {8, 3, 17, 40, 5, 22});
    TfrmNoweOkno* zajety = Zajety();
    const std::vector<TBet> oryginal{{3, 5, 17}, {3, 8, 17}, {5, 22, 40}, {8, 22, 40}};

    for (const bool dodaj : {true, false}) {
        SCOPED_TRACE(dodaj ? "sum" : "difference");
        // The command belongs to an idle system window.
        glowne_->Obszar()->setActiveSubWindow(glowne_->Obszar()->subWindowList().front());
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<TfrmSuma*>(w);
            ASSERT_NE(dialog, nullptr);
            // Only the idle systems are offered, by caption.
            ASSERT_GE(dialog->CLB1()->count(), 2);
            EXPECT_TRUE(dialog->CLB1()->findItems(zajety->windowTitle(), Qt::MatchExactly).isEmpty());
            EXPECT_EQ(dialog->CLB1()->item(0)->text(), a->windowTitle());
            EXPECT_EQ(dialog->CLB1()->item(1)->text(), kopia->windowTitle());
            dialog->CLB1()->item(0)->setCheckState(Qt::Checked);
            dialog->CLB1()->item(1)->setCheckState(Qt::Checked);
            if (!dodaj)
                dialog->rbOdejmij()->click();
            dialog->btnOK()->click();
        }});
        glowne_->Akcje().Akcja(P::SumujSystemy)->trigger();
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        TfrmNoweOkno* okno = Aktywny();
        ASSERT_NE(okno, nullptr);
        ASSERT_NE(okno, a);
        EXPECT_EQ(okno->TrybSumy(), dodaj ? TTrybSumy::Suma : TTrybSumy::Roznica);
        EXPECT_EQ(okno->ListaSumowanych().size(), 2u);
        ASSERT_TRUE(CzekajAz([okno] { return !okno->Pracuje(); }));
        EXPECT_EQ(okno->Info().Metoda, BrakMetody);
        // Renumbered over the numbers used, ascending.
        EXPECT_EQ(okno->Info().n, 6);
        EXPECT_EQ(std::vector<int>(okno->Info().Wlasne[1].begin(), okno->Info().Wlasne[1].begin() + 6),
                  (std::vector<int>{3, 5, 8, 17, 22, 40}));
        if (dodaj) {
            // The system once, in ascending order.
            EXPECT_EQ(okno->Info().Zakladow, 4);
            EXPECT_EQ(Zaklady(*okno), oryginal);
            EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("3 5 17"));
            EXPECT_TRUE(okno->Scroll()->isEnabled());
            // Start has no method to run and keeps the bets.
            ASSERT_TRUE(glowne_->Akcje().Akcja(P::Start)->isEnabled());
            glowne_->Akcje().Akcja(P::Start)->trigger();
            EXPECT_FALSE(okno->Pracuje());
            EXPECT_EQ(Zaklady(*okno).size(), 4u);
        } else {
            EXPECT_EQ(okno->Info().Zakladow, 0);
            EXPECT_TRUE(Zaklady(*okno).empty());
            EXPECT_FALSE(okno->Scroll()->isEnabled());
        }
    }
    EXPECT_EQ(kopia->Info().Zakladow, 4);
    Zatrzymaj(zajety);
}

TEST_F(TPoleceniaSystemowTest, SumaOdmawiaInnegoK)
{
    Otworz("a.ss2", 0, 6, 3, {{1, 2, 3}});
    Otworz("b.ss2", 0, 6, 2, {{1, 2}});
    const int okien = Okien();
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
                                auto* dialog = qobject_cast<TfrmSuma*>(w);
                                ASSERT_NE(dialog, nullptr);
                                dialog->CLB1()->item(0)->setCheckState(Qt::Checked);
                                dialog->CLB1()->item(1)->setCheckState(Qt::Checked);
                                dialog->btnOK()->click();
                            },
                            TOdpowiedzi::Przycisk("btnOK")});
    EXPECT_EQ(glowne_->PoleceniaSystemow().SumujSystemy(), nullptr);
    EXPECT_EQ(odpowiedzi.Teksty().value(1), QStringLiteral("Systemy mają różne ilości liczb w zakładzie !"));
    EXPECT_EQ(Okien(), okien);
}

TEST_F(TPoleceniaSystemowTest, WlasneLiczbyZapisujaBlokWPliku)
{
    // n = 12, k = 6, balanced method, 7 bets, positions 1 and 3 sure.
    std::vector<TBet> zaklady;
    for (int b = 1; b <= 7; ++b)
        zaklady.push_back({1, 3, b + 3, 11, 12, 2});
    for (TBet& z : zaklady)
        std::sort(z.begin(), z.end());
    TfrmNoweOkno* okno = Otworz("a.ss2", 0, 12, 6, zaklady, {}, 1, {1, 3});
    ASSERT_TRUE(okno->Zapisany());
    const std::vector<int> nowe{40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 30, 31};

    // Cancelled: nothing changes.
    {
        TOdpowiedzi anuluj({TOdpowiedzi::Odrzuc()});
        glowne_->Akcje().Akcja(P::WlasneLiczby)->trigger();
        EXPECT_EQ(anuluj.Obsluzonych(), 1);
        EXPECT_TRUE(okno->Zapisany());
    }
    TOdpowiedzi odpowiedzi({[&nowe](QWidget* w) {
        auto* dialog = qobject_cast<TfrmWlasne*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->lblMaxPew()->text(), QStringLiteral("Max pew. 4"));
        dialog->Podstaw(nowe);
        dialog->btnOK()->click();
    }});
    glowne_->Akcje().Akcja(P::WlasneLiczby)->trigger();
    ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
    EXPECT_FALSE(okno->Zapisany());
    for (std::size_t i = 0; i < nowe.size(); ++i)
        EXPECT_EQ(okno->Info().Wlasne[1][i], nowe[i]) << i;
    EXPECT_EQ(okno->Info().Wlasne[2][0], ZnakPewnejPozycji);
    EXPECT_EQ(okno->Info().Wlasne[2][2], ZnakPewnejPozycji);
    EXPECT_EQ(okno->Info().Wlasne[2][1], 0);
    // The header's block of the temporary file follows, and the rows show the new numbers.
    const auto naglowek = CzytajNaglowekSystemu(okno->PlikTymczasowy().toStdString());
    ASSERT_TRUE(naglowek);
    EXPECT_EQ(naglowek->Info.Wlasne, okno->Info().Wlasne);
    EXPECT_EQ(naglowek->Info.Zakladow, 7);
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("40 41 42 43 30 31"));

    // A busy window is left alone: no dialog.
    TfrmNoweOkno* zajety = Zajety();
    {
        TOdpowiedzi brak({TOdpowiedzi::Odrzuc()});
        glowne_->PoleceniaSystemow().WlasneLiczby();
        EXPECT_EQ(brak.Obsluzonych(), 0);
    }
    Zatrzymaj(zajety);
}

TEST_F(TPoleceniaSystemowTest, RozkladWOknieINFO)
{
    // Ten bets in which the number 7 (position 2) occurs four times.
    std::vector<TBet> zaklady;
    for (int b = 1; b <= 10; ++b)
        zaklady.push_back(b <= 4 ? TBet{1, 2, 3} : TBet{1, 3, 4});
    Otworz("a.ss2", 0, 4, 3, zaklady, {5, 7, 9, 11});
    glowne_->Akcje().Akcja(P::Rozklad)->trigger();
    auto* rozklad = qobject_cast<TfrmRozp*>(glowne_->Obszar()->activeSubWindow()->widget());
    ASSERT_NE(rozklad, nullptr);
    EXPECT_EQ(rozklad->Wiersze().value(4), QStringLiteral("[  7] -      4     40.000 %"));
    EXPECT_EQ(rozklad->Wiersze().value(1), QStringLiteral("System 3/4/10"));
    // Printing is the distribution window's own; its file commands are off.
    EXPECT_TRUE(glowne_->Akcje().Akcja(P::Drukuj)->isEnabled());
    EXPECT_FALSE(glowne_->Akcje().Akcja(P::Zapisz)->isEnabled());
    EXPECT_FALSE(glowne_->Akcje().Akcja(P::Rozklad)->isEnabled());
}

TEST_F(TPoleceniaSystemowTest, KolekcjaGlownegoOknaTrafiaDoWyboru)
{
    // The picker of the own-numbers dialog takes the collection window's marked numbers.
    TKolekcja* panel = glowne_->findChild<TKolekcja*>();
    ASSERT_NE(panel, nullptr);
    for (int liczba : {9, 8, 7, 6})
        panel->Dodaj(liczba, 0, true);
    Otworz("a.ss2", 0, 4, 2, {{1, 2}});
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
                                auto* dialog = qobject_cast<TfrmWlasne*>(w);
                                ASSERT_NE(dialog, nullptr);
                                dialog->btnPodstaw()->click();
                                dialog->btnOK()->click();
                            },
                            [](QWidget* w) {
                                auto* numery = qobject_cast<TfrmNumery*>(w);
                                ASSERT_NE(numery, nullptr);
                                numery->btnKolekcja()->click();
                                numery->btnOK()->click();
                            },
                            TOdpowiedzi::Przycisk("btnTak")});
    glowne_->Akcje().Akcja(P::WlasneLiczby)->trigger();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 3);
    TfrmNoweOkno* okno = Aktywny();
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(std::vector<int>(okno->Info().Wlasne[1].begin(), okno->Info().Wlasne[1].begin() + 4),
              (std::vector<int>{9, 8, 7, 6}));
}

} // namespace
} // namespace tarvomund
