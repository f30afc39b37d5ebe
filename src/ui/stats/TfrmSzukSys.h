#pragma once

#include "model/TInfoGryRec.h"
#include "stats/TfrmKryteria.h"

namespace tarvomund {

// "Szukaj": the search in a system, the twelve shared criteria and "already drawn".
class TfrmSzukSys : public TfrmKryteria {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1034;

    explicit TfrmSzukSys(QWidget* parent = nullptr);

    // Captioned "Szukaj - <game> - k/n/bets" of the searched system; the controls loaded from the
    // record. The dates are shown for "already drawn", the criterion they limit.
    void Ustaw(const TObGraLista& gra, const TFiltrSzukSys& filtr, const TInfoGryRec& system);
    const TFiltrSzukSys& Filtr() const { return filtr_; }

private:
    TFiltrSzukSys filtr_;
};

// "<prefix> - <game> - k/n/bets", the caption of the dialogs that work on a system.
QString TytulDlaSystemu(TTekst przedrostek, const TInfoGryRec& system);

} // namespace tarvomund
