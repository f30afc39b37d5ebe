#include "stats/TfrmStatystyka1.h"

#include "PomocnikiUI.h"
#include "model/Daty.h"
#include "stats/OpisStatystyki.h"
#include "stats/TSg00.h"
#include "stats/TWykres.h"
#include "tools/PlikKolekcji.h"
#include "tools/TfrmKolekcja01.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QPointer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tarvomund {
namespace {

using R = TRodzajStatystyki;
using testy::CzekajAz;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;
using testy::Zrzut;

class TfrmStatystyka1Test : public ::testing::Test {
protected:
    TfrmStatystyka1Test()
        : gra_(testy::GraLosowa(20, 5, 150, 9)),
          kolekcja_(QString::fromStdString(katalog_.Sciezka().string()))
    {
        gra_.Nazwa = "Gra 5 z 20";
    }

    std::unique_ptr<TfrmStatystyka1> Okno()
    {
        TfrmStatystyka1::TOtoczenie otoczenie{&parametry_, &wyborWydruku_, &kolekcja_,
                                              QString::fromStdString(katalog_.Sciezka().string())};
        auto okno = std::make_unique<TfrmStatystyka1>(gra_, otoczenie);
        okno->resize(900, 560);
        return okno;
    }

    TParametryStatystyki Parametry(R rodzaj, int32_t wybor1 = 0,
                                   TGrupowanie grupowanie = TGrupowanie::Wszystkie) const
    {
        TParametryStatystyki p = TParametryStatystyki::DlaGry(gra_);
        p.Rodzaj = static_cast<int32_t>(rodzaj);
        p.Wybor1 = wybor1;
        p.Grupowanie = static_cast<int32_t>(grupowanie);
        return p;
    }

    static void Policz(TfrmStatystyka1& okno, const TParametryStatystyki& p)
    {
        okno.Nowe(p);
        okno.Start();
        ASSERT_TRUE(CzekajAz([&okno] { return !okno.Obliczanie(); }));
    }

    static QStringList Wiersz(const TfrmStatystyka1& okno, int wiersz)
    {
        QStringList teksty;
        for (int k = 0; k < okno.Grid1()->columnCount(); ++k)
            teksty << okno.Grid1()->TekstKomorki(wiersz, k);
        return teksty;
    }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
    TParametry parametry_;
    std::array<int, 4> wyborWydruku_{1, 1, 1, 0};
    TfrmKolekcja01 kolekcja_;
};

TEST_F(TfrmStatystyka1Test, JednaSeriaWykresTabelaITytul)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Liczby));
    EXPECT_FALSE(okno->CLB1()->isVisibleTo(okno.get()));
    const TDaneWykresu& dane = okno->Chart1()->Dane();
    ASSERT_EQ(dane.Serie.size(), 1);
    EXPECT_TRUE(dane.Serie[0].Widoczna);
    EXPECT_EQ(dane.Serie[0].Kolor, QColor(255, 0, 0));
    EXPECT_EQ(dane.Serie[0].Grubosc, 2);
    ASSERT_EQ(dane.Serie[0].Punkty.size(), 20);
    EXPECT_TRUE(dane.OsDolna);

    const QString od = QString::fromStdString(TekstDaty(gra_.Losowania.front().Data));
    const QString do_ = QString::fromStdString(TekstDaty(gra_.Losowania.back().Data));
    EXPECT_EQ(dane.Tytul, (QStringList{QStringLiteral("Najczęściej występujące liczby  [ ") + od +
                                           QStringLiteral(" - ") + do_ + QStringLiteral(" ]"),
                                       QStringLiteral("Ilość liczb ( 1 ) ")}));
    EXPECT_EQ(okno->PolaStatusu().RodzajStatystyki, dane.Tytul[0]);

    // Two rows: labels over values, from the second column on.
    TSg00* tabela = okno->Grid1();
    ASSERT_EQ(tabela->rowCount(), 2);
    ASSERT_EQ(tabela->columnCount(), 21);
    EXPECT_EQ(tabela->TekstKomorki(0, 1), QStringLiteral("1"));
    EXPECT_EQ(tabela->TekstKomorki(0, 20), QStringLiteral("20"));
    EXPECT_EQ(tabela->TekstKomorki(1, 3), QString::number(okno->Wyniki()[0][2].Wartosc));
    EXPECT_EQ(tabela->TekstKomorki(0, 0), QString()); // the progress is gone
    EXPECT_EQ(tabela->KolorKomorki(0, 0), KolorSzaroniebieski);
    EXPECT_EQ(tabela->KolorKomorki(0, 7), KolorSzaroniebieski);
    EXPECT_EQ(tabela->KolorKomorki(1, 0), QColor(255, 0, 0));
    EXPECT_EQ(tabela->KolorKomorki(1, 7), KolorJasnozolty);
    EXPECT_EQ(tabela->columnWidth(0), 60);
    EXPECT_GE(tabela->columnWidth(1), 35);
    int32_t suma = 0;
    for (const TWynik& w : okno->Wyniki()[0])
        suma += w.Wartosc;
    EXPECT_EQ(suma, 150 * 5);
}

