#include "pools/TfrmNoweOknoPl.h"

#include "PomocnikiUI.h"
#include "TKolejkaOkien.h"
#include "app/KontekstPomocy.h"
#include "app/TAkcjeGlowne.h"
#include "app/TPasekStanuSystemu.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmNowy.h"
#include "model/PlikSystemu.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmSkok.h"
#include "pools/TGenSysPl.h"
#include "pools/TPoleceniaPuli.h"
#include "pools/TfrmRozpPl.h"
#include "pools/TfrmparamPl.h"
#include "slips/PlikBlankietu.h"
#include "slips/TFrmParEdDruk.h"
#include "slips/Tfrmdrukpyt1.h"
#include "systems/TfrmGwarancja.h"
#include "systems/TfrmTest.h"
#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzekajAz;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::TKolejkaOkien;
using testy::TOdpowiedzi;

constexpr int TagTypu(const char* tekst)
{
    for (int tag = 1; tag <= IlePrzyciskowTypow; ++tag)
        if (TekstPrzyciskuTypu(tag) == tekst)
            return tag;
    return 0;
}

QString Komorka(const QTableWidget* siatka, int wiersz, int kolumna)
{
    const QTableWidgetItem* komorka = siatka->item(wiersz, kolumna);
    return komorka ? komorka->text() : QStringLiteral("<brak>");
}

// The signs of bet column c, match 1 to k, joined by spaces.
QString Kolumna(const TfrmNoweOknoPl& okno, int c)
{
    QStringList znaki;
    for (int r = 1; r <= okno.Info().k; ++r)
        znaki << Komorka(okno.Grid1(), r, c);
    return znaki.join(QLatin1Char(' '));
}

bool CzekajNaKoniec(const TfrmNoweOknoPl& okno)
{
    return CzekajAz([&okno] { return !okno.Pracuje(); });
}

QString BezOdstepow(QString tekst)
{
    tekst.remove(QLatin1Char(' '));
    tekst.remove(QChar(0x00A0));
    tekst.remove(QChar(0x202F));
    return tekst;
}

class TfrmNoweOknoPlTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(Dane()); }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }
    QString DaneQ() const { return QString::fromStdString(Dane().string()); }
    std::string Tymczasowy(int32_t nr) const { return PlikTymczasowy(Dane().string(), nr); }

    std::unique_ptr<TfrmNoweOknoPl> Okno(int k, int32_t zakladow, TMetodaPl metoda = TMetodaPl::Pelna)
    {
        auto okno = std::make_unique<TfrmNoweOknoPl>(1, DaneQ());
        okno->Ustaw(NoweInfoSystemuPilkarskiego(k, zakladow, static_cast<int32_t>(metoda)));
        okno->show();
        return okno;
    }

    std::unique_ptr<TfrmGlowne> Glowne()
    {
        auto okno = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        okno->resize(1100, 800);
        okno->show();
        return okno;
    }

    // A pool window of the main window over the given typings, generated and idle.
    TfrmNoweOknoPl* OknoGlowne(TfrmGlowne& glowne, const TTypy& typy, int32_t zakladow,
                               TMetodaPl metoda = TMetodaPl::Pelna)
    {
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<TfrmparamPl*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->spTypow()->setValue(static_cast<int>(typy.size()));
            dialog->spZakladow()->setValue(zakladow);
            dialog->cbMetoda()->setCurrentIndex(static_cast<int>(metoda));
            dialog->btnOk()->click();
        }});
        TfrmNoweOknoPl* okno = glowne.PoleceniaPuli().NowySystem();
        EXPECT_NE(okno, nullptr);
        if (!okno)
            return nullptr;
        okno->UstawTypy(typy);
        okno->Generuj();
        EXPECT_TRUE(CzekajNaKoniec(*okno));
        return okno;
    }

    static bool Wlaczone(const TfrmGlowne& okno, P p) { return okno.Akcje().Akcja(p)->isEnabled(); }

    TKatalogTymczasowy katalog_;
};

