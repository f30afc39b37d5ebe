#pragma once

#include "group/PlikGrupy.h"
#include "group/PomocnikiGrupy.h"

#include <QDialog>

class QDoubleSpinBox;
class QLabel;

namespace tarvomund {

// A participant's share of one game in percent, 0..100.
class TfrmGrupa06 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1018;
    static constexpr double NajwiekszyUdzial = 100.0;

    TfrmGrupa06(const QString& nazwisko, TWartoscExt udzial, QWidget* parent = nullptr);

    TWartoscExt Udzial() const { return udzial_.Wartosc(Spin1_); }
    QDoubleSpinBox* Spin1() const { return Spin1_; }
    QLabel* LblNazwisko() const { return lblNazwisko_; }

private:
    QLabel* lblNazwisko_;
    QDoubleSpinBox* Spin1_;
    TPoleWartosci udzial_;
};

} // namespace tarvomund
