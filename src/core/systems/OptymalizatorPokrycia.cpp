#include "systems/OptymalizatorPokrycia.h"

#include "systems/GrupyPokryc.h"
#include "systems/Losowosc.h"
#include "systems/TPokrycieOrbitami.h"
#include "systems/TPrzeszukiwanieWagowe.h"
#include "systems/TWyzarzaniePokrycia.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <numeric>
#include <thread>

namespace tarvomund {

namespace {

using TZegar = std::chrono::steady_clock;

// The most m-subsets one search keeps counts for (2 bytes each, per thread).
constexpr uint64_t MaxPodzbiorowOptymalizacji = uint64_t{1} << 24;
// Groups are tried only where their orbit tables stay small.
constexpr uint64_t MaxPodzbiorowGrup = uint64_t{1} << 21;
constexpr uint64_t PamiecGrup = uint64_t{96} << 20;
// The set covers over orbits of bets: each within the first budget, all of them at a time within the
// second. One whose design is this much above the best of all after a slice gives its memory up.
constexpr uint64_t PamiecZbioru = uint64_t{32} << 20;
constexpr uint64_t MaxPamieciZbiorow = uint64_t{128} << 20;
constexpr double ZapasZbioru = 0.1;
constexpr double PierwszyZbioru = 0.2;
// How many more slices of that length a set cover may take at its first look while it keeps descending.
constexpr int PrzedluzenZbioru = 4;
// Groups whose designs would need more orbits than this are not tried as set covers.
constexpr int64_t MaxOrbitProjektu = 40;
constexpr uint64_t PamiecLicznikow = uint64_t{256} << 20;
constexpr std::size_t MaxRzaduGrupy = 4000;
constexpr auto CzasPaczki = std::chrono::milliseconds(5);
constexpr int MaxKrokowPaczki = 1 << 14;
constexpr auto OdstepPostepu = std::chrono::milliseconds(100);
// The temperatures a search steps through; which one suits depends on the parameters and on how
// close the search is to the smallest design it can reach.
constexpr double Temperatury[] = {0.27, 0.33, 0.4};
// Each slice without progress makes a search look this much worse to the scheduler.
constexpr double KaraBezPoprawy = 0.02;
// The share of the time that goes to a first look at every search.
constexpr double UdzialPoznawania = 0.25;
// The weighted search from random bets starts this much above the best size known (per cent), or
// halfway between the lower bound and the greedy design where no size is known, and grows by this
// much after every slice in which it could not complete its design.
constexpr int64_t ProcentStartuLosowych = 5;
constexpr int64_t ProcentWzrostu = 2;
// Its first slices (all long ones) come before the other searches', and the first two of them
// leave its size as it is.
constexpr int PrzydzialowZaliczki = 4;
constexpr int PrzydzialowBezWzrostu = 2;

double Sekundy(TZegar::duration d)
{
    return std::chrono::duration<double>(d).count();
}

bool Mniejszy(const TBlok& a, const TBlok& b, int k)
{
    return std::lexicographical_compare(a.p.begin(), a.p.begin() + k, b.p.begin(), b.p.begin() + k);
}

// What every search shares: the best complete design so far and the end of the run.
struct TWspolne {
    std::mutex Zamek;
    std::vector<TBlok> Najlepsze; // all bets, fixed ones included
    std::string Zrodlo;
    std::atomic<int64_t> Najmniej{std::numeric_limits<int64_t>::max()};
    std::atomic<bool> Koniec{false};
    int64_t Cel = 0;

    void Zglos(std::vector<TBlok> bloki, const std::string& zrodlo)
    {
        const auto ile = static_cast<int64_t>(bloki.size());
        if (ile >= Najmniej.load())
            return;
        std::lock_guard blokada(Zamek);
        if (ile >= Najmniej.load())
            return;
        Najlepsze = std::move(bloki);
        Zrodlo = zrodlo;
        Najmniej.store(ile);
        if (ile <= Cel)
            Koniec.store(true);
    }
    std::vector<TBlok> Kopia()
    {
        std::lock_guard blokada(Zamek);
        return Najlepsze;
    }

