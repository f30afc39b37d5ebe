#include "stats/TGenSzukBazaL.h"

#include "model/PlikSystemu.h"
#include "stats/Kryteria.h"
#include "stats/MaskaLiczb.h"
#include "stats/WynikSzukania.h"
#include "systems/Kombinatoryka.h"

#include <algorithm>
#include <numeric>

namespace tarvomund {

namespace {

constexpr int InterwalSzukaniaMs = 100;
constexpr const char* FormatPostepu = "%6.2f%%";
// The enumeration of subsets looks at the stop flag and reports progress this often.
constexpr uint64_t KrokNigdy = 256;

enum class TParzystosc { Kazda, Parzysta, Nieparzysta };

struct TZakresLiczb {
    int Od;
    int Do;
    bool Ma(int x) const { return x >= Od && x <= Do; }
};

bool PasujeParzystosc(int liczba, TParzystosc p)
{
    return p == TParzystosc::Kazda || (liczba % 2 == 0) == (p == TParzystosc::Parzysta);
}

int CyfraPoczatkowa(int liczba)
{
    return liczba > 9 ? liczba / 10 : liczba;
}

// Walking the numbers, collects those that pass; each time `rozmiar` are together they form a set
// and the collecting starts again empty.
template <typename TWarunek>
void Zbieraj(const uint8_t* liczby, int ile, int rozmiar, TWarunek warunek, std::vector<std::vector<uint8_t>>& zbiory)
{
    std::vector<uint8_t> zbior;
    for (int i = 0; i < ile; ++i) {
        if (!warunek(liczby[i]))
            continue;
        zbior.push_back(liczby[i]);
        if (static_cast<int>(zbior.size()) == rozmiar) {
            zbiory.push_back(std::move(zbior));
            zbior.clear();
        }
    }
}

// The first `rozmiar` numbers that pass, when at least that many do.
template <typename TWarunek>
void Pierwsze(const uint8_t* liczby, int ile, int rozmiar, TWarunek warunek, std::vector<std::vector<uint8_t>>& zbiory)
{
    std::vector<uint8_t> zbior;
    for (int i = 0; i < ile && static_cast<int>(zbior.size()) < rozmiar; ++i)
        if (warunek(liczby[i]))
            zbior.push_back(liczby[i]);
    if (static_cast<int>(zbior.size()) == rozmiar)
        zbiory.push_back(std::move(zbior));
}

// x, x + step, ..., x + (rozmiar - 1) step, all in range and all drawn.
bool Postep(int x, int krok, int rozmiar, const TZakresLiczb& zakres, const TMaskaLiczb& los,
            std::vector<uint8_t>& zbior)
{
    zbior.clear();
    for (int j = 0; j < rozmiar; ++j) {
        const int y = x + j * krok;
        if (y > 255 || !zakres.Ma(y) || !los.Ma(static_cast<uint8_t>(y)))
            return false;
        zbior.push_back(static_cast<uint8_t>(y));
    }
    return true;
}

} // namespace

int RozmiarZbioru(const TFiltrSzukBazaL& filtr)
{
    switch (static_cast<TKryteriumLiczb>(WybraneKryterium(filtr.Kryteria.data(), IleKryteriowLiczb))) {
    case TKryteriumLiczb::Kolejne:
        return filtr.IleKolejnych + 1;
    case TKryteriumLiczb::Parzyste:
        return filtr.IleParzystych + 1;
    case TKryteriumLiczb::Nieparzyste:
        return filtr.IleNieparzystych + 1;
    case TKryteriumLiczb::WPrzedziale:
        return filtr.IleWPrzedziale + 1;
    case TKryteriumLiczb::ParzysteWPrzedziale:
        return filtr.IleParzystychWPrzedziale + 1;
    case TKryteriumLiczb::NieparzysteWPrzedziale:
        return filtr.IleNieparzystychWPrzedziale + 1;
    case TKryteriumLiczb::CyfryKoncowe:
        return filtr.IleKoncowych + 1;
    case TKryteriumLiczb::CyfryPoczatkowe:
        return filtr.IlePoczatkowych + 1;
    case TKryteriumLiczb::StalyPrzyrost:
        return filtr.IleZPrzyrostem + 1;
    case TKryteriumLiczb::NigdyRazem:
        return filtr.IleNigdy + 1;
    default:
        return 0;
    }
}

std::vector<std::vector<uint8_t>> ZbioryZLosowania(int kryterium, const TFiltrSzukBazaL& filtr, const uint8_t* liczby,
                                                   int ile, int32_t ileLiczb)
{
    std::vector<std::vector<uint8_t>> zbiory;
    const int rozmiar = RozmiarZbioru(filtr);
    if (rozmiar < 1)
        return zbiory;
    const TZakresLiczb zakres{filtr.ZakresOd + 1, filtr.ZakresDo + 1};
    const TMaskaLiczb los = MaskaLiczb(liczby, ile);
    std::vector<uint8_t> zbior;
    const auto przedzialy = [&](int szerokosc, TParzystosc p) {
        if (szerokosc < 1)
            return;
        const int ilePrzedzialow = (ileLiczb + szerokosc - 1) / szerokosc;
        for (int m = 0; m < ilePrzedzialow; ++m)
            Zbieraj(liczby, ile, rozmiar,
                    [&](int x) {
                        return x >= m * szerokosc + 1 && x <= (m + 1) * szerokosc && zakres.Ma(x) &&
                               PasujeParzystosc(x, p);
                    },
                    zbiory);
    };
    const auto cyfry = [&](const std::array<bool, IleCyfr>& wybrane, bool koncowe) {
        for (int d = koncowe ? 0 : 1; d < IleCyfr; ++d)
            if (wybrane[static_cast<std::size_t>(d)])
                Pierwsze(liczby, ile, rozmiar,
                         [&](int x) { return koncowe ? zakres.Ma(x) && x % 10 == d : CyfraPoczatkowa(x) == d; },
                         zbiory);
    };

    switch (static_cast<TKryteriumLiczb>(kryterium)) {
    case TKryteriumLiczb::Kolejne:
        for (int x = 1; x <= ileLiczb - rozmiar + 1; ++x)
            if (Postep(x, 1, rozmiar, zakres, los, zbior))
                zbiory.push_back(zbior);
        break;
    case TKryteriumLiczb::Parzyste:
    case TKryteriumLiczb::Nieparzyste: {
        const TParzystosc p =
            kryterium == static_cast<int>(TKryteriumLiczb::Parzyste) ? TParzystosc::Parzysta : TParzystosc::Nieparzysta;
        Zbieraj(liczby, ile, rozmiar, [&](int x) { return zakres.Ma(x) && PasujeParzystosc(x, p); }, zbiory);
        break;
    }
    case TKryteriumLiczb::WPrzedziale:
        przedzialy(filtr.PrzedzialWielkosc + 1, TParzystosc::Kazda);
        break;
    case TKryteriumLiczb::ParzysteWPrzedziale:
        przedzialy(filtr.PrzedzialParzystych + 1, TParzystosc::Parzysta);
        break;
    case TKryteriumLiczb::NieparzysteWPrzedziale:
        przedzialy(filtr.PrzedzialNieparzystych + 1, TParzystosc::Nieparzysta);
        break;
    case TKryteriumLiczb::CyfryKoncowe:
        cyfry(filtr.CyfryKoncowe, true);
        break;
    case TKryteriumLiczb::CyfryPoczatkowe:
        cyfry(filtr.CyfryPoczatkowe, false);
        break;
    case TKryteriumLiczb::StalyPrzyrost:
        for (int i = 0; i < ile; ++i)
            if (zakres.Ma(liczby[i]) && Postep(liczby[i], filtr.Przyrost + 1, rozmiar, zakres, los, zbior))
                zbiory.push_back(zbior);
        break;
    default:
        break;
    }
    return zbiory;
}

bool SzukajNigdyRazem(const std::vector<uint8_t>& pula, int rozmiar, const std::vector<TObLos>& losowania,
                      int ileLosowanych, TSposobNigdy sposob, const std::atomic<bool>& przerwij,
                      const TPostepNigdy& postep, const std::function<void(const uint8_t*)>& znaleziony)
{
    const int p = static_cast<int>(pula.size());
    const int c = rozmiar;
    if (c < 1 || p < c)
        return true;
    const int d = std::clamp(ileLosowanych, 0, MaxLiczbWLosowaniu);
    const long double wszystkich = Kombinacje(p, c);

    // One bit per draw for each number of the pool, stored word by word: the w-th words of all the
    // numbers' masks stand together, so that testing one subset after another reads along memory.
    const std::size_t slow = (losowania.size() + 63) / 64;
    const auto liczb = static_cast<std::size_t>(p);
    std::vector<uint64_t> maski;
    // prefiks[t]: the draws holding the subset's first t + 1 numbers, kept for t < c - 2 (the last
    // two numbers are ANDed in while testing, word by word until a common draw turns up);
    // pusty[t]: no draw holds them.
    std::vector<uint64_t> prefiks;
    std::vector<bool> pusty(static_cast<std::size_t>(c), false);
    if (sposob == TSposobNigdy::Maski) {
        std::array<int, 256> indeks;
        indeks.fill(-1);
        for (int i = 0; i < p; ++i)
            indeks[pula[static_cast<std::size_t>(i)]] = i;
        maski.assign(liczb * slow, 0);
        for (std::size_t j = 0; j < losowania.size(); ++j) {
            uint64_t* wiersz = maski.data() + (j / 64) * liczb;
            const uint64_t bit = uint64_t{1} << (j % 64);
            for (int i = 0; i < d; ++i) {
                const int k = indeks[losowania[j].Liczby[static_cast<std::size_t>(i)]];
                if (k >= 0)
                    wiersz[k] |= bit;
            }
        }
        prefiks.assign(static_cast<std::size_t>(c) * slow, 0);
    }
    // The w-th word of the draw mask of the pool's i-th number.
    const auto maska = [&](int i, std::size_t w) { return maski[w * liczb + static_cast<std::size_t>(i)]; };

    std::vector<int> idx(static_cast<std::size_t>(c));
    std::iota(idx.begin(), idx.end(), 0);
    std::vector<uint8_t> zbior(static_cast<std::size_t>(c));
    // The kept prefixes from level `od` on follow the subset's indexes.
    const auto przelicz = [&](int od) {
        for (int t = od; t < c - 2; ++t) {
            uint64_t* cel = prefiks.data() + static_cast<std::size_t>(t) * slow;
            const int liczba = idx[static_cast<std::size_t>(t)];
            const uint64_t* poprzedni = t == 0 ? nullptr : cel - slow;
            uint64_t suma = 0;
            for (std::size_t w = 0; w < slow; ++w)
                suma |= (cel[w] = poprzedni ? poprzedni[w] & maska(liczba, w) : maska(liczba, w));
            pusty[static_cast<std::size_t>(t)] = suma == 0;
        }
    };
    const auto wylosowanyPoLiczbie = [&] {
        for (const TObLos& los : losowania) {
            const auto koniec = los.Liczby.begin() + d;
            if (std::all_of(zbior.begin(), zbior.end(),
                            [&](uint8_t x) { return std::find(los.Liczby.begin(), koniec, x) != koniec; }))
                return true;
        }
        return false;
    };
    const auto wypelnij = [&] {
        for (int t = 0; t < c; ++t)
            zbior[static_cast<std::size_t>(t)] = pula[static_cast<std::size_t>(idx[static_cast<std::size_t>(t)])];
    };

    if (sposob == TSposobNigdy::Maski)
        przelicz(0);
    uint64_t licznik = 0;
    while (true) {
        // The subsets sharing the first c - 1 numbers differ in the last one only.
        const int pierwsza = c == 1 ? 0 : idx[static_cast<std::size_t>(c - 2)] + 1;
        const int przedostatnia = c >= 2 ? idx[static_cast<std::size_t>(c - 2)] : 0;
        const uint64_t* reszta = c >= 3 ? prefiks.data() + static_cast<std::size_t>(c - 3) * slow : nullptr;
        const bool nikt = c >= 3 && sposob == TSposobNigdy::Maski && pusty[static_cast<std::size_t>(c - 3)];
        for (int x = pierwsza; x < p; ++x) {
            idx[static_cast<std::size_t>(c - 1)] = x;
            bool wylosowany = false;
            if (sposob == TSposobNigdy::PoLiczbie) {
                wypelnij();
                wylosowany = wylosowanyPoLiczbie();
            } else if (!nikt) {
                for (std::size_t w = 0; w < slow && !wylosowany; ++w) {
                    uint64_t wspolne = maska(x, w);
                    if (c >= 2)
                        wspolne &= maska(przedostatnia, w);
                    if (c >= 3)
                        wspolne &= reszta[w];
                    wylosowany = wspolne != 0;
                }
            }
            if (!wylosowany) {
                wypelnij();
                znaleziony(zbior.data());
            }
            if (++licznik % KrokNigdy == 0) {
                if (przerwij.load(std::memory_order_relaxed))
                    return false;
                if (postep)
                    postep(static_cast<double>(static_cast<long double>(licznik) * 100.0L / wszystkich));
            }
        }
        // The next prefix in lexicographic order: the rightmost of the first c - 1 indexes that can move.
        int j = c - 2;
        while (j >= 0 && idx[static_cast<std::size_t>(j)] == p - c + j)
            --j;
        if (j < 0)
            return true;
        ++idx[static_cast<std::size_t>(j)];
        for (int t = j + 1; t < c - 1; ++t)
            idx[static_cast<std::size_t>(t)] = idx[static_cast<std::size_t>(t - 1)] + 1;
        if (sposob == TSposobNigdy::Maski)
            przelicz(j);
    }
}

TGenSzukBazaL::TGenSzukBazaL(TInfoGryRec info, TFiltrSzukBazaL filtr, const std::vector<TObLos>& losowania,
                             const std::atomic<bool>& przerwij, TPokazPostep postep)
    : info_(std::move(info)), filtr_(std::move(filtr)), losowania_(losowania), przerwij_(przerwij),
      postep_(std::move(postep), FormatPostepu)
{
}

TWynikGeneracji TGenSzukBazaL::Wykonaj()
{
    const int kryterium = WybraneKryterium(filtr_.Kryteria.data(), IleKryteriowLiczb);
    // Without a criterion nothing is found: the result has the game's drawn count per bet.
    const int rozmiar = kryterium == 0 ? std::clamp(info_.IleLosowanych, 1, MaxLiczbWLosowaniu)
                                       : std::clamp(RozmiarZbioru(filtr_), 1, MaxLiczbWLosowaniu);
    info_.k = rozmiar;
    TPisarzSystemu pisarz(filtr_.PlikWyniku, rozmiar);
    if (!pisarz.Otwarty()) {
        TWynikGeneracji wynik;
        wynik.BladPliku = true;
        wynik.BezZmian = true;
        return wynik;
    }
    if (kryterium == static_cast<int>(TKryteriumLiczb::NigdyRazem))
        return NigdyRazem(pisarz, rozmiar);

    TZbioryWyniku znalezione(rozmiar);
    const int d = std::clamp(info_.IleLosowanych, 0, MaxLiczbWLosowaniu);
    postep_.NowaFaza(InterwalSzukaniaMs);
    const auto wszystkich = static_cast<int64_t>(losowania_.size());
    for (std::size_t i = 0; i < losowania_.size() && kryterium != 0; ++i) {
        if (przerwij_.load(std::memory_order_relaxed))
            break;
        postep_.Zglos(static_cast<int64_t>(i) + 1, wszystkich);
        const TObLos& los = losowania_[i];
        if (los.Data < filtr_.OdDaty || los.Data > filtr_.DoDaty)
            continue;
        for (const std::vector<uint8_t>& zbior : ZbioryZLosowania(kryterium, filtr_, los.Liczby.data(), d, info_.IleLiczb)) {
            TZaklad liczby{};
            std::copy(zbior.begin(), zbior.end(), liczby.begin());
            znalezione.Dodaj(liczby);
        }
    }
    return znalezione.Zapisz(info_, pisarz, przerwij_, postep_);
}

TWynikGeneracji TGenSzukBazaL::NigdyRazem(TPisarzSystemu& pisarz, int rozmiar)
{
    // The pool is the number range; the sets come out in lexicographic order of their numbers,
    // which the renumbering keeps, so they are written as they come and renumbered at the end.
    std::vector<uint8_t> pula;
    for (int x = std::max(filtr_.ZakresOd + 1, 1); x <= std::min(filtr_.ZakresDo + 1, 255); ++x)
        pula.push_back(static_cast<uint8_t>(x));
    std::vector<TObLos> wZakresie;
    for (const TObLos& los : losowania_)
        if (los.Data >= filtr_.OdDaty && los.Data <= filtr_.DoDaty)
            wZakresie.push_back(los);

    std::array<int64_t, 256> ileRazy{};
    TUzyteLiczby uzyte;
    postep_.NowaFaza(InterwalSzukaniaMs);
    const bool caly = SzukajNigdyRazem(
        pula, rozmiar, wZakresie, info_.IleLosowanych, TSposobNigdy::Maski, przerwij_,
        [this](double procent) { postep_.ZglosProcent(procent); },
        [&](const uint8_t* zbior) {
            for (int j = 0; j < rozmiar; ++j) {
                ++ileRazy[zbior[j]];
                uzyte.set(zbior[j]);
            }
            pisarz.Dodaj(zbior);
        });

    const TNumeracjaWyniku numeracja = NumeracjaWyniku(uzyte);
    std::array<int32_t, MaxLiczbSystemu> wystapienia{};
    bool dobrze = true;
    if (numeracja.PonadMax) {
        // No system can number the sets: the file keeps no bets.
        dobrze = pisarz.Odrzuc();
    } else {
        for (std::size_t liczba = 0; liczba < ileRazy.size(); ++liczba)
            if (numeracja.Pozycja[liczba] > 0)
                wystapienia[numeracja.Pozycja[liczba] - 1u] = static_cast<int32_t>(ileRazy[liczba]);
        dobrze = pisarz.Przenumeruj(numeracja.Pozycja);
    }
    TWynikGeneracji wynik = ZakonczWynikSzukania(info_, pisarz, numeracja, wystapienia, !caly);
    wynik.BladPliku = wynik.BladPliku || !dobrze;
    return wynik;
}

} // namespace tarvomund
