#include "systems/TGenTest01.h"

#include "model/Daty.h"
#include "model/PlikSystemu.h"
#include "model/Wspolne.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace tarvomund {

namespace {

constexpr const char* TytulTestu = "Test systemu";
constexpr const char* Podsumowanie = "Podsumowanie";
constexpr const char* BrakTrafien = "Brak trafień";
constexpr const char* PustaKolumna = "    ------";
constexpr int SzerokoscKolumny = 10;
constexpr int SzerokoscDaty = 10;
constexpr int SzerokoscNumeru = 11;
constexpr int SzerokoscTrafien = 3;
constexpr int64_t OdstepPostepuMs = 100;
// Bit sets cover the byte values 0..255: four 64-bit words.
constexpr int MaxSlow = 4;

// Counts by hits: a bet has at most 120 numbers, a draw at most 30.
using TLiczniki = std::array<int64_t, MaxLiczbSystemu + 1>;

int64_t TerazMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

uint8_t WlasnaLiczba(const TInfoGryRec& info, uint8_t pozycja)
{
    if (pozycja >= 1 && pozycja <= MaxLiczbSystemu)
        return info.Wlasne[1][pozycja - 1];
    return pozycja;
}

std::string Kolumna(int64_t ile, int trafien)
{
    return DopelnijZLewej(SzerokoscKolumny, std::to_string(ile) + "x(" + std::to_string(trafien) + ")");
}

// The summary of the entered and random tests: hits from `od` down to 1, counts above 0 only.
std::string KolumnyNiezerowe(const TLiczniki& ile, int od)
{
    std::string wiersz;
    for (int h = std::min(od, MaxLiczbSystemu); h >= 1; --h)
        if (ile[static_cast<std::size_t>(h)] > 0)
            wiersz += Kolumna(ile[static_cast<std::size_t>(h)], h);
    return wiersz;
}

// The columns of the draw history: hits from `od` down to `do_`, dashes for none.
std::string KolumnyBazy(const TLiczniki& ile, int od, int do_)
{
    std::string wiersz;
    for (int h = std::min(od, MaxLiczbSystemu); h >= std::max(do_, 0); --h)
        wiersz += ile[static_cast<std::size_t>(h)] > 0 ? Kolumna(ile[static_cast<std::size_t>(h)], h)
                                                        : std::string(PustaKolumna);
    return wiersz;
}

std::string Pozycja(int32_t numer, int trafien)
{
    const std::string numerTekst = std::string("[").append(std::to_string(numer)).append("]->(");
    return DopelnijZLewej(SzerokoscNumeru, numerTekst) +
           DopelnijZLewej(SzerokoscTrafien, std::to_string(trafien) + ")");
}

// Collects winning bets into report lines of a fixed count of items.
class TWierszePozycji {
public:
    TWierszePozycji(std::vector<std::string>& wiersze, int naWiersz) : wiersze_(wiersze), naWiersz_(naWiersz) {}
    void Dodaj(int32_t numer, int trafien)
    {
        biezacy_ += Pozycja(numer, trafien);
        if (++wBiezacym_ >= naWiersz_)
            Zamknij();
    }
    // Writes a partly filled last line.
    void Zamknij()
    {
        if (wBiezacym_ > 0)
            wiersze_.push_back(std::move(biezacy_));
        biezacy_.clear();
        wBiezacym_ = 0;
    }

private:
    std::vector<std::string>& wiersze_;
    int naWiersz_;
    std::string biezacy_;
    int wBiezacym_ = 0;
};

// The tested numbers or signs between two dashed lines as long as they are.
void WierszTestowanych(std::vector<std::string>& wiersze, const std::string& tekst)
{
    const std::string kreski(ZnakowUtf8(tekst), '-');
    wiersze.push_back(kreski);
    wiersze.push_back(tekst);
    wiersze.push_back(kreski);
}

// The closing summary of the entered, random and pool tests.
void Podsumuj(std::vector<std::string>& wiersze, const std::string& naglowek, const std::string& kolumny)
{
    wiersze.push_back(naglowek);
    wiersze.push_back(std::string(std::max(ZnakowUtf8(naglowek), ZnakowUtf8(kolumny)), '='));
    wiersze.push_back(kolumny.empty() ? std::string(BrakTrafien) : kolumny);
    wiersze.emplace_back();
}

// Bets as bit sets over the values 0..255, W words each, so that the hits of a bet against a
// draw whose numbers are distinct are one AND and one population count per word.
template <int W> void ZliczBitami(const std::vector<uint64_t>& zaklady, const std::array<uint64_t, MaxSlow>& los,
                                  TLiczniki& ile)
{
    // Two histograms taken in turn, so that consecutive bets with the same count do not wait
    // for each other's increment.
    std::array<TLiczniki, 2> czesciowe{};
    const std::size_t zakladow = zaklady.size() / W;
    const uint64_t* z = zaklady.data();
    std::size_t i = 0;
    for (; i + 1 < zakladow; i += 2, z += 2 * W) {
        int h0 = 0;
        int h1 = 0;
        for (int s = 0; s < W; ++s) {
            h0 += std::popcount(z[s] & los[static_cast<std::size_t>(s)]);
            h1 += std::popcount(z[W + s] & los[static_cast<std::size_t>(s)]);
        }
        ++czesciowe[0][static_cast<std::size_t>(h0)];
        ++czesciowe[1][static_cast<std::size_t>(h1)];
    }
    for (; i < zakladow; ++i, z += W) {
        int h = 0;
        for (int s = 0; s < W; ++s)
            h += std::popcount(z[s] & los[static_cast<std::size_t>(s)]);
        ++czesciowe[0][static_cast<std::size_t>(h)];
    }
    for (std::size_t h = 0; h < ile.size(); ++h)
        ile[h] = czesciowe[0][h] + czesciowe[1][h];
}

void ZliczBitami(int slow, const std::vector<uint64_t>& zaklady, const std::array<uint64_t, MaxSlow>& los,
                 TLiczniki& ile)
{
    switch (slow) {
    case 1:
        return ZliczBitami<1>(zaklady, los, ile);
    case 2:
        return ZliczBitami<2>(zaklady, los, ile);
    case 3:
        return ZliczBitami<3>(zaklady, los, ile);
    default:
        return ZliczBitami<4>(zaklady, los, ile);
    }
}

} // namespace

