#include "tools/TfrmBio.h"

#include "app/KontekstPomocy.h"
#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "tools/MalowanieBiorytmu.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

const QColor Tlo(255, 255, 213);
const QColor Czarny(0, 0, 0);
const QColor Szary(128, 128, 128);
const QColor Srebrny(192, 192, 192);
const QColor Czerwony(255, 0, 0);
const QColor Zielony(0, 128, 0);
const QColor Niebieski(0, 0, 255);
const QColor Kasztanowy(128, 0, 0);

void UstawDaty(TfrmBio& okno, const QDate& urodzenie, const QDate& data)
{
    okno.DataBio()->setDate(data);
    okno.DataUr()->setDate(urodzenie);
}

QStringList TekstyRytmow(const TfrmBio& okno)
{
    QStringList teksty;
    for (int r = 0; r < IleRytmow; ++r)
        teksty << okno.Rytm(r)->text();
    return teksty;
}

template <typename TWarunek> bool MaPiksel(const QImage& obraz, const QRect& obszar, TWarunek warunek)
{
    for (int y = obszar.top(); y <= obszar.bottom(); ++y)
        for (int x = obszar.left(); x <= obszar.right(); ++x)
            if (warunek(obraz.pixelColor(x, y)))
                return true;
    return false;
}

bool MaKolor(const QImage& obraz, const QColor& kolor, const QRect& obszar)
{
    return MaPiksel(obraz, obszar, [&kolor](const QColor& k) { return k == kolor; });
}

// Smoothed text blends its colour into the background: grey text leaves darker neutral pixels,
// red text pixels of full red with little green.
bool MaSzaryTekst(const QImage& obraz, const QRect& obszar)
{
    return MaPiksel(obraz, obszar, [](const QColor& k) { return k.red() == k.green() && k.red() < 180; });
}

bool MaCzerwonyTekst(const QImage& obraz, const QRect& obszar)
{
    return MaPiksel(obraz, obszar, [](const QColor& k) { return k.red() == 255 && k.green() < 150; });
}

TEST(TfrmBio, OknoPoOtwarciu)
{
    TfrmBio okno;
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Biorytmy"));
    EXPECT_EQ(okno.property(WlasnoscKontekstuPomocy).toInt(), 1052);
    EXPECT_EQ(okno.Rodzaj(), TRodzajOkna::Biorytmy);
    EXPECT_EQ(okno.DataUr()->date(), QDate(1999, 1, 1));
    EXPECT_EQ(okno.DataBio()->date(), QDate::currentDate());
    const QStringList nazwy{QStringLiteral("Rytm fizyczny"), QStringLiteral("Rytm psychiczny"),
                            QStringLiteral("Rytm intelektualny"), QStringLiteral("Rytm intuicyjny")};
    for (int r = 0; r < IleRytmow; ++r) {
        EXPECT_TRUE(okno.Rytm(r)->isChecked());
        EXPECT_EQ(okno.Rytm(r)->objectName(), QStringLiteral("cb%1").arg(r + 1));
        const QString tekst = okno.Rytm(r)->text();
        EXPECT_TRUE(tekst.endsWith(QLatin1Char(' ') + nazwy[r])) << tekst.toStdString();
    }
    // Today's chart is drawn at once, with its four curves.
    ASSERT_TRUE(okno.Plan().has_value());
    EXPECT_EQ(okno.Plan()->Krzywe.size(), 4u);
    EXPECT_EQ(okno.Image1()->pixmap().size(), QSize(500, 240));
    EXPECT_EQ(okno.Obraz().pixelColor(1, 1), Tlo);
}

TEST(TfrmBio, ZnakiIDniCykluNaPolach)
{
    struct TPrzypadek {
        QDate Urodzenie;
        QDate Data;
        QStringList Teksty;
    };
    const TPrzypadek przypadki[] = {
        // 9200 days lived, a multiple of 23: no sign on the physical rhythm.
        {{1999, 1, 1},
         {2024, 3, 9},
         {QStringLiteral("0 Rytm fizyczny"), QStringLiteral("-16 Rytm psychiczny"),
          QStringLiteral("-26 Rytm intelektualny"), QStringLiteral("+4 Rytm intuicyjny")}},
        // 61 days lived across a leap day.
        {{2000, 1, 1},
         {2000, 3, 1},
         {QStringLiteral("-15 Rytm fizyczny"), QStringLiteral("+5 Rytm psychiczny"),
          QStringLiteral("-28 Rytm intelektualny"), QStringLiteral("-23 Rytm intuicyjny")}},
        // 14 days lived past whole emotional cycles (434 = 15 × 28 + 14): its middle crossing.
        {{2000, 1, 1},
         {2001, 3, 9},
         {QStringLiteral("-20 Rytm fizyczny"), QStringLiteral("14 Rytm psychiczny"),
          QStringLiteral("+5 Rytm intelektualny"), QStringLiteral("+16 Rytm intuicyjny")}},
    };
    TfrmBio okno;
    for (const TPrzypadek& p : przypadki) {
        UstawDaty(okno, p.Urodzenie, p.Data);
        EXPECT_EQ(TekstyRytmow(okno), p.Teksty) << p.Data.toString().toStdString();
    }
}

