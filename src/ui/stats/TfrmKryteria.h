#pragma once

#include "app/TekstyUI.h"
#include "model/TObGraLista.h"
#include "stats/TFiltry.h"

#include <QDialog>
#include <QString>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace tarvomund {

// What the filter dialog and the three search dialogs share: the check list of criteria of which
// one is checked at a time, a page of parameters per criterion, the date range "Zakres bazy
// losowań" and the number range "Zakres liczb" with their "c" buttons, and OK and "Anuluj". Each
// dialog describes its criteria as pages whose controls are bound to the fields of its record;
// the controls are loaded from the record when the pages are built and stored back on OK.
class TfrmKryteria : public QDialog {
    Q_OBJECT

public:
    // The checked criterion, 1-based; 0 when none is.
    int Wybrane() const;
    // As a click on the list item: it is selected and checked, the one checked before is
    // unchecked, and its page and ranges are shown.
    void Wybierz(int kryterium);
    // The page of a criterion (1-based); its controls are named after their role.
    QWidget* Strona(int kryterium) const;
    int IleKryteriow() const { return static_cast<int>(strony_.size()); }

    QListWidget* CLB1() const { return CLB1_; }
    QGroupBox* Label5() const { return Label5_; }
    QGroupBox* Label6() const { return Label6_; }
    QDateEdit* OdDaty() const { return OdDaty_; }
    QDateEdit* DoDaty() const { return DoDaty_; }
    QLabel* lblLosowan() const { return lblLosowan_; }
    QComboBox* zakresOd() const { return zakresOd_; }
    QComboBox* zakresDo() const { return zakresDo_; }
    QPushButton* btn1() const { return btn1_; }
    QPushButton* btn2() const { return btn2_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

protected:
    TfrmKryteria(int kontekstPomocy, QWidget* parent);

    // The kinds of controls a page holds.
    enum class TRodzajPola {
        Ilosc,           // "1" .. the game's drawn count
        Wielkosc,        // "1" .. N
        Suma,            // two whole numbers "Od" and "Do"
        CyfryKoncowe,    // "0" .. "9" with "+" and "-"
        CyfryPoczatkowe, // "1" .. "9" with "+" and "-"
        DzienTygodnia,
        DzienMiesiaca,
        Miesiac,
        Pozycje, // two bet positions "Od" and "Do"
    };
    // A control bound to a field: a list stores its index; the pairs (sums, positions) store into
    // Wartosc and Wartosc2; the digit boxes into Cyfry.
    struct TPole {
        TRodzajPola Rodzaj;
        TTekst Etykieta;
        int32_t* Wartosc = nullptr;
        int32_t* Wartosc2 = nullptr;
        std::array<bool, IleCyfr>* Cyfry = nullptr;
    };
    struct TStrona {
        QString Tekst; // the list item's text after its number
        std::vector<TPole> Pola;
        bool ZakresLiczb = true; // "Zakres liczb" shown
        bool ZakresDat = true;   // "Zakres bazy losowań" shown
    };

    // The pages of criteria 1 to 12 with these list texts, bound to the shared fields and the
    // record's sum fields.
    static std::vector<TStrona> StronyWspolne(TKryteriaWspolne& r, int32_t& sumaOd, int32_t& sumaDo,
                                              const std::array<TTekst, 12>& teksty);
    // The searches' texts of criteria 1 to 12: "Wyszukaj kolejne liczby" ...
    static const std::array<TTekst, 12>& TekstyWyszukaj();

    // Builds the list and the pages for the game and loads every control from the bound fields;
    // `kryteria` are the record's flags (one per page), `wspolne` its ranges. All must outlive the
    // dialog. `zakladow` limits the bet positions.
    void Zbuduj(const TObGraLista& gra, std::vector<TStrona> strony, bool* kryteria, TKryteriaWspolne& wspolne,
                int32_t zakladow = 1);

private:
    QWidget* ZbudujStrone(const TStrona& strona, int ileLosowanych, int ileLiczb, int32_t zakladow);
    void Kliknieto(QListWidgetItem* element);
    void UstawZakresy();
    void PokazLosowania();
    void btnOkClick();
    // Every control into its field.
    void Zapisz();

    struct TKontrolka {
        TPole Pole;
        QComboBox* Lista = nullptr;
        QSpinBox* Od = nullptr;
        QSpinBox* Do = nullptr;
        std::array<QCheckBox*, IleCyfr> Cyfry{};
    };

    const TObGraLista* gra_ = nullptr;
    std::vector<TStrona> strony_;
    std::vector<TKontrolka> kontrolki_;
    bool* kryteria_ = nullptr;
    TKryteriaWspolne* wspolne_ = nullptr;
    bool zmieniam_ = false;

    QListWidget* CLB1_;
    QStackedWidget* strona_;
    QGroupBox* Label5_;
    QGroupBox* Label6_;
    QDateEdit* OdDaty_;
    QDateEdit* DoDaty_;
    QLabel* lblLosowan_;
    QComboBox* zakresOd_;
    QComboBox* zakresDo_;
    QPushButton* btn1_;
    QPushButton* btn2_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
