#include "app/Wydruk.h"

#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using testy::TZakladTestowy;

// Pages of a PDF the renderer wrote, counted in the file itself.
int StronPdf(const std::string& plik)
{
    const std::string pdf = testy::CzytajPlik(plik);
    int stron = 0;
    for (std::size_t i = pdf.find("/Type /Page"); i != std::string::npos; i = pdf.find("/Type /Page", i + 1))
        if (pdf.compare(i, 12, "/Type /Pages") != 0)
            ++stron;
    return stron;
}

// An image page of 10 pixels per millimetre.
constexpr int PikseliNaMm = 10;
QImage Strona(int szerMm, int wysMm)
{
    QImage obraz(szerMm * PikseliNaMm, wysMm * PikseliNaMm, QImage::Format_RGB32);
    obraz.setDotsPerMeterX(PikseliNaMm * 1000);
    obraz.setDotsPerMeterY(PikseliNaMm * 1000);
    return obraz;
}

bool Ciemny(const QImage& obraz, double xMm, double yMm)
{
    return qGray(obraz.pixel(static_cast<int>(xMm * PikseliNaMm), static_cast<int>(yMm * PikseliNaMm))) < 100;
}

int CiemnychW(const QImage& obraz, const QRectF& mm)
{
    int ile = 0;
    for (int y = static_cast<int>(mm.top() * PikseliNaMm); y < static_cast<int>(mm.bottom() * PikseliNaMm); ++y)
        for (int x = static_cast<int>(mm.left() * PikseliNaMm); x < static_cast<int>(mm.right() * PikseliNaMm); ++x)
            if (qGray(obraz.pixel(x, y)) < 100)
                ++ile;
    return ile;
}

TEST(Wydruk, WierszeDzieloneNaStrony)
{
    TKatalogTymczasowy katalog;
    QStringList wiersze;
    for (int i = 0; i < 300; ++i)
        wiersze << QStringLiteral("    %1[  1.0000%]     3x(6)").arg(i);
    const std::string plik = katalog.Plik("wydruk.pdf");
    {
        QPdfWriter pdf(QString::fromStdString(plik));
        const TWynikWydruku wynik = Drukuj(pdf, TWydrukWierszy{wiersze, QFont(QStringLiteral("DejaVu Sans Mono"), 10)});
        EXPECT_GT(wynik.Stron, 3);
        EXPECT_EQ(wynik.Blad, TBladWydruku::Brak);
    }
    EXPECT_GT(StronPdf(plik), 3);
    QPdfWriter jednaStrona(QString::fromStdString(katalog.Plik("krotki.pdf")));
    EXPECT_EQ(Drukuj(jednaStrona, TWydrukWierszy{wiersze.mid(0, 5), QFont()}).Stron, 1);

    // An image takes the first page only, unless the pages are collected.
    QImage obraz = Strona(50, 50);
    EXPECT_EQ(Drukuj(obraz, TWydrukWierszy{wiersze, QFont()}).Stron, 1);
    std::vector<QImage> strony;
    const TWynikWydruku wynik = Drukuj(obraz, TWydrukWierszy{wiersze, QFont()}, [&](int) {
        strony.push_back(obraz.copy());
        return true;
    });
    EXPECT_EQ(static_cast<int>(strony.size()) + 1, wynik.Stron);
    EXPECT_GT(wynik.Stron, 3);
}

// One bet group of numbers 1..49 laid out as the fixture does, on a small page.
class WydrukBlankietow : public ::testing::Test {
protected:
    std::string System(const TInfoGryRec& info, const std::vector<TZakladTestowy>& zaklady)
    {
        const std::string plik = katalog_.Plik("system.ss2");
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return plik;
    }
    TWydrukBlankietow Zadanie(TBlankietOb blankiet, const std::string& system, TPolozenieBlankietu polozenie)
    {
        TWydrukBlankietow w;
        w.Blankiet = std::make_shared<TBlankietOb>(std::move(blankiet));
        w.PlikSystemu = system;
        w.Od = 1;
        w.Do = 99;
        w.Polozenie = polozenie;
        return w;
    }
    TKatalogTymczasowy katalog_;
};

