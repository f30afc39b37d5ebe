#include "systems/TfrmTest.h"

#include "PomocnikiUI.h"
#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "model/Daty.h"
#include "model/PlikGry.h"
#include "model/TfrmNoweOkno.h"
#include "systems/TfrmNumery3.h"
#include "systems/TfrmParam.h"
#include "systems/TfrmZakres.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

QT_BEGIN_NAMESPACE
// Readable report lines in the failure messages.
inline void PrintTo(const QString& tekst, std::ostream* wyjscie)
{
    *wyjscie << '"' << tekst.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzekajAz;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;

// A draw of January 2020.
TObLos Los(int dzien, const std::vector<int>& liczby)
{
    return testy::Los({2020, 1, dzien}, liczby);
}

QString Komorka(const TfrmTest& okno, int wiersz, int kolumna)
{
    const QTableWidgetItem* komorka = okno.Grid1()->item(wiersz, kolumna);
    return komorka ? komorka->text() : QStringLiteral("<brak>");
}

bool Wyrozniona(const TfrmTest& okno, int wiersz, int kolumna)
{
    const QTableWidgetItem* komorka = okno.Grid1()->item(wiersz, kolumna);
    return komorka && komorka->font().bold() && komorka->foreground().color() == QColor(Qt::red);
}

// The number picker: the given numbers pressed in this order, then OK.
TOdpowiedzi::TAkcja WybierzLiczby(std::vector<int> liczby)
{
    return [liczby](QWidget* w) {
        auto* numery = qobject_cast<TfrmNumery*>(w);
        ASSERT_NE(numery, nullptr);
        numery->btnZeruj()->click();
        for (int liczba : liczby)
            numery->Przycisk(liczba)->click();
        numery->btnOK()->click();
    };
}

class TfrmTestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gra_ = testy::Gra649();
        gra_.Losowania = {Los(1, {1, 2, 3, 4, 5, 6}), Los(2, {1, 2, 3, 40, 41, 42}), Los(3, {30, 31, 32, 33, 34, 35})};
    }

    // Eight positions standing for 1..6, 40 and 41; three bets.
    QString System()
    {
        TInfoGryRec info = TInfoGryRec::DlaGry(gra_);
        info.n = 8;
        info.k = 6;
        info.Wlasne[1] = {1, 2, 3, 4, 5, 6, 40, 41};
        const std::string plik = katalog_.Plik("system.$$$");
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 6, 7, 8}, {3, 4, 5, 6, 7, 8}}));
        return QString::fromStdString(plik);
    }

    // Ten matches; three bets.
    QString SystemPilkarski()
    {
        const std::string plik = katalog_.Plik("pilkarski.ss2");
        EXPECT_TRUE(testy::ZapiszSystemTestowy(
            plik, testy::InfoSystemuPilkarskiego(10), {std::vector<int>(10, 1), std::vector<int>(10, 2), {1, 1, 1, 1, 1, 1, 1, 1, 3, 3}}));
        return QString::fromStdString(plik);
    }

    std::unique_ptr<TfrmTest> Wczytane(const QString& plik, bool pilkarski = false)
    {
        auto okno = std::make_unique<TfrmTest>();
        okno->show();
        if (pilkarski)
            okno->WczytajPilkarski(plik);
        else
            okno->Wczytaj(gra_, plik);
        EXPECT_TRUE(okno->Pracuje()); // the load runs on the worker
        EXPECT_TRUE(CzekajAz([&okno] { return !okno->Pracuje(); }));
        return okno;
    }

    static void Uruchom(TfrmTest& okno)
    {
        okno.btnStart()->click();
        ASSERT_TRUE(CzekajAz([&okno] { return !okno.Pracuje(); }));
    }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
};

