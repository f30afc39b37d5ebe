#include "app/TZakladkiPrzyciski.h"
#include "app/TekstyUI.h"
#include "app/TfrmUstawienia.h"
#include "app/Ustawienia.h"
#include "model/UstawieniaIni.h"

#include "wspolne/KatalogTymczasowy.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using TIni = std::map<QString, std::map<QString, QString>>;

// Every test gets its own per-user store in a fresh directory, so the real user's settings are
// never read or written; afterwards the store points where it pointed before.
class TUstawieniaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        poprzedni_ = QFileInfo(PlikUstawien()).absolutePath();
        katalog_ = QString::fromStdString(katalogTymczasowy_.Sciezka().string());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, katalog_);
        ASSERT_EQ(QFileInfo(PlikUstawien()).absolutePath(), QFileInfo(katalog_).absoluteFilePath());
    }

    void TearDown() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, poprzedni_); }

    void ZapiszSurowy(const QByteArray& tresc) const
    {
        testy::ZapiszPlik(PlikUstawien().toStdString(), tresc.toStdString());
    }

    QByteArray CzytajSurowy() const { return QByteArray::fromStdString(testy::CzytajPlik(PlikUstawien().toStdString())); }

    // The file as sections of name = value lines, names decoded from the file's escaping.
    TIni CzytajIni() const
    {
        TIni ini;
        QString sekcja;
        for (const QByteArray& surowa : CzytajSurowy().split('\n')) {
            const QString linia = QString::fromUtf8(surowa).trimmed();
            if (linia.isEmpty())
                continue;
            if (linia.startsWith(QLatin1Char('[')) && linia.endsWith(QLatin1Char(']'))) {
                sekcja = linia.mid(1, linia.size() - 2);
                ini[sekcja];
                continue;
            }
            const qsizetype rowne = linia.indexOf(QLatin1Char('='));
            if (rowne < 0)
                continue;
            const QString nazwa = QUrl::fromPercentEncoding(linia.left(rowne).trimmed().toUtf8());
            ini[sekcja][nazwa] = linia.mid(rowne + 1).trimmed();
        }
        return ini;
    }

    TKatalogTymczasowy katalogTymczasowy_;
    QString katalog_;
    QString poprzedni_;
};

// A record with every field away from its default, so a read that leaves a field alone shows.
TParametry Inne()
{
    TParametry p;
    p.SciezkaProgramu = "C:\\Programy\\Stara ścieżka";
    p.Spin1 = 77;
    p.CBox1 = true;
    p.Spin11 = 9;
    p.IleNad = 12;
    p.IlePod = 34;
    p.MinMax = false;
    return p;
}

TEST_F(TUstawieniaTest, PierwszeUruchomienieDajeWartosciDomyslneIZapisujeJe)
{
    ASSERT_FALSE(QFile::exists(PlikUstawien()));
    TParametry parametry = Inne();
    CzytajUstawienia(parametry);
    EXPECT_EQ(parametry.SciezkaProgramu, "");
    EXPECT_EQ(parametry.Spin1, 150);
    EXPECT_FALSE(parametry.CBox1);
    EXPECT_EQ(parametry.Spin11, 2);
    EXPECT_EQ(parametry.IleNad, 5000);
    EXPECT_EQ(parametry.IlePod, 1000);
    EXPECT_TRUE(parametry.MinMax);
    EXPECT_EQ(parametry, TParametry{});

    ZapiszUstawienia(parametry);
    ASSERT_TRUE(QFile::exists(PlikUstawien()));
    const TIni oczekiwane{
        {QStringLiteral("USTAWIENIA"), {{QStringLiteral("Sciezka do programu"), QString()}}},
        {QStringLiteral("STATYSTYKA"),
         {{QStringLiteral("Spin1"), QStringLiteral("150")},
          {QStringLiteral("CBox1"), QStringLiteral("false")},
          {QStringLiteral("Spin11"), QStringLiteral("2")}}},
        {QStringLiteral("GWARANCJA"),
         {{QStringLiteral("IleNad"), QStringLiteral("5000")},
          {QStringLiteral("IlePod"), QStringLiteral("1000")},
          {QStringLiteral("MinMax"), QStringLiteral("true")}}},
    };
    EXPECT_EQ(CzytajIni(), oczekiwane) << CzytajSurowy().toStdString();
}

