#include "systems/ParametryPokrycia.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace tarvomund {

namespace {

constexpr uint64_t Przepelnienie = std::numeric_limits<uint64_t>::max();
constexpr int BitowSlowa = 64;

} // namespace

bool TParametryPokrycia::Poprawne() const
{
    return t >= 1 && t <= m && m <= n && t <= k && k <= n && n <= MaxLiczbSystemu;
}

TRangi::TRangi(int n, int m) : n_(n), m_(m), wiersz_(static_cast<std::size_t>(n) + 1)
{
    const int wierszy = m + 2;
    c_.assign(static_cast<std::size_t>(wierszy) * wiersz_, 0);
    auto komorka = [this](int a, int b) -> uint64_t& {
        return c_[static_cast<std::size_t>(b) * wiersz_ + static_cast<std::size_t>(a)];
    };
    for (int a = 0; a <= n; ++a) {
        komorka(a, 0) = 1;
        for (int b = 1; b < wierszy; ++b) {
            if (a == 0)
                continue;
            const uint64_t lewy = komorka(a - 1, b - 1);
            const uint64_t prawy = komorka(a - 1, b);
            komorka(a, b) = lewy > Przepelnienie - prawy ? Przepelnienie : lewy + prawy;
        }
    }
}

void TRangi::Odrangi(uint64_t ranga, uint8_t* s) const
{
    // The largest point whose term fits, from the top position down.
    int gora = n_ - 1;
    for (int i = m_ - 1; i >= 0; --i) {
        int q = gora;
        while (q > i && C(q, i + 1) > ranga)
            --q;
        s[i] = static_cast<uint8_t>(q);
        ranga -= C(q, i + 1);
        gora = q - 1;
    }
}

int PunktyZakladu(const TZaklad& zaklad, int k, int n, uint8_t* punkty)
{
    std::array<bool, MaxLiczbSystemu + 1> jest{};
    for (int i = 0; i < std::min(k, MaxLiczbSystemu); ++i) {
        const uint8_t p = zaklad[static_cast<std::size_t>(i)];
        if (p >= 1 && p <= n)
            jest[p] = true;
    }
    int ile = 0;
    for (int p = 1; p <= n; ++p)
        if (jest[static_cast<std::size_t>(p)])
            punkty[ile++] = static_cast<uint8_t>(p - 1);
    return ile;
}

bool TSprawdzeniePokrycia::Mozliwe(const TParametryPokrycia& p)
{
    return p.Poprawne() && TRangi(p.n, p.m).Podzbiorow() <= MaxPodzbiorowSprawdzenia;
}

TSprawdzeniePokrycia::TSprawdzeniePokrycia(const TParametryPokrycia& p) : p_(p), rangi_(p.n, p.m)
{
    pokryte_.assign(static_cast<std::size_t>((rangi_.Podzbiorow() + BitowSlowa - 1) / BitowSlowa), 0);
}

void TSprawdzeniePokrycia::Dodaj(const TZaklad& zaklad)
{
    std::array<uint8_t, MaxLiczbSystemu> punkty{};
    const int ile = PunktyZakladu(zaklad, p_.k, p_.n, punkty.data());
    DlaPokrytych(p_, punkty.data(), ile, [&](const uint8_t* s) {
        const uint64_t r = rangi_.Ranga(s);
        pokryte_[r / BitowSlowa] |= uint64_t{1} << (r % BitowSlowa);
    });
}

uint64_t TSprawdzeniePokrycia::Dziur() const
{
    uint64_t pokrytych = 0;
    for (uint64_t slowo : pokryte_)
        pokrytych += static_cast<uint64_t>(std::popcount(slowo));
    return rangi_.Podzbiorow() - pokrytych;
}

void TSprawdzeniePokrycia::DlaDziur(const std::function<void(const TZaklad&)>& f) const
{
    // Lexicographic order of the positions, as a user reads a list.
    std::array<uint8_t, MaxLiczbSystemu> s{};
    for (TKombGen gen(p_.m, p_.n); !gen.Koniec; gen.Nastepna()) {
        for (int i = 0; i < p_.m; ++i)
            s[static_cast<std::size_t>(i)] = static_cast<uint8_t>(gen.Kombinacja[static_cast<std::size_t>(i)] - 1);
        const uint64_t r = rangi_.Ranga(s.data());
        if (!((pokryte_[r / BitowSlowa] >> (r % BitowSlowa)) & 1))
            f(gen.Kombinacja);
    }
}

std::optional<uint64_t> PoliczDziury(const TParametryPokrycia& p, const std::vector<TZaklad>& zaklady)
{
    if (!TSprawdzeniePokrycia::Mozliwe(p))
        return std::nullopt;
    TSprawdzeniePokrycia sprawdzenie(p);
    for (const TZaklad& zaklad : zaklady)
        sprawdzenie.Dodaj(zaklad);
    return sprawdzenie.Dziur();
}

bool PokrycieKompletne(const TParametryPokrycia& p, const std::vector<TZaklad>& zaklady)
{
    const std::optional<uint64_t> dziur = PoliczDziury(p, zaklady);
    return dziur && *dziur == 0;
}

} // namespace tarvomund
