#include "draws/TEdycjaLosowan.h"

#include "model/Daty.h"
#include "model/PlikGry.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LimitZapisu.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;

TObLos Los(double data, uint8_t pierwsza)
{
    TObLos los;
    los.Data = data;
    for (uint8_t i = 0; i < 6; ++i)
        los.Liczby[i] = static_cast<uint8_t>(pierwsza + i);
    return los;
}

class EdycjaLosowan : public ::testing::Test {
protected:
    void SetUp() override
    {
        gra_.Id = 1;
        gra_.KodGry = 7;
        gra_.Nazwa = "Lotto 6 z 49";
        gra_.Plik = katalog_.Plik("lotto.pl2");
        gra_.IleLiczb = 49;
        gra_.IleLosowanych = 6;
        // Stored out of date order on purpose: reading back must keep the stored order.
        gra_.Losowania = {Los(37030, 1), Los(37020, 10), Los(37025, 20), Los(37040, 30), Los(37050, 40)};
        ASSERT_TRUE(UtworzPlikGry(gra_));
    }

    std::vector<double> Daty() const
    {
        std::vector<double> daty;
        for (const TObLos& los : gra_.Losowania)
            daty.push_back(los.Data);
        return daty;
    }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
};

TEST_F(EdycjaLosowan, DodaneSortujeListeIUstawiaZmieniono)
{
    TEdycjaLosowan edycja(gra_);
    EXPECT_FALSE(edycja.Zmieniono());
    EXPECT_EQ(edycja.Zakres(), TekstDaty(37030) + " <--> " + TekstDaty(37050));
    EXPECT_EQ(edycja.Dodaj(Los(37000, 5)), 0u);
    EXPECT_TRUE(edycja.Zmieniono());
    EXPECT_EQ(Daty(), (std::vector<double>{37000, 37020, 37025, 37030, 37040, 37050}));
    // A second draw of a date already there goes after it.
    EXPECT_EQ(edycja.Dodaj(Los(37025, 7)), 3u);
    EXPECT_EQ(gra_.Losowania[3].Liczby[0], 7);
    EXPECT_EQ(edycja.Zakres(), TekstDaty(37000) + " <--> " + TekstDaty(37050));
}

TEST_F(EdycjaLosowan, UsuwaDokladnieZaznaczoneIPomijaWierszePozaLista)
{
    TEdycjaLosowan edycja(gra_);
    EXPECT_EQ(edycja.Usun(1, 3), 3u);
    EXPECT_EQ(Daty(), (std::vector<double>{37030, 37050}));
    EXPECT_EQ(edycja.Usun(1, 40), 1u);
    EXPECT_EQ(edycja.Usun(5, 9), 0u);
    EXPECT_EQ(Daty(), (std::vector<double>{37030}));
    EXPECT_TRUE(edycja.Zmieniono());
}

TEST_F(EdycjaLosowan, PoprawZmieniaTylkoLiczby)
{
    TEdycjaLosowan edycja(gra_);
    EXPECT_FALSE(edycja.Popraw(5, Los(0, 1).Liczby));
    EXPECT_FALSE(edycja.Zmieniono());
    EXPECT_TRUE(edycja.Popraw(2, Los(0, 44).Liczby));
    EXPECT_EQ(gra_.Losowania[2].Data, 37025);
    EXPECT_EQ(gra_.Losowania[2].Liczby, Los(0, 44).Liczby);
    EXPECT_TRUE(edycja.Zmieniono());
}

TEST_F(EdycjaLosowan, OdrzucWczytujeZPlikuWKolejnosciZapisu)
{
    const std::vector<double> zPliku = Daty();
    TEdycjaLosowan edycja(gra_);
    edycja.Dodaj(Los(36000, 1));
    edycja.Usun(2, 3);
    ASSERT_NE(Daty(), zPliku);
    EXPECT_TRUE(edycja.Odrzuc());
    EXPECT_EQ(Daty(), zPliku);
    EXPECT_FALSE(edycja.Zmieniono());
}

TEST_F(EdycjaLosowan, ZatwierdzZapisujeLosowaniaAZmieniaTylkoLicznik)
{
    const std::string przed = CzytajPlik(gra_.Plik);
    TEdycjaLosowan edycja(gra_);
    edycja.Dodaj(Los(36000, 1));
    ASSERT_TRUE(edycja.Zatwierdz());
    EXPECT_FALSE(edycja.Zmieniono());
    const std::string po = CzytajPlik(gra_.Plik);
    ASSERT_EQ(po.size(), 100u + 6u * 14u);
    EXPECT_EQ(po.substr(0, 8), przed.substr(0, 8));
    EXPECT_EQ(po.substr(12, 88), przed.substr(12, 88));
    const auto zapisane = WczytajPlikGry(gra_.Plik);
    ASSERT_TRUE(zapisane);
    ASSERT_EQ(zapisane->Losowania.size(), gra_.Losowania.size());
    for (std::size_t i = 0; i < gra_.Losowania.size(); ++i) {
        EXPECT_EQ(zapisane->Losowania[i].Data, gra_.Losowania[i].Data);
        EXPECT_EQ(zapisane->Losowania[i].Liczby, gra_.Losowania[i].Liczby);
    }
}

TEST_F(EdycjaLosowan, NieudanyZapisZostawiaStaryPlikIListe)
{
    const std::string przed = CzytajPlik(gra_.Plik);
    TEdycjaLosowan edycja(gra_);
    edycja.Dodaj(Los(36000, 1));
    const std::vector<double> wPamieci = Daty();
    // The new file cannot be written whole, as on a full disk.
    {
        const testy::TLimitZapisu pelnyDysk(DlugoscNaglowkaGry);
        EXPECT_FALSE(edycja.Zatwierdz());
    }
    EXPECT_TRUE(edycja.Zmieniono());
    EXPECT_EQ(CzytajPlik(gra_.Plik), przed);
    EXPECT_EQ(Daty(), wPamieci);

    // The file gone: "Anuluj" cannot read it back and leaves the list as it is.
    std::filesystem::remove(gra_.Plik);
    EXPECT_FALSE(edycja.Odrzuc());
    EXPECT_EQ(Daty(), wPamieci);
}

TEST_F(EdycjaLosowan, ImportBezZadnegoLosowaniaNieZmienia)
{
    TEdycjaLosowan edycja(gra_);
    TFormatowanie f;
    f.UstawSzerokosc(SzerokoscPola(true, false));
    f.UstawSeparatory(DomyslneSeparatory());
    f.UstawTekst("nic tu nie ma\n1.5.2001 1 2 3 4 5 6\n");
    const TUkladWiersza uklad = UkladDlaGry(gra_, false, true, TKolejnoscDaty::DMR);
    EXPECT_EQ(edycja.Importuj(f, uklad, false).Pominiete, 2u);
    EXPECT_FALSE(edycja.Zmieniono());
    f.UstawTekst("01.05.2001 1 2 3 4 5 6\n");
    EXPECT_EQ(edycja.Importuj(f, uklad, false).Dopisane, 1u);
    EXPECT_TRUE(edycja.Zmieniono());
    EXPECT_EQ(gra_.Losowania.front().Data, DniZDaty({2001, 5, 1}));
}

} // namespace
} // namespace tarvomund
