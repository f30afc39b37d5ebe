#include "model/MiejscaProgramu.h"

#include <cstdlib>
#include <random>
#include <string>
#include <system_error>

// The shared data directory of an installed program as seen from its executable's directory; the
// build passes the one that follows from its install directories.
#ifndef TARVOMUND_WSPOLNY_WZGLEDEM_PROGRAMU
#define TARVOMUND_WSPOLNY_WZGLEDEM_PROGRAMU "../share/tarvomund"
#endif

namespace tarvomund {

namespace fs = std::filesystem;

namespace {

constexpr const char* NazwaPlikuPomocy = "TARVOMUND.HLP";
constexpr const char* NazwaPlikuUstawien = "Quorbane.ini";
constexpr const char* NazwaKataloguProgramu = "Tarvomund";
constexpr int ProbNazwyTymczasowej = 16;

bool Istnieje(const fs::path& sciezka)
{
    std::error_code blad;
    return fs::exists(sciezka, blad);
}

// A fresh, empty directory beside `cel`, for building its content before it is renamed into place.
fs::path NowyKatalogObok(const fs::path& cel)
{
    std::random_device zrodlo;
    for (int proba = 0; proba < ProbNazwyTymczasowej; ++proba) {
        fs::path kandydat = cel;
        kandydat += ".nowe-" + std::to_string(zrodlo());
        std::error_code blad;
        if (fs::create_directory(kandydat, blad))
            return kandydat;
    }
    return {};
}

bool KopiujPrzyklady(const fs::path& zrodlo, const fs::path& cel)
{
    std::error_code blad;
    if (!fs::is_directory(zrodlo, blad))
        return true; // nothing shipped: the user starts with no games
    for (fs::directory_iterator it(zrodlo, blad), koniec; !blad && it != koniec; it.increment(blad)) {
        if (!it->is_regular_file(blad))
            continue;
        if (!fs::copy_file(it->path(), cel / it->path().filename(), blad))
            return false;
    }
    return !blad;
}

} // namespace

fs::path TMiejscaProgramu::PlikUstawien() const
{
    return Zainstalowany ? KatalogUzytkownika / NazwaPlikuUstawien : fs::path();
}

fs::path TMiejscaProgramu::DaneDoOdczytu() const
{
    std::error_code blad;
    if (Zainstalowany && !fs::is_directory(Dane(), blad))
        return PrzykladoweGry();
    return Dane();
}

TMiejscaProgramu UstalMiejsca(const fs::path& katalogProgramu, const fs::path& katalogDanychUzytkownika)
{
    TMiejscaProgramu miejsca;
    const fs::path wspolny = (katalogProgramu / TARVOMUND_WSPOLNY_WZGLEDEM_PROGRAMU).lexically_normal();
    if (!Istnieje(katalogProgramu / NazwaPlikuPomocy) && Istnieje(wspolny / NazwaPlikuPomocy)) {
        miejsca.Zainstalowany = true;
        miejsca.KatalogWspolny = wspolny;
        miejsca.KatalogUzytkownika = katalogDanychUzytkownika;
    } else {
        miejsca.KatalogWspolny = katalogProgramu;
        miejsca.KatalogUzytkownika = katalogProgramu;
    }
    return miejsca;
}

fs::path KatalogDanychUzytkownika()
{
    // A relative XDG_DATA_HOME is invalid and ignored, as the desktop's own libraries do.
    fs::path dane;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && fs::path(xdg).is_absolute())
        dane = xdg;
    else if (const char* dom = std::getenv("HOME"); dom && *dom)
        dane = fs::path(dom) / ".local" / "share";
    else
        dane = fs::path(".local") / "share";
    return dane / NazwaKataloguProgramu;
}

TZasiew ZasiejDane(const TMiejscaProgramu& miejsca)
{
    const fs::path dane = miejsca.Dane();
    std::error_code blad;
    if (fs::is_directory(dane, blad))
        return TZasiew::BylyDane;
    if (Istnieje(dane))
        return TZasiew::Blad; // something else stands where the games belong; it is not ours to remove
    fs::create_directories(miejsca.KatalogUzytkownika, blad);
    const fs::path nowy = NowyKatalogObok(dane);
    if (nowy.empty())
        return TZasiew::Blad;
    if (!KopiujPrzyklady(miejsca.PrzykladoweGry(), nowy)) {
        fs::remove_all(nowy, blad);
        return TZasiew::Blad;
    }
    fs::rename(nowy, dane, blad);
    if (blad) {
        // Another start may have seeded it a moment ago; its copy wins.
        fs::remove_all(nowy, blad);
        return fs::is_directory(dane, blad) ? TZasiew::BylyDane : TZasiew::Blad;
    }
    return TZasiew::Zasiane;
}

} // namespace tarvomund
