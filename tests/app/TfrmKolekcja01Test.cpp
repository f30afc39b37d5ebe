#include "tools/TfrmKolekcja01.h"

#include "PomocnikiUI.h"
#include "app/KontekstPomocy.h"
#include "app/TAkcjeGlowne.h"
#include "app/TWlaczaniePolecen.h"
#include "app/TfrmGlowne.h"
#include "tools/PlikKolekcji.h"
#include "tools/TKolekcja.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;
using testy::ZapiszPlik;
using TSerie = std::vector<std::pair<QString, std::vector<QString>>>;

QString U(const char* tekst)
{
    return QString::fromUtf8(tekst);
}

void Mysz(QWidget* w, QEvent::Type typ, QPoint punkt, Qt::MouseButton przycisk, Qt::MouseButtons wcisniete)
{
    QMouseEvent zdarzenie(typ, QPointF(punkt), QPointF(w->mapToGlobal(punkt)), przycisk, wcisniete, Qt::NoModifier);
    QApplication::sendEvent(w, &zdarzenie);
}

void Klawisz(QWidget* w, int klawisz)
{
    QKeyEvent zdarzenie(QEvent::KeyPress, klawisz, Qt::NoModifier);
    QApplication::sendEvent(w, &zdarzenie);
}

// A double click as the mouse makes it: press, release, double click, release.
void DwukrotnieKliknij(QTreeWidget* drzewo, QTreeWidgetItem* pozycja)
{
    drzewo->scrollToItem(pozycja);
    const QPoint punkt = drzewo->visualItemRect(pozycja).center();
    QWidget* widok = drzewo->viewport();
    Mysz(widok, QEvent::MouseButtonPress, punkt, Qt::LeftButton, Qt::LeftButton);
    Mysz(widok, QEvent::MouseButtonRelease, punkt, Qt::LeftButton, Qt::NoButton);
    Mysz(widok, QEvent::MouseButtonDblClick, punkt, Qt::LeftButton, Qt::LeftButton);
    Mysz(widok, QEvent::MouseButtonRelease, punkt, Qt::LeftButton, Qt::NoButton);
}

std::vector<int32_t> Numery(const TKolekcja& k)
{
    std::vector<int32_t> numery;
    for (const TPodwOb& e : k.Elementy())
        numery.push_back(e.Numer);
    return numery;
}

// Every entry of the tree in depth-first order with its level and icon.
TDrzewoKolekcji Pozycje(const QTreeWidget& drzewo)
{
    TDrzewoKolekcji wynik;
    const std::function<void(const QTreeWidgetItem*)> dopisz = [&](const QTreeWidgetItem* p) {
        wynik.push_back({p->text(0).toStdString(), TfrmKolekcja01::Poziom(p), TfrmKolekcja01::Ikona(p)});
        for (int i = 0; i < p->childCount(); ++i)
            dopisz(p->child(i));
    };
    for (int i = 0; i < drzewo.topLevelItemCount(); ++i)
        dopisz(drzewo.topLevelItem(i));
    return wynik;
}

// A copied statistic with `serii` series of `punktow` points each.
TSerie Serie(int serii, int punktow)
{
    TSerie serie;
    for (int s = 0; s < serii; ++s) {
        std::vector<QString> punkty;
        for (int p = 0; p < punktow; ++p)
            punkty.push_back(QStringLiteral("%1   [%2]").arg(s * 10 + p + 1).arg(20 - p));
        serie.emplace_back(U("Seria nr ") + QString::number(s + 1), punkty);
    }
    return serie;
}

class TfrmKolekcja01Test : public ::testing::Test {
protected:
    TfrmKolekcja01Test() : okno_(QString::fromStdString(katalog_.Sciezka().string()))
    {
        okno_.resize(400, 400);
        okno_.show();
    }

    QString Plik(const char* nazwa) const { return QString::fromStdString(katalog_.Plik(nazwa)); }

    TKatalogTymczasowy katalog_;
    TfrmKolekcja01 okno_;
};