TEST_F(TfrmNoweOknoPlTest, UstawienieSiatkiTytulIStany)
{
    auto okno = Okno(13, 10);
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<1>System piłkarski 13/10"));
    EXPECT_EQ(okno->property(WlasnoscKontekstuPomocy).toInt(), 1020);
    EXPECT_EQ(okno->Rodzaj(), TRodzajOkna::SystemPilkarski);
    EXPECT_EQ(okno->sgTypy()->rowCount(), 13);
    EXPECT_EQ(Komorka(okno->sgTypy(), 12, 0), QStringLiteral("13"));
    // The bets grid: the heading row and a row per match, the match numbers and eight bets.
    EXPECT_EQ(okno->Grid1()->rowCount(), 14);
    EXPECT_EQ(okno->Grid1()->columnCount(), 9);
    EXPECT_EQ(Komorka(okno->Grid1(), 13, 0), QStringLiteral("13"));
    EXPECT_EQ(okno->Scroll()->pageStep(), 8);
    EXPECT_TRUE(okno->lblPostep()->isHidden());

    const char* teksty[] = {"1",  "2",   "x",   "1x",  "x1",  "12",  "21",  "x2",
                            "2x", "1x2", "12x", "x12", "x21", "21x", "2x1", "C"};
    for (int tag = 1; tag <= IlePrzyciskowTypow; ++tag)
        EXPECT_EQ(okno->PrzyciskTypu(tag)->text(), QString::fromUtf8(teksty[tag - 1])) << tag;

    // Idle: every task but Stop; every file command, printing included.
    TStanFlag zadania;
    zadania.set();
    zadania.reset(1);
    EXPECT_EQ(okno->StanZadan(), zadania);
    EXPECT_TRUE(okno->StanPlikow().test(3));
    EXPECT_TRUE(okno->StanPlikow().test(2));
    const TPolaStatusu pola = okno->PolaStatusu();
    EXPECT_TRUE(pola.Liczb.isEmpty());
    EXPECT_EQ(pola.Skreslen, QStringLiteral("13"));
    EXPECT_EQ(pola.RodzajGeneracji, QStringLiteral("Metoda pełna"));

    // Nothing typed: Start has nothing to generate.
    okno->Generuj();
    EXPECT_FALSE(okno->Pracuje());
}

TEST_F(TfrmNoweOknoPlTest, PrzyciskiTypowIKombinacje)
{
    auto okno = Okno(13, 10);
    // Each click fills the selected row and selects the next one; after the last comes the first.
    okno->sgTypy()->setCurrentCell(0, 1);
    for (int i = 0; i < 13; ++i)
        okno->PrzyciskTypu(TagTypu("1x2"))->click();
    EXPECT_EQ(okno->sgTypy()->currentRow(), 0);
    EXPECT_EQ(okno->Typy(), TTypy(13, "1x2"));
    EXPECT_EQ(okno->IleKombinacji(), 1594323);
    EXPECT_EQ(BezOdstepow(okno->PolaStatusu().Kombinacji), QStringLiteral("1594323"));
    EXPECT_EQ(okno->Info().Zakladow, 10);

    for (int i = 0; i < 13; ++i)
        okno->PrzyciskTypu(TagTypu("1"))->click();
    EXPECT_EQ(okno->IleKombinacji(), 1);
    EXPECT_EQ(okno->Info().Zakladow, 1);

    // "12" in row 3 and "x21" in row 5: 6 combinations, the 10 bets asked for lowered to 6.
    okno->sgTypy()->setCurrentCell(2, 1);
    okno->PrzyciskTypu(TagTypu("12"))->click();
    EXPECT_EQ(okno->sgTypy()->currentRow(), 3);
    okno->sgTypy()->setCurrentCell(4, 1);
    okno->PrzyciskTypu(TagTypu("x21"))->click();
    EXPECT_EQ(okno->IleKombinacji(), 6);
    EXPECT_EQ(okno->Info().Zakladow, 6);
    EXPECT_EQ(okno->PolaStatusu().Zakladow, QStringLiteral("6"));
    // More combinations give back the count asked for, never more.
    okno->sgTypy()->setCurrentCell(6, 1);
    okno->PrzyciskTypu(TagTypu("2x"))->click();
    EXPECT_EQ(okno->IleKombinacji(), 12);
    EXPECT_EQ(okno->Info().Zakladow, 10);

    // "C" clears the row: the match leaves the typings.
    okno->sgTypy()->setCurrentCell(6, 1);
    okno->PrzyciskTypu(PrzyciskCzyszczacy)->click();
    EXPECT_TRUE(okno->Typy()[6].empty());
    EXPECT_EQ(okno->IleKombinacji(), 6);
}

