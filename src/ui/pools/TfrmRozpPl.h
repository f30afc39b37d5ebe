#pragma once

#include "app/TOknoDokumentu.h"
#include "model/TInfoGryRec.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class QPagedPaintDevice;
class QTextEdit;

namespace tarvomund {

// The distribution window "INFO" of a pool system: for every match how many bets carry "1", "x"
// and "2" there, with their shares of the bets.
class TfrmRozpPl : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1023;
    static constexpr int Szerokosc = 500;
    static constexpr int Wysokosc = 260;

    explicit TfrmRozpPl(QWidget* parent = nullptr);

    // The text of a pool system from its sign counts (entry 3 × (m − 1) + s − 1 for sign code s).
    void PokazRozklad(const TInfoGryRec& info);
    // " 1.       6(1)-> 66.67%     3(x)-> 33.33%     0(2)->  0.00%": the match, then each sign's
    // count and its share of the bets (0 with no bets).
    static QString WierszRozkladu(int mecz, const std::array<int32_t, 3>& ile, int32_t zakladow);

    // The text area's lines, as they are printed.
    QStringList Wiersze() const;
    // The print job's title: "Rozkład liczb w grze <name> - System k/bets".
    const QString& TytulWydruku() const { return tytulWydruku_; }
    // Prints the text area onto a paged device; returns the pages used.
    int DrukujNa(QPagedPaintDevice& urzadzenie) const;

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Rozklad; }
    void Drukuj() override;

    QTextEdit* RE1() const { return RE1_; }
    QSize sizeHint() const override { return {Szerokosc, Wysokosc}; }

private:
    QString tytulWydruku_;
    QTextEdit* RE1_;
};

} // namespace tarvomund
