#pragma once

#include "Argumenty.h"

#include "model/Wspolne.h"
#include "stats/Kryteria.h"
#include "stats/TFiltry.h"
#include "systems/TGenSys01.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The options the filters and the searches share: they carry the values the dialogs show (counts,
// widths, increments, numbers 1..N, dates), and each criterion takes only the ones its page has.
namespace tarvomund::cli {

// What one criterion reads from the command line. The pointers name the record fields that take
// "value - 1" (the dialogs' lists store the index of the value shown).
template <typename TRekord> struct TOpcjeKryterium {
    int32_t TRekord::*Ile = nullptr;      // --count C
    int32_t TRekord::*Wielkosc = nullptr; // --width W
    int32_t TRekord::*Krok = nullptr;     // --step S
    std::array<bool, IleCyfr> TRekord::*Cyfry = nullptr; // --digits d,d,...
    bool OdJedynki = false; // leading digits: 1..9
    bool Zakres = false;    // --range-from, --range-to
    bool Daty = false;      // --from, --to
    bool Suma = false;      // --sum-from, --sum-to
    bool DzienTygodnia = false;
    bool DzienMiesiaca = false;
    bool Miesiac = false;
    bool Pozycje = false; // --positions A-B
};

// Every option a criterion may take and "-o", then the command's own, for the argument parser.
std::vector<std::string_view> OpcjeKryteriow(std::initializer_list<std::string_view> wlasne);

// The limits of the dialogs: counts 1..d (the game's drawn count), widths, increments and numbers
// 1..N, bet positions 1..the system's bets.
struct TGraniceOpcji {
    int Losowanych = 0;
    int Liczb = 0;
    int32_t Zakladow = 1;
    double PierwszeLosowanie = 0.0;
    double OstatnieLosowanie = 0.0;
};

// The chosen criterion 1..ile (its option), checked.
int KryteriumZOpcji(const TArgumentyPolecenia& a, const char* opcja, int ile);

// Reads the shared fields into `r` and refuses an option the criterion does not take. Reversed
// number ranges, dates and positions are put in order, as the dialogs' OK does.
void CzytajWspolne(const TArgumentyPolecenia& a, const TGraniceOpcji& granice, TKryteriaWspolne& r, bool zakres,
                   bool daty, const std::string& kryterium);
// One "value - 1" field from its option within od..do_, or left as it is; a null field refuses the option.
void CzytajWybor(const TArgumentyPolecenia& a, const char* opcja, int32_t* pole, int od, int do_,
                 const std::string& kryterium);
void CzytajCyfry(const TArgumentyPolecenia& a, std::array<bool, IleCyfr>* cyfry, bool odJedynki,
                 const std::string& kryterium);
void CzytajSume(const TArgumentyPolecenia& a, int32_t& od, int32_t& do_);
void CzytajPozycje(const TArgumentyPolecenia& a, int32_t& od, int32_t& do_, int32_t zakladow);
// A usage error for each given option of the list that the criterion does not take.
void ZabronOpcji(const TArgumentyPolecenia& a, std::initializer_list<const char*> opcje, const std::string& kryterium);

// Applies what a criterion of `TRekord` takes to `r`.
template <typename TRekord>
void CzytajKryterium(const TArgumentyPolecenia& a, const TOpcjeKryterium<TRekord>& o, const TGraniceOpcji& g,
                     TRekord& r, const std::string& kryterium)
{
    CzytajWspolne(a, g, r, o.Zakres, o.Daty, kryterium);
    const auto pole = [&r](int32_t TRekord::*p) { return p ? &(r.*p) : nullptr; };
    CzytajWybor(a, "--count", pole(o.Ile), 1, g.Losowanych, kryterium);
    CzytajWybor(a, "--width", pole(o.Wielkosc), 1, g.Liczb, kryterium);
    CzytajWybor(a, "--step", pole(o.Krok), 1, g.Liczb, kryterium);
    CzytajCyfry(a, o.Cyfry ? &(r.*(o.Cyfry)) : nullptr, o.OdJedynki, kryterium);
    if constexpr (requires { r.SumaOd; }) {
        if (o.Suma)
            CzytajSume(a, r.SumaOd, r.SumaDo);
    }
    if constexpr (requires { r.DzienTygodnia; }) {
        CzytajWybor(a, "--weekday", o.DzienTygodnia ? &r.DzienTygodnia : nullptr, 1, 7, kryterium);
        CzytajWybor(a, "--day", o.DzienMiesiaca ? &r.DzienMiesiaca : nullptr, 1, 31, kryterium);
        CzytajWybor(a, "--month", o.Miesiac ? &r.Miesiac : nullptr, 1, 12, kryterium);
    } else {
        ZabronOpcji(a, {"--weekday", "--day", "--month"}, kryterium);
    }
    if constexpr (requires { r.PozycjaOd; }) {
        if (o.Pozycje)
            CzytajPozycje(a, r.PozycjaOd, r.PozycjaDo, g.Zakladow);
    }
    if (!o.Suma)
        ZabronOpcji(a, {"--sum-from", "--sum-to"}, kryterium);
    if (!o.Pozycje)
        ZabronOpcji(a, {"--positions"}, kryterium);
}

// The options of the twelve shared criteria, the same for the filters and the searches.
template <typename R> TOpcjeKryterium<R> OpcjeWspolne(int kryterium)
{
    TOpcjeKryterium<R> o;
    o.Zakres = KryteriumZakresuLiczb(kryterium);
    switch (static_cast<TKryterium>(kryterium)) {
    case TKryterium::Kolejne:
        o.Ile = &R::IleKolejnych;
        break;
    case TKryterium::Parzyste:
        o.Ile = &R::IleParzystych;
        break;
    case TKryterium::Nieparzyste:
        o.Ile = &R::IleNieparzystych;
        break;
    case TKryterium::WPrzedziale:
        o.Ile = &R::IleWPrzedziale;
        o.Wielkosc = &R::PrzedzialWielkosc;
        break;
    case TKryterium::ParzysteWPrzedziale:
        o.Ile = &R::IleParzystychWPrzedziale;
        o.Wielkosc = &R::PrzedzialParzystych;
        break;
    case TKryterium::NieparzysteWPrzedziale:
        o.Ile = &R::IleNieparzystychWPrzedziale;
        o.Wielkosc = &R::PrzedzialNieparzystych;
        break;
    case TKryterium::SumaOdDo:
        o.Suma = true;
        break;
    case TKryterium::CyfryKoncowe:
        o.Ile = &R::IleKoncowych;
        o.Cyfry = &R::CyfryKoncowe;
        break;
    case TKryterium::CyfryPoczatkowe:
        o.Ile = &R::IlePoczatkowych;
        o.Cyfry = &R::CyfryPoczatkowe;
        o.OdJedynki = true;
        break;
    case TKryterium::StalyPrzyrost:
        o.Ile = &R::IleZPrzyrostem;
        o.Krok = &R::Przyrost;
        break;
    default:
        break;
    }
    return o;
}

// The limits of a game's dialogs (and of a system's bet positions).
TGraniceOpcji Granice(const TObGraLista& gra, int32_t zakladow = 1);
// A number game with draws; otherwise a message and the exit code (a usage error for a pool game).
int SprawdzGre(TKontekst& k, const TObGraLista& gra);
// "criterion 7", "filter 13"
std::string Nazwa(const char* rodzaj, int numer);

// A number system with the game of its parameters, as Open finds it, and the record of the window
// that receives its filtered or searched copy.
struct TSystemPolecenia {
    std::optional<TKatalogGier> Katalog;
    const TObGraLista* Gra = nullptr;
    TInfoGryRec Info;
    int Kod = KodSukces;
};
TSystemPolecenia SystemPolecenia(TKontekst& k, const std::string& plik);

// Runs a computation that writes a system into a file beside `plik` and renames it over `plik`
// when complete; prints "n: " and "bets: " of the result. The computation gets the temporary name.
int ZapiszWynikPolecenia(TKontekst& k, const std::string& plik,
                         const std::function<TWynikGeneracji(const std::string& tymczasowy)>& oblicz);

// Filters and the search in a system work on a copy of the source in the result's store.
template <typename TGen, typename TRekord>
int Przesiej(TKontekst& k, const TSystemPolecenia& s, const std::string& zrodlo, TRekord rekord, const std::string& plik)
{
    return ZapiszWynikPolecenia(k, plik, [&](const std::string& tymczasowy) {
        const std::string roboczy = plik + ".src~";
        rekord.PlikWyniku = tymczasowy;
        rekord.PlikRoboczy = roboczy;
        TWynikGeneracji wynik;
        if (!KopiujPlik(zrodlo, tymczasowy)) {
            wynik.BladPliku = true;
            return wynik;
        }
        const std::atomic<bool> przerwij{false};
        wynik = TGen(s.Info, rekord, s.Gra->Losowania, przerwij, nullptr).Wykonaj();
        std::error_code blad;
        std::filesystem::remove(roboczy, blad);
        return wynik;
    });
}

} // namespace tarvomund::cli
