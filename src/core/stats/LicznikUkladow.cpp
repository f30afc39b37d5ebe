#include "stats/LicznikUkladow.h"

#include <limits>

namespace tarvomund {

namespace {

constexpr int MaxR = 31;

// Pascal's triangle up to 255 over 30, saturated: the ranks stay far below the saturation
// wherever a flat table is chosen.
const std::vector<uint64_t>& TrojkatPascala()
{
    static const std::vector<uint64_t> trojkat = [] {
        std::vector<uint64_t> t(static_cast<std::size_t>(IleWartosciBajtu) * MaxR, 0);
        const auto at = [&t](int n, int r) -> uint64_t& { return t[static_cast<std::size_t>(n) * MaxR + r]; };
        for (int n = 0; n < IleWartosciBajtu; ++n) {
            at(n, 0) = 1;
            for (int r = 1; r < MaxR && r <= n; ++r) {
                const uint64_t a = at(n - 1, r - 1);
                const uint64_t b = r <= n - 1 ? at(n - 1, r) : 0;
                at(n, r) = a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max()
                                                                        : a + b;
            }
        }
        return t;
    }();
    return trojkat;
}

int IleDozwolonych(const TIndeksLiczb& indeks)
{
    int ile = 0;
    for (uint8_t x : indeks)
        ile = std::max(ile, static_cast<int>(x));
    return ile;
}

} // namespace

uint64_t Dwumian(int n, int r)
{
    if (n < 0 || r < 0 || r > n || n >= IleWartosciBajtu || r >= MaxR)
        return 0;
    return TrojkatPascala()[static_cast<std::size_t>(n) * MaxR + static_cast<std::size_t>(r)];
}

uint64_t TLicznikGesty::Rozmiar(int m, const TIndeksLiczb& indeks)
{
    return Dwumian(IleDozwolonych(indeks), m);
}

TLicznikGesty::TLicznikGesty(int m, const TIndeksLiczb& indeks, int grup)
    : m_(m), rozmiar_(static_cast<std::size_t>(Rozmiar(m, indeks))), indeks_(indeks),
      ileMiejsc_(IleDozwolonych(indeks))
{
    for (int y = 0; y < IleWartosciBajtu; ++y)
        if (indeks_[static_cast<std::size_t>(y)] != 0)
            liczba_[indeks_[static_cast<std::size_t>(y)]] = static_cast<uint8_t>(y);
    skladniki_.assign(static_cast<std::size_t>(m) * IleWartosciBajtu, 0);
    for (int i = 0; i < m; ++i)
        for (int x = 1; x < IleWartosciBajtu; ++x)
            skladniki_[static_cast<std::size_t>(i) * IleWartosciBajtu + static_cast<std::size_t>(x)] =
                Dwumian(x - 1, i + 1);
    liczniki_.assign(rozmiar_ * static_cast<std::size_t>(grup), 0);
}

std::string TLicznikGesty::Etykieta(int /*grupa*/, uint64_t klucz) const
{
    // Colex unranking: the largest place first.
    std::array<uint8_t, MaxR> miejsca{};
    uint64_t reszta = klucz;
    int x = ileMiejsc_;
    for (int i = m_ - 1; i >= 0; --i) {
        while (x > 0 && Dwumian(x - 1, i + 1) > reszta)
            --x;
        miejsca[static_cast<std::size_t>(i)] = static_cast<uint8_t>(x);
        reszta -= Dwumian(x - 1, i + 1);
        --x;
    }
    std::string tekst;
    for (int i = 0; i < m_; ++i) {
        if (i > 0)
            tekst += ',';
        tekst += std::to_string(liczba_[miejsca[static_cast<std::size_t>(i)]]);
    }
    return tekst;
}

} // namespace tarvomund
