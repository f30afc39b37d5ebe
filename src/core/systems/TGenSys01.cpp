#include "systems/TGenSys01.h"

#include "model/PlikSystemu.h"
#include "systems/ArytmetykaSystemow.h"
#include "systems/Kombinatoryka.h"
#include "systems/Metody.h"
#include "systems/OptymalizatorPokrycia.h"
#include "systems/TWyzarzaniePokrycia.h"
#include "systems/PokrycieGwarancyjne.h"
#include "systems/TListaZakladow.h"
#include "systems/TLosGen.h"

#include <algorithm>
#include <new>
#include <optional>
#include <vector>

namespace tarvomund {

namespace {

constexpr const char* FormatPostepu = "%6.2f%%";
constexpr int InterwalGeneracjiMs = 100;
constexpr int InterwalSprawdzaniaMs = 200;
constexpr int InterwalZapisuMs = 200;
// Phases whose items take nanoseconds ask the clock only every so many items.
constexpr int64_t KrokProbkowania = 1024;
// A list is reserved up front for at most so many bets; beyond that it grows as it fills.
constexpr std::size_t MaxRezerwy = std::size_t{1} << 22;

// How many distinct bets of k out of n contain all s sure positions. With s >= k the balanced
// source can only form one: the first k sure positions.
int64_t IleMozliwych(int n, int k, int s)
{
    if (s >= k)
        return 1;
    return Zaokraglij(Kombinacje(n - s, k - s));
}

// One run of the generator: the file, the occurrence counts and the stop and progress plumbing
// that every method shares.
class TPrzebieg {
public:
    TPrzebieg(const TInfoGryRec& info, TPisarzSystemu& pisarz, const std::atomic<bool>& przerwij,
              TRaportPostepu& postep, TLosowe& losowe, const std::function<void(int32_t)>& poZapisie,
              double optymalizacja, int64_t celOptymalizacji)
        : info_(info), k_(info.k), n_(info.n), zakladow_(info.Zakladow), pisarz_(pisarz), przerwij_(przerwij),
          postep_(postep), losowe_(losowe), poZapisie_(poZapisie), optymalizacja_(optymalizacja),
          celOptymalizacji_(celOptymalizacji)
    {
        wystapienia_ = info.Wystapienia;
        const int ileLiczb = std::clamp<int>(info.IleLiczb, 0, MaxLiczbSystemu);
        std::fill(wystapienia_.begin(), wystapienia_.begin() + ileLiczb, 0);
    }

    void Generuj();
    bool Przerwano() const { return przerwano_; }
    const std::array<int32_t, MaxLiczbSystemu>& Wystapienia() const { return wystapienia_; }

private:
    bool Stop()
    {
        if (przerwij_.load(std::memory_order_relaxed))
            przerwano_ = true;
        return przerwano_;
    }
    void ZglosRzadko(int64_t i, int64_t wszystkich)
    {
        if ((i - 1) % KrokProbkowania == 0)
            postep_.Zglos(i, wszystkich);
    }
    void Zapisz(const TZaklad& zaklad);
    void ZapiszListe(const TListaZakladow& lista);
    void WszystkieMozliwe(TListaZakladow& lista, const TTablicaLiczb& pewne, int s);

    void MetodaPelna();
    void DodajWystapieniaSerii(const TZaklad& zaklad, int64_t zakladow);
    void MetodaRownomierna();
    void MetodaPrzypadkowa();
    void MetodaLancuchowaI();
    void MetodaLancuchowaII();
    void MetodaGwarancyjna();
    void SprawdzIUzupelnij(TListaZakladow& lista, int m);
    void UzupelnijBezMapy(TListaZakladow& lista, int m);
    void Optymalizuj(TListaZakladow& lista, int m);

