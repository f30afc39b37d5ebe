#pragma once

#include <QFont>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace tarvomund {

// Prints lines of text one under another in the given font, page after page. The same routine
// paints onto a printer or onto an image for a test. Returns the count of pages used.
int DrukujWiersze(QPagedPaintDevice& urzadzenie, const QStringList& wiersze, const QFont& czcionka);
// A report as it goes on paper: the heading lines (the window's caption first, so that a printout
// always says what it belongs to), an empty line and the report's lines; then, when there is one,
// an empty line and the window's closing line.
QStringList WierszeRaportu(const QStringList& naglowek, const QStringList& wiersze,
                           const QString& zamykajaca = {});
// Paints as many lines as fit into the height, starting at `od`; returns the index of the next line.
int MalujWiersze(QPainter& malarz, const QStringList& wiersze, int od, int wysokosc);
// The print command of a report window: the printer dialog, then the report's lines (WierszeRaportu)
// in the window's font. Nothing when cancelled.
void DrukujRaport(QWidget* rodzic, const QStringList& wiersze, const QFont& czcionka);
// The print command of a text window: the printer dialog, then the lines as a print job of the given
// title. Nothing when cancelled.
void DrukujTekst(QWidget* rodzic, const QStringList& wiersze, const QFont& czcionka, const QString& tytul);

} // namespace tarvomund
