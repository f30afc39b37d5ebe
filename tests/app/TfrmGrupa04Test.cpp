#include "group/TfrmGrupa04.h"

#include "group/TekstyGrupy.h"
#include "group/TfrmGrupa01.h"
#include "group/TfrmGrupa02.h"
#include "group/TfrmGrupa03.h"
#include "group/TfrmGrupa05.h"
#include "group/TfrmGrupa06.h"
#include "wspolne/GrupyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"
#include "PomocnikiUI.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::GraGrupy;
using testy::Grupa;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;

QStringList Wiersz(const QTableWidget* siatka, int wiersz)
{
    QStringList komorki;
    for (int k = 0; k < siatka->columnCount(); ++k)
        komorki << (siatka->item(wiersz, k) ? siatka->item(wiersz, k)->text() : QString());
    return komorki;
}

// The share dialog answered with a new value, or left as it opened.
TOdpowiedzi::TAkcja Udzial(std::optional<double> nowy, const char* przycisk = "btnOK")
{
    return [=](QWidget* w) {
        auto* dialog = qobject_cast<TfrmGrupa06*>(w);
        ASSERT_NE(dialog, nullptr);
        if (nowy)
            dialog->Spin1()->setValue(*nowy);
        TOdpowiedzi::Przycisk(przycisk)(w);
    };
}

TEST(TfrmGrupa04, PodzialRownyNaTrzechITekstyUdzialow)
{
    const TGrupa grupa = Grupa({"Ala", "Bartek", "Celina", "Darek"},
                               {GraGrupy(37023, "Keno", 90, 300, {{0, 0}, {2, 0}, {3, 10}})});
    TfrmGrupa04 dialog(grupa.Naglowek, grupa.Gry[0]);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Udziały, koszty i zyski - Keno - So 12.05.2001"));
    EXPECT_EQ(dialog.LblNazwa()->text(), QStringLiteral("Keno"));
    EXPECT_EQ(dialog.LblData()->text(), QStringLiteral("So 12.05.2001"));
    ASSERT_EQ(dialog.Grid1()->rowCount(), 3);
    EXPECT_EQ(Wiersz(dialog.Grid1(), 2), (QStringList{QStringLiteral("Darek"), QStringLiteral(" 10,00 %"),
                                                      QStringLiteral("       9,00"), QStringLiteral("      30,00")}));
    EXPECT_EQ(dialog.BtnPodziel()->toolTip(), QStringLiteral("Podziel koszty równo na wszystkich uczestników gry"));
    EXPECT_EQ(dialog.BtnPopraw()->toolTip(), QStringLiteral("Popraw dane uczestnika grupy"));

    dialog.BtnPodziel()->click();
    for (int w = 0; w < 3; ++w)
        EXPECT_EQ(dialog.Grid1()->item(w, 1)->text(), QStringLiteral(" 33,33 %")) << w;
    EXPECT_EQ(dialog.Grid1()->item(1, 0)->text(), QStringLiteral("Celina"));
    EXPECT_EQ(dialog.Grid1()->item(1, 2)->text(), QStringLiteral("      30,00"));
    EXPECT_EQ(dialog.Grid1()->item(1, 3)->text(), QStringLiteral("     100,00"));
    EXPECT_FALSE(dialog.Gra().Uczestnicy[1].Gra);
    EXPECT_EQ(dialog.Gra().Uczestnicy[1].Udzial.Wartosc(), 0);

    // A share confirmed unchanged keeps every bit of the third, and three thirds give no warning.
    dialog.Grid1()->selectRow(1);
    {
        TOdpowiedzi odpowiedzi({Udzial(std::nullopt)});
        dialog.BtnPopraw()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(dialog.Gra().Uczestnicy[2].Udzial, TWartoscExt::Z(100.0 / 3));

    const QStringList wydruk = dialog.WierszeWydruku();
    ASSERT_EQ(wydruk.size(), 7);
    EXPECT_EQ(wydruk[0], dialog.windowTitle());
    EXPECT_EQ(wydruk[4], QStringLiteral("Ala                            33,33 %       30,00      100,00"));
    TKatalogTymczasowy katalog;
    QPdfWriter pdf(QString::fromStdString(katalog.Plik("udzialy.pdf")));
    EXPECT_EQ(dialog.DrukujNa(pdf), 1);
}

TEST(TfrmGrupa04, UdzialyPonad100DajaOstrzezenieIZostaja)
{
    const TGrupa grupa = Grupa({"Ala", "Bartek"}, {GraGrupy(37023, "Keno", 100, 0, {{0, 60}, {1, 0}})});
    TfrmGrupa04 dialog(grupa.Naglowek, grupa.Gry[0]);
    dialog.show();
    dialog.Grid1()->selectRow(1);
    {
        QString nazwisko;
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
                                    nazwisko = qobject_cast<TfrmGrupa06*>(w)->LblNazwisko()->text();
                                    Udzial(50)(w);
                                },
                                TOdpowiedzi::Przycisk("btnOK")});
        dialog.BtnPopraw()->click();
        EXPECT_EQ(nazwisko, QStringLiteral("Bartek"));
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 2);
        EXPECT_EQ(odpowiedzi.Teksty().value(1), QStringLiteral("Suma udziałów wszystkich grających przekracza 100 %"));
    }
    EXPECT_EQ(dialog.Gra().Uczestnicy[0].Udzial.Wartosc(), 60);
    EXPECT_EQ(dialog.Gra().Uczestnicy[1].Udzial.Wartosc(), 50);
    EXPECT_EQ(dialog.Grid1()->item(1, 2)->text(), QStringLiteral("      50,00"));

    // Cancelled, the sum is still checked.
    {
        TOdpowiedzi odpowiedzi({Udzial(10, "btnAnuluj"), TOdpowiedzi::Przycisk("btnOK")});
        dialog.BtnPopraw()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 2);
    }
    EXPECT_EQ(dialog.Gra().Uczestnicy[1].Udzial.Wartosc(), 50);
    // Back within 100 %: no warning.
    {
        TOdpowiedzi odpowiedzi({Udzial(40)});
        dialog.BtnPopraw()->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(dialog.Gra().Uczestnicy[1].Udzial.Wartosc(), 40);
}

