#pragma once

#include "stats/TfrmKryteria.h"

namespace tarvomund {

// "Wyszukiwanie liczb w losowaniach": the search in the numbers base with its ten criteria.
class TfrmSzukBazaL : public TfrmKryteria {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1041;

    explicit TfrmSzukBazaL(QWidget* parent = nullptr);

    // Captioned "Wyszukiwanie liczb w losowaniach - <game>", the controls loaded from the record.
    void Ustaw(const TObGraLista& gra, const TFiltrSzukBazaL& filtr);
    const TFiltrSzukBazaL& Filtr() const { return filtr_; }

private:
    TFiltrSzukBazaL filtr_;
    // The shared pages bind a sum range, which this search does not have.
    int32_t bezSumy_[2] = {};
};

} // namespace tarvomund