TEST_F(WydrukBlankietow, ZnakiWSwoichPolachWObuUlozeniach)
{
    const std::string system = System(testy::InfoSystemuLiczbowego(10, 6), {{1, 2, 3, 4, 5, 6}});
    const TBlankietOb wzor = testy::BlankietLiczbowy(1, 49, 1);
    for (bool obrot : {false, true}) {
        SCOPED_TRACE(obrot ? "as drawn" : "turned");
        const TPolozenieBlankietu polozenie{10, 5, obrot};
        QImage obraz = Strona(200, 200);
        const TWydrukBlankietow zadanie = Zadanie(testy::BlankietLiczbowy(1, 49, 1), system, polozenie);
        const TWynikWydruku wynik = Drukuj(obraz, zadanie);
        ASSERT_EQ(wynik.Blad, TBladWydruku::Brak);
        EXPECT_EQ(wynik.Stron, 1);
        int zaznaczonych = 0;
        for (const auto& pole : zadanie.Blankiet->Pola) {
            if (pole->Rodzaj != RodzajBelkaPozioma)
                continue;
            const TPoleNaStronie p = PolozPole(*pole, wzor.Wys, polozenie);
            const double srodekX = p.Zaznaczenie.Lewy + p.Zaznaczenie.Szer / 2;
            const double srodekY = p.Zaznaczenie.Gorny + p.Zaznaczenie.Wys / 2;
            const bool ciemny = Ciemny(obraz, srodekX, srodekY);
            EXPECT_EQ(ciemny, pole->NrPola <= 6) << int(pole->NrPola);
            zaznaczonych += ciemny;
            // Nothing outside the field: the margin round it stays white.
            const QRectF wokol(p.Pole.Lewy - 0.6, p.Pole.Gorny - 0.6, p.Pole.Szer + 1.2, 0.5);
            EXPECT_EQ(CiemnychW(obraz, wokol), 0) << int(pole->NrPola);
        }
        EXPECT_EQ(zaznaczonych, 6);
    }
}

TEST_F(WydrukBlankietow, TestDrukujeObrysIKazdePole)
{
    TBlankietOb blankiet = testy::BlankietLiczbowy(1, 10, 1, 3);
    const TPolozenieBlankietu polozenie{5, 5, true};
    QImage obraz = Strona(200, 120);
    const TWydrukBlankietow zadanie = Zadanie(std::move(blankiet), {}, polozenie);
    ASSERT_TRUE(zadanie.Test());
    EXPECT_EQ(Drukuj(obraz, zadanie).Stron, 1);
    for (const auto& pole : zadanie.Blankiet->Pola) {
        const TPoleNaStronie p = PolozPole(*pole, zadanie.Blankiet->Wys, polozenie);
        // Every field is marked, the un-ticked option's crosses and the text fields ("99999") too.
        EXPECT_GT(CiemnychW(obraz, QRectF(p.Pole.Lewy, p.Pole.Gorny, p.Pole.Szer, p.Pole.Wys)), 0)
            << int(pole->NrGrupy) << "/" << int(pole->NrPola);
    }
    // The slip's outline: its top edge at 5 mm, from 5 mm on.
    EXPECT_TRUE(Ciemny(obraz, 40, 5.05));
    EXPECT_TRUE(Ciemny(obraz, 5.05, 40));
}

TEST_F(WydrukBlankietow, DwadziesciaPiecZakladowNaTrzechStronach)
{
    std::vector<TZakladTestowy> zaklady;
    for (int b = 1; b <= 25; ++b)
        zaklady.push_back({1, 2, 3, 4, 5, b % 20 + 6});
    const std::string system = System(testy::InfoSystemuLiczbowego(30, 6), zaklady);
    const std::string plik = katalog_.Plik("blankiety.pdf");
    {
        QPdfWriter pdf(QString::fromStdString(plik));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        const TWynikWydruku wynik = Drukuj(pdf, Zadanie(testy::BlankietLiczbowy(10, 49, 1), system, {}));
        EXPECT_EQ(wynik.Stron, 3);
    }
    EXPECT_EQ(StronPdf(plik), 3);

    // The slip dialog's Stop ends the printout before the next slip.
    QPdfWriter przerwany(QString::fromStdString(katalog_.Plik("przerwany.pdf")));
    EXPECT_EQ(Drukuj(przerwany, Zadanie(testy::BlankietLiczbowy(10, 49, 1), system, {}), [](int) { return false; })
                  .Stron,
              1);

    // Errors before any page: too few fields for a 49 game, a missing system.
    QImage obraz = Strona(50, 50);
    EXPECT_EQ(Drukuj(obraz, Zadanie(testy::BlankietLiczbowy(10, 40, 1), system, {})).Blad, TBladWydruku::ZaMaloPol);
    EXPECT_EQ(Drukuj(obraz, Zadanie(testy::BlankietLiczbowy(10, 49, 1), katalog_.Plik("brak.ss2"), {})).Blad,
              TBladWydruku::OdczytSystemu);
}

