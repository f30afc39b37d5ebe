#include "group/TfrmGrupa00.h"

#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmNowy.h"
#include "group/OknaGrupy.h"
#include "group/TfrmGrupa01.h"
#include "group/TfrmGrupa03.h"
#include "group/TfrmGrupa04.h"
#include "group/TfrmGrupa07.h"
#include "model/PlikGry.h"
#include "wspolne/GrupyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"
#include "PomocnikiUI.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzytajPlik;
using testy::GraGrupy;
using testy::Grupa;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;
using testy::ZapiszPlik;

QString Komorka(const QTableWidget* siatka, int wiersz, int kolumna)
{
    const QTableWidgetItem* komorka = siatka->item(wiersz, kolumna);
    return komorka ? komorka->text() : QString();
}

QStringList Kolumna(const QTableWidget* siatka, int kolumna)
{
    QStringList teksty;
    for (int w = 0; w < siatka->rowCount(); ++w)
        teksty << Komorka(siatka, w, kolumna);
    return teksty;
}

QStringList Sumy(const TfrmGrupa00& okno)
{
    return {Komorka(okno.Sumy(), 0, 3), Komorka(okno.Sumy(), 0, 4), Komorka(okno.Sumy(), 0, 5)};
}

// Fills the game dialog and confirms it.
TOdpowiedzi::TAkcja WpiszGre(QDate data, int gra, double koszt, double wygrana)
{
    return [=](QWidget* w) {
        auto* dialog = qobject_cast<TfrmGrupa03*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->DateEdit1()->setDate(data);
        dialog->ComboBox1()->setCurrentIndex(gra);
        dialog->SpinKoszt()->setValue(koszt);
        dialog->SpinWygrana()->setValue(wygrana);
        TOdpowiedzi::Przycisk("btnOK")(w);
    };
}

class TfrmGrupa00Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        for (const char* nazwa : {"Duży Lotek", "Keno", "Multi"}) {
            TObGraLista gra;
            gra.Nazwa = nazwa;
            katalog_.Dodaj(gra);
        }
    }

    fs::path Dane() const { return tymczasowy_.Sciezka() / "Dane"; }
    QString Plik(const char* nazwa) const { return QString::fromStdString((Dane() / nazwa).string()); }

    std::unique_ptr<TfrmGrupa00> Okno()
    {
        auto okno = std::make_unique<TfrmGrupa00>(katalog_, QString::fromStdString(Dane().string()));
        okno->UstawDodawanieOkien([this](QWidget* w) { rozliczenia_.emplace_back(w); });
        okno->resize(700, 450);
        okno->show();
        return okno;
    }

    std::unique_ptr<TfrmGrupa00> Otwarta(const QString& plik, const TGrupa& grupa)
    {
        EXPECT_TRUE(ZapiszGrupe(plik.toStdString(), grupa));
        auto okno = Okno();
        EXPECT_TRUE(okno->Otworz(plik));
        return okno;
    }

    TKatalogTymczasowy tymczasowy_;
    TKatalogGier katalog_;
    std::vector<std::unique_ptr<QWidget>> rozliczenia_;
};

