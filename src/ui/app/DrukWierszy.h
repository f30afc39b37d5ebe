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
// Paints as many lines as fit into the height, starting at `od`; returns the index of the next line.
int MalujWiersze(QPainter& malarz, const QStringList& wiersze, int od, int wysokosc);
// The print command of a window whose output is a list of lines: the printer dialog, then the lines
// in the window's font and, after an empty line, the window's closing line. Nothing when cancelled.
void DrukujRaport(QWidget* rodzic, QStringList wiersze, const QFont& czcionka, const QString& zamykajaca);
// The print command of a text window: the printer dialog, then the lines as a print job of the given
// title. Nothing when cancelled.
void DrukujTekst(QWidget* rodzic, const QStringList& wiersze, const QFont& czcionka, const QString& tytul);

} // namespace tarvomund