TEST_F(TUstawieniaTest, ZapisanePrzeczytaSieBezZmian)
{
    const TParametry przypadki[] = {
        Inne(),
        [] {
            TParametry p; // the top of every range, and a path the INI syntax has to escape
            p.SciezkaProgramu = "D:\\Gry liczbowe\\Żółw, \"wersja\" 2; [kopia]=1";
            p.Spin1 = ZakresSpin1.Max;
            p.Spin11 = ZakresSpin11.Max;
            p.IleNad = ZakresIleNad.Max;
            p.IlePod = ZakresIlePod.Max;
            return p;
        }(),
        [] {
            TParametry p; // the bottom of every range
            p.Spin1 = ZakresSpin1.Min;
            p.Spin11 = ZakresSpin11.Min;
            p.IleNad = ZakresIleNad.Min;
            p.IlePod = ZakresIlePod.Min;
            return p;
        }(),
    };
    for (const TParametry& zapisane : przypadki) {
        SCOPED_TRACE(zapisane.SciezkaProgramu);
        ZapiszUstawienia(zapisane);
        TParametry przeczytane = zapisane == Inne() ? TParametry{} : Inne();
        CzytajUstawienia(przeczytane);
        EXPECT_EQ(przeczytane, zapisane);
    }
}

struct TZlyWpis {
    const char* Tresc; // the whole file
    std::function<void(TParametry&)> Oczekiwane; // applied to the defaults
};

void PrintTo(const TZlyWpis& wpis, std::ostream* wy)
{
    *wy << '"' << QString::fromLatin1(wpis.Tresc).replace(QLatin1Char('\n'), QLatin1String("\\n")).toStdString() << '"';
}

class TNiepoprawneUstawienia : public TUstawieniaTest, public ::testing::WithParamInterface<TZlyWpis> {};

TEST_P(TNiepoprawneUstawienia, BrakujaceIZleWartosciCzytajaSieJakoDomyslne)
{
    ZapiszSurowy(GetParam().Tresc);
    TParametry przeczytane = Inne();
    CzytajUstawienia(przeczytane);
    TParametry oczekiwane;
    GetParam().Oczekiwane(oczekiwane);
    EXPECT_EQ(przeczytane, oczekiwane);
}

void BezZmian(TParametry&) {}

INSTANTIATE_TEST_SUITE_P(
    Wpisy, TNiepoprawneUstawienia,
    ::testing::Values(
        TZlyWpis{"", BezZmian},
        TZlyWpis{"nie ma tu sekcji\n", BezZmian},
        TZlyWpis{"[STATYSTYKA]\nSpin1=abc\nCBox1=moze\nSpin11=\n", BezZmian},
        TZlyWpis{"[STATYSTYKA]\nSpin1=0\nSpin11=11\n[GWARANCJA]\nIleNad=-5\nIlePod=100000\n", BezZmian},
        TZlyWpis{"[STATYSTYKA]\nSpin1=10000000\nSpin11=2.5\n[GWARANCJA]\nMinMax=tak\n", BezZmian},
        TZlyWpis{"[STATYSTYKA]\nSpin1=12x\n[GWARANCJA]\nIleNad=99999999999\nMinMax=2\n", BezZmian},
        // A value in a foreign section belongs to nobody.
        TZlyWpis{"[USTAWIENIA]\nSpin1=7\nMinMax=false\n[GWARANCJA]\nCBox1=true\n", BezZmian},
        // Good values beside bad ones are kept.
        TZlyWpis{"[STATYSTYKA]\nSpin1=9999999\nCBox1=true\nSpin11=zle\n",
                 [](TParametry& p) {
                     p.Spin1 = 9'999'999;
                     p.CBox1 = true;
                 }},
        TZlyWpis{"[GWARANCJA]\nIleNad=1\nIlePod=abc\nMinMax=0\n",
                 [](TParametry& p) {
                     p.IleNad = 1;
                     p.MinMax = false;
                 }},
        TZlyWpis{"[STATYSTYKA]\nCBox1=1\nSpin11=10\n[GWARANCJA]\nIlePod=99999\nMinMax=FALSE\n",
                 [](TParametry& p) {
                     p.CBox1 = true;
                     p.Spin11 = 10;
                     p.IlePod = 99'999;
                     p.MinMax = false;
                 }},
        TZlyWpis{"[USTAWIENIA]\nSciezka%20do%20programu=C:\\\\Tarvomund\n",
                 [](TParametry& p) { p.SciezkaProgramu = "C:\\Tarvomund"; }}));

