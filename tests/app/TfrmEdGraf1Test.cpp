#include "slips/TfrmEdGraf1.h"

#include "PomocnikiUI.h"
#include "app/Wydruk.h"
#include "slips/PlikBlankietu.h"
#include "slips/SkalaBlankietu.h"
#include "slips/TEdGraf.h"
#include "slips/TFrmEdParBl.h"
#include "slips/TFrmParEdDruk.h"
#include "slips/TfrmDodajDr.h"
#include "slips/TfrmDrukSys.h"
#include "slips/TfrmParGr.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;
using P = TPolecenieEdytora;

constexpr int32_t KodLotto = 11;
constexpr int LiczbGry = 49;
constexpr int WRzedzie = 10;
constexpr double Poczatek = 10.0, OdstepX = 5.0, OdstepY = 6.0, DrugaGrupaX = 90.0;

double XLiczby(int liczba) { return Poczatek + ((liczba - 1) % WRzedzie) * OdstepX; }
double YLiczby(int liczba) { return Poczatek + ((liczba - 1) / WRzedzie) * OdstepY; }

// A press and release of the left button at a point of the slip, millimetres.
void Kliknij(TfrmEdGraf1& okno, double xMm, double yMm, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    const int skok = okno.Graf()->Skok();
    const QPoint p(MmNaPiksele(xMm, skok), MmNaPiksele(yMm, skok));
    okno.Graf()->Wcisnij(p, mod);
    okno.Graf()->Zwolnij(p);
}

// The parameters dialog on the selection: `ustaw` fills it, then OK.
void Parametry(TfrmEdGraf1& okno, const std::function<void(TfrmParGr&)>& ustaw)
{
    TOdpowiedzi odpowiedz({[&ustaw](QWidget* w) {
        auto* dialog = qobject_cast<TfrmParGr*>(w);
        ASSERT_NE(dialog, nullptr);
        ustaw(*dialog);
        dialog->btnOK()->click();
    }});
    okno.Akcja(P::Parametry)->trigger();
    ASSERT_EQ(odpowiedz.Obsluzonych(), 1);
}

void WybierzGrupe(TfrmParGr& dialog, const QString& nazwa)
{
    dialog.DodajGrupe(nazwa);
    dialog.rbZakladu()->setChecked(true);
}

// Draws a 6 of 49 slip of two bet groups as a user does: the settings, one bar per number placed
// with the tool and numbered in the parameters dialog, then the group copied, pasted and dragged
// to the right.
void NarysujBlankietLotto(TfrmEdGraf1& okno)
{
    {
        TOdpowiedzi ustawienia({[](QWidget* w) {
            auto* dialog = qobject_cast<TFrmEdParBl*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->edNazwa()->setText(QStringLiteral("Lotto 6 z 49 – dwa"));
            dialog->edSzer()->setValue(185);
            dialog->edWys()->setValue(82);
            dialog->btnOK()->click();
        }});
        okno.Akcja(P::Ustawienia)->trigger();
    }
    okno.Akcja(P::Rodzaj2)->trigger();
    for (int liczba = 1; liczba <= LiczbGry; ++liczba) {
        Kliknij(okno, XLiczby(liczba), YLiczby(liczba));
        ASSERT_EQ(okno.Edytor().Zaznaczenie().size(), 1u);
        Parametry(okno, [liczba](TfrmParGr& d) {
            WybierzGrupe(d, QStringLiteral("Zakład 1"));
            d.edNrPola()->setValue(liczba);
        });
    }
    okno.Akcja(P::Strzalka)->trigger();
    okno.Akcja(P::ZaznaczWszystko)->trigger();
    okno.Akcja(P::Kopiuj)->trigger();
    okno.Akcja(P::Wstaw)->trigger();
    ASSERT_EQ(okno.Edytor().Zaznaczenie().size(), static_cast<std::size_t>(LiczbGry));
    // The copies lie 1 mm right and down of the originals; drag them by the copy of number 1.
    const int skok = okno.Graf()->Skok();
    const double x = XLiczby(1) + 1 + 1, y = YLiczby(1) + 1 + 2;
    okno.Graf()->Wcisnij({MmNaPiksele(x, skok), MmNaPiksele(y, skok)}, Qt::NoModifier);
    const QPoint cel(MmNaPiksele(x + DrugaGrupaX - 1, skok), MmNaPiksele(y - 1, skok));
    okno.Graf()->Przesun(cel);
    okno.Graf()->Zwolnij(cel);
    Parametry(okno, [](TfrmParGr& d) { WybierzGrupe(d, QStringLiteral("Zakład 2")); });
}

