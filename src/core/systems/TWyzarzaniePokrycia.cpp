#include "systems/TWyzarzaniePokrycia.h"

#include "systems/GrupyPokryc.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace tarvomund {

namespace {

// Random bets tried for one that meets the chosen subset in t - 1 numbers before the best of them
// is taken instead.
constexpr int MaxProb = 256;
// The greedy bets count every subset a candidate number would cover up to this many, and beyond
// it (wheels "t if m" over many numbers) judge the candidates on a sample of this size.
constexpr uint64_t MaxZyskuDokladnego = 4096;
constexpr int ProbekZysku = 256;

int Popcount(const std::array<uint64_t, 2>& a, const std::array<uint64_t, 2>& b)
{
    return std::popcount(a[0] & b[0]) + std::popcount(a[1] & b[1]);
}

void UstawBit(std::array<uint64_t, 2>& maska, int punkt)
{
    maska[static_cast<std::size_t>(punkt >> 6)] |= uint64_t{1} << (punkt & 63);
}

} // namespace

void TBlok::UstawMaske(int k)
{
    maska = {};
    for (int i = 0; i < k; ++i)
        UstawBit(maska, p[static_cast<std::size_t>(i)]);
}

TBlok BlokZZakladu(const TZaklad& zaklad, int k)
{
    TBlok blok;
    for (int i = 0; i < k; ++i)
        blok.p[static_cast<std::size_t>(i)] = static_cast<uint8_t>(zaklad[static_cast<std::size_t>(i)] - 1);
    std::sort(blok.p.begin(), blok.p.begin() + k);
    blok.UstawMaske(k);
    return blok;
}

TBlok BlokZMaski(uint64_t maska, int k)
{
    TBlok blok;
    int i = 0;
    for (uint64_t b = maska; b; b &= b - 1)
        blok.p[static_cast<std::size_t>(i++)] = static_cast<uint8_t>(std::countr_zero(b));
    blok.UstawMaske(k);
    return blok;
}

TZaklad ZakladZBloku(const TBlok& blok, int k)
{
    TZaklad zaklad{};
    for (int i = 0; i < k; ++i)
        zaklad[static_cast<std::size_t>(i)] = static_cast<uint8_t>(blok.p[static_cast<std::size_t>(i)] + 1);
    return zaklad;
}

TWyzarzaniePokrycia::TWyzarzaniePokrycia(const TParametryPokrycia& p, const TRangi& rangi, const TOrbity* orbity,
                                         uint64_t ziarno)
    : p_(p), rangi_(rangi), orbity_(orbity), losowe_(ziarno)
{
    const uint64_t jednostek = orbity ? orbity->Ile() : rangi.Podzbiorow();
    licznik_.assign(static_cast<std::size_t>(jednostek), 0);
    naLiscie_.assign(static_cast<std::size_t>((jednostek + 63) / 64), 0);
    niepokrytych_ = static_cast<int64_t>(jednostek);
    UstawTemperature(0.22);
    klasyczny_ = p.m == p.t && TCzesciBloku::Mozliwe(p.n, p.k, p.t);
    if (klasyczny_)
        czesci_ = std::make_unique<TCzesciBloku>(p.k, p.t);
}

uint32_t TWyzarzaniePokrycia::Jednostka(uint64_t ranga) const
{
    return orbity_ ? orbity_->Jednostka(ranga) : static_cast<uint32_t>(ranga);
}

uint64_t TWyzarzaniePokrycia::Reprezentant(uint32_t jednostka) const
{
    return orbity_ ? orbity_->Reprezentant(jednostka) : jednostka;
}

void TWyzarzaniePokrycia::UstawTemperature(double temperatura)
{
    for (std::size_t d = 0; d < akceptacja_.size(); ++d)
        akceptacja_[d] = d == 0 ? 1.0 : std::exp(-static_cast<double>(d) / temperatura);
}