TEST_F(TfrmTestTest, WczytanieUstawiaOknoIRaport)
{
    auto okno = Wczytane(System());
    ASSERT_TRUE(okno->Wczytany());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Lotto 6 z 49 6/8/3"));
    EXPECT_EQ(okno->Wiersze(), (QStringList{QStringLiteral("Test systemu 6/8/3"), QStringLiteral("==================")}));
    // The bets are held as the numbers their positions stand for.
    EXPECT_EQ(okno->System()->Zaklady, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 1, 2, 3, 6, 40, 41, 3, 4, 5, 6, 40, 41}));
    EXPECT_EQ(okno->Liczby(), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(okno->Od(), DniZDaty({2020, 1, 1}));
    EXPECT_EQ(okno->Do(), DniZDaty({2020, 1, 3}));
    EXPECT_EQ(okno->SpinEdit1()->maximum(), 6);
    EXPECT_EQ(okno->SpinEdit1()->value(), 3);
    EXPECT_TRUE(okno->btnStart()->isEnabled());
    EXPECT_FALSE(okno->btnStop()->isEnabled());
    EXPECT_EQ(okno->RadioButton1()->text(), QStringLiteral("W/g wprowadzanych liczb"));
    EXPECT_EQ(okno->RadioButton3()->toolTip(), QStringLiteral("Test w/g losowań znajdujących się bazie - ustaw Zakres"));
    EXPECT_TRUE(okno->RadioButton1()->isChecked());
    // k + 1 columns: the bet number 50 pixels wide, the numbers 25, headed 1..k; a heading row and 15 rows.
    ASSERT_EQ(okno->Grid1()->columnCount(), 7);
    EXPECT_EQ(okno->Grid1()->rowCount(), 16);
    EXPECT_EQ(okno->Grid1()->columnWidth(0), 50);
    EXPECT_EQ(okno->Grid1()->columnWidth(6), 25);
    EXPECT_EQ(Komorka(*okno, 0, 6), QStringLiteral("6"));
    EXPECT_TRUE(okno->Grid1()->isVisibleTo(okno.get()));
}

TEST_F(TfrmTestTest, WprowadzoneLiczbyWyroznioneWSiatce)
{
    auto okno = Wczytane(System());
    {
        TOdpowiedzi odpowiedzi({WybierzLiczby({40, 41, 1, 2, 30, 31})});
        okno->btnLiczby()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(okno->Liczby(), (std::vector<uint8_t>{40, 41, 1, 2, 30, 31}));
    Uruchom(*okno);
    EXPECT_EQ(okno->Wiersze(),
              (QStringList{QStringLiteral("Test systemu 6/8/3"), QStringLiteral("=================="),
                           QStringLiteral("---------------"), QStringLiteral("40,41,1,2,30,31"),
                           QStringLiteral("---------------"), QStringLiteral("     [2]->( 4)"),
                           QStringLiteral("Podsumowanie od 6 do 3 trafień:"), QString(31, QLatin1Char('=')),
                           QStringLiteral("     1x(4)"), QString()}));
    ASSERT_EQ(okno->ListaTrafien(), (std::vector<int32_t>{2}));
    EXPECT_EQ(okno->Scroll()->maximum(), 1);
    // The winner's row: its number, its numbers, the tested ones highlighted.
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("2"));
    const QStringList liczby{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("6"), QStringLiteral("40"), QStringLiteral("41")};
    const bool wyroznione[] = {true, true, false, false, true, true};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(Komorka(*okno, 1, c), liczby[c - 1]);
        EXPECT_EQ(Wyrozniona(*okno, 1, c), wyroznione[c - 1]) << c;
    }
    for (int c = 0; c <= 6; ++c)
        EXPECT_TRUE(Komorka(*okno, 2, c).isEmpty());

    // The default minimum of 3 also shows the first and third bets once the minimum drops to 2.
    okno->SpinEdit1()->setValue(2);
    Uruchom(*okno);
    EXPECT_EQ(okno->ListaTrafien(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(okno->Scroll()->maximum(), 3);
    okno->Scroll()->setValue(3);
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("3"));
    EXPECT_TRUE(Komorka(*okno, 2, 0).isEmpty());

    // "C" leaves the heading only; the grid keeps the last run.
    okno->btnC()->click();
    EXPECT_EQ(okno->Wiersze().size(), 2);
}