    // The latest design of each group, for the annealing that starts from them in turn.
    void ZglosGrupowy(const std::vector<TBlok>& bloki, const std::string& zrodlo)
    {
        std::lock_guard blokada(Zamek);
        auto projekt = std::find_if(ProjektyGrup.begin(), ProjektyGrup.end(),
                                    [&](const TProjektGrupy& p) { return p.Zrodlo == zrodlo; });
        if (projekt == ProjektyGrup.end())
            projekt = ProjektyGrup.insert(ProjektyGrup.end(), TProjektGrupy{zrodlo, {}, false});
        projekt->Bloki = bloki;
        projekt->Wziety = false;
    }
    // The smallest group design not yet annealed, taken; nullopt when there is none.
    std::optional<std::pair<std::string, std::vector<TBlok>>> WezGrupowy()
    {
        std::lock_guard blokada(Zamek);
        const auto projekt = Najmniejszy();
        if (projekt == ProjektyGrup.end())
            return std::nullopt;
        projekt->Wziety = true;
        return std::pair{projekt->Zrodlo, projekt->Bloki};
    }
    // The size of that design.
    std::optional<int64_t> NajmniejszyGrupowy()
    {
        std::lock_guard blokada(Zamek);
        const auto projekt = Najmniejszy();
        if (projekt == ProjektyGrup.end())
            return std::nullopt;
        return static_cast<int64_t>(projekt->Bloki.size());
    }

private:
    struct TProjektGrupy {
        std::string Zrodlo;
        std::vector<TBlok> Bloki;
        bool Wziety;
    };
    std::vector<TProjektGrupy>::iterator Najmniejszy()
    {
        auto wynik = ProjektyGrup.end();
        for (auto p = ProjektyGrup.begin(); p != ProjektyGrup.end(); ++p)
            if (!p->Wziety && (wynik == ProjektyGrup.end() || p->Bloki.size() < wynik->Bloki.size()))
                wynik = p;
        return wynik;
    }
    std::vector<TProjektGrupy> ProjektyGrup;
};

// How a search over the orbits of a group moves: by single numbers of the orbits' representatives
// (the annealing or the weighted search), or by whole orbits of bets (a set cover over them).
enum class TRuchyGrupy { Wyzarzanie, Wagowe, ZbioryOrbit };

// One line of search, run in slices: an annealing over plain bets or over the orbits of a group,
// the weighted search over either, or a set cover over the orbits of bets under a group, each of
// which drops a bet (or an orbit) after every complete design it reaches.
class TPoszukiwanie {
public:
    // A plain search, ready at once.
    TPoszukiwanie(const TParametryPokrycia& p, const TRangi& rangi, const std::vector<TBlok>& stale,
                  std::vector<TBlok> poczatkowe, uint64_t ziarno, std::string zrodlo, bool wagowe)
        : p_(p), rangi_(rangi), stale_(stale), poczatkowe_(std::move(poczatkowe)), ziarno_(ziarno),
          zrodlo_(std::move(zrodlo)), wagowe_(wagowe)
    {
        Przygotuj();
    }
    // A search over the orbits of a group; its tables are built when it first runs.
    TPoszukiwanie(const TParametryPokrycia& p, const TRangi& rangi, TGrupa grupa, uint64_t ziarno, TRuchyGrupy ruchy)
        : p_(p), rangi_(rangi), grupa_(std::move(grupa)), ziarno_(ziarno),
          zrodlo_(grupa_->Opis() + (ruchy == TRuchyGrupy::Wagowe        ? " (wagi)"
                                    : ruchy == TRuchyGrupy::ZbioryOrbit ? " (orbity)"
                                                                        : "")),
          wagowe_(ruchy == TRuchyGrupy::Wagowe), zbiory_(ruchy == TRuchyGrupy::ZbioryOrbit)
    {
    }

    // A weighted search that starts from this many random bets instead of the greedy design, and
    // grows them while it cannot complete them; it keeps to its own designs.
    void ZacznijOdLosowych(int64_t ile) { odLosowych_ = ile; }
    // An annealing that starts from the designs the groups found, the smallest first, a slice each;
    // the one that comes out best of all goes on in the searches that continue from the best.
    void ZacznijOdGrup() { zGrup_ = true; }
    bool ZGrup() const { return zGrup_; }
    bool MaProjekt() const { return maProjekt_; }

    bool Grupowe() const { return grupa_.has_value(); }
    // The memory a set cover over orbits takes while it runs; 0 for the other searches.
    uint64_t PamiecZbioru() const { return zbiory_ ? TPokrycieOrbitami::Pamiec(p_, grupa_->Rzad()) : 0; }
    // Ends a search for good, giving back its memory.
    void Porzuc()
    {
        pokrycieOrbit_.reset();
        przeszukiwanie_.reset();
        wyzarzanie_.reset();
        orbity_.reset();
        martwe_ = true;
    }
    // Whether it continues from the best design of all when it falls behind.
    bool Przejmuje() const { return !Grupowe() && odLosowych_ == 0 && !zGrup_; }
    // A search from random bets needs a few whole slices before it completes anything; till then
    // the scheduler counts it at the size it aims at.
    std::optional<int64_t> Zaliczka() const
    {
        if (odLosowych_ == 0 || przydzialow_ >= PrzydzialowZaliczki)
            return std::nullopt;
        return static_cast<int64_t>(stale_.size() + przeszukiwanie_->Ile());
    }
    bool Martwe() const { return martwe_; }
    int64_t Najlepszy() const { return najlepszy_; }
    int Przydzialow() const { return przydzialow_; }
    const std::string& Zrodlo() const { return zrodlo_; }
    // The m-subsets (or orbits) the fixed bets leave uncovered, before anything is added.
    int64_t Dziur() const { return dziur_; }