TEST_F(TfrmStatystyka1Test, DniTygodniaIOdznaczanieSerii)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Liczby, 0, TGrupowanie::DzienTygodnia));
    QListWidget* lista = okno->CLB1();
    ASSERT_EQ(lista->count(), 7);
    EXPECT_EQ(lista->item(0)->text(), QStringLiteral("Nd"));
    EXPECT_EQ(lista->item(3)->text(), QStringLiteral("Śr"));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(lista->item(i)->checkState(), Qt::Checked) << i;
        EXPECT_TRUE(okno->Chart1()->Dane().Serie[i].Widoczna) << i;
    }
    EXPECT_EQ(okno->Grid1()->rowCount(), 14);
    EXPECT_EQ(okno->Grid1()->TekstKomorki(0, 0), QStringLiteral("Nd"));
    EXPECT_EQ(okno->Grid1()->KolorKomorki(1, 0), KolorSerii(0));
    EXPECT_EQ(okno->Grid1()->KolorKomorki(3, 0), KolorSerii(1));

    lista->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(okno->Chart1()->Dane().Serie[0].Widoczna);
    EXPECT_EQ(okno->Grid1()->rowCount(), 12);
    EXPECT_EQ(okno->Grid1()->TekstKomorki(0, 0), QStringLiteral("Pn"));
    EXPECT_EQ(okno->Chart1()->Dane().Tytul.value(1),
              QStringLiteral("Ilość liczb ( 1 ) Dzień tygodnia ( Pn, Wt, Śr, Cz, Pt, So,  )"));
    // The weekdays: 26 pixels a series and 18 more, also beyond seven rows.
    EXPECT_EQ(okno->Grid1()->height(), 26 * 6 + 18);
    okno->show();
    Zrzut(*okno, "statystyka-dni-tygodnia");

    for (int i = 0; i < 7; ++i)
        lista->item(i)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(okno->Grid1()->rowCount(), 1);
    EXPECT_EQ(okno->Chart1()->Dane().Tytul.value(1), QStringLiteral("Ilość liczb ( 1 ) Dzień tygodnia (  )"));
}

TEST_F(TfrmStatystyka1Test, SortowanieWedlugWartosciINaturalne)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Liczby));
    const auto punkty = [&okno] { return okno->Chart1()->Dane().Serie[0].Punkty; };
    const auto naturalne = punkty();
    okno->SortujWgWartosci();
    EXPECT_TRUE(okno->Posortowany());
    const auto posortowane = punkty();
    EXPECT_TRUE(
        std::is_sorted(posortowane.begin(), posortowane.end(),
                       [](const TPunktWykresu& a, const TPunktWykresu& b) { return a.Wartosc > b.Wartosc; }));
    EXPECT_EQ(okno->Grid1()->TekstKomorki(0, 1), posortowane[0].Etykieta);
    // The second time nothing moves.
    okno->SortujWgWartosci();
    const auto drugi = punkty();
    ASSERT_EQ(drugi.size(), posortowane.size());
    for (int i = 0; i < drugi.size(); ++i)
        EXPECT_EQ(drugi[i].Etykieta, posortowane[i].Etykieta);
    okno->SortujNaturalnie();
    EXPECT_FALSE(okno->Posortowany());
    for (int i = 0; i < naturalne.size(); ++i)
        EXPECT_EQ(punkty()[i].Etykieta, naturalne[i].Etykieta);
    EXPECT_EQ(okno->Grid1()->TekstKomorki(0, 1), QStringLiteral("1"));
}

