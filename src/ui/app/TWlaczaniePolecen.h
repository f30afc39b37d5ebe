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
// False for a command whose window does not exist yet, so that it stays disabled (with a window of
// the kind active; TRodzajOkna::Inne when none is). The list lives in TWlaczaniePolecen.cpp.
bool PolecenieMaOkno(TPolecenie polecenie, TRodzajOkna rodzaj);
// Which strip the main window shows for the kind.
enum class TPasekBoczny { Brak, System, SystemBezLiczb, Statystyka };
TPasekBoczny PasekDlaOkna(TRodzajOkna rodzaj);

} // namespace tarvomund