std::optional<TSystemTestu> WczytajSystemTestu(const std::string& plik, const std::atomic<bool>& przerwij,
                                               const TPostepWczytaniaTestu& postep)
{
    // One open file for the header and the bets, so a file swapped in between is never mixed in.
    TCzytnikSystemu czytnik(plik);
    if (!czytnik.Otwarty())
        return std::nullopt;
    TSystemTestu system;
    system.Info = czytnik.Naglowek().Info;
    system.Pilkarski = czytnik.Naglowek().Pilkarski();
    system.k = czytnik.Naglowek().RozmiarRekordu;
    const int32_t wszystkich = system.Info.Zakladow;
    const auto k = static_cast<std::size_t>(system.k);
    // The header's count was checked against the file's size, so this never exceeds the file.
    system.Zaklady.reserve(static_cast<std::size_t>(wszystkich) * k);
    TStrumienZakladow strumien(czytnik);
    bool przerwano = false;
    for (int32_t i = 0; i < wszystkich; ++i) {
        if (przerwij) {
            przerwano = true;
            break;
        }
        const auto* zaklad = strumien.Nastepny();
        if (!zaklad)
            return std::nullopt;
        if (postep && i % PostepWczytaniaCo == 0)
            postep(i, wszystkich);
        for (std::size_t p = 0; p < k; ++p)
            system.Zaklady.push_back(system.Pilkarski ? (*zaklad)[p] : WlasnaLiczba(system.Info, (*zaklad)[p]));
    }
    if (postep && !przerwano && wszystkich > 0)
        postep(wszystkich - 1, wszystkich);
    // A stopped load tests the bets it read.
    system.Info.Zakladow = system.Ile();
    return system;
}