void TWyzarzaniePokrycia::Oznacz(uint32_t jednostka)
{
    // A list still to be built will find the unit when it is.
    if (!listaAktualna_)
        return;
    uint64_t& slowo = naLiscie_[jednostka >> 6];
    const uint64_t bit = uint64_t{1} << (jednostka & 63);
    if (!(slowo & bit)) {
        slowo |= bit;
        lista_.push_back(jednostka);
    }
}

void TWyzarzaniePokrycia::ZbudujListe()
{
    lista_.clear();
    std::fill(naLiscie_.begin(), naLiscie_.end(), 0);
    listaAktualna_ = true;
    for (std::size_t j = 0; j < licznik_.size(); ++j)
        if (licznik_[j] == 0)
            Oznacz(static_cast<uint32_t>(j));
}

uint32_t TWyzarzaniePokrycia::PierwszaNiepokryta()
{
    // While bets are only added nothing is uncovered again, so the walk never goes back.
    while (licznik_[kursor_] != 0)
        ++kursor_;
    return static_cast<uint32_t>(kursor_);
}

uint32_t TWyzarzaniePokrycia::LosowaNiepokryta()
{
    if (!listaAktualna_)
        ZbudujListe();
    // The list holds every uncovered unit once, and units covered since they were put there,
    // which are taken off when drawn; so the draw is uniform over the uncovered ones.
    while (true) {
        const auto i = static_cast<std::size_t>(losowe_.Zakres(0, static_cast<int>(lista_.size()) - 1));
        const uint32_t j = lista_[i];
        if (licznik_[j] == 0)
            return j;
        naLiscie_[j >> 6] &= ~(uint64_t{1} << (j & 63));
        lista_[i] = lista_.back();
        lista_.pop_back();
    }
}

int64_t TWyzarzaniePokrycia::Zmien(const TBlok& blok, int znak, bool naProbe)
{
    int64_t zmienionych = 0;
    stracone_.clear();
    DlaPokrytych(p_, blok.p.data(), p_.k, [&](const uint8_t* s) {
        const uint32_t j = Jednostka(rangi_.Ranga(s));
        if (znak > 0) {
            if (licznik_[j]++ == 0)
                ++zmienionych;
        } else {
            if (--licznik_[j] == 0)
                ++zmienionych;
        }
        stracone_.push_back(j);
    });
    if (naProbe) {
        for (uint32_t j : stracone_)
            licznik_[j] = static_cast<uint16_t>(licznik_[j] - znak);
    } else if (znak > 0) {
        niepokrytych_ -= zmienionych;
    } else {
        niepokrytych_ += zmienionych;
        for (uint32_t j : stracone_)
            if (licznik_[j] == 0)
                Oznacz(j);
    }
    return zmienionych;
}

void TWyzarzaniePokrycia::UstawStale(const std::vector<TBlok>& stale)
{
    stalych_ += stale.size();
    for (const TBlok& blok : stale)
        Zmien(blok, +1, false);
}

void TWyzarzaniePokrycia::UstawBloki(std::vector<TBlok> bloki)
{
    for (const TBlok& blok : bloki_)
        Zmien(blok, -1, false);
    bloki_ = std::move(bloki);
    for (const TBlok& blok : bloki_)
        Zmien(blok, +1, false);
    // The list of what is uncovered is built when a move first needs it: after the greedy bets it is
    // short, before them it would hold every subset.
    lista_.clear();
    lista_.shrink_to_fit();
    listaAktualna_ = false;
    kursor_ = 0;
}

void TWyzarzaniePokrycia::DodajBlok(const TBlok& blok)
{
    bloki_.push_back(blok);
    Zmien(blok, +1, false);
}

