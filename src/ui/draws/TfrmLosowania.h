#pragma once

#include "draws/TEdycjaLosowan.h"
#include "model/TObGraLista.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>

#include <optional>
#include <utility>

class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace tarvomund {

// The draws of one game as grid rows: the date (with the row number until the first change) and
// the drawn numbers in stored order. An empty history shows one empty row.
class TModelLosowan : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModelLosowan(const TObGraLista& gra, QObject* parent = nullptr);

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;

    // Refills the grid after a change; from then on column 0 holds the date alone.
    void Odswiez();

private:
    const TObGraLista& gra_;
    bool numery_ = true;
};

// The draw list window "Losowania <game>": add, correct, delete, import and export of the game's draws.
// Every edit changes the game's list in memory at once; "OK" writes it into the game file, "Anuluj"
// reads the file back, and closing by the title bar leaves the edits in memory only.
class TfrmLosowania : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1050;
    static constexpr int SzerokoscKolumnyDaty = 140;
    static constexpr int SzerokoscKolumnyLiczby = 20;
    static constexpr int WysokoscOkna = 460;

    // `katalogDane` is where the file dialogs of export and import open.
    TfrmLosowania(TObGraLista& gra, const QString& katalogDane, QWidget* parent = nullptr);

    // The grid plus 25 pixels when the grid is wider than 256 pixels, otherwise 282.
    static int SzerokoscOkna(int ileLosowanych);

    const TEdycjaLosowan& Edycja() const { return edycja_; }
    bool Zmieniono() const { return edycja_.Zmieniono(); }
    // First and last selected draw; nothing without a selected draw.
    std::optional<std::pair<std::size_t, std::size_t>> Zaznaczone() const;

    // The commands of the buttons.
    void Dodaj();
    void Popraw();
    void Usun();
    void Eksportuj();
    void Importuj();
    void OK();
    void Anuluj();
    // Export into a chosen file: asks before replacing an existing one.
    void EksportujDo(const QString& plik);
    // Import of a chosen file: the import dialog, the replace question, then the counts.
    void ImportujZ(const QString& plik);

    QLabel* lblZakres() const { return lblZakres_; }
    QTableView* Grid1() const { return Grid1_; }
    TModelLosowan* Model() const { return model_; }
    QToolButton* btnDodaj() const { return btnDodaj_; }
    QToolButton* btnUsun() const { return btnUsun_; }
    QToolButton* btnPopraw() const { return btnPopraw_; }
    QToolButton* btnImport() const { return btnImport_; }
    QToolButton* btnEksport() const { return btnEksport_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    void Odswiez();
    // The number picker set up for one draw of this game: caption, N and k, the date field shown.
    bool WybierzLiczby(const QString& tytul, const TObLos* los, TObLos& wynik);

    TEdycjaLosowan edycja_;
    QString katalogDane_;
    TModelLosowan* model_;
    QLabel* lblZakres_;
    QTableView* Grid1_;
    QToolButton* btnDodaj_;
    QToolButton* btnUsun_;
    QToolButton* btnPopraw_;
    QToolButton* btnImport_;
    QToolButton* btnEksport_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
