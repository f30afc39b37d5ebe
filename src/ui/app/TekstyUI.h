#pragma once

#include <QString>

namespace tarvomund {

// The table of interface texts. Every caption, hint, label and message a window sets at run time
// comes from here by name; runs of entries (menu captions, toolbar hints, filter names, the
// statistics menu) are read by offset from their first entry.
enum class TTekst : int {
#define TEKST_UI(nazwa, tekst, skrot) nazwa,
#include "app/TekstyUI_tabela.inc"
#undef TEKST_UI
};

inline constexpr int IleTekstowUI = 0
#define TEKST_UI(nazwa, tekst, skrot) +1
#include "app/TekstyUI_tabela.inc"
#undef TEKST_UI
    ;

QString Tekst(TTekst tekst);
// The short form: week-day and month abbreviations, and the draw editor's button hints.
QString Skrot(TTekst tekst);
// The entry `przesuniecie` places after `pierwszy`, for texts read as a run.
TTekst WRunie(TTekst pierwszy, int przesuniecie);
inline QString Tekst(TTekst pierwszy, int przesuniecie) { return Tekst(WRunie(pierwszy, przesuniecie)); }

} // namespace tarvomund