TEST(TfrmBio, ZbytPoznaDataUrodzeniaNicNieZmienia)
{
    TfrmBio okno;
    UstawDaty(okno, {2000, 1, 1}, {2000, 3, 1});
    const QImage obraz = okno.Obraz().copy();
    const QStringList teksty = TekstyRytmow(okno);

    // After the chart date, on it, and 30 days before it: chart and texts stay, even when a rhythm
    // is unchecked meanwhile.
    for (const QDate& urodzenie : {QDate(2000, 5, 1), QDate(2000, 3, 1), QDate(2000, 1, 31)}) {
        okno.DataUr()->setDate(urodzenie);
        EXPECT_EQ(okno.Obraz(), obraz) << urodzenie.toString().toStdString();
        EXPECT_EQ(TekstyRytmow(okno), teksty);
    }
    okno.Rytm(1)->setChecked(false);
    EXPECT_EQ(okno.Obraz(), obraz);
    EXPECT_EQ(okno.Plan()->Krzywe.size(), 4u);

    // 31 days before: drawn again, now without the emotional curve.
    okno.DataUr()->setDate({2000, 1, 30});
    EXPECT_NE(okno.Obraz(), obraz);
    EXPECT_EQ(TekstyRytmow(okno).at(0), QStringLiteral("+9 Rytm fizyczny"));
    EXPECT_EQ(okno.Plan()->Krzywe.size(), 3u);
    EXPECT_FALSE(MaKolor(okno.Obraz(), Zielony, okno.Obraz().rect()));
}

TEST(TfrmBio, SiatkaBezKrzywychNaObrazie)
{
    TfrmBio okno;
    UstawDaty(okno, {1999, 1, 1}, {1999, 2, 9});
    for (int r = 0; r < IleRytmow; ++r)
        okno.Rytm(r)->setChecked(false);
    const QImage& obraz = okno.Obraz();
    ASSERT_EQ(obraz.size(), QSize(500, 240));
    EXPECT_TRUE(okno.Plan()->Krzywe.empty());

    struct TPiksel {
        int X;
        int Y;
        QColor Kolor;
    };
    const TPiksel piksele[] = {
        {0, 0, Czarny},       {499, 239, Czarny},   {250, 0, Czarny},     {0, 120, Czarny},
        {30, 100, Tlo},       {270, 30, Tlo},       {30, 120, Szary},     {494, 120, Szary},
        {30, 20, Srebrny},    {30, 70, Srebrny},    {30, 170, Srebrny},   {30, 220, Srebrny},
        {25, 100, Srebrny},   {37, 150, Srebrny},   {493, 100, Srebrny},  {265, 20, Czerwony},
        {265, 100, Czerwony}, {265, 220, Czerwony}, {265, 221, Tlo},      {495, 120, Tlo},
        {24, 120, Tlo},       {253, 100, Srebrny},  {277, 100, Srebrny},  {497, 100, Tlo},
    };
    for (const TPiksel& p : piksele)
        EXPECT_EQ(obraz.pixelColor(p.X, p.Y), p.Kolor) << p.X << "," << p.Y;

    // Only the grid: no curve colour anywhere, red only on the chart date's line and its labels.
    for (const QColor& kolor : {Zielony, Niebieski, Kasztanowy})
        EXPECT_FALSE(MaKolor(obraz, kolor, obraz.rect()));
    EXPECT_FALSE(MaKolor(obraz, Czerwony, QRect(0, 0, 255, 240)));
    EXPECT_FALSE(MaKolor(obraz, Czerwony, QRect(280, 0, 220, 240)));
    EXPECT_TRUE(MaCzerwonyTekst(obraz, QRect(258, 225, 14, 12)));
    EXPECT_TRUE(MaCzerwonyTekst(obraz, QRect(258, 5, 14, 12)));
    EXPECT_FALSE(MaSzaryTekst(obraz, QRect(258, 225, 14, 12)));
    // The axis labels left of the grid and the other day labels above and below it are grey.
    for (const QRect& etykieta : {QRect(2, 15, 20, 10), QRect(2, 215, 20, 10), QRect(21, 225, 10, 12),
                                  QRect(21, 5, 10, 12), QRect(477, 225, 10, 12)}) {
        EXPECT_TRUE(MaSzaryTekst(obraz, etykieta)) << etykieta.x() << "," << etykieta.y();
        EXPECT_FALSE(MaCzerwonyTekst(obraz, etykieta));
    }
    // Between the grid and the labels there is only background.
    EXPECT_FALSE(MaPiksel(obraz, QRect(30, 2, 200, 2), [](const QColor& k) { return k != Tlo; }));
}

