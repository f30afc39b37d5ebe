#include "systems/TfrmOptymalizuj.h"

#include "app/KontekstPomocy.h"
#include "app/TAkcjeGlowne.h"
#include "app/TPasekStanuSystemu.h"
#include "app/TWlaczaniePolecen.h"
#include "app/TfrmGlowne.h"
#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "model/TfrmNoweOkno.h"
#include "systems/Metody.h"
#include "systems/ParametryPokrycia.h"
#include "systems/RekordyPokrycUI.h"
#include "systems/TPanelRekordu.h"
#include "systems/TPoleceniaSystemow.h"
#include "systems/TfrmParam.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"
#include "PomocnikiUI.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>

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

constexpr const char* TablicaRekordow = "v,k,t,best_known,lower_bound\n7,3,2,7,7\n12,6,3,15,15\n";

TObGraLista Gra(const std::string& plik)
{
    TObGraLista gra;
    gra.Plik = plik;
    gra.Id = 1;
    gra.KodGry = 1;
    gra.Nazwa = "Lotto 6 z 49";
    gra.MinSkreslen = 1;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = 6;
    gra.IleLiczb = 49;
    gra.IleLosowanych = 6;
    return gra;
}

std::vector<TBet> WszystkieTrojki(int n)
{
    std::vector<TBet> trojki;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            for (int c = b + 1; c <= n; ++c)
                trojki.push_back({a, b, c});
    return trojki;
}