TEST_F(TfrmTestTest, TrybyPokazujaSwojePrzyciski)
{
    auto okno = Wczytane(System());
    struct TPrzypadek {
        QRadioButton* Radio;
        bool Liczby;
        bool Zakres;
        QString ST1;
    };
    const TPrzypadek przypadki[] = {
        {okno->RadioButton3(), false, true, QStringLiteral("01.01.2020  <-->  03.01.2020")},
        {okno->RadioButton2(), false, false, QString()},
        {okno->RadioButton1(), true, false, QString()},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Radio->objectName().toStdString());
        p.Radio->click();
        EXPECT_EQ(okno->btnLiczby()->isVisibleTo(okno.get()), p.Liczby);
        EXPECT_EQ(okno->btnZakres()->isVisibleTo(okno.get()), p.Zakres);
        EXPECT_EQ(okno->ST1()->text(), p.ST1);
    }
}

TEST_F(TfrmTestTest, BazaLosowanWZakresie)
{
    auto okno = Wczytane(System());
    okno->RadioButton3()->click();
    Uruchom(*okno);
    const QString rowne(50, QLatin1Char('='));
    EXPECT_EQ(okno->Wiersze().mid(2),
              (QStringList{QStringLiteral("01.01.2020     1x(6)    ------     2x(4)    ------"),
                           QStringLiteral("02.01.2020    ------     1x(5)    ------     2x(3)"), rowne,
                           QStringLiteral("Podsumowanie"), rowne,
                           QStringLiteral("               1x(6)     1x(5)     2x(4)     2x(3)")}));
    EXPECT_TRUE(okno->ListaTrafien().empty());

    // The range dialog: dates in either order, the earlier becomes the start.
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* zakres = qobject_cast<TfrmZakres*>(w);
        ASSERT_NE(zakres, nullptr);
        EXPECT_EQ(zakres->Edit1()->text(), QStringLiteral("Lotto 6 z 49"));
        EXPECT_EQ(zakres->DE1()->date(), QDate(2020, 1, 1));
        EXPECT_EQ(zakres->DE2()->date(), QDate(2020, 1, 3));
        zakres->DE1()->setDate(QDate(2020, 1, 3));
        zakres->DE2()->setDate(QDate(2020, 1, 2));
        zakres->btnOK()->click();
    }});
    okno->btnZakres()->click();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    EXPECT_EQ(okno->ST1()->text(), QStringLiteral("02.01.2020  <-->  03.01.2020"));
    Uruchom(*okno);
    EXPECT_EQ(okno->Wiersze()[2], QStringLiteral("02.01.2020    ------     1x(5)    ------     2x(3)"));
    EXPECT_EQ(okno->Wiersze()[3], rowne);
}

TEST_F(TfrmTestTest, PustaBazaLosowan)
{
    gra_.Losowania.clear();
    auto okno = Wczytane(System());
    okno->RadioButton3()->click();
    EXPECT_TRUE(okno->ST1()->text().isEmpty()); // no draws, no range to show
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
    okno->btnZakres()->click();
    ASSERT_EQ(odpowiedzi.Teksty().size(), 1);
    EXPECT_EQ(odpowiedzi.Teksty()[0], QStringLiteral("Baza losowań jest pusta !"));
    // A run over no draws still sums up: every column empty.
    Uruchom(*okno);
    EXPECT_EQ(okno->Wiersze().last(), QStringLiteral("              ------    ------    ------    ------"));
}

