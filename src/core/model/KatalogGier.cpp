#include "model/KatalogGier.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tarvomund {

namespace fs = std::filesystem;

namespace {

// Every entry named like a game file, whatever it is: the reader refuses what is no regular file,
// and the report names it.
bool MaNazwePlikuGry(const fs::directory_entry& wpis)
{
    std::string rozszerzenie = wpis.path().extension().string();
    std::transform(rozszerzenie.begin(), rozszerzenie.end(), rozszerzenie.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return rozszerzenie == RozszerzeniePlikuGry;
}

} // namespace

TKatalogGier TKatalogGier::WczytajGry(const std::string& katalogDane, TRaportKatalogu* raport)
{
    TKatalogGier katalog;
    TRaportKatalogu pusty;
    TRaportKatalogu& r = raport ? *raport : pusty;
    r = {};
    std::vector<fs::path> pliki;
    std::error_code blad;
    for (fs::directory_iterator it(katalogDane, blad), koniec; !blad && it != koniec; it.increment(blad))
        if (MaNazwePlikuGry(*it))
            pliki.push_back(it->path());
    r.KatalogNieczytelny = static_cast<bool>(blad);
    std::sort(pliki.begin(), pliki.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    for (const fs::path& plik : pliki) {
        TBladPlikuGry bladGry = TBladPlikuGry::Brak;
        if (std::optional<TObGraLista> gra = WczytajPlikGry(plik.string(), &bladGry))
            katalog.Dodaj(std::move(*gra));
        else
            r.Pominiete.push_back({plik.string(), bladGry});
    }
    return katalog;
}

void TKatalogGier::Dodaj(TObGraLista gra)
{
    gry_.push_back(std::make_unique<TObGraLista>(std::move(gra)));
}

const TObGraLista* TKatalogGier::GraDlaSystemu(const TInfoGryRec& info) const
{
    for (const auto& gra : gry_)
        if (gra->MinSkreslen == info.MinSkreslen && gra->MaxSkreslen == info.MaxSkreslen &&
            gra->NormSkreslen == info.NormSkreslen && gra->IleLiczb == info.IleLiczb &&
            gra->IleLosowanych == info.IleLosowanych && gra->Pilkarski == info.Pilkarski)
            return gra.get();
    return nullptr;
}

const TObGraLista* TKatalogGier::GraDlaStatystyki(const TOpisGryStatystyki& opis) const
{
    for (const auto& gra : gry_)
        if (gra->Nazwa == opis.Nazwa && gra->IleLiczb == opis.IleLiczb && gra->IleLosowanych == opis.IleLosowanych &&
            gra->IlePoziomo == opis.IlePoziomo && gra->IlePionowo == opis.IlePionowo &&
            gra->Kierunek == opis.Kierunek && gra->Pilkarski == opis.Pilkarski)
            return gra.get();
    return nullptr;
}

std::optional<std::size_t> TKatalogGier::IndeksNazwy(const std::string& nazwa) const
{
    for (std::size_t i = 0; i < gry_.size(); ++i)
        if (gry_[i]->Nazwa == nazwa)
            return i;
    return std::nullopt;
}

} // namespace tarvomund