TEST_F(TfrmStatystyka1Test, PolecenieWykresuNaWszystkichSeriach)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::KazdaZKazda));
    okno->PrzelaczTabliczki();
    okno->PrzelaczOpisTabliczek();
    for (const TSeriaWykresu& s : okno->Chart1()->Dane().Serie) {
        EXPECT_TRUE(s.Tabliczki);
        EXPECT_TRUE(s.TabliczkiWartosci);
    }
    okno->PrzelaczTabliczki();
    okno->PrzelaczOpisTabliczek();
    EXPECT_FALSE(okno->Chart1()->Dane().Serie[19].Tabliczki);
    EXPECT_FALSE(okno->Chart1()->Dane().Serie[19].TabliczkiWartosci);
    okno->Schodkowy();
    EXPECT_EQ(okno->Chart1()->Dane().Typ, TTypWykresu::Schodkowy);
    okno->Liniowy();
    EXPECT_EQ(okno->Chart1()->Dane().Typ, TTypWykresu::Liniowy);
    okno->Przelacz3D();
    EXPECT_TRUE(okno->Chart1()->Dane().Trojwymiarowy);
    okno->PrzelaczSiatke();
    EXPECT_FALSE(okno->Chart1()->Dane().Osie);
    okno->Powieksz();
    okno->Pomniejsz();
    EXPECT_NEAR(okno->Chart1()->Dane().Powiekszenie, 1.15 * 0.85, 1e-12);
    // Twenty series in the list, the first shown; a new run starts the zoom afresh.
    ASSERT_EQ(okno->CLB1()->count(), 20);
    EXPECT_EQ(okno->Chart1()->Dane().Serie.size(), 20);
    EXPECT_EQ(okno->Grid1()->rowCount(), 2);
    EXPECT_EQ(okno->Grid1()->TekstKomorki(0, 0), QStringLiteral("1"));
    Policz(*okno, Parametry(R::Blankiet));
    EXPECT_DOUBLE_EQ(okno->Chart1()->Dane().Powiekszenie, 1.0);
    EXPECT_FALSE(okno->Chart1()->Dane().OsDolna);
    EXPECT_EQ(okno->CLB1()->item(4)->text(), QStringLiteral("Kolumna 5"));
    EXPECT_GE(okno->CLB1()->width(), 80);
}

TEST_F(TfrmStatystyka1Test, ZapisRazIOtwarcieZZaznaczeniami)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Sumy, 0, TGrupowanie::DzienTygodnia));
    okno->CLB1()->item(0)->setCheckState(Qt::Unchecked);
    int pytan = 0;
    const QString plik = QString::fromStdString(katalog_.Plik("sumy"));
    okno->UstawWyborPliku([&](const QString& filtr, const QString&) {
        ++pytan;
        EXPECT_EQ(filtr, QStringLiteral("Statystyka (*.st2)"));
        return plik;
    });
    EXPECT_TRUE(okno->StanPlikow().test(2));
    okno->Zapisz();
    EXPECT_TRUE(okno->Zapisany());
    EXPECT_EQ(okno->NazwaPliku(), QStringLiteral("sumy.st2"));
    // Saved once: the second time nothing is asked or written.
    okno->Zapisz();
    okno->ZapiszJako();
    EXPECT_EQ(pytan, 1);

    const auto zapisany = WczytajPlikStatystyki(plik.toStdString() + ".st2");
    ASSERT_TRUE(zapisany);
    EXPECT_EQ(zapisany->IleSerii, 7);
    EXPECT_FALSE(zapisany->Zaznaczone[0]);
    EXPECT_TRUE(zapisany->Zaznaczone[6]);
    EXPECT_EQ(zapisany->Gra.Nazwa, "Gra 5 z 20");

    auto otwarte = Okno();
    otwarte->Wczytaj(*zapisany);
    EXPECT_FALSE(otwarte->Zapisany());
    EXPECT_TRUE(otwarte->NazwaPliku().isEmpty());
    EXPECT_EQ(otwarte->CLB1()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(otwarte->Chart1()->Dane().Serie[0].Widoczna);
    EXPECT_EQ(otwarte->Chart1()->Dane().Tytul, okno->Chart1()->Dane().Tytul);
    EXPECT_EQ(otwarte->Grid1()->rowCount(), okno->Grid1()->rowCount());
    for (int s = 0; s < 7; ++s) {
        const auto& a = otwarte->Chart1()->Dane().Serie[s].Punkty;
        const auto& b = okno->Chart1()->Dane().Serie[s].Punkty;
        ASSERT_EQ(a.size(), b.size()) << s;
        for (int i = 0; i < a.size(); ++i)
            EXPECT_EQ(a[i].Etykieta, b[i].Etykieta);
    }

    // One series: S = 1 and the check list stays hidden.
    auto pojedyncza = Okno();
    Policz(*pojedyncza, Parametry(R::Liczby));
    const QString plik2 = QString::fromStdString(katalog_.Plik("liczby.st2"));
    ASSERT_TRUE(pojedyncza->ZapiszDoPliku(plik2));
    const auto jedna = WczytajPlikStatystyki(plik2.toStdString());
    ASSERT_TRUE(jedna);
    EXPECT_EQ(jedna->IleSerii, 1);
    auto otwartaJedna = Okno();
    otwartaJedna->Wczytaj(*jedna);
    EXPECT_EQ(otwartaJedna->CLB1()->count(), 0);
    EXPECT_EQ(otwartaJedna->Chart1()->Dane().Serie.size(), 1);
    EXPECT_EQ(otwartaJedna->Grid1()->TekstKomorki(1, 20), pojedyncza->Grid1()->TekstKomorki(1, 20));
}

