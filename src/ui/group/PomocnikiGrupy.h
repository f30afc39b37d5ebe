#pragma once

#include "group/PlikGrupy.h"

#include <QStringList>

#include <string>
#include <vector>

class QDialog;
class QDialogButtonBox;
class QDoubleSpinBox;
class QPagedPaintDevice;
class QTableWidget;
class QWidget;

namespace tarvomund {

// What the group windows share: their grids, their amount fields and their text printouts.

// A read-only grid with the given headings whose selected row is navy with yellow text, as in
// every grid of the program.
void UstawSiatkeGrupy(QTableWidget* siatka, const QStringList& naglowki);
// Fills the grid with the cells; amounts (the columns from `pierwszaKwota` on) stand to the right.
// At least `minimumWierszy` rows are shown, the extra ones empty.
void WypelnijSiatkeGrupy(QTableWidget* siatka, const std::vector<std::vector<std::string>>& wiersze,
                         int pierwszaKwota, int minimumWierszy = 0);
// The one-row grid of totals under a grid: its columns follow the widths of the grid above.
void UstawSumyPodSiatka(QTableWidget* sumy, QTableWidget* siatka);

// A decimal field for an amount or a share, with the decimal comma and two decimals.
void UstawPoleKwoty(QDoubleSpinBox* pole, double maksimum);
// The field shows a stored value rounded to two decimals. The stored value comes back as it was
// unless the user changed the field, so confirming a dialog never rounds what the file holds.
class TPoleWartosci {
public:
    void Ustaw(QDoubleSpinBox* pole, TWartoscExt wartosc);
    TWartoscExt Wartosc(const QDoubleSpinBox* pole) const;

private:
    TWartoscExt poczatkowa_;
    double pokazana_ = 0.0;
};

// The confirm and "Anuluj" buttons of a dialog, named btnOK (or btnOk) and btnAnuluj, the first the
// default; they accept and reject the dialog.
QDialogButtonBox* PrzyciskiDialogu(QDialog* dialog, const QString& potwierdz, const char* nazwaPotwierdz);

QStringList NaQt(const std::vector<std::string>& linie);
// Shows the lines in Courier in the print preview; false when nothing was printed.
bool DrukujTekstGrupy(QWidget* rodzic, const QStringList& linie);
// The same without the dialog, on any paged device (a test prints into a PDF). Returns the pages.
int DrukujTekstGrupyNa(QPagedPaintDevice& urzadzenie, const QStringList& linie);

// The messages of a group file that cannot be read or written, with its path.
void BladOdczytuGrupy(QWidget* rodzic, const QString& plik);
void BladZapisuGrupy(QWidget* rodzic, const QString& plik);

} // namespace tarvomund
