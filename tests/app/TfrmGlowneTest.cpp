#include "app/TfrmGlowne.h"

#include "app/TAkcjeGlowne.h"
#include "app/TJednaInstancja.h"
#include "app/TOstatnioOtwierane.h"
#include "app/TPasekStanuSystemu.h"
#include "app/TZegarGlowny.h"
#include "app/Ustawienia.h"
#include "model/PlikGry.h"
#include "model/PlikiTymczasowe.h"
#include "PomocnikiUI.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSettings>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

// A document window whose kind and states the test sets.
class TOknoTestowe : public QWidget, public TOknoDokumentu {
public:
    TOknoTestowe(TRodzajOkna rodzaj, TStanFlag pliki, TStanFlag zadania)
        : rodzaj_(rodzaj), pliki_(pliki), zadania_(zadania)
    {
        setWindowTitle(QStringLiteral("okno"));
    }
    TRodzajOkna Rodzaj() const override { return rodzaj_; }
    TStanFlag StanPlikow() const override { return pliki_; }
    TStanFlag StanZadan() const override { return zadania_; }
    TPolaStatusu PolaStatusu() const override { return {QStringLiteral("12"), QStringLiteral("6"), QStringLiteral("3"),
                                                         QStringLiteral("924"), QStringLiteral("Metoda pełna"), {}, {}}; }
    void Przerwij() override { ++przerwan; }
    void UstawZadania(TStanFlag zadania)
    {
        zadania_ = zadania;
        ZglosZmianeStanu();
    }
    int przerwan = 0;

private:
    TRodzajOkna rodzaj_;
    TStanFlag pliki_;
    TStanFlag zadania_;
};

class TfrmGlowneTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(Dane()); }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }

    void DodajGre(const std::string& plik, int32_t id, const std::string& nazwa, int ileLosowan)
    {
        TObGraLista gra;
        gra.Id = id;
        gra.KodGry = id;
        gra.Nazwa = nazwa;
        gra.Plik = (Dane() / plik).string();
        gra.IleLiczb = 49;
        gra.IleLosowanych = 6;
        gra.Losowania.resize(static_cast<std::size_t>(ileLosowan));
        ASSERT_TRUE(UtworzPlikGry(gra));
    }

    std::unique_ptr<TfrmGlowne> Okno()
    {
        auto okno = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        okno->resize(1000, 700);
        okno->show();
        return okno;
    }

    static bool Wlaczone(const TfrmGlowne& okno, P p) { return okno.Akcje().Akcja(p)->isEnabled(); }

    TKatalogTymczasowy katalog_;
};

TEST_F(TfrmGlowneTest, StartBezDanychOtwieraPustyKatalog)
{
    fs::remove(Dane());
    {
        auto okno = Okno();
        EXPECT_EQ(okno->windowTitle(), QStringLiteral("Tarvomund"));
        EXPECT_TRUE(okno->Katalog().Pusty());
        EXPECT_TRUE(okno->Akcje().MenuSzukajLosowan()->actions().isEmpty());
    }
    // Dane that is a file, not a directory, is no catalogue either.
    ZapiszPlik(Dane().string(), "x");
    auto okno = Okno();
    EXPECT_TRUE(okno->Katalog().Pusty());
    EXPECT_TRUE(okno->close());
}

TEST_F(TfrmGlowneTest, WpisyGierTylkoDlaGierLiczbowych)
{
    DodajGre("a.pl2", 1, "Lotek", 2);
    DodajGre("b.pl2", 1500, "Toto", 0);
    DodajGre("c.pl2", 2, "Mały lotek", 0);
    auto okno = Okno();
    ASSERT_EQ(okno->Katalog().Ile(), 3u);
    const QList<QAction*> wpisy = okno->Akcje().MenuSzukajLosowan()->actions();
    ASSERT_EQ(wpisy.size(), 2);
    EXPECT_EQ(wpisy[0]->text(), QStringLiteral("Lotek"));
    EXPECT_EQ(wpisy[1]->text(), QStringLiteral("Mały lotek"));
    // The tag is the catalogue index, so the pool game's place is skipped.
    EXPECT_EQ(wpisy[1]->data().toInt(), 2);
    EXPECT_EQ(okno->Akcje().PrzyciskLiczb()->menu()->actions().size(), 2);
    EXPECT_EQ(okno->Akcje().PrzyciskStatystyki()->menu()->actions().size(), 2);
}