    // The first design: the given bets made complete, or greedy bets. A design that would need
    // more bets than the optimiser keeps ends this search.
    void Rozpocznij(TWspolne& wspolne)
    {
        rozpoczete_ = true;
        if (!wyzarzanie_ && !pokrycieOrbit_)
            Przygotuj();
        if (zGrup_)
            return;
        if (pokrycieOrbit_) {
            pokrycieOrbit_->Zachlannie();
            Sukces(wspolne);
            return;
        }
        if (odLosowych_ > 0) {
            wyzarzanie_.reset();
            przeszukiwanie_->DodajLosowe(static_cast<int>(odLosowych_));
            return;
        }
        wyzarzanie_->UstawBloki(std::move(poczatkowe_));
        if (!wyzarzanie_->UzupelnijZachlannie()) {
            martwe_ = true;
            return;
        }
        if (przeszukiwanie_) {
            // The annealing only made the greedy start: its counts are not needed any more.
            przeszukiwanie_->UstawBloki(wyzarzanie_->Bloki());
            wyzarzanie_.reset();
        }
        Sukces(wspolne);
    }

    // Continues from the best design found so far by any search (plain bets only).
    void PrzejmijNajlepsze(TWspolne& wspolne)
    {
        std::vector<TBlok> bloki = wspolne.Kopia();
        if (bloki.size() < stale_.size() + 1)
            return;
        // The fixed bets stand first in every design a plain search reports.
        bloki.erase(bloki.begin(), bloki.begin() + static_cast<std::ptrdiff_t>(stale_.size()));
        rozpoczete_ = true;
        if (przeszukiwanie_)
            przeszukiwanie_->UstawBloki(bloki);
        else
            wyzarzanie_->UstawBloki(std::move(bloki));
        najlepszy_ = wspolne.Najmniej.load();
        UsunNajmniejPotrzebny();
    }

    int BezPoprawy() const { return bezPoprawy_; }
    // Whether its design got smaller at `chwila` or later.
    bool PoprawaOd(TZegar::time_point chwila) const { return poprawa_ >= chwila; }
    bool Rozpoczete() const { return rozpoczete_; }
    // Where the temperature ladder starts, so that the plain searches begin at different rungs.
    void UstawSzczebel(int szczebel) { szczebel_ = szczebel % static_cast<int>(std::size(Temperatury)); }

    // One slice. A slice without a better design moves the search one rung up the temperature
    // ladder (back to the coldest after the hottest): cold descends fast, warmer gets out of a
    // level where the cold search is stuck.
    void Pracuj(TZegar::time_point koniec, TWspolne& wspolne)
    {
        ++przydzialow_;
        const int64_t przed = najlepszy_;
        if (!rozpoczete_)
            Rozpocznij(wspolne);
        if (wyzarzanie_)
            wyzarzanie_->UstawTemperature(Temperatury[static_cast<std::size_t>(szczebel_)]);
        // A set cover either reaches its group's best design within a slice or sticks well above
        // it, at random: one that did not improve starts again.
        if (pokrycieOrbit_ && bezPoprawy_ > 0)
            pokrycieOrbit_->OdNowa();
        if (zGrup_) {
            if (auto projekt = wspolne.WezGrupowy()) {
                zrodlo_ = "wyżarzanie (" + projekt->first + ")";
                wyzarzanie_->UstawBloki(std::move(projekt->second));
                maProjekt_ = true;
            }
            if (!maProjekt_)
                return;
        }
        Wyzarzaj(koniec, wspolne);
        if (najlepszy_ < przed) {
            bezPoprawy_ = 0;
        } else {
            ++bezPoprawy_;
            szczebel_ = (szczebel_ + 1) % static_cast<int>(std::size(Temperatury));
            if (odLosowych_ > 0 && Niepokrytych() > 0 && przydzialow_ >= PrzydzialowBezWzrostu)
                Powieksz(wspolne);
        }
    }

private:
    void Wyzarzaj(TZegar::time_point koniec, TWspolne& wspolne)
    {
        // The clock is read once per batch of moves; the batch grows or shrinks so that it takes a
        // few milliseconds however costly a move is, and the end of the run is seen at every move.
        while (!martwe_ && TZegar::now() < koniec) {
            const auto poczatek = TZegar::now();
            for (int i = 0; i < krokow_; ++i) {
                if (wspolne.Koniec.load(std::memory_order_relaxed))
                    return;
                if (Niepokrytych() == 0)
                    Sukces(wspolne);
                Krok();
            }
            const auto trwala = TZegar::now() - poczatek;
            if (trwala < CzasPaczki / 2)
                krokow_ = std::min(krokow_ * 2, MaxKrokowPaczki);
            else if (trwala > CzasPaczki * 2)
                krokow_ = std::max(krokow_ / 2, 1);
        }
    }