TEST_F(TfrmStatystyka1Test, NadpisanieTylkoZaZgoda)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Liczby));
    const std::string plik = katalog_.Plik("stary.st2");
    testy::ZapiszPlik(plik, "stara zawartość");
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
        EXPECT_FALSE(okno->ZapiszDoPliku(QString::fromStdString(plik)));
        EXPECT_EQ(odpowiedzi.Teksty().value(0),
                  QStringLiteral("Taki plik już istnieje !\nCzy chcesz go nadpisać ?"));
    }
    EXPECT_FALSE(okno->Zapisany());
    EXPECT_EQ(testy::CzytajPlik(plik), "stara zawartość");
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
        EXPECT_TRUE(okno->ZapiszDoPliku(QString::fromStdString(plik)));
    }
    EXPECT_TRUE(okno->Zapisany());
    EXPECT_TRUE(WczytajPlikStatystyki(plik));
}

TEST_F(TfrmStatystyka1Test, PrzerwanieDajeCzescWynikowIZwyklyTytul)
{
    gra_ = testy::GraLosowa(40, 12, 2000, 3);
    auto okno = Okno();
    okno->Nowe(Parametry(R::Liczby, 1));
    okno->Start();
    EXPECT_TRUE(okno->Obliczanie());
    EXPECT_FALSE(okno->StanPlikow().test(2)); // nothing to save while computing
    EXPECT_FALSE(okno->StanPlikow().test(3));
    EXPECT_FALSE(okno->CLB1()->isEnabled());
    okno->Przerwij();
    ASSERT_TRUE(CzekajAz([&okno] { return !okno->Obliczanie(); }));
    // At most the first step was counted: no pair twice.
    EXPECT_TRUE(okno->Wyniki()[0].empty());
    EXPECT_EQ(okno->Chart1()->Dane().Tytul.size(), 2);
    EXPECT_EQ(okno->Chart1()->Dane().Tytul.value(1), QStringLiteral("Ilość liczb ( 2 ) "));
    EXPECT_TRUE(okno->StanPlikow().test(2));

    // Unstopped, the same statistic finds pairs.
    Policz(*okno, Parametry(R::Liczby, 1));
    EXPECT_FALSE(okno->Wyniki()[0].empty());
}

TEST_F(TfrmStatystyka1Test, ZamykanieWTrakcieObliczenTylkoMinimalizuje)
{
    gra_ = testy::GraLosowa(60, 20, 3000, 4);
    gra_.Nazwa = "Keno";
    QMdiArea obszar;
    obszar.resize(900, 700);
    obszar.show();
    auto* okno = Okno().release();
    QPointer<QMdiSubWindow> podokno = obszar.addSubWindow(okno);
    podokno->setAttribute(Qt::WA_DeleteOnClose);
    podokno->show();
    okno->Nowe(Parametry(R::Liczby, 3));
    okno->Start();
    podokno->close();
    QCoreApplication::processEvents();
    ASSERT_TRUE(podokno);
    EXPECT_TRUE(podokno->isMinimized());
    okno->Przerwij();
    ASSERT_TRUE(CzekajAz([okno] { return !okno->Obliczanie(); }));
    podokno->close();
    ASSERT_TRUE(CzekajAz([&podokno] { return podokno.isNull(); }));
}