// The centre of a field's mark on a page, pixels of a device of `dpi`.
QPoint SrodekZnaku(const TEdPole& pole, const TBlankietOb& b, const TPolozenieBlankietu& p, int dpi)
{
    const TPoleNaStronie naStronie = PolozPole(pole, b.Wys, p);
    const double x = naStronie.Zaznaczenie.Lewy + naStronie.Zaznaczenie.Szer / 2;
    const double y = naStronie.Zaznaczenie.Gorny + naStronie.Zaznaczenie.Wys / 2;
    return {static_cast<int>(x * dpi / 25.4), static_cast<int>(y * dpi / 25.4)};
}

TEST(TfrmEdGraf1, BlankietNarysowanyZapisanyPrzypisanyIZadrukowany)
{
    TKatalogTymczasowy katalog;
    const QString dane = QString::fromStdString(katalog.Sciezka().string());
    const QString plikBlankietu = QDir(dane).filePath(QStringLiteral("lotto49.bln"));

    TfrmEdGraf1 okno(dane);
    EXPECT_TRUE(okno.lblZnacznik()->isVisibleTo(&okno));
    NarysujBlankietLotto(okno);
    const TBlankietOb& narysowany = okno.Edytor().Blankiet();
    ASSERT_EQ(narysowany.Pola.size(), 2u * LiczbGry);
    // Every number of both groups is where the user put it.
    for (uint8_t grupa = 1; grupa <= 2; ++grupa)
        for (int liczba = 1; liczba <= LiczbGry; ++liczba) {
            const TGrupaOb* g = nullptr;
            for (const TGrupaOb& kandydat : narysowany.Grupy)
                if (kandydat.Nazwa == (grupa == 1 ? "Zakład 1" : "Zakład 2"))
                    g = &kandydat;
            ASSERT_NE(g, nullptr);
            const TEdPole* pole = narysowany.Pole(g->Nr, static_cast<uint8_t>(liczba));
            ASSERT_NE(pole, nullptr) << int(grupa) << " " << liczba;
            EXPECT_NEAR(pole->PozX, XLiczby(liczba) + (grupa == 2 ? DrugaGrupaX : 0), 0.5) << liczba;
            EXPECT_NEAR(pole->PozY, YLiczby(liczba), 0.5) << liczba;
        }

    const char* katalogZdjec = std::getenv("TARVOMUND_ZDJECIA");
    if (katalogZdjec) {
        okno.resize(1100, 700);
        okno.grab().save(QDir(QString::fromLocal8Bit(katalogZdjec)).filePath(QStringLiteral("edytor.png")));
    }
    ASSERT_TRUE(okno.ZapiszJakoDo(plikBlankietu));
    EXPECT_FALSE(okno.lblZnacznik()->isVisibleTo(&okno));
    const auto zapisany = WczytajBlankiet(plikBlankietu.toStdString());
    ASSERT_TRUE(zapisany);
    EXPECT_EQ(zapisany->Nazwa, "Lotto 6 z 49 – dwa");
    EXPECT_EQ(UkladDruku(*zapisany).ZakladowNaBlankiecie(), 2u);

    // Assigned to the game in its dialog.
    {
        TfrmDodajDr przypisanie(dane, KodLotto, QStringLiteral("Lotto"));
        ASSERT_EQ(przypisanie.CLB1()->count(), 1);
        przypisanie.CLB1()->item(0)->setCheckState(Qt::Checked);
        przypisanie.btnOK()->click();
    }
    ASSERT_EQ(WczytajBlankiet(plikBlankietu.toStdString())->KodGry, KodLotto);

    // A 20-bet system of the game: bet b plays b, b+1, ..., b+5.
    std::vector<testy::TZakladTestowy> zaklady;
    for (int b = 1; b <= 20; ++b)
        zaklady.push_back({b, b + 1, b + 2, b + 3, b + 4, b + 5});
    TInfoGryRec info = testy::InfoSystemuLiczbowego(LiczbGry, 6);
    info.Zakladow = 20;
    const std::string system = katalog.Plik("s20.ss2");
    ASSERT_TRUE(testy::ZapiszSystemTestowy(system, info, zaklady));

    TFrmParEdDruk dialog(TFrmParEdDruk::TrybSystemu(dane, QString::fromStdString(system), KodLotto));
    ASSERT_EQ(dialog.Lista().size(), 1u);
    EXPECT_EQ(dialog.IleBlankietow(), 10);
    EXPECT_EQ(dialog.lblIlosc()->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.spDo()->value(), 10);

    const TWydrukBlankietow wydruk = dialog.WydrukSystemu();
    const QString pdf = QDir(dane).filePath(QStringLiteral("blankiety.pdf"));
    {
        QPdfWriter pisarz(pdf);
        pisarz.setResolution(300);
        pisarz.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        EXPECT_EQ(Drukuj(pisarz, wydruk).Stron, 10);
    }
    // Kept for a look at the pages and the dialog when asked for.
    if (katalogZdjec) {
        const QDir zdjecia(QString::fromLocal8Bit(katalogZdjec));
        QFile::remove(zdjecia.filePath(QStringLiteral("blankiety-20.pdf")));
        QFile::copy(pdf, zdjecia.filePath(QStringLiteral("blankiety-20.pdf")));
        dialog.grab().save(zdjecia.filePath(QStringLiteral("druk-blankietow.png")));
        QFile::remove(zdjecia.filePath(QStringLiteral("lotto49.bln")));
        QFile::copy(plikBlankietu, zdjecia.filePath(QStringLiteral("lotto49.bln")));
    }

    // Slip 4 holds bets 7 and 8: the marks of their numbers are black, a number neither plays is not.
    constexpr int Dpi = 150;
    QImage strona(static_cast<int>(210 / 25.4 * Dpi), static_cast<int>(297 / 25.4 * Dpi), QImage::Format_RGB32);
    strona.setDotsPerMeterX(static_cast<int>(Dpi / 0.0254));
    strona.setDotsPerMeterY(static_cast<int>(Dpi / 0.0254));
    int gotowych = 0;
    QImage czwarta;
    Drukuj(strona, wydruk, [&](int g) {
        gotowych = g;
        if (g == 4)
            czwarta = strona.copy();
        return g < 4;
    });
    ASSERT_EQ(gotowych, 4);
    ASSERT_FALSE(czwarta.isNull());
    const TBlankietOb& b = *wydruk.Blankiet;
    const auto nrGrupy = UkladDruku(b).GrupyZakladow;
    for (int i = 0; i < 2; ++i) {
        const int zaklad = 7 + i;
        for (int liczba = 1; liczba <= LiczbGry; ++liczba) {
            const TEdPole* pole = b.Pole(nrGrupy[static_cast<std::size_t>(i)], static_cast<uint8_t>(liczba));
            ASSERT_NE(pole, nullptr);
            const bool gra = liczba >= zaklad && liczba <= zaklad + 5;
            const QRgb piksel = czwarta.pixel(SrodekZnaku(*pole, b, wydruk.Polozenie, Dpi));
            EXPECT_EQ(qGray(piksel) < 128, gra) << "bet " << zaklad << " number " << liczba;
        }
    }
}

