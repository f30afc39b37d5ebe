#include "stats/TfrmWybStat.h"
#include "stats/TfrmDrukWykres.h"
#include "stats/TfrmWybstat2.h"
#include "stats/WydrukStatystyki.h"

#include "PomocnikiUI.h"
#include "app/DatyQt.h"
#include "model/Daty.h"
#include "slips/TBlank.h"
#include "wspolne/LosowaniaTestowe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using R = TRodzajStatystyki;

class TfrmWybStatTest : public ::testing::Test {
protected:
    TfrmWybStatTest() : gra_(testy::GraLosowa(49, 6, 40, 1)) {}

    TParametryStatystyki Parametry() const { return TParametryStatystyki::DlaGry(gra_); }

    TObGraLista gra_;
};

TEST_F(TfrmWybStatTest, ListyWedlugRodzaju)
{
    TfrmWybStat dialog(gra_, Parametry());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Parametry statystyki"));
    ASSERT_EQ(dialog.CB1()->count(), 17);
    EXPECT_EQ(dialog.CB1()->itemText(0), QStringLiteral(" 1. Najczęściej występujące liczby"));
    EXPECT_EQ(dialog.CB1()->itemText(16),
              QStringLiteral("17. Trafienia w kolumny, rzędy, połówki i ćwiartki na blankiecie"));
    ASSERT_EQ(dialog.CB02()->count(), 4);
    EXPECT_EQ(dialog.CB02()->itemText(1),
              QStringLiteral("Losowania w danym dniu tygodnia ( Nd-Pn-Wt-Śr-Cz-Pt-So )"));

    struct TPrzypadek {
        R Rodzaj;
        const char* Podpis; // nullptr: the first list is hidden
        int Pozycji;
        const char* Pierwsza;
        bool Grupowanie;
        bool Do;
        bool Odstep;
    };
    const TPrzypadek przypadki[] = {
        {R::Liczby, "Ilość szukanych liczb", 6, "[ 1 ]", true, false, false},
        {R::KolejneLiczby, "Ilość szukanych liczb", 5, "[ 2 ]", true, false, false},
        {R::Sumy, nullptr, 0, "", true, false, false},
        {R::KazdaZKazda, nullptr, 0, "", false, false, false},
        {R::ZadanaZKazda, "Szukana liczba", 49, "[ 1 ]", true, false, false},
        {R::ZadanaParzysta, "Szukana liczba", 24, "[ 2 ]", true, false, false},
        {R::ZadanaNieparzysta, "Szukana liczba", 25, "[ 1 ]", true, false, false},
        {R::PrzedzialJeden, "Szukany przedział", 49, "[ 1 ]", true, false, false},
        {R::WPrzedziale, "Od", 49, "[ 1 ]", true, true, false},
        {R::Odstepy, nullptr, 0, "", false, false, true},
        {R::Blankiet, nullptr, 0, "", false, false, false},
    };
    dialog.show();
    for (const TPrzypadek& c : przypadki) {
        dialog.CB1()->setCurrentIndex(static_cast<int>(c.Rodzaj));
        const int rodzaj = static_cast<int>(c.Rodzaj);
        EXPECT_EQ(dialog.CB01()->isVisible(), c.Podpis != nullptr) << rodzaj;
        if (c.Podpis) {
            EXPECT_EQ(dialog.EtykietaCB01()->text(), QString::fromUtf8(c.Podpis)) << rodzaj;
            EXPECT_EQ(dialog.CB01()->currentIndex(), 0) << rodzaj;
            EXPECT_EQ(dialog.CB01()->currentText(), QString::fromUtf8(c.Pierwsza)) << rodzaj;
        }
        EXPECT_EQ(dialog.CB01()->count(), c.Pozycji) << rodzaj;
        EXPECT_EQ(dialog.CB02()->isVisible(), c.Grupowanie) << rodzaj;
        EXPECT_EQ(dialog.CB03()->isVisible(), c.Do) << rodzaj;
        EXPECT_EQ(dialog.RX1()->isVisible(), c.Odstep) << rodzaj;
    }
    EXPECT_EQ(dialog.RX1()->maximum(), 9999);
    dialog.CB1()->setCurrentIndex(static_cast<int>(R::WPrzedziale));
    testy::Zrzut(dialog, "parametry-statystyki");
}

