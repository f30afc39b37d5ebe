#include "stats/TGenStat.h"

#include "model/Daty.h"
#include "stats/LicznikUkladow.h"
#include "systems/Kombinatoryka.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <limits>
#include <memory>

namespace tarvomund {

namespace {

using R = TRodzajStatystyki;
using TLiczniki = std::array<int32_t, IleWartosciBajtu>;
using TObecne = std::bitset<IleWartosciBajtu>;

constexpr int InterwalPostepuMs = 100;
// Kinds 0, 2 and 3 list the sets counted at least this often.
constexpr uint32_t ProgUkladow = 2;
constexpr int NajdluzszaSeria = 10;
// A flat table of set counters is used up to this many counters (256 MB), and only while it is not
// much larger than the sets a run can meet.
constexpr uint64_t MaxLicznikowGestych = uint64_t{1} << 26;
constexpr uint64_t PrzewagaGestych = 8;

std::string WNawiasach(int liczba)
{
    return "< " + std::to_string(liczba) + " >";
}

std::string Przedzial(int od, int do_)
{
    return std::to_string(od) + ".." + std::to_string(do_);
}

std::string Ciag(int od, int ile)
{
    std::string tekst;
    for (int i = 0; i < ile; ++i) {
        if (i > 0)
            tekst += ',';
        tekst += std::to_string(od + i);
    }
    return tekst;
}

// Entries taken from a counting dictionary: in label order, then (when sorted) by value, largest
// first, with equal values in label order, then cut.
void Uporzadkuj(TSeriaStatystyki& seria, bool sortuj, std::optional<std::size_t> limit)
{
    std::sort(seria.begin(), seria.end(), [](const TWynik& a, const TWynik& b) { return a.Opis < b.Opis; });
    if (!sortuj)
        return;
    std::stable_sort(seria.begin(), seria.end(),
                     [](const TWynik& a, const TWynik& b) { return a.Wartosc > b.Wartosc; });
    if (limit && seria.size() > *limit)
        seria.erase(seria.begin() + static_cast<std::ptrdiff_t>(*limit), seria.end());
}

int64_t Iloczyn(int64_t a, int64_t b)
{
    if (a == 0 || b == 0)
        return 0;
    return a > std::numeric_limits<int64_t>::max() / b ? std::numeric_limits<int64_t>::max() : a * b;
}

} // namespace

int GrupaDaty(double data, int32_t grupowanie)
{
    // A damaged game file may hold any double: outside the calendar a draw counts at its nearer end.
    data = std::isnan(data) ? 0.0 : std::clamp(data, NajwczesniejszaData, NajpozniejszaData);
    switch (static_cast<TGrupowanie>(grupowanie)) {
    case TGrupowanie::DzienTygodnia:
        // DzienTygodnia counts from Monday; the groups run from Sunday.
        return (DzienTygodnia(data) + 1) % DnowTygodnia;
    case TGrupowanie::DzienMiesiaca:
        return DataZDni(data).Dzien - 1;
    case TGrupowanie::Miesiac:
        return DataZDni(data).Miesiac - 1;
    default:
        return 0;
    }
}

const char* TGenStat::FormatPostepu(const TParametryStatystyki& p)
{
    switch (p.RodzajS()) {
    case R::Liczby:
    case R::Parzyste:
    case R::Nieparzyste:
        return p.Wybor1 <= 0 ? "%6.2f%%" : "%8.4f%%";
    case R::KolejneLiczby:
        return "%6.2f%%";
    default:
        return "%8.4f%%";
    }
}

TGenStat::TGenStat(const TParametryStatystyki& parametry, const TObGraLista& gra,
                   const TUstawieniaStatystyki& ustawienia, const std::atomic<bool>& przerwij,
                   TPokazPostep postep)
    : p_(parametry), gra_(gra), ustawienia_(ustawienia), przerwij_(przerwij),
      raport_(std::move(postep), FormatPostepu(parametry))
{
    n_ = std::clamp(gra.IleLiczb, 0, IleWartosciBajtu - 1);
    // Choices index lists of at most one place per number; anything beyond cannot mean a number.
    p_.Wybor1 = std::clamp(p_.Wybor1, 0, MaxWyboru);
    p_.Wybor2 = std::clamp(p_.Wybor2, 0, MaxWyboru);
    k_ = std::clamp(gra.IleLosowanych, 0, MaxLiczbWLosowaniu);
}

void TGenStat::Faza(int64_t wszystkich)
{
    raport_.NowaFaza(InterwalPostepuMs);
    krok_ = 0;
    wszystkich_ = wszystkich;
}

std::optional<std::size_t> TGenStat::Limit() const
{
    if (ustawienia_.WszystkieWyniki)
        return std::nullopt;
    return static_cast<std::size_t>(std::max(0, ustawienia_.MaksWynikow));
}

bool TGenStat::Dozwolona(int liczba) const
{
    if (liczba < 1 || liczba > n_)
        return false;
    switch (p_.RodzajS()) {
    case R::Parzyste:
        return liczba % 2 == 0;
    case R::Nieparzyste:
        return liczba % 2 == 1;
    default:
        return true;
    }
}

TWynikiStatystyki TGenStat::Wykonaj()
{
    for (TSeriaStatystyki& seria : wyniki_)
        seria.clear();
    const bool grupowana = CzyGrupowana(p_.Rodzaj);
    grup_ = grupowana ? IleGrup(p_.Grupowanie) : 1;
    losy_.clear();
    grupyLosow_.clear();
    for (const TObLos& los : gra_.Losowania) {
        if (los.Data < p_.OdDaty || los.Data > p_.DoDaty)
            continue;
        losy_.push_back(&los);
        grupyLosow_.push_back(static_cast<uint8_t>(grupowana ? GrupaDaty(los.Data, p_.Grupowanie) : 0));
    }

    switch (p_.RodzajS()) {
    case R::Liczby:
    case R::Parzyste:
    case R::Nieparzyste:
        if (p_.Wybor1 <= 0)
            Liczby(1);
        else
            Uklady(p_.Wybor1 + 1);
        break;
    case R::KolejneLiczby:
        KolejneLiczby();
        break;
    case R::Sumy:
        Sumy();
        break;
    case R::KazdaZKazda:
        KazdaZKazda();
        break;
    case R::ZadanaZKazda:
    case R::ZadanaParzysta:
    case R::ZadanaNieparzysta:
        ZadanaZInnymi();
        break;
    case R::ParzysteZNieparzystymi:
        ParzystosciWszystkie(true);
        break;
    case R::NieparzysteZParzystymi:
        ParzystosciWszystkie(false);
        break;
    case R::PrzedzialyWszystkie:
        PrzedzialyWszystkie();
        break;
    case R::PrzedzialJeden:
        PrzedzialJeden();
        break;
    case R::WPrzedziale:
        WPrzedziale();
        break;
    case R::Serie:
        Serie();
        break;
    case R::Odstepy:
        Odstepy();
        break;
    case R::Blankiet:
        Blankiet();
        break;
    }
    return std::move(wyniki_);
}

void TGenStat::Liczby(int /*m*/)
{
    std::vector<TLiczniki> liczniki(static_cast<std::size_t>(grup_), TLiczniki{});
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
        TLiczniki& licz = liczniki[grupyLosow_[d]];
        for (int i = 0; i < k_; ++i)
            ++licz[losy_[d]->Liczby[static_cast<std::size_t>(i)]];
    }
    for (int g = 0; g < grup_; ++g)
        for (int a = 1; a <= n_; ++a)
            if (Dozwolona(a))
                wyniki_[static_cast<std::size_t>(g)].emplace_back(
                    liczniki[static_cast<std::size_t>(g)][static_cast<std::size_t>(a)], std::to_string(a));
}

