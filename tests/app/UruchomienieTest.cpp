#include "app/Uruchomienie.h"
#include "app/Ustawienia.h"

#include "model/TParametry.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

QString Q(const fs::path& sciezka)
{
    return QString::fromStdString(sciezka.string());
}

TEST(Uruchomienie, PlikiZArgumentowJakoSciezkiBezwzgledne)
{
    const QString biezacy = QStringLiteral("/home/gracz/gry");
    struct TPrzypadek {
        QString Argument;
        QString Plik;
    };
    const TPrzypadek przypadki[] = {
        {QStringLiteral("system.ss2"), QStringLiteral("/home/gracz/gry/system.ss2")},
        {QStringLiteral("../inne/grupa.gr2"), QStringLiteral("/home/gracz/inne/grupa.gr2")},
        {QStringLiteral("/tmp/./kolekcja.k22"), QStringLiteral("/tmp/kolekcja.k22")},
        {QStringLiteral("file:///tmp/z%20odst%C4%99pem.st2"), QStringLiteral("/tmp/z odstępem.st2")},
        {QStringLiteral("zażółć.bln"), QStringLiteral("/home/gracz/gry/zażółć.bln")},
    };
    QStringList argumenty;
    QStringList oczekiwane;
    for (const TPrzypadek& p : przypadki) {
        EXPECT_EQ(PlikiZArgumentow({p.Argument}, biezacy), QStringList{p.Plik}) << p.Argument.toStdString();
        argumenty << p.Argument;
        oczekiwane << p.Plik;
    }
    // Several files keep their order; an empty argument names nothing.
    argumenty.insert(2, QString());
    EXPECT_EQ(PlikiZArgumentow(argumenty, biezacy), oczekiwane);
}

TEST(Uruchomienie, PomocIWersjaBezEkranu)
{
    struct TPrzypadek {
        std::vector<const char*> Argumenty;
        bool Pytanie;
    };
    for (const TPrzypadek& p :
         {TPrzypadek{{"tarvomund", "--help"}, true}, TPrzypadek{{"tarvomund", "-v"}, true},
          TPrzypadek{{"tarvomund", "a.ss2", "--version"}, true}, TPrzypadek{{"tarvomund", "a.ss2"}, false},
          TPrzypadek{{"tarvomund"}, false}, TPrzypadek{{"tarvomund", "--", "--help"}, false}}) {
        std::vector<char*> argv;
        for (const char* a : p.Argumenty)
            argv.push_back(const_cast<char*>(a));
        EXPECT_EQ(PytanieOPomocLubWersje(static_cast<int>(argv.size()), argv.data()), p.Pytanie)
            << p.Argumenty.back();
    }
}

// An installed layout written by the test: a prefix with the shipped files and a user's directory.
class TZainstalowanyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(Wspolny() / "Dane");
        fs::create_directories(Wspolny() / "translations");
        fs::create_directories(katalog_.Sciezka() / "usr" / "bin");
        ZapiszPlik((Wspolny() / "TARVOMUND.HLP").string(), "<html></html>");
        ZapiszPlik((Wspolny() / "Dane" / "lotto.pl2").string(), "gra");
        miejsca_ = UstalMiejsca(katalog_.Sciezka() / "usr" / "bin", katalog_.Sciezka() / "dom");
        ASSERT_TRUE(miejsca_.Zainstalowany);
    }
    void TearDown() override { UstawPlikUstawien(QString()); }

    fs::path Wspolny() const { return katalog_.Sciezka() / "usr" / "share" / "tarvomund"; }

    TKatalogTymczasowy katalog_;
    TMiejscaProgramu miejsca_;
};

TEST_F(TZainstalowanyTest, DaneIUstawieniaUUzytkownika)
{
    PrzygotujDaneUzytkownika(miejsca_);
    EXPECT_EQ(CzytajPlik((katalog_.Sciezka() / "dom" / "Dane" / "lotto.pl2").string()), "gra");
    // The settings and the recently opened files go to the file beside the games.
    EXPECT_EQ(QFileInfo(PlikUstawien()).absoluteFilePath(), Q(katalog_.Sciezka() / "dom" / "Quorbane.ini"));
    TParametry parametry;
    parametry.Spin11 = 7;
    ZapiszUstawienia(parametry);
    ZapiszOstatnioOtwierane({QStringLiteral("/gry/a.ss2")});
    const std::string zapisane = CzytajPlik((katalog_.Sciezka() / "dom" / "Quorbane.ini").string());
    EXPECT_NE(zapisane.find("Spin11=7"), std::string::npos) << zapisane;
    EXPECT_NE(zapisane.find("Plik1=/gry/a.ss2"), std::string::npos) << zapisane;
    TParametry odczytane;
    CzytajUstawienia(odczytane);
    EXPECT_EQ(odczytane.Spin11, 7);

    // A run from the build directory changes nothing of that.
    UstawPlikUstawien(QString());
    const TMiejscaProgramu przenosny = UstalMiejsca(katalog_.Sciezka() / "usr" / "share" / "tarvomund", {});
    ASSERT_FALSE(przenosny.Zainstalowany);
    PrzygotujDaneUzytkownika(przenosny);
    EXPECT_NE(QFileInfo(PlikUstawien()).absoluteFilePath(), Q(katalog_.Sciezka() / "dom" / "Quorbane.ini"));
}

TEST_F(TZainstalowanyTest, TlumaczeniaQtZKataloguProgramu)
{
    const QString systemowe = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString qtbase = QDir(systemowe).filePath(QStringLiteral("qtbase_pl.qm"));
    if (!QFile::exists(qtbase))
        GTEST_SKIP() << "no Polish Qt translation installed";
    EXPECT_EQ(KatalogTlumaczenQt(miejsca_), Q(miejsca_.Tlumaczenia()));
    EXPECT_EQ(KatalogTlumaczenQt(UstalMiejsca(Wspolny(), {})), systemowe);

    // An empty directory has nothing to load; with the shipped file the standard buttons speak Polish.
    EXPECT_FALSE(ZaladujTlumaczeniaQt(*QCoreApplication::instance(), KatalogTlumaczenQt(miejsca_)));
    ASSERT_TRUE(QFile::copy(qtbase, Q(miejsca_.Tlumaczenia() / "qtbase_pl.qm")));
    const auto przed = QCoreApplication::instance()->findChildren<QTranslator*>();
    ASSERT_TRUE(ZaladujTlumaczeniaQt(*QCoreApplication::instance(), KatalogTlumaczenQt(miejsca_)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
    for (QTranslator* tlumacz : QCoreApplication::instance()->findChildren<QTranslator*>())
        if (!przed.contains(tlumacz)) {
            QCoreApplication::removeTranslator(tlumacz);
            delete tlumacz;
        }
}

} // namespace
} // namespace tarvomund