TEST_F(TfrmWybStatTest, RekordDoKontrolekIZPowrotem)
{
    TParametryStatystyki p = Parametry();
    p.Rodzaj = static_cast<int32_t>(R::WPrzedziale);
    p.Wybor1 = 30;
    p.Wybor2 = 9; // upper end below the lower: OK turns the range round
    p.Grupowanie = 3;
    // The dates the wrong way round as well.
    std::swap(p.OdDaty, p.DoDaty);
    TfrmWybStat dialog(gra_, p);
    EXPECT_EQ(dialog.CB1()->currentIndex(), 13);
    EXPECT_EQ(dialog.CB01()->currentText(), QStringLiteral("[ 31 ]"));
    EXPECT_EQ(dialog.CB03()->currentText(), QStringLiteral("[ 10 ]"));
    EXPECT_EQ(dialog.CB02()->currentIndex(), 3);
    EXPECT_EQ(DniZDatyQt(dialog.OdDaty()->date()), p.OdDaty);
    dialog.btnOK()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const TParametryStatystyki& w = dialog.Wynik();
    EXPECT_EQ(w.Wybor1, 9);
    EXPECT_EQ(w.Wybor2, 30);
    EXPECT_EQ(w.Grupowanie, 3);
    EXPECT_LT(w.OdDaty, w.DoDaty);
    EXPECT_EQ(w.OdDaty, gra_.Losowania.front().Data);

    // Choosing another kind starts its list at the first item; a hidden list gives its index.
    TfrmWybStat drugi(gra_, w);
    drugi.CB1()->setCurrentIndex(static_cast<int>(R::ZadanaParzysta));
    drugi.CB01()->setCurrentIndex(3);
    drugi.btnOK()->click();
    EXPECT_EQ(drugi.Wynik().Rodzaj, 8);
    EXPECT_EQ(drugi.Wynik().Wybor1, 3);
    EXPECT_EQ(drugi.Wynik().Wybor2, 0);
}

TEST_F(TfrmWybStatTest, BlankietPytaOPodzialIAnulowanieZostawiaDialog)
{
    TParametryStatystyki p = Parametry();
    p.Rodzaj = static_cast<int32_t>(R::Blankiet);
    TfrmWybStat dialog(gra_, p);
    int pytan = 0;
    bool zgoda = false;
    dialog.UstawPodzial([&](const TObGraLista& g, TParametryStatystyki& r) {
        ++pytan;
        EXPECT_EQ(&g, &gra_);
        if (!zgoda)
            return false;
        r.PodzialBlankietu = 4;
        r.RzedyGorne = 2;
        return true;
    });
    dialog.show();
    dialog.btnOK()->click();
    EXPECT_EQ(pytan, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    zgoda = true;
    dialog.btnOK()->click();
    EXPECT_EQ(pytan, 2);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Wynik().PodzialBlankietu, 4);
    EXPECT_EQ(dialog.Wynik().RzedyGorne, 2);
}

TEST_F(TfrmWybStatTest, PodzialBlankietuOgraniczaIWlacza)
{
    TParametryStatystyki p = Parametry();
    p.IleKolumn = 10;
    p.IleRzedow = 5;
    p.RzedyGorne = 4;
    p.KolumnyLewe = 9;
    TfrmWybstat2 dialog(gra_, p);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Podział blankietu"));
    ASSERT_EQ(dialog.podzial()->buttons().size(), 5);
    EXPECT_EQ(dialog.podzial()->button(3)->text(), QStringLiteral("Liczby w połówkach poziomo"));
    struct TPrzypadek {
        int Kod;
        bool Rzedy;
        bool Kolumny;
    };
    TBlank* podglad = dialog.Podglad();
    EXPECT_EQ(podglad->IlePoziomo(), 10);
    EXPECT_EQ(podglad->IlePionowo(), 5);
    EXPECT_EQ(podglad->IleLiczb(), 49);
    EXPECT_EQ(podglad->LiniaKolor(), QColor(255, 0, 0));
    for (const TPrzypadek c :
         {TPrzypadek{0, false, false}, TPrzypadek{1, false, false}, TPrzypadek{2, false, true},
          TPrzypadek{3, true, false}, TPrzypadek{4, true, true}}) {
        dialog.podzial()->button(c.Kod)->click();
        EXPECT_EQ(dialog.poziomo()->isEnabled(), c.Rzedy) << c.Kod;
        EXPECT_EQ(dialog.pionowo()->isEnabled(), c.Kolumny) << c.Kod;
        // The preview draws the lines the division uses.
        EXPECT_EQ(podglad->LiniaPozOn(), c.Rzedy) << c.Kod;
        EXPECT_EQ(podglad->LiniaPionOn(), c.Kolumny) << c.Kod;
    }
    EXPECT_EQ(podglad->LiniaPozNr(), 4);
    EXPECT_EQ(podglad->LiniaPionNr(), 9);
    // Fewer rows and columns bring the division values down with them.
    dialog.rzedy()->setValue(3);
    dialog.kolumny()->setValue(6);
    EXPECT_EQ(dialog.poziomo()->value(), 2);
    EXPECT_EQ(dialog.pionowo()->value(), 5);
    EXPECT_EQ(podglad->IlePionowo(), 3);
    EXPECT_EQ(podglad->LiniaPozNr(), 2);
    EXPECT_EQ(podglad->LiniaPionNr(), 5);
    dialog.kierunek()->setChecked(false);
    EXPECT_FALSE(podglad->Kierunek());
    const TParametryStatystyki w = dialog.Wynik();
    EXPECT_EQ(w.PodzialBlankietu, 4);
    EXPECT_EQ(w.IleKolumn, 6);
    EXPECT_EQ(w.IleRzedow, 3);
    EXPECT_FALSE(w.KierunekPoziomy);
    EXPECT_EQ(w.RzedyGorne, 2);
    EXPECT_EQ(w.KolumnyLewe, 5);
    EXPECT_EQ(w.Rodzaj, p.Rodzaj);
    dialog.kierunek()->setChecked(true);
    dialog.show();
    testy::Zrzut(dialog, "podzial-blankietu");
}

