#pragma once

#include <QObject>

class QCheckBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace tarvomund {

// The rows the parameters dialog shows for the guarantee method: the size of the best system known
// for the chosen n, k and guarantee, the lower bound, and whether the result is to be optimised.
class TPanelRekordu : public QObject {
    Q_OBJECT

public:
    // The optimiser's time for a guarantee system generated with the option on.
    static constexpr double SekundyOptymalizacji = 10.0;

    explicit TPanelRekordu(QWidget* rodzic);

    // Puts the three rows into the dialog's grid from row `wiersz` on.
    void DodajDo(QGridLayout* siatka, int wiersz);
    // Shows the rows (for the guarantee method) with the figures of n, k and the guarantee t, or hides them.
    void Pokaz(bool widoczny, int n, int k, int t);
    bool Optymalizuj() const;

    QLabel* stNajlepszy() const { return stNajlepszy_; }
    QLabel* stDolne() const { return stDolne_; }
    QCheckBox* chkOptymalizuj() const { return chkOptymalizuj_; }

private:
    QLabel* lblNajlepszy_;
    QLabel* stNajlepszy_;
    QLabel* lblDolne_;
    QLabel* stDolne_;
    QCheckBox* chkOptymalizuj_;
};

} // namespace tarvomund
