#include "draws/TfrmImport.h"

#include "PomocnikiUI.h"
#include "draws/TFormater.h"
#include "draws/TfrmLosowania.h"
#include "model/Daty.h"
#include "model/PlikGry.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <random>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;
using testy::ZapiszPlik;

QString Pola(std::initializer_list<const char*> pola, int szerokosc)
{
    QString wynik;
    for (const char* pole : pola)
        wynik += QString::fromUtf8(pole).leftJustified(szerokosc, QLatin1Char(' '), true);
    return wynik;
}

TEST(TfrmImportTest, DomyslneUstawieniaISzerokoscPola)
{
    TfrmImport dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Wczytywanie losowań w formacie tekstowym"));
    EXPECT_EQ(dialog.spStart()->value(), 1);
    EXPECT_FALSE(dialog.cbNumeracja()->isChecked());
    EXPECT_FALSE(dialog.cbData()->isChecked());
    EXPECT_TRUE(dialog.cbKolejnosc()->isHidden());
    EXPECT_EQ(dialog.cbKolejnosc()->currentText(), QStringLiteral("DMR"));
    EXPECT_EQ(dialog.cbKolejnosc()->count(), 6);
    EXPECT_TRUE(dialog.cbTab()->isChecked());
    EXPECT_TRUE(dialog.cbSrednik()->isChecked());
    EXPECT_FALSE(dialog.cbKropka()->isChecked());
    EXPECT_TRUE(dialog.cbPrzecinek()->isChecked());
    EXPECT_TRUE(dialog.cbSpacja()->isChecked());
    EXPECT_FALSE(dialog.cbInne()->isChecked());
    EXPECT_TRUE(dialog.edInne()->text().isEmpty());
    EXPECT_TRUE(dialog.cbJakoJeden()->isChecked());
    EXPECT_EQ(dialog.cbTab()->toolTip(), QStringLiteral("Znak rozdzielający liczby w wierszu"));
    EXPECT_EQ(dialog.Formatowanie().Separatory(), DomyslneSeparatory());

    const std::pair<bool, bool> wlaczenia[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const auto& [data, numeracja] : wlaczenia) {
        dialog.cbData()->setChecked(data);
        dialog.cbNumeracja()->setChecked(numeracja);
        EXPECT_EQ(dialog.Formatowanie().Szerokosc(), data ? 10 : numeracja ? 5 : 3) << data << numeracja;
        EXPECT_EQ(dialog.cbKolejnosc()->isHidden(), !data);
    }
}

TEST(TfrmImportTest, KazdaZmianaFormatujePodgladOdNowa)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("lista.txt");
    ZapiszPlik(plik, "Wyniki losowań\r\n1. 12.05.2001 3,11,17;25 36|42\r\n2. 15.05.2001 1,,2\r\n");
    TfrmImport dialog;
    ASSERT_TRUE(dialog.Wczytaj(QString::fromStdString(plik)));
    TFormater* podglad = dialog.Formater();
    ASSERT_EQ(dialog.Formatowanie().IleSformatowanych(), 3u);
    EXPECT_EQ(podglad->verticalScrollBar()->maximum(), 2);
    EXPECT_EQ(podglad->horizontalScrollBar()->maximum(), TFormater::MaxPozycjaPozioma);
    EXPECT_EQ(podglad->Pokazany(1), Pola({"1.", "12.05.2001", "3", "11", "17", "25", "36|42"}, 3));

    dialog.cbData()->setChecked(true);
    EXPECT_EQ(podglad->Pokazany(1), Pola({"1.", "12.05.2001", "3", "11", "17", "25", "36|42"}, 10));
    dialog.cbInne()->setChecked(true);
    dialog.edInne()->setText(QStringLiteral("|"));
    EXPECT_EQ(podglad->Pokazany(1), Pola({"1.", "12.05.2001", "3", "11", "17", "25", "36", "42"}, 10));
    // Without space a field runs on to the next separator, and the last one is dropped.
    dialog.cbSpacja()->setChecked(false);
    EXPECT_EQ(podglad->Pokazany(1), Pola({"1. 12.05.2", "11", "17", "25 36"}, 10));
    dialog.cbSpacja()->setChecked(true);
    dialog.cbJakoJeden()->setChecked(false);
    EXPECT_EQ(podglad->Pokazany(2), Pola({"2.", "15.05.2001", "1", "", "2"}, 10));
    dialog.spStart()->setValue(3);
    EXPECT_EQ(dialog.Formatowanie().IleSformatowanych(), 1u);
    EXPECT_EQ(podglad->verticalScrollBar()->maximum(), 0);
}

