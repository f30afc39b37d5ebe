#pragma once

#include "model/TInfoGryRec.h"
#include "systems/TfrmNumery.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace tarvomund {

class TKolekcja;

// The own-numbers dialog "Liczby w sytemie": the system's numbers in position order on a panel, ten
// a row, where the user marks the sure numbers (at most the system's limit) and may rearrange
// them; "Podstaw" puts other numbers in through the number picker. The caller hands the result
// (Wlasne) to the system window after OK.
class TfrmWlasne : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1026;
    static constexpr int NaWiersz = 10;

    explicit TfrmWlasne(QWidget* parent = nullptr);

    // The most sure numbers a system may carry: MaxPewnych(k, n, bets) for the balanced method
    // (the only one that honours them), 0 for any other.
    static int32_t LimitPewnych(const TInfoGryRec& info);

    // A copy of the system's record: its own numbers of positions 1..n go onto the panel, marked
    // where the position is sure, while the limit allows.
    void Ustaw(const TInfoGryRec& info);
    // Where the picker's "Kolekcja" takes its numbers from.
    void UstawKolekcje(TDostawcaKolekcji kolekcja) { kolekcja_ = std::move(kolekcja); }
    // The record's own numbers with the panel's: element i is the number of position i, sure when
    // marked. The first array and the places beyond the panel stay as they were.
    std::array<TTablicaLiczb, 3> Wlasne() const;

    // "Podstaw": the picker preset with the panel's numbers; on OK its numbers, in its order, take
    // the panel's places one by one while the marks stay with the places.
    void btnPodstawClick();
    // "Kolekcja": the same with the collection's marked numbers picked at once (after the picker's
    // question); an empty collection or "Nie" opens nothing.
    void btnKolekcjaClick();
    // The picker's result applied to the panel (what btnPodstawClick does after OK).
    void Podstaw(const std::vector<int>& liczby);

    TKolekcja* wlasne1() const { return wlasne1_; }
    QLabel* lblMaxPew() const { return lblMaxPew_; }
    QPushButton* btnPodstaw() const { return btnPodstaw_; }
    QPushButton* btnKolekcja() const { return btnKolekcja_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    void Wybierz(bool zKolekcji);

    TInfoGryRec info_;
    TDostawcaKolekcji kolekcja_;
    TKolekcja* wlasne1_;
    QLabel* lblMaxPew_;
    QPushButton* btnPodstaw_;
    QPushButton* btnKolekcja_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
