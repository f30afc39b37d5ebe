#include "draws/TPoleceniaGier.h"

#include "TKolejkaOkien.h"
#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "app/TfrmKomunikat.h"
#include "app/TfrmNowy.h"
#include "draws/TfrmGraPilkarska.h"
#include "draws/TfrmKorektaGry.h"
#include "draws/TfrmNowaGra.h"
#include "model/PlikGry.h"
#include "slips/PlikBlankietu.h"
#include "slips/TfrmDodajDr.h"
#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::TKatalogTymczasowy;
using testy::TKolejkaOkien;
using testy::ZapiszBlankietTestowy;

QString U(const char* tekst)
{
    return QString::fromUtf8(tekst);
}

QStringList Teksty(const QMenu* menu)
{
    QStringList teksty;
    for (const QAction* akcja : menu->actions())
        if (!akcja->isSeparator() && akcja->data().isValid())
            teksty << akcja->text();
    return teksty;
}

class TPoleceniaGierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        DodajGre("lotto.pl2", 1, "Lotto 6 z 49", {49, 13});
        DodajGre("toto.pl2", 1500, "Toto", {});
        DodajGre("zet.pl2", 2, "Zet 5 z 42", {});
        okno_ = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        okno_->show();
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }

    void DodajGre(const std::string& plik, int32_t id, const std::string& nazwa, std::vector<uint8_t> liczby)
    {
        TObGraLista gra;
        gra.Id = id;
        gra.KodGry = id;
        gra.Nazwa = nazwa;
        gra.Plik = (Dane() / plik).string();
        gra.MinSkreslen = 6;
        gra.MaxSkreslen = 12;
        gra.NormSkreslen = 6;
        gra.IleLiczb = 49;
        gra.IleLosowanych = static_cast<int32_t>(std::max<std::size_t>(liczby.size(), 1));
        if (!liczby.empty()) {
            TObLos los;
            los.Data = 40000;
            std::copy(liczby.begin(), liczby.end(), los.Liczby.begin());
            gra.Losowania = {los};
        }
        ASSERT_TRUE(UtworzPlikGry(gra));
    }

    // Every per-game menu of the main window, as its entries read.
    std::vector<QStringList> MenuGier() const
    {
        const TAkcjeGlowne& a = okno_->Akcje();
        return {Teksty(a.MenuSzukajLosowan()),          Teksty(a.MenuSzukajLiczb()),
                Teksty(a.PrzyciskStatystyki()->menu()), Teksty(a.PrzyciskLosowan()->menu()),
                Teksty(a.PrzyciskLiczb()->menu())};
    }

    TKatalogTymczasowy katalog_;
    std::unique_ptr<TfrmGlowne> okno_;
};

TEST_F(TPoleceniaGierTest, NowaGraZOknaNowyOdRazuWKataloguIMenu)
{
    TKolejkaOkien kolejka;
    kolejka
        .Potem<TfrmNowy>([](TfrmNowy* nowy) {
            nowy->UstawZakladke(TfrmNowy::TZakladka::NowaGra);
            nowy->Lista(TfrmNowy::TZakladka::NowaGra)->setCurrentRow(0);
            nowy->PrzyciskOK()->click();
        })
        .Potem<TfrmNowaGra>([](TfrmNowaGra* gra) {
            gra->edNazwa()->setText(QStringLiteral("Lotto 7 z 35"));
            gra->spLiczb()->setValue(35);
            gra->spLosowanych()->setValue(7);
            gra->spMin()->setValue(7);
            gra->spMax()->setValue(10);
            gra->spNorm()->setValue(7);
            gra->spPoziomo()->setValue(7);
            gra->spPionowo()->setValue(5);
            gra->btnOK()->click();
        });
    okno_->Akcje().Akcja(P::Nowy)->trigger();
    ASSERT_EQ(kolejka.Wykonanych(), 2);

    // Its file, with an identity no other game has.
    const std::optional<TObGraLista> zPliku = WczytajPlikGry((Dane() / "lotto-7-z-35.pl2").string());
    ASSERT_TRUE(zPliku);
    EXPECT_EQ(zPliku->Id, 3);
    EXPECT_EQ(zPliku->KodGry, 3);
    EXPECT_EQ(zPliku->IleLiczb, 35);
    EXPECT_EQ(zPliku->IleLosowanych, 7);
    EXPECT_EQ(zPliku->IlePoziomo, 7);

    // The catalogue holds it where the next start would put it ("lotto-7-z-35.pl2" sorts before
    // "lotto.pl2"), and every game menu lists it.
    const TKatalogGier& katalog = okno_->Katalog();
    ASSERT_EQ(katalog.Ile(), 4u);
    EXPECT_EQ(katalog.Gra(0).Nazwa, "Lotto 7 z 35");
    const QStringList oczekiwane{QStringLiteral("Lotto 7 z 35"), QStringLiteral("Lotto 6 z 49"),
                                 QStringLiteral("Zet 5 z 42")};
    for (const QStringList& menu : MenuGier())
        EXPECT_EQ(menu, oczekiwane);
    // The tags follow the catalogue: the games after the new one moved a place on.
    const QList<QAction*> wpisy = okno_->Akcje().MenuSzukajLiczb()->actions();
    EXPECT_EQ(wpisy[0]->data().toInt(), 0);
    EXPECT_EQ(wpisy[1]->data().toInt(), 1);
    EXPECT_EQ(wpisy[2]->data().toInt(), 3);

    // The New dialog offers a system for it at once.
    TfrmNowy nowy(katalog, {});
    const QListWidget* liczbowe = nowy.Lista(TfrmNowy::TZakladka::SystemyLiczbowe);
    ASSERT_EQ(liczbowe->count(), 3);
    EXPECT_EQ(liczbowe->item(0)->text(), QStringLiteral("Lotto 7 z 35"));
    EXPECT_EQ(liczbowe->item(0)->data(Qt::UserRole).toULongLong(), 0u);
}