TEST_F(TfrmNoweOknoPlTest, GeneracjaPokazujeZakladyPoOsiem)
{
    auto okno = Okno(10, 100);
    // Match 2 is cleared: it stays empty in every bet.
    okno->UstawTypy({"1x", "", "x12", "1", "2", "x", "1", "1", "21", "1"});
    EXPECT_EQ(okno->Info().Zakladow, 12);
    okno->Generuj();
    EXPECT_TRUE(okno->Pracuje());
    EXPECT_FALSE(okno->PrzyciskTypu(1)->isEnabled());
    TStanFlag praca;
    praca.set(1);
    EXPECT_EQ(okno->StanZadan(), praca);
    ASSERT_TRUE(CzekajNaKoniec(*okno));

    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<1>System piłkarski 10/12"));
    EXPECT_FALSE(okno->Zapisany());
    EXPECT_TRUE(okno->lblPostep()->isHidden());
    EXPECT_TRUE(okno->PrzyciskTypu(1)->isEnabled());
    EXPECT_EQ(okno->Scroll()->maximum(), 12);
    EXPECT_TRUE(okno->Scroll()->isEnabled());
    for (int c = 1; c <= 8; ++c)
        EXPECT_EQ(Komorka(okno->Grid1(), 0, c), QString::number(c));
    EXPECT_EQ(Kolumna(*okno, 1), QStringLiteral("1  x 1 2 x 1 1 2 1"));
    EXPECT_EQ(Kolumna(*okno, 2), QStringLiteral("1  x 1 2 x 1 1 1 1"));
    EXPECT_EQ(Kolumna(*okno, 3), QStringLiteral("1  1 1 2 x 1 1 2 1"));
    // The sign counts: "1" at match 1 in half the bets, nothing at match 2.
    EXPECT_EQ(okno->Info().Wystapienia[IndeksLicznikaZnaku(1, Kod1)], 6);
    EXPECT_EQ(okno->Info().Wystapienia[IndeksLicznikaZnaku(2, Kod1)], 0);

    // The scroll bar shows the bets from its position; past the last the columns are empty.
    okno->Scroll()->setValue(8);
    EXPECT_EQ(okno->BiezacyZaklad(), 8);
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 1), QStringLiteral("8"));
    EXPECT_EQ(Kolumna(*okno, 1), QStringLiteral("x  x 1 2 x 1 1 1 1"));
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 5), QStringLiteral("12"));
    EXPECT_TRUE(Komorka(okno->Grid1(), 0, 6).isEmpty());
    EXPECT_TRUE(Kolumna(*okno, 6).trimmed().isEmpty());
    EXPECT_EQ(Kolumna(*okno, 5), QStringLiteral("x  2 1 2 x 1 1 1 1"));

    // A click picks the whole bet, matches 1 to k.
    emit okno->Grid1()->cellClicked(4, 3);
    const QList<QTableWidgetSelectionRange> zaznaczenie = okno->Grid1()->selectedRanges();
    ASSERT_EQ(zaznaczenie.size(), 1);
    EXPECT_EQ(zaznaczenie[0].topRow(), 1);
    EXPECT_EQ(zaznaczenie[0].bottomRow(), 10);
    EXPECT_EQ(zaznaczenie[0].leftColumn(), 3);
    EXPECT_EQ(zaznaczenie[0].rightColumn(), 3);

    // The jump dialog: 1..bets from the current bet; OK shows the bets from the number chosen.
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* skok = qobject_cast<TfrmSkok*>(w);
        ASSERT_NE(skok, nullptr);
        EXPECT_EQ(skok->Pole()->maximum(), 12);
        EXPECT_EQ(skok->Pole()->value(), 8);
        skok->Pole()->setValue(9);
        skok->btnOK()->click();
    }});
    okno->SkokDoZakladu(QPoint(10, 10));
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    EXPECT_EQ(okno->Scroll()->value(), 9);
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 1), QStringLiteral("9"));
}