template <class L> void TGenStat::PoliczUklady(L& licznik, int m)
{
    const int64_t ukladow = Zaokraglij(Kombinacje(k_, m));
    Faza(Iloczyn(ukladow, static_cast<int64_t>(losy_.size())));
    std::array<uint8_t, MaxLiczbWLosowaniu> pozycje{};
    // Position sets in lexicographic order; every draw in range yields its numbers at those positions.
    for (TKombGen gen(m, k_); !gen.Koniec; gen.Nastepna()) {
        for (int i = 0; i < m; ++i)
            pozycje[static_cast<std::size_t>(i)] =
                static_cast<uint8_t>(gen.Kombinacja[static_cast<std::size_t>(i)] - 1);
        for (std::size_t d = 0; d < losy_.size(); ++d) {
            if (!Krok())
                return;
            licznik.Dodaj(grupyLosow_[d], losy_[d]->Liczby.data(), pozycje.data());
        }
    }
}

void TGenStat::Uklady(int m)
{
    if (m > k_)
        return;
    TIndeksLiczb indeks{};
    int miejsce = 0;
    for (int y = 1; y <= n_; ++y)
        if (Dozwolona(y))
            indeks[static_cast<std::size_t>(y)] = static_cast<uint8_t>(++miejsce);

    // Ascending draws make every set a combination of the allowed numbers, which ranks into a flat table.
    const bool rosnace = std::all_of(losy_.begin(), losy_.end(), [this](const TObLos* los) {
        for (int i = 1; i < k_; ++i)
            if (los->Liczby[static_cast<std::size_t>(i - 1)] >= los->Liczby[static_cast<std::size_t>(i)])
                return false;
        return true;
    });
    const uint64_t gestych = TLicznikGesty::Rozmiar(m, indeks) * static_cast<uint64_t>(grup_);
    const uint64_t krokow =
        static_cast<uint64_t>(Iloczyn(Zaokraglij(Kombinacje(k_, m)), static_cast<int64_t>(losy_.size())));
    const bool gesty = rosnace && gestych <= MaxLicznikowGestych && gestych <= PrzewagaGestych * krokow;

    const auto serie = [&](const auto& licznik) {
        for (int g = 0; g < grup_; ++g)
            wyniki_[static_cast<std::size_t>(g)] = SeriaZLicznika(licznik, g, ProgUkladow, true, Limit());
    };
    const auto policz = [&](auto licznik) {
        PoliczUklady(*licznik, m);
        serie(*licznik);
    };
    if (gesty)
        policz(std::make_unique<TLicznikGesty>(m, indeks, grup_));
    else if (m <= 8)
        policz(std::make_unique<TLicznikHaszowy<1>>(m, indeks, grup_));
    else if (m <= 16)
        policz(std::make_unique<TLicznikHaszowy<2>>(m, indeks, grup_));
    else if (m <= 24)
        policz(std::make_unique<TLicznikHaszowy<3>>(m, indeks, grup_));
    else
        policz(std::make_unique<TLicznikHaszowy<4>>(m, indeks, grup_));
}

