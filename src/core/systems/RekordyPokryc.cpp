#include "systems/RekordyPokryc.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tarvomund {

namespace {

// The shipped table is about 130 kB; anything far larger is not this table.
constexpr std::uintmax_t MaxRozmiarPliku = std::uintmax_t{16} << 20;
constexpr int MaxParametru = 1000;

} // namespace

uint32_t TRekordyPokryc::Klucz(int v, int k, int t)
{
    return (static_cast<uint32_t>(v) << 20) | (static_cast<uint32_t>(k) << 10) | static_cast<uint32_t>(t);
}

TRekordyPokryc TRekordyPokryc::ZTekstu(std::string_view tekst)
{
    TRekordyPokryc rekordy;
    while (!tekst.empty()) {
        const std::size_t koniec = std::min(tekst.find('\n'), tekst.size());
        std::string_view wiersz = tekst.substr(0, koniec);
        tekst.remove_prefix(std::min(koniec + 1, tekst.size()));
        if (!wiersz.empty() && wiersz.back() == '\r')
            wiersz.remove_suffix(1);
        std::array<int64_t, 5> pola{};
        std::size_t ile = 0;
        bool dobry = true;
        bool dalej = true;
        while (dobry && dalej) {
            const std::size_t przecinek = std::min(wiersz.find(','), wiersz.size());
            const std::string_view pole = wiersz.substr(0, przecinek);
            // A field beyond the fifth makes the line wrong as well.
            dobry = ile < pola.size();
            if (dobry) {
                const auto [kon, ec] = std::from_chars(pole.data(), pole.data() + pole.size(), pola[ile]);
                dobry = ec == std::errc() && kon == pole.data() + pole.size() && !pole.empty() && pola[ile] >= 0;
            }
            ++ile;
            dalej = przecinek < wiersz.size();
            if (dalej)
                wiersz.remove_prefix(przecinek + 1);
        }
        if (!dobry || ile != pola.size() || pola[0] > MaxParametru || pola[1] > MaxParametru || pola[2] > MaxParametru ||
            pola[0] < 1 || pola[1] < 1 || pola[2] < 1)
            continue;
        rekordy.wpisy_.push_back({Klucz(static_cast<int>(pola[0]), static_cast<int>(pola[1]), static_cast<int>(pola[2])),
                                  {pola[3], pola[4]}});
    }
    std::stable_sort(rekordy.wpisy_.begin(), rekordy.wpisy_.end(),
                     [](const TWpis& a, const TWpis& b) { return a.Klucz < b.Klucz; });
    // A repeated line: the first one stands.
    rekordy.wpisy_.erase(std::unique(rekordy.wpisy_.begin(), rekordy.wpisy_.end(),
                                     [](const TWpis& a, const TWpis& b) { return a.Klucz == b.Klucz; }),
                         rekordy.wpisy_.end());
    return rekordy;
}

TRekordyPokryc TRekordyPokryc::Wczytaj(const std::string& plik)
{
    std::error_code blad;
    const std::uintmax_t rozmiar = std::filesystem::file_size(plik, blad);
    if (blad || rozmiar > MaxRozmiarPliku)
        return {};
    std::ifstream wejscie(plik, std::ios::binary);
    if (!wejscie)
        return {};
    std::ostringstream tresc;
    tresc << wejscie.rdbuf();
    return ZTekstu(tresc.str());
}

std::optional<TRekordPokrycia> TRekordyPokryc::Znajdz(int v, int k, int t) const
{
    if (v < 1 || k < 1 || t < 1 || v > MaxParametru || k > MaxParametru || t > MaxParametru)
        return std::nullopt;
    const uint32_t klucz = Klucz(v, k, t);
    const auto it = std::lower_bound(wpisy_.begin(), wpisy_.end(), klucz,
                                     [](const TWpis& w, uint32_t kl) { return w.Klucz < kl; });
    if (it == wpisy_.end() || it->Klucz != klucz)
        return std::nullopt;
    return it->Rekord;
}

} // namespace tarvomund