TEST(TfrmImportTest, PodgladZnosiPlikiBinarneIDlugieWiersze)
{
    TKatalogTymczasowy katalog;
    std::mt19937 los(7);
    std::string binarny(200000, '\0');
    for (char& c : binarny)
        c = static_cast<char>(los());
    ZapiszPlik(katalog.Plik("szum.bin"), binarny);
    ZapiszPlik(katalog.Plik("dlugi.txt"), std::string(10u << 20, '5') + "\n" + std::string(100000, ','));

    for (const char* nazwa : {"szum.bin", "dlugi.txt", "brak.txt"}) {
        TfrmImport dialog;
        dialog.Wczytaj(QString::fromStdString(katalog.Plik(nazwa)));
        dialog.resize(900, 500);
        dialog.show();
        TFormater* podglad = dialog.Formater();
        // Painted at the start, scrolled to the far right and to the last line: no crash, no hang.
        EXPECT_FALSE(podglad->grab().isNull()) << nazwa;
        podglad->horizontalScrollBar()->setValue(podglad->horizontalScrollBar()->maximum());
        podglad->verticalScrollBar()->setValue(podglad->verticalScrollBar()->maximum());
        EXPECT_FALSE(podglad->grab().isNull()) << nazwa;
        for (std::size_t i = 0; i < dialog.Formatowanie().IleSformatowanych(); ++i) {
            const QString wiersz = podglad->Pokazany(i);
            EXPECT_LE(wiersz.size(), static_cast<qsizetype>(TFormatowanie::MaxDlugoscSformatowanego) + 3);
            for (QChar znak : wiersz)
                ASSERT_GE(znak.unicode(), 0x20) << nazwa << " line " << i;
        }
    }
}

// The draw editor's import: the dialog, the replace question, then one message with the counts.
class ImportWEdytorze : public ::testing::Test {
protected:
    void SetUp() override
    {
        gra_ = testy::Gra649(katalog_.Plik("lotto.pl2"));
        gra_.Losowania = {testy::Los({2001, 5, 12}, {1, 2, 3, 4, 5, 6})};
        ASSERT_TRUE(UtworzPlikGry(gra_));
        lista_ = katalog_.Plik("lista.txt");
        ZapiszPlik(lista_, "Lotto\n"
                           "1. 12.05.2001 42,3,17,25,36,11\n"
                           "2. 15.05.2001 1,2,3,4,5,300\n"
                           "3. 19.05.2001 7,8,9,10,11,12\n");
    }

    static TOdpowiedzi::TAkcja Ustaw(bool numeracja, bool data)
    {
        return [numeracja, data](QWidget* w) {
            auto* dialog = qobject_cast<TfrmImport*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Formatowanie().IleSformatowanych(), 4u);
            dialog->cbNumeracja()->setChecked(numeracja);
            dialog->cbData()->setChecked(data);
            dialog->btnOK()->click();
        };
    }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
    std::string lista_;
};

TEST_F(ImportWEdytorze, NadpisujeZTaSamaDataIPodajeLiczby)
{
    TfrmLosowania okno(gra_, QString::fromStdString(katalog_.Sciezka().string()));
    okno.setModal(false);
    okno.show();
    TOdpowiedzi odpowiedzi({Ustaw(true, true), TOdpowiedzi::Przycisk("btnTak"), TOdpowiedzi::Przycisk("btnOK")});
    okno.ImportujZ(QString::fromStdString(lista_));
    ASSERT_EQ(odpowiedzi.Obsluzonych(), 3);
    EXPECT_EQ(odpowiedzi.Teksty()[1], QStringLiteral("Czy chcesz nadpisywać losowania z tą samą datą ?"));
    // 300 is no number of the game: the line is reported, not stored as 44.
    EXPECT_EQ(odpowiedzi.Teksty()[2], QStringLiteral("Dopisano losowań: 1, zastąpiono: 1\nPominięto wierszy: 2"));
    ASSERT_EQ(gra_.Losowania.size(), 2u);
    EXPECT_EQ(gra_.Losowania[0].Liczby[0], 3);
    EXPECT_EQ(gra_.Losowania[0].Liczby[5], 42);
    EXPECT_EQ(gra_.Losowania[1].Data, DniZDaty({2001, 5, 19}));
    EXPECT_TRUE(okno.Zmieniono());
    EXPECT_EQ(okno.Model()->rowCount(), 2);
}

TEST_F(ImportWEdytorze, BezDatyNicNieWchodziAleWynikJestPokazany)
{
    TfrmLosowania okno(gra_, QString::fromStdString(katalog_.Sciezka().string()));
    okno.setModal(false);
    okno.show();
    TOdpowiedzi odpowiedzi({Ustaw(true, false), TOdpowiedzi::Przycisk("btnNie"), TOdpowiedzi::Przycisk("btnOK")});
    okno.ImportujZ(QString::fromStdString(lista_));
    ASSERT_EQ(odpowiedzi.Obsluzonych(), 3);
    EXPECT_EQ(odpowiedzi.Teksty()[2], QStringLiteral("Dopisano losowań: 0, zastąpiono: 0\nPominięto wierszy: 4"));
    EXPECT_EQ(gra_.Losowania.size(), 1u);
    EXPECT_FALSE(okno.Zmieniono());

    // "Anuluj" in the dialog: no question, no change.
    TOdpowiedzi anuluj({TOdpowiedzi::Odrzuc(), TOdpowiedzi::Przycisk("btnTak")});
    okno.ImportujZ(QString::fromStdString(lista_));
    QCoreApplication::processEvents();
    EXPECT_EQ(anuluj.Obsluzonych(), 1);
    EXPECT_EQ(gra_.Losowania.size(), 1u);
}

} // namespace
} // namespace tarvomund
