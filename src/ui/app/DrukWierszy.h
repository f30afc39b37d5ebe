#pragma once

#include <QFont>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;

namespace tarvomund {

// Prints lines of text one under another in the given font, page after page. The same routine
// paints onto a printer or onto an image for a test. Returns the count of pages used.
int DrukujWiersze(QPagedPaintDevice& urzadzenie, const QStringList& wiersze, const QFont& czcionka);
// Paints as many lines as fit into the height, starting at `od`; returns the index of the next line.
int MalujWiersze(QPainter& malarz, const QStringList& wiersze, int od, int wysokosc);

} // namespace tarvomund
