#include "model/TfrmNoweOkno.h"

#include "app/KontekstPomocy.h"
#include "app/TAkcjeGlowne.h"
#include "app/TfrmGlowne.h"
#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmSkok.h"
#include "systems/TfrmParam.h"
#include "wspolne/KatalogTymczasowy.h"
#include "PomocnikiUI.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <numeric>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using P = TPolecenie;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;
using TZakladTestu = std::array<uint8_t, MaxLiczbSystemu>;
using testy::CzekajAz;
using testy::TOdpowiedzi;

bool CzekajNaKoniec(const TfrmNoweOkno& okno)
{
    return CzekajAz([&okno] { return !okno.Pracuje(); });
}

QString Komorka(const TfrmNoweOkno& okno, int wiersz, int kolumna)
{
    const QTableWidgetItem* komorka = okno.Grid1()->item(wiersz, kolumna);
    return komorka ? komorka->text() : QStringLiteral("<brak>");
}

// The numbers of a grid row, joined by spaces.
QString Wiersz(const TfrmNoweOkno& okno, int wiersz)
{
    QStringList liczby;
    for (int c = 1; c < okno.Grid1()->columnCount(); ++c)
        liczby << Komorka(okno, wiersz, c);
    return liczby.join(QLatin1Char(' '));
}

bool WierszPusty(const TfrmNoweOkno& okno, int wiersz)
{
    for (int c = 0; c < okno.Grid1()->columnCount(); ++c)
        if (!Komorka(okno, wiersz, c).isEmpty())
            return false;
    return true;
}

// Bet b of the test systems: positions b..b+5, whose sum is 6b + 15.
TZakladTestu ZakladOd(int b)
{
    TZakladTestu zaklad{};
    for (int j = 0; j < 6; ++j)
        zaklad[static_cast<std::size_t>(j)] = static_cast<uint8_t>(b + j);
    return zaklad;
}

std::vector<TZakladTestu> Zaklady(int ile)
{
    std::vector<TZakladTestu> zaklady;
    for (int b = 1; b <= ile; ++b)
        zaklady.push_back(ZakladOd(b));
    return zaklady;
}

class TfrmNoweOknoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(Dane());
        gra_.Id = 1;
        gra_.KodGry = 1;
        gra_.Nazwa = "Lotto 6 z 49";
        gra_.Plik = (Dane() / "lotto.pl2").string();
        gra_.MinSkreslen = 6;
        gra_.MaxSkreslen = 12;
        gra_.NormSkreslen = 6;
        gra_.IleLiczb = 49;
        gra_.IleLosowanych = 6;
        gra_.IlePoziomo = 7;
        gra_.IlePionowo = 7;
    }

    fs::path Dane() const { return katalog_.Sciezka() / "Dane"; }
    QString DaneQ() const { return QString::fromStdString(Dane().string()); }
    std::string Tymczasowy(int32_t nr) const { return PlikTymczasowy(Dane().string(), nr); }

    TInfoGryRec Info(int32_t n, int32_t k, int32_t zakladow, int32_t metoda = 0) const
    {
        TInfoGryRec info = TInfoGryRec::DlaGry(gra_);
        info.n = n;
        info.k = k;
        info.Zakladow = zakladow;
        info.Metoda = metoda;
        return info;
    }

    static void ZapiszSystem(const std::string& plik, TInfoGryRec info, const std::vector<TZakladTestu>& zaklady)
    {
        TPisarzSystemu pisarz(plik, info.k);
        ASSERT_TRUE(pisarz.Otwarty());
        info.Wystapienia = {};
        for (const TZakladTestu& zaklad : zaklady) {
            pisarz.Dodaj(zaklad.data());
            for (int j = 0; j < info.k; ++j)
                ++info.Wystapienia[zaklad[static_cast<std::size_t>(j)] - 1u];
        }
        ASSERT_TRUE(pisarz.Zakoncz(info));
    }

    // A window over a temporary file that already holds the bets, as after opening a system.
    std::unique_ptr<TfrmNoweOkno> Okno(const TInfoGryRec& info, const std::vector<TZakladTestu>& zaklady,
                                       int32_t nr = 1)
    {
        ZapiszSystem(Tymczasowy(nr), info, zaklady);
        auto okno = std::make_unique<TfrmNoweOkno>(nr, DaneQ());
        okno->Ustaw(gra_, info);
        okno->Pokaz(1);
        okno->show();
        return okno;
    }

    std::unique_ptr<TfrmGlowne> Glowne()
    {
        EXPECT_TRUE(UtworzPlikGry(gra_));
        auto okno = std::make_unique<TfrmGlowne>(QString::fromStdString(katalog_.Sciezka().string()));
        okno->resize(1000, 700);
        okno->show();
        return okno;
    }

    static std::vector<TfrmNoweOkno*> Systemy(const TfrmGlowne& glowne)
    {
        std::vector<TfrmNoweOkno*> okna;
        for (QMdiSubWindow* podokno : glowne.Obszar()->subWindowList())
            if (auto* okno = qobject_cast<TfrmNoweOkno*>(podokno->widget()))
                okna.push_back(okno);
        return okna;
    }

    static bool Wlaczone(const TfrmGlowne& okno, P p) { return okno.Akcje().Akcja(p)->isEnabled(); }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
};

