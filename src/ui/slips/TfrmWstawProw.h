#pragma once

#include "app/KontekstPomocy.h"

#include <QDialog>

#include <cstdint>

class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tarvomund {

// "Wstawianie prowadnic": guides at equal spacing between two positions, horizontal or vertical.
class TfrmWstawProw : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = KontekstEdytoraBlankietow;

    explicit TfrmWstawProw(QWidget* parent = nullptr);

    double Od() const;
    double Do() const;
    int Czesci() const;
    uint8_t Kier() const;

    QDoubleSpinBox* edOd() const { return edOd_; }
    QDoubleSpinBox* edDo() const { return edDo_; }
    QSpinBox* edCzesci() const { return edCzesci_; }
    QRadioButton* rbPoziome() const { return rbPoziome_; }
    QRadioButton* rbPionowe() const { return rbPionowe_; }
    QPushButton* btnWstaw() const { return btnWstaw_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    QDoubleSpinBox* edOd_;
    QDoubleSpinBox* edDo_;
    QSpinBox* edCzesci_;
    QRadioButton* rbPoziome_;
    QRadioButton* rbPionowe_;
    QPushButton* btnWstaw_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