TEST_F(TfrmGrupa00Test, NowaGrupaDodanieGryIZapis)
{
    auto okno = Okno();
    ASSERT_TRUE(okno->UtworzNowa(7));
    const QString tymczasowy = Plik("7.$$$");
    EXPECT_EQ(okno->PlikGrupy(), tymczasowy);
    EXPECT_EQ(CzytajPlik(tymczasowy.toStdString()), std::string(1555, '\0'));
    EXPECT_TRUE(okno->Nowa());
    EXPECT_FALSE(okno->Zapisana());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Rozliczenie gry grupowej"));
    // A group without games: ten empty rows, zero totals, only "Dodaj" usable.
    EXPECT_EQ(okno->Grid1()->rowCount(), 10);
    EXPECT_EQ(Kolumna(okno->Grid1(), 0), QStringList(10, QString()));
    EXPECT_EQ(Sumy(*okno), QStringList(3, QStringLiteral("       0,00")));
    EXPECT_TRUE(okno->BtnDodaj()->isEnabled());
    for (QToolButton* b : {okno->BtnUsun(), okno->BtnPopraw(), okno->BtnUczestnicy()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    QStringList naglowki;
    for (int k = 0; k < okno->Grid1()->columnCount(); ++k)
        naglowki << okno->Grid1()->horizontalHeaderItem(k)->text();
    EXPECT_EQ(naglowki, (QStringList{QStringLiteral("L.p."), QStringLiteral("Data"), QStringLiteral("Nazwa gry"),
                                     QStringLiteral("Koszty"), QStringLiteral("Wygrana"), QStringLiteral("Bilans")}));

    {
        // The dialog starts on today and the first game.
        QDate data;
        QString gra;
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<TfrmGrupa03*>(w);
            ASSERT_NE(dialog, nullptr);
            data = dialog->DateEdit1()->date();
            gra = dialog->ComboBox1()->currentText();
            WpiszGre(QDate(2001, 5, 12), 1, 1234.5, 10000)(w);
        }});
        okno->BtnDodaj()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(data, QDate::currentDate());
        EXPECT_EQ(gra, QStringLiteral("Duży Lotek"));
    }
    EXPECT_EQ(fs::file_size(tymczasowy.toStdString()), 1555u + 1309u);
    EXPECT_EQ(okno->Grid1()->rowCount(), 10);
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 0), QStringLiteral("1"));
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 1), QStringLiteral("So 12.05.2001"));
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 2), QStringLiteral("Keno"));
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 3), QStringLiteral("    1234,50"));
    EXPECT_EQ(Komorka(okno->Grid1(), 0, 5), QStringLiteral("    8765,50"));
    EXPECT_EQ(Sumy(*okno), (QStringList{QStringLiteral("    1234,50"), QStringLiteral("   10000,00"),
                                        QStringLiteral("    8765,50")}));
    EXPECT_TRUE(okno->BtnUsun()->isEnabled());
    EXPECT_FALSE(okno->Zapisana()); // a change does not count as saving

    {
        // An unsaved group asks before closing; "Nie" keeps it open.
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
        EXPECT_FALSE(okno->close());
        EXPECT_EQ(odpowiedzi.Teksty(),
                  QStringList{QStringLiteral("Grupa nie została zapisana !\nCzy chcesz zamknnąć grupę bez zapisu ?")});
    }
    {
        // Save asks for a name in Dane, for "*.gr2", proposing none.
        QStringList filtry;
        QString katalog;
        QStringList proponowane;
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            filtry = dialog->nameFilters();
            katalog = dialog->directory().absolutePath();
            EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("gr2"));
            dialog->reject();
        }});
        okno->Zapisz();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(filtry, QStringList{QStringLiteral("Grupy (*.gr2)")});
        EXPECT_EQ(katalog, QString::fromStdString(Dane().string()));
        EXPECT_TRUE(okno->Nowa());
    }

    // Saving over an existing file answered "Nie" leaves everything as it was.
    const QString cel = Plik("syndykat.gr2");
    ZapiszPlik(cel.toStdString(), "stary");
    const std::string zawartosc = CzytajPlik(tymczasowy.toStdString());
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
        okno->ZapiszDo(cel);
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Taki plik już istnieje !\nCzy chcesz go nadpisać ?")});
    }
    EXPECT_TRUE(okno->Nowa());
    EXPECT_FALSE(okno->Zapisana());
    EXPECT_EQ(CzytajPlik(cel.toStdString()), "stary");
    EXPECT_EQ(okno->PlikGrupy(), tymczasowy);

    // "Tak": the temporary file becomes the group file.
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
        okno->ZapiszDo(cel);
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(CzytajPlik(cel.toStdString()), zawartosc);
    EXPECT_FALSE(fs::exists(tymczasowy.toStdString()));
    EXPECT_EQ(okno->PlikGrupy(), cel);
    EXPECT_EQ(okno->OstatniaNazwa(), cel);
    EXPECT_FALSE(okno->Nowa());
    EXPECT_TRUE(okno->Zapisana());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Rozliczenie gry grupowej - syndykat.gr2"));

    // Later changes go straight into the file; Save has nothing left to do and closing asks nothing.
    {
        TOdpowiedzi odpowiedzi({WpiszGre(QDate(2001, 5, 14), 0, 10, 0)});
        okno->Dodaj();
    }
    EXPECT_EQ(fs::file_size(cel.toStdString()), 1555u + 2 * 1309u);
    TOdpowiedzi nic({TOdpowiedzi::Odrzuc()});
    okno->Zapisz();
    EXPECT_TRUE(okno->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(nic.Obsluzonych(), 0);
}