TEST_F(TfrmStatystyka1Test, PrzepisanieDoKolekcji)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Liczby, 0, TGrupowanie::DzienTygodnia));
    okno->CLB1()->item(0)->setCheckState(Qt::Unchecked);
    okno->CLB1()->item(3)->setCheckState(Qt::Unchecked);
    okno->DoKolekcji();
    QTreeWidget* drzewo = kolekcja_.Drzewo();
    ASSERT_EQ(drzewo->topLevelItemCount(), 1);
    const QTreeWidgetItem* kopia = drzewo->topLevelItem(0);
    const QStringList tytul = okno->Chart1()->Dane().Tytul;
    EXPECT_EQ(kopia->text(0), QStringLiteral("Gra 5 z 20 - ") + tytul[0] + QStringLiteral("   ") + tytul[1] +
                                  QStringLiteral("   "));
    EXPECT_EQ(TfrmKolekcja01::Ikona(kopia), IkonaKopii);
    ASSERT_EQ(kopia->childCount(), 5);
    EXPECT_EQ(kopia->child(0)->text(0), QStringLiteral("Pn"));
    // The icon follows the series' own place, so its colour matches the chart.
    EXPECT_EQ(TfrmKolekcja01::Ikona(kopia->child(0)), IkonaSerii(1));
    EXPECT_EQ(TfrmKolekcja01::Ikona(kopia->child(2)), IkonaSerii(4));
    ASSERT_EQ(kopia->child(0)->childCount(), 20);
    EXPECT_EQ(kopia->child(0)->child(6)->text(0),
              QStringLiteral("7   [") + QString::number(okno->Wyniki()[1][6].Wartosc) + QLatin1Char(']'));
    EXPECT_TRUE(kolekcja_.isVisible());
}

TEST_F(TfrmStatystyka1Test, ParametryLiczaOdNowaZachowujacZapis)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Liczby));
    ASSERT_TRUE(okno->ZapiszDoPliku(QString::fromStdString(katalog_.Plik("a.st2"))));
    TParametryStatystyki nowe = Parametry(R::WPrzedziale);
    nowe.Wybor1 = 4;
    nowe.Wybor2 = 9;
    okno->UstawDialogParametrow([&](const TObGraLista& g, const TParametryStatystyki& p) {
        EXPECT_EQ(&g, &gra_);
        EXPECT_EQ(p.Rodzaj, 0);
        return std::optional<TParametryStatystyki>(nowe);
    });
    okno->Parametry();
    ASSERT_TRUE(CzekajAz([&okno] { return !okno->Obliczanie(); }));
    EXPECT_EQ(okno->ParametryS().Rodzaj, 13);
    EXPECT_TRUE(okno->Chart1()->Dane().Tytul.value(0).startsWith(
        QStringLiteral("Wystąpienia liczb w zadanym przedziale (od ... do)  [ ")));
    EXPECT_EQ(okno->Chart1()->Dane().Tytul.value(1), QStringLiteral("Przedział ( 5...10 ) "));
    EXPECT_TRUE(okno->Zapisany());
    for (const TWynik& w : okno->Wyniki()[0])
        EXPECT_TRUE(std::stoi(w.Opis) >= 5 && std::stoi(w.Opis) <= 10) << w.Opis;

    // Cancelled, nothing changes.
    okno->UstawDialogParametrow([](const TObGraLista&, const TParametryStatystyki&) {
        return std::optional<TParametryStatystyki>();
    });
    okno->Parametry();
    EXPECT_FALSE(okno->Obliczanie());
    EXPECT_EQ(okno->ParametryS().Rodzaj, 13);
}

