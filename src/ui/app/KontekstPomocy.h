#pragma once

#include "model/Wspolne.h"

#include <QString>
#include <QWidget>

namespace tarvomund {

// Every window and dialog carries its help context number; the main window picks it up whenever
// such a window is shown or activated, so the context help opens the topic the user last looked at.
inline constexpr const char* WlasnoscKontekstuPomocy = "KontekstPomocy";

inline void UstawKontekstPomocy(QWidget* okno, int kontekst)
{
    okno->setProperty(WlasnoscKontekstuPomocy, kontekst);
}

// Windows added beyond the program's table of help topics carry numbers from here on.
inline constexpr int KontekstOptymalizacji = 2001;
inline constexpr int KontekstEdytoraBlankietow = 2016;
inline constexpr int KontekstDrukuBlankietow = 2017;

// The help topic of a context number: the program's table, then the added windows.
inline QString TematKontekstu(int kontekst)
{
    if (kontekst == KontekstOptymalizacji)
        return QStringLiteral("IdOptSys");
    if (kontekst == KontekstEdytoraBlankietow)
        return QStringLiteral("IdEdytorBl");
    if (kontekst == KontekstDrukuBlankietow)
        return QStringLiteral("IdDrukBl");
    return QString::fromStdString(TematPomocy(kontekst));
}

} // namespace tarvomund
