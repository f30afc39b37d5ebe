#include "draws/ImportLosowan.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace tarvomund {

TUkladWiersza UkladDlaGry(const TObGraLista& gra, bool numeracja, bool jestData, TKolejnoscDaty kolejnosc)
{
    TUkladWiersza uklad;
    uklad.Szerokosc = SzerokoscPola(jestData, numeracja);
    uklad.Numeracja = numeracja;
    uklad.JestData = jestData;
    uklad.Kolejnosc = kolejnosc;
    uklad.IleLosowanych = gra.IleLosowanych;
    uklad.IleLiczb = gra.IleLiczb;
    return uklad;
}

void SortujLosowania(std::vector<TObLos>& losowania)
{
    std::stable_sort(losowania.begin(), losowania.end(), [](const TObLos& a, const TObLos& b) {
        if (std::isnan(a.Data) || std::isnan(b.Data))
            return !std::isnan(a.Data) && std::isnan(b.Data);
        return a.Data < b.Data;
    });
}

TWynikImportu ImportujLosowania(TObGraLista& gra, const TFormatowanie& formatowanie, const TUkladWiersza& uklad,
                                bool nadpisuj, const TPominietyWiersz& pominiety)
{
    TWynikImportu wynik;
    const auto ile = static_cast<std::size_t>(std::clamp(uklad.IleLosowanych, 0, MaxLiczbWLosowaniu));
    // The first draw of each date, so that replacing stays one look-up a line however long the list.
    std::unordered_map<double, std::size_t> pierwszyZDnia;
    if (nadpisuj)
        for (std::size_t i = 0; i < gra.Losowania.size(); ++i)
            pierwszyZDnia.emplace(gra.Losowania[i].Data, i);
    const std::size_t pierwszy = formatowanie.PierwszyWiersz();
    const std::size_t wierszy = formatowanie.IleSformatowanych();
    for (std::size_t i = 0; i < wierszy; ++i) {
        TObLos los;
        const TWynikWiersza stan = RozbierzWiersz(formatowanie.Sformatowany(i), uklad, los);
        if (stan != TWynikWiersza::Losowanie) {
            ++wynik.Pominiete;
            if (pominiety)
                pominiety(pierwszy + i, stan);
            continue;
        }
        std::sort(los.Liczby.begin(), los.Liczby.begin() + static_cast<std::ptrdiff_t>(ile));
        if (nadpisuj) {
            const auto [miejsce, nowe] = pierwszyZDnia.emplace(los.Data, gra.Losowania.size());
            if (!nowe) {
                gra.Losowania[miejsce->second].Liczby = los.Liczby;
                ++wynik.Zastapione;
                continue;
            }
        }
        gra.Losowania.push_back(los);
        ++wynik.Dopisane;
    }
    SortujLosowania(gra.Losowania);
    return wynik;
}

} // namespace tarvomund
