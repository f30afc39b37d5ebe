#pragma once

#include <QWidget>

namespace tarvomund {

// Every window and dialog carries its help context number; the main window picks it up whenever
// such a window is shown or activated, so the context help opens the topic the user last looked at.
inline constexpr const char* WlasnoscKontekstuPomocy = "KontekstPomocy";

inline void UstawKontekstPomocy(QWidget* okno, int kontekst)
{
    okno->setProperty(WlasnoscKontekstuPomocy, kontekst);
}

} // namespace tarvomund
