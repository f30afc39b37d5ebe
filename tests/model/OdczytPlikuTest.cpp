#include "model/KatalogGier.h"
#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "model/UstawieniaIni.h"
#include "model/Wspolne.h"
#include "systems/TGenGwar01.h"
#include "tools/PlikKolekcji.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::TKatalogTymczasowy;

// What a user's path may be besides a plain file: each must be refused (or read as defaults) at
// once, never wait for a writer, read without end or throw.
enum class TRodzajSciezki { Katalog, Fifo, LaczeDoZer, WielkiRzadki };

struct TSciezkaSpecjalna {
    const char* Nazwa;
    TRodzajSciezki Rodzaj;
};

// A sparse file far beyond what a settings or collection file can be.
constexpr uintmax_t RozmiarWielkiegoPliku = uintmax_t{64} << 20;

void Utworz(TRodzajSciezki rodzaj, const std::string& sciezka)
{
    switch (rodzaj) {
    case TRodzajSciezki::Katalog:
        fs::create_directory(sciezka);
        break;
    case TRodzajSciezki::Fifo:
        ASSERT_EQ(mkfifo(sciezka.c_str(), 0600), 0);
        break;
    case TRodzajSciezki::LaczeDoZer:
        fs::create_symlink("/dev/zero", sciezka);
        break;
    case TRodzajSciezki::WielkiRzadki:
        testy::ZapiszPlik(sciezka, "");
        fs::resize_file(sciezka, RozmiarWielkiegoPliku);
        break;
    }
}

// One reader of user files; `Odrzucony` is true when it refused the path or fell back to defaults.
struct TCzytnik {
    const char* Nazwa;
    std::function<bool(const std::string&)> Odrzucony;
};

std::vector<TCzytnik> Czytniki(const TKatalogTymczasowy& katalog)
{
    return {
        {"ustawienia", [](const std::string& p) { return CzytajUstawieniaIni(p) == TParametry{}; }},
        {"gra", [](const std::string& p) { return !WczytajPlikGry(p).has_value(); }},
        {"naglowekSystemu", [](const std::string& p) { return !CzytajNaglowekSystemu(p).has_value(); }},
        {"czytnikSystemu", [](const std::string& p) { return !TCzytnikSystemu(p).Otwarty(); }},
        {"systemGwarancji", [](const std::string& p) { return !WczytajSystemGwarancji(p, nullptr).has_value(); }},
        {"drzewoKolekcji", [](const std::string& p) { return !WczytajDrzewoKolekcji(p).has_value(); }},
        {"liczbyKolekcji", [](const std::string& p) { return WczytajLiczbyKolekcji(p).empty(); }},
        {"kopiaPliku", [&katalog](const std::string& p) { return !KopiujPlik(p, katalog.Plik("kopia.ss2")); }},
    };
}

class SciezkaSpecjalnaTest : public ::testing::TestWithParam<TSciezkaSpecjalna> {};

TEST_P(SciezkaSpecjalnaTest, CzytnikiOdmawiajaOdRazu)
{
    TKatalogTymczasowy katalog;
    const std::string sciezka = katalog.Plik("specjalny.pl2");
    Utworz(GetParam().Rodzaj, sciezka);
    for (const TCzytnik& czytnik : Czytniki(katalog)) {
        // A system file may be as big as it likes: only its copy reads a large plain file through.
        const bool kopiaWielkiego =
            GetParam().Rodzaj == TRodzajSciezki::WielkiRzadki && std::string(czytnik.Nazwa) == "kopiaPliku";
        bool odrzucony = false;
        EXPECT_NO_THROW(odrzucony = czytnik.Odrzucony(sciezka)) << czytnik.Nazwa;
        EXPECT_EQ(odrzucony, !kopiaWielkiego) << czytnik.Nazwa;
    }
    // The catalogue leaves the entry out and goes on.
    EXPECT_TRUE(TKatalogGier::WczytajGry(katalog.Sciezka().string()).Pusty());
    // Nothing replaced what the user had there.
    std::error_code blad;
    EXPECT_EQ(fs::is_symlink(sciezka, blad), GetParam().Rodzaj == TRodzajSciezki::LaczeDoZer);
}

INSTANTIATE_TEST_SUITE_P(Sciezki, SciezkaSpecjalnaTest,
                         ::testing::Values(TSciezkaSpecjalna{"Katalog", TRodzajSciezki::Katalog},
                                           TSciezkaSpecjalna{"Fifo", TRodzajSciezki::Fifo},
                                           TSciezkaSpecjalna{"LaczeDoZer", TRodzajSciezki::LaczeDoZer},
                                           TSciezkaSpecjalna{"WielkiRzadki", TRodzajSciezki::WielkiRzadki}),
                         [](const auto& przypadek) { return std::string(przypadek.param.Nazwa); });

} // namespace
} // namespace tarvomund
