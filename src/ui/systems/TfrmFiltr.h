#pragma once

#include "model/TInfoGryRec.h"
#include "stats/TfrmKryteria.h"

namespace tarvomund {

// "Filtruj": the fourteen bet filters of a number system.
class TfrmFiltr : public TfrmKryteria {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1032;

    explicit TfrmFiltr(QWidget* parent = nullptr);

    // Captioned "Filtruj - <game> - k/n/bets" of the filtered system; the controls loaded from the
    // record, the page of its first chosen filter shown. Bet positions run 1..the system's bets.
    void Ustaw(const TObGraLista& gra, const TFiltr& filtr, const TInfoGryRec& system);
    const TFiltr& Filtr() const { return filtr_; }

private:
    TFiltr filtr_;
};

} // namespace tarvomund
