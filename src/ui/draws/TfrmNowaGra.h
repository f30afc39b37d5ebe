#pragma once

#include "model/TObGraLista.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarvomund {

class TBlank;

// The game definition dialog ("Nowa Gra"): a game's name, the numbers a bet may hold, the numbers
// the game has and draws, and the layout of its numbers on the slip, with a live preview of that
// layout. It serves a new game and the correction of an existing one; "Blankiety" ties slips to
// the game. OK needs a name and refuses a definition the game cannot hold (minimum above maximum,
// more drawn than numbers, or, when correcting, fewer numbers than its draws use).
class TfrmNowaGra : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstNowejGry = 1017;
    static constexpr int KontekstZmianyParametrow = 1053;

    // `katalogDane` is where "Blankiety" finds the slips.
    explicit TfrmNowaGra(QString katalogDane, QWidget* parent = nullptr);

    // A new game: empty name, the defaults; its slips are tied to `kodGry`, the code it will get.
    void UstawNowa(int32_t kodGry);
    // Correcting `gra`: the fields filled from it, the drawn count locked (its draw records depend
    // on it), its draws checked on OK.
    void UstawKorekta(const TObGraLista& gra);

    // The definition in the controls on top of the game handed in (its identity and file); the
    // draws are not part of it.
    TObGraLista Wynik() const;
    bool Korekta() const { return korekta_; }

    QLineEdit* edNazwa() const { return edNazwa_; }
    QSpinBox* spMin() const { return spMin_; }
    QSpinBox* spMax() const { return spMax_; }
    QSpinBox* spNorm() const { return spNorm_; }
    QSpinBox* spLiczb() const { return spLiczb_; }
    QSpinBox* spLosowanych() const { return spLosowanych_; }
    QLabel* lblLosowanych() const { return lblLosowanych_; }
    QSpinBox* spDodatkowych() const { return spDodatkowych_; }
    QSpinBox* spPoziomo() const { return spPoziomo_; }
    QSpinBox* spPionowo() const { return spPionowo_; }
    QCheckBox* cbKierunek() const { return cbKierunek_; }
    TBlank* Blank1() const { return Blank1_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }
    QPushButton* btnBlankiety() const { return btnBlankiety_; }

private:
    void Wypelnij(const TObGraLista& gra);
    void OdswiezPodglad();
    void btnOKClick();
    void btnBlankietyClick();

    QString katalogDane_;
    TObGraLista gra_;
    bool korekta_ = false;
    int32_t najwiekszaLiczba_ = 0; // the highest number of the corrected game's draws
    QLineEdit* edNazwa_;
    QSpinBox* spMin_;
    QSpinBox* spMax_;
    QSpinBox* spNorm_;
    QSpinBox* spLiczb_;
    QLabel* lblLosowanych_;
    QSpinBox* spLosowanych_;
    QSpinBox* spDodatkowych_;
    QSpinBox* spPoziomo_;
    QSpinBox* spPionowo_;
    QCheckBox* cbKierunek_;
    TBlank* Blank1_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
    QPushButton* btnBlankiety_;
};

} // namespace tarvomund
