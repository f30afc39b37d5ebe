#pragma once

#include <QColor>
#include <QTableWidget>
#include <QVector>

namespace tarvomund {

// A text grid with two colours per row: one for the row's first cell and one for its other cells.
// Text stands on one line, centred both ways; the selected cell is navy with yellow text.
class TSg00 : public QTableWidget {
    Q_OBJECT

public:
    explicit TSg00(QWidget* parent = nullptr);

    // Sets the size and keeps the row colours of the rows that remain.
    void UstawRozmiar(int wierszy, int kolumn);
    void UstawTekst(int wiersz, int kolumna, const QString& tekst);
    QString TekstKomorki(int wiersz, int kolumna) const;
    // An invalid colour leaves the cells plain. Setting a colour redraws the row.
    void UstawKolorPierwszej(int wiersz, const QColor& kolor);
    void UstawKolorWiersza(int wiersz, const QColor& kolor);
    QColor KolorKomorki(int wiersz, int kolumna) const;

private:
    void OdswiezWiersz(int wiersz);

    QVector<QColor> kolorPierwszej_;
    QVector<QColor> kolorWiersza_;
};

} // namespace tarvomund