TEST(TfrmEdGraf1, PrzesuniecieIObrotZapisaneWPlikuBlankietu)
{
    TKatalogTymczasowy katalog;
    const QString dane = QString::fromStdString(katalog.Sciezka().string());
    const QString plik = QDir(dane).filePath(QStringLiteral("lotto49.bln"));
    {
        TfrmEdGraf1 okno(dane);
        NarysujBlankietLotto(okno);
        ASSERT_TRUE(okno.ZapiszJakoDo(plik));
    }
    {
        TFrmParEdDruk test(TFrmParEdDruk::TrybTestu(plik));
        ASSERT_NE(test.Blankiet(), nullptr);
        test.UstawKrok(10);
        test.Strzalka(Qt::RightArrow)->click();
        test.UstawKrok(0.1);
        test.Strzalka(Qt::DownArrow)->click();
        test.chkObrot()->click();
        EXPECT_DOUBLE_EQ(test.Polozenie().PrzesX, 10);
        EXPECT_NEAR(test.Polozenie().PrzesY, 0.1, 1e-9);
        // The test print: the outline and every field of both groups, on one page.
        QImage strona(600, 900, QImage::Format_RGB32);
        EXPECT_EQ(Drukuj(strona, test.WydrukTestu()).Stron, 1);
        test.btnWyjscie()->click();
    }
    const auto blankiet = WczytajBlankiet(plik.toStdString());
    ASSERT_TRUE(blankiet);
    EXPECT_DOUBLE_EQ(blankiet->PrzesX, 10);
    EXPECT_NEAR(blankiet->PrzesY, 0.1, 1e-9);
    EXPECT_TRUE(blankiet->Obrot);
    EXPECT_EQ(blankiet->Pola.size(), 2u * LiczbGry);
    // Nothing but the temporary-free slip file is left beside it.
    EXPECT_EQ(QDir(dane).entryList(QDir::Files), QStringList{QStringLiteral("lotto49.bln")});
}