TEST(TfrmGrupa04, BezGrajacychTylkoDopisz)
{
    const TGrupa grupa = Grupa({"Ala"}, {GraGrupy(37023, "Keno", 100, 0)});
    TfrmGrupa04 dialog(grupa.Naglowek, grupa.Gry[0]);
    EXPECT_EQ(dialog.Grid1()->rowCount(), 0);
    for (QToolButton* b : {dialog.BtnPodziel(), dialog.BtnPopraw(), dialog.BtnDrukuj()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(dialog.BtnDopisz()->isEnabled());

    // "Dopisz": a new name in the first free place, ticked, then "Ok" hands it back.
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
                                auto* lista = qobject_cast<TfrmGrupa05*>(w);
                                ASSERT_NE(lista, nullptr);
                                lista->Dodaj(); // answered by the next action
                                ASSERT_EQ(lista->CLB1()->count(), 2);
                                EXPECT_EQ(lista->CLB1()->currentRow(), 1);
                                lista->CLB1()->item(1)->setCheckState(Qt::Checked);
                                TOdpowiedzi::Przycisk("btnOk")(w);
                            },
                            [](QWidget* w) {
                                auto* nazwisko = qobject_cast<TfrmGrupa02*>(w);
                                ASSERT_NE(nazwisko, nullptr);
                                nazwisko->Edit1()->setText(QStringLiteral("Łucja"));
                                nazwisko->PrzyciskOk()->click();
                            }});
    dialog.BtnDopisz()->click();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 2);
    EXPECT_EQ(dialog.Naglowek().Nazwiska[1], "Łucja");
    EXPECT_TRUE(dialog.Gra().Uczestnicy[1].Gra);
    EXPECT_FALSE(dialog.Gra().Uczestnicy[0].Gra);
    ASSERT_EQ(dialog.Grid1()->rowCount(), 1);
    EXPECT_EQ(dialog.Grid1()->item(0, 0)->text(), QStringLiteral("Łucja"));
    EXPECT_TRUE(dialog.BtnPodziel()->isEnabled());
}

