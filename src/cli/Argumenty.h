#pragma once

#include "Polecenia.h"

#include "systems/TGenSys01.h"

#include <charconv>
#include <functional>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// What every command shares: usage errors, the catalogue, and its own options and numbers.
namespace tarvomund::cli {

// Thrown by a command for a usage error; the dispatcher prints it with the command's syntax.
class TBladUzycia {
public:
    explicit TBladUzycia(std::string tekst) : Tekst(std::move(tekst)) {}
    std::string Tekst;
};

void WymagajArgumentow(const TKontekst& k, std::size_t ile);
// The catalogue, or an error when the data directory cannot be read at all.
std::optional<TKatalogGier> Katalog(TKontekst& k);

// The catalogue with the game a command names. Kod is KodSukces when both are there; otherwise a
// message has been printed and Kod is the exit code: unreadable data, or a usage error for an unknown game.
struct TGraPolecenia {
    std::optional<TKatalogGier> Katalog;
    std::size_t Indeks = 0;
    int Kod = KodSukces;

    TObGraLista& Gra() { return Katalog->Gra(Indeks); }
};
TGraPolecenia GraPolecenia(TKontekst& k, const std::string& nazwa);

// A command's own options, each with one value ("--n 10", "-o FILE"), its switches without a value
// ("--dry-run") and its positional arguments.
struct TArgumentyPolecenia {
    std::vector<std::string> Pozycyjne;
    std::map<std::string, std::string> Opcje;
    std::set<std::string> Flagi;

    bool Ma(const std::string& nazwa) const { return Opcje.count(nazwa) != 0; }
    bool MaFlage(const std::string& nazwa) const { return Flagi.count(nazwa) != 0; }
    const std::string& Wartosc(const std::string& nazwa) const;
};

// The options, the switches and however many positional arguments there are.
TArgumentyPolecenia RozbierzOpcje(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                  std::initializer_list<std::string_view> flagi = {});
// The options and exactly `pozycyjnych` positional arguments.
TArgumentyPolecenia RozbierzArgumenty(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                      std::size_t pozycyjnych);
TArgumentyPolecenia RozbierzArgumenty(const TKontekst& k, std::initializer_list<std::string_view> dozwolone,
                                      std::initializer_list<std::string_view> flagi, std::size_t pozycyjnych);

template <typename T> T Liczba(const std::string& tekst, const std::string& nazwa)
{
    T wartosc{};
    const auto [koniec, ec] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (ec != std::errc() || koniec != tekst.data() + tekst.size() || tekst.empty())
        throw TBladUzycia(nazwa + " needs a whole number, not \"" + tekst + "\"");
    return wartosc;
}

// "a,b,c" split at the commas; an empty text gives one empty piece.
std::vector<std::string> PolaPrzecinkami(const std::string& tekst);

void WymagajZakresu(int64_t wartosc, int64_t od, int64_t do_, const std::string& opis);
// The date of an option, dd.mm.yyyy (d.m.yyyy too), as a day count.
double DataOpcji(const TArgumentyPolecenia& argumenty, const std::string& nazwa);

// Runs a computation that writes a system into a file beside `plik`; the file replaces `plik` only
// when complete. Nothing (with the message printed, `dopisek` after it) when it could not be written.
std::optional<TWynikGeneracji> ZapiszSystemPrzezTymczasowy(
    TKontekst& k, const std::string& plik, const std::function<TWynikGeneracji(const std::string&)>& wykonaj,
    std::string_view dopisek = {});

// The commands, one function each; the table in Polecenia.cpp names them.
int PolecenieGames(TKontekst& k);
int PolecenieDraws(TKontekst& k);
int PolecenieNewGame(TKontekst& k);
int PolecenieSlips(TKontekst& k);
int PolecenieGenerate(TKontekst& k);
int PoleceniePool(TKontekst& k);
int PolecenieShow(TKontekst& k);
int PolecenieSum(TKontekst& k);
int PolecenieDiff(TKontekst& k);
int PolecenieCompose(TKontekst& k);
int PolecenieGuarantee(TKontekst& k);
int PolecenieBio(TKontekst& k);
int PolecenieExport(TKontekst& k);
int PolecenieImport(TKontekst& k);
int PolecenieStats(TKontekst& k);
int PolecenieStatsFile(TKontekst& k);
int PolecenieTest(TKontekst& k);
int PolecenieGroup(TKontekst& k);
int PolecenieSettle(TKontekst& k);
int PolecenieCover(TKontekst& k);
int PolecenieReduce(TKontekst& k);
int PolecenieComplete(TKontekst& k);
int PolecenieHoles(TKontekst& k);

} // namespace tarvomund::cli
