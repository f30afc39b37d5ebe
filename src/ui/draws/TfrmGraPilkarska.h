#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace tarvomund {

// The pool systems' entry of the parameter correction: their name only, which cannot be changed,
// and "Blankiety", which ties slips to the pool games (code 1001). OK and "Anuluj" store nothing.
class TfrmGraPilkarska : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1053;

    explicit TfrmGraPilkarska(QString katalogDane, QWidget* parent = nullptr);

    QLineEdit* edNazwa() const { return edNazwa_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }
    QPushButton* btnBlankiety() const { return btnBlankiety_; }

private:
    void btnBlankietyClick();

    QString katalogDane_;
    QLineEdit* edNazwa_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
    QPushButton* btnBlankiety_;
};

} // namespace tarvomund
