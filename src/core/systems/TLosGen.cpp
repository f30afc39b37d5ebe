#include "systems/TLosGen.h"

#include <algorithm>
#include <cstring>

namespace tarvomund {

TZaklad LosujZaklad(int k, int n, TLosowe& losowe)
{
    std::array<uint8_t, MaxLiczbSystemu> pula{};
    for (int i = 0; i < n; ++i)
        pula[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + 1);
    const int zamian = losowe.Zakres(0, 99);
    if (n >= 2) {
        for (int t = 0; t < zamian; ++t) {
            const int i = losowe.Zakres(0, n - 1);
            int j = losowe.Zakres(0, n - 1);
            while (j == i)
                j = losowe.Zakres(0, n - 1);
            std::swap(pula[static_cast<std::size_t>(i)], pula[static_cast<std::size_t>(j)]);
        }
    }
    TZaklad wynik{};
    int pozostalo = n;
    for (int w = 0; w < k; ++w) {
        const int obrotow = losowe.Zakres(0, n - 1) + 1;
        // Rotating the first `pozostalo` values left r + 1 times is one rotation by (r + 1) mod pozostalo,
        // done as three block copies.
        const auto o = static_cast<std::size_t>(obrotow % pozostalo);
        if (o != 0) {
            std::array<uint8_t, MaxLiczbSystemu> czolo;
            const auto ile = static_cast<std::size_t>(pozostalo);
            std::memcpy(czolo.data(), pula.data(), o);
            std::memmove(pula.data(), pula.data() + o, ile - o);
            std::memcpy(pula.data() + ile - o, czolo.data(), o);
        }
        const int q = losowe.Zakres(0, pozostalo - 1);
        wynik[static_cast<std::size_t>(w)] = pula[static_cast<std::size_t>(q)];
        pula[static_cast<std::size_t>(q)] = pula[static_cast<std::size_t>(pozostalo - 1)];
        --pozostalo;
    }
    std::sort(wynik.begin(), wynik.begin() + k);
    return wynik;
}

TLosGen::TLosGen(int k, int ilePewnych, const TTablicaLiczb& pewne, int zakladow, int n, TLosowe& losowe)
    : Lista(k), k_(k), n_(n), ilePewnych_(ilePewnych), pewne_(pewne), losowe_(losowe)
{
    const int64_t miejsc = static_cast<int64_t>(zakladow) * k;
    const auto q = static_cast<int32_t>(miejsc / n);
    const auto r = static_cast<int32_t>(miejsc % n);
    for (int i = 0; i < n; ++i)
        limit_[static_cast<std::size_t>(i)] = q + (i < r ? 1 : 0);
    if (ilePewnych > 0)
        for (int i = 0; i < n; ++i)
            if (pewne_[static_cast<std::size_t>(i)] != 0)
                limit_[static_cast<std::size_t>(i)] = zakladow;
}

TZaklad TLosGen::Losuj()
{
    return Wylosuj(false);
}

TZaklad TLosGen::LosujZPewnymi()
{
    return Wylosuj(true);
}

TZaklad TLosGen::Wylosuj(bool zPewnymi)
{
    const int32_t maks = std::max<int32_t>(0, *std::max_element(limit_.begin(), limit_.begin() + n_));
    int32_t luz = 0;
    while (true) {
        if (przerwij_ && przerwij_->load(std::memory_order_relaxed)) {
            przerwany_ = true;
            return {};
        }
        TZaklad zaklad{};
        std::array<bool, MaxLiczbSystemu + 1> uzyta{};
        int wybrano = 0;
        if (zPewnymi)
            for (int p = 1; p <= n_ && wybrano < k_; ++p)
                if (pewne_[static_cast<std::size_t>(p - 1)] != 0) {
                    zaklad[static_cast<std::size_t>(wybrano++)] = static_cast<uint8_t>(p);
                    uzyta[static_cast<std::size_t>(p)] = true;
                }
        int prob = 0;
        while (wybrano < k_) {
            const int p = losowe_.Zakres(1, n_);
            if (uzyta[static_cast<std::size_t>(p)])
                continue;
            if (limit_[static_cast<std::size_t>(p - 1)] < maks - luz) {
                // After 3n refusals every further refusal widens the acceptance by 2.
                if (++prob > 3 * n_)
                    luz += 2;
                continue;
            }
            zaklad[static_cast<std::size_t>(wybrano++)] = static_cast<uint8_t>(p);
            uzyta[static_cast<std::size_t>(p)] = true;
        }
        SortujZaklad(zaklad, k_);
        if (Lista.Dodaj(zaklad)) {
            for (int i = 0; i < k_; ++i)
                --limit_[static_cast<std::size_t>(zaklad[static_cast<std::size_t>(i)] - 1)];
            return zaklad;
        }
    }
}

TTypowanie::TTypowanie(std::string typy, uint8_t mecz)
    : Typy(typy.substr(0, 3)), Mecz(mecz), IleTypow(static_cast<uint8_t>(Typy.size()))
{
}

TPermut::TPermut(std::vector<TTypowanie> lista) : lista_(std::move(lista))
{
    for (const TTypowanie& t : lista_) {
        if (t.IleTypow == 2)
            ++IlePodwojnych;
        else if (t.IleTypow == 3)
            ++IlePotrojnych;
    }
    for (int i = 0; i < IlePodwojnych; ++i)
        IleZakladow *= 2;
    for (int i = 0; i < IlePotrojnych; ++i)
        IleZakladow *= 3;
}

void TPermut::Pobierz(TZaklad& zaklad) const
{
    for (const TTypowanie& t : lista_) {
        if (t.Mecz < 1 || t.Mecz > zaklad.size() || t.Pozycja < 1 || t.Pozycja > t.Typy.size())
            continue;
        const char znak = t.Typy[static_cast<std::size_t>(t.Pozycja - 1)];
        zaklad[static_cast<std::size_t>(t.Mecz - 1)] = znak == '1' ? 1 : (znak == '2' ? 3 : 2);
    }
}

bool TPermut::Nastepna()
{
    for (auto it = lista_.rbegin(); it != lista_.rend(); ++it) {
        if (it->Pozycja < it->IleTypow) {
            ++it->Pozycja;
            return true;
        }
        it->Pozycja = 1;
    }
    Koniec = true;
    return false;
}

} // namespace tarvomund
