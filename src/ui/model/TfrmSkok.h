#pragma once

#include <QDialog>

#include <cstdint>

class QPushButton;
class QScrollBar;
class QSpinBox;

namespace tarvomund {

// "Skok do zakładu nr ....": picks the bet a system window shows in its first row. A scroll bar
// and a number field over 1..bets follow each other.
class TfrmSkok : public QDialog {
    Q_OBJECT

public:
    TfrmSkok(int32_t zakladow, int32_t biezacy, QWidget* parent = nullptr);

    int32_t Wartosc() const;

    QScrollBar* Pasek() const { return Pasek_; }
    QSpinBox* Pole() const { return Pole_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    QScrollBar* Pasek_;
    QSpinBox* Pole_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