// --- the settings dialog ---

QSpinBox* Liczba(const TfrmUstawienia& okno, const char* nazwa)
{
    return okno.findChild<QSpinBox*>(QString::fromLatin1(nazwa));
}

QCheckBox* Wybor(const TfrmUstawienia& okno, const char* nazwa)
{
    return okno.findChild<QCheckBox*>(QString::fromLatin1(nazwa));
}

QPushButton* Przycisk(const TfrmUstawienia& okno, const char* nazwa)
{
    return okno.findChild<QPushButton*>(QString::fromLatin1(nazwa));
}

struct TPoleLiczby {
    const char* Nazwa;
    int32_t TParametry::*Pole;
    TZakresUstawienia Zakres;
};

const TPoleLiczby PolaLiczb[] = {{"Spin1", &TParametry::Spin1, ZakresSpin1},
                                 {"Spin11", &TParametry::Spin11, ZakresSpin11},
                                 {"spIleNad", &TParametry::IleNad, ZakresIleNad},
                                 {"spIlePod", &TParametry::IlePod, ZakresIlePod}};

struct TPoleWyboru {
    const char* Nazwa;
    bool TParametry::*Pole;
    const char* Wylaczane; // the number field the box switches off
    TTekst Napis;
};

const TPoleWyboru PolaWyboru[] = {{"CBox1", &TParametry::CBox1, "Spin1", TTekst::Wszystkie},
                                  {"cbMinMax", &TParametry::MinMax, "spIlePod",
                                   TTekst::WypisujMinimalaIMaksymalnaGwarancjePonizej1}};

// Something other than a settings file where the store lives: the program starts with the defaults
// at once (no wait on a FIFO, no endless read of a device) and leaves the thing as it was.
TEST_F(TUstawieniaTest, MagazynNiebedacyPlikiemDajeWartosciDomyslne)
{
    const std::string plik = PlikUstawien().toStdString();
    const std::vector<std::pair<const char*, std::function<void()>>> rodzaje{
        {"directory", [&] { std::filesystem::create_directory(plik); }},
        {"fifo", [&] { ASSERT_EQ(mkfifo(plik.c_str(), 0600), 0); }},
        {"link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", plik); }},
        {"oversized file",
         [&] {
             testy::ZapiszPlik(plik, "[GWARANCJA]\nIleNad=7\n");
             std::filesystem::resize_file(plik, MaxRozmiarUstawien + 1);
         }},
    };
    for (const auto& [opis, utworz] : rodzaje) {
        SCOPED_TRACE(opis);
        utworz();
        const auto rodzaj = std::filesystem::symlink_status(plik).type();
        TParametry parametry = Inne();
        CzytajUstawienia(parametry);
        EXPECT_EQ(parametry, TParametry{});
        ZapiszUstawienia(Inne());
        EXPECT_EQ(std::filesystem::symlink_status(plik).type(), rodzaj);
        std::filesystem::remove(plik);
    }
}

TEST_F(TUstawieniaTest, OknoMaTrzyZakladkiIPolaZWartosciamiRekordu)
{
    TParametry parametry = Inne();
    TfrmUstawienia okno(parametry);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Ustawienia"));
    ASSERT_EQ(okno.Zakladki()->Ile(), 3);

    QStringList napisy;
    for (const QToolButton* zakladka : okno.Zakladki()->findChildren<QToolButton*>())
        napisy << zakladka->text();
    EXPECT_EQ(napisy, (QStringList{QStringLiteral("Ogolne"), Tekst(TTekst::Statystyka), QStringLiteral("Gwarancja")}));
    EXPECT_EQ(Tekst(TTekst::Statystyka), QStringLiteral("Statystyka"));

    for (const TPoleLiczby& pole : PolaLiczb) {
        SCOPED_TRACE(pole.Nazwa);
        const QSpinBox* liczba = Liczba(okno, pole.Nazwa);
        ASSERT_NE(liczba, nullptr);
        EXPECT_EQ(liczba->value(), parametry.*pole.Pole);
        EXPECT_EQ(liczba->minimum(), pole.Zakres.Min);
        EXPECT_EQ(liczba->maximum(), pole.Zakres.Max);
    }
    for (const TPoleWyboru& pole : PolaWyboru) {
        SCOPED_TRACE(pole.Nazwa);
        const QCheckBox* wybor = Wybor(okno, pole.Nazwa);
        ASSERT_NE(wybor, nullptr);
        EXPECT_EQ(wybor->isChecked(), parametry.*pole.Pole);
        EXPECT_EQ(wybor->text(), Tekst(pole.Napis));
    }
    // The statistics fields on their tab, the guarantee fields on theirs.
    EXPECT_TRUE(okno.Zakladki()->Strona(TfrmUstawienia::ZakladkaStatystyka)->isAncestorOf(Liczba(okno, "Spin1")));
    EXPECT_TRUE(okno.Zakladki()->Strona(TfrmUstawienia::ZakladkaGwarancja)->isAncestorOf(Liczba(okno, "spIlePod")));
    EXPECT_EQ(Przycisk(okno, "btnOK")->text(), Tekst(TTekst::OK));
    EXPECT_EQ(Przycisk(okno, "btnAnuluj")->text(), Tekst(TTekst::Anuluj));
}

