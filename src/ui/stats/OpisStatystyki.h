#pragma once

#include "stats/ParametryStatystyki.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarvomund {

// The texts, colours and sizes the statistics window derives from a statistic's parameters.

// Colours of the series in series order, repeating every eight.
QColor KolorSerii(int indeks);
inline const QColor KolorSzaroniebieski(114, 181, 192);
inline const QColor KolorJasnozolty(255, 255, 213);

// The kind's title as the dialog lists it (without its number).
QString NazwaRodzaju(int32_t rodzaj);
// " 1. " ... "17. " followed by the title.
QString PozycjaRodzaju(int32_t rodzaj);
// The kind's title (the slip statistic's by its division), then the date range in brackets.
QString LiniaTytulu(const TParametryStatystyki& p);
// The kind's choices, then, when the check list is shown, the grouping and the checked items.
QString LiniaPodtytulu(const TParametryStatystyki& p, bool listaWidoczna, const QStringList& zaznaczone);

// The check list's items; none means the list is hidden (the statistic has one series).
QStringList PozycjeListy(const TParametryStatystyki& p, int32_t ileLiczb);
// Items checked when a statistic starts: the first, or every weekday.
bool ZaznaczonaNaPoczatku(const TParametryStatystyki& p, int pozycja);
int SzerokoscListy(const TParametryStatystyki& p);

// Whether the bottom axis with the point labels shows: false, true, or unchanged (nothing).
std::optional<bool> OsDolnaWidoczna(const TParametryStatystyki& p);
// The table's column width for the kind's labels.
int SzerokoscKolumnyTabeli(const TParametryStatystyki& p);

} // namespace tarvomund
