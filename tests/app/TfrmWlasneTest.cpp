#include "systems/TfrmWlasne.h"

#include "app/KontekstPomocy.h"
#include "model/Wspolne.h"
#include "systems/TGenSys01.h"
#include "systems/TfrmNumery.h"
#include "tools/TKolekcja.h"
#include "PomocnikiUI.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::TOdpowiedzi;

// A system of a 6-of-49 game whose position i shows 50 - i, sure at the positions given.
TInfoGryRec System(int32_t n, int32_t k, int32_t zakladow, int32_t metoda, std::initializer_list<int> pewne = {})
{
    TObGraLista gra;
    gra.Id = 1;
    gra.KodGry = 1;
    gra.Nazwa = "Lotto 6 z 49";
    gra.MinSkreslen = 6;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = 6;
    gra.IleLiczb = 49;
    gra.IleLosowanych = 6;
    TInfoGryRec info = TInfoGryRec::DlaGry(gra);
    info.n = n;
    info.k = k;
    info.Zakladow = zakladow;
    info.Metoda = metoda;
    for (std::size_t i = 0; i < MaxLiczbSystemu; ++i)
        info.Wlasne[1][i] = static_cast<uint8_t>(i < 49 ? 49 - i : i + 1);
    for (int p : pewne)
        info.Wlasne[2][static_cast<std::size_t>(p - 1)] = ZnakPewnejPozycji;
    return info;
}

std::vector<int> Liczby(const TKolekcja& panel)
{
    std::vector<int> liczby;
    for (const TPodwOb& e : panel.Elementy())
        liczby.push_back(e.Numer);
    return liczby;
}

std::vector<int> Zaznaczone(const TKolekcja& panel)
{
    std::vector<int> indeksy;
    for (std::size_t i = 0; i < panel.Elementy().size(); ++i)
        if (panel.Elementy()[i].Zaznaczony)
            indeksy.push_back(static_cast<int>(i));
    return indeksy;
}

// A left click on a field, as the user marks a number.
void Kliknij(TKolekcja& panel, int indeks)
{
    const TPodwOb& e = panel.Elementy()[static_cast<std::size_t>(indeks)];
    const QPointF punkt(e.Lewy + panel.SzerPola / 2, e.Gorny + panel.WysPola1 / 2);
    for (QEvent::Type typ : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent zdarzenie(typ, punkt, panel.mapToGlobal(punkt), Qt::LeftButton,
                              typ == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&panel, &zdarzenie);
    }
}