TEST_F(TPoleceniaGierTest, AnulowanaNowaGraNicNieZapisuje)
{
    TKolejkaOkien kolejka;
    kolejka.Potem<TfrmNowaGra>([](TfrmNowaGra* gra) {
        gra->edNazwa()->setText(QStringLiteral("Niedoszła"));
        gra->btnAnuluj()->click();
    });
    EXPECT_EQ(okno_->PoleceniaGier().NowaGra(), std::nullopt);
    EXPECT_EQ(okno_->Katalog().Ile(), 3u);
    EXPECT_FALSE(fs::exists(Dane() / "niedoszla.pl2"));
}

TEST_F(TPoleceniaGierTest, BlankietyNowejGryDostajaJejKod)
{
    ZapiszBlankietTestowy((Dane() / "lotto7.bln").string(), "Lotto 7", -1);
    TKolejkaOkien kolejka;
    kolejka
        .Potem<TfrmNowaGra>([](TfrmNowaGra* gra) {
            gra->edNazwa()->setText(QStringLiteral("Siódemka"));
            gra->btnBlankiety()->click();
            gra->btnOK()->click();
        })
        .Potem<TfrmDodajDr>([](TfrmDodajDr* dodaj) {
            dodaj->CLB1()->item(0)->setCheckState(Qt::Checked);
            dodaj->btnOK()->click();
        });
    const std::optional<std::size_t> indeks = okno_->PoleceniaGier().NowaGra();
    ASSERT_TRUE(indeks);
    const int32_t kod = okno_->Katalog().Gra(*indeks).KodGry;
    EXPECT_EQ(CzytajNaglowekBlankietu((Dane() / "lotto7.bln").string())->KodGry, kod);
    EXPECT_EQ(ListaBlankietow(Dane().string(), kod).size(), 1u);
}

