#include "model/MiejscaProgramu.h"

#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

// A prefix laid out as the installation lays it out, or a build directory with the help file beside
// the program, written by the test into its own directory.
class MiejscaProgramuTest : public ::testing::Test {
protected:
    fs::path Prefiks() const { return katalog_.Sciezka() / "usr"; }
    fs::path Program() const { return Prefiks() / "bin"; }
    fs::path Wspolny() const { return Prefiks() / "share" / "tarvomund"; }
    fs::path Uzytkownik() const { return katalog_.Sciezka() / "dom" / "Tarvomund"; }

    void Zainstaluj()
    {
        fs::create_directories(Program());
        fs::create_directories(Wspolny() / "Dane" / "podkatalog");
        ZapiszPlik((Wspolny() / "TARVOMUND.HLP").string(), "<html></html>");
        ZapiszPlik((Wspolny() / "Dane" / "lotto.pl2").string(), "gra lotto");
        ZapiszPlik((Wspolny() / "Dane" / "SOURCES.md").string(), "zrodla");
    }
    TMiejscaProgramu Miejsca() const { return UstalMiejsca(Program(), Uzytkownik()); }

    TKatalogTymczasowy katalog_;
};

TEST_F(MiejscaProgramuTest, UkladKatalogowRozstrzygaOInstalacji)
{
    struct TPrzypadek {
        const char* Opis;
        bool PomocObokProgramu;
        bool PomocWeWspolnym;
        bool Zainstalowany;
    };
    for (const TPrzypadek& p :
         {TPrzypadek{"build directory", true, false, false}, TPrzypadek{"installed", false, true, true},
          TPrzypadek{"build directory inside a prefix", true, true, false},
          TPrzypadek{"bare executable", false, false, false}}) {
        TKatalogTymczasowy katalog;
        const fs::path program = katalog.Sciezka() / "bin";
        const fs::path wspolny = katalog.Sciezka() / "share" / "tarvomund";
        fs::create_directories(program);
        fs::create_directories(wspolny);
        if (p.PomocObokProgramu)
            ZapiszPlik((program / "TARVOMUND.HLP").string(), "x");
        if (p.PomocWeWspolnym)
            ZapiszPlik((wspolny / "TARVOMUND.HLP").string(), "x");

        const TMiejscaProgramu m = UstalMiejsca(program, katalog.Sciezka() / "dom");
        EXPECT_EQ(m.Zainstalowany, p.Zainstalowany) << p.Opis;
        if (p.Zainstalowany) {
            EXPECT_EQ(m.KatalogWspolny, wspolny) << p.Opis;
            EXPECT_EQ(m.Dane(), katalog.Sciezka() / "dom" / "Dane") << p.Opis;
            EXPECT_EQ(m.PlikPomocy(), wspolny / "TARVOMUND.HLP") << p.Opis;
            EXPECT_EQ(m.PlikUstawien(), katalog.Sciezka() / "dom" / "Quorbane.ini") << p.Opis;
        } else {
            // Everything stays beside the program and the settings in the store's own place.
            EXPECT_EQ(m.Dane(), program / "Dane") << p.Opis;
            EXPECT_EQ(m.PlikPomocy(), program / "TARVOMUND.HLP") << p.Opis;
            EXPECT_TRUE(m.PlikUstawien().empty()) << p.Opis;
        }
    }
}

TEST_F(MiejscaProgramuTest, PierwszyStartZasiewaDanePrzykladami)
{
    Zainstaluj();
    const TMiejscaProgramu m = Miejsca();
    ASSERT_TRUE(m.Zainstalowany);
    EXPECT_EQ(m.DaneDoOdczytu(), Wspolny() / "Dane");

    EXPECT_EQ(ZasiejDane(m), TZasiew::Zasiane);
    EXPECT_EQ(CzytajPlik((m.Dane() / "lotto.pl2").string()), "gra lotto");
    EXPECT_EQ(CzytajPlik((m.Dane() / "SOURCES.md").string()), "zrodla");
    EXPECT_FALSE(fs::exists(m.Dane() / "podkatalog"));
    EXPECT_EQ(m.DaneDoOdczytu(), m.Dane());
    // Nothing but Dane is left in the user's directory: the directory it was built in is gone.
    int wpisow = 0;
    for ([[maybe_unused]] const auto& wpis : fs::directory_iterator(Uzytkownik()))
        ++wpisow;
    EXPECT_EQ(wpisow, 1);

    // A later start leaves the user's games alone, even a sample game the user changed or deleted.
    ZapiszPlik((m.Dane() / "lotto.pl2").string(), "gra zmieniona");
    fs::remove(m.Dane() / "SOURCES.md");
    EXPECT_EQ(ZasiejDane(m), TZasiew::BylyDane);
    EXPECT_EQ(CzytajPlik((m.Dane() / "lotto.pl2").string()), "gra zmieniona");
    EXPECT_FALSE(fs::exists(m.Dane() / "SOURCES.md"));
}

TEST_F(MiejscaProgramuTest, IstniejacyPustyLubObcyDaneNieSaRuszane)
{
    Zainstaluj();
    const TMiejscaProgramu m = Miejsca();

    fs::create_directories(m.Dane());
    EXPECT_EQ(ZasiejDane(m), TZasiew::BylyDane);
    EXPECT_TRUE(fs::is_empty(m.Dane()));

    fs::remove(m.Dane());
    ZapiszPlik(m.Dane().string(), "to nie katalog");
    EXPECT_EQ(ZasiejDane(m), TZasiew::Blad);
    EXPECT_EQ(CzytajPlik(m.Dane().string()), "to nie katalog");
}

TEST_F(MiejscaProgramuTest, BezPrzykladowPowstajePustyKatalog)
{
    Zainstaluj();
    fs::remove_all(Wspolny() / "Dane");
    const TMiejscaProgramu m = Miejsca();
    EXPECT_EQ(ZasiejDane(m), TZasiew::Zasiane);
    EXPECT_TRUE(fs::is_directory(m.Dane()));
    EXPECT_TRUE(fs::is_empty(m.Dane()));
}

// Sets an environment variable for one scope and puts the old value back.
class TZmiennaSrodowiska {
public:
    TZmiennaSrodowiska(const char* nazwa, const char* wartosc) : nazwa_(nazwa)
    {
        if (const char* stara = std::getenv(nazwa))
            stara_ = stara;
        if (wartosc)
            ::setenv(nazwa, wartosc, 1);
        else
            ::unsetenv(nazwa);
    }
    ~TZmiennaSrodowiska()
    {
        if (stara_)
            ::setenv(nazwa_, stara_->c_str(), 1);
        else
            ::unsetenv(nazwa_);
    }

private:
    const char* nazwa_;
    std::optional<std::string> stara_;
};

TEST(KatalogDanychUzytkownika, ZXdgLubZDomu)
{
    TZmiennaSrodowiska dom("HOME", "/home/gracz");
    {
        TZmiennaSrodowiska xdg("XDG_DATA_HOME", "/dane/xdg");
        EXPECT_EQ(KatalogDanychUzytkownika(), fs::path("/dane/xdg/Tarvomund"));
    }
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "wzgledny/katalog"}) {
        TZmiennaSrodowiska zmienna("XDG_DATA_HOME", xdg);
        EXPECT_EQ(KatalogDanychUzytkownika(), fs::path("/home/gracz/.local/share/Tarvomund"))
            << (xdg ? xdg : "unset");
    }
}

} // namespace
} // namespace tarvomund
