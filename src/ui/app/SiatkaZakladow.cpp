#include "app/SiatkaZakladow.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tarvomund {

namespace {

const QColor KolorZaznaczenia(0, 0, 128);
const QColor KolorZaznaczonegoTekstu(Qt::yellow);

} // namespace

void UstawWygladSiatki(QTableWidget& siatka)
{
    // The grid's own fixed row stands in for the headers; sections may be as narrow as the columns.
    for (QHeaderView* naglowek : {siatka.horizontalHeader(), siatka.verticalHeader()}) {
        naglowek->hide();
        naglowek->setMinimumSectionSize(0);
    }
    siatka.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    siatka.setEditTriggers(QAbstractItemView::NoEditTriggers);
    siatka.setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette paleta = siatka.palette();
    for (QPalette::ColorGroup grupa : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupa, QPalette::Highlight, KolorZaznaczenia);
        paleta.setColor(grupa, QPalette::HighlightedText, KolorZaznaczonegoTekstu);
    }
    siatka.setPalette(paleta);
}

int UstawKomorkiSiatki(QTableWidget& siatka, int k, int wierszy, int szerokoscPierwszej, int szerokoscLiczby,
                       int wysokoscWiersza, Qt::Alignment wyrownaniePierwszej)
{
    siatka.clear();
    siatka.setRowCount(wierszy);
    siatka.setColumnCount(k + 1);
    siatka.setColumnWidth(0, szerokoscPierwszej);
    for (int c = 1; c <= k; ++c)
        siatka.setColumnWidth(c, szerokoscLiczby);
    const QBrush tloNaglowka = siatka.palette().button();
    for (int r = 0; r < wierszy; ++r) {
        siatka.setRowHeight(r, wysokoscWiersza);
        for (int c = 0; c <= k; ++c) {
            auto* komorka = new QTableWidgetItem;
            if (r == 0) {
                // The fixed row: column numbers, and the progress of a running computation.
                komorka->setFlags(Qt::ItemIsEnabled);
                komorka->setBackground(tloNaglowka);
                komorka->setTextAlignment(Qt::AlignCenter);
                if (c > 0)
                    komorka->setText(QString::number(c));
            } else {
                komorka->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                komorka->setTextAlignment(c == 0 ? wyrownaniePierwszej : Qt::AlignRight | Qt::AlignVCenter);
            }
            siatka.setItem(r, c, komorka);
        }
    }
    return wierszy * wysokoscWiersza + 2 * siatka.frameWidth();
}

} // namespace tarvomund