TEST_F(TfrmNoweOknoPlTest, ZatrzymanaGeneracjaZostawiaZakladyINiezapisana)
{
    auto okno = Okno(13, MaxKombinacjiPilkarskich);
    okno->UstawTypy(TTypy(13, "1x2"));
    okno->Generuj();
    // The stop request comes first, so the run ends at its first check whatever the machine's speed.
    okno->Przerwij();
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_FALSE(okno->close());
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Musisz zatrzymać generację systemu !"));
    }
    ASSERT_TRUE(CzekajNaKoniec(*okno));
    const int32_t zakladow = okno->Info().Zakladow;
    EXPECT_LT(zakladow, MaxKombinacjiPilkarskich);
    const auto naglowek = CzytajNaglowekSystemu(Tymczasowy(1));
    ASSERT_TRUE(naglowek.has_value());
    EXPECT_EQ(naglowek->Info.Zakladow, zakladow);
    EXPECT_EQ(fs::file_size(Tymczasowy(1)), DlugoscNaglowkaSystemu + 13u * static_cast<uint64_t>(zakladow));
    EXPECT_FALSE(okno->Zapisany());
    EXPECT_EQ(okno->Scroll()->isEnabled(), zakladow > 0);
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
    EXPECT_TRUE(okno->close());
}

