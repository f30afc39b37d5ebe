#include "systems/TfrmNumery.h"
#include "systems/TfrmNumery3.h"

#include "app/KontekstPomocy.h"
#include "tools/TKolekcja.h"
#include "PomocnikiUI.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace tarvomund {
namespace {

using testy::TOdpowiedzi;

// A record holding only what a caller of the test mode passes: N, d and own numbers 1..120.
TInfoGryRec Gra(int32_t ileLiczb, int32_t losowanych)
{
    TInfoGryRec info;
    info.IleLiczb = ileLiczb;
    info.IleLosowanych = losowanych;
    info.UstawWlasneDomyslne();
    return info;
}

std::vector<int> Wcisniete(const TfrmNumery& numery)
{
    std::vector<int> wcisniete;
    for (int liczba = 1; liczba <= numery.IleLiczb(); ++liczba)
        if (numery.Przycisk(liczba)->isChecked())
            wcisniete.push_back(liczba);
    return wcisniete;
}

TEST(TfrmNumery, TrybTestuSzescZCzterdziestuDziewieciu)
{
    TfrmNumery numery;
    EXPECT_EQ(numery.windowTitle(), QStringLiteral("Własne liczby w sytemie"));
    EXPECT_EQ(numery.property(WlasnoscKontekstuPomocy).toInt(), TfrmNumery::KontekstPomocy);
    numery.UstawTest(Gra(49, 6));
    EXPECT_EQ(numery.IleLiczb(), 49);
    EXPECT_EQ(numery.Cel(), 6);
    EXPECT_EQ(numery.Przycisk(50), nullptr);
    // Positions 1..d of the second array come down at once.
    EXPECT_EQ(numery.Wybrane(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(numery.btnOK()->isEnabled());
    // Twelve to a row.
    numery.show();
    EXPECT_EQ(numery.Przycisk(13)->y(), numery.Przycisk(1)->y() + numery.Przycisk(1)->height() + 1);
    EXPECT_EQ(numery.Przycisk(13)->x(), numery.Przycisk(1)->x());

    numery.btnZeruj()->click();
    EXPECT_TRUE(Wcisniete(numery).empty());
    EXPECT_EQ(numery.lile()->text(), QStringLiteral("0"));
    const std::vector<int> kolejne{30, 5, 17, 2, 44, 9};
    for (std::size_t i = 0; i < kolejne.size(); ++i) {
        EXPECT_FALSE(numery.btnOK()->isEnabled()) << i;
        numery.Przycisk(kolejne[i])->click();
        EXPECT_EQ(numery.lile()->text(), QString::number(i + 1));
    }
    EXPECT_TRUE(numery.btnOK()->isEnabled());
    EXPECT_EQ(numery.Wybrane(), kolejne);

    // A seventh press is refused: the button stays up and nothing changes.
    numery.Przycisk(49)->click();
    EXPECT_FALSE(numery.Przycisk(49)->isChecked());
    EXPECT_EQ(numery.Wybrane(), kolejne);
    EXPECT_EQ(numery.lile()->text(), QStringLiteral("6"));
    EXPECT_TRUE(numery.btnOK()->isEnabled());

    // Releasing one takes it out of the list; the next press goes to the end.
    numery.Przycisk(17)->click();
    EXPECT_FALSE(numery.btnOK()->isEnabled());
    EXPECT_EQ(numery.Wybrane(), (std::vector<int>{30, 5, 2, 44, 9}));
    numery.Przycisk(49)->click();
    EXPECT_EQ(numery.Wybrane(), (std::vector<int>{30, 5, 2, 44, 9, 49}));
    numery.SortujWybrane();
    EXPECT_EQ(numery.Wybrane(), (std::vector<int>{2, 5, 9, 30, 44, 49}));
    EXPECT_EQ(Wcisniete(numery), numery.Wybrane());
}

TEST(TfrmNumery, TrybPodstawianiaBierzeWlasneLiczbyPozycji)
{
    TInfoGryRec info = Gra(42, 5);
    info.n = 8;
    const std::vector<int> wlasne{40, 3, 17, 8, 1, 42, 25, 11};
    for (std::size_t i = 0; i < wlasne.size(); ++i)
        info.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
    TfrmNumery numery;
    numery.UstawPodstaw(info);
    EXPECT_EQ(numery.Cel(), 8);
    // In position order, not in number order.
    EXPECT_EQ(numery.Wybrane(), wlasne);
    EXPECT_EQ(numery.lile()->text(), QStringLiteral("8"));
    EXPECT_TRUE(numery.btnOK()->isEnabled());
    EXPECT_EQ(Wcisniete(numery).size(), 8u);

    // A number beyond the game, or named twice, is not picked: the user picks the rest.
    info.Wlasne[1][0] = 43;
    info.Wlasne[1][1] = 17;
    numery.UstawPodstaw(info);
    EXPECT_EQ(numery.Wybrane(), (std::vector<int>{17, 8, 1, 42, 25, 11}));
    EXPECT_FALSE(numery.btnOK()->isEnabled());

    // The date field is for other callers: hidden, and today's.
    EXPECT_TRUE(numery.DE1()->isHidden());
    EXPECT_EQ(numery.DE1()->date(), QDate::currentDate());
}

TEST(TfrmNumery, WylosujDajeCelRoznychLiczb)
{
    TfrmNumery numery;
    for (const auto& [ileLiczb, cel] : {std::pair{49, 6}, std::pair{10, 10}, std::pair{80, 20}}) {
        numery.UstawTest(Gra(ileLiczb, cel));
        numery.btnWylosuj()->click();
        const std::vector<int>& wybrane = numery.Wybrane();
        ASSERT_EQ(wybrane.size(), static_cast<std::size_t>(cel)) << ileLiczb;
        EXPECT_EQ(std::set<int>(wybrane.begin(), wybrane.end()).size(), wybrane.size());
        EXPECT_TRUE(std::all_of(wybrane.begin(), wybrane.end(), [&](int l) { return l >= 1 && l <= ileLiczb; }));
        std::vector<int> posortowane = wybrane;
        std::sort(posortowane.begin(), posortowane.end());
        EXPECT_EQ(Wcisniete(numery), posortowane);
        EXPECT_TRUE(numery.btnOK()->isEnabled());
    }
}

TEST(TfrmNumery, KolekcjaPustaLubPodstawiona)
{
    TfrmNumery numery;
    numery.UstawTest(Gra(49, 6));
    const std::vector<int> poczatek = numery.Wybrane();
    std::vector<int> kolekcja;
    numery.UstawKolekcje([&kolekcja] { return kolekcja; });
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        numery.btnKolekcja()->click();
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Kolekcja numerów jest pusta !!!")});
    }
    EXPECT_EQ(numery.Wybrane(), poczatek);

    // Numbers above N are passed over, and no more than the target is taken, in collection order.
    kolekcja = {50, 7, 3, 9, 1, 12, 20, 33};
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
        numery.btnKolekcja()->click();
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Chcesz podstawić liczby z kolekcji numerów ?")});
    }
    EXPECT_EQ(numery.Wybrane(), poczatek);
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
        numery.btnKolekcja()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(numery.Wybrane(), (std::vector<int>{7, 3, 9, 1, 12, 20}));
    EXPECT_EQ(Wcisniete(numery), (std::vector<int>{1, 3, 7, 9, 12, 20}));

    // Taken from a collection panel: its marked numbers in panel order.
    TKolekcja panel;
    for (int liczba : {5, 6, 2, 4})
        panel.Dodaj(liczba, 0, liczba != 6);
    EXPECT_EQ(DostawcaKolekcji(&panel)(), (std::vector<int>{5, 2, 4}));
}

TEST(TfrmNumery, ZaDuzaGraNieMaPrzyciskow)
{
    TfrmNumery numery;
    numery.UstawTest(Gra(121, 6));
    EXPECT_EQ(numery.IleLiczb(), 0);
    EXPECT_EQ(numery.Przycisk(1), nullptr);
    EXPECT_TRUE(numery.Wybrane().empty());
    EXPECT_FALSE(numery.btnOK()->isEnabled());
    numery.btnWylosuj()->click();
    EXPECT_TRUE(numery.Wybrane().empty());
    // The buttons come back with a game that fits.
    numery.UstawTest(Gra(120, 6));
    ASSERT_NE(numery.Przycisk(120), nullptr);
    EXPECT_EQ(numery.Przycisk(121), nullptr);
}

TEST(TfrmNumery3, TypyZnakiIZerowanie)
{
    TfrmNumery3 numery;
    EXPECT_EQ(numery.windowTitle(), QStringLiteral("+++"));
    EXPECT_EQ(numery.btnC()->text(), QStringLiteral("C"));
    EXPECT_EQ(numery.btnC()->toolTip(), QStringLiteral("Zerowanie"));
    EXPECT_EQ(numery.Przycisk(1, 2)->text(), QStringLiteral("x"));
    TTablicaLiczb typy{};
    typy[0] = 1;
    typy[1] = 2;
    typy[2] = 3;
    typy[3] = 7; // no such sign: nothing down
    typy[10] = 1; // beyond k: not shown
    numery.UstawTypy(typy, 10);
    numery.show();
    for (int mecz = 1; mecz <= TfrmNumery3::IleMeczow; ++mecz) {
        const bool jest = mecz <= 10;
        EXPECT_EQ(numery.Etykieta(mecz)->isVisible(), jest) << mecz;
        for (int kod = 1; kod <= TfrmNumery3::IleZnakow; ++kod) {
            EXPECT_EQ(numery.Przycisk(mecz, kod)->isVisible(), jest) << mecz;
            EXPECT_EQ(numery.Przycisk(mecz, kod)->isEnabled(), jest) << mecz;
        }
    }
    EXPECT_TRUE(numery.Przycisk(1, 1)->isChecked());
    EXPECT_TRUE(numery.Przycisk(2, 2)->isChecked());
    EXPECT_TRUE(numery.Przycisk(3, 3)->isChecked());
    for (int kod = 1; kod <= 3; ++kod)
        EXPECT_FALSE(numery.Przycisk(4, kod)->isChecked());
    // OK at once keeps the preset.
    TTablicaLiczb oczekiwany{};
    oczekiwany[0] = 1;
    oczekiwany[1] = 2;
    oczekiwany[2] = 3;
    EXPECT_EQ(numery.Wynik(), oczekiwany);

    // One sign a match: a click moves it and lands in the result.
    numery.Przycisk(1, 3)->click();
    numery.Przycisk(4, 2)->click();
    EXPECT_FALSE(numery.Przycisk(1, 1)->isChecked());
    oczekiwany[0] = 3;
    oczekiwany[3] = 2;
    EXPECT_EQ(numery.Wynik(), oczekiwany);

    numery.btnC()->click();
    EXPECT_EQ(numery.Wynik(), TTablicaLiczb{});
    for (int mecz = 1; mecz <= TfrmNumery3::IleMeczow; ++mecz)
        for (int kod = 1; kod <= 3; ++kod)
            EXPECT_FALSE(numery.Przycisk(mecz, kod)->isChecked());

    // Thirteen matches show every row; twelve hide only the last.
    numery.UstawTypy(TTablicaLiczb{}, 13);
    EXPECT_TRUE(numery.Etykieta(13)->isVisible());
    numery.UstawTypy(TTablicaLiczb{}, 12);
    EXPECT_FALSE(numery.Etykieta(13)->isVisible());
    EXPECT_TRUE(numery.Etykieta(12)->isVisible());
}

} // namespace
} // namespace tarvomund
