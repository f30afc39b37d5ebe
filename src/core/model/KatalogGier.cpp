#include "model/KatalogGier.h"

#include "model/PlikGry.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tarvomund {

namespace fs = std::filesystem;

namespace {

bool JestPlikiemGry(const fs::directory_entry& wpis)
{
    std::error_code blad;
    if (!wpis.is_regular_file(blad))
        return false;
    std::string rozszerzenie = wpis.path().extension().string();
    std::transform(rozszerzenie.begin(), rozszerzenie.end(), rozszerzenie.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return rozszerzenie == RozszerzeniePlikuGry;
}

} // namespace

TKatalogGier TKatalogGier::WczytajGry(const std::string& katalogDane)
{
    TKatalogGier katalog;
    std::vector<fs::path> pliki;
    std::error_code blad;
    for (fs::directory_iterator it(katalogDane, blad), koniec; !blad && it != koniec; it.increment(blad))
        if (JestPlikiemGry(*it))
            pliki.push_back(it->path());
    std::sort(pliki.begin(), pliki.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    for (const fs::path& plik : pliki)
        if (std::optional<TObGraLista> gra = WczytajPlikGry(plik.string()))
            katalog.Dodaj(std::move(*gra));
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
