#pragma once

#include "app/KontekstPomocy.h"
#include "slips/EdytorBlankietu.h"

#include <QDialog>

#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace tarvomund {

// "Parametry pola": the sizes, place, number, kind and group of the selected fields. The group's
// own settings (bet or special group, ticked by default, counting start) change the group at once,
// also when the dialog is then cancelled; a new group is added with the button beside the list.
class TfrmParGr : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = KontekstEdytoraBlankietow;

    // Filled from the first selected field; the place and number only with one field selected.
    TfrmParGr(TBlankietOb& blankiet, const std::vector<TEdPolePom>& zaznaczenie, QWidget* parent = nullptr);

    // What OK gives the selected fields.
    TParametryPola Parametry() const;
    // True when a group was added or changed meanwhile.
    bool ZmienionoGrupy() const { return zmienionoGrupy_; }
    // "Nowa grupa" after its dialog: an existing name is chosen, a new one added.
    void DodajGrupe(const QString& nazwa);

    QDoubleSpinBox* edSzerPola() const { return edSzerPola_; }
    QDoubleSpinBox* edWysPola() const { return edWysPola_; }
    QDoubleSpinBox* edSzerZaz() const { return edSzerZaz_; }
    QDoubleSpinBox* edWysZaz() const { return edWysZaz_; }
    QDoubleSpinBox* edGrubosc() const { return edGrubosc_; }
    QDoubleSpinBox* edPozX() const { return edPozX_; }
    QDoubleSpinBox* edPozY() const { return edPozY_; }
    QComboBox* cbGrupa() const { return cbGrupa_; }
    QToolButton* btnNowaGrupa() const { return btnNowaGrupa_; }
    QRadioButton* rbZakladu() const { return rbZakladu_; }
    QRadioButton* rbSpecjalna() const { return rbSpecjalna_; }
    QCheckBox* chkZawsze() const { return chkZawsze_; }
    QSpinBox* edNrPola() const { return edNrPola_; }
    QSpinBox* edPocz() const { return edPocz_; }
    QToolButton* btnRodzaj(uint8_t rodzaj) const { return btnRodzaj_[rodzaj - MinRodzajPola]; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    TGrupaOb* WybranaGrupa();
    void PokazGrupe();
    void ZmienGrupe();
    void WypelnijListeGrup(std::optional<uint8_t> wybrana);

    TBlankietOb& blankiet_;
    bool zmienionoGrupy_ = false;
    QDoubleSpinBox* edSzerPola_;
    QDoubleSpinBox* edWysPola_;
    QDoubleSpinBox* edSzerZaz_;
    QDoubleSpinBox* edWysZaz_;
    QDoubleSpinBox* edGrubosc_;
    QDoubleSpinBox* edPozX_;
    QDoubleSpinBox* edPozY_;
    QComboBox* cbGrupa_;
    QToolButton* btnNowaGrupa_;
    QRadioButton* rbZakladu_;
    QRadioButton* rbSpecjalna_;
    QCheckBox* chkZawsze_;
    QSpinBox* edNrPola_;
    QSpinBox* edPocz_;
    QButtonGroup* rodzaje_;
    std::array<QToolButton*, MaxRodzajPola> btnRodzaj_{};
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

// A small picture of a field kind's mark, for the kind buttons and the editor's palette.
QIcon IkonaRodzajuPola(uint8_t rodzaj);

} // namespace tarvomund
