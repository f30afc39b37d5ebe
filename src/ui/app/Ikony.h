#pragma once

#include "app/TPolecenie.h"

#include <QIcon>

namespace tarvomund {

// Toolbar pictures, drawn in code: a rounded plate with a symbol, so the program needs no icon theme.
QIcon IkonaPolecenia(TPolecenie polecenie);

} // namespace tarvomund
