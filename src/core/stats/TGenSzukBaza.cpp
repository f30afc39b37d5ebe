#include "stats/TGenSzukBaza.h"

#include "model/Daty.h"
#include "model/PlikSystemu.h"
#include "stats/Kryteria.h"
#include "stats/MaskaLiczb.h"
#include "stats/WynikSzukania.h"

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int InterwalSzukaniaMs = 100;
constexpr const char* FormatPostepu = "%6.2f%%";

} // namespace

TGenSzukBaza::TGenSzukBaza(TInfoGryRec info, TFiltrSzukBaza filtr, const std::vector<TObLos>& losowania,
                           const std::atomic<bool>& przerwij, TPokazPostep postep)
    : info_(std::move(info)), filtr_(std::move(filtr)), losowania_(losowania), przerwij_(przerwij),
      postep_(std::move(postep), FormatPostepu)
{
}

TWynikGeneracji TGenSzukBaza::Wykonaj()
{
    const int k = std::clamp(info_.IleLosowanych, 1, MaxLiczbWLosowaniu);
    info_.k = k;
    TPisarzSystemu pisarz(filtr_.PlikWyniku, k);
    if (!pisarz.Otwarty()) {
        TWynikGeneracji wynik;
        wynik.BladPliku = true;
        wynik.BezZmian = true;
        return wynik;
    }
    const int kryterium = WybraneKryterium(filtr_.Kryteria.data(), IleKryteriowBazy);
    const TTestKryterium test(kryterium, filtr_, filtr_.SumaOd, filtr_.SumaDo, info_.IleLiczb);
    // Repetitions compare with every later draw of the list, whatever its date.
    std::vector<TMaskaLiczb> maski;
    if (kryterium == static_cast<int>(TKryteriumBazy::Powtorzone))
        maski = MaskiLosowan(losowania_, -1e300, 1e300, k);
    const int progPowtorzen = filtr_.IlePowtorzonych + 1;

    TZbioryWyniku znalezione(k);
    postep_.NowaFaza(InterwalSzukaniaMs);
    const auto wszystkich = static_cast<int64_t>(losowania_.size());
    for (std::size_t i = 0; i < losowania_.size(); ++i) {
        postep_.Zglos(static_cast<int64_t>(i) + 1, wszystkich);
        const TObLos& los = losowania_[i];
        if (los.Data < filtr_.OdDaty || los.Data > filtr_.DoDaty)
            continue;
        TZaklad liczby{};
        std::copy_n(los.Liczby.begin(), k, liczby.begin());
        SortujZaklad(liczby, k);
        bool pasuje = false;
        switch (kryterium) {
        case static_cast<int>(TKryteriumBazy::Powtorzone):
            pasuje = std::any_of(maski.begin() + static_cast<std::ptrdiff_t>(i) + 1, maski.end(),
                                 [&](const TMaskaLiczb& pozniej) { return WspolneLiczby(maski[i], pozniej) >= progPowtorzen; });
            break;
        case static_cast<int>(TKryteriumBazy::DzienTygodnia):
            pasuje = DzienTygodniaOdNiedzieli(los.Data) == filtr_.DzienTygodnia;
            break;
        case static_cast<int>(TKryteriumBazy::DzienMiesiaca):
            pasuje = DataZDni(los.Data).Dzien == filtr_.DzienMiesiaca + 1;
            break;
        case static_cast<int>(TKryteriumBazy::Miesiac):
            pasuje = DataZDni(los.Data).Miesiac == filtr_.Miesiac + 1;
            break;
        default:
            pasuje = !przerwij_.load(std::memory_order_relaxed) && test.Pasuje(liczby.data(), k);
            break;
        }
        if (pasuje)
            znalezione.Dodaj(liczby);
    }
    return znalezione.Zapisz(info_, pisarz, przerwij_, postep_);
}

} // namespace tarvomund