TEST_F(TfrmGrupa00Test, ZapiszJakoOtwartejGrupyZostawiaPraceNaOtwartymPliku)
{
    const QString otwarty = Plik("otwarta.gr2");
    auto okno = Otwarta(otwarty, Grupa({"Ala"}, {GraGrupy(37023, "Keno", 5, 0, {{0, 100}})}));
    EXPECT_FALSE(okno->Nowa());
    EXPECT_TRUE(okno->Zapisana());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Rozliczenie gry grupowej - otwarta.gr2"));
    const std::string przed = CzytajPlik(otwarty.toStdString());

    const QString kopia = Plik("kopia.gr2");
    okno->ZapiszJakoDo(kopia);
    EXPECT_EQ(CzytajPlik(kopia.toStdString()), przed);
    EXPECT_EQ(okno->OstatniaNazwa(), kopia);
    EXPECT_EQ(okno->PlikGrupy(), otwarty);
    {
        // Save as proposes the name last chosen.
        QStringList wybrane;
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            wybrane = dialog->selectedFiles();
            dialog->reject();
        }});
        okno->ZapiszJako();
        EXPECT_EQ(wybrane, QStringList{kopia});
    }

    // A further game reaches the opened file, not the copy.
    {
        TOdpowiedzi odpowiedzi({WpiszGre(QDate(2001, 5, 13), 2, 7, 1)});
        okno->Dodaj();
    }
    EXPECT_EQ(CzytajPlik(kopia.toStdString()), przed);
    EXPECT_EQ(fs::file_size(otwarty.toStdString()), przed.size() + 1309);

    // Save as onto the group's own file changes nothing and loses nothing.
    const std::string teraz = CzytajPlik(otwarty.toStdString());
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
        okno->ZapiszJakoDo(otwarty);
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    }
    EXPECT_EQ(CzytajPlik(otwarty.toStdString()), teraz);
}

TEST_F(TfrmGrupa00Test, ZapiszJakoNowejGrupyPrzenosiJaPodNazwe)
{
    auto okno = Okno();
    ASSERT_TRUE(okno->UtworzNowa(3));
    const QString cel = Plik("nowa.gr2");
    okno->ZapiszJakoDo(cel);
    EXPECT_FALSE(okno->Nowa());
    EXPECT_TRUE(okno->Zapisana());
    EXPECT_EQ(okno->PlikGrupy(), cel);
    // A game added afterwards is in the saved file, which closing without a question keeps.
    {
        TOdpowiedzi odpowiedzi({WpiszGre(QDate(2001, 5, 13), 0, 1, 0)});
        okno->Dodaj();
    }
    EXPECT_EQ(fs::file_size(cel.toStdString()), 1555u + 1309u);
    EXPECT_TRUE(okno->close());
}

