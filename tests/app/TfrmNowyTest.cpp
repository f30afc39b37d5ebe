#include "app/TfrmNowy.h"

#include "app/KontekstPomocy.h"
#include "app/TZakladkiPrzyciski.h"
#include "model/PlikGry.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using TZakladka = TfrmNowy::TZakladka;

TObGraLista Gra(const std::string& plik, int32_t id, const std::string& nazwa, int32_t liczb, int32_t losowanych)
{
    TObGraLista gra;
    gra.Plik = plik;
    gra.Id = id;
    gra.KodGry = id;
    gra.Nazwa = nazwa;
    gra.MinSkreslen = losowanych;
    gra.MaxSkreslen = losowanych + 4;
    gra.NormSkreslen = losowanych;
    gra.IleLiczb = liczb;
    gra.IleLosowanych = losowanych;
    gra.IlePoziomo = 7;
    gra.IlePionowo = 7;
    return gra;
}

// File names order the catalogue, so the names are chosen against alphabetical order, and the ids
// sit on both sides of the number/pool boundary.
class TfrmNowyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UtworzPlikGry(Gra(katalog_.Plik("a.pl2"), 1000, "Żółw 6 z 49", 49, 6)));
        ASSERT_TRUE(UtworzPlikGry(Gra(katalog_.Plik("b.pl2"), 1500, "Toto", 13, 13)));
        ASSERT_TRUE(UtworzPlikGry(Gra(katalog_.Plik("c.pl2"), 1, "Alfa 5 z 42", 42, 5)));
        ASSERT_TRUE(UtworzPlikGry(Gra(katalog_.Plik("d.pl2"), 1001, "Toto bis", 13, 13)));
        gry_ = TKatalogGier::WczytajGry(katalog_.Sciezka().string());
        ASSERT_EQ(gry_.Ile(), 4u);
    }

    static TSystemDoZlozenia System(const QString& tytul, int32_t liczb, int32_t losowanych)
    {
        TSystemDoZlozenia system{tytul, {}};
        system.Info.MinSkreslen = losowanych;
        system.Info.MaxSkreslen = losowanych + 4;
        system.Info.NormSkreslen = losowanych;
        system.Info.IleLiczb = liczb;
        system.Info.IleLosowanych = losowanych;
        system.Info.n = liczb / 2;
        system.Info.k = losowanych;
        return system;
    }

    TKatalogTymczasowy katalog_;
    TKatalogGier gry_;
};

// The results a dialog closed with, in order. The connection dies with this object.
class TZamkniecia {
public:
    explicit TZamkniecia(QDialog& okno)
    {
        QObject::connect(&okno, &QDialog::finished, &kontekst_, [this](int wynik) { wyniki_.push_back(wynik); });
    }
    const std::vector<int>& Wyniki() const { return wyniki_; }

private:
    QObject kontekst_;
    std::vector<int> wyniki_;
};

QStringList Pozycje(const QListWidget* lista)
{
    QStringList teksty;
    for (int i = 0; i < lista->count(); ++i)
        teksty << lista->item(i)->text();
    return teksty;
}

// A real double click as the platform delivers it, so the view's own press tracking decides.
void PodwojneKlikniecie(QListWidget* lista, QListWidgetItem* element)
{
    QWidget* widok = lista->viewport();
    const QPointF punkt(lista->visualItemRect(element).center());
    const QPointF globalny(widok->mapToGlobal(punkt.toPoint()));
    const auto wyslij = [&](QEvent::Type typ, Qt::MouseButtons wcisniete) {
        QMouseEvent zdarzenie(typ, punkt, globalny, Qt::LeftButton, wcisniete, Qt::NoModifier);
        QApplication::sendEvent(widok, &zdarzenie);
    };
    wyslij(QEvent::MouseButtonPress, Qt::LeftButton);
    wyslij(QEvent::MouseButtonRelease, Qt::NoButton);
    wyslij(QEvent::MouseButtonPress, Qt::LeftButton);
    wyslij(QEvent::MouseButtonDblClick, Qt::LeftButton);
    wyslij(QEvent::MouseButtonRelease, Qt::NoButton);
}

