#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "model/Daty.h"
#include "model/PlikGry.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund::cli {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

using TWynik = testy::TWynikPolecenia;

// One game of three numbers out of 42 with one draw, and the text lists the tests write beside it.
class PoleceniaLosowan : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(Dane());
        TObGraLista gra;
        gra.Id = 1;
        gra.KodGry = 1;
        gra.Nazwa = "Łatwy lotek";
        gra.Plik = (Dane() / "a.pl2").string();
        gra.IleLiczb = 42;
        gra.IleLosowanych = 3;
        TObLos los;
        los.Data = DniZDaty({2001, 5, 12});
        los.Liczby[0] = 40;
        los.Liczby[1] = 2;
        los.Liczby[2] = 17;
        gra.Losowania = {los};
        ASSERT_TRUE(UtworzPlikGry(gra));
        plikGry_ = gra.Plik;
    }

    std::filesystem::path Dane() const { return katalog_.Sciezka() / "Dane"; }

    TWynik Uruchom(const std::vector<std::string>& argumenty) { return testy::UruchomCli(argumenty, Dane().string()); }

    std::string Lista(const std::string& tekst)
    {
        const std::string plik = katalog_.Plik("lista" + std::to_string(++list_) + ".txt");
        ZapiszPlik(plik, tekst);
        return plik;
    }

    // The game's draws as the draws command shows them, without the name and the empty line.
    std::string Losowania()
    {
        const std::string tekst = Uruchom({"draws", "0"}).Wyjscie;
        return tekst.substr(tekst.find("\n\n") + 2);
    }

    TKatalogTymczasowy katalog_;
    std::string plikGry_;
    int list_ = 0;
};

TEST_F(PoleceniaLosowan, ExportPiszeWindows1250ZCrLfIZastepujePlik)
{
    const std::string plik = Lista("stara zawartość, dłuższa niż nowa ......................................");
    const TWynik wynik = Uruchom({"export", "Łatwy lotek", plik});
    EXPECT_EQ(wynik.Kod, KodSukces);
    EXPECT_EQ(wynik.Wyjscie, "draws: 1\n");
    EXPECT_EQ(CzytajPlik(plik), "\xA3" "atwy lotek\r\n\r\n1. 12.05.2001 40,2,17\r\n");

    const TWynik blad = Uruchom({"export", "0", katalog_.Sciezka().string()});
    EXPECT_EQ(blad.Kod, KodBladDanych);
    EXPECT_TRUE(blad.Wyjscie.empty());
    EXPECT_NE(blad.Bledy.find("cannot write"), std::string::npos);
}

TEST_F(PoleceniaLosowan, ImportWlasnegoEksportuDajeTeSameLosowania)
{
    const std::string plik = katalog_.Plik("eksport.txt");
    ASSERT_EQ(Uruchom({"export", "0", plik}).Kod, KodSukces);
    const std::string przed = Losowania();
    // Into an empty game of the same shape: the header lines are skipped, the draw comes back sorted.
    TObGraLista pusta = *WczytajPlikGry(plikGry_);
    pusta.Nazwa = "Pusta";
    pusta.Plik = (Dane() / "b.pl2").string();
    pusta.Losowania.clear();
    ASSERT_TRUE(UtworzPlikGry(pusta));
    const TWynik wynik = Uruchom({"import", "Pusta", plik, "--numbered"});
    EXPECT_EQ(wynik.Kod, KodSukces);
    EXPECT_EQ(wynik.Wyjscie, "imported 1, replaced 0, skipped 2\n");
    EXPECT_EQ(Uruchom({"draws", "Pusta"}).Wyjscie, "Pusta\n\n1. 12.05.2001 2,17,40\n");
    EXPECT_EQ(Losowania(), przed);
}

TEST_F(PoleceniaLosowan, ImportZOpcjami)
{
    const std::string lista = Lista("Wyniki\n"
                                    "1;13.05.2001;1;2;3\n"
                                    "2;14.05.2001;4;5;60\n"
                                    "\n"
                                    "3;12.05.2001;9;8;7\n");
    struct TPrzypadek {
        std::vector<std::string> Opcje;
        std::string Wyjscie;
        std::string Losowania;
    };
    const std::vector<TPrzypadek> przypadki{
        {{"--numbered", "--verbose"},
         "1\t5\tWyniki\n3\t2\t2;14.05.2001;4;5;60\n4\t5\t\nimported 2, replaced 0, skipped 3\n",
         "1. 12.05.2001 40,2,17\n2. 12.05.2001 7,8,9\n3. 13.05.2001 1,2,3\n"},
        {{"--numbered", "--replace"}, "imported 1, replaced 1, skipped 3\n",
         "1. 12.05.2001 7,8,9\n2. 13.05.2001 1,2,3\n"},
        {{"--numbered", "--start", "3"}, "imported 1, replaced 0, skipped 2\n",
         "1. 12.05.2001 40,2,17\n2. 12.05.2001 7,8,9\n"},
        // Without the running number its field is taken for the date.
        {{}, "imported 0, replaced 0, skipped 5\n", "1. 12.05.2001 40,2,17\n"},
        {{"--numbered", "--dry-run"}, "imported 2, replaced 0, skipped 3\n", "1. 12.05.2001 40,2,17\n"},
    };
    for (const TPrzypadek& p : przypadki) {
        const std::string plikPrzed = CzytajPlik(plikGry_);
        std::vector<std::string> argumenty{"import", "0", lista};
        argumenty.insert(argumenty.end(), p.Opcje.begin(), p.Opcje.end());
        const TWynik wynik = Uruchom(argumenty);
        const std::string opis = ::testing::PrintToString(p.Opcje);
        EXPECT_EQ(wynik.Kod, KodSukces) << opis << wynik.Bledy;
        EXPECT_EQ(wynik.Wyjscie, p.Wyjscie) << opis;
        EXPECT_EQ(Losowania(), p.Losowania) << opis;
        ZapiszPlik(plikGry_, plikPrzed);
    }
}

