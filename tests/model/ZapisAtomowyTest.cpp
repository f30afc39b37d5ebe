#include "model/ZapisAtomowy.h"

#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

// The names in a directory, so that a test sees every file a writer left behind.
std::set<std::string> Zawartosc(const fs::path& katalog)
{
    std::set<std::string> nazwy;
    for (const auto& wpis : fs::directory_iterator(katalog))
        nazwy.insert(wpis.path().filename().string());
    return nazwy;
}

TEST(ZapisAtomowy, ZastepujePlikIZachowujePrawa)
{
    TKatalogTymczasowy katalog;
    const std::string cel = katalog.Plik("system.ss2");
    ZapiszPlik(cel, "stary");
    fs::permissions(cel, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TZapisAtomowy zapis(cel);
    ASSERT_TRUE(zapis.Otwarty());
    zapis.Pisz("nowy ");
    zapis.Pisz("system");
    zapis.PiszNa(0, "N");
    // The old file stays whole until the writer is done.
    EXPECT_EQ(CzytajPlik(cel), "stary");
    ASSERT_TRUE(zapis.Zatwierdz());
    EXPECT_EQ(CzytajPlik(cel), "Nowy system");
    EXPECT_EQ(fs::status(cel).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Zawartosc(katalog.Sciezka()), std::set<std::string>{"system.ss2"});
}

TEST(ZapisAtomowy, DwaZapisyTegoSamegoPlikuSieNieMieszaja)
{
    TKatalogTymczasowy katalog;
    const std::string cel = katalog.Plik("wynik.ss2");
    TZapisAtomowy pierwszy(cel);
    TZapisAtomowy drugi(cel);
    ASSERT_TRUE(pierwszy.Otwarty());
    ASSERT_TRUE(drugi.Otwarty());
    EXPECT_NE(pierwszy.PlikTymczasowy(), drugi.PlikTymczasowy());
    pierwszy.Pisz("zaklady pierwszego");
    drugi.Pisz("drugiego");
    ASSERT_TRUE(drugi.Zatwierdz());
    EXPECT_EQ(CzytajPlik(cel), "drugiego");
    // The later one wins, whole; each reports the content it really left.
    ASSERT_TRUE(pierwszy.Zatwierdz());
    EXPECT_EQ(CzytajPlik(cel), "zaklady pierwszego");
    EXPECT_EQ(Zawartosc(katalog.Sciezka()), std::set<std::string>{"wynik.ss2"});
}

TEST(ZapisAtomowy, CudzyPlikOPodobnejNazwieZostaje)
{
    TKatalogTymczasowy katalog;
    const std::string cel = katalog.Plik("OUT.ss2");
    for (const char* nazwa : {"OUT.ss2.tmp~", ".OUT.ss2.tmp", "OUT.ss2~"})
        ZapiszPlik(katalog.Plik(nazwa), std::string("plik użytkownika ") + nazwa);
    EXPECT_TRUE(ZapiszPlikAtomowo(cel, "system"));
    {
        TZapisAtomowy porzucony(cel);
        porzucony.Pisz("nigdy");
    }
    EXPECT_EQ(CzytajPlik(cel), "system");
    for (const char* nazwa : {"OUT.ss2.tmp~", ".OUT.ss2.tmp", "OUT.ss2~"})
        EXPECT_EQ(CzytajPlik(katalog.Plik(nazwa)), std::string("plik użytkownika ") + nazwa);
    EXPECT_EQ(Zawartosc(katalog.Sciezka()).size(), 4u);
}

TEST(ZapisAtomowy, NajdluzszaNazwaPliku)
{
    TKatalogTymczasowy katalog;
    const std::string cel = katalog.Plik(std::string(251, 'a') + ".ss2");
    ASSERT_TRUE(ZapiszPlikAtomowo(cel, "system"));
    EXPECT_EQ(CzytajPlik(cel), "system");
    EXPECT_EQ(Zawartosc(katalog.Sciezka()).size(), 1u);
}

TEST(ZapisAtomowy, LaczeZostajeAZapisTrafiaDoPliku)
{
    TKatalogTymczasowy katalog;
    fs::create_directory(katalog.Sciezka() / "gdzie");
    const std::string prawdziwy = katalog.Plik("gdzie/system.ss2");
    ZapiszPlik(prawdziwy, "stary");
    const std::string lacze = katalog.Plik("lacze.ss2");
    fs::create_symlink(prawdziwy, lacze);
    ASSERT_TRUE(ZapiszPlikAtomowo(lacze, "nowy"));
    EXPECT_TRUE(fs::is_symlink(lacze));
    EXPECT_EQ(CzytajPlik(prawdziwy), "nowy");
    EXPECT_EQ(Zawartosc(katalog.Sciezka() / "gdzie"), std::set<std::string>{"system.ss2"});
}

// Anything but a plain file is left as it is, and no temporary file stays behind.
TEST(ZapisAtomowy, NieZastepujeNiczegoCoNieJestZwyklymPlikiem)
{
    TKatalogTymczasowy katalog;
    const std::string fifo = katalog.Plik("kolejka.ss2");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string podkatalog = katalog.Plik("katalog.ss2");
    fs::create_directory(podkatalog);
    const std::string laczeDoFifo = katalog.Plik("lacze.ss2");
    fs::create_symlink(fifo, laczeDoFifo);
    const std::string wiszace = katalog.Plik("wiszace.ss2");
    fs::create_symlink(katalog.Plik("nie-ma/x.ss2"), wiszace);
    for (const std::string& cel : {fifo, podkatalog, laczeDoFifo, wiszace, katalog.Plik("nie-ma/y.ss2")}) {
        SCOPED_TRACE(cel);
        TZapisAtomowy zapis(cel);
        zapis.Pisz("system");
        EXPECT_FALSE(zapis.Zatwierdz());
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(podkatalog));
    EXPECT_TRUE(fs::is_symlink(laczeDoFifo));
    EXPECT_TRUE(fs::is_symlink(wiszace));
    EXPECT_EQ(Zawartosc(katalog.Sciezka()),
              (std::set<std::string>{"kolejka.ss2", "katalog.ss2", "lacze.ss2", "wiszace.ss2"}));
}

TEST(ZapisAtomowy, CelZamienionyWTrakcieNaKatalogNieTraciDanych)
{
    TKatalogTymczasowy katalog;
    const std::string cel = katalog.Plik("system.ss2");
    TZapisAtomowy zapis(cel);
    ASSERT_TRUE(zapis.Otwarty());
    zapis.Pisz("system");
    fs::create_directory(cel);
    ZapiszPlik(katalog.Plik("system.ss2/wazny"), "dane");
    EXPECT_FALSE(zapis.Zatwierdz());
    EXPECT_EQ(CzytajPlik(katalog.Plik("system.ss2/wazny")), "dane");
    EXPECT_EQ(Zawartosc(katalog.Sciezka()), std::set<std::string>{"system.ss2"});
}

} // namespace
} // namespace tarvomund