TEST_F(TfrmNoweOknoTest, UstawSiatkaTytulStanyIPolaStatusu)
{
    TInfoGryRec info = Info(12, 6, 20);
    info.Nazwa = "inna nazwa";
    info.MaxSkreslen = 99;
    auto okno = Okno(info, Zaklady(0), 3);
    // The name and the game parameters come from the game, the rest from the record.
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<3>Lotto 6 z 49 6/12/20"));
    EXPECT_EQ(okno->Info().MaxSkreslen, 12);
    EXPECT_EQ(okno->Info().PlikGry, gra_.Plik);
    EXPECT_EQ(okno->Rodzaj(), TRodzajOkna::SystemLiczbowy);
    EXPECT_EQ(okno->InfoSystemu(), &okno->Info());
    EXPECT_EQ(okno->property(WlasnoscKontekstuPomocy).toInt(), 1024);
    EXPECT_EQ(okno->PlikTymczasowy(), QString::fromStdString(Tymczasowy(3)));
    EXPECT_TRUE(okno->PokazujeWlasne());

    const QTableWidget* siatka = okno->Grid1();
    ASSERT_EQ(siatka->rowCount(), 16);
    ASSERT_EQ(siatka->columnCount(), 7);
    EXPECT_EQ(siatka->columnWidth(0), 90);
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(siatka->columnWidth(c), 25);
        EXPECT_EQ(Komorka(*okno, 0, c), QString::number(c));
    }
    EXPECT_EQ(okno->Scroll()->height(), siatka->height());

    TStanFlag bezczynny;
    bezczynny.set().reset(1);
    EXPECT_EQ(okno->StanZadan(), bezczynny);
    EXPECT_EQ(okno->StanPlikow(), TStanFlag().set());

    const TPolaStatusu pola = okno->PolaStatusu();
    EXPECT_EQ(pola.Liczb, QStringLiteral("12"));
    EXPECT_EQ(pola.Skreslen, QStringLiteral("6"));
    EXPECT_EQ(pola.Zakladow, QStringLiteral("20"));
    EXPECT_EQ(pola.Kombinacji, TekstKombinacji(924.0L));
    EXPECT_EQ(pola.RodzajGeneracji, QStringLiteral("Metoda pełna"));
    info.Metoda = BrakMetody;
    okno->Ustaw(gra_, info);
    EXPECT_TRUE(okno->PolaStatusu().RodzajGeneracji.isEmpty());
    info.Metoda = 5;
    info.k = 8;
    okno->Ustaw(gra_, info);
    EXPECT_EQ(okno->PolaStatusu().RodzajGeneracji, QStringLiteral("Metoda gwarancyjna"));
    // A new k lays the grid out again.
    EXPECT_EQ(okno->Grid1()->columnCount(), 9);
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<3>Lotto 6 z 49 8/12/20"));
    // A name that looks like a pattern stays as it is.
    TObGraLista dziwna = gra_;
    dziwna.Nazwa = "Gra %1 %2";
    okno->Ustaw(dziwna, info);
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<3>Gra %1 %2 8/12/20"));
}