void TGenStat::KolejneLiczby()
{
    const int c = p_.Wybor1 + 2;
    const int startow = n_ - c + 1;
    if (c < 2 || startow < 1)
        return;
    std::vector<TObecne> obecne(losy_.size());
    for (std::size_t d = 0; d < losy_.size(); ++d)
        for (int i = 0; i < k_; ++i)
            obecne[d].set(losy_[d]->Liczby[static_cast<std::size_t>(i)]);
    std::vector<std::vector<int32_t>> liczniki(
        static_cast<std::size_t>(grup_), std::vector<int32_t>(static_cast<std::size_t>(startow) + 1, 0));
    const auto policz = [&] {
        for (int f = 1; f <= startow; ++f) {
            TObecne ciag;
            for (int i = 0; i < c; ++i)
                ciag.set(static_cast<std::size_t>(f + i));
            for (std::size_t d = 0; d < losy_.size(); ++d) {
                if (!Krok())
                    return;
                if ((obecne[d] & ciag) == ciag)
                    ++liczniki[grupyLosow_[d]][static_cast<std::size_t>(f)];
            }
        }
    };
    Faza(Iloczyn(startow, static_cast<int64_t>(losy_.size())));
    policz();
    for (int g = 0; g < grup_; ++g)
        for (int f = 1; f <= startow; ++f)
            wyniki_[static_cast<std::size_t>(g)].emplace_back(
                liczniki[static_cast<std::size_t>(g)][static_cast<std::size_t>(f)], Ciag(f, c));
}