TEST_F(TfrmGrupa00Test, UsuwanieIPoprawianieGry)
{
    TGrupa grupa = Grupa({"Ala", "Olek"});
    for (int i = 1; i <= 5; ++i)
        grupa.Gry.push_back(GraGrupy(37022 + i, std::string("Gra ").append(std::to_string(i)), i, 0, {{1, 100}}));
    const QString plik = Plik("piec.gr2");
    auto okno = Otwarta(plik, grupa);
    EXPECT_EQ(okno->Grid1()->rowCount(), 10);

    okno->Grid1()->selectRow(1);
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
        okno->BtnUsun()->click();
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Czy chcesz usunąć zaznaczoną pozycję ?")});
    }
    EXPECT_EQ(fs::file_size(plik.toStdString()), 1555u + 5 * 1309u);
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
        okno->BtnUsun()->click();
    }
    EXPECT_EQ(fs::file_size(plik.toStdString()), 1555u + 4 * 1309u);
    EXPECT_EQ(Kolumna(okno->Grid1(), 2).mid(0, 5),
              (QStringList{QStringLiteral("Gra 1"), QStringLiteral("Gra 5"), QStringLiteral("Gra 3"),
                           QStringLiteral("Gra 4"), QString()}));
    EXPECT_EQ(Kolumna(okno->Grid1(), 0).mid(0, 4),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));

    // Editing the second row: the dialog shows its values, and its participants stay.
    okno->Grid1()->selectRow(1);
    double koszt = 0;
    {
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<TfrmGrupa03*>(w);
            ASSERT_NE(dialog, nullptr);
            koszt = dialog->SpinKoszt()->value();
            EXPECT_EQ(dialog->DateEdit1()->date(), QDate(2001, 5, 16));
            WpiszGre(QDate(2001, 6, 1), 2, 99.99, 5)(w);
        }});
        okno->BtnPopraw()->click();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(koszt, 5);
    const auto po = CzytajGrupe(plik.toStdString());
    ASSERT_TRUE(po);
    EXPECT_EQ(po->Gry[1].NazwaGry, "Multi");
    EXPECT_EQ(po->Gry[1].Koszt.Wartosc(), 99.99);
    EXPECT_TRUE(po->Gry[1].Uczestnicy[1].Gra);
    EXPECT_EQ(Komorka(okno->Grid1(), 1, 1), QStringLiteral("Pt 01.06.2001"));
    EXPECT_EQ(okno->Grid1()->currentRow(), 1);

    // Printed: the caption, the headings, one line per game and the totals.
    const QStringList wydruk = okno->WierszeWydruku();
    ASSERT_EQ(wydruk.size(), 4 + 4 + 2);
    EXPECT_EQ(wydruk[0], okno->windowTitle());
    EXPECT_TRUE(wydruk[5].startsWith(QStringLiteral("    2.Pt 01.06.2001  Multi ")));
    QPdfWriter pdf(QString::fromStdString((tymczasowy_.Sciezka() / "lista.pdf").string()));
    EXPECT_EQ(okno->DrukujNa(pdf), 1);
}