TEST_F(TfrmNoweOknoTest, SzesnascieZakladowPrzewijanie)
{
    auto okno = Okno(Info(24, 6, 16), Zaklady(16));
    EXPECT_TRUE(okno->Scroll()->isEnabled());
    EXPECT_EQ(okno->Scroll()->minimum(), 1);
    EXPECT_EQ(okno->Scroll()->maximum(), 16);
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("1  [+21]"));
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("1 2 3 4 5 6"));
    EXPECT_EQ(Komorka(*okno, 15, 0), QStringLiteral("15  [+105]"));

    okno->Scroll()->setValue(2);
    EXPECT_EQ(okno->BiezacyZaklad(), 2);
    for (int r = 1; r <= 15; ++r) {
        const int b = r + 1;
        EXPECT_EQ(Komorka(*okno, r, 0), QStringLiteral("%1  [+%2]").arg(b).arg(6 * b + 15)) << r;
        EXPECT_EQ(Komorka(*okno, r, 1), QString::number(b)) << r;
    }

    okno->Scroll()->setValue(16);
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("16  [+111]"));
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("16 17 18 19 20 21"));
    for (int r = 2; r <= 15; ++r)
        EXPECT_TRUE(WierszPusty(*okno, r)) << r;
}

TEST_F(TfrmNoweOknoTest, ZeroZakladowPusteWierszeIZamkniecieBezPytania)
{
    auto okno = Okno(Info(12, 6, 0), Zaklady(0));
    for (int r = 1; r <= 15; ++r)
        EXPECT_TRUE(WierszPusty(*okno, r)) << r;
    EXPECT_FALSE(okno->Scroll()->isEnabled());
    // Not saved, but empty: nothing to ask.
    EXPECT_FALSE(okno->Zapisany());
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnAnuluj")});
    EXPECT_TRUE(okno->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
}

TEST_F(TfrmNoweOknoTest, WlasneLiczbyZmieniajaLiczbyAleNieSumy)
{
    TInfoGryRec info = Info(24, 6, 3);
    for (std::size_t i = 0; i < 24; ++i)
        info.Wlasne[1][i] = static_cast<uint8_t>(i + 11);
    auto okno = Okno(info, Zaklady(3));
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("11 12 13 14 15 16"));
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("1  [+81]"));

    okno->PrzelaczWlasne();
    EXPECT_FALSE(okno->PokazujeWlasne());
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("1 2 3 4 5 6"));
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("1  [+81]"));
    okno->PrzelaczWlasne();
    EXPECT_TRUE(okno->PokazujeWlasne());

    // New own numbers: kept, written into the temporary file's header, shown, and unsaved.
    okno->UstawPlikSystemu(QStringLiteral("/nie/ma/takiego.ss2"));
    ASSERT_TRUE(okno->Zapisany());
    std::array<TTablicaLiczb, 3> wlasne = okno->Info().Wlasne;
    wlasne[1][0] = 49;
    okno->ZmienWlasneLiczby(wlasne);
    EXPECT_FALSE(okno->Zapisany());
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("49 12 13 14 15 16"));
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("1  [+119]"));
    const auto naglowek = CzytajNaglowekSystemu(Tymczasowy(1));
    ASSERT_TRUE(naglowek.has_value());
    EXPECT_EQ(naglowek->Info.Wlasne[1][0], 49);
    EXPECT_EQ(naglowek->Info.Zakladow, 3);
}

TEST_F(TfrmNoweOknoTest, DialogSkokuIPrawyPrzycisk)
{
    TfrmSkok skok(40, 7);
    EXPECT_EQ(skok.windowTitle(), QStringLiteral("Skok do zakładu nr ...."));
    EXPECT_EQ(skok.Pasek()->maximum(), 40);
    EXPECT_EQ(skok.Pole()->maximum(), 40);
    EXPECT_EQ(skok.Pole()->minimum(), 1);
    EXPECT_EQ(skok.Wartosc(), 7);
    skok.Pasek()->setValue(30);
    EXPECT_EQ(skok.Pole()->value(), 30);
    skok.Pole()->setValue(12);
    EXPECT_EQ(skok.Pasek()->value(), 12);
    EXPECT_EQ(skok.Wartosc(), 12);

    auto okno = Okno(Info(24, 6, 16), Zaklady(16));
    const auto wybierz = [](int wartosc) {
        return [wartosc](QWidget* w) {
            auto* dialog = qobject_cast<TfrmSkok*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Pole()->maximum(), 16);
            dialog->Pole()->setValue(wartosc);
            dialog->btnOK()->click();
        };
    };
    {
        // A right click on the grid opens the dialog.
        TOdpowiedzi odpowiedzi({wybierz(9)});
        QContextMenuEvent klik(QContextMenuEvent::Mouse, QPoint(10, 30));
        QApplication::sendEvent(okno->Grid1()->viewport(), &klik);
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Skok do zakładu nr ...."));
    }
    EXPECT_EQ(okno->BiezacyZaklad(), 9);
    EXPECT_EQ(okno->Scroll()->value(), 9);
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("9  [+69]"));
    {
        // "Anuluj" changes nothing, and the dialog starts at the current bet.
        TOdpowiedzi odpowiedzi({[](QWidget* w) {
            auto* dialog = qobject_cast<TfrmSkok*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Wartosc(), 9);
            dialog->Pole()->setValue(3);
            dialog->btnAnuluj()->click();
        }});
        okno->SkokDoZakladu(QPoint(100, 100));
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    }
    EXPECT_EQ(okno->BiezacyZaklad(), 9);
    EXPECT_EQ(okno->Scroll()->value(), 9);
}