TEST_F(TfrmGlowneTest, GraBezLosowanPokazujeKomunikat)
{
    DodajGre("a.pl2", 1, "Lotek", 0);
    auto okno = Okno();
    QString tekst;
    QTimer::singleShot(0, [&tekst] {
        QWidget* komunikat = QApplication::activeModalWidget();
        ASSERT_NE(komunikat, nullptr);
        for (const QLabel* etykieta : komunikat->findChildren<QLabel*>())
            tekst += etykieta->text();
        komunikat->close();
    });
    okno->Akcje().MenuSzukajLosowan()->actions().at(0)->trigger();
    EXPECT_TRUE(tekst.contains(QStringLiteral("Baza losowań jest pusta !")));
}

TEST_F(TfrmGlowneTest, BezOknaTylkoPoleceniaOgolne)
{
    auto okno = Okno();
    for (P p : {P::Nowy, P::Wczytaj, P::SzukajLosowan, P::SzukajLiczb, P::Losowania, P::Kolekcja, P::Biorytmy,
                P::ZmianaParametrowGry, P::Kaskada, P::Pionowo, P::Poziomo, P::ZamknijWszystkie, P::IndeksPomocy,
                P::OProgramie, P::Koniec})
        EXPECT_TRUE(Wlaczone(*okno, p)) << static_cast<int>(p);
    for (P p : {P::Zapisz, P::ZapiszJako, P::Drukuj, P::Filtry, P::SzukajWSystemie, P::Start, P::Stop,
                P::ParametrySystemu, P::WlasneLiczby, P::TestSystemu, P::Gwarancja, P::Rozklad, P::SumujSystemy,
                P::WlasneLubSystemowe, P::StatStop, P::StatPomniejsz})
        EXPECT_FALSE(Wlaczone(*okno, p)) << static_cast<int>(p);
    EXPECT_FALSE(okno->Akcje().Filtr(0)->isEnabled());
    EXPECT_FALSE(okno->Akcje().FiltryPrzycisk()->isEnabled());
    EXPECT_TRUE(okno->Akcje().PrzyciskLosowan()->isEnabled());
    EXPECT_FALSE(okno->PasekSystemu()->isVisible());
    EXPECT_FALSE(okno->PasekStatystyki()->isVisible());
}

TEST_F(TfrmGlowneTest, StanyAktywnegoSystemuIPrzelaczanieOkien)
{
    auto okno = Okno();
    const TStanFlag wszystkiePliki = TStanFlag().set();
    TStanFlag bezczynny = TStanFlag().set();
    bezczynny.reset(1);
    const TStanFlag pracujacy = TStanFlag().set(1);
    auto* liczacy = new TOknoTestowe(TRodzajOkna::SystemLiczbowy, wszystkiePliki, pracujacy);
    auto* wolny = new TOknoTestowe(TRodzajOkna::SystemLiczbowy, wszystkiePliki, bezczynny);
    QMdiSubWindow* pierwsze = okno->DodajOkno(liczacy);
    QMdiSubWindow* drugie = okno->DodajOkno(wolny);

    okno->Obszar()->setActiveSubWindow(drugie);
    EXPECT_TRUE(Wlaczone(*okno, P::Start));
    EXPECT_FALSE(Wlaczone(*okno, P::Stop));
    EXPECT_TRUE(okno->Akcje().Filtr(13)->isEnabled());
    EXPECT_TRUE(okno->PasekSystemu()->isVisible());
    EXPECT_EQ(okno->PasekStanu()->Tryb(), TPasekStanuSystemu::TTryb::System);
    EXPECT_EQ(okno->PasekStanu()->Wartosc(TPasekStanuSystemu::PoleKombinacji), QStringLiteral("924"));

    okno->Obszar()->setActiveSubWindow(pierwsze);
    EXPECT_FALSE(Wlaczone(*okno, P::Start));
    EXPECT_TRUE(Wlaczone(*okno, P::Stop));
    okno->Akcje().Akcja(P::Stop)->trigger();
    EXPECT_EQ(liczacy->przerwan, 1);
    EXPECT_EQ(wolny->przerwan, 0);

    // A window that finishes its computation while active updates the commands at once.
    liczacy->UstawZadania(bezczynny);
    EXPECT_TRUE(Wlaczone(*okno, P::Start));
    EXPECT_FALSE(Wlaczone(*okno, P::Stop));
}