bool TWyzarzaniePokrycia::UsunNajmniejPotrzebny()
{
    if (bloki_.empty())
        return false;
    std::size_t najlepszy = 0;
    int64_t najmniej = std::numeric_limits<int64_t>::max();
    int remisow = 0;
    for (std::size_t i = 0; i < bloki_.size(); ++i) {
        const int64_t odkrytych = Zmien(bloki_[i], -1, true);
        if (odkrytych < najmniej) {
            najmniej = odkrytych;
            najlepszy = i;
            remisow = 1;
        } else if (odkrytych == najmniej && losowe_.Zakres(0, remisow++) == 0) {
            najlepszy = i;
        }
    }
    Zmien(bloki_[najlepszy], -1, false);
    bloki_[najlepszy] = bloki_.back();
    bloki_.pop_back();
    return true;
}

void TWyzarzaniePokrycia::Krok()
{
    if (niepokrytych_ == 0 || bloki_.empty())
        return;
    const int n = p_.n;
    const int k = p_.k;
    const int t = p_.t;
    const int m = p_.m;
    std::array<uint8_t, MaxLiczbSystemu> s;
    rangi_.Odrangi(Reprezentant(LosowaNiepokryta()), s.data());

    // Bets (and, with orbits, images of the subset) that meet the subset in t - 1 numbers, so that
    // one exchange covers it; the closest miss when none turns up. Of the bets that qualify, a few
    // are weighed and the exchange that uncovers the least for what it covers is proposed: a blind
    // choice of the number to leave wastes most moves once the design is near its smallest size.
    const std::vector<TPermutacja>* grupa = orbity_ ? &orbity_->Grupa().Elementy() : nullptr;
    std::array<uint8_t, MaxLiczbSystemu> obraz;
    std::array<uint64_t, 2> maskaS{};
    std::array<TKandydatRuchu, KandydatowRuchu> kandydaci;
    int ileKandydatow = 0;
    TKandydatRuchu najblizszy;
    int najlepiej = -1;
    const int blokow = static_cast<int>(bloki_.size());
    if (!grupa) {
        for (int i = 0; i < m; ++i)
            UstawBit(maskaS, s[static_cast<std::size_t>(i)]);
        najblizszy.maska = maskaS;
        najblizszy.obraz = s;
    }
    const int kandydatow = klasyczny_ ? KandydatowRuchu : 1;
    for (int proba = 0; proba < MaxProb && ileKandydatow < kandydatow; ++proba) {
        const auto r = static_cast<std::size_t>(losowe_.Zakres(0, blokow - 1));
        if (grupa) {
            const TPermutacja& g = (*grupa)[static_cast<std::size_t>(losowe_.Zakres(0, static_cast<int>(grupa->size()) - 1))];
            maskaS = {};
            for (int i = 0; i < m; ++i) {
                obraz[static_cast<std::size_t>(i)] = g[s[static_cast<std::size_t>(i)]];
                UstawBit(maskaS, obraz[static_cast<std::size_t>(i)]);
            }
        }
        const int wspolnych = Popcount(bloki_[r].maska, maskaS);
        if (wspolnych > najlepiej) {
            najlepiej = wspolnych;
            najblizszy.blok = r;
            if (grupa) {
                najblizszy.maska = maskaS;
                najblizszy.obraz = obraz;
            }
        }
        if (wspolnych == t - 1) {
            TKandydatRuchu& kandydat = kandydaci[static_cast<std::size_t>(ileKandydatow++)];
            kandydat.blok = r;
            kandydat.maska = maskaS;
            kandydat.obraz = grupa ? obraz : s;
        }
    }
    if (ileKandydatow > 0 && klasyczny_) {
        KrokKlasyczny(kandydaci.data(), ileKandydatow);
        return;
    }
    const std::size_t wybrany = najblizszy.blok;
    const std::array<uint64_t, 2>& wybranaMaska = najblizszy.maska;
    const std::array<uint8_t, MaxLiczbSystemu>& wybranyObraz = najblizszy.obraz;
    TBlok& blok = bloki_[wybrany];

    // x leaves the bet, y of the subset comes in.
    std::array<uint8_t, MaxKOptymalizacji> poza{};
    int ilePoza = 0;
    for (int i = 0; i < k; ++i)
        if (!((wybranaMaska[static_cast<std::size_t>(blok.p[static_cast<std::size_t>(i)] >> 6)] >>
               (blok.p[static_cast<std::size_t>(i)] & 63)) & 1))
            poza[static_cast<std::size_t>(ilePoza++)] = blok.p[static_cast<std::size_t>(i)];
    std::array<uint8_t, MaxLiczbSystemu> nowe;
    int ileNowych = 0;
    for (int i = 0; i < m; ++i)
        if (!blok.Zawiera(wybranyObraz[static_cast<std::size_t>(i)]))
            nowe[static_cast<std::size_t>(ileNowych++)] = wybranyObraz[static_cast<std::size_t>(i)];
    if (ilePoza == 0 || ileNowych == 0)
        return;
    const uint8_t x = poza[static_cast<std::size_t>(losowe_.Zakres(0, ilePoza - 1))];
    const uint8_t y = nowe[static_cast<std::size_t>(losowe_.Zakres(0, ileNowych - 1))];

    // The subsets the exchange touches: x or y with t - 1 other numbers of the bet and m - t
    // numbers outside it (y excluded). With x they lose this bet, with y they gain it.
    std::array<uint8_t, MaxKOptymalizacji> reszta{};
    int ileReszty = 0;
    for (int i = 0; i < k; ++i)
        if (blok.p[static_cast<std::size_t>(i)] != x)
            reszta[static_cast<std::size_t>(ileReszty++)] = blok.p[static_cast<std::size_t>(i)];
    std::array<uint8_t, MaxLiczbSystemu> dopelnienie;
    int ileDopelnienia = 0;
    if (m > t)
        for (int q = 0; q < n; ++q)
            if (q != y && !blok.Zawiera(q))
                dopelnienie[static_cast<std::size_t>(ileDopelnienia++)] = static_cast<uint8_t>(q);

    stracone_.clear();
    zyskane_.clear();
    int64_t delta = 0;
    // Scratch space for the hot loop below, left uninitialised: only the entries written are read.
    std::array<uint8_t, MaxLiczbSystemu> a;
    std::array<uint8_t, MaxLiczbSystemu> u;
    std::array<uint8_t, MaxLiczbSystemu> baza;
    // Prefix sums of the base's terms at their own place and at the place after an insertion.
    std::array<uint64_t, MaxLiczbSystemu + 1> przed;
    std::array<uint64_t, MaxLiczbSystemu + 1> po;
    const int dlugosc = m - 1;
    auto ranga = [&](uint8_t v) {
        int q = 0;
        while (q < dlugosc && baza[static_cast<std::size_t>(q)] < v)
            ++q;
        return przed[static_cast<std::size_t>(q)] + rangi_.C(v, q + 1) + po[static_cast<std::size_t>(q)];
    };
    DlaKombinacji(reszta.data(), ileReszty, t - 1, a.data(), [&] {
        DlaKombinacji(dopelnienie.data(), ileDopelnienia, m - t, u.data(), [&] {
            Scal(a.data(), t - 1, u.data(), m - t, baza.data());
            przed[0] = 0;
            for (int i = 0; i < dlugosc; ++i)
                przed[static_cast<std::size_t>(i + 1)] =
                    przed[static_cast<std::size_t>(i)] + rangi_.C(baza[static_cast<std::size_t>(i)], i + 1);
            po[static_cast<std::size_t>(dlugosc)] = 0;
            for (int i = dlugosc - 1; i >= 0; --i)
                po[static_cast<std::size_t>(i)] =
                    po[static_cast<std::size_t>(i + 1)] + rangi_.C(baza[static_cast<std::size_t>(i)], i + 2);
            const uint32_t jx = Jednostka(ranga(x));
            if (--licznik_[jx] == 0)
                ++delta;
            stracone_.push_back(jx);
            const uint32_t jy = Jednostka(ranga(y));
            if (licznik_[jy]++ == 0)
                --delta;
            zyskane_.push_back(jy);
        });
    });

    ZakonczRuch(blok, x, y, delta, true);
}

