#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "slips/PlikBlankietu.h"
#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace tarvomund::cli {
namespace {

namespace fs = std::filesystem;
using testy::TKatalogTymczasowy;
using testy::TWynikPolecenia;
using testy::UruchomCli;

std::string Zawartosc(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(we), std::istreambuf_iterator<char>()};
}

// Page objects of a PDF, counted in the file itself rather than taken from the command's word.
int StronPdf(const std::string& plik)
{
    const std::string pdf = Zawartosc(plik);
    const std::regex strona(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), strona), std::sregex_iterator()));
}

class PoleceniaDrukuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 25 bets of 6 out of 49, the bets differing in their first number.
        std::vector<testy::TZakladTestowy> zaklady;
        for (int i = 0; i < 25; ++i)
            zaklady.push_back({i + 1, 26, 27, 28, 29, 30});
        TInfoGryRec info = testy::InfoSystemuLiczbowego(49, 6);
        info.Zakladow = 25;
        ASSERT_TRUE(testy::ZapiszSystemTestowy(Plik("s25.ss2"), info, zaklady));
        // Ten bet groups a slip: the system needs three slips.
        ASSERT_TRUE(ZapiszBlankiet(testy::BlankietLiczbowy(10, 49, 1), Plik("lotto.bln")));
    }

    std::string Plik(const char* nazwa) const { return katalog_.Plik(nazwa); }
    TWynikPolecenia Uruchom(const std::vector<std::string>& argumenty)
    {
        return UruchomCli(argumenty, katalog_.Sciezka().string());
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(PoleceniaDrukuTest, DrukujeBlankietyIListeDoPdf)
{
    struct TPrzypadek {
        std::vector<std::string> Opcje;
        int Stron;
    };
    const TPrzypadek przypadki[] = {
        {{"--slip", Plik("lotto.bln")}, 3},
        // Named without a path, the slip comes from the data directory.
        {{"--slip", "lotto.bln", "--from", "3", "--to", "3"}, 1},
        // A reversed range is turned round; slips past the system's last one are not printed.
        {{"--slip", "lotto.bln", "--from", "9", "--to", "2"}, 2},
        {{"--list"}, 1},
    };
    for (const TPrzypadek& p : przypadki) {
        const std::string wyjscie = Plik("wydruk.pdf");
        fs::remove(wyjscie);
        std::vector<std::string> argumenty{"print", Plik("s25.ss2")};
        argumenty.insert(argumenty.end(), p.Opcje.begin(), p.Opcje.end());
        argumenty.insert(argumenty.end(), {"-o", wyjscie});
        const TWynikPolecenia wynik = Uruchom(argumenty);
        ASSERT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
        EXPECT_EQ(wynik.Wyjscie, "pages: " + std::to_string(p.Stron) + "\n");
        EXPECT_EQ(Zawartosc(wyjscie).substr(0, 5), "%PDF-");
        EXPECT_EQ(StronPdf(wyjscie), p.Stron) << p.Opcje.front();
        EXPECT_FALSE(fs::exists(wyjscie + ".tmp"));
    }
}

TEST_F(PoleceniaDrukuTest, BledyNieZostawiajaPliku)
{
    ZapiszBlankiet(testy::BlankietLiczbowy(1, 20, 1), Plik("za-malo.bln"));
    testy::ZapiszPlik(Plik("uszkodzony.ss2"), std::string(40, '\x07'));
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
    };
    const std::string s25 = Plik("s25.ss2");
    const TPrzypadek przypadki[] = {
        {{"print", s25, "-o"}, KodBladUzycia},
        {{"print", s25, "--list", "--slip", "lotto.bln"}, KodBladUzycia},
        {{"print", s25}, KodBladUzycia},
        {{"print", s25, "--list", "--from", "2"}, KodBladUzycia},
        {{"print", s25, "--slip", "lotto.bln", "--from", "4"}, KodBladUzycia},
        {{"print", s25, "--slip", "lotto.bln", "--from", "x"}, KodBladUzycia},
        {{"print", Plik("brak.ss2"), "--list"}, KodBladDanych},
        {{"print", Plik("uszkodzony.ss2"), "--list"}, KodBladDanych},
        {{"print", s25, "--slip", "brak.bln"}, KodBladDanych},
        // Twenty fields cannot hold the numbers of a 49-number game.
        {{"print", s25, "--slip", "za-malo.bln"}, KodBladDanych},
    };
    const std::string wyjscie = Plik("nie.pdf");
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty = p.Argumenty;
        if (argumenty.back() != "-o")
            argumenty.insert(argumenty.end(), {"-o", wyjscie});
        const TWynikPolecenia wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, p.Kod) << argumenty[2] << " " << argumenty.back();
        EXPECT_FALSE(wynik.Bledy.empty());
        EXPECT_FALSE(fs::exists(wyjscie));
        EXPECT_FALSE(fs::exists(wyjscie + ".tmp"));
    }
}

} // namespace
} // namespace tarvomund::cli