TEST(TfrmGrupa05, ZaznaczeniaNazwyIPelnaLista)
{
    TGrupa grupa = Grupa({"Ala", "Bartek"}, {GraGrupy(37023, "Keno", 1, 0, {{1, 25}})});
    grupa.Naglowek.Nazwiska[4] = "Ewa"; // a gap, as a damaged file may leave
    TfrmGrupa05 lista(grupa.Naglowek, grupa.Gry[0]);
    ASSERT_EQ(lista.CLB1()->count(), 3);
    EXPECT_EQ(lista.CLB1()->item(2)->text(), QStringLiteral("Ewa"));
    EXPECT_EQ(lista.CLB1()->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(lista.CLB1()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(lista.BtnPopraw()->isEnabled());

    // Ticks reach the place of the name, not its row.
    lista.CLB1()->item(2)->setCheckState(Qt::Checked);
    lista.CLB1()->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(lista.Gra().Uczestnicy[4].Gra);
    EXPECT_FALSE(lista.Gra().Uczestnicy[1].Gra);
    EXPECT_EQ(lista.Gra().Uczestnicy[1].Udzial.Wartosc(), 25); // kept while not playing

    // A new name takes the gap; renaming keeps the place.
    {
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* d = qobject_cast<TfrmGrupa02*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->Edit1()->text().isEmpty());
            d->Edit1()->setText(QStringLiteral("Cezary"));
            d->PrzyciskOk()->click();
        }});
        lista.BtnDodaj()->click();
    }
    EXPECT_EQ(lista.Naglowek().Nazwiska[2], "Cezary");
    EXPECT_EQ(lista.CLB1()->item(2)->text(), QStringLiteral("Cezary"));
    EXPECT_EQ(lista.CLB1()->item(3)->checkState(), Qt::Checked); // Ewa still ticked
    lista.CLB1()->setCurrentRow(3);
    {
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* d = qobject_cast<TfrmGrupa02*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->Edit1()->text(), QStringLiteral("Ewa"));
            d->Edit1()->setText(QStringLiteral("Ewelina"));
            d->PrzyciskOk()->click();
        }});
        lista.BtnPopraw()->click();
    }
    EXPECT_EQ(lista.Naglowek().Nazwiska[4], "Ewelina");
    EXPECT_TRUE(lista.Gra().Uczestnicy[4].Gra);

    // With all fifty places taken, "Dodaj" only says so.
    TNaglowekGrupy pelny;
    for (int i = 0; i < MaxUczestnikow; ++i)
        pelny.Nazwiska[static_cast<std::size_t>(i)] = std::string("G").append(std::to_string(i + 1));
    TfrmGrupa05 pelna(pelny, TGraGrupy{});
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
    pelna.BtnDodaj()->click();
    EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Lista grających jest już zapełniona !")});
    EXPECT_EQ(pelna.CLB1()->count(), 50);
}

TEST(TfrmGrupa02, OkBezNazwiskaNicNieRobi)
{
    TfrmGrupa02 dialog;
    dialog.show();
    EXPECT_EQ(dialog.Edit1()->maxLength(), 30);
    for (const char* pusty : {"", "   "}) {
        dialog.Edit1()->setText(QString::fromUtf8(pusty));
        dialog.PrzyciskOk()->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 0);
    }
    dialog.Edit1()->setText(QStringLiteral(" Żaneta "));
    dialog.PrzyciskOk()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Nazwisko(), QStringLiteral("Żaneta"));
}

class TfrmGrupa03Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* nazwa : {"Duży Lotek", "Keno", "Multi"}) {
            TObGraLista gra;
            gra.Nazwa = nazwa;
            katalog_.Dodaj(gra);
        }
    }
    TKatalogGier katalog_;
};

TEST_F(TfrmGrupa03Test, NazwaGrySpozaKataloguWybieraPierwszaGre)
{
    struct TPrzypadek {
        const char* Nazwa;
        QString Wybrana;
    };
    for (const TPrzypadek& p : {TPrzypadek{"Keno", QStringLiteral("Keno")},
                                TPrzypadek{"Gra, której już nie ma", QStringLiteral("Duży Lotek")},
                                TPrzypadek{"keno", QStringLiteral("Duży Lotek")}}) {
        TfrmGrupa03 dialog(katalog_);
        EXPECT_FALSE(dialog.ComboBox1()->isEditable());
        dialog.Ustaw(GraGrupy(37023, p.Nazwa, 1, 2));
        EXPECT_EQ(dialog.ComboBox1()->currentText(), p.Wybrana) << p.Nazwa;
        EXPECT_EQ(dialog.NazwaGry(), p.Wybrana.toStdString());
        EXPECT_EQ(dialog.Data(), 37023);
    }
}

