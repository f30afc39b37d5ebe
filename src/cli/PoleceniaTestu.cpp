#include "Argumenty.h"

#include "model/Daty.h"
#include "systems/Losowosc.h"
#include "systems/TGenTest01.h"

#include <algorithm>
#include <atomic>
#include <ostream>

namespace tarvomund::cli {

namespace {

// The tested numbers: exactly d distinct numbers within 1..N, in the order given.
std::vector<uint8_t> Liczby(const std::string& tekst, int ileLiczb, int ileLosowanych)
{
    std::vector<uint8_t> liczby;
    for (const std::string& pole : PolaPrzecinkami(tekst)) {
        const int liczba = Liczba<int>(pole, "--numbers");
        WymagajZakresu(liczba, 1, ileLiczb, "a tested number");
        if (std::find(liczby.begin(), liczby.end(), liczba) != liczby.end())
            throw TBladUzycia("--numbers repeats " + pole);
        liczby.push_back(static_cast<uint8_t>(liczba));
    }
    if (static_cast<int>(liczby.size()) != ileLosowanych)
        throw TBladUzycia("--numbers needs " + std::to_string(ileLosowanych) + " numbers, the game's drawn count");
    return liczby;
}

// The tested pool row: one of 1, x, 2 (or - for none) per match.
std::vector<uint8_t> Typy(const std::string& tekst, int k)
{
    std::vector<uint8_t> typy;
    for (const std::string& pole : PolaPrzecinkami(tekst)) {
        const std::optional<uint8_t> kod = KodTypu(pole);
        if (!kod)
            throw TBladUzycia("--signs takes 1, x, 2 or -, not \"" + pole + "\"");
        typy.push_back(*kod);
    }
    if (static_cast<int>(typy.size()) != k)
        throw TBladUzycia("--signs needs " + std::to_string(k) + " signs, one per match");
    return typy;
}

double Data(const TArgumentyPolecenia& a, const char* opcja, double domyslna)
{
    if (!a.Ma(opcja))
        return domyslna;
    const std::optional<double> data = DataZTekstu(a.Wartosc(opcja));
    if (!data)
        throw TBladUzycia(std::string(opcja) + " needs a date dd.mm.yyyy, not \"" + a.Wartosc(opcja) + "\"");
    return *data;
}

void Zabron(const TArgumentyPolecenia& a, std::initializer_list<const char*> opcje, const std::string& dlaczego)
{
    for (const char* opcja : opcje)
        if (a.Ma(opcja))
            throw TBladUzycia(std::string(opcja) + " " + dlaczego);
}

} // namespace

// The test of a system file: exactly the lines the test window's report holds after a run.
int PolecenieTest(TKontekst& k)
{
    const TArgumentyPolecenia a =
        RozbierzArgumenty(k, {"--numbers", "--seed", "--from", "--to", "--min", "--signs"}, {"--random", "--base"}, 1);
    const int trybow = a.Ma("--numbers") + a.MaFlage("--random") + a.MaFlage("--base") + a.Ma("--signs");
    if (trybow != 1)
        throw TBladUzycia("give exactly one of --numbers, --random, --base and --signs");
    if (!a.MaFlage("--random"))
        Zabron(a, {"--seed"}, "goes with --random only");
    if (!a.MaFlage("--base"))
        Zabron(a, {"--from", "--to"}, "goes with --base only");

    const std::atomic<bool> przerwij{false};
    const std::optional<TSystemTestu> system = WczytajSystemTestu(a.Pozycyjne[0], przerwij);
    if (!system) {
        k.Bledy << "tarvomund-cli: " << a.Pozycyjne[0] << ": not a readable system file\n";
        return KodBladDanych;
    }
    if (system->Pilkarski) {
        Zabron(a, {"--numbers"}, "does not apply to a pool system");
        if (a.MaFlage("--base"))
            throw TBladUzycia("--base does not apply to a pool system");
    } else {
        Zabron(a, {"--signs"}, "applies to a pool system only");
    }

    TParametryTestu parametry;
    const int najmniej = system->Pilkarski ? std::min(MinTrafienPilkarskich, system->k) : 1;
    parametry.MinTrafien = system->Pilkarski ? MinTrafienPilkarskich : DomyslneMinTrafien;
    parametry.MinTrafien = std::clamp(parametry.MinTrafien, najmniej, system->k);
    if (a.Ma("--min")) {
        parametry.MinTrafien = Liczba<int>(a.Wartosc("--min"), "--min");
        WymagajZakresu(parametry.MinTrafien, najmniej, system->k, "--min");
    }
    if (a.MaFlage("--random")) {
        if (a.Ma("--seed"))
            UstawZiarno(Liczba<uint64_t>(a.Wartosc("--seed"), "--seed"));
        else
            ZasiejLosowo();
    }

    TObGraLista gra;
    if (system->Pilkarski) {
        parametry.Wpisane = a.Ma("--signs");
        TLosowe losowe;
        parametry.Liczby = parametry.Wpisane ? Typy(a.Wartosc("--signs"), system->k)
                                             : LosujTypyTestu(losowe, system->k);
    } else if (a.MaFlage("--base")) {
        std::optional<TKatalogGier> katalog = Katalog(k);
        if (!katalog)
            return KodBladDanych;
        const TObGraLista* znaleziona = nullptr;
        for (std::size_t i = 0; i < katalog->Ile() && !znaleziona; ++i)
            if (katalog->Gra(i).CzyLiczbowa() && katalog->Gra(i).KodGry == system->Info.KodGry)
                znaleziona = &katalog->Gra(i);
        if (!znaleziona) {
            k.Bledy << "tarvomund-cli: no number game with the code " << system->Info.KodGry << " in "
                    << k.Opcje.KatalogDane << "\n";
            return KodBladDanych;
        }
        gra = *znaleziona;
        const bool puste = gra.Losowania.empty();
        const double od = Data(a, "--from", puste ? 0.0 : gra.Losowania.front().Data);
        const double do_ = Data(a, "--to", puste ? 0.0 : gra.Losowania.back().Data);
        parametry.Tryb = TTrybTestu::Baza;
        parametry.Losowania = &gra.Losowania;
        // Two dates given in either order make a range, as in the range dialog; a single date past
        // the other end of the history leaves the range empty.
        const bool obie = a.Ma("--from") && a.Ma("--to");
        parametry.Od = obie ? std::min(od, do_) : od;
        parametry.Do = obie ? std::max(od, do_) : do_;
        parametry.IleLosowanych = gra.IleLosowanych;
    } else {
        // The game's numbers as the system's header copies them.
        const int ileLiczb = system->Info.IleLiczb;
        const int ileLosowanych = system->Info.IleLosowanych;
        if (ileLiczb < 1 || ileLosowanych < 1 || ileLosowanych > std::min(ileLiczb, MaxLiczbWLosowaniu)) {
            k.Bledy << "tarvomund-cli: " << a.Pozycyjne[0] << ": the game's numbers in the header are damaged\n";
            return KodBladDanych;
        }
        if (a.Ma("--numbers")) {
            parametry.Tryb = TTrybTestu::Liczby;
            parametry.Liczby = Liczby(a.Wartosc("--numbers"), ileLiczb, ileLosowanych);
        } else {
            parametry.Tryb = TTrybTestu::Losowe;
            TLosowe losowe;
            parametry.Liczby = LosujLiczbyTestu(losowe, ileLiczb, ileLosowanych);
        }
    }

    for (const std::string& wiersz : NaglowekTestu(*system))
        k.Wyjscie << wiersz << '\n';
    for (const std::string& wiersz : TGenTest01(*system, parametry, przerwij).Wykonaj().Wiersze)
        k.Wyjscie << wiersz << '\n';
    return KodSukces;
}

} // namespace tarvomund::cli