    const TInfoGryRec& info_;
    const int k_;
    const int n_;
    const int64_t zakladow_;
    TPisarzSystemu& pisarz_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu& postep_;
    TLosowe& losowe_;
    const std::function<void(int32_t)>& poZapisie_;
    const double optymalizacja_;
    const int64_t celOptymalizacji_;
    std::array<int32_t, MaxLiczbSystemu> wystapienia_{};
    bool przerwano_ = false;
};

void TPrzebieg::Zapisz(const TZaklad& zaklad)
{
    pisarz_.Dodaj(zaklad.data());
    for (int i = 0; i < k_; ++i)
        ++wystapienia_[static_cast<std::size_t>(zaklad[static_cast<std::size_t>(i)] - 1)];
    if (poZapisie_)
        poZapisie_(pisarz_.Zapisanych());
}

// Every method but the full one collects its bets first and writes them here in key order.
void TPrzebieg::ZapiszListe(const TListaZakladow& lista)
{
    postep_.NowaFaza(InterwalZapisuMs);
    const auto wszystkich = static_cast<int64_t>(lista.Ile());
    int64_t i = 0;
    lista.DlaKazdegoPosortowanego([&](const TZaklad& zaklad) {
        Zapisz(zaklad);
        ZglosRzadko(++i, wszystkich);
    });
}

// The bets a random method could still draw when it is asked for all of them (or more): every
// combination of the free positions with all sure ones, so the method ends instead of drawing on.
void TPrzebieg::WszystkieMozliwe(TListaZakladow& lista, const TTablicaLiczb& pewne, int s)
{
    TZaklad pewneNaPoczatku{};
    std::vector<uint8_t> wolne;
    int ilePewnych = 0;
    for (int p = 1; p <= n_; ++p) {
        if (pewne[static_cast<std::size_t>(p - 1)] == 0)
            wolne.push_back(static_cast<uint8_t>(p));
        else if (ilePewnych < k_)
            pewneNaPoczatku[static_cast<std::size_t>(ilePewnych++)] = static_cast<uint8_t>(p);
    }
    if (s >= k_) {
        lista.Dodaj(pewneNaPoczatku);
        return;
    }
    const int64_t wszystkich = IleMozliwych(n_, k_, s);
    lista.Rezerwuj(static_cast<std::size_t>(std::min<int64_t>(wszystkich, MaxRezerwy)));
    int64_t i = 0;
    for (TKombGen gen(k_ - s, n_ - s); !gen.Koniec && !Stop(); gen.Nastepna()) {
        TZaklad zaklad = pewneNaPoczatku;
        for (int j = 0; j < k_ - s; ++j)
            zaklad[static_cast<std::size_t>(s + j)] = wolne[static_cast<std::size_t>(gen.Kombinacja[static_cast<std::size_t>(j)] - 1)];
        SortujZaklad(zaklad, k_);
        lista.Dodaj(zaklad);
        ZglosRzadko(++i, wszystkich);
    }
}

// Method 0: the first B combinations in lexicographic order, written as they come; no list.
// Most steps of the enumerator only raise the last position: such a run is taken directly, and the
// counts of the positions it keeps are added once per run instead of once per bet.
void TPrzebieg::MetodaPelna()
{
    TKombGen gen(k_, n_);
    TZaklad& zaklad = gen.Kombinacja;
    uint8_t& ostatnia = zaklad[static_cast<std::size_t>(k_ - 1)];
    int64_t i = 0;
    while (!gen.Koniec && i < zakladow_ && !Stop()) {
        int64_t wSerii = 0;
        while (true) {
            pisarz_.Dodaj(zaklad.data());
            ++wystapienia_[static_cast<std::size_t>(ostatnia - 1)];
            ++wSerii;
            if (poZapisie_)
                poZapisie_(pisarz_.Zapisanych());
            ZglosRzadko(++i, zakladow_);
            if (ostatnia == n_ || i >= zakladow_ || Stop())
                break;
            ++ostatnia;
        }
        DodajWystapieniaSerii(zaklad, wSerii);
        if (ostatnia != n_)
            break; // stopped, or B bets written
        gen.Nastepna();
    }
}

void TPrzebieg::DodajWystapieniaSerii(const TZaklad& zaklad, int64_t zakladow)
{
    for (int j = 0; j + 1 < k_; ++j)
        wystapienia_[static_cast<std::size_t>(zaklad[static_cast<std::size_t>(j)] - 1)] +=
            static_cast<int32_t>(zakladow);
}

// Method 1: balanced random bets; sure positions stand in every bet.
void TPrzebieg::MetodaRownomierna()
{
    TTablicaLiczb pewne{};
    int s = 0;
    for (int p = 1; p <= n_; ++p)
        if (info_.Wlasne[2][static_cast<std::size_t>(p - 1)] == ZnakPewnejPozycji) {
            pewne[static_cast<std::size_t>(p - 1)] = 1;
            ++s;
        }
    if (zakladow_ >= IleMozliwych(n_, k_, s)) {
        TListaZakladow lista(k_);
        WszystkieMozliwe(lista, pewne, s);
        ZapiszListe(lista);
        return;
    }
    TLosGen gen(k_, s, pewne, static_cast<int>(zakladow_), n_, losowe_);
    gen.Lista.Rezerwuj(static_cast<std::size_t>(std::min<int64_t>(zakladow_, MaxRezerwy)));
    for (int64_t i = 1; i <= zakladow_ && !Stop(); ++i) {
        if (s >= 1)
            gen.LosujZPewnymi();
        else
            gen.Losuj();
        postep_.Zglos(i, zakladow_);
    }
    ZapiszListe(gen.Lista);
}

// Method 2: uniformly drawn bets until B distinct ones are held.
void TPrzebieg::MetodaPrzypadkowa()
{
    TListaZakladow lista(k_);
    if (zakladow_ >= IleMozliwych(n_, k_, 0)) {
        WszystkieMozliwe(lista, TTablicaLiczb{}, 0);
        ZapiszListe(lista);
        return;
    }
    lista.Rezerwuj(static_cast<std::size_t>(std::min<int64_t>(zakladow_, MaxRezerwy)));
    for (int64_t ile = 0; ile < zakladow_ && !Stop();)
        if (lista.Dodaj(LosujZaklad(k_, n_, losowe_)))
            postep_.Zglos(++ile, zakladow_);
    ZapiszListe(lista);
}

// Method 3: the chain of n - k + 1 runs of consecutive positions.
void TPrzebieg::MetodaLancuchowaI()
{
    TListaZakladow lista(k_);
    const int ogniw = n_ - k_ + 1;
    for (int b = 1; b <= ogniw && !Stop(); ++b) {
        TZaklad zaklad{};
        for (int j = 0; j < k_; ++j)
            zaklad[static_cast<std::size_t>(j)] = static_cast<uint8_t>(b + j);
        lista.Dodaj(zaklad);
        postep_.Zglos(b, ogniw);
    }
    ZapiszListe(lista);
}

// Method 4: the distinct cyclic shifts of one random bet. Short enough not to poll the stop flag.
void TPrzebieg::MetodaLancuchowaII()
{
    TListaZakladow lista(k_);
    TZaklad zaklad = LosujZaklad(k_, n_, losowe_);
    lista.Dodaj(zaklad);
    for (int obrot = 1; obrot <= n_; ++obrot) {
        for (int j = 0; j < k_; ++j) {
            uint8_t& p = zaklad[static_cast<std::size_t>(j)];
            p = p == n_ ? 1 : static_cast<uint8_t>(p + 1);
        }
        SortujZaklad(zaklad, k_);
        lista.Dodaj(zaklad);
        postep_.Zglos(obrot, n_);
    }
    ZapiszListe(lista);
}

// Method 5: balanced random candidates starting with 1..k, then every m-subset (m = guarantee
// index + 1) that no candidate holds is covered by further bets.
void TPrzebieg::MetodaGwarancyjna()
{
    const int64_t m = int64_t{info_.Gwarancja} + 1;
    TListaZakladow lista(k_);
    if (zakladow_ >= IleMozliwych(n_, k_, 0)) {
        WszystkieMozliwe(lista, TTablicaLiczb{}, 0);
    } else {
        TLosGen gen(k_, 0, TTablicaLiczb{}, static_cast<int>(zakladow_), n_, losowe_);
        gen.Lista.Rezerwuj(static_cast<std::size_t>(std::min<int64_t>(zakladow_, MaxRezerwy)));
        // The first candidate goes straight into the list and leaves the quotas alone.
        TZaklad pierwszy{};
        for (int j = 0; j < k_; ++j)
            pierwszy[static_cast<std::size_t>(j)] = static_cast<uint8_t>(j + 1);
        gen.Lista.Dodaj(pierwszy);
        postep_.Zglos(1, zakladow_);
        for (int64_t i = 2; i <= zakladow_ && !Stop(); ++i) {
            gen.Losuj();
            postep_.Zglos(i, zakladow_);
        }
        lista = std::move(gen.Lista);
    }
    // A level beyond k (or below 1) has no subsets a bet could hold: the candidates stand alone.
    if (m >= 1 && m <= k_ && !Stop()) {
        SprawdzIUzupelnij(lista, static_cast<int>(m));
        if (optymalizacja_ > 0 && !Stop())
            Optymalizuj(lista, static_cast<int>(m));
    }
    ZapiszListe(lista);
}

// The complete system of method 5 goes to the covering optimiser as its first solution; what comes
// back is complete too and never larger. The optimiser polls the same stop flag; stopped, it hands
// back the best it has, and a system it cannot take stays as the method made it.
void TPrzebieg::Optymalizuj(TListaZakladow& lista, int m)
{
    TZadaniePokrycia zadanie;
    zadanie.Parametry = {n_, k_, m, m};
    if (SprawdzZadanie(zadanie.Parametry) != TBladPokrycia::Brak || lista.Ile() > MaxBlokow)
        return;
    zadanie.Sekundy = optymalizacja_;
    zadanie.Cel = celOptymalizacji_;
    zadanie.Ziarno = losowe_.Slowo64();
    zadanie.Poczatkowe = lista.Posortowane();
    postep_.NowaFaza(InterwalGeneracjiMs);
    const TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, przerwij_, [this](const TPostepPokrycia& p) {
        constexpr int64_t Krokow = 10000;
        postep_.Zglos(static_cast<int64_t>(p.Procent / 100.0 * (Krokow - 1)) + 1, Krokow);
    });
    if (wynik.Blad != TBladPokrycia::Brak || wynik.Zaklady.size() > lista.Ile())
        return;
    TListaZakladow optymalna(k_);
    for (const TZaklad& zaklad : wynik.Zaklady)
        optymalna.Dodaj(zaklad);
    lista = std::move(optymalna);
}

// The check marks what the candidates hold; then the subsets are walked in lexicographic order and
// each one still not held starts a new bet, completed greedily, so that no subset stays uncovered.
// A stop ends it where it is: the bets made so far are written, without the full guarantee.
void TPrzebieg::SprawdzIUzupelnij(TListaZakladow& lista, int m)
{
    std::optional<TPokrycieGwarancyjne> mapa;
    try {
        if (TPokrycieGwarancyjne::Mozliwe(n_, k_, m))
            mapa.emplace(n_, k_, m);
    } catch (const std::bad_alloc&) {
        // No room for the map: the slow walk below needs none.
    }
    if (!mapa) {
        UzupelnijBezMapy(lista, m);
        return;
    }
    TPokrycieGwarancyjne& pokrycie = *mapa;
    postep_.NowaFaza(InterwalSprawdzaniaMs);
    const auto kandydatow = static_cast<int64_t>(lista.Ile());
    int64_t i = 0;
    bool calosc = true;
    lista.DlaKazdegoPosortowanego([&](const TZaklad& zaklad) {
        if (!calosc || Stop()) {
            calosc = false;
            return;
        }
        pokrycie.Oznacz(zaklad);
        postep_.Zglos(++i, kandydatow);
    });
    if (!calosc)
        return;

    postep_.NowaFaza(InterwalSprawdzaniaMs);
    const auto podzbiorow = static_cast<int64_t>(pokrycie.Podzbiorow());
    int64_t numer = 0;
    for (TKombGen gen(m, n_); !gen.Koniec && pokrycie.Niepokrytych() > 0 && !Stop(); gen.Nastepna()) {
        ZglosRzadko(++numer, podzbiorow);
        if (pokrycie.Pokryty(gen.Kombinacja))
            continue;
        const TZaklad zaklad = pokrycie.Dopelnij(gen.Kombinacja);
        lista.Dodaj(zaklad);
        pokrycie.Oznacz(zaklad);
    }
}

// Beyond the bit map the subsets are tried against the bets one by one.
void TPrzebieg::UzupelnijBezMapy(TListaZakladow& lista, int m)
{
    postep_.NowaFaza(InterwalSprawdzaniaMs);
    const std::vector<TZaklad> dodane =
        DopelnijPrzegladem(n_, k_, m, lista.Posortowane(), [this](int64_t numer, int64_t podzbiorow) {
            postep_.Zglos(numer, podzbiorow);
            return Stop();
        });
    for (const TZaklad& zaklad : dodane)
        lista.Dodaj(zaklad);
}

// The composite, sum and difference of systems take their own branches ahead of the methods.
void TPrzebieg::Generuj()
{
    postep_.NowaFaza(InterwalGeneracjiMs);
    switch (static_cast<TMetoda>(info_.Metoda)) {
    case TMetoda::Pelna:
        MetodaPelna();
        break;
    case TMetoda::SkroconaRownomierna:
        MetodaRownomierna();
        break;
    case TMetoda::SkroconaPrzypadkowa:
        MetodaPrzypadkowa();
        break;
    case TMetoda::LancuchowaI:
        MetodaLancuchowaI();
        break;
    case TMetoda::LancuchowaII:
        MetodaLancuchowaII();
        break;
    case TMetoda::Gwarancyjna:
        MetodaGwarancyjna();
        break;
    }
}

bool ParametryPoprawne(const TInfoGryRec& info)
{
    return info.k >= 1 && info.k <= info.n && info.n <= MaxLiczbSystemu;
}

} // namespace

