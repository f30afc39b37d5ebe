#pragma once

#include "slips/WydrukBlankietow.h"
#include "slips/WydrukListy.h"
#include "tools/Biorytm.h"

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QPaintDevice;
class QPainter;
class QRect;

namespace tarvomund {

// Every printout of the program is painted by one renderer from one of these plain descriptions,
// onto any paint device: a printer, a PDF file or an image. The print commands show the same
// pages in a print preview first.

// Lines of text one under another, page after page, in one font (the reports of the guarantee, the
// test, the distribution and the group windows).
struct TWydrukWierszy {
    QStringList Wiersze;
    QFont Czcionka;
};

// The biorhythm page: its lines of text, then the chart across the page in its own proportions.
struct TWydrukBiorytmu {
    QStringList Wiersze;
    QFont Czcionka;
    TPlanBiorytmu Plan;
};

// A system as a numbered list of its bets.
struct TWydrukListy {
    std::string PlikSystemu;
    TOpcjeListy Opcje;
};

// A system onto paper slips, one page per slip; without a system file, the test print of the layout
// (its outline and every field).
struct TWydrukBlankietow {
    std::shared_ptr<const TBlankietOb> Blankiet;
    std::string PlikSystemu;
    std::vector<TOpcjaDruku> Opcje;
    int32_t Od = 1, Do = 1; // slip numbers
    TPolozenieBlankietu Polozenie;
    bool Test() const { return PlikSystemu.empty(); }
};

using TZadanieWydruku = std::variant<TWydrukWierszy, TWydrukBiorytmu, TWydrukListy, TWydrukBlankietow>;

enum class TBladWydruku {
    Brak,
    Urzadzenie,       // the device would not start painting ("Błąd drukarki !")
    OdczytSystemu,    // the system file cannot be read
    BrakGrupZakladow, // the slip has no bet group
    ZaMaloPol,        // the slip's bet groups have fewer fields than the game has numbers
};

struct TWynikWydruku {
    int Stron = 0;
    TBladWydruku Blad = TBladWydruku::Brak;
};

// Called between two pages with the count of pages finished. A paged device (printer, PDF) turns
// the page itself; any other device (an image) is handed over finished before it is cleared for the
// next page, and without a callback only the first page is painted. Returning false ends the
// printout there (the slip dialog's Stop).
using TMiedzyStronami = std::function<bool(int gotowych)>;

TWynikWydruku Drukuj(QPaintDevice& urzadzenie, const TZadanieWydruku& zadanie, const TMiedzyStronami& miedzy = {});

// A report as it goes on paper: the heading lines (the window's caption first, so that a printout
// always says what it belongs to), an empty line and the report's lines; then, when there is one,
// an empty line and the window's closing line.
QStringList WierszeRaportu(const QStringList& naglowek, const QStringList& wiersze, const QString& zamykajaca = {});

// Lists and slips are laid out for a portrait page; the text printouts keep the user's choice.
std::optional<QPageLayout::Orientation> OrientacjaWydruku(const TZadanieWydruku& zadanie);

// The biorhythm page painted into a rectangle of any surface, in the painter's font.
void MalujStroneBiorytmu(QPainter& malarz, const QRect& strona, const QStringList& wiersze, const TPlanBiorytmu& plan);
// Paints as many lines as fit into the height, starting at `od`; returns the index of the next line
// (at least one line per page, so a tiny page still ends).
int MalujWiersze(QPainter& malarz, const QStringList& wiersze, int od, int wysokosc);

// The list's font: Courier New of the first size at which the sample line fills a column.
QFont CzcionkaListy(const QPaintDevice& urzadzenie, const std::string& wzor, int szerokoscKolumny);

} // namespace tarvomund
