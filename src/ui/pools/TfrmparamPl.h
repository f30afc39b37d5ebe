#pragma once

#include "model/TInfoGryRec.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace tarvomund {

// The pool system parameters dialog "Parametry": the count of matches ("Ilość typów", 10..13), the
// count of bets (1 to the largest count the caller allows) and the generation method of the three
// a pool system knows.
class TfrmparamPl : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1020;

    explicit TfrmparamPl(QWidget* parent = nullptr);

    // Fills the dialog from a pool system's record; the bet count is first lowered to `maxZakladow`.
    void Ustaw(const TInfoGryRec& info, int64_t maxZakladow);
    // The record handed in with the matches, the bets and the method of the controls.
    TInfoGryRec Wynik() const;

    QSpinBox* spTypow() const { return spTypow_; }
    QSpinBox* spZakladow() const { return spZakladow_; }
    QComboBox* cbMetoda() const { return cbMetoda_; }
    QPushButton* btnOk() const { return btnOk_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    TInfoGryRec info_;
    QSpinBox* spTypow_;
    QSpinBox* spZakladow_;
    QComboBox* cbMetoda_;
    QPushButton* btnOk_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
