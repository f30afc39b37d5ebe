#pragma once

#include "model/TParametry.h"

#include <QString>
#include <QStringList>

namespace tarvomund {

// The preferences live in the per-user store "Quorbane" (an INI file) in the sections
// "USTAWIENIA", "STATYSTYKA" and "GWARANCJA", one value per field of TParametry.

// Reads every value; a missing, unreadable or out-of-range value reads as its default.
void CzytajUstawienia(TParametry& parametry);
// Writes all seven values and flushes the store.
void ZapiszUstawienia(const TParametry& parametry);
// The file the store lives in.
QString PlikUstawien();
// An installed program keeps its settings in this file (beside its games) instead of the per-user
// store's own place; an empty name goes back to that place.
void UstawPlikUstawien(const QString& plik);

// The recently opened files, most recent first, kept in the same store.
inline constexpr int NajwiecejOstatnich = 8;
QStringList CzytajOstatnioOtwierane();
void ZapiszOstatnioOtwierane(const QStringList& pliki);

} // namespace tarvomund