TEST_F(TfrmGrupa03Test, KwotyNiezmienioneWracajaBezZaokraglen)
{
    TGraGrupy gra = GraGrupy(37023, "Keno", 0, 0);
    gra.Koszt = TWartoscExt::Z(10.0 / 3);
    gra.Wygrana = TWartoscExt::Z(1234.567);
    TfrmGrupa03 dialog(katalog_);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Parametry"));
    dialog.Ustaw(gra);
    EXPECT_EQ(dialog.SpinKoszt()->text(), QStringLiteral("3,33"));
    EXPECT_EQ(dialog.Koszt(), gra.Koszt);
    EXPECT_EQ(dialog.Wygrana(), gra.Wygrana);
    dialog.SpinWygrana()->setValue(2000.5);
    EXPECT_EQ(dialog.Wygrana().Wartosc(), 2000.5);
    EXPECT_EQ(dialog.Koszt(), gra.Koszt);
}

TEST(TfrmGrupa03, PustyKatalogPozwalaWpisacNazwe)
{
    const TKatalogGier pusty;
    TfrmGrupa03 dialog(pusty);
    EXPECT_TRUE(dialog.ComboBox1()->isEditable());
    EXPECT_EQ(dialog.NazwaGry(), "");
    dialog.Ustaw(GraGrupy(37023, "Własna gra", 1, 0));
    EXPECT_EQ(dialog.NazwaGry(), "Własna gra");
    dialog.ComboBox1()->setEditText(QStringLiteral("Inna"));
    EXPECT_EQ(dialog.NazwaGry(), "Inna");
}

TEST(TfrmGrupa01, RozliczenieITotalsy)
{
    const TGrupa grupa = Grupa({"Ala", "Bartek"}, {GraGrupy(37023, "Keno", 100, 0, {{0, 50}, {1, 50}}),
                                                   GraGrupy(37024, "Keno", 40, 1000, {{1, 25}})});
    TfrmGrupa01 wszyscy(QStringLiteral("Rozliczenie wszystkich grających"), grupa, std::nullopt);
    EXPECT_EQ(wszyscy.Rodzaj(), TRodzajOkna::RozliczenieGrupy);
    ASSERT_EQ(wszyscy.Grid1()->rowCount(), 3);
    EXPECT_EQ(Wiersz(wszyscy.Grid1(), 0),
              (QStringList{QStringLiteral("So 12.05.2001"), QStringLiteral("Keno"), QStringLiteral("Ala"),
                           QStringLiteral("      50,00"), QStringLiteral(" 50,00"), QStringLiteral("       0,00"),
                           QStringLiteral("     -50,00")}));
    EXPECT_EQ(Wiersz(wszyscy.Grid1(), 2).mid(3),
              (QStringList{QStringLiteral("      10,00"), QStringLiteral(" 25,00"), QStringLiteral("     250,00"),
                           QStringLiteral("+     240,00")}));
    EXPECT_EQ(Wiersz(wszyscy.Sumy(), 0),
              (QStringList{QString(), QString(), QString(), QStringLiteral("     110,00"), QString(),
                           QStringLiteral("     250,00"), QStringLiteral("+     140,00")}));
    // The printout carries the same texts as the window.
    const QStringList wydruk = wszyscy.WierszeWydruku();
    EXPECT_EQ(wydruk, NaQt(WydrukRozliczenia("Rozliczenie wszystkich grających",
                                             TabelaRozliczenia(grupa, Rozlicz(grupa)))));
    TKatalogTymczasowy katalog;
    QPdfWriter pdf(QString::fromStdString(katalog.Plik("rozliczenie.pdf")));
    EXPECT_EQ(wszyscy.DrukujNa(pdf), 1);

    // Somebody who played nothing: no rows and totals without computed values.
    TGrupa zNowym = grupa;
    zNowym.Naglowek.Nazwiska[2] = "Celina";
    TfrmGrupa01 nikt(QStringLiteral("Rozliczenie wyznaczonego gracza"), zNowym, 2);
    EXPECT_EQ(nikt.Grid1()->rowCount(), 0);
    EXPECT_EQ(Wiersz(nikt.Sumy(), 0), QStringList(7, QString()));
}

} // namespace
} // namespace tarvomund
