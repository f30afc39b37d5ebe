#pragma once

#include "app/TOknoDokumentu.h"
#include "group/PlikGrupy.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QPagedPaintDevice;
class QTableWidget;

namespace tarvomund {

// A settlement of a group: for every game in file order, each participant who plays it (all of
// them, or the one chosen) with the part of the cost, the share, the part of the winnings and the
// balance, and the three totals under the grid. The window keeps the figures of the moment it was
// opened.
class TfrmGrupa01 : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1019;

    TfrmGrupa01(const QString& tytul, const TGrupa& grupa, std::optional<int> miejsce, QWidget* parent = nullptr);

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::RozliczenieGrupy; }
    void Drukuj() override;
    QStringList WierszeWydruku() const;
    int DrukujNa(QPagedPaintDevice& urzadzenie) const;

    QTableWidget* Grid1() const { return Grid1_; }
    QTableWidget* Sumy() const { return Sumy_; }

    QSize sizeHint() const override;

private:
    QTableWidget* Grid1_;
    QTableWidget* Sumy_;
    QStringList wydruk_;
};

} // namespace tarvomund
