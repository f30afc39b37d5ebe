#include "draws/TfrmNowaGra.h"

#include "TKolejkaOkien.h"
#include "app/KontekstPomocy.h"
#include "app/TfrmKomunikat.h"
#include "slips/TBlank.h"
#include "slips/TfrmDodajDr.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using testy::TKolejkaOkien;

QString U(const char* tekst)
{
    return QString::fromUtf8(tekst);
}

TObGraLista Lotek()
{
    TObGraLista gra;
    gra.Id = 3;
    gra.KodGry = 30;
    gra.Nazwa = "Lotek";
    gra.Plik = "/dane/lotek.pl2";
    gra.MinSkreslen = 5;
    gra.MaxSkreslen = 10;
    gra.NormSkreslen = 5;
    gra.IleLiczb = 42;
    gra.IleLosowanych = 5;
    gra.IleDodatkowych = 1;
    gra.IlePoziomo = 7;
    gra.IlePionowo = 6;
    gra.Kierunek = false;
    TObLos los;
    los.Liczby = {3, 40, 12, 7, 1};
    gra.Losowania = {los, TObLos{}};
    return gra;
}

class TfrmNowaGraTest : public ::testing::Test {
protected:
    // Clicks OK while the dialog is open and returns what the message said (empty when none came).
    QString OKZKomunikatem()
    {
        QString tekst;
        TKolejkaOkien kolejka;
        kolejka.Potem<TfrmKomunikat>([&tekst](TfrmKomunikat* k) {
            tekst = k->findChild<QLabel*>(QStringLiteral("lblTekst"))->text();
            k->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        dialog_.btnOK()->click();
        return tekst;
    }

    TKatalogTymczasowy dane_;
    TfrmNowaGra dialog_{QString::fromStdString(dane_.Sciezka().string())};
};

TEST_F(TfrmNowaGraTest, NowaGraZWartosciamiDomyslnymiIZakresami)
{
    dialog_.UstawNowa(8);
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Nowa Gra"));
    EXPECT_EQ(dialog_.property(WlasnoscKontekstuPomocy).toInt(), 1017);
    EXPECT_TRUE(dialog_.edNazwa()->text().isEmpty());
    EXPECT_EQ(dialog_.edNazwa()->maxLength(), 50);
    struct TPole {
        QSpinBox* Pole;
        int Wartosc, Od, Do;
    };
    const TPole pola[] = {
        {dialog_.spMin(), 6, 1, 25},        {dialog_.spMax(), 12, 1, 25},      {dialog_.spNorm(), 6, 1, 25},
        {dialog_.spLiczb(), 49, 1, 150},    {dialog_.spLosowanych(), 6, 1, 25}, {dialog_.spDodatkowych(), 0, 0, 5},
        {dialog_.spPoziomo(), 9, 1, 40},    {dialog_.spPionowo(), 6, 1, 40},
    };
    for (const TPole& p : pola) {
        EXPECT_EQ(p.Pole->value(), p.Wartosc) << p.Pole->objectName().toStdString();
        EXPECT_EQ(p.Pole->minimum(), p.Od) << p.Pole->objectName().toStdString();
        EXPECT_EQ(p.Pole->maximum(), p.Do) << p.Pole->objectName().toStdString();
    }
    EXPECT_TRUE(dialog_.cbKierunek()->isChecked());
    EXPECT_TRUE(dialog_.spLosowanych()->isEnabled());
    EXPECT_EQ(dialog_.Blank1()->IlePoziomo(), 9);
    EXPECT_EQ(dialog_.Blank1()->IlePionowo(), 6);
    EXPECT_EQ(dialog_.Blank1()->IleLiczb(), 49);
    EXPECT_EQ(dialog_.Wynik().KodGry, 8);
}

TEST_F(TfrmNowaGraTest, PodgladIdzieZaPolami)
{
    dialog_.spLiczb()->setValue(35);
    dialog_.spPoziomo()->setValue(7);
    dialog_.spPionowo()->setValue(5);
    dialog_.cbKierunek()->setChecked(false);
    EXPECT_EQ(dialog_.Blank1()->IleLiczb(), 35);
    EXPECT_EQ(dialog_.Blank1()->IlePoziomo(), 7);
    EXPECT_EQ(dialog_.Blank1()->IlePionowo(), 5);
    EXPECT_FALSE(dialog_.Blank1()->Kierunek());
    // The other fields leave the preview alone.
    dialog_.spLosowanych()->setValue(7);
    dialog_.spMax()->setValue(20);
    EXPECT_EQ(dialog_.Blank1()->IleLiczb(), 35);

    const TObGraLista wynik = dialog_.Wynik();
    EXPECT_EQ(wynik.IleLiczb, 35);
    EXPECT_EQ(wynik.IleLosowanych, 7);
    EXPECT_EQ(wynik.MaxSkreslen, 20);
    EXPECT_EQ(wynik.IlePoziomo, 7);
    EXPECT_FALSE(wynik.Kierunek);
}

TEST_F(TfrmNowaGraTest, BezNazwyZostajeOtwartyASpacjeWystarcza)
{
    dialog_.show();
    QString tekst;
    {
        TKolejkaOkien kolejka;
        kolejka.Potem<QMessageBox>([&tekst](QMessageBox* m) {
            tekst = m->text();
            m->accept();
        });
        dialog_.btnOK()->click();
        EXPECT_EQ(kolejka.Wykonanych(), 1);
    }
    EXPECT_EQ(tekst, U("Musisz podać nazwę gry"));
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_NE(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(dialog_.focusWidget(), dialog_.edNazwa());

    dialog_.edNazwa()->setText(QStringLiteral("   "));
    dialog_.btnOK()->click();
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(dialog_.Wynik().Nazwa, "   ");
}

TEST_F(TfrmNowaGraTest, DefinicjeNieDoUtrzymaniaOdrzucone)
{
    struct TPrzypadek {
        const char* Opis;
        std::function<void(TfrmNowaGra&)> Ustaw;
        const char* Poczatek;
    };
    const TPrzypadek przypadki[] = {
        {"min powyżej max", [](TfrmNowaGra& d) { d.spMin()->setValue(13); },
         "Minimalna ilość skreśleń jest większa"},
        {"losowanych więcej niż liczb", [](TfrmNowaGra& d) { d.spLiczb()->setValue(5); },
         "Ilość liczb losowanych jest większa"},
    };
    dialog_.show();
    for (const TPrzypadek& p : przypadki) {
        dialog_.UstawNowa(1);
        dialog_.edNazwa()->setText(QStringLiteral("Gra"));
        p.Ustaw(dialog_);
        EXPECT_TRUE(OKZKomunikatem().startsWith(U(p.Poczatek))) << p.Opis;
        EXPECT_TRUE(dialog_.isVisible()) << p.Opis;
    }
    // Equal minimum and maximum, or every number drawn, are fine.
    dialog_.UstawNowa(1);
    dialog_.edNazwa()->setText(QStringLiteral("Gra"));
    dialog_.spMin()->setValue(12);
    dialog_.spLiczb()->setValue(6);
    EXPECT_EQ(OKZKomunikatem(), QString());
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

TEST_F(TfrmNowaGraTest, KorektaZGryZZablokowanaIlosciaLosowanych)
{
    dialog_.UstawKorekta(Lotek());
    EXPECT_EQ(dialog_.windowTitle(), U("Zmiana parametrów gry"));
    EXPECT_EQ(dialog_.property(WlasnoscKontekstuPomocy).toInt(), 1053);
    EXPECT_EQ(dialog_.edNazwa()->text(), QStringLiteral("Lotek"));
    EXPECT_EQ(dialog_.spMin()->value(), 5);
    EXPECT_EQ(dialog_.spMax()->value(), 10);
    EXPECT_EQ(dialog_.spLiczb()->value(), 42);
    EXPECT_EQ(dialog_.spLosowanych()->value(), 5);
    EXPECT_EQ(dialog_.spDodatkowych()->value(), 1);
    EXPECT_EQ(dialog_.spPoziomo()->value(), 7);
    EXPECT_FALSE(dialog_.cbKierunek()->isChecked());
    EXPECT_FALSE(dialog_.spLosowanych()->isEnabled());
    EXPECT_FALSE(dialog_.lblLosowanych()->isEnabled());
    EXPECT_FALSE(dialog_.Blank1()->Kierunek());
    EXPECT_EQ(dialog_.Blank1()->IleLiczb(), 42);

    // Identity and file come through; the draws are not part of the definition.
    dialog_.edNazwa()->setText(QStringLiteral("Lotek bis"));
    const TObGraLista wynik = dialog_.Wynik();
    EXPECT_EQ(wynik.Id, 3);
    EXPECT_EQ(wynik.KodGry, 30);
    EXPECT_EQ(wynik.Plik, "/dane/lotek.pl2");
    EXPECT_EQ(wynik.Nazwa, "Lotek bis");
    EXPECT_TRUE(wynik.Losowania.empty());

    // The draws hold a 40: the game cannot shrink below it.
    dialog_.show();
    dialog_.spLiczb()->setValue(39);
    // The message box shows the text's two lines.
    EXPECT_EQ(OKZKomunikatem(), U("W losowaniach tej gry jest liczba 40 !\nIlość liczb w grze nie może być mniejsza."));
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(dialog_.focusWidget(), dialog_.spLiczb());
    dialog_.spLiczb()->setValue(40);
    EXPECT_EQ(OKZKomunikatem(), QString());
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

TEST_F(TfrmNowaGraTest, BlankietyOtwierajaPrzypisanieDlaKoduGry)
{
    dialog_.UstawNowa(17);
    dialog_.edNazwa()->setText(U("Mój lotek"));
    int32_t kod = 0;
    QString naglowek;
    TKolejkaOkien kolejka;
    kolejka.Potem<TfrmDodajDr>([&](TfrmDodajDr* d) {
        kod = d->KodGry();
        naglowek = d->lblGra()->text();
        d->reject();
    });
    dialog_.btnBlankiety()->click();
    EXPECT_EQ(kolejka.Wykonanych(), 1);
    EXPECT_EQ(kod, 17);
    EXPECT_EQ(naglowek, U("Mój lotek"));
}

} // namespace
} // namespace tarvomund
