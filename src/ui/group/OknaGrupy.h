#pragma once

#include <QString>

namespace tarvomund {

class TfrmGlowne;
class TfrmGrupa00;

// The main window's commands for groups: a new group from the New dialog and the Open of a
// `*.gr2` file. Each adds the group window to the main window; null when the file could not be
// written or read (the message has been shown).
TfrmGrupa00* NowaGrupa(TfrmGlowne& glowne);
TfrmGrupa00* OtworzGrupe(TfrmGlowne& glowne, const QString& plik);

} // namespace tarvomund