TGenTest01::TGenTest01(const TSystemTestu& system, TParametryTestu parametry, const std::atomic<bool>& przerwij,
                       TPokazPostepTestu postep)
    : system_(system), parametry_(std::move(parametry)), przerwij_(przerwij), postep_(std::move(postep)),
      ostatniPostep_(TerazMs() - 1000)
{
}

TWynikTestu TGenTest01::Wykonaj()
{
    TWynikTestu wynik;
    if (system_.Pilkarski)
        TestTypow(wynik);
    else if (parametry_.Tryb == TTrybTestu::Baza)
        TestBazy(wynik);
    else
        TestLiczb(wynik);
    wynik.Przerwano = przerwij_;
    return wynik;
}

void TGenTest01::Postep(int64_t pozycja, int64_t maksimum, double procent)
{
    if (!postep_)
        return;
    const int64_t teraz = TerazMs();
    if (teraz - ostatniPostep_ <= OdstepPostepuMs)
        return;
    ostatniPostep_ = teraz;
    postep_({pozycja, maksimum, TekstPostepuTestu(procent)});
}

void TGenTest01::TestLiczb(TWynikTestu& wynik)
{
    const int k = std::clamp(system_.k, 0, MaxLiczbSystemu);
    const int d = std::min(static_cast<int>(parametry_.Liczby.size()), MaxLiczbSystemu);
    TTablicaLiczb testowane{};
    std::copy_n(parametry_.Liczby.begin(), d, testowane.begin());
    std::string liczby;
    for (int i = 0; i < d; ++i) {
        if (i > 0)
            liczby += ',';
        liczby += std::to_string(testowane[static_cast<std::size_t>(i)]);
    }
    WierszTestowanych(wynik.Wiersze, liczby);

    const int32_t zakladow = system_.Ile();
    TWierszePozycji pozycje(wynik.Wiersze, PozycjiWWierszu(zakladow));
    TLiczniki ile{};
    TTablicaLiczb zaklad{};
    for (int32_t i = 1; i <= zakladow && !przerwij_; ++i) {
        Postep(i - 1, zakladow, Procent(i - 1, zakladow));
        std::copy_n(system_.Zaklad(i - 1), k, zaklad.begin());
        const int h = IleWspolnych(zaklad, testowane, k, d);
        if (h < parametry_.MinTrafien)
            continue;
        wynik.Trafienia.push_back(i);
        ++ile[static_cast<std::size_t>(h)];
        pozycje.Dodaj(i, h);
    }
    pozycje.Zamknij();
    Podsumuj(wynik.Wiersze,
             std::string(Podsumowanie) + " od " + std::to_string(d) + " do " + std::to_string(parametry_.MinTrafien) +
                 " trafień:",
             KolumnyNiezerowe(ile, k));
}

void TGenTest01::TestTypow(TWynikTestu& wynik)
{
    const int k = std::clamp(system_.k, 0, MaxLiczbSystemu);
    std::vector<uint8_t> wiersz = parametry_.Liczby;
    wiersz.resize(static_cast<std::size_t>(k), 0);
    std::string znaki;
    for (int j = 0; j < k; ++j) {
        if (j > 0)
            znaki += ',';
        znaki += ZnakTypu(wiersz[static_cast<std::size_t>(j)]);
    }
    WierszTestowanych(wynik.Wiersze, znaki);

    const int32_t zakladow = system_.Ile();
    TWierszePozycji pozycje(wynik.Wiersze, PozycjiWWierszu(zakladow));
    TLiczniki ile{};
    for (int32_t i = 1; i <= zakladow && !przerwij_; ++i) {
        Postep(i - 1, zakladow, Procent(i - 1, zakladow));
        const uint8_t* zaklad = system_.Zaklad(i - 1);
        // A match counts when the bet holds the row's sign; a match without a sign is never a hit.
        int h = 0;
        for (int j = 0; j < k; ++j)
            h += zaklad[j] != 0 && zaklad[j] == wiersz[static_cast<std::size_t>(j)];
        if (h < parametry_.MinTrafien)
            continue;
        ++ile[static_cast<std::size_t>(h)];
        if (parametry_.Wpisane)
            pozycje.Dodaj(i, h);
    }
    pozycje.Zamknij();
    Podsumuj(wynik.Wiersze, Podsumowanie, KolumnyNiezerowe(ile, k));
}