TEST_F(TfrmNowyTest, TytulZakladkiIStalePozycje)
{
    TfrmNowy nowy(gry_, {});
    EXPECT_EQ(nowy.windowTitle(), QStringLiteral("Nowy"));
    EXPECT_EQ(nowy.property(WlasnoscKontekstuPomocy).toInt(), 0);
    EXPECT_EQ(nowy.PrzyciskOK()->text(), QStringLiteral("OK"));
    EXPECT_EQ(nowy.PrzyciskAnuluj()->text(), QStringLiteral("Anuluj"));

    QStringList zakladki;
    for (const QToolButton* przycisk : nowy.Zakladki()->findChildren<QToolButton*>())
        zakladki << przycisk->text();
    EXPECT_EQ(zakladki, (QStringList{QStringLiteral("Nowa gra"), QStringLiteral("Systemy liczbowe"),
                                     QStringLiteral("Systemy piłkarskie"), QStringLiteral("Systemy złożone"),
                                     QStringLiteral("Grupa graczy")}));
    EXPECT_EQ(nowy.Zakladka(), TZakladka::NowaGra);

    EXPECT_EQ(Pozycje(nowy.Lista(TZakladka::NowaGra)), QStringList{QStringLiteral("Nowa gra liczbowa")});
    EXPECT_EQ(Pozycje(nowy.Lista(TZakladka::SystemyPilkarskie)), QStringList{QStringLiteral("System piłkarski")});
    EXPECT_EQ(Pozycje(nowy.Lista(TZakladka::GrupaGraczy)), QStringList{QStringLiteral("Tworzenie grupy")});
}

TEST_F(TfrmNowyTest, SystemyLiczboweBezGierPilkarskichWPorzadkuKatalogu)
{
    TfrmNowy nowy(gry_, {});
    const QListWidget* lista = nowy.Lista(TZakladka::SystemyLiczbowe);
    EXPECT_EQ(Pozycje(lista), (QStringList{QStringLiteral("Żółw 6 z 49"), QStringLiteral("Alfa 5 z 42")}));
    // Every entry answers with its own catalogue index, not its row.
    const std::size_t indeksy[] = {0, 2};
    nowy.UstawZakladke(TZakladka::SystemyLiczbowe);
    for (int wiersz = 0; wiersz < lista->count(); ++wiersz) {
        nowy.Lista(TZakladka::SystemyLiczbowe)->setCurrentRow(wiersz);
        EXPECT_EQ(nowy.Wybor().IndeksGry, indeksy[wiersz]) << wiersz;
    }
}

TEST_F(TfrmNowyTest, PustyKatalogDajePustaListeGier)
{
    const TKatalogGier pusty;
    TfrmNowy nowy(pusty, {});
    EXPECT_EQ(nowy.Lista(TZakladka::SystemyLiczbowe)->count(), 0);
}

