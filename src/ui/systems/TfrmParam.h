#pragma once

#include "model/TInfoGryRec.h"

#include <QDialog>
#include <QString>

#include <cstdint>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tarvomund {

class TPanelRekordu;

// A count of combinations as the program shows it: thousands grouped the Polish way, no
// decimals, right-aligned in 20 characters.
QString TekstKombinacji(long double ile);
// C(n, k) rounded to the nearest integer.
int64_t IleKombinacji(int32_t n, int32_t k);

// The system parameters dialog "Parametry gry": numbers per bet, numbers in the system, the bet
// count, the generation method and, for the guarantee method, the guarantee level. It keeps the
// bet count consistent with the other choices while the user edits; the caller reads the values
// from the controls after OK.
class TfrmParam : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1024;
    static constexpr double MaxZakladow = 9999999999.0;

    explicit TfrmParam(QWidget* parent = nullptr);

    // Sets the dialog up from a system's parameters.
    void Ustaw(const TInfoGryRec& info);
    // The record handed to Ustaw, unchanged.
    const TInfoGryRec& Info() const { return info_; }

    int32_t Skreslen() const;
    int32_t Liczb() const;
    int64_t Zakladow() const;
    int32_t Metoda() const;
    int32_t Gwarancja() const;
    // The record handed in with k, n, bets, method and guarantee from the controls; a bet count
    // beyond the record's range is held at its largest value.
    TInfoGryRec Wynik() const;

    QSpinBox* spSkres() const { return spSkres_; }
    QSpinBox* spLiczb() const { return spLiczb_; }
    QDoubleSpinBox* spZakladow() const { return spZakladow_; }
    QLabel* st1() const { return st1_; }
    QComboBox* cbMetoda() const { return cbMetoda_; }
    QComboBox* cbGwar() const { return cbGwar_; }
    QLabel* lblGwar() const { return lblGwar_; }
    QPushButton* btnOk() const { return btnOk_; }
    // The guarantee method's rows: best known system, lower bound, the option to optimise.
    TPanelRekordu* PanelRekordu() const { return panelRekordu_; }
    // The guarantee method with its result to be optimised.
    bool Optymalizuj() const;
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    void spSkresChange();
    void spLiczbChange();
    void cbMetodaChange();
    void cbGwarChange();
    void btnOkClick();

    void UstawZakladow(long double ile);
    void PokazRekord();
    void PokazKombinacje();
    long double ZakladowGwarancji() const;

    TInfoGryRec info_;
    QSpinBox* spSkres_;
    QSpinBox* spLiczb_;
    QDoubleSpinBox* spZakladow_;
    QLabel* st1_;
    QComboBox* cbMetoda_;
    QLabel* lblGwar_;
    QComboBox* cbGwar_;
    QPushButton* btnOk_;
    QPushButton* btnAnuluj_;
    TPanelRekordu* panelRekordu_;
};

} // namespace tarvomund