TEST_F(TfrmGrupa00Test, UczestnicyIRozliczenia)
{
    const QString plik = Plik("grajacy.gr2");
    auto okno = Otwarta(plik, Grupa({"Ala", "Bartek", "Celina"},
                                    {GraGrupy(37023, "Keno", 90, 300, {{0, 0}, {1, 0}, {2, 0}}),
                                     GraGrupy(37024, "Keno", 10, 0, {{1, 100}})}));
    const std::string przed = CzytajPlik(plik.toStdString());

    // Dropping the shares dialog writes nothing.
    {
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* dialog = qobject_cast<TfrmGrupa04*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->PodzielRowno();
            dialog->reject();
        }});
        okno->ListaUczestnikow();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(CzytajPlik(plik.toStdString()), przed);

    // "OK" writes the names and the game at once.
    okno->Grid1()->selectRow(0);
    {
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* dialog = qobject_cast<TfrmGrupa04*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Udziały, koszty i zyski - Keno - So 12.05.2001"));
            dialog->PodzielRowno();
            TOdpowiedzi::Przycisk("btnOK")(w);
        }});
        okno->ListaUczestnikow();
    }
    const auto grupa = CzytajGrupe(plik.toStdString());
    ASSERT_TRUE(grupa);
    EXPECT_EQ(grupa->Gry[0].Uczestnicy[2].Udzial.Wartosc(), 100.0 / 3);
    EXPECT_EQ(CzytajPlik(plik.toStdString()).substr(1555 + 1309), przed.substr(1555 + 1309));

    // The settlement of everybody: rows by game and place, as the window shows them.
    okno->RozliczWszystkich();
    ASSERT_EQ(rozliczenia_.size(), 1u);
    auto* wszyscy = dynamic_cast<TfrmGrupa01*>(rozliczenia_.back().get());
    ASSERT_NE(wszyscy, nullptr);
    EXPECT_EQ(wszyscy->windowTitle(), QStringLiteral("Rozliczenie wszystkich grających"));
    EXPECT_EQ(Kolumna(wszyscy->Grid1(), 2), (QStringList{QStringLiteral("Ala"), QStringLiteral("Bartek"),
                                                          QStringLiteral("Celina"), QStringLiteral("Bartek")}));
    EXPECT_EQ(Komorka(wszyscy->Grid1(), 0, 3), QStringLiteral("      30,00"));
    EXPECT_EQ(Komorka(wszyscy->Grid1(), 0, 4), QStringLiteral(" 33,33"));
    EXPECT_EQ(Komorka(wszyscy->Grid1(), 0, 6), QStringLiteral("+      70,00"));
    EXPECT_EQ(Komorka(wszyscy->Sumy(), 0, 3), QStringLiteral("     100,00"));
    EXPECT_EQ(Komorka(wszyscy->Sumy(), 0, 6), QStringLiteral("+     200,00"));

    // One chosen participant: the dialog lists the names in place order, the first chosen.
    QStringList nazwiska;
    {
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<TfrmGrupa07*>(w);
            ASSERT_NE(dialog, nullptr);
            for (int i = 0; i < dialog->ListBox1()->count(); ++i)
                nazwiska << dialog->ListBox1()->item(i)->text();
            EXPECT_EQ(dialog->ListBox1()->currentRow(), 0);
            dialog->ListBox1()->setCurrentRow(1);
            TOdpowiedzi::Przycisk("btnOk")(w);
        }});
        okno->RozliczGracza();
    }
    EXPECT_EQ(nazwiska, (QStringList{QStringLiteral("Ala"), QStringLiteral("Bartek"), QStringLiteral("Celina")}));
    ASSERT_EQ(rozliczenia_.size(), 2u);
    auto* jeden = dynamic_cast<TfrmGrupa01*>(rozliczenia_.back().get());
    ASSERT_NE(jeden, nullptr);
    EXPECT_EQ(jeden->windowTitle(), QStringLiteral("Rozliczenie wyznaczonego gracza"));
    EXPECT_EQ(Kolumna(jeden->Grid1(), 3), (QStringList{QStringLiteral("      30,00"), QStringLiteral("      10,00")}));
    EXPECT_EQ(Komorka(jeden->Sumy(), 0, 6), QStringLiteral("+      60,00"));
}

TEST_F(TfrmGrupa00Test, GrupaBezNazwiskNieOtwieraRozliczeniaGracza)
{
    auto okno = Otwarta(Plik("bez.gr2"), Grupa({}, {GraGrupy(37023, "Keno", 1, 0)}));
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
    okno->RozliczGracza();
    QCoreApplication::processEvents();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    EXPECT_TRUE(rozliczenia_.empty());
}

TEST_F(TfrmGrupa00Test, PlikNieDoOdczytuLubZapisu)
{
    const QString zly = Plik("zly.gr2");
    std::string dane = ZbudujGrupe(Grupa({"Ala"}, {GraGrupy(37023, "Keno", 1, 0)}));
    for (const auto& [opis, zepsuty] :
         {std::pair{"za krótki", dane.substr(0, 1554)}, std::pair{"licznik za plikiem", dane.substr(0, 1555 + 1000)},
          std::pair{"nazwisko ponad pole", std::string(dane).replace(5, 1, 1, '\x1F')}}) {
        SCOPED_TRACE(opis);
        ZapiszPlik(zly.toStdString(), zepsuty);
        auto okno = Okno();
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_FALSE(okno->Otworz(zly));
        EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Błąd odczytu pliku ") + zly});
        EXPECT_EQ(CzytajPlik(zly.toStdString()), zepsuty);
    }

    // The temporary file of a new group cannot be created.
    fs::remove_all(Dane());
    auto okno = Okno();
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
    EXPECT_FALSE(okno->UtworzNowa(5));
    EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Błąd zapisu pliku ") + Plik("5.$$$")});
}