TEST_F(WydrukBlankietow, ZnakiPilkarskieNaStronie)
{
    const std::string system = System(testy::InfoSystemuPilkarskiego(3), {{3, 2, 0}});
    const TPolozenieBlankietu polozenie{0, 0, true};
    QImage obraz = Strona(100, 100);
    const TWydrukBlankietow zadanie = Zadanie(testy::BlankietPilkarskiTestowy(1, 3), system, polozenie);
    ASSERT_EQ(Drukuj(obraz, zadanie).Blad, TBladWydruku::Brak);
    for (const auto& pole : zadanie.Blankiet->Pola) {
        const TPoleNaStronie p = PolozPole(*pole, zadanie.Blankiet->Wys, polozenie);
        const bool ciemny = Ciemny(obraz, p.Zaznaczenie.Lewy + p.Zaznaczenie.Szer / 2,
                                   p.Zaznaczenie.Gorny + p.Zaznaczenie.Wys / 2);
        // "2" for match 1 is field 3, "x" for match 2 field 5, match 3 has no sign.
        EXPECT_EQ(ciemny, pole->NrPola == 3 || pole->NrPola == 5) << int(pole->NrPola);
    }
}

TEST(Wydruk, ListaZWlasnymiLiczbamiIBez)
{
    TKatalogTymczasowy katalog;
    TInfoGryRec info = testy::InfoSystemuLiczbowego(12, 6);
    for (int i = 0; i < 12; ++i)
        info.Wlasne[1][static_cast<std::size_t>(i)] = static_cast<uint8_t>(38 + i);
    std::vector<TZakladTestowy> zaklady(400, TZakladTestowy{1, 2, 3, 4, 5, 6});
    const std::string system = katalog.Plik("system.ss2");
    ASSERT_TRUE(testy::ZapiszSystemTestowy(system, info, zaklady));

    // Own numbers on and off print different pages of the same size.
    auto obraz = [&](bool wlasne) {
        QImage strona = Strona(100, 140);
        TOpcjeListy opcje;
        opcje.Do = 400;
        opcje.WlasneLiczby = wlasne;
        EXPECT_EQ(Drukuj(strona, TWydrukListy{system, opcje}).Blad, TBladWydruku::Brak);
        return strona;
    };
    EXPECT_NE(obraz(true), obraz(false));

    struct TPrzypadek {
        int Kolumn;
        int32_t Od, Do;
    };
    int poprzednio = 0;
    for (const TPrzypadek& p : {TPrzypadek{3, 1, 400}, TPrzypadek{1, 1, 400}, TPrzypadek{1, 400, 1}}) {
        const std::string plik = katalog.Plik("lista" + std::to_string(p.Kolumn) + std::to_string(p.Od) + ".pdf");
        int stron = 0;
        {
            QPdfWriter pdf(QString::fromStdString(plik));
            TOpcjeListy opcje;
            opcje.Kolumn = p.Kolumn;
            opcje.Od = p.Od;
            opcje.Do = p.Do;
            stron = Drukuj(pdf, TWydrukListy{system, opcje}).Stron;
        }
        EXPECT_EQ(StronPdf(plik), stron);
        EXPECT_GT(stron, 1) << p.Kolumn;
        // One column takes more pages than three; a reversed range prints the same.
        if (poprzednio) {
            EXPECT_GE(stron, poprzednio);
        }
        poprzednio = stron;
    }
    QImage strona = Strona(50, 50);
    EXPECT_EQ(Drukuj(strona, TWydrukListy{katalog.Plik("brak.ss2"), {}}).Blad, TBladWydruku::OdczytSystemu);
}

TEST(Wydruk, CzcionkaListyWypelniaKolumne)
{
    QImage obraz = Strona(200, 280);
    const std::string wzor = "(88) 88,88,88,88,88,88";
    for (int kolumna : {300, 600, 1800}) {
        const QFont czcionka = CzcionkaListy(obraz, wzor, kolumna);
        const int szerokosc = QFontMetrics(czcionka, &obraz).horizontalAdvance(QString::fromStdString(wzor));
        EXPECT_GE(szerokosc, kolumna);
        QFont mniejsza = czcionka;
        mniejsza.setPointSize(czcionka.pointSize() - 1);
        EXPECT_LT(QFontMetrics(mniejsza, &obraz).horizontalAdvance(QString::fromStdString(wzor)), kolumna);
    }
}

} // namespace
} // namespace tarvomund
