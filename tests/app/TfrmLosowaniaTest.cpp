#include "draws/TfrmLosowania.h"

#include "PomocnikiUI.h"
#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "draws/TfrmWyborBazy.h"
#include "model/Daty.h"
#include "model/PlikGry.h"
#include "systems/TfrmNumery.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LimitZapisu.h"
#include "wspolne/LosowaniaTestowe.h"

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::CzytajPlik;
using testy::Los;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;

QString Komorka(const TfrmLosowania& okno, int wiersz, int kolumna)
{
    return okno.Model()->index(wiersz, kolumna).data().toString();
}

// Presses the numbers in the picker, in the order given.
void Wcisnij(TfrmNumery& numery, std::initializer_list<int> liczby)
{
    for (int liczba : liczby)
        numery.Przycisk(liczba)->click();
}

class TfrmLosowaniaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        gra_ = testy::Gra649((Dane() / "lotto.pl2").string());
        gra_.Losowania = {Los({2001, 5, 12}, {3, 11, 17, 25, 36, 42}), Los({2001, 5, 15}, {1, 2, 3, 4, 5, 6}),
                          Los({2001, 5, 19}, {7, 8, 9, 10, 11, 12}), Los({2001, 5, 22}, {13, 14, 15, 16, 17, 18}),
                          Los({2001, 5, 26}, {19, 20, 21, 22, 23, 24})};
        ASSERT_TRUE(UtworzPlikGry(gra_));
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }
    QString KatalogDane() const { return QString::fromStdString(Dane().string()); }

    std::unique_ptr<TfrmLosowania> Okno()
    {
        auto okno = std::make_unique<TfrmLosowania>(gra_, KatalogDane());
        // Shown without modality, so that only the windows it opens count as asked.
        okno->setModal(false);
        okno->show();
        return okno;
    }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
};

TEST_F(TfrmLosowaniaTest, TytulZakresSiatkaISzerokosc)
{
    auto okno = Okno();
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Losowania Lotto 6 z 49"));
    EXPECT_EQ(okno->lblZakres()->text(), QStringLiteral("Zakres losowań 12.05.2001 <--> 26.05.2001"));
    EXPECT_EQ(okno->Model()->rowCount(), 5);
    EXPECT_EQ(okno->Model()->columnCount(), 7);
    EXPECT_EQ(Komorka(*okno, 0, 0), QStringLiteral("<1>   12.05.2001"));
    EXPECT_EQ(Komorka(*okno, 4, 0), QStringLiteral("<5>   26.05.2001"));
    EXPECT_EQ(Komorka(*okno, 0, 6), QStringLiteral("42"));
    EXPECT_EQ(okno->Grid1()->columnWidth(0), TfrmLosowania::SzerokoscKolumnyDaty);
    EXPECT_EQ(okno->Grid1()->columnWidth(1), TfrmLosowania::SzerokoscKolumnyLiczby);
    EXPECT_EQ(okno->width(), TfrmLosowania::SzerokoscOkna(6));
    EXPECT_EQ(TfrmLosowania::SzerokoscOkna(6), 140 + 120 + 25);
    EXPECT_EQ(TfrmLosowania::SzerokoscOkna(5), 282);
    EXPECT_EQ(TfrmLosowania::SzerokoscOkna(20), 140 + 400 + 25);
    EXPECT_EQ(okno->btnDodaj()->toolTip(), QStringLiteral("Dodaj nowe losowanie do bazy"));
    EXPECT_EQ(okno->btnUsun()->toolTip(), QStringLiteral("Usuń losowanie z bazy"));
    EXPECT_EQ(okno->btnPopraw()->toolTip(), QStringLiteral("Popraw losowanie"));
    EXPECT_EQ(okno->btnImport()->toolTip(), QStringLiteral("Dodaj losowanie z pliku tekstowego"));
    EXPECT_EQ(okno->btnEksport()->toolTip(), QStringLiteral("Zapisz do pliku tekstowego"));

    // An empty history: one empty row and the bare title line; nothing to correct, delete or export.
    gra_.Losowania.clear();
    auto puste = Okno();
    EXPECT_EQ(puste->lblZakres()->text(), QStringLiteral("Zakres losowań "));
    EXPECT_EQ(puste->Model()->rowCount(), 1);
    EXPECT_TRUE(Komorka(*puste, 0, 0).isEmpty());
    puste->Grid1()->selectRow(0);
    {
        TOdpowiedzi nic({TOdpowiedzi::Odrzuc()});
        puste->btnPopraw()->click();
        puste->btnUsun()->click();
        puste->btnEksport()->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(nic.Obsluzonych(), 0);
    }
    EXPECT_FALSE(puste->Zmieniono());
}

