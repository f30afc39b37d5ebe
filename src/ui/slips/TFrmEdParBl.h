#pragma once

#include "app/KontekstPomocy.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;

namespace tarvomund {

class TBlankietOb;

// "Wymiary blankietu": the slip's size, name and whether it is a football slip. OK with an empty
// name says "Musisz wpisać nazwę blankietu !" and stays open.
class TFrmEdParBl : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = KontekstEdytoraBlankietow;

    explicit TFrmEdParBl(const TBlankietOb& blankiet, QWidget* parent = nullptr);

    // Width, height, the name cut to 20 characters and the football flag into the layout.
    void Zastosuj(TBlankietOb& blankiet) const;

    QDoubleSpinBox* edSzer() const { return edSzer_; }
    QDoubleSpinBox* edWys() const { return edWys_; }
    QLineEdit* edNazwa() const { return edNazwa_; }
    QCheckBox* chkPilkarski() const { return chkPilkarski_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    QDoubleSpinBox* edSzer_;
    QDoubleSpinBox* edWys_;
    QLineEdit* edNazwa_;
    QCheckBox* chkPilkarski_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