bool TWyzarzaniePokrycia::Przyjmij(int64_t delta)
{
    return delta <= 0 || (delta < static_cast<int64_t>(akceptacja_.size()) &&
                          static_cast<double>(losowe_.Slowo64() >> 11) * 0x1.0p-53 <
                              akceptacja_[static_cast<std::size_t>(delta)]);
}

void TWyzarzaniePokrycia::ZakonczRuch(TBlok& blok, uint8_t x, uint8_t y, int64_t delta, bool rozstrzygnij)
{
    // The counts already hold the trial exchange: a rejected one is undone, a kept one committed.
    if (rozstrzygnij && !Przyjmij(delta)) {
        for (uint32_t j : zyskane_)
            --licznik_[j];
        for (uint32_t j : stracone_)
            ++licznik_[j];
        return;
    }
    niepokrytych_ += delta;
    for (uint32_t j : stracone_)
        if (licznik_[j] == 0)
            Oznacz(j);
    int i = 0;
    while (blok.p[static_cast<std::size_t>(i)] != x)
        ++i;
    blok.p[static_cast<std::size_t>(i)] = y;
    std::sort(blok.p.begin(), blok.p.begin() + p_.k);
    blok.maska[static_cast<std::size_t>(x >> 6)] &= ~(uint64_t{1} << (x & 63));
    UstawBit(blok.maska, y);
}