TEST_F(TfrmGlowneTest, SystemPilkarskiIStatystyka)
{
    auto okno = Okno();
    const TStanFlag wszystkie = TStanFlag().set();
    QMdiSubWindow* pilkarski = okno->DodajOkno(new TOknoTestowe(TRodzajOkna::SystemPilkarski, wszystkie, wszystkie));
    okno->Obszar()->setActiveSubWindow(pilkarski);
    EXPECT_TRUE(Wlaczone(*okno, P::Start));
    EXPECT_TRUE(Wlaczone(*okno, P::TestSystemu));
    for (P p : {P::SzukajWSystemie, P::WlasneLubSystemowe, P::SumujSystemy, P::WlasneLiczby, P::Filtry})
        EXPECT_FALSE(Wlaczone(*okno, p)) << static_cast<int>(p);
    EXPECT_EQ(okno->PasekStanu()->Tryb(), TPasekStanuSystemu::TTryb::SystemBezLiczb);

    QMdiSubWindow* statystyka = okno->DodajOkno(new TOknoTestowe(TRodzajOkna::Statystyka, wszystkie, {}));
    okno->Obszar()->setActiveSubWindow(statystyka);
    EXPECT_TRUE(Wlaczone(*okno, P::StatStop));
    EXPECT_TRUE(Wlaczone(*okno, P::StatPomniejsz));
    EXPECT_FALSE(Wlaczone(*okno, P::Start));
    EXPECT_TRUE(okno->PasekStatystyki()->isVisible());
    EXPECT_FALSE(okno->PasekSystemu()->isVisible());

    QMdiSubWindow* gwarancja = okno->DodajOkno(new TOknoTestowe(TRodzajOkna::Gwarancja, wszystkie, wszystkie));
    okno->Obszar()->setActiveSubWindow(gwarancja);
    EXPECT_TRUE(Wlaczone(*okno, P::Drukuj));
    EXPECT_FALSE(Wlaczone(*okno, P::Zapisz));
    EXPECT_FALSE(Wlaczone(*okno, P::StatStop));
    EXPECT_FALSE(Wlaczone(*okno, P::Start));
}

TEST_F(TfrmGlowneTest, UkladanieOkien)
{
    auto okno = Okno();
    QList<QMdiSubWindow*> okna;
    for (int i = 0; i < 3; ++i)
        okna << okno->DodajOkno(new TOknoTestowe(TRodzajOkna::Inne, {}, {}));
    const QRect obszar = okno->Obszar()->viewport()->rect();

    EXPECT_EQ(okno->Akcje().Akcja(P::Pionowo)->text(), QStringLiteral("Pionowo"));
    okno->Akcje().Akcja(P::Pionowo)->trigger();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(okna[i]->geometry().width(), obszar.width());
        EXPECT_EQ(okna[i]->geometry().top(), i * (obszar.height() / 3));
    }
    okno->Akcje().Akcja(P::Poziomo)->trigger();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(okna[i]->geometry().height(), obszar.height());
        EXPECT_EQ(okna[i]->geometry().left(), i * (obszar.width() / 3));
    }
    okno->Akcje().Akcja(P::ZmniejszWszystkie)->trigger();
    for (QMdiSubWindow* o : okna)
        EXPECT_TRUE(o->isMinimized());
    okno->Akcje().Akcja(P::ZamknijWszystkie)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(okno->Obszar()->subWindowList().isEmpty());
}

TEST_F(TfrmGlowneTest, PlikiTymczasoweUsuwaneNaStarcieIKoncu)
{
    const std::string dane = Dane().string();
    ZapiszPlik(PlikTymczasowy(dane, 3), "stary");
    auto okno = Okno();
    EXPECT_FALSE(fs::exists(PlikTymczasowy(dane, 3)));
    EXPECT_EQ(okno->LicznikOkien(), 0);
    EXPECT_EQ(okno->NastepnyNumerOkna(), 1);
    EXPECT_EQ(okno->NastepnyNumerOkna(), 2);
    ZapiszPlik(PlikTymczasowy(dane, 2), "biezacy");
    EXPECT_TRUE(okno->close());
    EXPECT_FALSE(fs::exists(PlikTymczasowy(dane, 2)));
}