TEST_F(TfrmNoweOknoTest, ZapisIZapiszJako)
{
    auto okno = Okno(Info(24, 6, 16), Zaklady(16));
    const std::string tymczasowy = CzytajPlik(Tymczasowy(1));
    const std::string otwarty = (katalog_.Sciezka() / "otwarty.ss2").string();
    ZapiszPlik(otwarty, "stary");
    okno->UstawPlikSystemu(QString::fromStdString(otwarty));
    {
        // A freshly opened system is saved already: Save does nothing and asks nothing.
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
        okno->Zapisz();
        QCoreApplication::processEvents();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
        EXPECT_EQ(CzytajPlik(otwarty), "stary");
    }
    {
        // Save as still asks for a name, in Dane, for "*.ss2".
        QString rozszerzenie;
        QString katalog;
        TOdpowiedzi odpowiedzi({[&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            rozszerzenie = dialog->defaultSuffix();
            katalog = dialog->directory().absolutePath();
            EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("System (*.ss2)")});
            dialog->reject();
        }});
        okno->ZapiszJako();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(rozszerzenie, QStringLiteral("ss2"));
        EXPECT_EQ(katalog, QString::fromStdString(fs::path(otwarty).parent_path().string()));
        EXPECT_EQ(CzytajPlik(otwarty), "stary");
    }

    // Save as onto a new name copies the temporary file and remembers the name.
    const QString nowy = QString::fromStdString((katalog_.Sciezka() / "nowy.ss2").string());
    okno->ZapiszDo(nowy);
    EXPECT_EQ(CzytajPlik(nowy.toStdString()), tymczasowy);
    EXPECT_EQ(okno->PlikSystemu(), nowy);
    EXPECT_TRUE(okno->Zapisany());

    struct TPrzypadek {
        const char* Przycisk;
        bool Nadpisany;
    };
    for (const TPrzypadek& p : {TPrzypadek{"btnNie", false}, TPrzypadek{"btnTak", true}}) {
        SCOPED_TRACE(p.Przycisk);
        okno->ZmienWlasneLiczby(okno->Info().Wlasne);
        ZapiszPlik(otwarty, "stary");
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk(p.Przycisk)});
        okno->ZapiszDo(QString::fromStdString(otwarty));
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Taki plik już istnieje !\nCzy chcesz go nadpisać ?"));
        EXPECT_EQ(CzytajPlik(otwarty) == tymczasowy, p.Nadpisany);
        EXPECT_EQ(okno->Zapisany(), p.Nadpisany);
        EXPECT_EQ(okno->PlikSystemu() == QString::fromStdString(otwarty), p.Nadpisany);
    }

    // With a name and changes, Save copies onto it without asking.
    okno->ZmienWlasneLiczby(okno->Info().Wlasne);
    ZapiszPlik(otwarty, "stary");
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
    okno->Zapisz();
    QCoreApplication::processEvents();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    EXPECT_EQ(CzytajPlik(otwarty), CzytajPlik(Tymczasowy(1)));
    EXPECT_TRUE(okno->Zapisany());
}

TEST_F(TfrmNoweOknoTest, PytanieOZapisPrzyZamykaniu)
{
    struct TPrzypadek {
        const char* Przycisk;
        bool Zamkniete;
        bool Zapisane;
    };
    const std::string cel = (katalog_.Sciezka() / "cel.ss2").string();
    for (const TPrzypadek& p : {TPrzypadek{"btnAnuluj", false, false}, TPrzypadek{"btnNie", true, false},
                                TPrzypadek{"btnTak", true, true}}) {
        SCOPED_TRACE(p.Przycisk);
        ZapiszPlik(cel, "stary");
        auto okno = Okno(Info(24, 6, 16), Zaklady(16));
        okno->UstawPlikSystemu(QString::fromStdString(cel));
        okno->ZmienWlasneLiczby(okno->Info().Wlasne);
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk(p.Przycisk)});
        EXPECT_EQ(okno->close(), p.Zamkniete);
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Zapisać system ?\nLotto 6 z 49 - 6/24/16"));
        EXPECT_EQ(CzytajPlik(cel) == CzytajPlik(Tymczasowy(1)), p.Zapisane);
    }
    // A saved window closes without a question.
    auto okno = Okno(Info(24, 6, 16), Zaklady(16));
    okno->UstawPlikSystemu(QString::fromStdString(cel));
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnAnuluj")});
    EXPECT_TRUE(okno->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
}