TEST_F(TfrmNoweOknoPlTest, ZapisOtwarcieIPytaniePrzyZamykaniu)
{
    auto glowne = Glowne();
    const TTypy typy{"x1", "2", "21x", "1", "1", "", "x", "1", "1", "12", "1"};
    TfrmNoweOknoPl* okno = OknoGlowne(*glowne, typy, 30, TMetodaPl::SkroconaRownomierna);
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(okno->Info().Zakladow, 12);
    const QString plik = QString::fromStdString((katalog_.Sciezka() / "pula.ss2").string());
    okno->ZapiszDo(plik);
    EXPECT_TRUE(okno->Zapisany());
    EXPECT_EQ(CzytajPlik(plik.toStdString()), CzytajPlik(Tymczasowy(1)));

    // Opening the file: a new pool window with its typings back, in the order typed, and saved.
    glowne->OtworzPlik(plik);
    std::vector<TfrmNoweOknoPl*> okna;
    for (QMdiSubWindow* podokno : glowne->Obszar()->subWindowList())
        if (auto* pula = qobject_cast<TfrmNoweOknoPl*>(podokno->widget()))
            okna.push_back(pula);
    ASSERT_EQ(okna.size(), 2u);
    TfrmNoweOknoPl* otwarte = okna[1];
    EXPECT_EQ(otwarte->Typy(), typy);
    EXPECT_TRUE(otwarte->Zapisany());
    EXPECT_EQ(otwarte->PlikSystemu(), plik);
    EXPECT_EQ(otwarte->windowTitle(), QStringLiteral("<2>System piłkarski 11/12"));
    EXPECT_EQ(otwarte->Info().Metoda, 1);
    EXPECT_EQ(otwarte->IleKombinacji(), 12);
    EXPECT_EQ(Kolumna(*otwarte, 1), Kolumna(*okno, 1));
    EXPECT_EQ(glowne->PasekStanu()->Tryb(), TPasekStanuSystemu::TTryb::SystemBezLiczb);
    // A saved system closes without a question.
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
        EXPECT_TRUE(otwarte->parentWidget()->close());
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    }

    // After a new run the window asks, and "Anuluj" keeps it.
    okno->Generuj();
    ASSERT_TRUE(CzekajNaKoniec(*okno));
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnAnuluj")});
    EXPECT_FALSE(okno->close());
    ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
    EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Zapisać system ?\nSystem piłkarski - 11/12"));
    // "Tak" lets it go only once the system is on disk: a copy that fails keeps it, unsaved.
    fs::remove(plik.toStdString());
    fs::create_directory(plik.toStdString());
    {
        TOdpowiedzi nieudany({TOdpowiedzi::Przycisk("btnTak"), TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_FALSE(okno->close());
        ASSERT_EQ(nieudany.Obsluzonych(), 2);
        EXPECT_EQ(nieudany.Teksty().value(1), QStringLiteral("Błąd zapisu !"));
        EXPECT_FALSE(okno->Zapisany());
    }
    TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie")});
    glowne->ZamknijWszystkie();
    EXPECT_EQ(nie.Obsluzonych(), 1);
}

TEST_F(TfrmNoweOknoPlTest, NowyZOknaNowyIPolecenia)
{
    auto glowne = Glowne();
    TKolejkaOkien kolejka;
    kolejka
        .Potem<TfrmNowy>([](TfrmNowy* nowy) {
            nowy->UstawZakladke(TfrmNowy::TZakladka::SystemyPilkarskie);
            nowy->Lista(TfrmNowy::TZakladka::SystemyPilkarskie)->setCurrentRow(0);
            nowy->PrzyciskOK()->click();
        })
        .Potem<TfrmparamPl>([](TfrmparamPl* dialog) {
            // 13 matches, 10 bets, the full method.
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Parametry"));
            EXPECT_EQ(dialog->spTypow()->value(), 13);
            EXPECT_EQ(dialog->spZakladow()->value(), 10);
            EXPECT_EQ(dialog->spZakladow()->maximum(), 1594323);
            EXPECT_EQ(dialog->cbMetoda()->currentIndex(), 0);
            dialog->spTypow()->setValue(10);
            dialog->btnOk()->click();
        });
    glowne->Akcje().Akcja(P::Nowy)->trigger();
    ASSERT_EQ(kolejka.Wykonanych(), 2);
    auto* okno = qobject_cast<TfrmNoweOknoPl*>(glowne->Obszar()->activeSubWindow()->widget());
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<1>System piłkarski 10/10"));
    EXPECT_FALSE(okno->Pracuje());

    // The enabling of a pool window: its own states, and nothing of own numbers, sums and filters.
    EXPECT_EQ(glowne->PasekStanu()->Tryb(), TPasekStanuSystemu::TTryb::SystemBezLiczb);
    for (P p : {P::Start, P::Zapisz, P::ZapiszJako, P::ParametrySystemu, P::TestSystemu, P::Gwarancja,
                P::Rozklad, P::Nowy, P::Wczytaj, P::Drukuj})
        EXPECT_TRUE(Wlaczone(*glowne, p)) << static_cast<int>(p);
    for (P p : {P::Stop, P::WlasneLiczby, P::SumujSystemy, P::Filtry, P::SzukajWSystemie,
                P::WlasneLubSystemowe})
        EXPECT_FALSE(Wlaczone(*glowne, p)) << static_cast<int>(p);

    // Typed and started from the main window's Start: busy states until the run ends.
    okno->UstawTypy({"1x2", "1x2", "1", "1", "1", "1", "1", "1", "1", "1"});
    glowne->Akcje().Akcja(P::Start)->trigger();
    ASSERT_TRUE(CzekajNaKoniec(*okno));
    EXPECT_EQ(okno->Info().Zakladow, 9);
    EXPECT_TRUE(Wlaczone(*glowne, P::Start));
    EXPECT_FALSE(Wlaczone(*glowne, P::Stop));

    // "Parametry systemu": the dialog with the bets up to the combinations; OK generates again.
    TOdpowiedzi parametry({[](QWidget* w) {
        auto* dialog = qobject_cast<TfrmparamPl*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->spZakladow()->maximum(), 9);
        EXPECT_EQ(dialog->spZakladow()->value(), 9);
        dialog->spZakladow()->setValue(5);
        dialog->cbMetoda()->setCurrentIndex(2);
        dialog->btnOk()->click();
    }});
    glowne->Akcje().Akcja(P::ParametrySystemu)->trigger();
    ASSERT_EQ(parametry.Obsluzonych(), 1);
    ASSERT_TRUE(CzekajNaKoniec(*okno));
    EXPECT_EQ(okno->Info().Zakladow, 5);
    EXPECT_EQ(okno->Info().Metoda, 2);
    EXPECT_EQ(okno->PolaStatusu().RodzajGeneracji, QStringLiteral("Metoda skrócona przypadkowa"));
    glowne->Obszar()->setActiveSubWindow(glowne->Obszar()->subWindowList().front());

    // The distribution window at the pool window's top left corner.
    const QPoint naroznik = glowne->Obszar()->activeSubWindow()->pos();
    glowne->Akcje().Akcja(P::Rozklad)->trigger();
    auto* rozklad = qobject_cast<TfrmRozpPl*>(glowne->Obszar()->activeSubWindow()->widget());
    ASSERT_NE(rozklad, nullptr);
    EXPECT_EQ(glowne->Obszar()->activeSubWindow()->pos(), naroznik);
    EXPECT_EQ(rozklad->Wiersze().value(1), QStringLiteral("System 10/5"));
    EXPECT_TRUE(Wlaczone(*glowne, P::Drukuj));
    EXPECT_FALSE(Wlaczone(*glowne, P::Start));
    int suma = 0;
    for (int s = 0; s < 3; ++s)
        suma += okno->Info().Wystapienia[static_cast<std::size_t>(s)];
    EXPECT_EQ(suma, 5);

    // The test window in its pool mode.
    glowne->Obszar()->setActiveSubWindow(glowne->Obszar()->subWindowList().front());
    glowne->Akcje().Akcja(P::TestSystemu)->trigger();
    auto* test = qobject_cast<TfrmTest*>(glowne->Obszar()->activeSubWindow()->widget());
    ASSERT_NE(test, nullptr);
    ASSERT_TRUE(CzekajAz([test] { return !test->Pracuje(); }));
    EXPECT_TRUE(test->Pilkarski());
    EXPECT_EQ(test->System()->Ile(), 5);
    EXPECT_EQ(test->RadioButton1()->text(), QStringLiteral("W/g wprowadzanych typowań"));

    TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie")});
    glowne->ZamknijWszystkie();
    EXPECT_EQ(nie.Obsluzonych(), 1);
}