TEST_F(TfrmGlowneTest, OtwieranieWedlugRozszerzenia)
{
    struct TPrzypadek {
        const char* Plik;
        TRodzajPliku Rodzaj;
    };
    for (const TPrzypadek& p : {TPrzypadek{"a.ss2", TRodzajPliku::System}, TPrzypadek{"b.ST2", TRodzajPliku::Statystyka},
                                TPrzypadek{"c.gr2", TRodzajPliku::Grupa}, TPrzypadek{"d.k22", TRodzajPliku::Kolekcja},
                                TPrzypadek{"e.k12", TRodzajPliku::Nieznany}, TPrzypadek{"ss2", TRodzajPliku::Nieznany},
                                TPrzypadek{"f.txt", TRodzajPliku::Nieznany}})
        EXPECT_EQ(RodzajPliku(QString::fromUtf8(p.Plik)), p.Rodzaj) << p.Plik;

    auto okno = Okno();
    QStringList otwarte;
    okno->UstawOtwieranie(TRodzajPliku::System, [&otwarte](const QString& plik) { otwarte << plik; });
    okno->UstawOtwieranie(TRodzajPliku::Grupa,
                          [&otwarte](const QString& plik) { otwarte << QStringLiteral("G ") + plik; });
    okno->OtworzPlik(QStringLiteral("/x/system.ss2"));
    okno->OtworzPlik(QStringLiteral("/x/inny.txt"));
    okno->OtworzPlik(QStringLiteral("/x/grupa.gr2"));
    EXPECT_EQ(otwarte, (QStringList{QStringLiteral("/x/system.ss2"), QStringLiteral("G /x/grupa.gr2")}));
}

TEST_F(TfrmGlowneTest, DataPoPolskuIZegarPrzyKrawedzi)
{
    EXPECT_EQ(TZegarGlowny::TekstDaty(QDate(2026, 12, 10)), QStringLiteral("czwartek 10.12.2026"));
    EXPECT_EQ(TZegarGlowny::TekstDaty(QDate(2001, 5, 13)), QStringLiteral("niedziela 13.05.2001"));

    QWidget pasek;
    pasek.resize(1000, 36);
    TZegarGlowny zegar(&pasek);
    pasek.show();
    EXPECT_EQ(zegar.Zegar()->geometry().right(), 1000 - 5 - 1);
    EXPECT_TRUE(zegar.Data()->isVisible());
    EXPECT_EQ(zegar.Data()->geometry().right(), zegar.Zegar()->x() - 5 - 1);
    pasek.resize(640, 36);
    EXPECT_FALSE(zegar.Data()->isVisible());
    EXPECT_EQ(zegar.Zegar()->geometry().right(), 640 - 5 - 1);
    pasek.resize(641, 36);
    EXPECT_TRUE(zegar.Data()->isVisible());
}

// Files opened from outside: the command line, a later start, a drop and "Ostatnio otwierane".
// Each test keeps the recently opened list in a store of its own.
class TfrmGlowneOtwieranieTest : public TfrmGlowneTest {
protected:
    using TOtwarte = std::vector<std::pair<TRodzajPliku, QString>>;

    void SetUp() override
    {
        TfrmGlowneTest::SetUp();
        poprzedni_ = QFileInfo(PlikUstawien()).absolutePath();
        fs::create_directory(katalog_.Sciezka() / "ustawienia");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Q(katalog_.Sciezka() / "ustawienia"));
    }
    void TearDown() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, poprzedni_); }

    static QString Q(const fs::path& sciezka) { return QString::fromStdString(sciezka.string()); }
    QString Plik(const char* nazwa, const char* tresc = "x") const
    {
        ZapiszPlik(katalog_.Plik(nazwa), tresc);
        return QString::fromStdString(katalog_.Plik(nazwa));
    }
    // A number system the catalogue's game "Lotek" opens.
    QString System(const char* nazwa)
    {
        TObGraLista gra;
        gra.IleLiczb = 49;
        gra.IleLosowanych = 6;
        TInfoGryRec info = TInfoGryRec::DlaGry(gra);
        info.n = 7;
        info.k = 6;
        info.Zakladow = 1;
        EXPECT_TRUE(testy::ZapiszSystemTestowy(katalog_.Plik(nazwa), info, {{1, 2, 3, 4, 5, 6}}));
        return QString::fromStdString(katalog_.Plik(nazwa));
    }
    // Statistics, groups and slips open in windows of other subsystems; here they are only noted.
    void Notuj(TfrmGlowne& okno)
    {
        for (TRodzajPliku rodzaj : {TRodzajPliku::Statystyka, TRodzajPliku::Grupa, TRodzajPliku::Blankiet})
            okno.UstawOtwieranie(rodzaj,
                                 [this, rodzaj](const QString& plik) { otwarte_.emplace_back(rodzaj, plik); });
    }
    static std::unique_ptr<QMimeData> Przeciagane(const QStringList& pliki)
    {
        auto dane = std::make_unique<QMimeData>();
        QList<QUrl> adresy;
        for (const QString& plik : pliki)
            adresy << (plik.startsWith(QLatin1String("http")) ? QUrl(plik) : QUrl::fromLocalFile(plik));
        dane->setUrls(adresy);
        return dane;
    }

    TOtwarte otwarte_;
    QString poprzedni_;
};