TEST_F(TfrmNoweOknoTest, OtwieranieSystemu)
{
    auto glowne = Glowne();
    ASSERT_EQ(glowne->Katalog().Ile(), 1u);
    TInfoGryRec info = Info(24, 6, 16, 2);
    info.Gwarancja = 3;
    info.Wlasne[1][0] = 40;
    const std::string plik = (katalog_.Sciezka() / "system.ss2").string();
    ZapiszSystem(plik, info, Zaklady(16));

    glowne->OtworzPlik(QString::fromStdString(plik));
    const std::vector<TfrmNoweOkno*> okna = Systemy(*glowne);
    ASSERT_EQ(okna.size(), 1u);
    TfrmNoweOkno* okno = okna.front();
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<1>Lotto 6 z 49 6/24/16"));
    EXPECT_EQ(okno->PlikSystemu(), QString::fromStdString(plik));
    EXPECT_TRUE(okno->Zapisany());
    EXPECT_EQ(okno->Info().Metoda, 2);
    EXPECT_EQ(okno->Info().Gwarancja, 3);
    EXPECT_EQ(okno->Info().Wystapienia[0], 1);
    EXPECT_EQ(CzytajPlik(Tymczasowy(1)), CzytajPlik(plik));
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("40 2 3 4 5 6"));
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("1  [+60]"));
    // The frame shows the window's fields and states.
    EXPECT_TRUE(Wlaczone(*glowne, P::Start));
    EXPECT_FALSE(Wlaczone(*glowne, P::Stop));
    EXPECT_TRUE(Wlaczone(*glowne, P::Zapisz));
    EXPECT_TRUE(glowne->Akcje().Akcja(P::WlasneLubSystemowe)->isChecked());

    // The toggle of the frame flips the active window and its check mark.
    glowne->Akcje().Akcja(P::WlasneLubSystemowe)->trigger();
    EXPECT_FALSE(okno->PokazujeWlasne());
    EXPECT_FALSE(glowne->Akcje().Akcja(P::WlasneLubSystemowe)->isChecked());
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("1 2 3 4 5 6"));
    glowne->Akcje().Akcja(P::WlasneLubSystemowe)->trigger();
    EXPECT_TRUE(okno->PokazujeWlasne());
    EXPECT_TRUE(glowne->Akcje().Akcja(P::WlasneLubSystemowe)->isChecked());
}

