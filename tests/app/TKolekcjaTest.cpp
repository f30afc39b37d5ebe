#include "tools/TKolekcja.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <vector>

namespace tarvomund {
namespace {

void Mysz(QWidget& w, QEvent::Type typ, QPoint punkt, Qt::MouseButton przycisk, Qt::MouseButtons wcisniete)
{
    QMouseEvent zdarzenie(typ, QPointF(punkt), QPointF(w.mapToGlobal(punkt)), przycisk, wcisniete, Qt::NoModifier);
    QApplication::sendEvent(&w, &zdarzenie);
}

QPoint Srodek(const TKolekcja& k, int indeks)
{
    const TPodwOb& e = k.Elementy()[static_cast<std::size_t>(indeks)];
    return {e.Lewy + k.SzerPola / 2, e.Gorny + k.WysPola1 / 2};
}

void Przeciagnij(TKolekcja& k, QPoint z, QPoint dokad)
{
    Mysz(k, QEvent::MouseButtonPress, z, Qt::LeftButton, Qt::LeftButton);
    Mysz(k, QEvent::MouseMove, (z + dokad) / 2, Qt::NoButton, Qt::LeftButton);
    Mysz(k, QEvent::MouseMove, dokad, Qt::NoButton, Qt::LeftButton);
    Mysz(k, QEvent::MouseButtonRelease, dokad, Qt::LeftButton, Qt::NoButton);
}

void Kliknij(TKolekcja& k, int indeks)
{
    Przeciagnij(k, Srodek(k, indeks), Srodek(k, indeks));
}

// Counts the panel's change signals.
struct TLicznikZmian {
    explicit TLicznikZmian(TKolekcja& k) { QObject::connect(&k, &TKolekcja::Zmieniono, &k, [this] { ++Ile; }); }
    int Ile = 0;
};

std::vector<int32_t> Numery(const TKolekcja& k)
{
    std::vector<int32_t> numery;
    for (const TPodwOb& e : k.Elementy())
        numery.push_back(e.Numer);
    return numery;
}

std::vector<bool> Znaczniki(const TKolekcja& k)
{
    std::vector<bool> znaczniki;
    for (const TPodwOb& e : k.Elementy())
        znaczniki.push_back(e.Zaznaczony);
    return znaczniki;
}

// A shown panel of the given width holding the numbers 1..ile, none marked. Hidden widgets get
// their resize events only when shown, so the panel is shown for its layout to follow the width.
void Wypelnij(TKolekcja& k, int szerokosc, int ile)
{
    k.show();
    k.resize(szerokosc, k.height());
    for (int i = 1; i <= ile; ++i)
        k.Dodaj(i, 100 + i, false);
}

TEST(TKolekcja, WlasnosciDomyslne)
{
    TKolekcja k;
    EXPECT_TRUE(k.Nag1.isEmpty());
    EXPECT_TRUE(k.Nag2.isEmpty());
    EXPECT_TRUE(k.Podwojne);
    EXPECT_EQ(k.SzerPola, 35);
    EXPECT_EQ(k.WysPola1, 15);
    EXPECT_EQ(k.WysPola2, 15);
    EXPECT_EQ(k.KolorTla, QColor(Qt::white));
    EXPECT_EQ(k.KolorPola1, QColor(0, 255, 255));
    EXPECT_EQ(k.KolorPola2, QColor(255, 255, 0));
    EXPECT_EQ(k.KolorZaz, QColor(Qt::red));
    EXPECT_EQ(k.KolorObwodki, QColor(Qt::black));
    EXPECT_EQ(k.Font1, QFont());
    EXPECT_EQ(k.FontOpis, QFont());
    EXPECT_FALSE(k.Transparent);
    EXPECT_EQ(k.LimitZaz, -1);
    EXPECT_EQ(k.LastNumer, -1);
    EXPECT_TRUE(k.Elementy().empty());
}

TEST(TKolekcja, DodajUsunWyczysc)
{
    TKolekcja k;
    k.Dodaj(7, 0, false);
    k.Dodaj(3, 0, true);
    k.Dodaj(12, 5, false);
    EXPECT_EQ(Numery(k), (std::vector<int32_t>{7, 3, 12}));
    EXPECT_EQ(k.IleZaznaczonych(), 1);

    // A number already in the panel changes nothing, not even its mark or its second value.
    k.Dodaj(7, 9, true);
    k.Dodaj(3, 0, false);
    EXPECT_EQ(Numery(k), (std::vector<int32_t>{7, 3, 12}));
    EXPECT_EQ(Znaczniki(k), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(k.Elementy()[0].Wartosc2, 0);

    k.Usun(5);
    k.Usun(-1);
    EXPECT_EQ(k.Elementy().size(), 3u);
    k.Usun(1);
    EXPECT_EQ(Numery(k), (std::vector<int32_t>{7, 12}));
    EXPECT_EQ(k.IleZaznaczonych(), 0);
    k.Wyczysc();
    EXPECT_TRUE(k.Elementy().empty());
}

TEST(TKolekcja, UkladPolIWysokoscZaWierszami)
{
    struct TPrzypadek {
        const char* Opis;
        bool Podwojne;
        int Szerokosc;
        int Ile;
        std::vector<QPoint> Pozycje;
        int Wysokosc;
    };
    // 35-pixel fields 2 pixels apart from x = 3; a row ends where the next field would pass width - 3.
    const TPrzypadek przypadki[] = {
        {"single, four a row", false, 160, 6, {{3, 2}, {40, 2}, {77, 2}, {114, 2}, {3, 19}, {40, 19}}, 19 + 15 + 3},
        {"double, four a row", true, 160, 5, {{3, 2}, {40, 2}, {77, 2}, {114, 2}, {3, 34}}, 34 + 30 + 3},
        {"field ends exactly at width - 3", false, 300, 9,
         {{3, 2}, {40, 2}, {77, 2}, {114, 2}, {151, 2}, {188, 2}, {225, 2}, {262, 2}, {3, 19}}, 19 + 15 + 3},
        {"one pixel less", false, 299, 8,
         {{3, 2}, {40, 2}, {77, 2}, {114, 2}, {151, 2}, {188, 2}, {225, 2}, {3, 19}}, 19 + 15 + 3},
        {"narrower than a field", false, 20, 2, {{3, 2}, {3, 19}}, 19 + 15 + 3},
        {"empty", true, 160, 0, {}, 2 + 3},
    };
    for (const TPrzypadek& p : przypadki) {
        TKolekcja k;
        k.Podwojne = p.Podwojne;
        Wypelnij(k, p.Szerokosc, p.Ile);
        ASSERT_EQ(k.Elementy().size(), p.Pozycje.size()) << p.Opis;
        for (std::size_t i = 0; i < p.Pozycje.size(); ++i)
            EXPECT_EQ(QPoint(k.Elementy()[i].Lewy, k.Elementy()[i].Gorny), p.Pozycje[i]) << p.Opis << " " << i;
        EXPECT_EQ(k.height(), p.Wysokosc) << p.Opis;
    }
}

TEST(TKolekcja, NaglowkiPrzesuwajaPolaIZmianaSzerokosciUkladaOdNowa)
{
    struct TPrzypadek {
        const char* Nag1;
        const char* Nag2;
        int Wiersze; // caption lines above the fields
        int Odstepy;
    };
    // Nag1 alone: its height + 4; Nag2 adds its height + 2 to wherever it starts (2 without Nag1).
    for (const TPrzypadek& p : {TPrzypadek{"Liczby", "", 1, 4}, TPrzypadek{"", "Drugi", 1, 4},
                                TPrzypadek{"Liczby", "Drugi", 2, 6}}) {
        TKolekcja k;
        k.FontOpis.setPointSize(14);
        k.Nag1 = QString::fromUtf8(p.Nag1);
        k.Nag2 = QString::fromUtf8(p.Nag2);
        Wypelnij(k, 160, 1);
        const int gora = p.Wiersze * QFontMetrics(k.FontOpis).height() + p.Odstepy;
        EXPECT_EQ(k.Elementy()[0].Gorny, gora) << p.Nag1 << "|" << p.Nag2;
        EXPECT_EQ(k.height(), gora + 30 + 3) << p.Nag1 << "|" << p.Nag2;
    }

    TKolekcja k;
    Wypelnij(k, 160, 6);
    ASSERT_EQ(k.Elementy()[4].Gorny, 34);
    k.resize(300, k.height());
    EXPECT_EQ(QPoint(k.Elementy()[5].Lewy, k.Elementy()[5].Gorny), QPoint(188, 2));
    EXPECT_EQ(k.height(), 2 + 30 + 3);
    k.Podwojne = false;
    k.SzerPola = 50;
    k.Odswiez();
    // Five 50-pixel fields fit 300 pixels now: 3 + 4 × 52 + 50 = 261, a sixth would end at 313.
    EXPECT_EQ(k.Elementy()[4].Lewy, 3 + 4 * 52);
    EXPECT_EQ(QPoint(k.Elementy()[5].Lewy, k.Elementy()[5].Gorny), QPoint(3, 19));
    EXPECT_EQ(k.height(), 19 + 15 + 3);
}

TEST(TKolekcja, MalowaniePolIObwodek)
{
    TKolekcja k;
    Wypelnij(k, 160, 3);
    Kliknij(k, 1);
    const QImage obraz = k.grab().toImage();
    const TPodwOb& a = k.Elementy()[0];
    const TPodwOb& b = k.Elementy()[1];
    // Points away from the centred number text.
    EXPECT_EQ(obraz.pixelColor(a.Lewy + 2, a.Gorny + 2), k.KolorPola1);
    EXPECT_EQ(obraz.pixelColor(b.Lewy + 2, b.Gorny + 2), k.KolorZaz);
    EXPECT_EQ(obraz.pixelColor(a.Lewy + 2, a.Gorny + k.WysPola1 + 1), k.KolorPola2);
    EXPECT_EQ(obraz.pixelColor(a.Lewy, a.Gorny + 5), k.KolorObwodki);
    EXPECT_EQ(obraz.pixelColor(a.Lewy + k.SzerPola - 1, a.Gorny + 5), k.KolorObwodki);
    // The halves share the line between them.
    EXPECT_EQ(obraz.pixelColor(a.Lewy + 2, a.Gorny + k.WysPola1 - 1), k.KolorObwodki);
    EXPECT_EQ(obraz.pixelColor(a.Lewy + 2, a.Gorny + k.WysPola1 + k.WysPola2 - 2), k.KolorObwodki);
    EXPECT_EQ(obraz.pixelColor(k.width() - 5, 5), k.KolorTla);
    EXPECT_EQ(obraz.pixelColor(0, 5), QColor(Qt::black));

    k.Transparent = true;
    k.Podwojne = false;
    k.Odswiez();
    const QImage przezroczysty = k.grab().toImage();
    EXPECT_NE(przezroczysty.pixelColor(k.width() - 5, 5), k.KolorTla);
    EXPECT_EQ(przezroczysty.pixelColor(a.Lewy + 2, a.Gorny + 2), k.KolorPola1);
    EXPECT_NE(przezroczysty.pixelColor(a.Lewy + 2, a.Gorny + k.WysPola1 + 1), k.KolorPola2);
}

TEST(TKolekcja, KlikniecieZaznaczaIOdznacza)
{
    TKolekcja k;
    Wypelnij(k, 300, 3);
    TLicznikZmian zmiany(k);
    Kliknij(k, 2);
    EXPECT_EQ(Znaczniki(k), (std::vector<bool>{false, false, true}));
    Kliknij(k, 2);
    Kliknij(k, 0);
    EXPECT_EQ(Znaczniki(k), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(zmiany.Ile, 3);

    // A click between fields or on the background finds no element.
    const TPodwOb& e = k.Elementy()[0];
    for (const QPoint punkt : {QPoint(e.Lewy + k.SzerPola, e.Gorny + 3), QPoint(k.width() - 4, 5)}) {
        Przeciagnij(k, punkt, punkt);
        EXPECT_EQ(Znaczniki(k), (std::vector<bool>{true, false, false}));
    }
    EXPECT_EQ(zmiany.Ile, 3);
}

TEST(TKolekcja, LimitZaznaczen)
{
    struct TPrzypadek {
        int Limit;
        int Zaznaczonych; // marked before the click on the next free number
        bool Zaznaczy;
    };
    for (const TPrzypadek& p : {TPrzypadek{5, 5, false}, TPrzypadek{5, 4, true}, TPrzypadek{0, 0, false},
                                TPrzypadek{-1, 7, true}}) {
        TKolekcja k;
        k.LimitZaz = p.Limit;
        k.resize(400, k.height());
        for (int i = 1; i <= 8; ++i)
            k.Dodaj(i, 0, i <= p.Zaznaczonych);
        Kliknij(k, p.Zaznaczonych);
        EXPECT_EQ(k.Elementy()[static_cast<std::size_t>(p.Zaznaczonych)].Zaznaczony, p.Zaznaczy) << p.Limit;
    }

    // At the limit a marked number still unmarks, and then the place is free again.
    TKolekcja k;
    k.LimitZaz = 5;
    k.resize(400, k.height());
    for (int i = 1; i <= 6; ++i)
        k.Dodaj(i, 0, false);
    for (int i = 0; i < 6; ++i)
        Kliknij(k, i);
    EXPECT_EQ(Znaczniki(k), (std::vector<bool>{true, true, true, true, true, false}));
    Kliknij(k, 2);
    EXPECT_EQ(k.IleZaznaczonych(), 4);
    Kliknij(k, 5);
    EXPECT_EQ(Znaczniki(k), (std::vector<bool>{true, true, false, true, true, true}));
}

TEST(TKolekcja, PrzeciaganieZmieniaKolejnosc)
{
    struct TPrzypadek {
        int Z;
        int Na;
        std::vector<int32_t> Kolejnosc;
    };
    for (const TPrzypadek& p : {TPrzypadek{2, 0, {3, 1, 2, 4}}, TPrzypadek{0, 2, {2, 3, 1, 4}},
                                TPrzypadek{3, 1, {1, 4, 2, 3}}, TPrzypadek{1, 2, {1, 3, 2, 4}}}) {
        TKolekcja k;
        Wypelnij(k, 300, 4);
        k.Dodaj(5, 0, true);
        TLicznikZmian zmiany(k);
        Przeciagnij(k, Srodek(k, p.Z), Srodek(k, p.Na));
        std::vector<int32_t> oczekiwane = p.Kolejnosc;
        oczekiwane.push_back(5);
        EXPECT_EQ(Numery(k), oczekiwane) << p.Z << "->" << p.Na;
        EXPECT_EQ(k.IleZaznaczonych(), 1);
        EXPECT_EQ(zmiany.Ile, 1);
        // The fields follow the new order.
        EXPECT_EQ(k.Elementy()[static_cast<std::size_t>(p.Na)].Lewy, 3 + p.Na * 37);
    }

    // Dropped where there is no field: nothing moves.
    TKolekcja k;
    Wypelnij(k, 300, 3);
    Przeciagnij(k, Srodek(k, 0), QPoint(k.width() - 4, 5));
    EXPECT_EQ(Numery(k), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(k.IleZaznaczonych(), 0);
}

TEST(TKolekcja, KropkowanaObwodkaPodczasPrzeciagania)
{
    TKolekcja k;
    k.Podwojne = false;
    Wypelnij(k, 300, 3);
    const QImage przed = k.grab().toImage();
    const TPodwOb& e = k.Elementy()[0];
    // Right of the last field, so the drop finds none.
    const QPoint przesuniecie(100, 1);
    const QRect obrys = QRect(e.Lewy, e.Gorny, k.SzerPola, k.WysPola1).translated(przesuniecie);

    Mysz(k, QEvent::MouseButtonPress, Srodek(k, 0), Qt::LeftButton, Qt::LeftButton);
    Mysz(k, QEvent::MouseMove, Srodek(k, 0) + przesuniecie, Qt::NoButton, Qt::LeftButton);
    const QImage wTrakcie = k.grab().toImage();
    // The outline's left edge is dotted: dark and light pixels alternate over the background.
    int ciemnych = 0;
    int jasnych = 0;
    for (int y = obrys.top(); y <= obrys.bottom(); ++y) {
        const QColor kolor = wTrakcie.pixelColor(obrys.left(), y);
        ciemnych += kolor == QColor(Qt::black);
        jasnych += kolor == QColor(Qt::white);
    }
    EXPECT_GE(ciemnych, 3);
    EXPECT_GE(jasnych, 3);
    EXPECT_EQ(wTrakcie.pixelColor(obrys.center()), przed.pixelColor(obrys.center()));

    // Released over no field: the outline is gone and the panel looks as before.
    Mysz(k, QEvent::MouseButtonRelease, Srodek(k, 0) + przesuniecie, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(k.grab().toImage(), przed);
}

TEST(TKolekcja, PrawyISrodkowyPrzyciskUstawiajaLastNumer)
{
    TKolekcja k;
    Wypelnij(k, 300, 4);
    const TPodwOb& trzeci = k.Elementy()[2];
    struct TPrzypadek {
        Qt::MouseButton Przycisk;
        QPoint Punkt;
        int LastNumer;
    };
    const TPrzypadek przypadki[] = {
        {Qt::RightButton, Srodek(k, 2), 2},
        {Qt::MiddleButton, Srodek(k, 0), 0},
        // The lower half of a double field belongs to it.
        {Qt::RightButton, QPoint(trzeci.Lewy + 1, trzeci.Gorny + k.WysPola1 + k.WysPola2 - 2), 2},
        {Qt::RightButton, QPoint(k.width() - 4, 5), -1},
        {Qt::MiddleButton, Srodek(k, 3), 3},
        // The left button leaves it alone.
        {Qt::LeftButton, Srodek(k, 1), 3},
    };
    for (const TPrzypadek& p : przypadki) {
        Mysz(k, QEvent::MouseButtonPress, p.Punkt, p.Przycisk, p.Przycisk);
        Mysz(k, QEvent::MouseButtonRelease, p.Punkt, p.Przycisk, Qt::NoButton);
        EXPECT_EQ(k.LastNumer, p.LastNumer) << p.Punkt.x() << "," << p.Punkt.y();
    }
    EXPECT_EQ(k.ElementPod(QPoint(trzeci.Lewy + 1, trzeci.Gorny + k.WysPola1 + k.WysPola2 - 1)), -1);

    // Removing elements keeps LastNumer on the element it named, or none.
    k.Usun(0);
    EXPECT_EQ(k.LastNumer, 2);
    EXPECT_EQ(k.Elementy()[2].Numer, 4);
    k.Usun(2);
    EXPECT_EQ(k.LastNumer, -1);
}

} // namespace
} // namespace tarvomund