TEST_F(TfrmGlowneOtwieranieTest, KazdyPlikIdzieDoObslugiSwojegoRodzaju)
{
    EXPECT_EQ(RodzajPliku(QStringLiteral("uklad.BLN")), TRodzajPliku::Blankiet);
    DodajGre("a.pl2", 1, "Lotek", 2);
    auto okno = Okno();
    Notuj(*okno);
    const QString statystyka = Plik("s.st2");
    const QString grupa = Plik("g.gr2");
    const QString blankiet = Plik("b.bln");
    const QString system = System("system.ss2");
    const QString brak = QString::fromStdString(katalog_.Plik("brak.gr2"));

    okno->OtworzPliki({statystyka, Plik("notatki.txt"), system, grupa, brak, blankiet});
    EXPECT_EQ(otwarte_, (TOtwarte{{TRodzajPliku::Statystyka, statystyka},
                                  {TRodzajPliku::Grupa, grupa},
                                  {TRodzajPliku::Grupa, brak},
                                  {TRodzajPliku::Blankiet, blankiet}}));
    // The system opened in a window of its own, as the Open command opens it.
    ASSERT_EQ(okno->Obszar()->subWindowList().size(), 1);
    EXPECT_EQ(okno->Obszar()->subWindowList().front()->windowTitle(), QStringLiteral("<1>Lotek 6/7/1"));
    // Files that exist and have a handler are remembered, the last opened first.
    EXPECT_EQ(okno->OstatnioOtwierane().Pliki(), (QStringList{blankiet, grupa, system, statystyka}));
    EXPECT_EQ(CzytajOstatnioOtwierane(), okno->OstatnioOtwierane().Pliki());
}

TEST_F(TfrmGlowneOtwieranieTest, OstatnioOtwieraneWMenuPlikow)
{
    const QString grupa = Plik("g.gr2");
    const QString zniknie = Plik("z.st2");
    ZapiszOstatnioOtwierane({grupa, zniknie});
    auto okno = Okno();
    Notuj(*okno);

    // The submenu follows "&Wczytaj".
    QMenu* pliki = okno->Akcje().MenuPliki();
    const QList<QAction*> pozycje = pliki->actions();
    const auto wczytaj = pozycje.indexOf(okno->Akcje().Akcja(P::Wczytaj));
    ASSERT_GE(wczytaj, 0);
    QMenu* ostatnie = pozycje[wczytaj + 1]->menu();
    ASSERT_NE(ostatnie, nullptr);
    EXPECT_EQ(ostatnie->title(), QStringLiteral("&Ostatnio otwierane"));
    EXPECT_TRUE(ostatnie->menuAction()->isEnabled());
    ASSERT_EQ(ostatnie->actions().size(), 4);
    EXPECT_EQ(ostatnie->actions()[0]->text(), QStringLiteral("&1 ") + grupa);

    ostatnie->actions()[0]->trigger();
    EXPECT_EQ(otwarte_, (TOtwarte{{TRodzajPliku::Grupa, grupa}}));

    // A file gone since is said so and leaves the list.
    fs::remove(zniknie.toStdString());
    testy::TOdpowiedzi odpowiedzi({testy::TOdpowiedzi::Przycisk("btnOK")});
    ostatnie->actions()[1]->trigger();
    EXPECT_EQ(odpowiedzi.Teksty(), QStringList{QStringLiteral("Nie znaleziono pliku\nz.st2")});
    EXPECT_EQ(otwarte_.size(), 1u);
    EXPECT_EQ(okno->OstatnioOtwierane().Pliki(), QStringList{grupa});
}