// The best known figures come from a small table the tests write themselves.
class TfrmOptymalizujTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        testy::ZapiszPlik((Dane() / NazwaPlikuRekordow).string(), TablicaRekordow);
        UstawPlikRekordow(QString::fromStdString((Dane() / NazwaPlikuRekordow).string()));
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }

    // A system file of a game of 49 numbers with these bets.
    std::string System(const std::string& nazwa, int n, int k, const std::vector<TBet>& zaklady, int metoda = 2,
                       int gwarancja = 0)
    {
        TInfoGryRec info = TInfoGryRec::DlaGry(Gra({}));
        info.n = n;
        info.k = k;
        info.Metoda = metoda;
        info.Gwarancja = gwarancja;
        const std::string plik = katalog_.Plik(nazwa);
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return plik;
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(TfrmOptymalizujTest, ParametryPokazujaNajlepszyZnanyDlaMetodyGwarancyjnej)
{
    TfrmParam dialog;
    TInfoGryRec info = TInfoGryRec::DlaGry(Gra({}));
    info.n = 12;
    info.k = 6;
    info.Zakladow = 1;
    info.Metoda = static_cast<int32_t>(TMetoda::Gwarancyjna);
    info.Gwarancja = 2;
    dialog.Ustaw(info);
    TPanelRekordu* panel = dialog.PanelRekordu();
    EXPECT_FALSE(panel->stNajlepszy()->isHidden());
    EXPECT_EQ(panel->stNajlepszy()->text(), QStringLiteral("15"));
    EXPECT_EQ(panel->stDolne()->text(), QStringLiteral("15"));
    EXPECT_FALSE(dialog.Optymalizuj());
    panel->chkOptymalizuj()->setChecked(true);
    EXPECT_TRUE(dialog.Optymalizuj());

    // No line for 13 numbers: the computed bound L(13,6,3) = 18 stands alone.
    dialog.spLiczb()->setValue(13);
    EXPECT_EQ(panel->stNajlepszy()->text(), QStringLiteral("brak w tablicy"));
    EXPECT_EQ(panel->stDolne()->text(), QStringLiteral("18"));
    // The guarantee level picks the line: 2 of 12 by 6 is not in the table, 3 of 12 is.
    dialog.spLiczb()->setValue(12);
    dialog.cbGwar()->setCurrentIndex(1);
    EXPECT_EQ(panel->stNajlepszy()->text(), QStringLiteral("brak w tablicy"));
    dialog.cbGwar()->setCurrentIndex(2);
    EXPECT_EQ(panel->stNajlepszy()->text(), QStringLiteral("15"));

    // Another method hides the rows, and the option with them.
    dialog.cbMetoda()->setCurrentIndex(static_cast<int>(TMetoda::Pelna));
    EXPECT_TRUE(panel->stNajlepszy()->isHidden());
    EXPECT_TRUE(panel->chkOptymalizuj()->isHidden());
    EXPECT_FALSE(dialog.Optymalizuj());
}

TEST_F(TfrmOptymalizujTest, DialogOptymalizujeIZostawiaZrodlo)
{
    const std::string plik = System("trojki.ss2", 7, 3, WszystkieTrojki(7));
    const std::string przed = testy::CzytajPlik(plik);
    TfrmOptymalizuj dialog;
    ASSERT_TRUE(dialog.Wczytaj(QString::fromStdString(plik), QStringLiteral("<1>Lotto 6 z 49 3/7/35")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Optymalizuj system <1>Lotto 6 z 49 3/7/35"));
    EXPECT_EQ(dialog.property(WlasnoscKontekstuPomocy).toInt(), KontekstOptymalizacji);
    EXPECT_EQ(TematKontekstu(KontekstOptymalizacji), QStringLiteral("IdOptSys"));
    // A random system: three if three, as far as k allows.
    EXPECT_EQ(dialog.spT()->value(), 3);
    EXPECT_EQ(dialog.spT()->maximum(), 3);
    EXPECT_EQ(dialog.spM()->maximum(), 7);
    EXPECT_EQ(dialog.spCzas()->value(), TfrmOptymalizuj::DomyslnyCzas);

    dialog.spT()->setValue(2);
    EXPECT_EQ(dialog.spM()->minimum(), 2);
    dialog.spM()->setValue(2);
    EXPECT_EQ(dialog.stNajlepszy()->text(), QStringLiteral("7"));
    EXPECT_EQ(dialog.stDolne()->text(), QStringLiteral("7"));
    dialog.spM()->setValue(3);
    EXPECT_EQ(dialog.stNajlepszy()->text(), QStringLiteral("nie dotyczy (t < m)"));
    dialog.spM()->setValue(2);

    // The lower bound is reached at once: the dialog closes with the Fano plane.
    dialog.show();
    dialog.btnStart()->click();
    ASSERT_TRUE(CzekajAz([&] { return !dialog.Pracuje(); }));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.Wynik());
    EXPECT_EQ(dialog.Wynik()->size(), 7u);
    EXPECT_EQ(PoliczDziury({7, 3, 2, 2}, *dialog.Wynik()), std::optional<uint64_t>(0));
    EXPECT_EQ(dialog.lblWynik()->text(), QStringLiteral("Najlepszy wynik: 7 zakładów"));
    EXPECT_EQ(testy::CzytajPlik(plik), przed);
}

TEST_F(TfrmOptymalizujTest, ZamkniecieCzekaNaStop)
{
    // 3 if 4 has no bound the run could reach: it takes its whole time unless stopped.
    const std::string plik = System("k.ss2", 12, 6, {{1, 2, 3, 4, 5, 6}}, static_cast<int>(TMetoda::Gwarancyjna), 2);
    TfrmOptymalizuj dialog;
    ASSERT_TRUE(dialog.Wczytaj(QString::fromStdString(plik), QStringLiteral("x")));
    EXPECT_EQ(dialog.spT()->value(), 3); // the system's own guarantee
    dialog.spM()->setValue(4);
    dialog.spCzas()->setValue(TfrmOptymalizuj::MaxCzas);
    dialog.show();
    dialog.Start();
    ASSERT_TRUE(dialog.Pracuje());
    EXPECT_FALSE(dialog.btnZamknij()->isEnabled());
    EXPECT_FALSE(dialog.spT()->isEnabled());
    EXPECT_TRUE(dialog.btnStop()->isEnabled());
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    dialog.btnStop()->click();
    ASSERT_TRUE(CzekajAz([&] { return !dialog.Pracuje(); }));
    ASSERT_TRUE(dialog.Wynik());
    EXPECT_EQ(PoliczDziury({12, 6, 3, 4}, *dialog.Wynik()), std::optional<uint64_t>(0));
}

TEST_F(TfrmOptymalizujTest, ZbytDuzySystemIZleParametry)
{
    // k beyond what the optimiser takes.
    const std::string plik = System("duzy.ss2", 40, 33, {{}}, 0);
    TfrmOptymalizuj dialog;
    ASSERT_TRUE(dialog.Wczytaj(QString::fromStdString(plik), QStringLiteral("x")));
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
    dialog.Start();
    EXPECT_FALSE(dialog.Pracuje());
    ASSERT_EQ(odpowiedzi.Teksty().size(), 1);
    EXPECT_EQ(odpowiedzi.Teksty().front(), QStringLiteral("Optymalizacja obejmuje zakłady najwyżej 32 liczb !"));

    TOdpowiedzi brak({TOdpowiedzi::Przycisk("btnOK")});
    TfrmOptymalizuj drugi;
    EXPECT_FALSE(drugi.Wczytaj(QString::fromStdString(katalog_.Plik("brak.ss2")), QStringLiteral("x")));
    EXPECT_EQ(brak.Obsluzonych(), 1);
}

TEST(TWlaczaniePolecenOptymalizacji, TylkoBezczynnySystemLiczbowy)
{
    TStanAktywnego stan;
    stan.Rodzaj = TRodzajOkna::SystemLiczbowy;
    stan.Pliki.set();
    stan.Zadania.set();
    stan.Zadania.reset(1);
    const auto wlaczone = [](const TStanAktywnego& s) {
        return WlaczonePolecenia(&s).test(static_cast<std::size_t>(P::OptymalizujSystem));
    };
    EXPECT_TRUE(wlaczone(stan));
    // Busy: only Stop.
    stan.Zadania.reset();
    stan.Zadania.set(1);
    EXPECT_FALSE(wlaczone(stan));
    stan.Zadania.set();
    stan.Rodzaj = TRodzajOkna::SystemPilkarski;
    EXPECT_FALSE(wlaczone(stan));
    stan.Rodzaj = TRodzajOkna::Gwarancja;
    EXPECT_FALSE(wlaczone(stan));
    EXPECT_FALSE(WlaczonePolecenia(nullptr).test(static_cast<std::size_t>(P::OptymalizujSystem)));
}

TEST_F(TfrmOptymalizujTest, PolecenieZMenuOtwieraWynikWNowymOknie)
{
    ASSERT_TRUE(UtworzPlikGry(Gra((Dane() / "a.pl2").string())));
    auto glowne = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
    glowne->resize(1000, 700);
    glowne->show();
    // The command stands in the tasks menu right after the guarantee, and on the system strip.
    QAction* akcja = glowne->Akcje().Akcja(P::OptymalizujSystem);
    EXPECT_EQ(akcja->text(), QStringLiteral("Optymalizuj system"));
    const QAction* gwarancja = glowne->Akcje().Akcja(P::Gwarancja);
    bool poGwarancji = false;
    for (QAction* menu : glowne->menuBar()->actions()) {
        const QList<QAction*> pozycje = menu->menu()->actions();
        const auto i = pozycje.indexOf(gwarancja);
        if (i >= 0)
            poGwarancji = i + 1 < pozycje.size() && pozycje[i + 1] == akcja;
    }
    EXPECT_TRUE(poGwarancji);
    EXPECT_TRUE(glowne->PasekSystemu()->actions().contains(akcja));
    EXPECT_FALSE(akcja->isEnabled());

    const std::string plik = System("trojki.ss2", 7, 3, WszystkieTrojki(7), static_cast<int>(TMetoda::Gwarancyjna), 1);
    TfrmNoweOkno* zrodlo = glowne->OtworzSystem(QString::fromStdString(plik));
    ASSERT_NE(zrodlo, nullptr);
    EXPECT_TRUE(akcja->isEnabled());
    // The status strip names the best system known for a guarantee system.
    EXPECT_EQ(zrodlo->PolaStatusu().NajlepszyZnany, QStringLiteral("najlepszy znany: 7"));
    EXPECT_EQ(glowne->PasekStanu()->Wartosc(TPasekStanuSystemu::PoleNajlepszyZnany),
              QStringLiteral("najlepszy znany: 7"));

    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* dialog = qobject_cast<TfrmOptymalizuj*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->spT()->value(), 2);
        dialog->btnStart()->click();
    }});
    TfrmNoweOkno* wynik = glowne->PoleceniaSystemow().OptymalizujSystem();
    ASSERT_NE(wynik, nullptr);
    EXPECT_NE(wynik, zrodlo);
    EXPECT_EQ(glowne->Obszar()->subWindowList().size(), 2);
    EXPECT_EQ(wynik->Info().Zakladow, 7);
    EXPECT_EQ(wynik->Info().Metoda, static_cast<int32_t>(TMetoda::Gwarancyjna));
    EXPECT_FALSE(wynik->Zapisany());
    const testy::TSystemZPliku system = testy::CzytajSystemTestowy(wynik->PlikTymczasowy().toStdString());
    EXPECT_EQ(system.Zaklady.size(), 7u);
    EXPECT_EQ(zrodlo->Info().Zakladow, 35);
    EXPECT_EQ(testy::CzytajSystemTestowy(zrodlo->PlikTymczasowy().toStdString()).Zaklady.size(), 35u);
    // A system made another way shows no best known.
    TInfoGryRec inne = zrodlo->Info();
    inne.Metoda = static_cast<int32_t>(TMetoda::Pelna);
    zrodlo->ZmienParametry(inne);
    EXPECT_TRUE(zrodlo->PolaStatusu().NajlepszyZnany.isEmpty());

    for (QMdiSubWindow* okno : glowne->Obszar()->subWindowList())
        qobject_cast<TfrmNoweOkno*>(okno->widget())->UstawPlikSystemu(QStringLiteral("x"));
}

} // namespace
} // namespace tarvomund
