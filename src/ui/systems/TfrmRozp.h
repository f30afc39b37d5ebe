#pragma once

#include "app/TOknoDokumentu.h"
#include "app/Wydruk.h"
#include "model/TInfoGryRec.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QPagedPaintDevice;
class QTextEdit;

namespace tarvomund {

// A bar chart of shares in percent, one labelled bar per entry, painted without a chart library.
class TWykresSlupkowy : public QWidget {
    Q_OBJECT

public:
    struct TSlupek {
        QString Etykieta;
        double Wartosc = 0.0; // percent
    };

    explicit TWykresSlupkowy(QWidget* parent = nullptr);

    void Ustaw(std::vector<TSlupek> slupki);
    const std::vector<TSlupek>& Slupki() const { return slupki_; }
    // The top of the value axis: the largest bar rounded up to a step of the scale (at least one step).
    double GoraOsi() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    std::vector<TSlupek> slupki_;
};

// The distribution window "INFO": how often each number of a system occurs in its bets, as a
// coloured text (one line per position) and as a bar chart of the shares.
class TfrmRozp : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1029;
    static constexpr int Szerokosc = 500;
    static constexpr int Wysokosc = 260;

    explicit TfrmRozp(QWidget* parent = nullptr);

    // The text and the bars of a system: for each position its own number, its count and its share
    // of the bets (0 with no bets).
    void PokazRozklad(const TInfoGryRec& info);
    // "[  7] -      4     40.000 %": the number, its count and its share of the bets.
    static QString WierszRozkladu(int liczba, int ile, int zakladow);

    // The text area's lines, as they are printed.
    QStringList Wiersze() const;
    // The print job's title: "Rozkład liczb w grze <name> - System k/n/bets".
    const QString& TytulWydruku() const { return tytulWydruku_; }
    // The printout: the caption first, then the text area's lines.
    QStringList WierszeWydruku() const;
    // Prints onto a paged device; returns the pages used.
    int DrukujNa(QPagedPaintDevice& urzadzenie) const;

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Rozklad; }
    void Drukuj() override;

    QTextEdit* RE1() const { return RE1_; }
    TWykresSlupkowy* Chart1() const { return Chart1_; }

    QSize sizeHint() const override { return {Szerokosc, Wysokosc}; }

private:
    QString tytulWydruku_;
    QTextEdit* RE1_;
    TWykresSlupkowy* Chart1_;
};

} // namespace tarvomund