TEST_F(TfrmGlowneOtwieranieTest, UpuszczonePlikiOtwieraneJakZWczytaj)
{
    auto okno = Okno();
    Notuj(*okno);
    const QString grupa = Plik("g.gr2");
    const QString blankiet = Plik("b.bln");
    const QString obcy = Plik("obcy.txt");
    const QString zdalny = QStringLiteral("https://example.org/g.gr2");

    struct TPrzypadek {
        const char* Opis;
        QStringList Pliki;
        bool Przyjete;
    };
    const QString nieIstnieje = Q(katalog_.Sciezka() / "x.gr2");
    for (const TPrzypadek& p : {TPrzypadek{"known files among others", {obcy, grupa, zdalny, blankiet}, true},
                                TPrzypadek{"only foreign", {obcy, zdalny}, false},
                                TPrzypadek{"a known kind that is not there", {nieIstnieje}, false},
                                TPrzypadek{"a kind nobody opens yet", {Plik("k.k12")}, false}}) {
        const auto dane = Przeciagane(p.Pliki);
        QDragEnterEvent wejscie(QPoint(200, 200), Qt::CopyAction, dane.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(okno.get(), &wejscie);
        EXPECT_EQ(wejscie.isAccepted(), p.Przyjete) << p.Opis;
    }

    const auto dane = Przeciagane({obcy, grupa, zdalny, blankiet});
    QDropEvent upuszczenie(QPointF(200, 200), Qt::CopyAction, dane.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(okno.get(), &upuszczenie);
    EXPECT_TRUE(upuszczenie.isAccepted());
    // The files open once the drop is over.
    EXPECT_TRUE(otwarte_.empty());
    ASSERT_TRUE(testy::CzekajAz([this] { return otwarte_.size() == 2; }));
    EXPECT_EQ(otwarte_, (TOtwarte{{TRodzajPliku::Grupa, grupa}, {TRodzajPliku::Blankiet, blankiet}}));

    // While the active window has Open off, nothing is taken.
    TStanFlag bezOtwierania;
    bezOtwierania.set().reset(1);
    auto* zajete = new TOknoTestowe(TRodzajOkna::SystemLiczbowy, bezOtwierania, {});
    okno->Obszar()->setActiveSubWindow(okno->DodajOkno(zajete));
    ASSERT_FALSE(Wlaczone(*okno, P::Wczytaj));
    EXPECT_FALSE(okno->OstatnioOtwierane().Pliki().isEmpty());
    const QList<QAction*> pozycje = okno->Akcje().MenuPliki()->actions();
    EXPECT_FALSE(pozycje[pozycje.indexOf(okno->Akcje().Akcja(P::Wczytaj)) + 1]->isEnabled()); // "Ostatnio otwierane"
    QDragEnterEvent wejscie(QPoint(200, 200), Qt::CopyAction, dane.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(okno.get(), &wejscie);
    EXPECT_FALSE(wejscie.isAccepted());
}

TEST_F(TfrmGlowneOtwieranieTest, DrugiStartPrzekazujePlikiDoOkna)
{
    DodajGre("a.pl2", 1, "Lotek", 2);
    auto okno = Okno();
    Notuj(*okno);
    const QString nazwa = QStringLiteral("tarvomund-test-glowne-") +
                          QString::number(QRandomGenerator::global()->generate64(), 16);
    TJednaInstancja dzialajaca(nazwa);
    ASSERT_TRUE(dzialajaca.Nasluchuj());
    QObject::connect(&dzialajaca, &TJednaInstancja::OtrzymanoPliki, okno.get(), &TfrmGlowne::PrzyjmijPliki);
    okno->showMinimized();

    const QStringList pliki{System("system.ss2"), Plik("g.gr2")};
    auto druga =
        std::async(std::launch::async, [&] { return TJednaInstancja(nazwa).PrzekazLubZostan(pliki); });
    ASSERT_TRUE(testy::CzekajAz([&] { return otwarte_.size() == 1; }));
    EXPECT_EQ(druga.get(), TJednaInstancja::TWynik::Przekazano);
    EXPECT_EQ(otwarte_, (TOtwarte{{TRodzajPliku::Grupa, pliki[1]}}));
    EXPECT_EQ(okno->Obszar()->subWindowList().size(), 1);
    // The running window comes back from the taskbar to show them.
    EXPECT_FALSE(okno->isMinimized());
}

} // namespace
} // namespace tarvomund