TEST_F(TPoleceniaGierTest, KorektaPrzepisujeNaglowekIMenu)
{
    const std::string plik = (Dane() / "zet.pl2").string();
    const std::string przed = testy::CzytajPlik(plik);
    QStringList gry;
    TKolejkaOkien kolejka;
    kolejka
        .Potem<TfrmKorektaGry>([&gry](TfrmKorektaGry* wybor) {
            for (int i = 0; i < wybor->Lista()->count(); ++i)
                gry << wybor->Lista()->item(i)->text();
            EXPECT_EQ(wybor->Lista()->currentRow(), 0);
            wybor->Lista()->setCurrentRow(2);
            wybor->btnPopraw()->click();
        })
        .Potem<TfrmNowaGra>([](TfrmNowaGra* gra) {
            EXPECT_EQ(gra->edNazwa()->text(), QStringLiteral("Zet 5 z 42"));
            EXPECT_FALSE(gra->spLosowanych()->isEnabled());
            gra->edNazwa()->setText(QStringLiteral("Zet 1 z 40"));
            gra->spLiczb()->setValue(40);
            gra->spMax()->setValue(8);
            gra->btnOK()->click();
        });
    okno_->Akcje().Akcja(P::ZmianaParametrowGry)->trigger();
    ASSERT_EQ(kolejka.Wykonanych(), 2);
    // Every game, pool games too, then the pool entry.
    EXPECT_EQ(gry, (QStringList{QStringLiteral("Lotto 6 z 49"), QStringLiteral("Toto"), QStringLiteral("Zet 5 z 42"),
                                U("System piłkarski")}));

    const TObGraLista& gra = okno_->Katalog().Gra(2);
    EXPECT_EQ(gra.Nazwa, "Zet 1 z 40");
    EXPECT_EQ(gra.IleLiczb, 40);
    EXPECT_EQ(gra.MaxSkreslen, 8);
    const std::optional<TObGraLista> zPliku = WczytajPlikGry(plik);
    ASSERT_TRUE(zPliku);
    EXPECT_EQ(zPliku->Nazwa, "Zet 1 z 40");
    EXPECT_EQ(zPliku->IleLiczb, 40);
    EXPECT_EQ(zPliku->MaxSkreslen, 8);
    // Identity, count, pool flag and the draws keep their bytes.
    const std::string po = testy::CzytajPlik(plik);
    EXPECT_EQ(po.substr(0, 12), przed.substr(0, 12));
    EXPECT_EQ(po.substr(97), przed.substr(97));
    for (const QStringList& menu : MenuGier())
        EXPECT_TRUE(menu.contains(QStringLiteral("Zet 1 z 40")));
}

TEST_F(TPoleceniaGierTest, KorektaPonizejLiczbZHistoriiOdrzucona)
{
    const std::string przed = testy::CzytajPlik((Dane() / "lotto.pl2").string());
    QString komunikat;
    TKolejkaOkien kolejka;
    kolejka
        .Potem<TfrmKorektaGry>([](TfrmKorektaGry* wybor) { wybor->btnPopraw()->click(); })
        .Potem<TfrmNowaGra>([](TfrmNowaGra* gra) {
            gra->spLiczb()->setValue(48);
            gra->btnOK()->click();
            EXPECT_TRUE(gra->isVisible());
            gra->btnAnuluj()->click();
        })
        .Potem<TfrmKomunikat>([&komunikat](TfrmKomunikat* k) {
            komunikat = k->findChild<QLabel*>(QStringLiteral("lblTekst"))->text();
            k->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    okno_->PoleceniaGier().ZmianaParametrow();
    EXPECT_EQ(kolejka.Wykonanych(), 3);
    EXPECT_TRUE(komunikat.startsWith(U("W losowaniach tej gry jest liczba 49 !")));
    EXPECT_EQ(okno_->Katalog().Gra(0).IleLiczb, 49);
    EXPECT_EQ(testy::CzytajPlik((Dane() / "lotto.pl2").string()), przed);
}

TEST_F(TPoleceniaGierTest, SystemPilkarskiTylkoBlankiety)
{
    ZapiszBlankietTestowy((Dane() / "toto.bln").string(), "Toto 13", -1);
    QString nazwa;
    bool nazwaWlaczona = true;
    TKolejkaOkien kolejka;
    kolejka
        .Potem<TfrmKorektaGry>([](TfrmKorektaGry* wybor) {
            wybor->Lista()->setCurrentRow(wybor->Lista()->count() - 1);
            wybor->btnPopraw()->click();
        })
        .Potem<TfrmGraPilkarska>([&](TfrmGraPilkarska* pilkarska) {
            nazwa = pilkarska->edNazwa()->text();
            nazwaWlaczona = pilkarska->edNazwa()->isEnabled();
            pilkarska->btnBlankiety()->click();
            pilkarska->btnOK()->click();
        })
        .Potem<TfrmDodajDr>([](TfrmDodajDr* dodaj) {
            EXPECT_EQ(dodaj->KodGry(), 1001);
            EXPECT_EQ(dodaj->lblGra()->text(), U("System piłkarski"));
            dodaj->CLB1()->item(0)->setCheckState(Qt::Checked);
            dodaj->btnOK()->click();
        });
    okno_->PoleceniaGier().ZmianaParametrow();
    EXPECT_EQ(kolejka.Wykonanych(), 3);
    EXPECT_EQ(nazwa, U("System piłkarski"));
    EXPECT_FALSE(nazwaWlaczona);
    EXPECT_EQ(CzytajNaglowekBlankietu((Dane() / "toto.bln").string())->KodGry, 1001);
    EXPECT_EQ(okno_->Katalog().Ile(), 3u);
}

} // namespace
} // namespace tarvomund
