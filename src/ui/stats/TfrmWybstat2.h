#pragma once

#include "model/TObGraLista.h"
#include "stats/ParametryStatystyki.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tarvomund {

class TBlank;

// The slip division dialog "Podział blankietu" of the slip statistic: the grid of the game's
// numbers (columns, rows, direction), how it is divided, and after which row and column the
// halves and quarters part, with a preview of the grid and red lines where it parts.
class TfrmWybstat2 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1045;

    TfrmWybstat2(const TObGraLista& gra, const TParametryStatystyki& parametry, QWidget* parent = nullptr);

    // The record with the division fields from the controls.
    TParametryStatystyki Wynik() const;

    QSpinBox* kolumny() const { return kolumny_; }
    QSpinBox* rzedy() const { return rzedy_; }
    QCheckBox* kierunek() const { return kierunek_; }
    QButtonGroup* podzial() const { return podzial_; }
    QSpinBox* poziomo() const { return poziomo_; }
    QSpinBox* pionowo() const { return pionowo_; }
    QPushButton* btnOK() const { return btnOK_; }
    TBlank* Podglad() const { return Blank1_; }

private:
    // Bounds the division values by the grid and enables those the division uses.
    void Odswiez();

    const TObGraLista& gra_;
    TParametryStatystyki parametry_;
    QSpinBox* kolumny_;
    QSpinBox* rzedy_;
    QCheckBox* kierunek_;
    QButtonGroup* podzial_;
    QSpinBox* poziomo_;
    QSpinBox* pionowo_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
    TBlank* Blank1_;
};

} // namespace tarvomund