// The main window: New on the "Grupa graczy" tab, Open of a ".gr2" file, and the commands each
// group window enables.
TEST_F(TfrmGrupa00Test, OknoGlowneTworzyIOtwieraGrupy)
{
    const std::string plik = (Dane() / "klub.gr2").string();
    ASSERT_TRUE(ZapiszGrupe(plik, Grupa({"Ala"}, {GraGrupy(37023, "Keno", 4, 8, {{0, 100}})})));
    TfrmGlowne glowne(QString::fromStdString(tymczasowy_.Sciezka().string()));
    glowne.resize(1000, 700);
    glowne.show();
    {
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* nowy = qobject_cast<TfrmNowy*>(w);
            ASSERT_NE(nowy, nullptr);
            nowy->UstawZakladke(TfrmNowy::TZakladka::GrupaGraczy);
            nowy->Lista(TfrmNowy::TZakladka::GrupaGraczy)->setCurrentRow(0);
            nowy->PrzyciskOK()->click();
        }});
        glowne.Akcje().Akcja(P::Nowy)->trigger();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    auto* nowa = dynamic_cast<TfrmGrupa00*>(glowne.AktywneOkno());
    ASSERT_NE(nowa, nullptr);
    EXPECT_EQ(nowa->PlikGrupy(), QString::fromStdString((Dane() / "1.$$$").string()));
    EXPECT_TRUE(fs::exists(Dane() / "1.$$$"));
    for (P p : {P::Nowy, P::Wczytaj, P::Zapisz, P::ZapiszJako, P::Drukuj})
        EXPECT_TRUE(glowne.Akcje().Akcja(p)->isEnabled()) << static_cast<int>(p);
    for (P p : {P::Filtry, P::Start, P::SzukajWSystemie})
        EXPECT_FALSE(glowne.Akcje().Akcja(p)->isEnabled()) << static_cast<int>(p);

    glowne.OtworzPlik(QString::fromStdString(plik));
    auto* otwarta = dynamic_cast<TfrmGrupa00*>(glowne.AktywneOkno());
    ASSERT_NE(otwarta, nullptr);
    EXPECT_NE(otwarta, nowa);
    EXPECT_EQ(Komorka(otwarta->Grid1(), 0, 2), QStringLiteral("Keno"));

    // Print of the active group window shows its pages in the print preview first.
    {
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(w), nullptr);
            TOdpowiedzi::Odrzuc()(w);
        }});
        glowne.Akcje().Akcja(P::Drukuj)->trigger();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }

    // The settlement opens as a document window of its own kind.
    otwarta->RozliczWszystkich();
    auto* rozliczenie = dynamic_cast<TfrmGrupa01*>(glowne.AktywneOkno());
    ASSERT_NE(rozliczenie, nullptr);
    EXPECT_EQ(glowne.Obszar()->subWindowList().size(), 3);
    EXPECT_TRUE(glowne.Akcje().Akcja(P::Drukuj)->isEnabled());
    EXPECT_FALSE(glowne.Akcje().Akcja(P::Zapisz)->isEnabled());

    // A damaged file opens nothing.
    ZapiszPlik((Dane() / "zly.gr2").string(), "krotki");
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        glowne.OtworzPlik(QString::fromStdString((Dane() / "zly.gr2").string()));
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(glowne.Obszar()->subWindowList().size(), 3);

    // "Koniec" asks about the unsaved group before closing anything: "Nie" keeps every window.
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie"), TOdpowiedzi::Przycisk("btnNie")});
        EXPECT_FALSE(glowne.close());
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(glowne.Obszar()->subWindowList().size(), 3);

    // Closing everything asks about the unsaved new group only; "Nie" keeps it.
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
        glowne.ZamknijWszystkie();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    ASSERT_EQ(glowne.Obszar()->subWindowList().size(), 1);
    EXPECT_EQ(glowne.Obszar()->subWindowList().constFirst()->widget(), nowa);
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
    EXPECT_TRUE(glowne.close());
}

} // namespace
} // namespace tarvomund