TEST_F(PoleceniaLosowan, ImportKolejnoscDatySeparatoryIPola)
{
    struct TPrzypadek {
        std::string Tekst;
        std::vector<std::string> Opcje;
        std::string Wyjscie;
    };
    const std::vector<TPrzypadek> przypadki{
        {"2001-05-13 1 2 3\n", {"--date", "RMD"}, "imported 1, replaced 0, skipped 0\n"},
        {"2001-05-13 1 2 3\n", {}, "imported 0, replaced 0, skipped 1\n"},
        {"13.05.2001,1,2,3\n", {"--separators", "comma"}, "imported 0, replaced 0, skipped 1\n"},
        {"13.05.2001,1,2,3,\n", {"--separators", "comma"}, "imported 1, replaced 0, skipped 0\n"},
        {"13.05.2001|1|2|3\n", {"--other", "|"}, "imported 1, replaced 0, skipped 0\n"},
        // A full stop as separator cuts a dotted date apart too.
        {"13.05.2001 1.2.3\n", {"--separators", "space,dot"}, "imported 0, replaced 0, skipped 1\n"},
        {"2001-05-13 1.2.3\n", {"--separators", "space,dot", "--date", "RMD"}, "imported 1, replaced 0, skipped 0\n"},
        {"13.05.2001,,1,2,3\n", {}, "imported 1, replaced 0, skipped 0\n"},
        {"13.05.2001,,1,2,3\n", {"--no-merge"}, "imported 0, replaced 0, skipped 1\n"},
        {"\xEF\xBB\xBF" "Środa 13.05.2001 1 2 3\r\n", {}, "imported 1, replaced 0, skipped 0\n"},
    };
    for (const TPrzypadek& p : przypadki) {
        const std::string plikPrzed = CzytajPlik(plikGry_);
        std::vector<std::string> argumenty{"import", "0", Lista(p.Tekst), "--dry-run"};
        argumenty.insert(argumenty.end(), p.Opcje.begin(), p.Opcje.end());
        const TWynik wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodSukces) << p.Tekst << wynik.Bledy;
        EXPECT_EQ(wynik.Wyjscie, p.Wyjscie) << p.Tekst << ::testing::PrintToString(p.Opcje);
        EXPECT_EQ(CzytajPlik(plikGry_), plikPrzed) << p.Tekst;
    }
}

TEST_F(PoleceniaLosowan, BledyUzyciaIDanych)
{
    const std::string lista = Lista("13.05.2001 1 2 3\n");
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
    };
    const std::vector<TPrzypadek> przypadki{
        {{"export", "0"}, KodBladUzycia},
        {{"export", "7", katalog_.Plik("x.txt")}, KodBladUzycia},
        {{"import", "0"}, KodBladUzycia},
        {{"import", "Nie ma", lista}, KodBladUzycia},
        {{"import", "0", lista, "--date", "XYZ"}, KodBladUzycia},
        {{"import", "0", lista, "--separators", "tab,pipe"}, KodBladUzycia},
        {{"import", "0", lista, "--start", "0"}, KodBladUzycia},
        {{"import", "0", lista, "--start", "x"}, KodBladUzycia},
        {{"import", "0", lista, "--other", "ab"}, KodBladUzycia},
        {{"import", "0", lista, "--replace", "--replace"}, KodBladUzycia},
        {{"import", "0", lista, "--bzdura"}, KodBladUzycia},
        {{"import", "0", katalog_.Plik("brak.txt")}, KodBladDanych},
        {{"import", "0", katalog_.Sciezka().string()}, KodBladDanych},
    };
    const std::string plikPrzed = CzytajPlik(plikGry_);
    for (const auto& p : przypadki) {
        const TWynik wynik = Uruchom(p.Argumenty);
        EXPECT_EQ(wynik.Kod, p.Kod) << ::testing::PrintToString(p.Argumenty);
        EXPECT_TRUE(wynik.Wyjscie.empty()) << ::testing::PrintToString(p.Argumenty);
        EXPECT_FALSE(wynik.Bledy.empty()) << ::testing::PrintToString(p.Argumenty);
    }
    EXPECT_EQ(CzytajPlik(plikGry_), plikPrzed);
    EXPECT_FALSE(std::filesystem::exists(katalog_.Plik("x.txt")));
}

} // namespace
} // namespace tarvomund::cli
