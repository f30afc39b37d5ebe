#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "group/PlikGrupy.h"
#include "wspolne/GrupyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

namespace tarvomund::cli {
namespace {

using testy::GraGrupy;
using testy::Grupa;
using testy::TKatalogTymczasowy;
using testy::TWynikPolecenia;
using testy::ZapiszPlik;

class PoleceniaGrupyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const TGrupa grupa = Grupa({"Adam", "Bożena", "Cyryl"},
                                   {GraGrupy(37023, "Duży Lotek", 100, 0, {{0, 50}, {1, 50}}),
                                    GraGrupy(37025, "Keno", 1200, 5000, {{1, 25}, {2, 75}})});
        ASSERT_TRUE(ZapiszGrupe(plik_, grupa));
    }

    // The group commands need no data directory.
    TWynikPolecenia Uruchom(const std::vector<std::string>& argumenty)
    {
        return testy::UruchomCli(argumenty, katalog_.Plik("nie-ma"));
    }

    TKatalogTymczasowy katalog_;
    std::string plik_ = katalog_.Plik("grupa.gr2");
};

TEST_F(PoleceniaGrupyTest, GroupWypisujeListeGierISumy)
{
    const TWynikPolecenia wynik = Uruchom({"group", plik_});
    EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "L.p.\tData\tNazwa gry\tKoszty\tWygrana\tBilans\n"
                             "1\tSo 12.05.2001\tDuży Lotek\t     100,00\t       0,00\t    -100,00\n"
                             "2\tPn 14.05.2001\tKeno\t    1200,00\t    5000,00\t    3800,00\n"
                             "\t\t\t    1300,00\t    5000,00\t    3700,00\n");
}

TEST_F(PoleceniaGrupyTest, SettleDlaWszystkichIDlaJednego)
{
    const TWynikPolecenia wszyscy = Uruchom({"settle", plik_});
    EXPECT_EQ(wszyscy.Kod, KodSukces) << wszyscy.Bledy;
    EXPECT_EQ(wszyscy.Wyjscie,
              "Data\tNazwa gry\tNazwisko grającego\tKoszty\t%\tWygrana\tBilans\n"
              "So 12.05.2001\tDuży Lotek\tAdam\t      50,00\t 50,00\t       0,00\t     -50,00\n"
              "So 12.05.2001\tDuży Lotek\tBożena\t      50,00\t 50,00\t       0,00\t     -50,00\n"
              "Pn 14.05.2001\tKeno\tBożena\t     300,00\t 25,00\t   1 250,00\t+     950,00\n"
              "Pn 14.05.2001\tKeno\tCyryl\t     900,00\t 75,00\t   3 750,00\t+   2 850,00\n"
              "\t\t\t   1 300,00\t\t   5 000,00\t+   3 700,00\n");

    const TWynikPolecenia bozena = Uruchom({"settle", plik_, "--player", "Bożena"});
    EXPECT_EQ(bozena.Kod, KodSukces);
    EXPECT_EQ(bozena.Wyjscie, "Data\tNazwa gry\tNazwisko grającego\tKoszty\t%\tWygrana\tBilans\n"
                              "So 12.05.2001\tDuży Lotek\tBożena\t      50,00\t 50,00\t       0,00\t     -50,00\n"
                              "Pn 14.05.2001\tKeno\tBożena\t     300,00\t 25,00\t   1 250,00\t+     950,00\n"
                              "\t\t\t     350,00\t\t   1 250,00\t+     900,00\n");

    // A participant of no game: no rows and no computed totals.
    TGrupa grupa = *CzytajGrupe(plik_);
    grupa.Naglowek.Nazwiska[3] = "Dawid";
    ASSERT_TRUE(ZapiszGrupe(plik_, grupa));
    EXPECT_EQ(Uruchom({"settle", "--player", "Dawid", plik_}).Wyjscie,
              "Data\tNazwa gry\tNazwisko grającego\tKoszty\t%\tWygrana\tBilans\n\t\t\t\t\t\t\n");
}

TEST_F(PoleceniaGrupyTest, BledyUzyciaIDanych)
{
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
        const char* Komunikat;
    };
    const std::string krotki = katalog_.Plik("krotki.gr2");
    ZapiszPlik(krotki, std::string(1554, '\0'));
    std::string zaDuzo(1555, '\0');
    zaDuzo[0] = 1; // one game announced, none there
    const std::string pusty = katalog_.Plik("bez-gier.gr2");
    ZapiszPlik(pusty, zaDuzo);
    std::string dlugieNazwisko(1555, '\0');
    dlugieNazwisko[5] = 31; // a name longer than its 30-character field
    const std::string zlaNazwa = katalog_.Plik("nazwa.gr2");
    ZapiszPlik(zlaNazwa, dlugieNazwisko);

    const TPrzypadek przypadki[] = {
        {{"group"}, KodBladUzycia, "wrong number of arguments"},
        {{"group", plik_, plik_}, KodBladUzycia, "wrong number of arguments"},
        {{"settle", plik_, "--gracz", "Adam"}, KodBladUzycia, "unknown option --gracz"},
        {{"settle", plik_, "--player"}, KodBladUzycia, "--player needs a value"},
        {{"settle", plik_, "--player", "Nikt"}, KodBladUzycia, "no participant named \"Nikt\""},
        {{"group", katalog_.Plik("nie-ma.gr2")}, KodBladDanych, "cannot be opened"},
        {{"group", krotki}, KodBladDanych, "shorter than its header"},
        {{"settle", pusty}, KodBladDanych, "shorter than its header"},
        {{"settle", zlaNazwa}, KodBladDanych, "a name longer than its field"},
    };
    for (const TPrzypadek& p : przypadki) {
        const TWynikPolecenia wynik = Uruchom(p.Argumenty);
        EXPECT_EQ(wynik.Kod, p.Kod) << p.Komunikat;
        EXPECT_NE(wynik.Bledy.find(p.Komunikat), std::string::npos) << wynik.Bledy;
        EXPECT_TRUE(wynik.Wyjscie.empty()) << p.Komunikat;
    }
}

} // namespace
} // namespace tarvomund::cli