TEST_F(TfrmLosowaniaTest, DodajWybieraLiczbyIDateSortujeIPokazujeSameDaty)
{
    auto okno = Okno();
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* numery = qobject_cast<TfrmNumery*>(w);
        ASSERT_NE(numery, nullptr);
        EXPECT_EQ(numery->windowTitle(), QStringLiteral("Lotto 6 z 49"));
        EXPECT_TRUE(numery->btnWylosuj()->isHidden());
        EXPECT_TRUE(numery->btnKolekcja()->isHidden());
        EXPECT_FALSE(numery->DE1()->isHidden());
        EXPECT_FALSE(numery->DE1()->isReadOnly());
        EXPECT_EQ(numery->DE1()->date(), QDate::currentDate());
        EXPECT_TRUE(numery->Wybrane().empty());
        EXPECT_EQ(numery->Cel(), 6);
        Wcisnij(*numery, {30, 5, 12, 1, 44, 7});
        numery->DE1()->setDate(QDate(2001, 5, 1));
        numery->btnOK()->click();
    }});
    okno->btnDodaj()->click();
    ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
    ASSERT_EQ(gra_.Losowania.size(), 6u);
    EXPECT_EQ(gra_.Losowania[0].Data, DniZDaty({2001, 5, 1}));
    EXPECT_EQ(gra_.Losowania[0].Liczby, Los({}, {1, 5, 7, 12, 30, 44}).Liczby);
    EXPECT_TRUE(okno->Zmieniono());
    EXPECT_EQ(Komorka(*okno, 0, 0), QStringLiteral("01.05.2001"));
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("12.05.2001"));
    EXPECT_EQ(okno->lblZakres()->text(), QStringLiteral("Zakres losowań 01.05.2001 <--> 26.05.2001"));

    // "Anuluj" in the picker adds nothing.
    TOdpowiedzi anuluj({TOdpowiedzi::Odrzuc()});
    okno->btnDodaj()->click();
    EXPECT_EQ(gra_.Losowania.size(), 6u);
}

TEST_F(TfrmLosowaniaTest, PoprawZachowujeDateIZmieniaLiczby)
{
    auto okno = Okno();
    {
        TOdpowiedzi bezZaznaczenia({TOdpowiedzi::Odrzuc()});
        okno->btnPopraw()->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(bezZaznaczenia.Obsluzonych(), 0);
    }

    okno->Grid1()->selectRow(1);
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* numery = qobject_cast<TfrmNumery*>(w);
        ASSERT_NE(numery, nullptr);
        EXPECT_TRUE(numery->DE1()->isReadOnly());
        EXPECT_EQ(numery->DE1()->date(), QDate(2001, 5, 15));
        EXPECT_EQ(numery->Wybrane(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
        numery->btnZeruj()->click();
        Wcisnij(*numery, {49, 48, 47, 46, 45, 44});
        numery->btnOK()->click();
    }});
    okno->btnPopraw()->click();
    ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
    EXPECT_EQ(gra_.Losowania[1].Data, DniZDaty({2001, 5, 15}));
    EXPECT_EQ(gra_.Losowania[1].Liczby, Los({}, {44, 45, 46, 47, 48, 49}).Liczby);
    EXPECT_EQ(Komorka(*okno, 1, 1), QStringLiteral("44"));
    EXPECT_TRUE(okno->Zmieniono());
}