TEST_F(TfrmNoweOknoTest, ZlePlikiSystemuNieOtwierajaOkna)
{
    auto glowne = Glowne();
    const TInfoGryRec dobry = Info(24, 6, 2);
    const std::string naglowek = ZbudujNaglowekSystemu(dobry, 6);
    const std::string zaklady(12, '\1');
    const auto zmien = [](std::string dane, std::size_t pozycja, int32_t wartosc) {
        for (int i = 0; i < 4; ++i)
            dane[pozycja + static_cast<std::size_t>(i)] = static_cast<char>((static_cast<uint32_t>(wartosc) >> (8 * i)) & 0xFF);
        return dane;
    };
    constexpr std::size_t KodGry = 4, Rozmiar = 12, MaxSkr = 72, PozN = 104, PozK = 108, Ilosc = 112;
    struct TPrzypadek {
        const char* Opis;
        std::string Dane;
        bool Komunikat;
    };
    const TPrzypadek przypadki[] = {
        {"więcej zakładów niż w pliku", zmien(naglowek, Ilosc, 3) + zaklady, true},
        {"ogromna liczba zakładów", zmien(naglowek, Ilosc, 0x7fffffff) + zaklady, true},
        {"rozmiar rekordu różny od k", zmien(naglowek, Rozmiar, 5) + zaklady, true},
        {"n równe 0", zmien(naglowek, PozN, 0) + zaklady, true},
        {"n równe 121", zmien(naglowek, PozN, 121) + zaklady, true},
        {"k równe 0", zmien(zmien(naglowek, PozK, 0), Rozmiar, 0) + zaklady, true},
        {"k równe 121", zmien(zmien(naglowek, PozK, 121), Rozmiar, 121) + std::string(242, '\1'), true},
        {"krótszy od nagłówka", naglowek.substr(0, 500), true},
        {"pusty", std::string(), true},
        {"brak gry o tych parametrach", zmien(naglowek, MaxSkr, 10) + zaklady, true},
        {"nieznany kod gry", zmien(naglowek, KodGry, 1500) + zaklady, false},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        const std::string plik = (katalog_.Sciezka() / "zly.ss2").string();
        ZapiszPlik(plik, p.Dane);
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_EQ(glowne->OtworzSystem(QString::fromStdString(plik)), nullptr);
        QCoreApplication::processEvents();
        EXPECT_EQ(odpowiedzi.Obsluzonych(), p.Komunikat ? 1 : 0);
        if (p.Komunikat) {
            EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Błąd odczytu !"));
        }
        EXPECT_TRUE(glowne->Obszar()->subWindowList().isEmpty());
    }
    // A pool system (game code 1001) opens in a pool window, never in a number system window.
    const std::string pilkarski = (katalog_.Sciezka() / "pilkarski.ss2").string();
    ZapiszPlik(pilkarski, zmien(naglowek, KodGry, KodSystemuPilkarskiego) + zaklady);
    EXPECT_EQ(glowne->OtworzSystem(QString::fromStdString(pilkarski)), nullptr);
    ASSERT_EQ(glowne->Obszar()->subWindowList().size(), 1);
    EXPECT_EQ(dynamic_cast<TOknoDokumentu*>(glowne->Obszar()->subWindowList().front()->widget())->Rodzaj(),
              TRodzajOkna::SystemPilkarski);
    glowne->Obszar()->closeAllSubWindows();

    // The good header itself opens, so the cases above fail for their one change only.
    ZapiszPlik((katalog_.Sciezka() / "dobry.ss2").string(), naglowek + zaklady);
    EXPECT_NE(glowne->OtworzSystem(QString::fromStdString((katalog_.Sciezka() / "dobry.ss2").string())), nullptr);
}

TEST_F(TfrmNoweOknoTest, NowySystemGenerujeNaWatku)
{
    auto glowne = Glowne();
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* dialog = qobject_cast<TfrmParam*>(w);
        ASSERT_NE(dialog, nullptr);
        // Preset from the game: n = N div 2, its normal k, one bet, the full method.
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Parametry gry Lotto 6 z 49"));
        EXPECT_EQ(dialog->Liczb(), 24);
        EXPECT_EQ(dialog->Skreslen(), 6);
        EXPECT_EQ(dialog->Zakladow(), 1);
        EXPECT_EQ(dialog->Metoda(), 0);
        EXPECT_EQ(dialog->Gwarancja(), 0);
        dialog->spZakladow()->setValue(20);
        dialog->btnOk()->click();
    }});
    TfrmNoweOkno* okno = glowne->NowySystem(0);
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(odpowiedzi.Obsluzonych(), 1);
    // The generation runs on the window's worker: the window is busy once the command returns.
    EXPECT_TRUE(okno->Pracuje());
    EXPECT_FALSE(Wlaczone(*glowne, P::Start));
    EXPECT_TRUE(Wlaczone(*glowne, P::Stop));
    EXPECT_FALSE(Wlaczone(*glowne, P::Zapisz));
    EXPECT_FALSE(Wlaczone(*glowne, P::Drukuj));
    EXPECT_FALSE(Wlaczone(*glowne, P::Filtry));
    EXPECT_TRUE(Wlaczone(*glowne, P::Nowy));
    EXPECT_TRUE(Wlaczone(*glowne, P::SzukajLosowan));
    EXPECT_FALSE(Wlaczone(*glowne, P::ParametrySystemu));

    ASSERT_TRUE(CzekajNaKoniec(*okno));
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("<1>Lotto 6 z 49 6/24/20"));
    EXPECT_EQ(okno->Info().Zakladow, 20);
    EXPECT_EQ(std::accumulate(okno->Info().Wystapienia.begin(), okno->Info().Wystapienia.end(), 0), 6 * 20);
    EXPECT_FALSE(okno->Zapisany());
    EXPECT_TRUE(Komorka(*okno, 0, 0).isEmpty());
    // The full method's first bets, in order.
    EXPECT_EQ(Wiersz(*okno, 1), QStringLiteral("1 2 3 4 5 6"));
    EXPECT_EQ(Komorka(*okno, 1, 0), QStringLiteral("1  [+21]"));
    EXPECT_EQ(Wiersz(*okno, 2), QStringLiteral("1 2 3 4 5 7"));
    EXPECT_EQ(okno->Scroll()->maximum(), 20);
    EXPECT_TRUE(Wlaczone(*glowne, P::Start));
    EXPECT_FALSE(Wlaczone(*glowne, P::Stop));
    EXPECT_TRUE(Wlaczone(*glowne, P::Zapisz));
    const auto naglowek = CzytajNaglowekSystemu(Tymczasowy(1));
    ASSERT_TRUE(naglowek.has_value());
    EXPECT_EQ(naglowek->Info.Zakladow, 20);

    // Cancelling the parameters creates nothing and takes no window number.
    TOdpowiedzi anuluj({TOdpowiedzi::Odrzuc()});
    EXPECT_EQ(glowne->NowySystem(0), nullptr);
    EXPECT_EQ(glowne->Obszar()->subWindowList().size(), 1);
    EXPECT_EQ(glowne->LicznikOkien(), 1);
}