void TGenStat::Sumy()
{
    const std::size_t najwieksza = static_cast<std::size_t>(k_) * (IleWartosciBajtu - 1);
    std::vector<std::vector<int32_t>> liczniki(static_cast<std::size_t>(grup_),
                                               std::vector<int32_t>(najwieksza + 1, 0));
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
        std::size_t suma = 0;
        for (int i = 0; i < k_; ++i)
            suma += losy_[d]->Liczby[static_cast<std::size_t>(i)];
        ++liczniki[grupyLosow_[d]][suma];
    }
    for (int g = 0; g < grup_; ++g) {
        TSeriaStatystyki& seria = wyniki_[static_cast<std::size_t>(g)];
        for (std::size_t s = 0; s <= najwieksza; ++s)
            if (liczniki[static_cast<std::size_t>(g)][s] >= static_cast<int32_t>(ProgUkladow))
                seria.emplace_back(liczniki[static_cast<std::size_t>(g)][s], WNawiasach(static_cast<int>(s)));
        Uporzadkuj(seria, true, Limit());
    }
}

void TGenStat::KazdaZKazda()
{
    std::vector<TLiczniki> macierz(IleWartosciBajtu, TLiczniki{});
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
        const auto& liczby = losy_[d]->Liczby;
        for (int i = 0; i < k_; ++i)
            for (int j = 0; j < k_; ++j)
                ++macierz[liczby[static_cast<std::size_t>(i)]][liczby[static_cast<std::size_t>(j)]];
    }
    const int serii = std::min(n_, MaxSeriiStatystyki);
    for (int a = 1; a <= serii; ++a)
        for (int b = 1; b <= n_; ++b)
            if (b != a)
                wyniki_[static_cast<std::size_t>(a - 1)].emplace_back(
                    macierz[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)], std::to_string(b));
}

void TGenStat::ZadanaZInnymi()
{
    int x = p_.Wybor1 + 1;
    // Which partners count: every number, or the odd ones beside an even X, or the even ones beside an odd X.
    int parzystosc = -1;
    if (p_.RodzajS() == R::ZadanaParzysta) {
        x = 2 * p_.Wybor1 + 2;
        parzystosc = 1;
    } else if (p_.RodzajS() == R::ZadanaNieparzysta) {
        x = 2 * p_.Wybor1 + 1;
        parzystosc = 0;
    }
    std::vector<TLiczniki> liczniki(static_cast<std::size_t>(grup_), TLiczniki{});
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
        const auto& liczby = losy_[d]->Liczby;
        const auto koniec = liczby.begin() + k_;
        if (x < 1 || x > n_ || std::find(liczby.begin(), koniec, x) == koniec)
            continue;
        for (auto y = liczby.begin(); y != koniec; ++y)
            if (parzystosc < 0 || *y % 2 == parzystosc)
                ++liczniki[grupyLosow_[d]][*y];
    }
    for (int g = 0; g < grup_; ++g) {
        TSeriaStatystyki& seria = wyniki_[static_cast<std::size_t>(g)];
        for (int y = 1; y <= n_; ++y) {
            const int32_t ile = liczniki[static_cast<std::size_t>(g)][static_cast<std::size_t>(y)];
            if (ile > 0 && y != x)
                seria.emplace_back(ile, std::to_string(y));
        }
        Uporzadkuj(seria, true, Limit());
    }
}

void TGenStat::ParzystosciWszystkie(bool parzysteZNieparzystymi)
{
    // The row number's parity and the column number's parity that count.
    const int wiersz = parzysteZNieparzystymi ? 0 : 1;
    const int kolumna = 1 - wiersz;
    std::vector<TLiczniki> macierz(IleWartosciBajtu, TLiczniki{});
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
        const auto& liczby = losy_[d]->Liczby;
        for (int i = 0; i < k_; ++i) {
            const uint8_t a = liczby[static_cast<std::size_t>(i)];
            if (a % 2 != wiersz)
                continue;
            for (int j = 0; j < k_; ++j) {
                const uint8_t b = liczby[static_cast<std::size_t>(j)];
                if (b % 2 == kolumna)
                    ++macierz[a][b];
            }
        }
    }
    int s = 0;
    for (int a = wiersz == 0 ? 2 : 1; a <= n_ && s < MaxSeriiStatystyki; a += 2, ++s)
        for (int b = kolumna == 0 ? 2 : 1; b <= n_; b += 2)
            wyniki_[static_cast<std::size_t>(s)].emplace_back(
                macierz[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)], std::to_string(b));
}