TEST_F(TfrmLosowaniaTest, UsunPytaIUsuwaZaznaczoneWiersze)
{
    auto okno = Okno();
    okno->Grid1()->selectRow(1);
    okno->Grid1()->selectionModel()->select(
        QItemSelection(okno->Model()->index(1, 0), okno->Model()->index(3, 6)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ASSERT_EQ(okno->Zaznaczone(), (std::pair<std::size_t, std::size_t>{1, 3}));
    TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie")});
    okno->btnUsun()->click();
    ASSERT_EQ(nie.Teksty(), QStringList{QStringLiteral("Czy chcesz usunąć zaznaczone losowania ?")});
    EXPECT_EQ(gra_.Losowania.size(), 5u);
    EXPECT_FALSE(okno->Zmieniono());

    TOdpowiedzi tak({TOdpowiedzi::Przycisk("btnTak")});
    okno->btnUsun()->click();
    ASSERT_EQ(gra_.Losowania.size(), 2u);
    EXPECT_EQ(gra_.Losowania[0].Data, DniZDaty({2001, 5, 12}));
    EXPECT_EQ(gra_.Losowania[1].Data, DniZDaty({2001, 5, 26}));
    EXPECT_EQ(okno->Model()->rowCount(), 2);
    EXPECT_TRUE(okno->Zmieniono());
}

TEST_F(TfrmLosowaniaTest, OkZapisujeAnulujWczytujeZamkniecieZostawiaWPamieci)
{
    const std::string plik = CzytajPlik(gra_.Plik);
    const auto usunPierwsze = [this](TfrmLosowania& okno) {
        okno.Grid1()->selectRow(0);
        TOdpowiedzi tak({TOdpowiedzi::Przycisk("btnTak")});
        okno.btnUsun()->click();
    };
    {
        // The title bar: the edit stays in memory for this run, the file keeps the draw.
        auto okno = Okno();
        usunPierwsze(*okno);
        okno->close();
        EXPECT_EQ(okno->result(), QDialog::Rejected);
        EXPECT_EQ(gra_.Losowania.size(), 4u);
        EXPECT_EQ(CzytajPlik(gra_.Plik), plik);
    }
    {
        // "Anuluj" reads the file back.
        auto okno = Okno();
        usunPierwsze(*okno);
        okno->btnAnuluj()->click();
        EXPECT_EQ(gra_.Losowania.size(), 5u);
        EXPECT_EQ(gra_.Losowania[0].Data, DniZDaty({2001, 5, 12}));
        EXPECT_EQ(CzytajPlik(gra_.Plik), plik);
    }
    {
        // "OK" writes the list.
        auto okno = Okno();
        usunPierwsze(*okno);
        okno->btnOK()->click();
        EXPECT_EQ(okno->result(), QDialog::Accepted);
        const auto zapisana = WczytajPlikGry(gra_.Plik);
        ASSERT_TRUE(zapisana);
        ASSERT_EQ(zapisana->Losowania.size(), 4u);
        EXPECT_EQ(zapisana->Losowania[0].Data, DniZDaty({2001, 5, 15}));
    }
}

TEST_F(TfrmLosowaniaTest, NieudanyZapisZostawiaOknoPlikIListe)
{
    const std::string plik = CzytajPlik(gra_.Plik);
    auto okno = Okno();
    okno->Grid1()->selectRow(0);
    {
        TOdpowiedzi tak({TOdpowiedzi::Przycisk("btnTak")});
        okno->btnUsun()->click();
    }
    // The new file cannot be written whole, as on a full disk.
    TOdpowiedzi blad({TOdpowiedzi::Przycisk("btnOK")});
    {
        const testy::TLimitZapisu pelnyDysk(DlugoscNaglowkaGry);
        okno->btnOK()->click();
    }
    EXPECT_EQ(blad.Teksty(), QStringList{QStringLiteral("Błąd zapisu !")});
    EXPECT_TRUE(okno->isVisible());
    EXPECT_TRUE(okno->Zmieniono());
    EXPECT_EQ(gra_.Losowania.size(), 4u);
    EXPECT_EQ(CzytajPlik(gra_.Plik), plik);
}

TEST_F(TfrmLosowaniaTest, EksportPytaPrzedNadpisaniem)
{
    auto okno = Okno();
    const QString cel = QString::fromStdString(katalog_.Plik("lista.txt"));
    {
        TOdpowiedzi bezPytania({TOdpowiedzi::Odrzuc()});
        okno->EksportujDo(cel);
        QCoreApplication::processEvents();
        EXPECT_EQ(bezPytania.Obsluzonych(), 0);
    }
    const std::string zapisany = CzytajPlik(cel.toStdString());
    EXPECT_TRUE(zapisany.starts_with("Lotto 6 z 49\r\n\r\n1. 12.05.2001 3,11,17,25,36,42\r\n"));

    testy::ZapiszPlik(cel.toStdString(), "inny");
    TOdpowiedzi nie({TOdpowiedzi::Przycisk("btnNie")});
    okno->EksportujDo(cel);
    EXPECT_EQ(nie.Teksty(), QStringList{QStringLiteral("Taki plik już istnieje !\nCzy chcesz go nadpisać ?")});
    EXPECT_EQ(CzytajPlik(cel.toStdString()), "inny");
    TOdpowiedzi tak({TOdpowiedzi::Przycisk("btnTak")});
    okno->EksportujDo(cel);
    EXPECT_EQ(CzytajPlik(cel.toStdString()), zapisany);
}

TEST_F(TfrmLosowaniaTest, PolecenieGlownegoOknaEdytujeKatalog)
{
    // Without any game there is nothing to edit, and the command says so.
    {
        TKatalogTymczasowy pusty;
        TfrmGlowne glowne(QString::fromStdString(pusty.Sciezka().string()));
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        glowne.Akcje().Akcja(TPolecenie::Losowania)->trigger();
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Baza losowań jest pusta !")});
    }
    TfrmGlowne glowne(QString::fromStdString(katalog_.Sciezka().string()));
    QAction* losowania = glowne.Akcje().Akcja(TPolecenie::Losowania);
    ASSERT_TRUE(losowania->isEnabled());
    const std::string plik = CzytajPlik(gra_.Plik);
    TOdpowiedzi odpowiedzi({
        [](QWidget* w) {
            auto* wybor = qobject_cast<TfrmWyborBazy*>(w);
            ASSERT_NE(wybor, nullptr);
            EXPECT_EQ(wybor->windowTitle(), QStringLiteral("Dopisywanie losowań"));
            ASSERT_EQ(wybor->lbGry()->count(), 1);
            EXPECT_EQ(wybor->lbGry()->currentRow(), 0);
            wybor->btnOK()->click();
        },
        [](QWidget* w) {
            auto* okno = qobject_cast<TfrmLosowania*>(w);
            ASSERT_NE(okno, nullptr);
            okno->Grid1()->selectRow(4);
            okno->btnUsun()->click(); // answered by the next turn
            okno->close();
        },
        TOdpowiedzi::Przycisk("btnTak"),
    });
    losowania->trigger();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 3);
    // The catalogue the main window owns holds the edit; the file does not.
    EXPECT_EQ(glowne.Katalog().Gra(0).Losowania.size(), 4u);
    EXPECT_EQ(CzytajPlik(gra_.Plik), plik);
}

} // namespace
} // namespace tarvomund
