#pragma once

#include "model/TInfoGryRec.h"
#include "slips/WydrukListy.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace tarvomund {

// A system as its window hands it to the print command.
struct TSystemDoDruku {
    QString Plik;                  // the window's bet file, in the system file layout
    TInfoGryRec Info;
    std::optional<int32_t> KodGry; // the game whose slips are offered; all slips without one
    QString KatalogDane;
};

// The print command of a number or pool system window: "Drukowanie systemów" prints the bets as a
// list, "Drukowanie blankietów" opens the slip print dialog. `zajety` is told when the list
// printing starts (true) and ends (false), so the window stays busy meanwhile.
void DrukujSystem(QWidget* okno, const TSystemDoDruku& system, const std::function<void(bool)>& zajety = {});

// The list after its options were chosen, through the print preview. A system file that cannot be
// read shows "Błąd odczytu !" with its path and prints nothing. True when printed.
bool DrukujListeSystemu(QWidget* okno, const QString& plik, const TOpcjeListy& opcje);

} // namespace tarvomund