void TWyzarzaniePokrycia::KrokKlasyczny(const TKandydatRuchu* kandydaci, int ile)
{
    // Of the bets that one exchange makes cover the chosen subset, and of the numbers each could give
    // up, the exchange that uncovers the least for what it covers is proposed (ties at random): for
    // every number x of the bet, the t-subsets through x only this bet covers are lost, and the
    // t-subsets of y with t - 1 numbers of the bet other than x still uncovered are gained.
    const int t = p_.t;
    const int k = p_.k;
    int najmniej = std::numeric_limits<int>::max();
    int remisow = 0;
    int wybrany = 0;
    int ostatni = -1;
    uint8_t x = 0;
    uint8_t y = 0;
    for (int c = 0; c < ile; ++c) {
        const TBlok& blok = bloki_[kandydaci[c].blok];
        const std::array<uint8_t, MaxLiczbSystemu>& obraz = kandydaci[c].obraz;
        uint8_t nowy = 0;
        for (int i = 0; i < t; ++i)
            if (!blok.Zawiera(obraz[static_cast<std::size_t>(i)]))
                nowy = obraz[static_cast<std::size_t>(i)];
        const int czesci = czesci_->Wypelnij(blok.p.data());
        ostatni = c;
        std::array<int, 64> strata{};
        std::array<int, 64> bezX{};
        int zysk = 0;
        for (int i = 0; i < czesci; ++i) {
            const TCzesciBloku::TCzesc& cz = (*czesci_)[i];
            // The t-subsets of the bet, each once: T with a number of the bet above all of T.
            const int najwyzszy = cz.maska ? 63 - std::countl_zero(cz.maska) : -1;
            for (int j = k - 1; j >= 0 && blok.p[static_cast<std::size_t>(j)] > najwyzszy; --j) {
                const uint8_t v = blok.p[static_cast<std::size_t>(j)];
                if (licznik_[Jednostka(cz.przed[static_cast<std::size_t>(t - 1)] + czesci_->C(v, t))] == 1) {
                    ++strata[v];
                    for (uint64_t b = cz.maska; b; b &= b - 1)
                        ++strata[static_cast<std::size_t>(std::countr_zero(b))];
                }
            }
            if (licznik_[Jednostka(czesci_->Ranga(cz, nowy))] == 0) {
                ++zysk;
                for (uint64_t b = cz.maska; b; b &= b - 1)
                    ++bezX[static_cast<std::size_t>(std::countr_zero(b))];
            }
        }
        for (int i = 0; i < k; ++i) {
            const uint8_t q = blok.p[static_cast<std::size_t>(i)];
            if (blok.Zawiera(q) && ((kandydaci[c].maska[static_cast<std::size_t>(q >> 6)] >> (q & 63)) & 1))
                continue;
            const int wynik = strata[q] - (zysk - bezX[q]);
            if (wynik < najmniej) {
                najmniej = wynik;
                remisow = 1;
            } else if (wynik > najmniej || losowe_.Zakres(0, remisow++) != 0) {
                continue;
            }
            wybrany = c;
            x = q;
            y = nowy;
        }
    }

    // Without orbits the weighed change is the exact change of the uncovered count, so a rejected
    // exchange needs no trial; with orbits a unit can be met twice and only the trial tells.
    const bool dokladna = orbity_ == nullptr;
    if (dokladna && !Przyjmij(najmniej))
        return;
    TBlok& blok = bloki_[kandydaci[wybrany].blok];
    const int czesci =
        wybrany == ostatni ? static_cast<int>(rangi_.C(k, t - 1)) : czesci_->Wypelnij(blok.p.data());
    stracone_.clear();
    zyskane_.clear();
    int64_t delta = 0;
    const uint64_t bitX = uint64_t{1} << x;
    for (int i = 0; i < czesci; ++i) {
        const TCzesciBloku::TCzesc& cz = (*czesci_)[i];
        if (cz.maska & bitX)
            continue;
        const uint32_t jx = Jednostka(czesci_->Ranga(cz, x));
        if (--licznik_[jx] == 0)
            ++delta;
        stracone_.push_back(jx);
        const uint32_t jy = Jednostka(czesci_->Ranga(cz, y));
        if (licznik_[jy]++ == 0)
            --delta;
        zyskane_.push_back(jy);
    }
    ZakonczRuch(blok, x, y, delta, !dokladna);
}