    // A search from random bets that did not complete its design in a whole slice gets a few more
    // bets; once it has as many as the best design of all, it continues from that one instead.
    void Powieksz(const TWspolne& wspolne)
    {
        const auto ile = static_cast<int64_t>(przeszukiwanie_->Ile());
        const int64_t wiecej = std::max<int64_t>(1, ile * ProcentWzrostu / 100);
        if (ile + wiecej + static_cast<int64_t>(stale_.size()) >= wspolne.Najmniej.load()) {
            odLosowych_ = 0;
            return;
        }
        przeszukiwanie_->DodajLosowe(static_cast<int>(wiecej));
    }

    void Przygotuj()
    {
        if (grupa_)
            orbity_ = std::make_unique<TOrbity>(rangi_, *grupa_);
        if (zbiory_) {
            pokrycieOrbit_ = std::make_unique<TPokrycieOrbitami>(p_, *orbity_, ziarno_);
            return;
        }
        wyzarzanie_ = std::make_unique<TWyzarzaniePokrycia>(p_, rangi_, orbity_.get(), ziarno_);
        wyzarzanie_->UstawStale(stale_);
        dziur_ = wyzarzanie_->Niepokrytych();
        if (wagowe_) {
            przeszukiwanie_ = std::make_unique<TPrzeszukiwanieWagowe>(p_, orbity_.get(), ziarno_ + 1);
            przeszukiwanie_->UstawStale(stale_);
        }
    }

    int64_t Niepokrytych() const
    {
        if (pokrycieOrbit_)
            return pokrycieOrbit_->Niepokrytych();
        return przeszukiwanie_ ? przeszukiwanie_->Niepokrytych() : wyzarzanie_->Niepokrytych();
    }
    void Krok()
    {
        if (pokrycieOrbit_)
            pokrycieOrbit_->Krok();
        else if (przeszukiwanie_)
            przeszukiwanie_->Krok();
        else
            wyzarzanie_->Krok();
    }
    bool UsunNajmniejPotrzebny()
    {
        if (pokrycieOrbit_)
            return pokrycieOrbit_->UsunNajmniejPotrzebny();
        return przeszukiwanie_ ? przeszukiwanie_->UsunNajmniejPotrzebny() : wyzarzanie_->UsunNajmniejPotrzebny();
    }

    void Sukces(TWspolne& wspolne)
    {
        std::vector<TBlok> bloki = stale_;
        if (orbity_) {
            const std::vector<TBlok> obrazy = orbity_->Rozwin(pokrycieOrbit_    ? pokrycieOrbit_->Bloki()
                                                              : przeszukiwanie_ ? przeszukiwanie_->Bloki()
                                                                                : wyzarzanie_->Bloki(),
                                                              p_.k);
            bloki.insert(bloki.end(), obrazy.begin(), obrazy.end());
            wspolne.ZglosGrupowy(bloki, zrodlo_);
        } else if (przeszukiwanie_) {
            const std::vector<TBlok> wlasne = przeszukiwanie_->Bloki();
            bloki.insert(bloki.end(), wlasne.begin(), wlasne.end());
        } else {
            bloki.insert(bloki.end(), wyzarzanie_->Bloki().begin(), wyzarzanie_->Bloki().end());
        }
        if (static_cast<int64_t>(bloki.size()) < najlepszy_) {
            najlepszy_ = static_cast<int64_t>(bloki.size());
            poprawa_ = TZegar::now();
        }
        wspolne.Zglos(std::move(bloki), zrodlo_);
        // Nothing left to drop: a design of no free bets cannot shrink.
        if (!UsunNajmniejPotrzebny())
            wspolne.Koniec.store(true);
    }

