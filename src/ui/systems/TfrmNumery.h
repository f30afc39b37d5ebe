#pragma once

#include "model/TInfoGryRec.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QDateEdit;
class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;

namespace tarvomund {

class TKolekcja;

// The marked numbers of the number collection, in the collection's order.
using TDostawcaKolekcji = std::function<std::vector<int>()>;
// The marked numbers of a collection panel; none once the panel is gone.
TDostawcaKolekcji DostawcaKolekcji(TKolekcja* panel);

// The number picker "Własne liczby w sytemie": one toggle button per number 1..N, twelve a row,
// and the list of the numbers picked in picking order. OK waits until exactly the target count
// is down. Own-numbers mode picks the n numbers of a system; test mode (also used by the draw
// entry and the number search) picks as many as the game draws.
class TfrmNumery : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1026;
    static constexpr int NaWiersz = 12;
    static constexpr int MaxLiczb = 120; // ten rows; a game of more numbers gets no buttons

    explicit TfrmNumery(QWidget* parent = nullptr);

    // Own-numbers mode: the target is n and the own numbers of positions 1..n are picked in order.
    void UstawPodstaw(const TInfoGryRec& info);
    // Test mode: the target is the game's drawn count d and the own numbers of positions 1..d are
    // picked. Callers that only need N and d may pass a record holding just those.
    void UstawTest(const TInfoGryRec& info);
    // Where "Kolekcja" takes its numbers from; without it the collection counts as empty.
    void UstawKolekcje(TDostawcaKolekcji kolekcja) { kolekcja_ = std::move(kolekcja); }

    // The numbers picked, in picking order (the order "Wylosuj" drew them, or the collection's).
    const std::vector<int>& Wybrane() const { return wybrane_; }
    void SortujWybrane();
    int Cel() const { return cel_; }
    int IleLiczb() const { return ileLiczb_; }

    // The button commands.
    void Zeruj();
    void Wylosuj();
    // True when the collection's numbers were put in (not empty, and the user agreed).
    bool Kolekcja();

    QToolButton* Przycisk(int liczba) const;
    QLabel* lile() const { return lile_; }
    QDateEdit* DE1() const { return DE1_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }
    QPushButton* btnZeruj() const { return btnZeruj_; }
    QPushButton* btnWylosuj() const { return btnWylosuj_; }
    QPushButton* btnKolekcja() const { return btnKolekcja_; }

private:
    void Zbuduj(int ileLiczb);
    void Ustaw(const TInfoGryRec& info, int cel);
    // A press by the user: refused (the button goes up again) once the target is reached.
    void Kliknieto(int liczba, bool wcisniety);
    // Puts a number down and at the end of the list, unless it is already picked or the target is reached.
    bool Wcisnij(int liczba);
    void Odswiez();

    int ileLiczb_ = 0;
    int cel_ = 0;
    std::vector<int> wybrane_;
    std::vector<QToolButton*> przyciski_;
    TDostawcaKolekcji kolekcja_;

    QGridLayout* siatka_;
    QLabel* lile_;
    QDateEdit* DE1_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
    QPushButton* btnZeruj_;
    QPushButton* btnWylosuj_;
    QPushButton* btnKolekcja_;
};

} // namespace tarvomund