int64_t TWyzarzaniePokrycia::ZyskPunktu(const uint8_t* czesc, int ile, int punkt)
{
    // The uncovered subsets that adding `punkt` to the partial bet brings to t numbers in it: every
    // one of them, or (where they are too many to count for each candidate) a fixed-size sample.
    std::array<bool, MaxLiczbSystemu> zajety{};
    for (int i = 0; i < ile; ++i)
        zajety[czesc[i]] = true;
    zajety[static_cast<std::size_t>(punkt)] = true;
    std::array<uint8_t, MaxLiczbSystemu> dopelnienie{};
    int ileDopelnienia = 0;
    for (int q = 0; q < p_.n; ++q)
        if (!zajety[static_cast<std::size_t>(q)])
            dopelnienie[static_cast<std::size_t>(ileDopelnienia++)] = static_cast<uint8_t>(q);
    std::array<uint8_t, MaxLiczbSystemu> a{};
    std::array<uint8_t, MaxLiczbSystemu> u{};
    std::array<uint8_t, MaxLiczbSystemu> baza{};
    std::array<uint8_t, MaxLiczbSystemu> s{};
    const uint8_t jeden[1] = {static_cast<uint8_t>(punkt)};
    int64_t zysk = 0;
    auto policz = [&] {
        Scal(a.data(), p_.t - 1, u.data(), p_.m - p_.t, baza.data());
        Scal(baza.data(), p_.m - 1, jeden, 1, s.data());
        if (licznik_[Jednostka(rangi_.Ranga(s.data()))] == 0)
            ++zysk;
    };
    const uint64_t wszystkich = rangi_.C(ile, p_.t - 1) * rangi_.C(ileDopelnienia, p_.m - p_.t);
    if (wszystkich <= MaxZyskuDokladnego) {
        DlaKombinacji(czesc, ile, p_.t - 1, a.data(), [&] {
            DlaKombinacji(dopelnienie.data(), ileDopelnienia, p_.m - p_.t, u.data(), policz);
        });
        return zysk;
    }
    for (int proba = 0; proba < ProbekZysku; ++proba) {
        Wybierz(czesc, ile, p_.t - 1, a.data());
        Wybierz(dopelnienie.data(), ileDopelnienia, p_.m - p_.t, u.data());
        policz();
    }
    return zysk;
}