TEST(TfrmWlasne, LimitPewnychZaleznyOdMetody)
{
    // n = 12, k = 6, 7 bets: C(7, 1) = 7 bets already allow only four sure numbers.
    ASSERT_EQ(MaxPewnych(6, 12, 7), 4);
    struct TPrzypadek {
        const char* Opis;
        TInfoGryRec Info;
        int Limit;
        std::vector<int> Zaznaczone; // panel places marked after Ustaw
    };
    const std::vector<TPrzypadek> przypadki{
        {"full method: no sure numbers", System(12, 6, 7, 0, {2, 5}), 0, {}},
        {"balanced method", System(12, 6, 7, 1, {2, 5}), MaxPewnych(6, 12, 7), {1, 4}},
        {"balanced, more marks than the limit", System(12, 6, 7, 1, {1, 3, 4, 6, 8, 12}), 4, {0, 2, 3, 5}},
        {"random method", System(12, 6, 7, 2, {2}), 0, {}},
        {"a sum (method 100)", System(12, 6, 7, BrakMetody, {2}), 0, {}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TfrmWlasne dialog;
        dialog.Ustaw(p.Info);
        EXPECT_EQ(TfrmWlasne::LimitPewnych(p.Info), p.Limit);
        EXPECT_EQ(dialog.wlasne1()->LimitZaz, p.Limit);
        EXPECT_EQ(dialog.lblMaxPew()->text(), QStringLiteral("Max pew. ") + QString::number(p.Limit));
        EXPECT_EQ(Liczby(*dialog.wlasne1()), (std::vector<int>{49, 48, 47, 46, 45, 44, 43, 42, 41, 40, 39, 38}));
        EXPECT_EQ(Zaznaczone(*dialog.wlasne1()), p.Zaznaczone);

        // The first and the other places beyond n keep their values; marks follow the panel.
        const std::array<TTablicaLiczb, 3> wlasne = dialog.Wlasne();
        EXPECT_EQ(wlasne[0], p.Info.Wlasne[0]);
        for (int i = 0; i < 12; ++i) {
            const bool zaznaczony = std::count(p.Zaznaczone.begin(), p.Zaznaczone.end(), i) > 0;
            EXPECT_EQ(wlasne[2][static_cast<std::size_t>(i)], zaznaczony ? ZnakPewnejPozycji : 0) << i;
        }
        EXPECT_EQ(wlasne[1][12], p.Info.Wlasne[1][12]);
    }
}

TEST(TfrmWlasne, ZaznaczanieWGranicachLimitu)
{
    TfrmWlasne dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Liczby w sytemie"));
    EXPECT_EQ(dialog.property(WlasnoscKontekstuPomocy).toInt(), TfrmWlasne::KontekstPomocy);
    dialog.Ustaw(System(12, 6, 7, 0, {2, 5}));
    dialog.show();
    // Limit 0: a click marks nothing, and OK clears the sure marks the system had.
    Kliknij(*dialog.wlasne1(), 3);
    EXPECT_TRUE(Zaznaczone(*dialog.wlasne1()).empty());
    EXPECT_EQ(dialog.Wlasne()[2], TTablicaLiczb{});

    dialog.Ustaw(System(12, 6, 7, 1));
    for (int i : {0, 2, 4, 6, 8})
        Kliknij(*dialog.wlasne1(), i);
    EXPECT_EQ(Zaznaczone(*dialog.wlasne1()), (std::vector<int>{0, 2, 4, 6}));
    Kliknij(*dialog.wlasne1(), 2);
    Kliknij(*dialog.wlasne1(), 8);
    EXPECT_EQ(Zaznaczone(*dialog.wlasne1()), (std::vector<int>{0, 4, 6, 8}));
    const std::array<TTablicaLiczb, 3> wlasne = dialog.Wlasne();
    EXPECT_EQ(wlasne[2][8], ZnakPewnejPozycji);
    EXPECT_EQ(wlasne[2][2], 0);
}

TEST(TfrmWlasne, DziesiecWWierszuIWysokoscOdWierszy)
{
    TfrmWlasne dialog;
    dialog.show();
    int poprzednia = 0;
    int wierszyPoprzednio = 0;
    for (int n : {10, 11, 20, 21, 49}) {
        dialog.Ustaw(System(n, 6, 1, 0));
        QApplication::processEvents();
        const auto& e = dialog.wlasne1()->Elementy();
        ASSERT_EQ(e.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(e[9].Gorny, e[0].Gorny) << n;
        if (n > 10) {
            EXPECT_GT(e[10].Gorny, e[0].Gorny) << n;
            EXPECT_EQ(e[10].Lewy, e[0].Lewy) << n;
        }
        // The dialog grows with each further row (n / 10 rounded up) and stays put within one.
        const int wierszy = (n + 9) / 10;
        if (wierszy == wierszyPoprzednio)
            EXPECT_EQ(dialog.height(), poprzednia) << n;
        else
            EXPECT_GT(dialog.height(), poprzednia) << n;
        poprzednia = dialog.height();
        wierszyPoprzednio = wierszy;
    }
}

TEST(TfrmWlasne, PodstawZostawiaZaznaczeniaNaMiejscach)
{
    TfrmWlasne dialog;
    dialog.Ustaw(System(12, 6, 7, 1, {2, 5}));
    const std::vector<int> kolekcja{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    dialog.UstawKolekcje([&kolekcja] { return kolekcja; });
    TOdpowiedzi odpowiedzi({
        [](QWidget* okno) {
            auto* numery = qobject_cast<TfrmNumery*>(okno);
            ASSERT_NE(numery, nullptr);
            // The picker starts from the panel's numbers, in panel order.
            EXPECT_EQ(numery->Wybrane(), (std::vector<int>{49, 48, 47, 46, 45, 44, 43, 42, 41, 40, 39, 38}));
            numery->btnKolekcja()->click();
            EXPECT_EQ(numery->Wybrane(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
            // Picking order decides the places: 12 and 1 change places.
            numery->Przycisk(1)->click();
            numery->Przycisk(12)->click();
            numery->Przycisk(12)->click();
            numery->Przycisk(1)->click();
            numery->btnOK()->click();
        },
        TOdpowiedzi::Przycisk("btnTak"),
    });
    dialog.btnPodstaw()->click();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 2);
    EXPECT_EQ(Liczby(*dialog.wlasne1()), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1}));
    EXPECT_EQ(Zaznaczone(*dialog.wlasne1()), (std::vector<int>{1, 4}));
    const std::array<TTablicaLiczb, 3> wlasne = dialog.Wlasne();
    EXPECT_EQ(wlasne[1][0], 2);
    EXPECT_EQ(wlasne[1][11], 1);
    EXPECT_EQ(wlasne[2][1], ZnakPewnejPozycji);
    EXPECT_EQ(wlasne[2][4], ZnakPewnejPozycji);

    // "Kolekcja" goes straight to the picker with the collection's numbers; a "Nie" opens nothing.
    {
        TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie"), TOdpowiedzi::Odrzuc()});
        dialog.btnKolekcja()->click();
        EXPECT_EQ(nie.Obsluzonych(), 1);
    }
    TOdpowiedzi zKolekcji({
        TOdpowiedzi::Przycisk("btnTak"),
        [](QWidget* okno) {
            auto* numery = qobject_cast<TfrmNumery*>(okno);
            ASSERT_NE(numery, nullptr);
            EXPECT_EQ(numery->Wybrane(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
            numery->btnOK()->click();
        },
    });
    dialog.btnKolekcja()->click();
    EXPECT_EQ(zKolekcji.Obsluzonych(), 2);
    EXPECT_EQ(Liczby(*dialog.wlasne1()), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Zaznaczone(*dialog.wlasne1()), (std::vector<int>{1, 4}));

    // Cancelling the picker changes nothing.
    TOdpowiedzi anuluj({TOdpowiedzi::Odrzuc()});
    dialog.btnPodstaw()->click();
    EXPECT_EQ(Liczby(*dialog.wlasne1()), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

} // namespace
} // namespace tarvomund