TEST(WydrukStatystyki, ProstokatyUmiejscowien)
{
    // W = 1000, H = 800: mx = 50, my = 40, top = 50, d = 450, f = 360, l = 225, middle = 410.
    const QRect oczekiwane[] = {
        QRect(QPoint(50, 50), QPoint(949, 769)),   QRect(QPoint(275, 50), QPoint(724, 409)),
        QRect(QPoint(275, 230), QPoint(724, 589)), QRect(QPoint(275, 410), QPoint(724, 769)),
        QRect(QPoint(50, 50), QPoint(499, 409)),   QRect(QPoint(500, 50), QPoint(949, 409)),
        QRect(QPoint(50, 410), QPoint(499, 769)),  QRect(QPoint(500, 410), QPoint(949, 769)),
    };
    for (int u = 0; u < IleUmiejscowien; ++u)
        EXPECT_EQ(ProstokatWykresuNaStronie(u, 1000, 800, 10), oczekiwane[u]) << u;
}

TEST(TfrmDrukWykres, WyboryIPodgladStrony)
{
    TfrmDrukWykres dialog({1, 1, 1, 0});
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Parametry drukowania wykresów"));
    EXPECT_EQ(dialog.RGUmiejscowienie()->button(1)->text(), QStringLiteral("Mały wykres u  góry kartki"));
    EXPECT_EQ(dialog.RGGrubosc()->button(0)->text(), QStringLiteral("IIII"));
    EXPECT_EQ(dialog.Wybor(), (TfrmDrukWykres::TWybor{1, 1, 1, 0}));
    // Portrait, a small chart at the top: inside the page's upper half.
    QRect strona = dialog.Podglad()->Strona();
    EXPECT_GT(strona.height(), strona.width());
    EXPECT_TRUE(strona.contains(dialog.Podglad()->Wykres()));
    EXPECT_LT(dialog.Podglad()->Wykres().bottom(), strona.center().y() + 2);

    testy::Zrzut(dialog, "drukowanie-wykresu");
    dialog.RGOrientacja()->button(0)->click();
    dialog.RGUmiejscowienie()->button(7)->click();
    strona = dialog.Podglad()->Strona();
    EXPECT_GT(strona.width(), strona.height());
    EXPECT_GT(dialog.Podglad()->Wykres().left(), strona.center().x() - 2);
    EXPECT_GT(dialog.Podglad()->Wykres().top(), strona.center().y() - 2);

    // The table needs none of the chart's choices.
    dialog.RGTryb()->button(1)->click();
    EXPECT_FALSE(dialog.RamkaUmiejscowienia()->isVisible());
    EXPECT_FALSE(dialog.Podglad()->isVisible());
    EXPECT_EQ(dialog.Wybor(), (TfrmDrukWykres::TWybor{7, 0, 1, 1}));
}

} // namespace
} // namespace tarvomund
