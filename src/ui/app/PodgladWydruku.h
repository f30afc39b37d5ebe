#pragma once

#include "app/Wydruk.h"

#include <QPrintPreviewDialog>
#include <QString>

class QPrinter;
class QPrintPreviewWidget;
class QWidget;

namespace tarvomund {

// The program's one printer: "Drukarka ..." sets it up, and every printout goes to it, so the
// printer and paper chosen there hold for the whole run.
QPrinter& DrukarkaProgramu();

// The print preview every print command shows first: the pages of the printout as the renderer
// paints them, with the preview's own buttons to print them on the program's printer.
class TfrmPodgladWydruku : public QPrintPreviewDialog {
    Q_OBJECT

public:
    TfrmPodgladWydruku(TZadanieWydruku zadanie, const QString& tytul, TMiedzyStronami miedzy = {},
                       QWidget* rodzic = nullptr);

    const TZadanieWydruku& Zadanie() const { return zadanie_; }
    QPrintPreviewWidget* Podglad() const;
    // Pages in the preview.
    int Stron() const;
    // Prints on the program's printer as the preview's print button does after its printer dialog,
    // and closes the preview. Returns what the renderer reported.
    TWynikWydruku Drukuj();
    // What the last painting (preview or print) reported.
    const TWynikWydruku& Wynik() const { return wynik_; }

private:
    void Maluj(QPrinter* drukarka);

    TZadanieWydruku zadanie_;
    TMiedzyStronami miedzy_;
    TWynikWydruku wynik_;
};

// Shows the printout in the preview, portrait where the printout needs it (the printer's former
// orientation comes back afterwards). True when it was printed.
bool DrukujZPodgladem(QWidget* rodzic, TZadanieWydruku zadanie, const QString& tytul, TMiedzyStronami miedzy = {});
// The print command of a report window: the report's lines (WierszeRaportu) in the window's font,
// through the preview titled as the window.
void DrukujRaport(QWidget* rodzic, QStringList wiersze, const QFont& czcionka);

} // namespace tarvomund
