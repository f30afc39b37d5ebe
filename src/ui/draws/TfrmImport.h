#pragma once

#include "draws/ParserLosowan.h"
#include "draws/TFormatowanie.h"
#include "model/TObGraLista.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarvomund {

class TFormater;

// "Wczytywanie losowań w formacie tekstowym": how the lines of a text list are built (start line,
// running number, date and its order, separators), with the lines re-cut into fields in the preview.
class TfrmImport : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1050;

    explicit TfrmImport(QWidget* parent = nullptr);

    // Loads the chosen file into the preview; false (and an empty preview) when it cannot be read.
    bool Wczytaj(const QString& plik);

    // The preview's lines with the dialog's choices, as the parser reads them.
    const TFormatowanie& Formatowanie() const;
    // The line layout of the dialog's choices for a game.
    TUkladWiersza Uklad(const TObGraLista& gra) const;

    QSpinBox* spStart() const { return spStart_; }
    QCheckBox* cbNumeracja() const { return cbNumeracja_; }
    QCheckBox* cbData() const { return cbData_; }
    QComboBox* cbKolejnosc() const { return cbKolejnosc_; }
    QCheckBox* cbTab() const { return cbTab_; }
    QCheckBox* cbSrednik() const { return cbSrednik_; }
    QCheckBox* cbKropka() const { return cbKropka_; }
    QCheckBox* cbPrzecinek() const { return cbPrzecinek_; }
    QCheckBox* cbSpacja() const { return cbSpacja_; }
    QCheckBox* cbInne() const { return cbInne_; }
    QLineEdit* edInne() const { return edInne_; }
    QCheckBox* cbJakoJeden() const { return cbJakoJeden_; }
    TFormater* Formater() const { return Formater_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    // The field width follows "Jest data" and "Jest numeracja w pierwszej kolumnie".
    void ZmianaUkladu();
    // Separators, "Inne", "Powtarzające się traktuj jako jeden" and the start line.
    void ZmianaPodzialu();

    QSpinBox* spStart_;
    QCheckBox* cbNumeracja_;
    QCheckBox* cbData_;
    QComboBox* cbKolejnosc_;
    QCheckBox* cbTab_;
    QCheckBox* cbSrednik_;
    QCheckBox* cbKropka_;
    QCheckBox* cbPrzecinek_;
    QCheckBox* cbSpacja_;
    QCheckBox* cbInne_;
    QLineEdit* edInne_;
    QCheckBox* cbJakoJeden_;
    TFormater* Formater_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