TEST_F(TfrmNoweOknoPlTest, DrukujeNaBlankietachPilkarskich)
{
    auto glowne = Glowne();
    TfrmNoweOknoPl* okno = OknoGlowne(*glowne, {"1x2", "1x2", "1", "1", "1", "1", "1", "1", "1", "1"}, 9,
                                      TMetodaPl::Pelna);
    ASSERT_NE(okno, nullptr);
    // Two pool slips of four bet groups and a number slip that must not be offered.
    ASSERT_TRUE(ZapiszBlankiet(testy::BlankietPilkarskiTestowy(4, 13), (Dane() / "toto.bln").string()));
    TBlankietOb liczbowy = testy::BlankietLiczbowy(2, 49, 11);
    ASSERT_TRUE(ZapiszBlankiet(liczbowy, (Dane() / "lotto.bln").string()));
    ASSERT_EQ(testy::BlankietPilkarskiTestowy(4, 13).KodGry, KodBlankietuPilkarskiego);

    TKolejkaOkien kolejka;
    kolejka.Potem<Tfrmdrukpyt1>([](Tfrmdrukpyt1* pytanie) {
               pytanie->findChild<QPushButton*>(QStringLiteral("btnBlankiety"))->click();
           })
        .Potem<TFrmParEdDruk>([](TFrmParEdDruk* dialog) {
            ASSERT_EQ(dialog->Lista().size(), 1u);
            // Nine bets on slips of four: three slips, the last with one bet.
            EXPECT_EQ(dialog->IleBlankietow(), 3);
            QImage strona(400, 600, QImage::Format_RGB32);
            EXPECT_EQ(Drukuj(strona, dialog->WydrukSystemu()).Blad, TBladWydruku::Brak);
            dialog->btnWyjscie()->click();
        });
    glowne->Akcje().Akcja(P::Drukuj)->trigger();
    EXPECT_EQ(kolejka.Wykonanych(), 2);

    TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie")});
    glowne->ZamknijWszystkie();
}