TEST_F(TfrmNoweOknoTest, StopRamkiPrzerywaAktywneOkno)
{
    auto glowne = Glowne();
    TOdpowiedzi odpowiedzi({[](QWidget* w) {
        auto* dialog = qobject_cast<TfrmParam*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->spLiczb()->setValue(49);
        dialog->spZakladow()->setValue(TfrmParam::MaxZakladow);
        dialog->btnOk()->click();
    }});
    TfrmNoweOkno* okno = glowne->NowySystem(0);
    ASSERT_NE(okno, nullptr);
    ASSERT_TRUE(okno->Pracuje());
    ASSERT_TRUE(Wlaczone(*glowne, P::Stop));
    glowne->Akcje().Akcja(P::Stop)->trigger();
    ASSERT_TRUE(CzekajNaKoniec(*okno));
    EXPECT_LT(okno->Info().Zakladow, 13983816);
    EXPECT_TRUE(Wlaczone(*glowne, P::Start));
    EXPECT_FALSE(Wlaczone(*glowne, P::Stop));
}

TEST_F(TfrmNoweOknoTest, ParametrySystemuGenerujaOdNowa)
{
    struct TPrzypadek {
        const char* Opis;
        int32_t NoweN;
        uint8_t Pierwsza; // the own number of position 1 afterwards
    };
    // A larger n starts its positions with their own numbering; a smaller n keeps the block.
    for (const TPrzypadek& p : {TPrzypadek{"większe n", 30, 1}, TPrzypadek{"mniejsze n", 10, 45}}) {
        SCOPED_TRACE(p.Opis);
        auto glowne = Glowne();
        const std::string plik = (katalog_.Sciezka() / "system.ss2").string();
        TInfoGryRec info = Info(24, 6, 16);
        info.Wlasne[1][0] = 45;
        ZapiszSystem(plik, info, Zaklady(16));
        TfrmNoweOkno* okno = glowne->OtworzSystem(QString::fromStdString(plik));
        ASSERT_NE(okno, nullptr);
        glowne->Obszar()->setActiveSubWindow(glowne->Obszar()->subWindowList().front());

        TOdpowiedzi odpowiedzi({[&p](QWidget* w) {
            auto* dialog = qobject_cast<TfrmParam*>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Liczb(), 24);
            EXPECT_EQ(dialog->Zakladow(), 16);
            dialog->spLiczb()->setValue(p.NoweN);
            dialog->cbMetoda()->setCurrentIndex(3);
            dialog->btnOk()->click();
        }});
        glowne->Akcje().Akcja(P::ParametrySystemu)->trigger();
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_TRUE(okno->Pracuje());
        ASSERT_TRUE(CzekajNaKoniec(*okno));
        const int32_t zakladow = p.NoweN - 6 + 1;
        EXPECT_EQ(okno->Info().n, p.NoweN);
        EXPECT_EQ(okno->Info().Zakladow, zakladow);
        EXPECT_EQ(okno->Info().Metoda, 3);
        EXPECT_EQ(okno->Info().Wlasne[1][0], p.Pierwsza);
        EXPECT_FALSE(okno->Zapisany());
        EXPECT_EQ(okno->windowTitle(), QStringLiteral("<1>Lotto 6 z 49 6/%1/%2").arg(p.NoweN).arg(zakladow));
        EXPECT_EQ(Komorka(*okno, 1, 1), QString::number(p.Pierwsza));
    }
}