// OK needs a choice on the tab in view; a choice left on another tab does not count.
TEST_F(TfrmNowyTest, OKBezWyboruNaBiezacejZakladceNieZamyka)
{
    struct TPrzypadek {
        TZakladka Zakladka;
        std::function<void(TfrmNowy&)> Wybierz;
    };
    const auto pierwszy = [](TZakladka zakladka) {
        return [zakladka](TfrmNowy& nowy) { nowy.Lista(zakladka)->setCurrentRow(0); };
    };
    const TPrzypadek przypadki[] = {
        {TZakladka::NowaGra, pierwszy(TZakladka::NowaGra)},
        {TZakladka::SystemyLiczbowe, pierwszy(TZakladka::SystemyLiczbowe)},
        {TZakladka::SystemyPilkarskie, pierwszy(TZakladka::SystemyPilkarskie)},
        {TZakladka::SystemyZlozone,
         [](TfrmNowy& nowy) {
             nowy.Lista(TZakladka::SystemyZlozone)->item(0)->setCheckState(Qt::Checked);
             nowy.Lista(TZakladka::SystemyZlozone)->item(1)->setCheckState(Qt::Checked);
         }},
        {TZakladka::GrupaGraczy, pierwszy(TZakladka::GrupaGraczy)},
    };
    for (const TPrzypadek& przypadek : przypadki) {
        SCOPED_TRACE(static_cast<int>(przypadek.Zakladka));
        TfrmNowy nowy(gry_, {System(QStringLiteral("<1>A"), 49, 6), System(QStringLiteral("<2>B"), 49, 6)});
        TZamkniecia zamkniecia(nowy);
        nowy.show();

        // Everything chosen on the other tabs first.
        for (const TPrzypadek& inny : przypadki)
            if (inny.Zakladka != przypadek.Zakladka)
                inny.Wybierz(nowy);
        nowy.UstawZakladke(przypadek.Zakladka);
        nowy.PrzyciskOK()->click();
        EXPECT_TRUE(nowy.isVisible());
        EXPECT_TRUE(zamkniecia.Wyniki().empty());

        przypadek.Wybierz(nowy);
        nowy.PrzyciskOK()->click();
        EXPECT_FALSE(nowy.isVisible());
        ASSERT_EQ(zamkniecia.Wyniki().size(), 1u);
        EXPECT_EQ(zamkniecia.Wyniki().at(0), QDialog::Accepted);
        EXPECT_EQ(nowy.Wybor().Zakladka, przypadek.Zakladka);
    }
}

TEST_F(TfrmNowyTest, AnulujZamykaBezAkceptacji)
{
    TfrmNowy nowy(gry_, {});
    TZamkniecia zamkniecia(nowy);
    nowy.show();
    nowy.Lista(TZakladka::NowaGra)->setCurrentRow(0);
    nowy.PrzyciskAnuluj()->click();
    EXPECT_FALSE(nowy.isVisible());
    ASSERT_EQ(zamkniecia.Wyniki().size(), 1u);
    EXPECT_EQ(zamkniecia.Wyniki().at(0), QDialog::Rejected);
}

TEST_F(TfrmNowyTest, PodwojneKlikniecieAkceptujeWybranaGre)
{
    TfrmNowy nowy(gry_, {});
    TZamkniecia zamkniecia(nowy);
    nowy.show();
    nowy.UstawZakladke(TZakladka::SystemyLiczbowe);
    QListWidget* lista = nowy.Lista(TZakladka::SystemyLiczbowe);
    ASSERT_EQ(lista->count(), 2);

    PodwojneKlikniecie(lista, lista->item(1));
    ASSERT_EQ(zamkniecia.Wyniki().size(), 1u);
    EXPECT_EQ(zamkniecia.Wyniki().at(0), QDialog::Accepted);
    const TfrmNowy::TWybor wybor = nowy.Wybor();
    EXPECT_EQ(wybor.Zakladka, TZakladka::SystemyLiczbowe);
    EXPECT_EQ(wybor.IndeksGry, 2u);
}