TGenSys01::TGenSys01(TInfoGryRec info, std::string plik, const std::atomic<bool>& przerwij, TPokazPostep postep,
                     TLosowe& losowe)
    : info_(std::move(info)), plik_(std::move(plik)), przerwij_(przerwij), postep_(std::move(postep), FormatPostepu),
      losowe_(losowe)
{
}

void TGenSys01::UstawZlozenie(std::string plikA, std::string plikB)
{
    zlozenie_ = std::array<std::string, 2>{std::move(plikA), std::move(plikB)};
}

void TGenSys01::UstawSume(TTrybSumy tryb, std::vector<std::string> pliki)
{
    trybSumy_ = tryb;
    sumowane_ = std::move(pliki);
}

TWynikGeneracji TGenSys01::Wykonaj()
{
    if (zlozenie_)
        return ZlozSystemy(info_, plik_, (*zlozenie_)[0], (*zlozenie_)[1], przerwij_, postep_);
    if (trybSumy_ != TTrybSumy::Brak)
        return SumujSystemy(info_, plik_, sumowane_, trybSumy_, przerwij_, postep_);
    TWynikGeneracji wynik;
    wynik.n = info_.n;
    TPisarzSystemu pisarz(plik_, info_.k);
    if (!pisarz.Otwarty()) {
        wynik.BladPliku = true;
        return wynik;
    }
    TPrzebieg przebieg(info_, pisarz, przerwij_, postep_, losowe_, PoZapisie, optymalizacja_, celOptymalizacji_);
    // Parameters outside 1 <= k <= n <= 120 give an empty system rather than stray positions.
    if (ParametryPoprawne(info_)) {
        try {
            przebieg.Generuj();
        } catch (const std::bad_alloc&) {
            // No memory for the list: the run ends quietly like a file error, with the bets written.
            wynik.BladPliku = true;
        }
    }
    wynik.Zakladow = pisarz.Zapisanych();
    wynik.Wystapienia = przebieg.Wystapienia();
    wynik.Przerwano = przebieg.Przerwano();
    TInfoGryRec naglowek = info_;
    naglowek.Wystapienia = wynik.Wystapienia;
    if (!pisarz.Zakoncz(naglowek))
        wynik.BladPliku = true;
    return wynik;
}

} // namespace tarvomund