    TParametryPokrycia p_;
    const TRangi& rangi_;
    std::optional<TGrupa> grupa_;
    std::unique_ptr<TOrbity> orbity_;
    std::vector<TBlok> stale_;
    std::vector<TBlok> poczatkowe_;
    uint64_t ziarno_;
    std::string zrodlo_;
    // The weighted search, when this line is one; the annealing then only makes its greedy start.
    bool wagowe_ = false;
    std::unique_ptr<TWyzarzaniePokrycia> wyzarzanie_;
    std::unique_ptr<TPrzeszukiwanieWagowe> przeszukiwanie_;
    // The set cover over orbits of bets, when this line is one (it needs neither of the others).
    bool zbiory_ = false;
    std::unique_ptr<TPokrycieOrbitami> pokrycieOrbit_;
    int64_t dziur_ = 0;
    int64_t najlepszy_ = std::numeric_limits<int64_t>::max();
    TZegar::time_point poprawa_{};
    int przydzialow_ = 0;
    int bezPoprawy_ = 0;
    int szczebel_ = 0;
    int krokow_ = 16;
    int64_t odLosowych_ = 0;
    bool zGrup_ = false;
    bool maProjekt_ = false;
    bool rozpoczete_ = false;
    bool martwe_ = false;
};

std::vector<TBlok> Bloki(const std::vector<TZaklad>& zaklady, const TParametryPokrycia& p)
{
    std::vector<TBlok> bloki;
    std::array<uint8_t, MaxLiczbSystemu> punkty{};
    for (const TZaklad& zaklad : zaklady) {
        // A bet with a stray or repeated position is filled up to k distinct numbers, so that it
        // keeps every subset it held.
        int ile = PunktyZakladu(zaklad, p.k, p.n, punkty.data());
        for (int q = 0; q < p.n && ile < p.k; ++q)
            if (std::find(punkty.begin(), punkty.begin() + ile, q) == punkty.begin() + ile)
                punkty[static_cast<std::size_t>(ile++)] = static_cast<uint8_t>(q);
        TBlok blok;
        std::copy(punkty.begin(), punkty.begin() + p.k, blok.p.begin());
        std::sort(blok.p.begin(), blok.p.begin() + p.k);
        blok.UstawMaske(p.k);
        bloki.push_back(blok);
    }
    return bloki;
}

std::vector<TZaklad> Zaklady(std::vector<TBlok> bloki, int k)
{
    std::sort(bloki.begin(), bloki.end(), [k](const TBlok& a, const TBlok& b) { return Mniejszy(a, b, k); });
    std::vector<TZaklad> zaklady;
    zaklady.reserve(bloki.size());
    for (const TBlok& blok : bloki)
        zaklady.push_back(ZakladZBloku(blok, k));
    return zaklady;
}

// Hands out slices of the time to the searches: every search gets a first short slice, then the
// searches that reached the fewest bets get the longer ones.
class TRozdzielacz {
public:
    TRozdzielacz(std::vector<std::unique_ptr<TPoszukiwanie>> poszukiwania, double pierwszy, double kolejny,
                 TWspolne& wspolne)
        : poszukiwania_(std::move(poszukiwania)), wspolne_(wspolne), pierwszy_(pierwszy), kolejny_(kolejny),
          zajete_(poszukiwania_.size(), false)
    {
    }

    // The next search to run and for how long; null when every search is taken. A plain search
    // continues from the best design of all, so it counts as that good.
    TPoszukiwanie* Wez(double& sekundy, int64_t najmniej)
    {
        std::lock_guard blokada(zamek_);
        ZwolnijZbiory(najmniej);
        std::size_t wybrane = poszukiwania_.size();
        const std::optional<int64_t> grupowy = wspolne_.NajmniejszyGrupowy();
        auto ocena = [&](std::size_t i) {
            const TPoszukiwanie& p = *poszukiwania_[i];
            if (Przesiadka(p, grupowy))
                return static_cast<double>(*grupowy);
            if (const auto zaliczka = p.Zaliczka())
                return static_cast<double>(*zaliczka);
            const int64_t najlepszy = p.Grupowe() ? p.Najlepszy() : std::min(p.Najlepszy(), najmniej);
            return static_cast<double>(najlepszy) * (1.0 + KaraBezPoprawy * p.BezPoprawy());
        };
        // A new best design from any other search is polished at once by one search that continues
        // from the best: the first looks at many groups would otherwise hold it back for seconds.
        bool przejecie = false;
        if (najmniej < przejete_)
            for (std::size_t i = 0; i < poszukiwania_.size() && wybrane == poszukiwania_.size(); ++i)
                if (!zajete_[i] && !poszukiwania_[i]->Martwe() && poszukiwania_[i]->Przejmuje() &&
                    poszukiwania_[i]->Przydzialow() > 0 && poszukiwania_[i]->Najlepszy() > najmniej) {
                    wybrane = i;
                    przejete_ = najmniej;
                    przejecie = true;
                }
        // A group's design close to the best is annealed before anything else.
        for (std::size_t i = 0; i < poszukiwania_.size() && wybrane == poszukiwania_.size(); ++i)
            if (!zajete_[i] && Przesiadka(*poszukiwania_[i], grupowy) &&
                static_cast<double>(*grupowy) <= static_cast<double>(najmniej) * (1.0 + ZapasZbioru))
                wybrane = i;
        const bool przesiadka = wybrane != poszukiwania_.size();
        for (std::size_t i = 0; i < poszukiwania_.size() && !przesiadka; ++i) {
            if (zajete_[i] || poszukiwania_[i]->Martwe())
                continue;
            if (poszukiwania_[i]->ZGrup() && !poszukiwania_[i]->MaProjekt() && !grupowy)
                continue;
            // A set cover not yet started waits till there is memory for it.
            if (poszukiwania_[i]->Przydzialow() == 0 && pamiecZbiorow_ + poszukiwania_[i]->PamiecZbioru() > MaxPamieciZbiorow)
                continue;
            if (poszukiwania_[i]->Przydzialow() == 0 && !poszukiwania_[i]->Zaliczka() && !poszukiwania_[i]->ZGrup()) {
                wybrane = i;
                break;
            }
            if (wybrane == poszukiwania_.size() || ocena(i) < ocena(wybrane))
                wybrane = i;
        }
        if (wybrane == poszukiwania_.size())
            return nullptr;
        zajete_[wybrane] = true;
        if (poszukiwania_[wybrane]->Przydzialow() == 0)
            pamiecZbiorow_ += poszukiwania_[wybrane]->PamiecZbioru();
        sekundy = poszukiwania_[wybrane]->Przydzialow() == 0 && !poszukiwania_[wybrane]->Zaliczka() &&
                          !poszukiwania_[wybrane]->ZGrup()
                      ? pierwszy_
                      : kolejny_;
        // A set cover shows what its group can do only after a while, and so does the annealing of
        // a group's design.
        if (poszukiwania_[wybrane]->Przydzialow() == 0 && poszukiwania_[wybrane]->PamiecZbioru() > 0)
            sekundy = std::max(sekundy, PierwszyZbioru);
        else if (Przesiadka(*poszukiwania_[wybrane], grupowy) || przejecie)
            sekundy = PierwszyZbioru;
        return poszukiwania_[wybrane].get();
    }

