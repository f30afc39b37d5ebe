#include "pools/TGenSysPl.h"

#include "model/PlikSystemu.h"
#include "pools/Typowania.h"
#include "systems/TListaZakladow.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>

namespace tarvomund {

namespace {

constexpr int InterwalZbieraniaMs = 100;
constexpr int InterwalZapisuMs = 200;

} // namespace

TGenSysPl::TGenSysPl(TInfoGryRec info, std::vector<TTypowanie> typowania, std::string plik,
                     const std::atomic<bool>& przerwij, TPokazPostep postep, TLosowe& losowe)
    : info_(std::move(info)), plik_(std::move(plik)), przerwij_(przerwij),
      postep_(std::move(postep), "%6.2f%%"), losowe_(losowe)
{
    // Only matches the bet has can be typed.
    for (TTypowanie& t : typowania)
        if (t.Mecz >= 1 && t.Mecz <= info_.k && t.IleTypow > 0)
            typowania_.push_back(std::move(t));
}

TWynikGeneracji TGenSysPl::Wykonaj()
{
    TWynikGeneracji wynik;
    wynik.n = info_.n;
    const int32_t metoda = info_.Metoda;
    if (metoda < 0 || metoda >= IleMetodPl || info_.k < 1 || info_.k > MaxLiczbSystemu)
        return wynik;

    // Methods 1 and 2 draw until they hold B distinct bets: there must be that many to draw.
    int64_t kombinacji = 1;
    for (const TTypowanie& t : typowania_)
        kombinacji = std::min<int64_t>(kombinacji * t.IleTypow, INT32_MAX);
    const auto zakladow = static_cast<int32_t>(std::clamp<int64_t>(info_.Zakladow, 0, kombinacji));

    std::error_code blad;
    std::filesystem::remove(plik_, blad);
    TPisarzSystemu pisarz(plik_, info_.k);
    if (!pisarz.Otwarty()) {
        wynik.BladPliku = true;
        return wynik;
    }
    std::array<int32_t, MaxLiczbSystemu> liczniki{};
    const auto zapisz = [&](const TZaklad& zaklad) {
        pisarz.Dodaj(zaklad.data());
        for (int m = 1; m <= info_.k; ++m) {
            const uint8_t kod = zaklad[static_cast<std::size_t>(m - 1)];
            if (kod >= Kod1 && kod <= Kod2 && IndeksLicznikaZnaku(m, kod) < liczniki.size())
                ++liczniki[IndeksLicznikaZnaku(m, kod)];
        }
    };

    if (!typowania_.empty() && zakladow > 0) {
        if (metoda == static_cast<int32_t>(TMetodaPl::Pelna)) {
            Pelna(zakladow, zapisz);
        } else {
            TListaZakladow lista(info_.k);
            if (metoda == static_cast<int32_t>(TMetodaPl::SkroconaRownomierna))
                Rownomierna(zakladow, lista);
            else
                Przypadkowa(zakladow, lista);
            // The bets drawn so far are written whole, also after a stop.
            postep_.NowaFaza(InterwalZapisuMs);
            const auto ile = static_cast<int64_t>(lista.Ile());
            int64_t j = 0;
            lista.DlaKazdegoPosortowanego([&](const TZaklad& zaklad) {
                zapisz(zaklad);
                // From 0 % at the first bet written to 100 % at the last.
                postep_.Zglos(++j, ile);
            });
        }
    }

    TInfoGryRec naglowek = info_;
    naglowek.Wlasne = BlokTypowan(typowania_);
    naglowek.Wystapienia = liczniki;
    wynik.Zakladow = pisarz.Zapisanych();
    wynik.Wystapienia = liczniki;
    wynik.Przerwano = przerwij_;
    if (!pisarz.Zakoncz(naglowek))
        wynik.BladPliku = true;
    return wynik;
}

void TGenSysPl::Pelna(int32_t zakladow, const std::function<void(const TZaklad&)>& zapisz)
{
    TPermut permut(typowania_);
    TZaklad zaklad{};
    postep_.NowaFaza(InterwalZbieraniaMs);
    for (int32_t i = 1; i <= zakladow && !przerwij_; ++i) {
        permut.Pobierz(zaklad);
        zapisz(zaklad);
        postep_.Zglos(i, zakladow);
        if (PoZakladzie)
            PoZakladzie(i);
        permut.Nastepna();
    }
}

void TGenSysPl::ZglosZbieranie(std::size_t zebranych, int32_t zakladow)
{
    // Procent(held − 1, B − 1), held counted from the first bet on so the start shows 0 %.
    postep_.Zglos(std::max<int64_t>(static_cast<int64_t>(zebranych), 1), zakladow);
}

void TGenSysPl::Dodano(TListaZakladow& lista, const TZaklad& zaklad)
{
    if (lista.Dodaj(zaklad) && PoZakladzie)
        PoZakladzie(static_cast<int32_t>(lista.Ile()));
}

void TGenSysPl::Rownomierna(int32_t zakladow, TListaZakladow& lista)
{
    // Each multi-sign match draws its signs in cycles: a sign used in the current cycle waits until
    // all of them were used. The cycles run across bets and are not undone by a duplicate bet.
    std::vector<std::array<bool, IleZnakow>> uzyte(typowania_.size());
    postep_.NowaFaza(InterwalZbieraniaMs);
    while (static_cast<int32_t>(lista.Ile()) < zakladow && !przerwij_) {
        TZaklad zaklad{};
        bool caly = true;
        for (std::size_t t = 0; t < typowania_.size(); ++t) {
            // A bet begun when the stop came is dropped: it would lack the signs of later matches.
            if (przerwij_) {
                caly = false;
                break;
            }
            ZglosZbieranie(lista.Ile(), zakladow);
            const TTypowanie& typowanie = typowania_[t];
            const std::size_t ile = std::min<std::size_t>(typowanie.Typy.size(), IleZnakow);
            std::size_t wybrany = 0;
            if (ile > 1) {
                std::array<std::size_t, IleZnakow> wolne{};
                std::size_t ileWolnych = 0;
                for (std::size_t s = 0; s < ile; ++s)
                    if (!uzyte[t][s])
                        wolne[ileWolnych++] = s;
                if (ileWolnych == 0) {
                    uzyte[t] = {};
                    for (std::size_t s = 0; s < ile; ++s)
                        wolne[ileWolnych++] = s;
                }
                wybrany =
                    wolne[static_cast<std::size_t>(losowe_.Zakres(0, static_cast<int>(ileWolnych) - 1))];
                uzyte[t][wybrany] = true;
            }
            zaklad[typowanie.Mecz - 1u] = KodZnaku(typowanie.Typy[wybrany]);
        }
        if (caly)
            Dodano(lista, zaklad);
    }
}

void TGenSysPl::Przypadkowa(int32_t zakladow, TListaZakladow& lista)
{
    postep_.NowaFaza(InterwalZbieraniaMs);
    while (static_cast<int32_t>(lista.Ile()) < zakladow && !przerwij_) {
        ZglosZbieranie(lista.Ile(), zakladow);
        TZaklad zaklad{};
        for (const TTypowanie& t : typowania_) {
            const int pozycja = t.IleTypow > 1 ? losowe_.Zakres(0, t.IleTypow - 1) : 0;
            zaklad[t.Mecz - 1u] = KodZnaku(t.Typy[static_cast<std::size_t>(pozycja)]);
        }
        Dodano(lista, zaklad);
    }
}

} // namespace tarvomund