TEST_F(TfrmTestTest, LosoweLiczby)
{
    auto okno = Wczytane(System());
    okno->RadioButton2()->click();
    okno->SpinEdit1()->setValue(1);
    Uruchom(*okno);
    const std::vector<uint8_t>& liczby = okno->LiczbyBiegu();
    ASSERT_EQ(liczby.size(), 6u);
    EXPECT_TRUE(std::is_sorted(liczby.begin(), liczby.end()));
    EXPECT_TRUE(std::adjacent_find(liczby.begin(), liczby.end()) == liczby.end());
    EXPECT_GE(liczby.front(), 1);
    EXPECT_LE(liczby.back(), 49);
    QStringList tekst;
    for (uint8_t l : liczby)
        tekst << QString::number(l);
    EXPECT_EQ(okno->Wiersze()[3], tekst.join(QLatin1Char(',')));
    // The entered numbers stay as they were.
    EXPECT_EQ(okno->Liczby(), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(TfrmTestTest, BladOdczytuZamykaOkno)
{
    auto okno = std::make_unique<TfrmTest>();
    okno->show();
    // The message comes from the load's completion, whenever the worker ends: watch for it.
    QString tekst;
    QTimer straz;
    straz.setInterval(5);
    QObject::connect(&straz, &QTimer::timeout, [&] {
        QWidget* komunikat = QApplication::activeModalWidget();
        if (!komunikat)
            return;
        straz.stop();
        tekst = komunikat->findChild<QLabel*>(QStringLiteral("lblTekst"))->text();
        komunikat->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    straz.start();
    okno->Wczytaj(gra_, QString::fromStdString(katalog_.Plik("brak.$$$")));
    ASSERT_TRUE(CzekajAz([&] { return !tekst.isEmpty() && !okno->Pracuje(); }));
    EXPECT_EQ(tekst, QStringLiteral("Wystąpił błąd podczas wczytywania systemu !"));
    EXPECT_FALSE(okno->Wczytany());
    EXPECT_FALSE(okno->isVisible());
}

TEST_F(TfrmTestTest, ZamkniecieOdmowionePodczasPracy)
{
    auto okno = Wczytane(System());
    okno->RadioButton3()->click();
    okno->btnStart()->click();
    ASSERT_TRUE(okno->Pracuje());
    EXPECT_FALSE(okno->btnStart()->isEnabled());
    EXPECT_TRUE(okno->btnStop()->isEnabled());
    EXPECT_FALSE(okno->RE1()->isEnabled());
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_FALSE(okno->close());
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Musisz zatrzymać test systemu !"));
    }
    okno->btnStop()->click();
    ASSERT_TRUE(CzekajAz([&okno] { return !okno->Pracuje(); }));
    EXPECT_TRUE(okno->RE1()->isEnabled());
    EXPECT_EQ(okno->Gauge1()->value(), 0);
    EXPECT_TRUE(okno->close());
}

TEST_F(TfrmTestTest, SystemPilkarski)
{
    auto okno = Wczytane(SystemPilkarski(), true);
    ASSERT_TRUE(okno->Wczytany());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("System piłkarski 10/3"));
    EXPECT_EQ(okno->Wiersze().first(), QStringLiteral("Test systemu 10/3"));
    EXPECT_EQ(okno->RadioButton1()->text(), QStringLiteral("W/g wprowadzanych typowań"));
    EXPECT_EQ(okno->RadioButton2()->text(), QStringLiteral("W/g przypadkowych typowań"));
    EXPECT_FALSE(okno->RadioButton3()->isVisibleTo(okno.get()));
    EXPECT_FALSE(okno->Grid1()->isVisibleTo(okno.get()));
    EXPECT_FALSE(okno->Scroll()->isVisibleTo(okno.get()));
    EXPECT_EQ(okno->SpinEdit1()->minimum(), 10);
    EXPECT_EQ(okno->SpinEdit1()->maximum(), 10);

    // No row yet: Start asks for one first; cancelling runs nothing.
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
        okno->btnStart()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_FALSE(okno->Pracuje());
    EXPECT_TRUE(okno->btnStart()->isEnabled());
    EXPECT_FALSE(okno->btnStop()->isEnabled());

    // Every match "1": the first bet hits all ten.
    {
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* typy = qobject_cast<TfrmNumery3*>(w);
            ASSERT_NE(typy, nullptr);
            EXPECT_FALSE(typy->Przycisk(1, 1)->isChecked()); // the first time it starts empty
            for (int mecz = 1; mecz <= 10; ++mecz)
                typy->Przycisk(mecz, 1)->click();
            typy->btnOK()->click();
        }});
        okno->btnStart()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    ASSERT_TRUE(CzekajAz([&okno] { return !okno->Pracuje(); }));
    EXPECT_EQ(okno->Wiersze(),
              (QStringList{QStringLiteral("Test systemu 3"), QStringLiteral("=============="),
                           QStringLiteral("-------------------"), QStringLiteral("1,1,1,1,1,1,1,1,1,1"),
                           QStringLiteral("-------------------"), QStringLiteral("     [1]->(10)"),
                           QStringLiteral("Podsumowanie"), QStringLiteral("============"),
                           QStringLiteral("    1x(10)"), QString()}));
    // The row is kept: the next run asks nothing.
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
        Uruchom(*okno);
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    }
    // A random row lists no bets.
    okno->RadioButton2()->click();
    Uruchom(*okno);
    EXPECT_EQ(okno->Wiersze()[5], QStringLiteral("Podsumowanie"));
    EXPECT_EQ(okno->LiczbyBiegu().size(), 10u);
}

class TfrmTestGlowneTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(katalog_.Sciezka() / "Dane"); }

    std::unique_ptr<TfrmGlowne> Glowne(const TObGraLista& gra)
    {
        EXPECT_TRUE(UtworzPlikGry(gra));
        auto okno = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        okno->resize(1200, 800);
        okno->show();
        return okno;
    }

    // A new system of the catalogue's first game, generated with the given parameters.
    TfrmNoweOkno* NowySystem(TfrmGlowne& glowne, int n, int zakladow, int metoda)
    {
        TOdpowiedzi odpowiedzi({[=](QWidget* w) {
            auto* dialog = qobject_cast<TfrmParam*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->spLiczb()->setValue(n);
            dialog->cbMetoda()->setCurrentIndex(metoda);
            dialog->spZakladow()->setValue(zakladow);
            dialog->btnOk()->click();
        }});
        TfrmNoweOkno* system = glowne.NowySystem(0);
        EXPECT_NE(system, nullptr);
        if (system) {
            EXPECT_TRUE(CzekajAz([system] { return !system->Pracuje(); }));
        }
        return system;
    }

    std::string Dane(const char* plik) const { return (katalog_.Sciezka() / "Dane" / plik).string(); }

    TKatalogTymczasowy katalog_;
};

TEST_F(TfrmTestGlowneTest, PolecenieTestSystemuDlaAktywnegoSystemu)
{
    TObGraLista gra = testy::Gra649(Dane("lotto.pl2"));
    gra.Losowania = {Los(1, {1, 2, 3, 4, 5, 6})};
    auto glowne = Glowne(gra);
    // Without a system window the command has nothing to test.
    EXPECT_EQ(glowne->TestSystemu(), nullptr);
    TfrmNoweOkno* system = NowySystem(*glowne, 10, 20, 0);
    ASSERT_NE(system, nullptr);
    EXPECT_TRUE(glowne->Akcje().Akcja(P::TestSystemu)->isEnabled());

    glowne->Akcje().Akcja(P::TestSystemu)->trigger();
    auto* test = qobject_cast<TfrmTest*>(glowne->Obszar()->activeSubWindow()->widget());
    ASSERT_NE(test, nullptr);
    ASSERT_TRUE(CzekajAz([test] { return !test->Pracuje(); }));
    EXPECT_EQ(test->Wiersze().first(), QStringLiteral("Test systemu 6/10/20"));
    EXPECT_EQ(test->windowTitle(), QStringLiteral("Lotto 6 z 49 6/10/20"));
    // The test window's row of the enabling table: print yes, save and the system tasks no.
    EXPECT_TRUE(glowne->Akcje().Akcja(P::Drukuj)->isEnabled());
    EXPECT_FALSE(glowne->Akcje().Akcja(P::Zapisz)->isEnabled());
    EXPECT_FALSE(glowne->Akcje().Akcja(P::TestSystemu)->isEnabled());
    EXPECT_FALSE(glowne->Akcje().Akcja(P::Start)->isEnabled());

    // The full method's first bet is 1..6: the one draw hits it six times.
    test->RadioButton3()->click();
    test->btnStart()->click();
    ASSERT_TRUE(CzekajAz([test] { return !test->Pracuje(); }));
    EXPECT_EQ(test->Wiersze()[2].left(20), QStringLiteral("01.01.2020     1x(6)"));
}