void TGenTest01::TestBazy(TWynikTestu& wynik)
{
    static const std::vector<TObLos> bezLosowan;
    const std::vector<TObLos>& losowania = parametry_.Losowania ? *parametry_.Losowania : bezLosowan;
    const int k = std::clamp(system_.k, 0, MaxLiczbSystemu);
    const int d = std::clamp(parametry_.IleLosowanych, 0, MaxLiczbWLosowaniu);
    const int kolumn = std::min(d, k);
    const int min = parametry_.MinTrafien;
    const int32_t zakladow = system_.Ile();
    const auto ileLosowan = static_cast<int32_t>(losowania.size());
    const int64_t porownan = static_cast<int64_t>(ileLosowan) * zakladow;

    // The bit sets are as wide as the largest number of the bets and the compared draws needs.
    int slow = 0;
    std::vector<uint64_t> bity;
    if (!parametry_.PorownaniePoLiczbie) {
        uint8_t najwieksza = 0;
        for (uint8_t v : system_.Zaklady)
            najwieksza = std::max(najwieksza, v);
        for (const TObLos& los : losowania)
            for (int p = 0; p < d; ++p)
                najwieksza = std::max(najwieksza, los.Liczby[static_cast<std::size_t>(p)]);
        slow = najwieksza / 64 + 1;
        bity.assign(static_cast<std::size_t>(zakladow) * static_cast<std::size_t>(slow), 0);
        for (int32_t i = 0; i < zakladow; ++i) {
            const uint8_t* zaklad = system_.Zaklad(i);
            uint64_t* slowa = bity.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(slow);
            for (int p = 0; p < k; ++p)
                slowa[zaklad[p] / 64] |= uint64_t{1} << (zaklad[p] % 64);
        }
    }

    TLiczniki razem{};
    std::vector<std::string> wierszeLosowan;
    TTablicaLiczb testowane{};
    TTablicaLiczb zaklad{};
    for (int32_t l = 0; l < ileLosowan && !przerwij_; ++l) {
        const TObLos& los = losowania[static_cast<std::size_t>(l)];
        Postep(static_cast<int64_t>(l) * zakladow, porownan, Procent(l, ileLosowan));
        if (los.Data < parametry_.Od || los.Data > parametry_.Do)
            continue;
        TLiczniki ile{};
        std::array<uint64_t, MaxSlow> slowaLosu{};
        for (int p = 0; p < d; ++p)
            slowaLosu[los.Liczby[static_cast<std::size_t>(p)] / 64] |= uint64_t{1}
                                                                      << (los.Liczby[static_cast<std::size_t>(p)] % 64);
        int rozne = 0;
        for (uint64_t s : slowaLosu)
            rozne += std::popcount(s);
        // A number repeated within a draw counts each time it occurs, which a set cannot tell:
        // such a draw takes the plain count.
        if (slow > 0 && rozne == d) {
            ZliczBitami(slow, bity, slowaLosu, ile);
        } else {
            std::copy_n(los.Liczby.begin(), d, testowane.begin());
            for (int32_t i = 0; i < zakladow && !przerwij_; ++i) {
                std::copy_n(system_.Zaklad(i), k, zaklad.begin());
                ++ile[static_cast<std::size_t>(IleWspolnych(testowane, zaklad, d, k))];
            }
        }
        bool trafiono = false;
        for (int h = std::max(min, 0); h <= MaxLiczbSystemu; ++h) {
            if (ile[static_cast<std::size_t>(h)] > 0)
                trafiono = true;
            razem[static_cast<std::size_t>(h)] += ile[static_cast<std::size_t>(h)];
        }
        if (trafiono)
            wierszeLosowan.push_back(DopelnijZLewej(SzerokoscDaty, TekstDaty(los.Data)) +
                                     KolumnyBazy(ile, kolumn, min));
    }

    wynik.Wiersze.insert(wynik.Wiersze.end(), std::make_move_iterator(wierszeLosowan.begin()),
                         std::make_move_iterator(wierszeLosowan.end()));
    const std::string podsumowanie = std::string(SzerokoscDaty, ' ') + KolumnyBazy(razem, kolumn, min);
    const std::string rowne(ZnakowUtf8(podsumowanie), '=');
    wynik.Wiersze.push_back(rowne);
    wynik.Wiersze.push_back(Podsumowanie);
    wynik.Wiersze.push_back(rowne);
    wynik.Wiersze.push_back(podsumowanie);
}