// Only one field differs from the first system at a time; the rule looks at the game's shape and
// the pool flag, never at the system's own n, k or name.
TEST_F(TfrmNowyTest, DrugiSystemOInnychParametrachOdznaczonyOdRazu)
{
    struct TPrzypadek {
        const char* Pole;
        std::function<void(TInfoGryRec&)> Zmien;
        bool Zostaje;
    };
    const TPrzypadek przypadki[] = {
        {"MinSkreslen", [](TInfoGryRec& i) { i.MinSkreslen += 1; }, false},
        {"MaxSkreslen", [](TInfoGryRec& i) { i.MaxSkreslen += 1; }, false},
        {"NormSkreslen", [](TInfoGryRec& i) { i.NormSkreslen += 1; }, false},
        {"IleLiczb", [](TInfoGryRec& i) { i.IleLiczb += 1; }, false},
        {"IleLosowanych", [](TInfoGryRec& i) { i.IleLosowanych += 1; }, false},
        {"Pilkarski", [](TInfoGryRec& i) { i.Pilkarski = 1; }, false},
        {"n i k", [](TInfoGryRec& i) { i.n += 3; i.k += 1; }, true},
        {"Nazwa i IdGry", [](TInfoGryRec& i) { i.Nazwa = "inna"; i.IdGry = 7; }, true},
        {"IlePoziomo", [](TInfoGryRec& i) { i.IlePoziomo = 9; }, true},
    };
    for (const TPrzypadek& przypadek : przypadki) {
        SCOPED_TRACE(przypadek.Pole);
        TSystemDoZlozenia drugi = System(QStringLiteral("<2>B"), 49, 6);
        przypadek.Zmien(drugi.Info);
        TfrmNowy nowy(gry_, {System(QStringLiteral("<1>A"), 49, 6), drugi});
        nowy.UstawZakladke(TZakladka::SystemyZlozone);
        QListWidget* CLB1 = nowy.Lista(TZakladka::SystemyZlozone);

        CLB1->item(0)->setCheckState(Qt::Checked);
        CLB1->item(1)->setCheckState(Qt::Checked);
        EXPECT_EQ(CLB1->item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(CLB1->item(1)->checkState(), przypadek.Zostaje ? Qt::Checked : Qt::Unchecked);
        EXPECT_EQ(nowy.Wybor().Zaznaczone, przypadek.Zostaje ? (std::vector<int>{0, 1}) : (std::vector<int>{0}));
    }
}

TEST_F(TfrmNowyTest, TrzeciSystemOdznaczonyOdRazuDwaZgodneZostaja)
{
    TfrmNowy nowy(gry_, {System(QStringLiteral("<1>A"), 49, 6), System(QStringLiteral("<2>B"), 42, 5),
                         System(QStringLiteral("<3>C"), 49, 6), System(QStringLiteral("<4>D"), 49, 6)});
    TZamkniecia zamkniecia(nowy);
    nowy.show();
    nowy.UstawZakladke(TZakladka::SystemyZlozone);
    QListWidget* CLB1 = nowy.Lista(TZakladka::SystemyZlozone);
    EXPECT_EQ(Pozycje(CLB1), (QStringList{QStringLiteral("<1>A"), QStringLiteral("<2>B"), QStringLiteral("<3>C"),
                                          QStringLiteral("<4>D")}));

    // One checked is always allowed, and OK still waits for the second.
    CLB1->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(nowy.Wybor().Zaznaczone, std::vector<int>{1});
    nowy.PrzyciskOK()->click();
    EXPECT_TRUE(zamkniecia.Wyniki().empty());
    CLB1->item(1)->setCheckState(Qt::Unchecked);

    CLB1->item(3)->setCheckState(Qt::Checked);
    CLB1->item(0)->setCheckState(Qt::Checked);
    CLB1->item(2)->setCheckState(Qt::Checked); // compatible, but a third
    EXPECT_EQ(CLB1->item(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(nowy.Wybor().Zaznaczone, (std::vector<int>{0, 3}));

    // Unchecking one frees the place for another.
    CLB1->item(3)->setCheckState(Qt::Unchecked);
    CLB1->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(nowy.Wybor().Zaznaczone, (std::vector<int>{0, 2}));

    nowy.PrzyciskOK()->click();
    ASSERT_EQ(zamkniecia.Wyniki().size(), 1u);
    EXPECT_EQ(zamkniecia.Wyniki().at(0), QDialog::Accepted);
    EXPECT_EQ(nowy.Wybor().Zakladka, TZakladka::SystemyZlozone);
    EXPECT_EQ(nowy.Wybor().Zaznaczone, (std::vector<int>{0, 2}));
}

} // namespace
} // namespace tarvomund
