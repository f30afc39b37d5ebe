#pragma once

#include "app/TOknoDokumentu.h"

namespace tarvomund {

// What the enabling routine needs to know of the active window.
struct TStanAktywnego {
    TRodzajOkna Rodzaj = TRodzajOkna::Inne;
    TStanFlag Pliki;
    TStanFlag Zadania;
};

// Which commands are usable while a window of the given kind (or none) is active.
TWlaczone WlaczonePolecenia(const TStanAktywnego* aktywne);
// Which strip the main window shows for the kind.
enum class TPasekBoczny { Brak, System, SystemBezLiczb, Statystyka };
TPasekBoczny PasekDlaOkna(TRodzajOkna rodzaj);

} // namespace tarvomund