TEST_F(TfrmStatystyka1Test, WydrukWykresuITabeli)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::KazdaZKazda));
    for (int i = 0; i < okno->CLB1()->count(); ++i)
        okno->CLB1()->item(i)->setCheckState(Qt::Checked);
    // More than seven series scroll in a table 200 pixels high.
    EXPECT_EQ(okno->Grid1()->height(), 200);
    const TTabelaWydruku tabela = okno->TabelaWydruku();
    ASSERT_EQ(tabela.Serie.size(), 20);
    EXPECT_EQ(tabela.Serie[3].Nazwa, QStringLiteral("4"));
    EXPECT_EQ(tabela.Serie[3].Etykiety.size(), 19);
    EXPECT_EQ(tabela.Naglowek1, QStringLiteral("Gra 5 z 20 - ") + okno->LiniaTytulu());

    const QString pdf = QString::fromStdString(katalog_.Plik("tabela.pdf"));
    QPdfWriter pisarz(pdf);
    pisarz.setResolution(300);
    // Twenty series of nineteen pairs do not fit one page.
    EXPECT_GE(okno->DrukujTabele(pisarz), 2);
    QPdfWriter wykres(QString::fromStdString(katalog_.Plik("wykres.pdf")));
    okno->DrukujWykres(wykres, 4, 3);
    EXPECT_GT(std::filesystem::file_size(katalog_.Plik("wykres.pdf")), 1000u);
}

TEST_F(TfrmStatystyka1Test, EksportCsvIPng)
{
    auto okno = Okno();
    Policz(*okno, Parametry(R::Liczby, 0, TGrupowanie::Miesiac));
    okno->CLB1()->item(1)->setCheckState(Qt::Checked);
    const QStringList wiersze = okno->TekstCsv().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(wiersze.size(), 4);
    EXPECT_TRUE(wiersze[0].startsWith(QStringLiteral("I;1;2;3;")));
    EXPECT_TRUE(wiersze[2].startsWith(QStringLiteral("II;1;2;")));
    EXPECT_EQ(wiersze[1].split(QLatin1Char(';')).value(1), QString::number(okno->Wyniki()[0][0].Wartosc));

    const QString csv = QString::fromStdString(katalog_.Plik("t.csv"));
    ASSERT_TRUE(okno->EksportujCsv(csv));
    const std::string zapisany = testy::CzytajPlik(csv.toStdString());
    EXPECT_EQ(zapisany.substr(0, 3), "\xEF\xBB\xBF");

    // Labels with semicolons or quotes are quoted; a statistic without a list names its row.
    auto sumy = Okno();
    Policz(*sumy, Parametry(R::Sumy));
    EXPECT_TRUE(sumy->TekstCsv().startsWith(QStringLiteral("Najczęściej występujące sumy losowań;< ")));

    const QString png = QString::fromStdString(katalog_.Plik("w.png"));
    okno->show();
    ASSERT_TRUE(okno->EksportujPng(png));
    QImage obraz(png);
    ASSERT_FALSE(obraz.isNull());
    EXPECT_EQ(obraz.size(), okno->Chart1()->size());
    // The export through the buttons asks for the file.
    const QString przezPrzycisk = QString::fromStdString(katalog_.Plik("p"));
    okno->UstawWyborPliku([&](const QString& filtr, const QString&) {
        EXPECT_EQ(filtr, QStringLiteral("PNG (*.png)"));
        return przezPrzycisk;
    });
    okno->btnPng()->click();
    EXPECT_FALSE(QImage(przezPrzycisk + QStringLiteral(".png")).isNull());
}

TEST_F(TfrmStatystyka1Test, ZrzutyEkranu)
{
    auto okno = Okno();
    okno->show();
    Policz(*okno, Parametry(R::Liczby));
    okno->PrzelaczTabliczki();
    EXPECT_EQ(okno->Chart1()->Plan().Tabliczki.size(), 20);
    Zrzut(*okno, "statystyka-liniowy");
    okno->Schodkowy();
    okno->PrzelaczOpisTabliczek();
    EXPECT_EQ(okno->Chart1()->Plan().Linie.front().Punkty.size(), 39);
    Zrzut(*okno, "statystyka-schodkowy");
    Policz(*okno, Parametry(R::Serie));
    for (int i = 0; i < 5; ++i)
        okno->CLB1()->item(i)->setCheckState(Qt::Checked);
    okno->Przelacz3D();
    okno->Liniowy();
    EXPECT_EQ(okno->Chart1()->Plan().Linie.size(), 5);
    Zrzut(*okno, "statystyka-3d");
    Zrzut(*okno->Grid1(), "statystyka-tabelka");
}

} // namespace
} // namespace tarvomund