TEST(TfrmEdGraf1, ZamkniecieNiezapisanegoPyta)
{
    TKatalogTymczasowy katalog;
    TfrmEdGraf1 okno(QString::fromStdString(katalog.Sciezka().string()));
    okno.show();
    okno.Akcja(P::Rodzaj3)->trigger();
    Kliknij(okno, 20, 20);
    {
        TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie")});
        okno.Akcja(P::Zakoncz)->trigger();
        EXPECT_EQ(nie.Obsluzonych(), 1);
    }
    EXPECT_TRUE(okno.isVisible());
    {
        TOdpowiedzi tak({TOdpowiedzi::Przycisk("btnTak")});
        okno.Akcja(P::Zakoncz)->trigger();
        EXPECT_EQ(tak.Obsluzonych(), 1);
    }
    EXPECT_FALSE(okno.isVisible());
}

// The list dialog's choices reach the renderer: columns, range (reversed too) and own numbers.
TEST(TfrmDrukSys, WyborTrafiaDoWydrukuListy)
{
    TKatalogTymczasowy katalog;
    std::vector<testy::TZakladTestowy> zaklady;
    for (int b = 1; b <= 120; ++b)
        zaklady.push_back({1, 2, 3, 4, 5, 6});
    TInfoGryRec info = testy::InfoSystemuLiczbowego(10, 6);
    info.Zakladow = 120;
    const std::string system = katalog.Plik("s120.ss2");
    ASSERT_TRUE(testy::ZapiszSystemTestowy(system, info, zaklady));

    TfrmDrukSys dialog(info);
    EXPECT_EQ(dialog.lblIlosc()->text(), QStringLiteral("120"));
    EXPECT_TRUE(dialog.cbWlasne()->isEnabled());
    if (const char* katalogZdjec = std::getenv("TARVOMUND_ZDJECIA"))
        dialog.grab().save(QDir(QString::fromLocal8Bit(katalogZdjec)).filePath(QStringLiteral("druk-listy.png")));

    struct TPrzypadek {
        int Kolumn, Od, Do;
        bool Wlasne;
    };
    const TPrzypadek przypadki[] = {{3, 1, 120, true}, {1, 1, 120, false}, {2, 100, 11, true}};
    std::vector<int> stron;
    for (const TPrzypadek& p : przypadki) {
        dialog.rbKolumny(p.Kolumn)->click();
        dialog.spOd()->setValue(p.Od);
        dialog.spDo()->setValue(p.Do);
        dialog.cbWlasne()->setChecked(p.Wlasne);
        const TOpcjeListy opcje = dialog.Opcje();
        EXPECT_EQ(opcje.Kolumn, p.Kolumn);
        EXPECT_EQ(opcje.Od, p.Od);
        EXPECT_EQ(opcje.Do, p.Do);
        EXPECT_EQ(opcje.WlasneLiczby, p.Wlasne);
        // A page holds as many columns as chosen: fewer columns, more pages.
        const QString pdf = QString::fromStdString(katalog.Plik("lista.pdf"));
        QPdfWriter pisarz(pdf);
        pisarz.setPageLayout(QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF()));
        const TWynikWydruku wynik = Drukuj(pisarz, TWydrukListy{system, opcje});
        EXPECT_EQ(wynik.Blad, TBladWydruku::Brak);
        stron.push_back(wynik.Stron);
    }
    // The same 120 bets in one column take three times the pages of three columns, give or take the
    // title line; the 90 bets of 11..100 in two columns fall between.
    ASSERT_EQ(stron.size(), 3u);
    EXPECT_GE(stron[0], 1);
    EXPECT_GE(stron[1], 3 * stron[0] - 1);
    EXPECT_GT(stron[2], stron[0]);
    EXPECT_LT(stron[2], stron[1]);
}

} // namespace
} // namespace tarvomund
