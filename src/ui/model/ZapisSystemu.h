#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace tarvomund {

// Saving and closing shared by the number and the pool system windows, whose bets live in a
// temporary file with the system file layout.

// The save dialog: "System (*.ss2)" in the data directory, proposing the file last saved or opened.
// Empty when cancelled.
QString WybierzPlikSystemu(QWidget* rodzic, const QString& katalogDane, const QString& plikSystemu);
// Copies the temporary file onto `plik`, asking first before an existing file is replaced. False
// when the answer was "Nie" (both files stay as they were).
bool ZapiszKopieSystemu(QWidget* rodzic, const QString& tymczasowy, const QString& plik);
// The close query of a system window: refused while it computes; a saved or empty system closes at
// once; otherwise "Zapisać system ?" with `opis` under it: "Tak" saves and closes, "Nie" closes,
// "Anuluj" keeps the window. True when the window may close.
bool MoznaZamknacSystem(QWidget* rodzic, bool pracuje, bool zapisany, int32_t zakladow, const QString& opis,
                        const std::function<void()>& zapisz);

} // namespace tarvomund
