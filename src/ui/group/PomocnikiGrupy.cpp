#include "group/PomocnikiGrupy.h"

#include "app/PodgladWydruku.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace tarvomund {

namespace {

const QColor KolorZaznaczenia(0, 0, 128);
const QColor KolorZaznaczonegoTekstu(Qt::yellow);
constexpr int CzcionkaWydruku = 10;
constexpr int OdstepWiersza = 8;

} // namespace

void UstawSiatkeGrupy(QTableWidget* siatka, const QStringList& naglowki)
{
    siatka->setColumnCount(static_cast<int>(naglowki.size()));
    siatka->setHorizontalHeaderLabels(naglowki);
    siatka->verticalHeader()->hide();
    siatka->verticalHeader()->setDefaultSectionSize(siatka->fontMetrics().height() + OdstepWiersza);
    siatka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    siatka->setSelectionMode(QAbstractItemView::SingleSelection);
    siatka->setSelectionBehavior(QAbstractItemView::SelectRows);
    siatka->setWordWrap(false);
    QPalette paleta = siatka->palette();
    for (QPalette::ColorGroup grupa : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupa, QPalette::Highlight, KolorZaznaczenia);
        paleta.setColor(grupa, QPalette::HighlightedText, KolorZaznaczonegoTekstu);
    }
    siatka->setPalette(paleta);
}

void WypelnijSiatkeGrupy(QTableWidget* siatka, const std::vector<std::vector<std::string>>& wiersze,
                         int pierwszaKwota, int minimumWierszy)
{
    const int ile = std::max(static_cast<int>(wiersze.size()), minimumWierszy);
    siatka->clearContents();
    siatka->setRowCount(ile);
    // The padding rows cannot be chosen, so a command never stands on a row without a game.
    for (int w = static_cast<int>(wiersze.size()); w < ile; ++w) {
        for (int k = 0; k < siatka->columnCount(); ++k) {
            auto* pusty = new QTableWidgetItem;
            pusty->setFlags(Qt::NoItemFlags);
            siatka->setItem(w, k, pusty);
        }
    }
    for (int w = 0; w < static_cast<int>(wiersze.size()); ++w) {
        const auto& komorki = wiersze[static_cast<std::size_t>(w)];
        for (int k = 0; k < static_cast<int>(komorki.size()) && k < siatka->columnCount(); ++k) {
            auto* element = new QTableWidgetItem(QString::fromStdString(komorki[static_cast<std::size_t>(k)]));
            element->setTextAlignment(Qt::AlignVCenter | (k >= pierwszaKwota ? Qt::AlignRight : Qt::AlignLeft));
            siatka->setItem(w, k, element);
        }
    }
}

void UstawSumyPodSiatka(QTableWidget* sumy, QTableWidget* siatka)
{
    sumy->setColumnCount(siatka->columnCount());
    sumy->setRowCount(1);
    sumy->horizontalHeader()->hide();
    sumy->verticalHeader()->hide();
    sumy->verticalHeader()->setDefaultSectionSize(siatka->verticalHeader()->defaultSectionSize());
    sumy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sumy->setSelectionMode(QAbstractItemView::NoSelection);
    sumy->setFocusPolicy(Qt::NoFocus);
    sumy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sumy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sumy->setFixedHeight(sumy->verticalHeader()->defaultSectionSize() + 2 * sumy->frameWidth());
    QFont gruba = sumy->font();
    gruba.setBold(true);
    sumy->setFont(gruba);
    for (int k = 0; k < siatka->columnCount(); ++k)
        sumy->setColumnWidth(k, siatka->columnWidth(k));
    QObject::connect(siatka->horizontalHeader(), &QHeaderView::sectionResized, sumy,
                     [sumy](int kolumna, int, int szerokosc) { sumy->setColumnWidth(kolumna, szerokosc); });
    // The totals scroll sideways with the grid.
    QObject::connect(siatka->horizontalScrollBar(), &QScrollBar::valueChanged, sumy->horizontalScrollBar(),
                     &QScrollBar::setValue);
}

void UstawPoleKwoty(QDoubleSpinBox* pole, double maksimum)
{
    pole->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    pole->setDecimals(2);
    pole->setRange(0.0, maksimum);
    pole->setAlignment(Qt::AlignRight);
}

void TPoleWartosci::Ustaw(QDoubleSpinBox* pole, TWartoscExt wartosc)
{
    poczatkowa_ = wartosc;
    pole->setValue(wartosc.Wartosc());
    pokazana_ = pole->value();
}

TWartoscExt TPoleWartosci::Wartosc(const QDoubleSpinBox* pole) const
{
    return pole->value() == pokazana_ ? poczatkowa_ : TWartoscExt::Z(pole->value());
}

QDialogButtonBox* PrzyciskiDialogu(QDialog* dialog, const QString& potwierdz, const char* nazwaPotwierdz)
{
    auto* przyciski = new QDialogButtonBox(dialog);
    QPushButton* btnPotwierdz = przyciski->addButton(potwierdz, QDialogButtonBox::AcceptRole);
    QPushButton* btnAnuluj = przyciski->addButton(Tekst(TTekst::Anuluj), QDialogButtonBox::RejectRole);
    btnPotwierdz->setObjectName(QLatin1String(nazwaPotwierdz));
    btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
    btnPotwierdz->setDefault(true);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(przyciski, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return przyciski;
}

QStringList NaQt(const std::vector<std::string>& linie)
{
    QStringList wynik;
    wynik.reserve(static_cast<qsizetype>(linie.size()));
    for (const std::string& linia : linie)
        wynik << QString::fromStdString(linia);
    return wynik;
}

TWydrukWierszy WydrukGrupy(const QStringList& linie)
{
    QFont courier(QStringLiteral("Courier"), CzcionkaWydruku);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    return {linie, courier};
}

int DrukujTekstGrupyNa(QPagedPaintDevice& urzadzenie, const QStringList& linie)
{
    return Drukuj(urzadzenie, WydrukGrupy(linie)).Stron;
}

bool DrukujTekstGrupy(QWidget* rodzic, const QStringList& linie)
{
    return DrukujZPodgladem(rodzic, WydrukGrupy(linie), rodzic ? rodzic->windowTitle() : QString());
}

void BladOdczytuGrupy(QWidget* rodzic, const QString& plik)
{
    Komunikat(QStringLiteral("Błąd odczytu pliku ") + plik, ObrazekStop, PrzyciskiOK, rodzic);
}

void BladZapisuGrupy(QWidget* rodzic, const QString& plik)
{
    Komunikat(QStringLiteral("Błąd zapisu pliku ") + plik, ObrazekStop, PrzyciskiOK, rodzic);
}

} // namespace tarvomund