void TWyzarzaniePokrycia::Wybierz(const uint8_t* el, int ile, int r, uint8_t* wy)
{
    // r distinct entries drawn at random, ascending; r is small, so a repeat is simply drawn again.
    int wybranych = 0;
    while (wybranych < r) {
        const uint8_t v = el[losowe_.Zakres(0, ile - 1)];
        if (std::find(wy, wy + wybranych, v) == wy + wybranych)
            wy[wybranych++] = v;
    }
    std::sort(wy, wy + r);
}

TBlok TWyzarzaniePokrycia::Zachlanny(const uint8_t* podzbior)
{
    // The subset's first t numbers in random order start the bet, so that the bet covers it.
    std::array<uint8_t, MaxLiczbSystemu> kolejnosc{};
    std::copy(podzbior, podzbior + p_.m, kolejnosc.begin());
    for (int i = p_.m - 1; i > 0; --i)
        std::swap(kolejnosc[static_cast<std::size_t>(i)], kolejnosc[static_cast<std::size_t>(losowe_.Zakres(0, i))]);
    std::array<uint8_t, MaxKOptymalizacji> czesc{};
    std::array<bool, MaxLiczbSystemu> uzyty{};
    int ile = 0;
    const int startowych = std::min(p_.t, p_.k);
    for (; ile < startowych; ++ile) {
        czesc[static_cast<std::size_t>(ile)] = kolejnosc[static_cast<std::size_t>(ile)];
        uzyty[kolejnosc[static_cast<std::size_t>(ile)]] = true;
    }
    std::sort(czesc.begin(), czesc.begin() + ile);
    for (; ile < p_.k; ++ile) {
        int najlepszy = -1;
        int64_t najwiecej = -1;
        int remisow = 0;
        for (int q = 0; q < p_.n; ++q) {
            if (uzyty[static_cast<std::size_t>(q)])
                continue;
            const int64_t zysk = ZyskPunktu(czesc.data(), ile, q);
            if (zysk > najwiecej) {
                najwiecej = zysk;
                najlepszy = q;
                remisow = 1;
            } else if (zysk == najwiecej && losowe_.Zakres(0, remisow++) == 0) {
                najlepszy = q;
            }
        }
        czesc[static_cast<std::size_t>(ile)] = static_cast<uint8_t>(najlepszy);
        uzyty[static_cast<std::size_t>(najlepszy)] = true;
        std::sort(czesc.begin(), czesc.begin() + ile + 1);
    }
    TBlok blok;
    std::copy(czesc.begin(), czesc.begin() + p_.k, blok.p.begin());
    blok.UstawMaske(p_.k);
    return blok;
}

bool TWyzarzaniePokrycia::UzupelnijZachlannie()
{
    std::array<uint8_t, MaxLiczbSystemu> s{};
    kursor_ = 0;
    // With orbits each bet stands for up to |G| bets; their count bounds every subset's count.
    const std::size_t naBlok = orbity_ ? orbity_->Grupa().Rzad() : 1;
    while (niepokrytych_ > 0) {
        if (stalych_ + (bloki_.size() + 1) * naBlok >= MaxBlokow)
            return false;
        // In order of rank, so that no list of every uncovered subset is needed.
        rangi_.Odrangi(Reprezentant(listaAktualna_ ? LosowaNiepokryta() : PierwszaNiepokryta()), s.data());
        DodajBlok(Zachlanny(s.data()));
    }
    return true;
}

} // namespace tarvomund
