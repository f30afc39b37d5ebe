#pragma once

#include "stats/TfrmKryteria.h"

namespace tarvomund {

// "Wyszukiwanie losowań": the search in the draw base with its sixteen criteria.
class TfrmSzukBaza : public TfrmKryteria {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1039;

    explicit TfrmSzukBaza(QWidget* parent = nullptr);

    // Captioned "Wyszukiwanie losowań - <game>", the controls loaded from the record.
    void Ustaw(const TObGraLista& gra, const TFiltrSzukBaza& filtr);
    // The record as OK left it.
    const TFiltrSzukBaza& Filtr() const { return filtr_; }

private:
    TFiltrSzukBaza filtr_;
};

} // namespace tarvomund
