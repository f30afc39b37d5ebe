#include "model/KatalogGier.h"

#include "model/PlikGry.h"
#include "model/PlikiDanych.h"

#include <algorithm>
#include <filesystem>

namespace tarvomund {

namespace fs = std::filesystem;

TKatalogGier TKatalogGier::WczytajGry(const std::string& katalogDane, TRaportKatalogu* raport)
{
    TKatalogGier katalog;
    TRaportKatalogu pusty;
    TRaportKatalogu& r = raport ? *raport : pusty;
    r = {};
    // Every entry named like a game file, whatever it is: the reader refuses what is no regular file,
    // and the report names it.
    for (const fs::path& plik : WpisyZRozszerzeniem(katalogDane, RozszerzeniePlikuGry, &r.KatalogNieczytelny)) {
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

std::size_t TKatalogGier::Wstaw(TObGraLista gra)
{
    const std::string nazwa = fs::path(gra.Plik).filename().string();
    const auto miejsce = std::upper_bound(gry_.begin(), gry_.end(), nazwa, [](const std::string& n, const auto& g) {
        return n < fs::path(g->Plik).filename().string();
    });
    const auto indeks = static_cast<std::size_t>(miejsce - gry_.begin());
    gry_.insert(miejsce, std::make_unique<TObGraLista>(std::move(gra)));
    return indeks;
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
