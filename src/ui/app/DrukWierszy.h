#pragma once

#include <QFont>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;

namespace tarvomund {

// Prints lines of text one under another in the given font, page after page. The same routine
// paints onto a printer or onto an image for a test. Returns the count of pages used.
int DrukujWiersze(QPagedPaintDevice& urzadzenie, const QStringList& wiersze, const QFont& czcionka);
// A report as it goes on paper: the window's caption (and any further heading lines) first, so
// that a printout always says what it belongs to, then a blank line and the report's lines.
QStringList WierszeRaportu(const QStringList& naglowek, const QStringList& wiersze);
// Paints as many lines as fit into the height, starting at `od`; returns the index of the next line.
int MalujWiersze(QPainter& malarz, const QStringList& wiersze, int od, int wysokosc);

} // namespace tarvomund