    void Oddaj(TPoszukiwanie* poszukiwanie)
    {
        std::lock_guard blokada(zamek_);
        for (std::size_t i = 0; i < poszukiwania_.size(); ++i)
            if (poszukiwania_[i].get() == poszukiwanie)
                zajete_[i] = false;
    }

private:
    // Whether the annealing of the groups' designs takes the next one.
    static bool Przesiadka(const TPoszukiwanie& p, const std::optional<int64_t>& grupowy)
    {
        return p.ZGrup() && grupowy;
    }

    // A set cover whose design is far above the best of all gives its memory to the ones not yet tried.
    void ZwolnijZbiory(int64_t najmniej)
    {
        for (std::size_t i = 0; i < poszukiwania_.size(); ++i) {
            TPoszukiwanie& p = *poszukiwania_[i];
            if (zajete_[i] || p.Martwe() || p.PamiecZbioru() == 0 || p.Przydzialow() == 0 ||
                static_cast<double>(p.Najlepszy()) <= static_cast<double>(najmniej) * (1.0 + ZapasZbioru))
                continue;
            pamiecZbiorow_ -= p.PamiecZbioru();
            p.Porzuc();
        }
    }

    std::mutex zamek_;
    std::vector<std::unique_ptr<TPoszukiwanie>> poszukiwania_;
    TWspolne& wspolne_;
    uint64_t pamiecZbiorow_ = 0;
    // The best size already handed to a search that continues from the best.
    int64_t przejete_ = std::numeric_limits<int64_t>::max();
    double pierwszy_;
    double kolejny_;
    std::vector<bool> zajete_;
};

} // namespace

int64_t DolneOgraniczenie(int n, int k, int t)
{
    if (t < 1 || k < t || n < k)
        return 0;
    long double l = 1;
    // From L(n - t + 1, k - t + 1, 1) up to L(n, k, t).
    for (int i = t - 1; i >= 0; --i) {
        const long double v = n - i;
        const long double b = k - i;
        l = std::ceil(v / b * l - 1e-9L);
    }
    return static_cast<int64_t>(l);
}

TBladPokrycia SprawdzZadanie(const TParametryPokrycia& p)
{
    if (!p.Poprawne() || p.k > MaxKOptymalizacji)
        return TBladPokrycia::ZleParametry;
    if (TRangi(p.n, p.m).Podzbiorow() > MaxPodzbiorowOptymalizacji)
        return TBladPokrycia::ZaDuze;
    return TBladPokrycia::Brak;
}

TWynikPokrycia OptymalizujPokrycie(const TZadaniePokrycia& zadanie, const std::atomic<bool>& przerwij,
                                   const TPokazPostepPokrycia& postep)
{
    TWynikPokrycia wynik;
    const TParametryPokrycia& p = zadanie.Parametry;
    wynik.Blad = SprawdzZadanie(p);
    if (wynik.Blad == TBladPokrycia::Brak && zadanie.Poczatkowe.size() + zadanie.Stale.size() >= MaxBlokow)
        wynik.Blad = TBladPokrycia::ZaDuze;
    if (wynik.Blad != TBladPokrycia::Brak)
        return wynik;
    const auto start = TZegar::now();
    const auto koniec = start + std::chrono::duration_cast<TZegar::duration>(
                                    std::chrono::duration<double>(std::max(zadanie.Sekundy, 0.0)));
    const TRangi rangi(p.n, p.m);
    // A given seed seeds this run only; otherwise the run takes the next seed of the program's source.
    TLosowe losowe = zadanie.Ziarno ? TLosowe(*zadanie.Ziarno) : TLosowe();

    TWspolne wspolne;
    const std::vector<TBlok> stale = Bloki(zadanie.Stale, p);
    const std::vector<TBlok> poczatkowe = Bloki(zadanie.Poczatkowe, p);
    // Every thread keeps its own counts: on a machine of many cores the largest parameters take
    // fewer threads, so that the counts stay within a memory budget.
    const uint64_t pamieciWatku = rangi.Podzbiorow() * (sizeof(uint16_t) + 1);
    const int watkowPamieci = static_cast<int>(std::max<uint64_t>(1, PamiecLicznikow / pamieciWatku));
    const int watkow = std::clamp(zadanie.Watki > 0 ? zadanie.Watki
                                                    : static_cast<int>(std::thread::hardware_concurrency()),
                                  1, watkowPamieci);

    // The plain searches, one per thread, from the greedy design (or the given one). The first
    // starts here, so that a complete design exists whatever happens next.
    std::vector<std::unique_ptr<TPoszukiwanie>> poszukiwania;
    for (int w = 0; w < std::max(watkow, std::min(2, watkowPamieci)); ++w) {
        poszukiwania.push_back(std::make_unique<TPoszukiwanie>(p, rangi, stale, poczatkowe,
                                                               losowe.Slowo64(),
                                                               poczatkowe.empty() ? "wyżarzanie" : "redukcja", false));
        poszukiwania.back()->UstawSzczebel(w);
    }
    // A weighted search beside them, where the parameters allow one.
    const bool wagowe = TPrzeszukiwanieWagowe::Obsluguje(p);
    if (wagowe)
        poszukiwania.push_back(std::make_unique<TPoszukiwanie>(p, rangi, stale, poczatkowe, losowe.Slowo64(),
                                                               poczatkowe.empty() ? "wagi" : "redukcja (wagi)", true));
    TPoszukiwanie& pierwsze = *poszukiwania.front();
    if (zadanie.Cel > 0) {
        wspolne.Cel = zadanie.Cel;
    } else if (stale.empty()) {
        wspolne.Cel = p.Klasyczne() ? DolneOgraniczenie(p.n, p.k, p.t) : 1;
    } else {
        // Each added bet covers at most so many of the holes.
        uint64_t naZaklad = 0;
        for (int j = p.t; j <= std::min(p.k, p.m); ++j)
            naZaklad += rangi.C(p.k, j) * rangi.C(p.n - p.k, p.m - j);
        const auto dziur = static_cast<uint64_t>(pierwsze.Dziur());
        wspolne.Cel = static_cast<int64_t>(stale.size() + (dziur + naZaklad - 1) / naZaklad);
    }
    pierwsze.Rozpocznij(wspolne);
    if (pierwsze.Martwe()) {
        wynik.Blad = TBladPokrycia::ZaDuze;
        return wynik;
    }
    // Far below the greedy design the weighted search does better from random bets than from any
    // design the others reach: their structure holds it in a poor valley.
    if (wagowe) {
        const int64_t najmniej = wspolne.Najmniej.load();
        const int64_t poczatek =
            zadanie.Znany > 0 ? zadanie.Znany + (zadanie.Znany * ProcentStartuLosowych + 99) / 100
                              : (std::max<int64_t>(wspolne.Cel, 1) + najmniej) / 2;
        const int64_t wolnych = poczatek - static_cast<int64_t>(stale.size());
        if (wolnych > 0 && poczatek < najmniej) {
            poszukiwania.push_back(std::make_unique<TPoszukiwanie>(p, rangi, stale, std::vector<TBlok>{},
                                                                   losowe.Slowo64(), "wagi", true));
            poszukiwania.back()->ZacznijOdLosowych(wolnych);
        }
    }
    // Designs invariant under a group, where a group can act (nothing is fixed); their orbit tables
    // share a memory budget.
    if (zadanie.Konstrukcje && stale.empty() && rangi.Podzbiorow() <= MaxPodzbiorowGrup) {
        std::vector<TGrupa> grupy;
        uint64_t pamieci = 0;
        for (const TKandydatGrupy& kandydat : KandydaciGrup(p.n)) {
            // A group of more elements than the smallest possible design leaves too coarse a choice.
            const auto maxRzad = static_cast<std::size_t>(std::max<int64_t>(wspolne.Cel, 2));
            std::optional<TGrupa> grupa =
                TGrupa::Generuj(p.n, kandydat.Generatory, std::min(maxRzad, MaxRzaduGrupy), kandydat.Opis);
            if (!grupa)
                continue;
            pamieci += rangi.Podzbiorow() * sizeof(uint32_t);
            if (pamieci > PamiecGrup)
                break;
            grupy.push_back(std::move(*grupa));
        }
        // Where the orbits of bets can be listed, a set cover over them finds the group's designs
        // whole; the smallest lists first. A group so small that its designs would take very many
        // orbits is left to the plain searches then. Over the other groups the weighted search does
        // better than the annealing where it can run.
        const bool zbiory = TPokrycieOrbitami::Obsluguje(p);
        std::vector<uint64_t> pamiecZbioru(grupy.size(), PamiecZbioru + 1);
        if (zbiory) {
            std::erase_if(grupy, [&](const TGrupa& g) {
                return wspolne.Cel > MaxOrbitProjektu * static_cast<int64_t>(g.Rzad());
            });
            pamiecZbioru.resize(grupy.size());
            for (std::size_t i = 0; i < grupy.size(); ++i)
                pamiecZbioru[i] = TPokrycieOrbitami::Pamiec(p, grupy[i].Rzad());
        }
        std::vector<std::size_t> kolejnosc(grupy.size());
        std::iota(kolejnosc.begin(), kolejnosc.end(), std::size_t{0});
        std::stable_sort(kolejnosc.begin(), kolejnosc.end(),
                         [&](std::size_t a, std::size_t b) { return pamiecZbioru[a] < pamiecZbioru[b]; });
        for (std::size_t i : kolejnosc) {
            const TRuchyGrupy ruchy = pamiecZbioru[i] <= PamiecZbioru ? TRuchyGrupy::ZbioryOrbit
                                      : wagowe                        ? TRuchyGrupy::Wagowe
                                                                      : TRuchyGrupy::Wyzarzanie;
            poszukiwania.push_back(
                std::make_unique<TPoszukiwanie>(p, rangi, std::move(grupy[i]), losowe.Slowo64(), ruchy));
        }
        // The groups' designs are other valleys for the plain annealing than the one it descends into
        // from the greedy design: one line anneals each of them in turn.
        if (!kolejnosc.empty()) {
            poszukiwania.push_back(std::make_unique<TPoszukiwanie>(p, rangi, stale, std::vector<TBlok>{},
                                                                   losowe.Slowo64(), "wyżarzanie", false));
            poszukiwania.back()->ZacznijOdGrup();
        }
    }

    const double czas = std::max(zadanie.Sekundy, 0.0);
    const double pierwszy =
        std::clamp(czas * UdzialPoznawania * watkow / static_cast<double>(poszukiwania.size()), 0.03, 0.5);
    TRozdzielacz rozdzielacz(std::move(poszukiwania), pierwszy, std::clamp(czas / 10.0, 0.2, 2.0), wspolne);
    auto pracownik = [&] {
        double sekundy = 0;
        while (!wspolne.Koniec.load() && TZegar::now() < koniec) {
            TPoszukiwanie* poszukiwanie = rozdzielacz.Wez(sekundy, wspolne.Najmniej.load());
            if (!poszukiwanie)
                break;
            if (poszukiwanie->Przejmuje() && poszukiwanie->Najlepszy() > wspolne.Najmniej.load())
                poszukiwanie->PrzejmijNajlepsze(wspolne);
            // Listing the orbits is not part of a search's slice.
            if (!poszukiwanie->Rozpoczete())
                poszukiwanie->Rozpocznij(wspolne);
            const auto kraniec = std::min(koniec, TZegar::now() + std::chrono::duration_cast<TZegar::duration>(
                                                                      std::chrono::duration<double>(sekundy)));
            const bool pierwszeZbioru = poszukiwanie->Przydzialow() == 0 && poszukiwanie->PamiecZbioru() > 0;
            poszukiwanie->Pracuj(kraniec, wspolne);
            // A set cover still descending at the end of its first look, and close to the best,
            // goes on: a good group often needs a second or so to reach its design.
            const auto przedluzenie =
                std::chrono::duration_cast<TZegar::duration>(std::chrono::duration<double>(PierwszyZbioru));
            for (int i = 0; pierwszeZbioru && i < PrzedluzenZbioru && !wspolne.Koniec.load(); ++i) {
                const auto teraz = TZegar::now();
                if (teraz >= koniec || !poszukiwanie->PoprawaOd(teraz - przedluzenie / 2) ||
                    static_cast<double>(poszukiwanie->Najlepszy()) >
                        static_cast<double>(wspolne.Najmniej.load()) * (1.0 + ZapasZbioru))
                    break;
                poszukiwanie->Pracuj(std::min(koniec, teraz + przedluzenie), wspolne);
            }
            rozdzielacz.Oddaj(poszukiwanie);
        }
    };
    std::vector<std::thread> watki;
    for (int w = 0; w < watkow; ++w)
        watki.emplace_back(pracownik);
    auto ostatniPostep = TZegar::now() - OdstepPostepu;
    while (!wspolne.Koniec.load()) {
        const auto teraz = TZegar::now();
        if (teraz >= koniec)
            break;
        if (przerwij.load()) {
            wynik.Przerwano = true;
            break;
        }
        if (postep && teraz - ostatniPostep >= OdstepPostepu) {
            ostatniPostep = teraz;
            const int64_t najmniej = wspolne.Najmniej.load();
            postep({czas > 0 ? std::min(100.0, Sekundy(teraz - start) * 100.0 / czas) : 100.0,
                    najmniej == std::numeric_limits<int64_t>::max() ? 0 : najmniej});
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    wspolne.Koniec.store(true);
    for (std::thread& w : watki)
        w.join();

    std::vector<TZaklad> zaklady = Zaklady(wspolne.Kopia(), p.k);
    if (!PokrycieKompletne(p, zaklady)) {
        wynik.Blad = TBladPokrycia::Niepelny;
        return wynik;
    }
    wynik.Zaklady = std::move(zaklady);
    wynik.Zrodlo = wspolne.Zrodlo;
    if (postep)
        postep({100.0, static_cast<int64_t>(wynik.Zaklady.size())});
    return wynik;
}

} // namespace tarvomund
