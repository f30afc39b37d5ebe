#include "stats/TSg00.h"

#include <QHeaderView>
#include <QPalette>

namespace tarvomund {

namespace {

const QColor KolorZaznaczenia(0, 0, 128);
const QColor KolorTekstuZaznaczenia(255, 255, 0);

} // namespace

TSg00::TSg00(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    QPalette paleta = palette();
    for (QPalette::ColorGroup grupa : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupa, QPalette::Highlight, KolorZaznaczenia);
        paleta.setColor(grupa, QPalette::HighlightedText, KolorTekstuZaznaczenia);
    }
    setPalette(paleta);
}

void TSg00::UstawRozmiar(int wierszy, int kolumn)
{
    setRowCount(wierszy);
    setColumnCount(kolumn);
    kolorPierwszej_.resize(wierszy);
    kolorWiersza_.resize(wierszy);
    for (int w = 0; w < wierszy; ++w)
        OdswiezWiersz(w);
}

void TSg00::UstawTekst(int wiersz, int kolumna, const QString& tekst)
{
    if (wiersz < 0 || wiersz >= rowCount() || kolumna < 0 || kolumna >= columnCount())
        return;
    QTableWidgetItem* komorka = item(wiersz, kolumna);
    if (!komorka) {
        komorka = new QTableWidgetItem;
        komorka->setTextAlignment(Qt::AlignCenter);
        setItem(wiersz, kolumna, komorka);
        const QColor kolor = KolorKomorki(wiersz, kolumna);
        if (kolor.isValid())
            komorka->setBackground(kolor);
    }
    komorka->setText(tekst);
}

QString TSg00::TekstKomorki(int wiersz, int kolumna) const
{
    const QTableWidgetItem* komorka = item(wiersz, kolumna);
    return komorka ? komorka->text() : QString();
}

void TSg00::UstawKolorPierwszej(int wiersz, const QColor& kolor)
{
    if (wiersz < 0 || wiersz >= kolorPierwszej_.size())
        return;
    kolorPierwszej_[wiersz] = kolor;
    OdswiezWiersz(wiersz);
}

void TSg00::UstawKolorWiersza(int wiersz, const QColor& kolor)
{
    if (wiersz < 0 || wiersz >= kolorWiersza_.size())
        return;
    kolorWiersza_[wiersz] = kolor;
    OdswiezWiersz(wiersz);
}

QColor TSg00::KolorKomorki(int wiersz, int kolumna) const
{
    if (wiersz < 0 || wiersz >= kolorPierwszej_.size())
        return {};
    return kolumna == 0 ? kolorPierwszej_[wiersz] : kolorWiersza_[wiersz];
}

void TSg00::OdswiezWiersz(int wiersz)
{
    // Every cell of a coloured row gets an item, so the colour shows also where no text stands.
    for (int k = 0; k < columnCount(); ++k) {
        const QColor kolor = KolorKomorki(wiersz, k);
        QTableWidgetItem* komorka = item(wiersz, k);
        if (!komorka && !kolor.isValid())
            continue;
        if (!komorka) {
            komorka = new QTableWidgetItem;
            komorka->setTextAlignment(Qt::AlignCenter);
            setItem(wiersz, k, komorka);
        }
        komorka->setBackground(kolor.isValid() ? QBrush(kolor) : QBrush());
    }
}

} // namespace tarvomund