TEST_F(TfrmKolekcja01Test, WygladOkna)
{
    EXPECT_EQ(okno_.windowTitle(), U("Kolekcja"));
    EXPECT_TRUE(okno_.isWindow());
    const Qt::WindowFlags flagi = okno_.windowFlags();
    EXPECT_TRUE(flagi.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flagi.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flagi.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(okno_.property(WlasnoscKontekstuPomocy).toInt(), 1051);
    EXPECT_EQ(okno_.Etykieta()->text(), U("Ilość zaznaczonych numerów - 0"));
    EXPECT_EQ(okno_.BtnWczytaj()->toolTip(), U("Wczytaj kolekcję numerów"));
    EXPECT_EQ(okno_.BtnZapisz()->toolTip(), U("Zapisz kolekcję numerów"));
    ASSERT_EQ(okno_.MenuPanelu()->actions().size(), 2);
    EXPECT_EQ(okno_.MenuPanelu()->actions()[0]->text(), U("Usuń liczbę"));
    EXPECT_EQ(okno_.MenuPanelu()->actions()[1]->text(), U("Usuń wszystkie liczby"));
    ASSERT_EQ(okno_.MenuDrzewa()->actions().size(), 2);
    EXPECT_EQ(okno_.MenuDrzewa()->actions()[0]->text(), U("Usuń pozycję"));
    EXPECT_EQ(okno_.MenuDrzewa()->actions()[1]->text(), U("Usuń wszystko z kolekcji"));

    const TKolekcja& panel = *okno_.Panel();
    EXPECT_FALSE(panel.Podwojne);
    EXPECT_EQ(panel.SzerPola, 35);
    EXPECT_EQ(panel.WysPola1, 15);
    EXPECT_EQ(panel.KolorZaz, QColor(Qt::red));
    EXPECT_EQ(panel.KolorObwodki, QColor(Qt::red));
    EXPECT_EQ(panel.KolorTla, QColor(55, 100, 65));
    EXPECT_EQ(panel.KolorPola1, QColor(114, 181, 192));
    EXPECT_TRUE(panel.Font1.bold());
    EXPECT_EQ(panel.KolorTekstu1, QColor(Qt::yellow));
    EXPECT_EQ(panel.LimitZaz, -1);
    EXPECT_TRUE(panel.Elementy().empty());
    EXPECT_EQ(okno_.Drzewo()->topLevelItemCount(), 0);

    // The number is drawn in yellow on the field.
    okno_.Panel()->Dodaj(88, 0, false);
    const QImage obraz = okno_.Panel()->grab().toImage();
    const TPodwOb& e = panel.Elementy()[0];
    int zoltych = 0;
    for (int x = e.Lewy; x < e.Lewy + panel.SzerPola; ++x)
        for (int y = e.Gorny; y < e.Gorny + panel.WysPola1; ++y) {
            const QColor k = obraz.pixelColor(x, y);
            zoltych += k.red() > 200 && k.green() > 200 && k.blue() < 100;
        }
    EXPECT_GT(zoltych, 5);
}

TEST_F(TfrmKolekcja01Test, KopiaStatystykiWDrzewie)
{
    okno_.DodajKopie(U("Lotto - Najczęściej występujące liczby   "), Serie(10, 2));
    ASSERT_EQ(okno_.Drzewo()->topLevelItemCount(), 1);
    const QTreeWidgetItem* kopia = okno_.Drzewo()->topLevelItem(0);
    EXPECT_EQ(kopia->text(0), U("Lotto - Najczęściej występujące liczby   "));
    EXPECT_EQ(TfrmKolekcja01::Ikona(kopia), IkonaKopii);
    ASSERT_EQ(kopia->childCount(), 10);
    // Series icons follow the series colours and repeat after eight.
    const int ikony[] = {1, 2, 3, 4, 5, 6, 7, 8, 1, 2};
    for (int s = 0; s < 10; ++s) {
        const QTreeWidgetItem* seria = kopia->child(s);
        EXPECT_EQ(TfrmKolekcja01::Ikona(seria), ikony[s]) << s;
        EXPECT_EQ(TfrmKolekcja01::Poziom(seria), 1);
        ASSERT_EQ(seria->childCount(), 2);
        EXPECT_EQ(TfrmKolekcja01::Ikona(seria->child(1)), IkonaPunktu);
        EXPECT_EQ(TfrmKolekcja01::Poziom(seria->child(1)), 2);
    }
    EXPECT_EQ(kopia->child(3)->child(1)->text(0), U("32   [19]"));
    // Each icon number draws its own picture.
    EXPECT_NE(kopia->icon(0).pixmap(12).toImage(), kopia->child(0)->icon(0).pixmap(12).toImage());
    EXPECT_NE(kopia->child(0)->icon(0).pixmap(12).toImage(), kopia->child(1)->icon(0).pixmap(12).toImage());
    EXPECT_NE(kopia->child(0)->child(0)->icon(0).pixmap(12).toImage(), kopia->icon(0).pixmap(12).toImage());
}

TEST_F(TfrmKolekcja01Test, DwuklikIEnterNaPunkcieDodajaLiczby)
{
    okno_.DodajKopie(U("Lotto"), {{U("Wszystkie"), {U("3,17,25   [4]"), U("8   [2]")}}});
    QTreeWidget* drzewo = okno_.Drzewo();
    QTreeWidgetItem* kopia = drzewo->topLevelItem(0);
    QTreeWidgetItem* seria = kopia->child(0);
    drzewo->expandAll();

    // Entries above the points hold no numbers, even when their texts have some.
    DwukrotnieKliknij(drzewo, seria);
    DwukrotnieKliknij(drzewo, kopia);
    EXPECT_TRUE(okno_.Panel()->Elementy().empty());
    seria->setText(0, U("12, 14"));
    DwukrotnieKliknij(drzewo, seria);
    EXPECT_TRUE(okno_.Panel()->Elementy().empty());

    drzewo->expandAll();
    DwukrotnieKliknij(drzewo, seria->child(0));
    EXPECT_EQ(Numery(*okno_.Panel()), (std::vector<int32_t>{3, 17, 25}));
    EXPECT_EQ(okno_.Panel()->IleZaznaczonych(), 0);
    // Numbers already in the panel are not added twice.
    DwukrotnieKliknij(drzewo, seria->child(0));
    EXPECT_EQ(Numery(*okno_.Panel()), (std::vector<int32_t>{3, 17, 25}));

    drzewo->setCurrentItem(seria);
    Klawisz(drzewo, Qt::Key_Return);
    EXPECT_EQ(okno_.Panel()->Elementy().size(), 3u);
    drzewo->setCurrentItem(seria->child(1));
    Klawisz(drzewo, Qt::Key_Enter);
    EXPECT_EQ(Numery(*okno_.Panel()), (std::vector<int32_t>{3, 17, 25, 8}));
}

TEST_F(TfrmKolekcja01Test, EtykietaLiczyZaznaczone)
{
    TKolekcja* panel = okno_.Panel();
    for (int n : {4, 9, 16})
        panel->Dodaj(n, 0, false);
    const TPodwOb& drugi = panel->Elementy()[1];
    const QPoint punkt(drugi.Lewy + 5, drugi.Gorny + 5);
    Mysz(panel, QEvent::MouseButtonPress, punkt, Qt::LeftButton, Qt::LeftButton);
    Mysz(panel, QEvent::MouseButtonRelease, punkt, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(okno_.Etykieta()->text(), U("Ilość zaznaczonych numerów - 1"));

    // Numbers marked by another way show once the mouse passes over the panel.
    panel->Dodaj(25, 0, true);
    panel->Dodaj(36, 0, true);
    Mysz(panel, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(okno_.Etykieta()->text(), U("Ilość zaznaczonych numerów - 3"));
}

TEST_F(TfrmKolekcja01Test, MenuPaneluIDrzewa)
{
    TKolekcja* panel = okno_.Panel();
    for (int n : {5, 6, 7, 8})
        panel->Dodaj(n, 0, n == 7);
    QAction* usunLiczbe = okno_.MenuPanelu()->actions()[0];
    QAction* usunLiczby = okno_.MenuPanelu()->actions()[1];

    // Without a right click on a number there is nothing to delete.
    usunLiczbe->trigger();
    EXPECT_EQ(panel->Elementy().size(), 4u);
    const TPodwOb& trzeci = panel->Elementy()[2];
    const QPoint punkt(trzeci.Lewy + 3, trzeci.Gorny + 3);
    Mysz(panel, QEvent::MouseButtonPress, punkt, Qt::RightButton, Qt::RightButton);
    Mysz(panel, QEvent::MouseButtonRelease, punkt, Qt::RightButton, Qt::NoButton);
    usunLiczbe->trigger();
    EXPECT_EQ(Numery(*panel), (std::vector<int32_t>{5, 6, 8}));
    EXPECT_EQ(okno_.Etykieta()->text(), U("Ilość zaznaczonych numerów - 0"));
    usunLiczbe->trigger();
    EXPECT_EQ(panel->Elementy().size(), 3u);
    usunLiczby->trigger();
    EXPECT_TRUE(panel->Elementy().empty());

    okno_.DodajKopie(U("A"), Serie(2, 3));
    okno_.DodajKopie(U("B"), Serie(1, 1));
    QTreeWidget* drzewo = okno_.Drzewo();
    QAction* usunPozycje = okno_.MenuDrzewa()->actions()[0];
    QAction* usunWszystko = okno_.MenuDrzewa()->actions()[1];
    // A series goes with its points.
    drzewo->setCurrentItem(drzewo->topLevelItem(0)->child(0));
    usunPozycje->trigger();
    EXPECT_EQ(Pozycje(*drzewo).size(), 1u + 4u + 3u);
    EXPECT_EQ(drzewo->topLevelItem(0)->child(0)->text(0), U("Seria nr 2"));
    drzewo->setCurrentItem(drzewo->topLevelItem(0));
    Klawisz(drzewo, Qt::Key_Delete);
    ASSERT_EQ(drzewo->topLevelItemCount(), 1);
    EXPECT_EQ(drzewo->topLevelItem(0)->text(0), U("B"));
    usunWszystko->trigger();
    EXPECT_EQ(drzewo->topLevelItemCount(), 0);
    usunPozycje->trigger();
    EXPECT_EQ(drzewo->topLevelItemCount(), 0);
}

TEST_F(TfrmKolekcja01Test, TrzyKopieWracajaZPlikuZLiczbami)
{
    okno_.DodajKopie(U("Lotto 6 z 49 - Najczęściej występujące liczby   "), Serie(9, 3));
    okno_.DodajKopie(U("Lotto 5 z 42 - Przedziały liczbowe   "), Serie(1, 4));
    okno_.DodajKopie(U("Keno 20 z 80 - Wystąpienia liczb   "), Serie(2, 0));
    for (int n : {12, 3, 40})
        okno_.Panel()->Dodaj(n, 0, n != 3);
    const QString plik = Plik("moja.k22");
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
        ASSERT_TRUE(okno_.Zapisz(plik));
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    }
    EXPECT_EQ(CzytajPlik(katalog_.Plik("moja.k12")), std::string("\x0C\x01\x03\x00\x28\x01", 6));
    EXPECT_EQ(CzytajPlik(katalog_.Plik("moja.k22")).substr(0, 16), "Lotto 6 z 49 - N");

    TfrmKolekcja01 drugie(QString::fromStdString(katalog_.Sciezka().string()));
    // The panel is not emptied: the file's numbers join, those present keep their marks.
    drugie.Panel()->Dodaj(3, 0, true);
    drugie.Panel()->Dodaj(7, 0, false);
    ASSERT_TRUE(drugie.Wczytaj(plik));
    const TDrzewoKolekcji zapisane = Pozycje(*okno_.Drzewo());
    const TDrzewoKolekcji wczytane = Pozycje(*drugie.Drzewo());
    ASSERT_EQ(wczytane.size(), zapisane.size());
    ASSERT_EQ(wczytane.size(), 3u + 9u * 4u + 5u + 2u);
    for (std::size_t i = 0; i < zapisane.size(); ++i) {
        EXPECT_EQ(wczytane[i].Tekst, zapisane[i].Tekst) << i;
        EXPECT_EQ(wczytane[i].Poziom, zapisane[i].Poziom) << i;
        EXPECT_EQ(wczytane[i].Ikona, zapisane[i].Poziom == 1 ? 8 : zapisane[i].Ikona) << i;
    }
    EXPECT_EQ(Numery(*drugie.Panel()), (std::vector<int32_t>{3, 7, 12, 40}));
    EXPECT_EQ(drugie.Panel()->IleZaznaczonych(), 3);
    EXPECT_TRUE(drugie.Panel()->Elementy()[0].Zaznaczony);
    EXPECT_EQ(drugie.Etykieta()->text(), U("Ilość zaznaczonych numerów - 3"));

    // Reading again replaces the tree instead of adding to it.
    ASSERT_TRUE(drugie.Wczytaj(plik));
    EXPECT_EQ(Pozycje(*drugie.Drzewo()).size(), zapisane.size());
}

TEST_F(TfrmKolekcja01Test, ZapisPustegoDrzewaINadpisywanie)
{
    okno_.Panel()->Dodaj(5, 0, true);
    const QString plik = Plik("k.k22");
    EXPECT_FALSE(okno_.Zapisz(plik));
    EXPECT_FALSE(fs::exists(katalog_.Plik("k.k22")));
    EXPECT_FALSE(fs::exists(katalog_.Plik("k.k12")));

    okno_.DodajKopie(U("Nowa"), Serie(1, 1));
    ZapiszPlik(katalog_.Plik("k.k22"), "Stara\r\n");
    ZapiszPlik(katalog_.Plik("k.k12"), std::string("\x01\x00", 2));
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
        EXPECT_FALSE(okno_.Zapisz(plik));
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_TRUE(odpowiedzi.Teksty()[0].startsWith(U("Taki plik już istnieje !")));
    }
    EXPECT_EQ(CzytajPlik(katalog_.Plik("k.k22")), "Stara\r\n");
    EXPECT_EQ(CzytajPlik(katalog_.Plik("k.k12")), std::string("\x01\x00", 2));
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnTak")});
        EXPECT_TRUE(okno_.Zapisz(plik));
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(CzytajPlik(katalog_.Plik("k.k22")), "Nowa\r\n\tSeria nr 1\r\n\t\t1   [20]\r\n");
    EXPECT_EQ(CzytajPlik(katalog_.Plik("k.k12")), std::string("\x05\x01", 2));
}

TEST_F(TfrmKolekcja01Test, WczytanieBrakujacychIUszkodzonychPlikow)
{
    okno_.DodajKopie(U("Zostaje"), Serie(1, 1));
    okno_.Panel()->Dodaj(9, 0, false);
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_FALSE(okno_.Wczytaj(Plik("brak.k22")));
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(odpowiedzi.Teksty()[0], U("Błąd odczytu !"));
    }
    EXPECT_EQ(okno_.Drzewo()->topLevelItem(0)->text(0), U("Zostaje"));
    EXPECT_EQ(Numery(*okno_.Panel()), (std::vector<int32_t>{9}));

    // Without its panel file the tree still loads and the panel stays as it was.
    ZapiszPlik(katalog_.Plik("sam.k22"), "Sam\n\tSeria\n\t\t1,2   [3]");
    ASSERT_TRUE(okno_.Wczytaj(Plik("sam.k22")));
    EXPECT_EQ(Pozycje(*okno_.Drzewo()),
              (TDrzewoKolekcji{{"Sam", 0, 9}, {"Seria", 1, 8}, {"1,2   [3]", 2, 10}}));
    EXPECT_EQ(Numery(*okno_.Panel()), (std::vector<int32_t>{9}));

    // A damaged panel file gives what it holds.
    ZapiszPlik(katalog_.Plik("sam.k12"), std::string("\x0B\x01\x0C", 3));
    ASSERT_TRUE(okno_.Wczytaj(Plik("sam.k22")));
    EXPECT_EQ(Numery(*okno_.Panel()), (std::vector<int32_t>{9, 11}));
    EXPECT_EQ(okno_.Panel()->IleZaznaczonych(), 1);
}

class TKolekcjaWGlownymOknieTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(katalog_.Sciezka() / "Dane");
        glowne_ = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        glowne_->resize(900, 600);
        glowne_->show();
    }

    bool Wlaczone(P p) const { return glowne_->Akcje().Akcja(p)->isEnabled(); }

    TKatalogTymczasowy katalog_;
    std::unique_ptr<TfrmGlowne> glowne_;
};

TEST_F(TKolekcjaWGlownymOknieTest, OknoZyjeUkryteIPolecenieKolekcjaJePokazuje)
{
    TfrmKolekcja01* kolekcja = glowne_->Kolekcja();
    ASSERT_NE(kolekcja, nullptr);
    EXPECT_EQ(kolekcja->parentWidget(), glowne_.get());
    EXPECT_TRUE(kolekcja->isWindow());
    EXPECT_FALSE(kolekcja->isVisible());

    glowne_->Akcje().Akcja(P::Kolekcja)->trigger();
    EXPECT_TRUE(kolekcja->isVisible());
    kolekcja->showMinimized();
    glowne_->Akcje().Akcja(P::Kolekcja)->trigger();
    EXPECT_TRUE(kolekcja->isVisible());
    EXPECT_FALSE(kolekcja->isMinimized());
    EXPECT_EQ(glowne_->KontekstPomocy(), 1051);

    // Closing it only hides it: the collection lives for the whole run.
    kolekcja->Panel()->Dodaj(4, 0, true);
    kolekcja->close();
    QApplication::processEvents();
    ASSERT_EQ(glowne_->Kolekcja(), kolekcja);
    EXPECT_EQ(kolekcja->Panel()->Elementy().size(), 1u);
}