TEST_F(TfrmNoweOknoPlTest, GwarancjaWTrybiePilkarskim)
{
    auto glowne = Glowne();
    // Matches 1 and 2 typed with three signs, the bets a shortened part of the nine outcomes.
    TfrmNoweOknoPl* okno = OknoGlowne(*glowne, {"1x2", "1x2", "1", "1", "1", "1", "1", "1", "1", "1"}, 3,
                                      TMetodaPl::SkroconaRownomierna);
    ASSERT_NE(okno, nullptr);
    glowne->Akcje().Akcja(P::Gwarancja)->trigger();
    auto* gwarancja = qobject_cast<TfrmGwarancja*>(glowne->Obszar()->activeSubWindow()->widget());
    ASSERT_NE(gwarancja, nullptr);
    EXPECT_TRUE(gwarancja->Pilkarski());
    EXPECT_EQ(gwarancja->property(WlasnoscKontekstuPomocy).toInt(), 1022);
    EXPECT_TRUE(gwarancja->Spin1()->isHidden());
    EXPECT_EQ(gwarancja->Spin1()->value(), 10);
    EXPECT_EQ(gwarancja->windowTitle(), QStringLiteral("Gwarancja - System piłkarski 3"));
    EXPECT_EQ(gwarancja->Wiersze(), (QStringList{QStringLiteral("Gwarancja dla systemu  3"),
                                                 QStringLiteral("-------------------------------------")}));
    ASSERT_EQ(gwarancja->System().Typy.size(), 2u);

    gwarancja->Start();
    ASSERT_TRUE(CzekajAz([gwarancja] { return !gwarancja->Pracuje(); }));
    const std::atomic<bool> przerwij{false};
    TUstawieniaGwarancji ustawienia;
    ustawienia.m = 10;
    ustawienia.IleNad = glowne->Parametry().IleNad;
    ustawienia.IlePod = glowne->Parametry().IlePod;
    ustawienia.MinMax = glowne->Parametry().MinMax;
    QStringList oczekiwane;
    for (const std::string& wiersz : TGenGwar01(gwarancja->System(), ustawienia, przerwij).Wykonaj().Wiersze)
        oczekiwane << QString::fromStdString(wiersz);
    EXPECT_EQ(gwarancja->Wiersze(), oczekiwane);
    EXPECT_EQ(oczekiwane.value(1), QStringLiteral("Ilość trafionych liczb -  - 10 -  Błąd 0%"));

    gwarancja->Wyczysc();
    EXPECT_EQ(gwarancja->Wiersze().value(0), QStringLiteral("Gwarancja dla systemu  3 Zakł. "));
    TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie")});
    glowne->ZamknijWszystkie();
    EXPECT_EQ(nie.Obsluzonych(), 1);
}

