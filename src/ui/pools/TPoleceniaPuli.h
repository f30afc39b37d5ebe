#pragma once

#include "model/PlikSystemu.h"

#include <QObject>
#include <QString>

namespace tarvomund {

class TfrmGlowne;
class TfrmGwarancja;
class TfrmNoweOknoPl;
class TfrmRozpPl;
class TfrmTest;

// The main window's commands for pool systems: a new pool system (the New dialog's pool tab),
// opening a pool ".ss2", and the parameters, guarantee, test and distribution of the active pool
// window. The commands shared with number systems act here only while a pool window is active and
// idle; the main window keeps handling number systems.
class TPoleceniaPuli : public QObject {
    Q_OBJECT

public:
    // Connects itself to the main window's actions; the main window owns it.
    explicit TPoleceniaPuli(TfrmGlowne& glowne);

    // The parameters dialog preset for 13 matches, 10 bets and the full method; on OK a new pool
    // window that starts generating at once (it waits for typings when none are there yet).
    TfrmNoweOknoPl* NowySystem();
    // A pool system file in a new window, its typings restored; "Błąd odczytu !" when the file
    // cannot be copied or is no pool system of 1 to 13 matches.
    TfrmNoweOknoPl* OtworzSystem(const QString& plik, const TNaglowekSystemu& naglowek);
    // "Parametry systemu": on OK the window is set up again and generates at once.
    void Parametry();
    // "Obliczanie gwarancji dla systemu": the guarantee window in its pool mode over the bets of now.
    TfrmGwarancja* Gwarancja();
    // "Test systemu": the test window in its pool mode over the bets of now.
    TfrmTest* Test();
    // "Rozkład liczb w systemie": the sign distribution at the pool window's top left corner.
    TfrmRozpPl* Rozklad();

private:
    // The active pool window when it is idle.
    TfrmNoweOknoPl* AktywnaPula() const;

    TfrmGlowne& glowne_;
};

} // namespace tarvomund
