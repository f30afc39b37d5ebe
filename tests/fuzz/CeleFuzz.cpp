#include "CeleFuzz.h"

#include "draws/ImportLosowan.h"
#include "group/PlikGrupy.h"
#include "model/Daty.h"
#include "model/KatalogGier.h"
#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "model/UstawieniaIni.h"
#include "systems/ArytmetykaSystemow.h"
#include "slips/PlikBlankietu.h"
#include "stats/PlikStatystyki.h"
#include "systems/Kombinatoryka.h"
#include "systems/RekordyPokryc.h"
#include "systems/TGenGwar01.h"
#include "systems/TGenTest01.h"
#include "tools/PlikKolekcji.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace tarvomund::fuzz {

namespace fs = std::filesystem;

namespace {

// Work a single input may cause: the guarantee and the arithmetic run on small systems only, so the
// fuzzer spends its time on the readers.
constexpr int32_t MaxZakladowDoObliczen = 64;
constexpr long double MaxPrzypadkowGwarancji = 10000;
constexpr std::size_t MaxPlikowKatalogu = 8;
// The catalogue's input is cut into game files at this marker.
constexpr std::string_view Rozdzielacz = "#PL2#";

// The private directory of this process, removed at its end. Every input becomes a file there, so it
// lives in memory where the system offers a memory file system: a disk would make the fuzzer wait.
const fs::path& Prywatny()
{
    static const fs::path katalog = [] {
        std::error_code blad;
        const fs::path pamiec = "/dev/shm";
        const fs::path baza = fs::is_directory(pamiec, blad) && ::access(pamiec.c_str(), W_OK) == 0
                                  ? pamiec
                                  : fs::temp_directory_path();
        std::string wzor = (baza / "tarvomund-fuzz-XXXXXX").string();
        if (!mkdtemp(wzor.data()))
            throw std::runtime_error("cannot create a temporary directory");
        std::atexit([] {
            std::error_code bladUsuwania;
            fs::remove_all(Prywatny(), bladUsuwania);
        });
        return fs::path(wzor);
    }();
    return katalog;
}

void Zapisz(const fs::path& plik, std::string_view dane)
{
    std::ofstream wy(plik, std::ios::binary | std::ios::trunc);
    wy.write(dane.data(), static_cast<std::streamsize>(dane.size()));
}

bool TeSameBity(double a, double b)
{
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

// Every field and draw, but the path.
bool TeSameGry(const TObGraLista& a, const TObGraLista& b)
{
    if (a.Id != b.Id || a.KodGry != b.KodGry || a.Nazwa != b.Nazwa || a.MinSkreslen != b.MinSkreslen ||
        a.MaxSkreslen != b.MaxSkreslen || a.NormSkreslen != b.NormSkreslen || a.IleDodatkowych != b.IleDodatkowych ||
        a.IleLiczb != b.IleLiczb || a.IleLosowanych != b.IleLosowanych || a.IlePoziomo != b.IlePoziomo ||
        a.IlePionowo != b.IlePionowo || a.Kierunek != b.Kierunek || a.Pilkarski != b.Pilkarski ||
        a.Losowania.size() != b.Losowania.size())
        return false;
    for (std::size_t i = 0; i < a.Losowania.size(); ++i)
        if (!TeSameBity(a.Losowania[i].Data, b.Losowania[i].Data) || a.Losowania[i].Liczby != b.Losowania[i].Liczby)
            return false;
    return true;
}

// The game file: the bytes and the same bytes as a file give one answer, a game keeps the limits the
// reader promises, and written back it reads the same.
void Gra(std::string_view dane)
{
    TBladPlikuGry blad = TBladPlikuGry::Brak;
    const std::optional<TObGraLista> gra = RozbierzPlikGry(dane, "gra.pl2", &blad);
    SPRAWDZ_FUZZ(gra.has_value() == (blad == TBladPlikuGry::Brak));
    PrzezPlik(dane, ".pl2", [&](const std::string& plik) {
        TBladPlikuGry bladPliku = TBladPlikuGry::Brak;
        const std::optional<TObGraLista> zPliku = WczytajPlikGry(plik, &bladPliku);
        SPRAWDZ_FUZZ(bladPliku == blad);
        SPRAWDZ_FUZZ(zPliku.has_value() == gra.has_value());
        SPRAWDZ_FUZZ(!gra || TeSameGry(*zPliku, *gra));
    });
    if (!gra)
        return;
    SPRAWDZ_FUZZ(gra->IleLosowanych >= 1 && gra->IleLosowanych <= MaxLiczbWLosowaniu);
    const auto naLosowanie = RozmiarDatyLosowania + static_cast<std::size_t>(gra->IleLosowanych);
    SPRAWDZ_FUZZ(DlugoscNaglowkaGry + gra->Losowania.size() * naLosowanie <= dane.size());
    for (const TObLos& los : gra->Losowania) {
        SPRAWDZ_FUZZ(los.Data >= PierwszyDzienLosowania && los.Data < OstatniDzienLosowania + 1);
        SPRAWDZ_FUZZ(TekstDaty(los.Data).size() == 10);
        SPRAWDZ_FUZZ(std::all_of(los.Liczby.begin() + gra->IleLosowanych, los.Liczby.end(), [](uint8_t l) { return l == 0; }));
    }
    const std::optional<TObGraLista> ponownie = RozbierzPlikGry(ZbudujPlikGry(*gra), gra->Plik);
    SPRAWDZ_FUZZ(ponownie && TeSameGry(*ponownie, *gra));
}

// The catalogue over game files cut from the bytes: every file is either a game or reported, games
// come in name order, each as its file read alone, and each is found by its own parameters.
void Katalog(std::string_view dane)
{
    const fs::path katalog = PustyKatalog();
    std::size_t plikow = 0;
    while (plikow < MaxPlikowKatalogu) {
        const std::size_t koniec = std::min(dane.find(Rozdzielacz), dane.size());
        Zapisz(katalog / (std::string(1, static_cast<char>('a' + plikow)) + ".pl2"), dane.substr(0, koniec));
        ++plikow;
        if (koniec == dane.size())
            break;
        dane.remove_prefix(koniec + Rozdzielacz.size());
    }
    TRaportKatalogu raport;
    const TKatalogGier gry = TKatalogGier::WczytajGry(katalog.string(), &raport);
    SPRAWDZ_FUZZ(!raport.KatalogNieczytelny);
    SPRAWDZ_FUZZ(gry.Ile() + raport.Pominiete.size() == plikow);
    for (std::size_t i = 0; i < gry.Ile(); ++i) {
        const TObGraLista& gra = gry.Gra(i);
        SPRAWDZ_FUZZ(i == 0 || gry.Gra(i - 1).Plik < gra.Plik);
        const std::optional<TObGraLista> sama = WczytajPlikGry(gra.Plik);
        SPRAWDZ_FUZZ(sama && TeSameGry(*sama, gra));
        const std::optional<std::size_t> indeks = gry.IndeksNazwy(gra.Nazwa);
        SPRAWDZ_FUZZ(indeks && *indeks <= i);
        const TObGraLista* dlaSystemu = gry.GraDlaSystemu(TInfoGryRec::DlaGry(gra));
        SPRAWDZ_FUZZ(dlaSystemu && dlaSystemu->IleLiczb == gra.IleLiczb);
        const TObGraLista* dlaStatystyki = gry.GraDlaStatystyki(
            {gra.Nazwa, gra.IleLiczb, gra.IleLosowanych, gra.IlePoziomo, gra.IlePionowo, gra.Kierunek, gra.Pilkarski});
        SPRAWDZ_FUZZ(dlaStatystyki && dlaStatystyki->Nazwa == gra.Nazwa);
    }
}

// A system written by a computation: its header counts the bets the file holds, every bet holds k
// distinct positions within 1..n, and the occurrence counts are the counts of those bets.
void SprawdzZapisany(const std::string& plik, const TWynikGeneracji& wynik)
{
    TCzytnikSystemu czytnik(plik);
    SPRAWDZ_FUZZ(czytnik.Otwarty());
    const TInfoGryRec& info = czytnik.Naglowek().Info;
    SPRAWDZ_FUZZ(info.Zakladow == wynik.Zakladow);
    std::array<int32_t, MaxLiczbSystemu> wystapienia{};
    TStrumienZakladow strumien(czytnik);
    while (const auto* zaklad = strumien.Nastepny()) {
        std::bitset<MaxLiczbSystemu + 1> uzyte;
        for (int j = 0; j < info.k; ++j) {
            const uint8_t p = (*zaklad)[static_cast<std::size_t>(j)];
            SPRAWDZ_FUZZ(p >= 1 && p <= info.n && !uzyte.test(p));
            uzyte.set(p);
            ++wystapienia[static_cast<std::size_t>(p - 1)];
        }
    }
    SPRAWDZ_FUZZ(!strumien.Blad());
    SPRAWDZ_FUZZ(std::equal(wystapienia.begin(), wystapienia.begin() + info.n, info.Wystapienia.begin()));
}

// The sum and the difference of a system with itself, and its composite with itself.
void Arytmetyka(const std::string& plik, const TInfoGryRec& info)
{
    const std::atomic<bool> przerwij{false};
    TRaportPostepu postep(nullptr, "%6.2f%%");
    const std::string wynik = (Prywatny() / "wynik.ss2").string();
    if (SprawdzSume({info, info}) == TBladArytmetyki::Brak)
        for (TTrybSumy tryb : {TTrybSumy::Suma, TTrybSumy::Roznica}) {
            const TWynikGeneracji suma = SumujSystemy(ParametrySumy(info), wynik, {plik, plik}, tryb, przerwij, postep);
            SPRAWDZ_FUZZ(!suma.BladPliku);
            // Every bet twice: the difference keeps none.
            SPRAWDZ_FUZZ(tryb == TTrybSumy::Suma || suma.Zakladow == 0);
            SprawdzZapisany(wynik, suma);
        }
    if (SprawdzZlozenie(info, info) == TBladArytmetyki::Brak) {
        const TWynikGeneracji zlozenie = ZlozSystemy(ParametryZlozenia(info, info), wynik, plik, plik, przerwij, postep);
        SPRAWDZ_FUZZ(!zlozenie.BladPliku);
        SprawdzZapisany(wynik, zlozenie);
    }
}

// The guarantee over a small system: every configuration counts at most the bets there are, and
// all of them together at most the cases visited.
void Gwarancja(const TSystemGwarancji& system, int indeksBledu)
{
    TUstawieniaGwarancji ustawienia;
    ustawienia.m = system.Pilkarski ? system.k : std::min(system.n, 2);
    ustawienia.IndeksBledu = indeksBledu;
    if (PrzypadkiGwarancji(system, ustawienia.m) > MaxPrzypadkowGwarancji)
        return;
    const std::atomic<bool> przerwij{false};
    bool przerwano = false;
    bool zaDuzo = false;
    const TKonfig konfiguracje = TGenGwar01(system, ustawienia, przerwij, {}, 1).Konfiguracje(przerwano, zaDuzo);
    SPRAWDZ_FUZZ(!przerwano && !zaDuzo);
    int64_t przypadkow = 0;
    for (std::size_t i = 0; i < konfiguracje.Ile(); ++i) {
        const TKonfiguracja k = konfiguracje[i];
        int64_t zakladow = 0;
        for (int h = 1; h <= k.L; ++h)
            zakladow += k.Wpis(h);
        SPRAWDZ_FUZZ(zakladow >= 1 && zakladow <= static_cast<int64_t>(system.Zaklady.size()));
        przypadkow += k.Ile;
    }
    const long double odwiedzonych =
        std::ceil(PrzypadkiGwarancji(system, ustawienia.m) / static_cast<long double>(indeksBledu + 1));
    SPRAWDZ_FUZZ(static_cast<long double>(przypadkow) <= odwiedzonych);
    // A pool system with every match typed once has nothing to tabulate; any other gets its table.
    const TWynikGwarancji wynik = TGenGwar01(system, ustawienia, przerwij, {}, 1).Wykonaj();
    if (!system.Pilkarski || !system.Typy.empty()) {
        SPRAWDZ_FUZZ(wynik.Wiersze.size() >= 2);
        SPRAWDZ_FUZZ(wynik.Wiersze[0] == "=====================================");
    }
}

// The system file: the bytes and the file give one answer; an accepted header keeps the format's
// limits, its bets are all there, and the guarantee and the arithmetic take them without harm.
void System(std::string_view dane)
{
    TBladSystemu bladBajtow = TBladSystemu::Brak;
    const std::optional<TNaglowekSystemu> zBajtow = RozbierzNaglowekSystemu(dane, dane.size(), &bladBajtow);
    PrzezPlik(dane, ".ss2", [&](const std::string& plik) {
        TBladSystemu blad = TBladSystemu::Brak;
        const std::optional<TNaglowekSystemu> naglowek = CzytajNaglowekSystemu(plik, &blad);
        SPRAWDZ_FUZZ(naglowek.has_value() == zBajtow.has_value() && blad == bladBajtow);
        if (!naglowek) {
            SPRAWDZ_FUZZ(!TCzytnikSystemu(plik).Otwarty());
            SPRAWDZ_FUZZ(!WczytajSystemGwarancji(plik, nullptr));
            return;
        }
        const TInfoGryRec& info = naglowek->Info;
        SPRAWDZ_FUZZ(info.k >= 1 && info.k <= MaxLiczbSystemu && naglowek->RozmiarRekordu == info.k);
        SPRAWDZ_FUZZ(info.Zakladow >= 0);
        SPRAWDZ_FUZZ(DlugoscNaglowkaSystemu + static_cast<uint64_t>(info.Zakladow) * static_cast<uint64_t>(info.k) <=
                     dane.size());
        if (naglowek->Pilkarski())
            SPRAWDZ_FUZZ(info.k <= MaxMeczowPilkarskich &&
                         info.Zakladow <= MaxZakladowPilkarskich);
        else
            SPRAWDZ_FUZZ(info.n >= 1 && info.n <= MaxLiczbSystemu);

        TCzytnikSystemu czytnik(plik);
        SPRAWDZ_FUZZ(czytnik.Otwarty());
        TStrumienZakladow strumien(czytnik);
        int64_t zakladow = 0;
        while (strumien.Nastepny())
            ++zakladow;
        SPRAWDZ_FUZZ(!strumien.Blad() && zakladow == info.Zakladow);
        // The system test reads the same bets.
        const std::atomic<bool> dalej{false};
        const std::optional<TSystemTestu> doTestu = WczytajSystemTestu(plik, dalej, {});
        SPRAWDZ_FUZZ(doTestu && doTestu->Ile() == info.Zakladow && doTestu->k == info.k);

        TBladWczytaniaGwarancji bladGwarancji{};
        const std::optional<TSystemGwarancji> system = WczytajSystemGwarancji(plik, &bladGwarancji);
        if (!naglowek->Pilkarski() && info.Zakladow > MaxZakladowGwarancji) {
            SPRAWDZ_FUZZ(!system && bladGwarancji == TBladWczytaniaGwarancji::ZbytDuzy);
            return;
        }
        SPRAWDZ_FUZZ(system && static_cast<int64_t>(system->Zaklady.size()) == info.Zakladow);
        if (info.Zakladow > MaxZakladowDoObliczen)
            return;
        Gwarancja(*system, static_cast<int>(dane.size() % IleBledowGwarancji));
        if (!naglowek->Pilkarski())
            Arytmetyka(plik, info);
    });
}

// The collection: the tree keeps its levels and reads back as written; the panel's numbers are the
// pairs of bytes; the files read as the bytes do.
void Kolekcja(std::string_view dane)
{
    const TDrzewoKolekcji drzewo = CzytajDrzewoKolekcji(dane);
    int poprzedni = -1;
    bool pustyTytul = false;
    for (const TPozycjaKolekcji& pozycja : drzewo) {
        SPRAWDZ_FUZZ(pozycja.Poziom >= 0 && pozycja.Poziom <= poprzedni + 1);
        SPRAWDZ_FUZZ(pozycja.Ikona == IkonaPoziomu(pozycja.Poziom));
        SPRAWDZ_FUZZ(pozycja.Tekst.find('\n') == std::string::npos);
        pustyTytul = pustyTytul || (pozycja.Poziom == 0 && pozycja.Tekst.empty());
        poprzedni = pozycja.Poziom;
    }
    // An empty top-level text is written as a blank line, which carries no entry: only then may the
    // tree change on its way through a file. A carriage return inside a text is written as a blank.
    if (!pustyTytul) {
        const TDrzewoKolekcji ponownie = CzytajDrzewoKolekcji(TekstDrzewaKolekcji(drzewo));
        SPRAWDZ_FUZZ(ponownie.size() == drzewo.size());
        for (std::size_t i = 0; i < drzewo.size(); ++i) {
            std::string tekst = drzewo[i].Tekst;
            std::replace(tekst.begin(), tekst.end(), '\r', ' ');
            SPRAWDZ_FUZZ(ponownie[i].Poziom == drzewo[i].Poziom && ponownie[i].Tekst == tekst);
        }
    }
    const std::vector<TLiczbaKolekcji> liczby = CzytajLiczbyKolekcji(dane);
    SPRAWDZ_FUZZ(liczby.size() == dane.size() / 2);
    for (std::size_t i = 0; i < liczby.size(); ++i)
        SPRAWDZ_FUZZ(liczby[i].Numer == static_cast<uint8_t>(dane[2 * i]) && liczby[i].Zaznaczony == (dane[2 * i + 1] != 0));
    PrzezPlik(dane, ".k22", [&](const std::string& plik) {
        const std::optional<TDrzewoKolekcji> zPliku = WczytajDrzewoKolekcji(plik);
        SPRAWDZ_FUZZ(zPliku && *zPliku == drzewo);
        const std::string plikLiczb = PlikLiczbKolekcji(plik);
        Zapisz(plikLiczb, dane);
        SPRAWDZ_FUZZ(WczytajLiczbyKolekcji(plikLiczb) == liczby);
    });
}

// A statistics file: the file reads as the bytes do, and what is read is written back to bytes that
// read to the same again (a saved statistic reopens unchanged).
void Statystyka(std::string_view dane)
{
    const std::optional<TPlikStatystyki> plik = RozbierzPlikStatystyki(dane);
    PrzezPlik(dane, ".st2", [&](const std::string& sciezka) {
        const std::optional<TPlikStatystyki> zPliku = WczytajPlikStatystyki(sciezka);
        SPRAWDZ_FUZZ(zPliku.has_value() == plik.has_value());
        if (plik)
            SPRAWDZ_FUZZ(ZbudujPlikStatystyki(*zPliku) == ZbudujPlikStatystyki(*plik));
    });
    if (!plik)
        return;
    SPRAWDZ_FUZZ(plik->IleSerii >= 0 && plik->IleSerii <= static_cast<int32_t>(plik->Wyniki.size()));
    const std::string bajty = ZbudujPlikStatystyki(*plik);
    SPRAWDZ_FUZZ(bajty.size() >= DlugoscNaglowkaStatystyki &&
                 (bajty.size() - DlugoscNaglowkaStatystyki) % DlugoscRekorduStatystyki == 0);
    const std::optional<TPlikStatystyki> ponownie = RozbierzPlikStatystyki(bajty);
    SPRAWDZ_FUZZ(ponownie && ZbudujPlikStatystyki(*ponownie) == bajty);
}

// The settings file: every value within its range, and the file reads as the bytes do.
void Ustawienia(std::string_view dane)
{
    const TParametry p = RozbierzUstawieniaIni(dane);
    SPRAWDZ_FUZZ(ZakresSpin1.Zawiera(p.Spin1) && ZakresSpin11.Zawiera(p.Spin11));
    SPRAWDZ_FUZZ(ZakresIleNad.Zawiera(p.IleNad) && ZakresIlePod.Zawiera(p.IlePod));
    PrzezPlik(dane, ".ini", [&](const std::string& plik) { SPRAWDZ_FUZZ(CzytajUstawieniaIni(plik) == p); });
}


// The draw import: the first bytes choose the settings of the import dialog, the rest is the text
// list. Every formatted line gives a draw or is counted as skipped, the game keeps its draws sorted
// with numbers of the game, and the game written to its file reads back the same.
void Import(std::string_view dane)
{
    constexpr std::size_t Ustawien = 6;
    if (dane.size() < Ustawien)
        return;
    const auto bajt = [&](std::size_t i) { return static_cast<uint8_t>(dane[i]); };
    TObGraLista gra;
    gra.Nazwa = "Import";
    gra.IleLosowanych = 1 + bajt(3) % MaxLiczbWLosowaniu;
    gra.IleLiczb = std::max<int32_t>(gra.IleLosowanych, 1 + bajt(4));
    const bool numeracja = bajt(0) & 1;
    const bool nadpisuj = bajt(0) & 4;
    const TUkladWiersza uklad = UkladDlaGry(gra, numeracja, true, static_cast<TKolejnoscDaty>(bajt(1) % 6));
    TSeparatory separatory;
    const char znaki[] = {ZnakTab, ZnakSrednik, ZnakKropka, ZnakPrzecinek, ZnakSpacja};
    for (std::size_t i = 0; i < std::size(znaki); ++i)
        separatory.set(static_cast<uint8_t>(znaki[i]), (bajt(2) >> i) & 1);
    const std::string_view tekst = dane.substr(Ustawien);

    TFormatowanie formatowanie;
    formatowanie.UstawTekst(std::string(tekst));
    formatowanie.UstawSzerokosc(uklad.Szerokosc);
    formatowanie.UstawSeparatory(separatory);
    formatowanie.UstawJakoJeden(bajt(0) & 2);
    formatowanie.UstawStart(bajt(5) % 4);
    PrzezPlik(tekst, ".txt", [&](const std::string& plik) {
        TFormatowanie zPliku;
        SPRAWDZ_FUZZ(zPliku.WczytajPlik(plik));
        SPRAWDZ_FUZZ(zPliku.IleWierszy() == formatowanie.IleWierszy());
        for (std::size_t i = 0; i < zPliku.IleWierszy(); ++i)
            SPRAWDZ_FUZZ(zPliku.Wiersz(i) == formatowanie.Wiersz(i));
    });
    for (std::size_t i = 0; i < formatowanie.IleSformatowanych(); ++i)
        SPRAWDZ_FUZZ(formatowanie.Sformatowany(i).size() <= TFormatowanie::MaxDlugoscSformatowanego);

    const TWynikImportu wynik = ImportujLosowania(gra, formatowanie, uklad, nadpisuj);
    SPRAWDZ_FUZZ(wynik.Dopisane + wynik.Zastapione + wynik.Pominiete == formatowanie.IleSformatowanych());
    SPRAWDZ_FUZZ(gra.Losowania.size() == wynik.Dopisane);
    SPRAWDZ_FUZZ(nadpisuj || wynik.Zastapione == 0);
    const auto ile = static_cast<std::size_t>(gra.IleLosowanych);
    for (std::size_t i = 0; i < gra.Losowania.size(); ++i) {
        const TObLos& los = gra.Losowania[i];
        SPRAWDZ_FUZZ(i == 0 || gra.Losowania[i - 1].Data <= los.Data);
        SPRAWDZ_FUZZ(std::is_sorted(los.Liczby.begin(), los.Liczby.begin() + ile, std::less_equal<>()) &&
                     std::adjacent_find(los.Liczby.begin(), los.Liczby.begin() + ile) == los.Liczby.begin() + ile);
        SPRAWDZ_FUZZ(los.Liczby[0] >= 1 && los.Liczby[ile - 1] <= gra.IleLiczb);
        SPRAWDZ_FUZZ(std::all_of(los.Liczby.begin() + ile, los.Liczby.end(), [](uint8_t l) { return l == 0; }));
    }
    TBladPlikuGry blad = TBladPlikuGry::Brak;
    const std::optional<TObGraLista> zapisana = RozbierzPlikGry(ZbudujPlikGry(gra), gra.Plik, &blad);
    SPRAWDZ_FUZZ(zapisana && TeSameGry(*zapisana, gra));
}

// The group file: the bytes and the file give one answer, and a group written back reads the same.
void Grupa(std::string_view dane)
{
    TBladGrupy blad = TBladGrupy::Brak;
    const std::optional<TGrupa> grupa = RozbierzGrupe(dane, &blad);
    SPRAWDZ_FUZZ(grupa.has_value() == (blad == TBladGrupy::Brak));
    PrzezPlik(dane, ".gr2", [&](const std::string& plik) {
        TBladGrupy bladPliku = TBladGrupy::Brak;
        const std::optional<TGrupa> zPliku = CzytajGrupe(plik, &bladPliku);
        SPRAWDZ_FUZZ(bladPliku == blad && zPliku.has_value() == grupa.has_value());
        SPRAWDZ_FUZZ(!grupa || ZbudujGrupe(*zPliku) == ZbudujGrupe(*grupa));
    });
    if (!grupa)
        return;
    SPRAWDZ_FUZZ(grupa->Naglowek.IleGier >= 0 && static_cast<std::size_t>(grupa->Naglowek.IleGier) == grupa->Gry.size());
    SPRAWDZ_FUZZ(DlugoscNaglowkaGrupy + grupa->Gry.size() * DlugoscGryGrupy <= dane.size());
    for (const std::string& nazwisko : grupa->Naglowek.Nazwiska)
        SPRAWDZ_FUZZ(nazwisko.size() <= 3 * DlugoscNazwiska); // a Windows-1250 letter is at most 3 bytes of UTF-8
    for (const TGraGrupy& gra : grupa->Gry) {
        SPRAWDZ_FUZZ(std::isfinite(gra.Data) && TekstDaty(gra.Data).size() == 10);
        SPRAWDZ_FUZZ(std::isfinite(gra.Koszt.Wartosc()) && std::isfinite(gra.Wygrana.Wartosc()));
    }
    const std::string zapisana = ZbudujGrupe(*grupa);
    const std::optional<TGrupa> ponownie = RozbierzGrupe(zapisana);
    SPRAWDZ_FUZZ(ponownie && ZbudujGrupe(*ponownie) == zapisana);
}

// The slip file: the bytes and the file give one answer, the header alone reads as the whole file's,
// and a slip written back reads as it was written.
void Blankiet(std::string_view dane)
{
    TBladBlankietu blad = TBladBlankietu::Brak;
    const std::optional<TBlankietOb> blankiet = RozbierzPlikBlankietu(dane, &blad);
    SPRAWDZ_FUZZ(blankiet.has_value() == (blad == TBladBlankietu::Brak));
    PrzezPlik(dane, ".bln", [&](const std::string& plik) {
        TBladBlankietu bladPliku = TBladBlankietu::Brak;
        const std::optional<TBlankietOb> zPliku = WczytajBlankiet(plik, &bladPliku);
        SPRAWDZ_FUZZ(bladPliku == blad && zPliku.has_value() == blankiet.has_value());
        SPRAWDZ_FUZZ(!blankiet || ZbudujPlikBlankietu(*zPliku) == ZbudujPlikBlankietu(*blankiet));
        const std::optional<TNaglowekBlankietu> naglowek = CzytajNaglowekBlankietu(plik);
        SPRAWDZ_FUZZ(!blankiet || naglowek);
        if (blankiet) {
            const TNaglowekBlankietu uklad = NaglowekUkladu(*blankiet);
            SPRAWDZ_FUZZ(naglowek->Nazwa == uklad.Nazwa && naglowek->KodGry == uklad.KodGry &&
                         naglowek->Pilkarski == uklad.Pilkarski);
        }
    });
    if (!blankiet)
        return;
    SPRAWDZ_FUZZ(std::isfinite(blankiet->Szer) && std::isfinite(blankiet->Wys));
    const std::string zapisany = ZbudujPlikBlankietu(*blankiet);
    const std::optional<TBlankietOb> ponownie = RozbierzPlikBlankietu(zapisany);
    SPRAWDZ_FUZZ(ponownie && ZbudujPlikBlankietu(*ponownie) == zapisany);
    SPRAWDZ_FUZZ(ponownie->Pola.size() <= blankiet->Pola.size() && ponownie->Grupy.size() == blankiet->Grupy.size());
}

// The table of the best coverings known: whatever the text, every entry found is a line of it.
void Rekordy(std::string_view dane)
{
    const TRekordyPokryc rekordy = TRekordyPokryc::ZTekstu(dane);
    SPRAWDZ_FUZZ(rekordy.Ile() <= static_cast<std::size_t>(std::count(dane.begin(), dane.end(), '\n')) + 1);
    PrzezPlik(dane, ".csv", [&](const std::string& plik) {
        SPRAWDZ_FUZZ(TRekordyPokryc::Wczytaj(plik).Ile() == rekordy.Ile());
    });
    // Ask for the entries of the first few lines that look like one.
    std::size_t poczatek = 0;
    for (int linia = 0; linia < 8 && poczatek < dane.size(); ++linia) {
        const std::size_t koniec = std::min(dane.find('\n', poczatek), dane.size());
        int v = 0, k = 0, t = 0;
        const std::string tekst(dane.substr(poczatek, koniec - poczatek));
        if (std::sscanf(tekst.c_str(), "%d,%d,%d", &v, &k, &t) == 3)
            if (const auto rekord = rekordy.Znajdz(v, k, t))
                SPRAWDZ_FUZZ(rekord->Najlepszy >= 0 && rekord->Dolne >= 0);
        poczatek = koniec + 1;
    }
}
} // namespace

// One entry per reader of user files: its name (the folder of its seeds in tests/fuzz-corpus/) and a
// function of the bytes that feeds them to the reader and checks what the reader promises.
const std::vector<TCelFuzz>& CeleFuzz()
{
    static const std::vector<TCelFuzz> cele{
        {"blankiet", Blankiet},
        {"gra", Gra},
        {"grupa", Grupa},
        {"import", Import},
        {"katalog", Katalog},
        {"kolekcja", Kolekcja},
        {"rekordy", Rekordy},
        {"statystyka", Statystyka},
        {"system", System},
        {"ustawienia", Ustawienia},
    };
    return cele;
}

const TCelFuzz* ZnajdzCel(std::string_view nazwa)
{
    for (const TCelFuzz& cel : CeleFuzz())
        if (nazwa == cel.Nazwa)
            return &cel;
    return nullptr;
}

void Naruszenie(const char* warunek, const char* plik, int linia)
{
    throw TNaruszenie(std::string(plik) + ":" + std::to_string(linia) + ": broken promise: " + warunek);
}

void PrzezPlik(std::string_view dane, const char* rozszerzenie, const std::function<void(const std::string&)>& czytaj)
{
    const fs::path plik = Prywatny() / (std::string("plik") + rozszerzenie);
    Zapisz(plik, dane);
    czytaj(plik.string());
}

std::string PustyKatalog()
{
    const fs::path katalog = Prywatny() / "katalog";
    std::error_code blad;
    fs::remove_all(katalog, blad);
    fs::create_directory(katalog);
    return katalog.string();
}

} // namespace tarvomund::fuzz
