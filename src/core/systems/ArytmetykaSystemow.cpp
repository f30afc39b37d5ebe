#include "systems/ArytmetykaSystemow.h"

#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "systems/TListaZakladow.h"

#include <algorithm>
#include <bitset>
#include <limits>
#include <memory>
#include <new>

namespace tarvomund {

namespace {

constexpr int InterwalCzytaniaMs = 100;
constexpr int InterwalZapisuMs = 200;
// Own numbers are bytes: the set of numbers the summed systems use.
using TUzyteLiczby = std::bitset<256>;

// The second own-numbers array of positions 1..n: the numbers a system stands for.
void DodajUzyte(const TInfoGryRec& info, TUzyteLiczby& uzyte)
{
    const int n = std::clamp(info.n, 0, MaxLiczbSystemu);
    for (int p = 0; p < n; ++p)
        uzyte.set(info.Wlasne[1][static_cast<std::size_t>(p)]);
}

// A number system that can be read, or nothing.
std::unique_ptr<TCzytnikSystemu> OtworzLiczbowy(const std::string& plik)
{
    auto czytnik = std::make_unique<TCzytnikSystemu>(plik);
    if (!czytnik->Otwarty() || czytnik->Naglowek().Pilkarski())
        return nullptr;
    return czytnik;
}

// Writes the header and hands the run's figures back.
TWynikGeneracji Zakoncz(TPisarzSystemu& pisarz, TInfoGryRec naglowek,
                        const std::array<int32_t, MaxLiczbSystemu>& wystapienia, bool przerwano, bool blad)
{
    naglowek.Wystapienia = wystapienia;
    TWynikGeneracji wynik;
    wynik.n = naglowek.n;
    wynik.Zakladow = pisarz.Zapisanych();
    wynik.Wystapienia = wystapienia;
    wynik.Wlasne = naglowek.Wlasne;
    wynik.Przerwano = przerwano;
    wynik.BladPliku = blad;
    if (!pisarz.Zakoncz(naglowek))
        wynik.BladPliku = true;
    return wynik;
}

TWynikGeneracji NieOtwarty(const TInfoGryRec& info)
{
    TWynikGeneracji wynik;
    wynik.n = info.n;
    wynik.BladPliku = true;
    return wynik;
}

} // namespace

bool TaSamaGra(const TInfoGryRec& a, const TInfoGryRec& b)
{
    return a.MinSkreslen == b.MinSkreslen && a.MaxSkreslen == b.MaxSkreslen && a.NormSkreslen == b.NormSkreslen
        && a.IleLiczb == b.IleLiczb && a.IleLosowanych == b.IleLosowanych && a.Pilkarski == b.Pilkarski;
}

TBladArytmetyki SprawdzZlozenie(const TInfoGryRec& a, const TInfoGryRec& b)
{
    const auto pilkarski = [](const TInfoGryRec& i) { return i.Pilkarski != 0 || i.KodGry == KodSystemuPilkarskiego; };
    if (pilkarski(a) || pilkarski(b))
        return TBladArytmetyki::Pilkarski;
    if (!TaSamaGra(a, b))
        return TBladArytmetyki::InnaGra;
    const int64_t n = int64_t{a.n} + b.n;
    const int64_t k = int64_t{a.k} + b.k;
    if (n > MaxLiczbSystemu || k > MaxLiczbSystemu)
        return TBladArytmetyki::PonadMaxLiczb;
    if (n > a.IleLiczb)
        return TBladArytmetyki::PonadLiczbyGry;
    if (int64_t{a.Zakladow} * b.Zakladow > std::numeric_limits<int32_t>::max())
        return TBladArytmetyki::ZaDuzoZakladow;
    return TBladArytmetyki::Brak;
}

TInfoGryRec ParametryZlozenia(const TInfoGryRec& a, const TInfoGryRec& b)
{
    TInfoGryRec info = a;
    info.k = a.k + b.k;
    info.n = a.n + b.n;
    info.Zakladow = static_cast<int32_t>(
        std::min<int64_t>(int64_t{a.Zakladow} * b.Zakladow, std::numeric_limits<int32_t>::max()));
    info.Metoda = 0;
    info.Gwarancja = 0;
    info.Wystapienia = {};
    info.UstawWlasneDomyslne();
    return info;
}

TBladArytmetyki SprawdzSume(const std::vector<TInfoGryRec>& systemy)
{
    if (systemy.empty())
        return TBladArytmetyki::BrakSystemow;
    const TInfoGryRec& wzor = systemy.front();
    TUzyteLiczby uzyte;
    for (const TInfoGryRec& info : systemy) {
        if (info.Pilkarski != 0 || info.KodGry == KodSystemuPilkarskiego)
            return TBladArytmetyki::Pilkarski;
        if (!TaSamaGra(wzor, info))
            return TBladArytmetyki::InnaGra;
        if (info.k != wzor.k)
            return TBladArytmetyki::InneK;
        DodajUzyte(info, uzyte);
    }
    if (uzyte.count() > static_cast<std::size_t>(MaxLiczbSystemu))
        return TBladArytmetyki::PonadMaxLiczb;
    return TBladArytmetyki::Brak;
}

TInfoGryRec ParametrySumy(const TInfoGryRec& pierwszy)
{
    TInfoGryRec info = pierwszy;
    info.Metoda = BrakMetody;
    return info;
}

TWynikGeneracji ZlozSystemy(const TInfoGryRec& info, const std::string& plik, const std::string& plikA,
                            const std::string& plikB, const std::atomic<bool>& przerwij, TRaportPostepu& postep)
{
    TPisarzSystemu pisarz(plik, info.k);
    if (!pisarz.Otwarty())
        return NieOtwarty(info);
    std::array<int32_t, MaxLiczbSystemu> wystapienia{};
    const auto czytnikA = OtworzLiczbowy(plikA);
    const auto czytnikB = OtworzLiczbowy(plikB);
    // The sources must still be the systems the record was made from: their k together fill a bet
    // of at most 120 positions.
    if (!czytnikA || !czytnikB || info.k > MaxLiczbSystemu
        || czytnikA->Naglowek().Info.k + czytnikB->Naglowek().Info.k != info.k)
        return Zakoncz(pisarz, info, wystapienia, false, true);

    const int kA = czytnikA->Naglowek().Info.k;
    const int kB = czytnikB->Naglowek().Info.k;
    const int nA = czytnikA->Naglowek().Info.n;
    const int64_t wszystkich = int64_t{czytnikA->Naglowek().Info.Zakladow} * czytnikB->Naglowek().Info.Zakladow;
    TStrumienZakladow zakladyA(*czytnikA);
    TStrumienZakladow zakladyB(*czytnikB);
    // Every item writes a bet, so the whole run keeps the writing interval.
    postep.NowaFaza(InterwalZapisuMs);
    bool przerwano = false;
    int64_t i = 0;
    TZaklad zaklad{};
    // A damaged bet whose positions leave 1..120 (or would overlap A's) has no place in the counts
    // and is left out.
    const auto wZakresie = [](int p, int od) { return p >= od && p <= MaxLiczbSystemu; };
    while (!przerwano) {
        const auto* a = zakladyA.Nastepny();
        if (!a)
            break;
        bool poprawnyA = true;
        for (int j = 0; j < kA; ++j) {
            zaklad[static_cast<std::size_t>(j)] = (*a)[static_cast<std::size_t>(j)];
            poprawnyA = poprawnyA && wZakresie((*a)[static_cast<std::size_t>(j)], 1);
        }
        zakladyB.OdNowa();
        while (!(przerwano = przerwij.load(std::memory_order_relaxed))) {
            const auto* b = zakladyB.Nastepny();
            if (!b)
                break;
            postep.Zglos(++i, wszystkich);
            bool poprawny = poprawnyA;
            for (int j = 0; j < kB; ++j) {
                const int p = (*b)[static_cast<std::size_t>(j)] + nA;
                poprawny = poprawny && wZakresie(p, nA + 1);
                zaklad[static_cast<std::size_t>(kA + j)] = static_cast<uint8_t>(p);
            }
            if (!poprawny)
                continue;
            pisarz.Dodaj(zaklad.data());
            for (int j = 0; j < info.k; ++j)
                ++wystapienia[static_cast<std::size_t>(zaklad[static_cast<std::size_t>(j)] - 1)];
        }
        if (zakladyB.Blad())
            break;
    }
    TInfoGryRec naglowek = info;
    naglowek.n = std::min(nA + czytnikB->Naglowek().Info.n, MaxLiczbSystemu);
    return Zakoncz(pisarz, naglowek, wystapienia, przerwano, zakladyA.Blad() || zakladyB.Blad());
}

TWynikGeneracji SumujSystemy(const TInfoGryRec& info, const std::string& plik, const std::vector<std::string>& pliki,
                             TTrybSumy tryb, const std::atomic<bool>& przerwij, TRaportPostepu& postep)
{
    TPisarzSystemu pisarz(plik, info.k);
    if (!pisarz.Otwarty())
        return NieOtwarty(info);
    const int k = info.k;
    std::array<int32_t, MaxLiczbSystemu> wystapienia{};
    TInfoGryRec naglowek = info;
    bool blad = false;
    bool przerwano = false;
    TUzyteLiczby uzyte;
    if (k < 1 || k > MaxLiczbSystemu)
        return Zakoncz(pisarz, naglowek, wystapienia, false, true);
    TListaZakladow lista(k);

    try {
        // The sources are opened up front so that the progress can run over all their bets.
        std::vector<std::unique_ptr<TCzytnikSystemu>> czytniki;
        int64_t wszystkich = 0;
        for (const std::string& zrodlo : pliki) {
            auto czytnik = OtworzLiczbowy(zrodlo);
            // A source that cannot be read, or no longer has the k of the sum, ends the reading.
            if (!czytnik || czytnik->Naglowek().Info.k != k) {
                blad = true;
                break;
            }
            wszystkich += czytnik->Naglowek().Info.Zakladow;
            czytniki.push_back(std::move(czytnik));
        }

        postep.NowaFaza(InterwalCzytaniaMs);
        int64_t i = 0;
        for (const auto& czytnik : czytniki) {
            if ((przerwano = przerwij.load(std::memory_order_relaxed)))
                break;
            const TInfoGryRec& zrodlo = czytnik->Naglowek().Info;
            DodajUzyte(zrodlo, uzyte);
            TStrumienZakladow zaklady(*czytnik);
            while (!(przerwano = przerwij.load(std::memory_order_relaxed))) {
                const auto* rekord = zaklady.Nastepny();
                if (!rekord)
                    break;
                postep.Zglos(++i, wszystkich);
                // Compared in lottery numbers: each position through its own system's numbers.
                TZaklad liczby{};
                bool poprawny = true;
                for (int j = 0; j < k && poprawny; ++j) {
                    const uint8_t p = (*rekord)[static_cast<std::size_t>(j)];
                    poprawny = p >= 1 && p <= MaxLiczbSystemu;
                    if (poprawny)
                        liczby[static_cast<std::size_t>(j)] = zrodlo.Wlasne[1][static_cast<std::size_t>(p - 1)];
                }
                if (!poprawny)
                    continue; // a damaged bet has no lottery numbers to compare
                SortujZaklad(liczby, k);
                for (int j = 0; j < k; ++j)
                    uzyte.set(liczby[static_cast<std::size_t>(j)]);
                // The difference keeps what occurs an odd number of times.
                if (tryb == TTrybSumy::Roznica && lista.Zawiera(liczby))
                    lista.Usun(liczby);
                else
                    lista.Dodaj(liczby);
            }
            blad = blad || zaklady.Blad();
            if (przerwano || zaklady.Blad())
                break;
        }
    } catch (const std::bad_alloc&) {
        // No memory for the list: what it holds is still written out.
        blad = true;
    }

    // The used numbers in ascending order are the new system's numbers; a position is a byte, so
    // a sum over more than 120 numbers cannot be written at all.
    if (uzyte.count() > static_cast<std::size_t>(MaxLiczbSystemu))
        return Zakoncz(pisarz, naglowek, wystapienia, przerwano, true);
    std::array<uint8_t, 256> pozycja{};
    int nowe = 0;
    for (std::size_t liczba = 0; liczba < uzyte.size(); ++liczba)
        if (uzyte.test(liczba)) {
            naglowek.Wlasne[1][static_cast<std::size_t>(nowe)] = static_cast<uint8_t>(liczba);
            pozycja[liczba] = static_cast<uint8_t>(++nowe);
        }
    // With no source read at all the first system's numbering stays, so the file remains a valid system.
    if (nowe > 0)
        naglowek.n = nowe;

    // Written out in key order, all of it: a stop cuts only the reading.
    postep.NowaFaza(InterwalZapisuMs);
    const auto doZapisu = static_cast<int64_t>(lista.Ile());
    int64_t i = 0;
    lista.DlaKazdegoPosortowanego([&](const TZaklad& liczby) {
        TZaklad zaklad{};
        for (int j = 0; j < k; ++j) {
            const uint8_t p = pozycja[liczby[static_cast<std::size_t>(j)]];
            zaklad[static_cast<std::size_t>(j)] = p;
            ++wystapienia[static_cast<std::size_t>(p - 1)];
        }
        pisarz.Dodaj(zaklad.data());
        postep.Zglos(++i, doZapisu);
    });
    return Zakoncz(pisarz, naglowek, wystapienia, przerwano, blad);
}

} // namespace tarvomund
