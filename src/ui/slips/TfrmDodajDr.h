#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QLabel;
class QListWidget;
class QPushButton;

namespace tarvomund {

// "Przypisanie blankietów do gry": a check list of the slips of the data directory, those of the
// game ticked. OK ties every ticked slip to the game and frees the un-ticked ones that were its
// own; a slip belongs to one game at a time, so ticking it here takes it from any other.
class TfrmDodajDr : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1017;

    // `nazwaGry` heads the dialog; `kodGry` is the game's code (1001 for the pool games).
    TfrmDodajDr(QString katalogDane, int32_t kodGry, const QString& nazwaGry, QWidget* parent = nullptr);

    int32_t KodGry() const { return kodGry_; }
    QListWidget* CLB1() const { return CLB1_; }
    QLabel* lblGra() const { return lblGra_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    void btnOKClick();

    QString katalogDane_;
    int32_t kodGry_;
    QLabel* lblGra_;
    QListWidget* CLB1_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