std::vector<std::string> NaglowekTestu(const TSystemTestu& system, bool poWczytaniu)
{
    std::string wiersz = std::string(TytulTestu) + " ";
    if (!system.Pilkarski)
        wiersz += std::to_string(system.k) + "/" + std::to_string(system.Info.n) + "/" + std::to_string(system.Ile());
    else if (poWczytaniu)
        wiersz += std::to_string(system.k) + "/" + std::to_string(system.Ile());
    else
        wiersz += std::to_string(system.Ile());
    return {wiersz, std::string(ZnakowUtf8(wiersz), '=')};
}

int PozycjiWWierszu(int32_t zakladow)
{
    if (zakladow <= 4)
        return std::max(zakladow, 1);
    return zakladow < 500 ? 5 : 10;
}

std::string TekstPostepuTestu(double procent)
{
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%7.3f%%", procent);
    return bufor;
}

std::vector<uint8_t> LosujLiczbyTestu(TLosowe& losowe, int ileLiczb, int ileLosowanych)
{
    ileLiczb = std::clamp(ileLiczb, 0, 255);
    const int ile = std::clamp(ileLosowanych, 0, ileLiczb);
    std::array<bool, 256> wylosowana{};
    std::vector<uint8_t> liczby;
    // A number drawn again is drawn anew.
    while (static_cast<int>(liczby.size()) < ile) {
        const int liczba = losowe.Zakres(1, ileLiczb);
        if (wylosowana[static_cast<std::size_t>(liczba)])
            continue;
        wylosowana[static_cast<std::size_t>(liczba)] = true;
        liczby.push_back(static_cast<uint8_t>(liczba));
    }
    std::sort(liczby.begin(), liczby.end());
    return liczby;
}

std::vector<uint8_t> LosujTypyTestu(TLosowe& losowe, int k)
{
    std::vector<uint8_t> typy(static_cast<std::size_t>(std::max(k, 0)));
    for (uint8_t& typ : typy)
        typ = static_cast<uint8_t>(losowe.Zakres(1, 3));
    return typy;
}

const char* ZnakTypu(uint8_t kod)
{
    switch (kod) {
    case 1:
        return "1";
    case 2:
        return "x";
    case 3:
        return "2";
    default:
        return "-";
    }
}

std::optional<uint8_t> KodTypu(std::string_view znak)
{
    if (znak == "1")
        return 1;
    if (znak == "x" || znak == "X")
        return 2;
    if (znak == "2")
        return 3;
    if (znak == "-")
        return 0;
    return std::nullopt;
}

} // namespace tarvomund
