#pragma once

#include "group/PlikGrupy.h"
#include "group/PomocnikiGrupy.h"
#include "model/KatalogGier.h"

#include <QDialog>

#include <string>

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;

namespace tarvomund {

// A game of the group: its draw date, the game played (a name from the catalogue), what the
// system cost and what it won.
class TfrmGrupa03 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1018;
    static constexpr double NajwiekszaKwota = 999999999.99;

    // Today's date, the first game, nothing paid and nothing won. With an empty catalogue the game
    // name is typed instead of chosen.
    explicit TfrmGrupa03(const TKatalogGier& listaGier, QWidget* parent = nullptr);

    // An existing game: its values, and the first catalogue game of its name (the first game when
    // no game has that name any more).
    void Ustaw(const TGraGrupy& gra);

    double Data() const;
    std::string NazwaGry() const;
    TWartoscExt Koszt() const;
    TWartoscExt Wygrana() const;

    QDateEdit* DateEdit1() const { return DateEdit1_; }
    QComboBox* ComboBox1() const { return ComboBox1_; }
    QDoubleSpinBox* SpinKoszt() const { return spKoszt_; }
    QDoubleSpinBox* SpinWygrana() const { return spWygrana_; }

private:
    QDateEdit* DateEdit1_;
    QComboBox* ComboBox1_;
    QDoubleSpinBox* spKoszt_;
    QDoubleSpinBox* spWygrana_;
    TPoleWartosci koszt_;
    TPoleWartosci wygrana_;
};

} // namespace tarvomund