TEST_F(TfrmNoweOknoTest, OknoNieZamykaSiePodczasPracyAZatrzymanieZostawiaPoprawnyPlik)
{
    // The full system of 49 numbers: far more than the run will get to write.
    const int32_t planowane = 13983816;
    auto okno = Okno(Info(49, 6, planowane), Zaklady(0));
    okno->Generuj();
    ASSERT_TRUE(okno->Pracuje());
    TStanFlag zajety;
    zajety.set(1);
    EXPECT_EQ(okno->StanZadan(), zajety);
    TStanFlag plikiZajete;
    plikiZajete.set();
    for (int flaga : {2, 3, 5, 6})
        plikiZajete.reset(static_cast<std::size_t>(flaga));
    EXPECT_EQ(okno->StanPlikow(), plikiZajete);
    // The stop request comes first, so the run ends at its first check whatever the speed of the
    // machine; the window stays busy until the worker has handed back.
    okno->Przerwij();
    EXPECT_TRUE(okno->Pracuje());
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnOK")});
        EXPECT_FALSE(okno->close());
        ASSERT_EQ(odpowiedzi.Obsluzonych(), 1);
        EXPECT_EQ(odpowiedzi.Teksty().value(0), QStringLiteral("Musisz zatrzymać generację systemu !"));
    }
    EXPECT_FALSE(okno->isHidden());
    ASSERT_TRUE(CzekajNaKoniec(*okno));

    // The file holds a complete header for the bets written before the stop.
    const int32_t zakladow = okno->Info().Zakladow;
    EXPECT_LT(zakladow, planowane);
    const auto naglowek = CzytajNaglowekSystemu(Tymczasowy(1));
    ASSERT_TRUE(naglowek.has_value());
    EXPECT_EQ(naglowek->Info.Zakladow, zakladow);
    EXPECT_EQ(fs::file_size(Tymczasowy(1)), DlugoscNaglowkaSystemu + 6u * static_cast<uint64_t>(zakladow));
    const auto& wystapienia = naglowek->Info.Wystapienia;
    EXPECT_EQ(std::accumulate(wystapienia.begin(), wystapienia.end(), 0), 6 * zakladow);
    EXPECT_EQ(okno->Scroll()->isEnabled(), zakladow > 0);
    EXPECT_EQ(WierszPusty(*okno, 1), zakladow == 0);

    TOdpowiedzi odpowiedzi({TOdpowiedzi::Przycisk("btnNie")});
    EXPECT_TRUE(okno->close());
}

TEST_F(TfrmNoweOknoTest, DwaOknaGenerujaNaraz)
{
    auto pierwsze = Okno(Info(30, 6, 40000), Zaklady(0), 1);
    auto drugie = Okno(Info(20, 5, 15000), Zaklady(0), 2);
    pierwsze->Generuj();
    drugie->Generuj();
    EXPECT_TRUE(pierwsze->Pracuje());
    EXPECT_TRUE(drugie->Pracuje());
    ASSERT_TRUE(CzekajNaKoniec(*pierwsze));
    ASSERT_TRUE(CzekajNaKoniec(*drugie));
    EXPECT_EQ(pierwsze->Info().Zakladow, 40000);
    EXPECT_EQ(drugie->Info().Zakladow, 15000);
    EXPECT_EQ(fs::file_size(Tymczasowy(1)), DlugoscNaglowkaSystemu + 6u * 40000u);
    EXPECT_EQ(fs::file_size(Tymczasowy(2)), DlugoscNaglowkaSystemu + 5u * 15000u);
    EXPECT_EQ(Wiersz(*drugie, 1), QStringLiteral("1 2 3 4 5"));
}

TEST_F(TfrmNoweOknoTest, ZamkniecieProgramuZPracujacymOknem)
{
    // Destroying a window whose worker runs stops the worker and waits for it: no hang, and the
    // temporary file is left complete.
    auto okno = Okno(Info(49, 6, 13983816), Zaklady(0));
    okno->Generuj();
    ASSERT_TRUE(okno->Pracuje());
    okno.reset();
    const auto naglowek = CzytajNaglowekSystemu(Tymczasowy(1));
    ASSERT_TRUE(naglowek.has_value());
    EXPECT_EQ(fs::file_size(Tymczasowy(1)),
              DlugoscNaglowkaSystemu + 6u * static_cast<uint64_t>(naglowek->Info.Zakladow));
}

} // namespace
} // namespace tarvomund
