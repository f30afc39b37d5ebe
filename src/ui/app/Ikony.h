#pragma once

#include "app/TPolecenie.h"

#include <QColor>
#include <QIcon>
#include <QString>

namespace tarvomund {

// Toolbar pictures, drawn in code: a rounded plate with a symbol, so the program needs no icon theme.
QIcon IkonaPolecenia(TPolecenie polecenie);
// A picture of the same kind for buttons of a window's own: the symbol on a plate of the colour.
QIcon IkonaZnaku(const QString& znak, QColor kolor);

} // namespace tarvomund