TEST(TfrmparamPl, ZakresyIWynik)
{
    TfrmparamPl dialog;
    EXPECT_EQ(dialog.property(WlasnoscKontekstuPomocy).toInt(), 1020);
    EXPECT_EQ(dialog.spTypow()->minimum(), 10);
    EXPECT_EQ(dialog.spTypow()->maximum(), 13);
    ASSERT_EQ(dialog.cbMetoda()->count(), 3);
    EXPECT_EQ(dialog.cbMetoda()->itemText(1), QStringLiteral("Metoda skrócona równomierna"));
    EXPECT_EQ(dialog.cbMetoda()->itemText(2), QStringLiteral("Metoda skrócona przypadkowa"));

    // The bet count is lowered to the largest count first.
    TInfoGryRec info = NoweInfoSystemuPilkarskiego(12, 40, 2);
    dialog.Ustaw(info, 27);
    EXPECT_EQ(dialog.spTypow()->value(), 12);
    EXPECT_EQ(dialog.spZakladow()->maximum(), 27);
    EXPECT_EQ(dialog.spZakladow()->value(), 27);
    EXPECT_EQ(dialog.cbMetoda()->currentIndex(), 2);
    dialog.spTypow()->setValue(11);
    dialog.spZakladow()->setValue(3);
    dialog.cbMetoda()->setCurrentIndex(1);
    const TInfoGryRec wynik = dialog.Wynik();
    EXPECT_EQ(wynik.k, 11);
    EXPECT_EQ(wynik.Zakladow, 3);
    EXPECT_EQ(wynik.Metoda, 1);
    EXPECT_EQ(wynik.KodGry, 1001);
    EXPECT_EQ(wynik.Nazwa, "System piłkarski");
}

TEST(TfrmRozpPl, WierszeRozkladu)
{
    // 9 bets, match 1 "1" six times and "x" three times.
    TInfoGryRec info = NoweInfoSystemuPilkarskiego(10, 9, 0);
    info.Wystapienia[IndeksLicznikaZnaku(1, Kod1)] = 6;
    info.Wystapienia[IndeksLicznikaZnaku(1, KodX)] = 3;
    info.Wystapienia[IndeksLicznikaZnaku(10, Kod2)] = 9;
    TfrmRozpPl okno;
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("INFO"));
    EXPECT_EQ(okno.property(WlasnoscKontekstuPomocy).toInt(), 1023);
    EXPECT_EQ(okno.sizeHint(), QSize(500, 260));
    okno.PokazRozklad(info);
    const QStringList wiersze = okno.Wiersze();
    ASSERT_EQ(wiersze.size(), 3 + 10);
    EXPECT_EQ(wiersze[0], QStringLiteral("Rozkład liczb w grze System piłkarski"));
    EXPECT_EQ(wiersze[1], QStringLiteral("System 10/9"));
    EXPECT_TRUE(wiersze[2].isEmpty());
    EXPECT_EQ(wiersze[3], QStringLiteral(" 1.       6(1)-> 66.67%     3(x)-> 33.33%     0(2)->  0.00%"));
    EXPECT_EQ(wiersze[4], QStringLiteral(" 2.       0(1)->  0.00%     0(x)->  0.00%     0(2)->  0.00%"));
    EXPECT_EQ(wiersze[12], QStringLiteral("10.       0(1)->  0.00%     0(x)->  0.00%     9(2)->100.00%"));
    EXPECT_EQ(okno.TytulWydruku(), QStringLiteral("Rozkład liczb w grze System piłkarski - System 10/9"));
    // Without bets every share is 0.
    EXPECT_EQ(TfrmRozpPl::WierszRozkladu(3, {2, 0, 0}, 0),
              QStringLiteral(" 3.       2(1)->  0.00%     0(x)->  0.00%     0(2)->  0.00%"));
}

} // namespace
} // namespace tarvomund
