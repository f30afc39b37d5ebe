#pragma once

#include "model/TInfoGryRec.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QToolButton;

namespace tarvomund {

// The sign picker "+++" for one row of a pool system: thirteen matches, each with the buttons
// "1", "x" and "2" of which at most one is down. The result holds, per match, the code of its sign:
// 0 none, 1 "1", 2 "x", 3 "2" (the codes of a pool bet).
class TfrmNumery3 : public QDialog {
    Q_OBJECT

public:
    static constexpr int IleMeczow = 13;
    static constexpr int IleZnakow = 3;
    static constexpr int KontekstPomocy = 1027;

    explicit TfrmNumery3(QWidget* parent = nullptr);

    // Matches above k are hidden with their labels and disabled. For each match i = 1..k the button
    // of the code typy[i - 1] goes down (codes outside 1..3 press none), and the result starts as
    // those codes, so OK without a click keeps the preset.
    void UstawTypy(const TTablicaLiczb& typy, int k);
    // The result row: entry i - 1 is the code of match i.
    const TTablicaLiczb& Wynik() const { return wynik_; }
    // "C": all buttons up and the result cleared.
    void Zeruj();

    // The button of a match (1..13) and a sign code (1..3).
    QToolButton* Przycisk(int mecz, int kod) const;
    QLabel* Etykieta(int mecz) const;
    QToolButton* btnC() const { return btnC_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    void Kliknieto();
    void Pusc(int mecz);

    std::array<QLabel*, IleMeczow> etykiety_{};
    std::array<QButtonGroup*, IleMeczow> grupy_{};
    TTablicaLiczb wynik_{};
    QToolButton* btnC_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