TEST_F(TUstawieniaTest, ZaznaczeniePolaWyboruWylaczaJegoPoleLiczby)
{
    for (const bool naPoczatku : {false, true}) {
        TParametry parametry;
        parametry.CBox1 = naPoczatku;
        parametry.MinMax = naPoczatku;
        TfrmUstawienia okno(parametry);
        for (const TPoleWyboru& pole : PolaWyboru) {
            SCOPED_TRACE(std::string(pole.Nazwa) + (naPoczatku ? " zaznaczone" : " puste"));
            QCheckBox* wybor = Wybor(okno, pole.Nazwa);
            const QSpinBox* liczba = Liczba(okno, pole.Wylaczane);
            ASSERT_NE(wybor, nullptr);
            ASSERT_NE(liczba, nullptr);
            EXPECT_EQ(liczba->isEnabled(), !naPoczatku);
            wybor->click();
            EXPECT_EQ(liczba->isEnabled(), naPoczatku);
            wybor->click();
            EXPECT_EQ(liczba->isEnabled(), !naPoczatku);
        }
    }
}

// Every control moved away from the values Inne() gives it.
void ZmienWszystko(const TfrmUstawienia& okno)
{
    Liczba(okno, "Spin1")->setValue(4321);
    Liczba(okno, "Spin11")->setValue(3);
    Liczba(okno, "spIleNad")->setValue(99'999);
    Liczba(okno, "spIlePod")->setValue(1);
    Wybor(okno, "CBox1")->setChecked(false);
    Wybor(okno, "cbMinMax")->setChecked(true);
}

TEST_F(TUstawieniaTest, AnulujNieZmieniaRekorduAniMagazynu)
{
    const TParametry poczatkowe = Inne();
    for (const bool magazynIstnieje : {false, true}) {
        SCOPED_TRACE(magazynIstnieje);
        QFile::remove(PlikUstawien());
        if (magazynIstnieje)
            ZapiszUstawienia(poczatkowe);
        const QByteArray przed = CzytajSurowy();

        TParametry parametry = poczatkowe;
        TfrmUstawienia okno(parametry);
        ZmienWszystko(okno);
        Przycisk(okno, "btnAnuluj")->click();

        EXPECT_EQ(okno.result(), QDialog::Rejected);
        EXPECT_EQ(parametry, poczatkowe);
        EXPECT_EQ(QFile::exists(PlikUstawien()), magazynIstnieje);
        EXPECT_EQ(CzytajSurowy(), przed);
    }
}

TEST_F(TUstawieniaTest, OKZapisujePolaDoRekorduIMagazynu)
{
    TParametry parametry = Inne();
    TfrmUstawienia okno(parametry);
    ZmienWszystko(okno);
    Przycisk(okno, "btnOK")->click();

    EXPECT_EQ(okno.result(), QDialog::Accepted);
    TParametry oczekiwane = Inne(); // the program path is carried through unchanged
    oczekiwane.Spin1 = 4321;
    oczekiwane.Spin11 = 3;
    oczekiwane.IleNad = 99'999;
    oczekiwane.IlePod = 1;
    oczekiwane.CBox1 = false;
    oczekiwane.MinMax = true;
    EXPECT_EQ(parametry, oczekiwane);

    TParametry zMagazynu;
    CzytajUstawienia(zMagazynu);
    EXPECT_EQ(zMagazynu, oczekiwane);
}

} // namespace
} // namespace tarvomund
