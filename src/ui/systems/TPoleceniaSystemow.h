#pragma once

#include "systems/TfrmNumery.h"

#include <QObject>

#include <vector>

namespace tarvomund {

class TfrmGlowne;
class TfrmNoweOkno;
class TfrmOptymalizuj;
class TfrmRozp;

// The main window's commands around a number system's numbers: own numbers, the distribution
// window, the sum or difference of systems, the composite of two systems and the optimiser. Each acts on the
// active system window (or on the systems chosen in its dialog) and refuses quietly while that
// window computes.
class TPoleceniaSystemow : public QObject {
    Q_OBJECT

public:
    // Connects itself to the main window's actions; the main window owns it.
    explicit TPoleceniaSystemow(TfrmGlowne& glowne);

    // Where the number pickers' "Kolekcja" takes the collection's marked numbers from.
    void UstawKolekcje(TDostawcaKolekcji kolekcja) { kolekcja_ = std::move(kolekcja); }

    // "&Własne liczby": the own-numbers dialog over the active system; on OK the window takes the
    // new numbers and sure marks.
    void WlasneLiczby();
    // "Rozkład liczb w systemie": a distribution window over the active system. Null when there
    // is no idle system window.
    TfrmRozp* Rozklad();
    // "Sumuj systemy": the sum dialog over the idle system windows; on OK a new window sums or
    // subtracts the checked ones. Null when cancelled or refused.
    TfrmNoweOkno* SumujSystemy();
    // The New dialog's "Systemy złożone": `zaznaczone` index the open number systems in the order
    // the dialog listed them. Null when refused (the message says why).
    TfrmNoweOkno* Zloz(const std::vector<int>& zaznaczone);
    // The composite of two system windows in a new window, after the checks.
    TfrmNoweOkno* Zloz(TfrmNoweOkno& a, TfrmNoweOkno& b);
    // "Optymalizuj system": the optimise dialog over the active system; its result opens in a new
    // window and the source stays as it was. Null when cancelled or refused.
    TfrmNoweOkno* OptymalizujSystem();
    // The dialog's result in a new window for the game of `zrodlo`.
    TfrmNoweOkno* OtworzWynik(const TfrmNoweOkno& zrodlo, const TfrmOptymalizuj& dialog);

private:
    TfrmNoweOkno* AktywnySystem() const;
    // The open number system windows in the order the New dialog lists them.
    std::vector<TfrmNoweOkno*> OtwarteSystemy() const;
    // A new system window for the game of `zrodlo`, shown and active.
    TfrmNoweOkno* NoweOkno(const TfrmNoweOkno& zrodlo, const TInfoGryRec& info);

    TfrmGlowne& glowne_;
    TDostawcaKolekcji kolekcja_;
};

} // namespace tarvomund