// The sample 6 of 49 game with its whole history: a generated system tested from the window
// against every draw gives the report the core gives for the same bets, and entered numbers are
// highlighted in the winners' grid. With TARVOMUND_ZRZUTY set, the window is saved as pictures there.
TEST_F(TfrmTestGlowneTest, PrzykladowaGraCalaHistoria)
{
    std::optional<TObGraLista> przykladowa = WczytajPlikGry(std::string(TARVOMUND_DANE) + "/lotto-6z49.pl2");
    ASSERT_TRUE(przykladowa.has_value());
    przykladowa->Plik = Dane("lotto-6z49.pl2");
    const std::vector<TObLos> historia = przykladowa->Losowania;
    ASSERT_GT(historia.size(), 7000u);
    auto glowne = Glowne(*przykladowa);
    TfrmNoweOkno* system = NowySystem(*glowne, 24, 200, 1);
    ASSERT_NE(system, nullptr);
    TfrmTest* test = glowne->TestSystemu();
    ASSERT_NE(test, nullptr);
    glowne->Obszar()->activeSubWindow()->setGeometry(270, 0, 900, 560);
    ASSERT_TRUE(CzekajAz([test] { return !test->Pracuje(); }));

    test->RadioButton3()->click();
    EXPECT_EQ(test->ST1()->text(), QString::fromStdString(TekstDaty(historia.front().Data) + "  <-->  " +
                                                         TekstDaty(historia.back().Data)));
    test->btnStart()->click();
    ASSERT_TRUE(CzekajAz([test] { return !test->Pracuje(); }));
    const std::atomic<bool> nieprzerywaj{false};
    const std::optional<TSystemTestu> bety = WczytajSystemTestu(system->PlikTymczasowy().toStdString(), nieprzerywaj);
    ASSERT_TRUE(bety.has_value());
    TParametryTestu parametry;
    parametry.Tryb = TTrybTestu::Baza;
    parametry.Losowania = &historia;
    parametry.Od = historia.front().Data;
    parametry.Do = historia.back().Data;
    parametry.IleLosowanych = 6;
    parametry.PorownaniePoLiczbie = true;
    QStringList oczekiwane{QStringLiteral("Test systemu 6/24/200"), QString(21, QLatin1Char('='))};
    for (const std::string& wiersz : TGenTest01(*bety, parametry, nieprzerywaj).Wykonaj().Wiersze)
        oczekiwane << QString::fromStdString(wiersz);
    EXPECT_EQ(test->Wiersze(), oczekiwane);
    const QString zrzuty = qEnvironmentVariable("TARVOMUND_ZRZUTY");
    if (!zrzuty.isEmpty()) {
        QDir().mkpath(zrzuty);
        test->RE1()->moveCursor(QTextCursor::End);
        glowne->grab().save(zrzuty + QStringLiteral("/test-historia.png"));
    }

    // Three numbers of the first bet and three the system does not use (it plays 1..24): the first
    // bet wins with three hits, and the grid highlights exactly those.
    const uint8_t* pierwszy = bety->Zaklad(0);
    const std::vector<int> wpisane{pierwszy[0], 30, pierwszy[2], 37, pierwszy[4], 45};
    test->RadioButton1()->click();
    {
        TOdpowiedzi odpowiedzi({WybierzLiczby(wpisane)});
        test->btnLiczby()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    test->btnStart()->click();
    ASSERT_TRUE(CzekajAz([test] { return !test->Pracuje(); }));
    ASSERT_FALSE(test->ListaTrafien().empty());
    EXPECT_EQ(test->ListaTrafien().front(), 1);
    EXPECT_EQ(Komorka(*test, 1, 0), QStringLiteral("1"));
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(Komorka(*test, 1, c), QString::number(pierwszy[c - 1]));
        EXPECT_EQ(Wyrozniona(*test, 1, c), c % 2 == 1) << c;
    }
    if (!zrzuty.isEmpty()) {
        test->RE1()->moveCursor(QTextCursor::Start);
        glowne->grab().save(zrzuty + QStringLiteral("/test-liczby.png"));
    }
}

} // namespace
} // namespace tarvomund