TEST_F(TKolekcjaWGlownymOknieTest, OtwieranieK22PrzezGlowneOkno)
{
    const std::string plik = (katalog_.Sciezka() / "Dane" / "zbior.k22").string();
    ZapiszPlik(plik, "Lotto - \xA3\xF3" "d\x9F\r\n\tSeria\r\n\t\t5,6   [1]\r\n");
    ZapiszPlik((katalog_.Sciezka() / "Dane" / "zbior.k12").string(), std::string("\x05\x01\x2A\x00", 4));
    glowne_->OtworzPlik(QString::fromStdString(plik));
    TfrmKolekcja01* kolekcja = glowne_->Kolekcja();
    EXPECT_TRUE(kolekcja->isVisible());
    ASSERT_EQ(kolekcja->Drzewo()->topLevelItemCount(), 1);
    EXPECT_EQ(kolekcja->Drzewo()->topLevelItem(0)->text(0), U("Lotto - Łódź"));
    EXPECT_EQ(Numery(*kolekcja->Panel()), (std::vector<int32_t>{5, 42}));
    EXPECT_EQ(kolekcja->Panel()->IleZaznaczonych(), 1);
}

TEST_F(TKolekcjaWGlownymOknieTest, AktywnaKolekcjaWlaczaSwojWiersz)
{
    EXPECT_FALSE(Wlaczone(P::Zapisz));
    EXPECT_FALSE(Wlaczone(P::Drukuj));

    TfrmKolekcja01* kolekcja = glowne_->Kolekcja();
    kolekcja->Pokaz();
    ASSERT_TRUE(testy::CzekajAz([kolekcja] { return QApplication::activeWindow() == kolekcja; }));
    for (P p : {P::Nowy, P::Wczytaj, P::Zapisz, P::ZapiszJako, P::Drukuj, P::SzukajLosowan, P::SzukajLiczb,
                P::Kolekcja, P::Koniec})
        EXPECT_EQ(Wlaczone(p), PolecenieMaOkno(p, TRodzajOkna::Kolekcja)) << static_cast<int>(p);
    for (P p : {P::Filtry, P::SzukajWSystemie, P::Start, P::Stop, P::ParametrySystemu, P::WlasneLiczby,
                P::Gwarancja, P::StatStop})
        EXPECT_FALSE(Wlaczone(p)) << static_cast<int>(p);
    EXPECT_FALSE(glowne_->PasekSystemu()->isVisible());
    EXPECT_FALSE(glowne_->PasekStatystyki()->isVisible());

    // Back in the main window, the commands follow its child windows again (here none).
    glowne_->activateWindow();
    ASSERT_TRUE(testy::CzekajAz([this] { return QApplication::activeWindow() == glowne_.get(); }));
    EXPECT_FALSE(Wlaczone(P::Zapisz));
    EXPECT_FALSE(Wlaczone(P::Drukuj));
}

} // namespace
} // namespace tarvomund