TEST(TfrmBio, KrzyweWKolorachRytmow)
{
    TfrmBio okno;
    UstawDaty(okno, {1999, 1, 1}, {2024, 3, 9});
    const QImage& obraz = okno.Obraz();
    const TPlanBiorytmu& plan = *okno.Plan();
    ASSERT_EQ(plan.Krzywe.size(), 4u);
    // The intuitive curve is drawn last: every one of its points is set in its colour.
    for (const TPunktBio& p : plan.Krzywe[3].Punkty)
        ASSERT_EQ(obraz.pixelColor(p.X, p.Y), Kasztanowy) << p.X << "," << p.Y;
    // The other curves show wherever no later curve covers them.
    const QColor kolory[] = {Czerwony, Zielony, Niebieski};
    for (int r = 0; r < 3; ++r) {
        int widocznych = 0;
        for (const TPunktBio& p : plan.Krzywe[static_cast<std::size_t>(r)].Punkty)
            widocznych += obraz.pixelColor(p.X, p.Y) == kolory[r];
        EXPECT_GT(widocznych, 400) << r;
    }
}

TEST(TfrmBio, MalowanieWDowolnymProstokacie)
{
    TfrmBio okno;
    UstawDaty(okno, {1999, 1, 1}, {1999, 2, 9});
    for (int r = 0; r < IleRytmow; ++r)
        okno.Rytm(r)->setChecked(false);
    // Twice the size, 10 pixels in and 20 down, on a white page.
    QImage strona(1100, 600, QImage::Format_RGB32);
    strona.fill(Qt::white);
    QPainter malarz(&strona);
    MalujBiorytm(malarz, QRectF(10, 20, 1000, 480), *okno.Plan());
    malarz.end();
    const auto na = [&strona](int x, int y) { return strona.pixelColor(10 + 2 * x, 20 + 2 * y); };
    EXPECT_EQ(na(100, 100), Tlo);
    EXPECT_EQ(na(265, 100), Czerwony);
    EXPECT_EQ(na(37, 100), Srebrny);
    EXPECT_EQ(na(100, 120), Szary);
    EXPECT_EQ(na(0, 0), Czarny);
    EXPECT_EQ(strona.pixelColor(5, 100), QColor(Qt::white));
    EXPECT_EQ(strona.pixelColor(300, 10), QColor(Qt::white));
    // The 41st day line lies beyond the chart's right edge and stays out of sight.
    EXPECT_FALSE(MaKolor(strona, Srebrny, QRect(1011, 0, 89, 600)));
    EXPECT_FALSE(MaKolor(strona, Tlo, QRect(1011, 0, 89, 600)));
}

TEST(TfrmBio, Wydruk)
{
    TfrmBio okno;
    UstawDaty(okno, {2000, 1, 1}, {2000, 3, 1});
    okno.Rytm(3)->setChecked(false);
    EXPECT_EQ(okno.WierszeWydruku(),
              (QStringList{QStringLiteral("Biorytmy"), QString(),
                           QStringLiteral("Data urodzenia: 01.01.2000"), QStringLiteral("Data biorytmu: 01.03.2000"),
                           QStringLiteral("-15 Rytm fizyczny"), QStringLiteral("+5 Rytm psychiczny"),
                           QStringLiteral("-28 Rytm intelektualny")}));
    testy::TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("biorytm.pdf");
    {
        QPdfWriter pdf(QString::fromStdString(plik));
        EXPECT_EQ(okno.DrukujNa(pdf), 1);
    }
    EXPECT_GT(std::filesystem::file_size(plik), 1000u);
}

TEST(TfrmBio, KilkaOkienZOknaGlownego)
{
    testy::TKatalogTymczasowy katalog;
    TfrmGlowne glowne(QString::fromStdString(katalog.Sciezka().string()));
    glowne.resize(1000, 700);
    glowne.show();
    QAction* biorytmy = glowne.Akcje().Akcja(TPolecenie::Biorytmy);
    ASSERT_TRUE(biorytmy->isEnabled());
    biorytmy->trigger();
    biorytmy->trigger();
    const QList<QMdiSubWindow*> okna = glowne.Obszar()->subWindowList();
    ASSERT_EQ(okna.size(), 2);
    for (QMdiSubWindow* podokno : okna)
        EXPECT_NE(qobject_cast<TfrmBio*>(podokno->widget()), nullptr);
    EXPECT_EQ(glowne.Obszar()->activeSubWindow(), okna.at(1));

    // An active chart can be printed; it has nothing to save, start or filter.
    const auto wlaczone = [&glowne](TPolecenie p) { return glowne.Akcje().Akcja(p)->isEnabled(); };
    EXPECT_TRUE(wlaczone(TPolecenie::Drukuj));
    EXPECT_TRUE(wlaczone(TPolecenie::Nowy));
    EXPECT_TRUE(wlaczone(TPolecenie::Biorytmy));
    for (TPolecenie p : {TPolecenie::Zapisz, TPolecenie::Start, TPolecenie::Stop, TPolecenie::Filtry,
                         TPolecenie::Gwarancja})
        EXPECT_FALSE(wlaczone(p)) << static_cast<int>(p);
    EXPECT_EQ(glowne.KontekstPomocy(), 1052);

    glowne.Obszar()->closeAllSubWindows();
    EXPECT_TRUE(glowne.Obszar()->subWindowList().isEmpty());
    EXPECT_FALSE(wlaczone(TPolecenie::Drukuj));
}

} // namespace
} // namespace tarvomund