void TGenStat::PrzedzialyWszystkie()
{
    // Every interval's total is the sum of its numbers' counts, so the draws are walked once.
    TLiczniki liczniki{};
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d)
        for (int i = 0; i < k_; ++i)
            ++liczniki[losy_[d]->Liczby[static_cast<std::size_t>(i)]];
    const int serii = std::min(n_, MaxSeriiStatystyki);
    for (int w = 1; w <= serii; ++w) {
        for (int a = 1; a <= n_; a += w) {
            const int b = std::min(n_, a + w - 1);
            int32_t suma = 0;
            for (int y = a; y <= b; ++y)
                suma += liczniki[static_cast<std::size_t>(y)];
            wyniki_[static_cast<std::size_t>(w - 1)].emplace_back(suma, Przedzial(a, b));
        }
    }
}

void TGenStat::PrzedzialJeden()
{
    const int w = std::max(1, p_.Wybor1 + 1);
    const int przedzialow = n_ == 0 ? 0 : (n_ + w - 1) / w;
    std::vector<std::vector<int32_t>> sumy(static_cast<std::size_t>(grup_),
                                           std::vector<int32_t>(static_cast<std::size_t>(przedzialow), 0));
    // A group's dictionary holds every interval once a draw of the group has been counted.
    std::vector<bool> wpisane(static_cast<std::size_t>(grup_), false);
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
        wpisane[grupyLosow_[d]] = true;
        for (int i = 0; i < k_; ++i) {
            const int y = losy_[d]->Liczby[static_cast<std::size_t>(i)];
            if (y >= 1 && y <= n_)
                ++sumy[grupyLosow_[d]][static_cast<std::size_t>((y - 1) / w)];
        }
    }
    for (int g = 0; g < grup_; ++g) {
        if (!wpisane[static_cast<std::size_t>(g)])
            continue;
        TSeriaStatystyki& seria = wyniki_[static_cast<std::size_t>(g)];
        for (int i = 0; i < przedzialow; ++i)
            seria.emplace_back(sumy[static_cast<std::size_t>(g)][static_cast<std::size_t>(i)],
                               Przedzial(i * w + 1, std::min(n_, (i + 1) * w)));
        Uporzadkuj(seria, true, Limit());
    }
}

void TGenStat::WPrzedziale()
{
    const int od = p_.Wybor1 + 1;
    const int do_ = p_.Wybor2 + 1;
    std::vector<TLiczniki> liczniki(static_cast<std::size_t>(grup_), TLiczniki{});
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d)
        for (int i = 0; i < k_; ++i)
            ++liczniki[grupyLosow_[d]][losy_[d]->Liczby[static_cast<std::size_t>(i)]];
    for (int g = 0; g < grup_; ++g) {
        TSeriaStatystyki& seria = wyniki_[static_cast<std::size_t>(g)];
        for (int y = std::max(1, od); y <= std::min(do_, n_); ++y) {
            const int32_t ile = liczniki[static_cast<std::size_t>(g)][static_cast<std::size_t>(y)];
            if (ile > 0)
                seria.emplace_back(ile, std::to_string(y));
        }
        Uporzadkuj(seria, true, Limit());
    }
}

void TGenStat::Serie()
{
    for (int dlugosc = 1; dlugosc <= NajdluzszaSeria; ++dlugosc) {
        TLiczniki biegnace{};
        TLiczniki ukonczone{};
        Faza(static_cast<int64_t>(losy_.size()));
        for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
            TObecne wLosowaniu;
            for (int i = 0; i < k_; ++i) {
                const uint8_t y = losy_[d]->Liczby[static_cast<std::size_t>(i)];
                wLosowaniu.set(y);
                if (++biegnace[y] == dlugosc) {
                    ++ukonczone[y];
                    biegnace[y] = 0;
                }
            }
            for (std::size_t y = 0; y < biegnace.size(); ++y)
                if (!wLosowaniu.test(y))
                    biegnace[y] = 0;
        }
        for (int a = 1; a <= n_; ++a)
            wyniki_[static_cast<std::size_t>(dlugosc - 1)].emplace_back(
                ukonczone[static_cast<std::size_t>(a)], std::to_string(a));
    }
}

void TGenStat::Odstepy()
{
    // The whole list is walked: a draw outside the range moves on by one, a counted draw by the spacing.
    const std::size_t odstep = static_cast<std::size_t>(std::max(1, p_.Odstep));
    const std::vector<TObLos>& wszystkie = gra_.Losowania;
    TLiczniki liczniki{};
    Faza(static_cast<int64_t>(wszystkie.size()));
    for (std::size_t poz = 0; poz < wszystkie.size() && Krok();) {
        const TObLos& los = wszystkie[poz];
        if (los.Data < p_.OdDaty || los.Data > p_.DoDaty) {
            ++poz;
            continue;
        }
        for (int i = 0; i < k_; ++i)
            ++liczniki[los.Liczby[static_cast<std::size_t>(i)]];
        poz += odstep;
    }
    for (int a = 1; a <= n_; ++a)
        wyniki_[0].emplace_back(liczniki[static_cast<std::size_t>(a)], std::to_string(a));
}

void TGenStat::Blankiet()
{
    const int kolumn = p_.IleKolumn;
    const int serii = IleSerii(p_, n_);
    if (kolumn < 1 || serii < 1)
        return;
    const int rzedy = p_.IleRzedow;
    const int gorne = p_.RzedyGorne;
    const int lewe = p_.KolumnyLewe;
    // The part of the slip each number lies in; -1 beyond the statistic's series.
    std::array<int, IleWartosciBajtu> czesc{};
    czesc.fill(-1);
    for (int a = 1; a <= n_; ++a) {
        const int kolumna = (a - 1) % kolumn + 1;
        const int rzad = (a - 1) / kolumn + 1;
        int g = 0;
        switch (static_cast<TPodzialBlankietu>(p_.PodzialBlankietu)) {
        case TPodzialBlankietu::Kolumny:
            g = kolumna - 1;
            break;
        case TPodzialBlankietu::Rzedy:
            g = rzad - 1;
            break;
        case TPodzialBlankietu::PolowkiPionowo:
            g = rzad <= rzedy && kolumna <= lewe ? 0 : 1;
            break;
        case TPodzialBlankietu::PolowkiPoziomo:
            g = a <= kolumn * gorne ? 0 : 1;
            break;
        case TPodzialBlankietu::Cwiartki:
            if (rzad <= gorne)
                g = kolumna <= lewe ? 0 : 1;
            else
                g = rzad <= rzedy + 1 && kolumna <= lewe ? 2 : 3;
            break;
        }
        if (g < serii)
            czesc[static_cast<std::size_t>(a)] = g;
    }
    std::vector<TLiczniki> liczniki(static_cast<std::size_t>(serii), TLiczniki{});
    Faza(static_cast<int64_t>(losy_.size()));
    for (std::size_t d = 0; d < losy_.size() && Krok(); ++d) {
        for (int i = 0; i < k_; ++i) {
            const uint8_t y = losy_[d]->Liczby[static_cast<std::size_t>(i)];
            if (czesc[y] >= 0)
                ++liczniki[static_cast<std::size_t>(czesc[y])][y];
        }
    }
    // Keys of the numbers order numerically, so the entries stand in number order.
    for (int g = 0; g < serii; ++g)
        for (int a = 1; a <= n_; ++a)
            if (liczniki[static_cast<std::size_t>(g)][static_cast<std::size_t>(a)] > 0)
                wyniki_[static_cast<std::size_t>(g)].emplace_back(
                    liczniki[static_cast<std::size_t>(g)][static_cast<std::size_t>(a)], std::to_string(a));
}

} // namespace tarvomund
