#include "group/TfrmGrupa04.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "group/PomocnikiGrupy.h"
#include "group/RozliczenieGrupy.h"
#include "group/TekstyGrupy.h"
#include "group/TfrmGrupa05.h"
#include "group/TfrmGrupa06.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int PierwszaKolumnaKwot = 1;

} // namespace

TfrmGrupa04::TfrmGrupa04(const TNaglowekGrupy& naglowek, const TGraGrupy& gra, QWidget* parent)
    : QDialog(parent), naglowek_(naglowek), gra_(gra), lblNazwa_(new QLabel(this)), lblData_(new QLabel(this)),
      Grid1_(new QTableWidget(this)), btnPodziel_(new QToolButton(this)), btnPopraw_(new QToolButton(this)),
      btnDrukuj_(new QToolButton(this)), btnDopisz_(new QPushButton(Tekst(TTekst::Dopisz), this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    const QString nazwa = QString::fromStdString(gra_.NazwaGry);
    const QString dzien = QString::fromStdString(DzienIData(gra_.Data));
    setWindowTitle(Tekst(TTekst::UdzialyKosztyIZyski) + QStringLiteral(" - ") + nazwa + QStringLiteral(" - ") + dzien);
    lblNazwa_->setObjectName(QStringLiteral("lblNazwa"));
    lblData_->setObjectName(QStringLiteral("lblData"));
    lblNazwa_->setText(nazwa);
    lblData_->setText(dzien);
    QFont gruba = lblNazwa_->font();
    gruba.setBold(true);
    lblNazwa_->setFont(gruba);
    lblData_->setFont(gruba);

    Grid1_->setObjectName(QStringLiteral("Grid1"));
    UstawSiatkeGrupy(Grid1_, {Tekst(TTekst::NazwiskoGrajacego), Tekst(TTekst::Udzial), Tekst(TTekst::Koszty),
                              Tekst(TTekst::Wygrana)});
    Grid1_->setColumnWidth(0, 220);
    for (int k = 1; k < Grid1_->columnCount(); ++k)
        Grid1_->setColumnWidth(k, 110);
    Grid1_->horizontalHeader()->setStretchLastSection(true);

    btnPodziel_->setObjectName(QStringLiteral("btnPodziel"));
    btnPopraw_->setObjectName(QStringLiteral("btnPopraw"));
    btnDrukuj_->setObjectName(QStringLiteral("btnDrukuj"));
    btnDopisz_->setObjectName(QStringLiteral("btnDopisz"));
    btnPodziel_->setText(QStringLiteral("/"));
    btnPodziel_->setToolTip(Tekst(TTekst::PodzielKosztyRownoNaWszystkichUczestnikowGry));
    btnPopraw_->setText(Tekst(TTekst::Popraw));
    btnPopraw_->setToolTip(Tekst(TTekst::PoprawDaneUczestnikaGrupy));
    btnDrukuj_->setText(Tekst(TTekst::Drukuj));
    btnDrukuj_->setToolTip(Tekst(TTekst::PodpNarzDrukuj));
    auto* btnOK = new QPushButton(Tekst(TTekst::OK), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);

    auto* naglowekOkna = new QHBoxLayout;
    naglowekOkna->addWidget(lblNazwa_);
    naglowekOkna->addStretch();
    naglowekOkna->addWidget(lblData_);
    auto* podzial = new QHBoxLayout;
    podzial->addWidget(btnPodziel_);
    podzial->addWidget(new QLabel(Tekst(TTekst::PodzielKosztyRownoNaWszystkichUczestnikowGry), this));
    podzial->addStretch();
    podzial->addWidget(btnPopraw_);
    podzial->addWidget(btnDrukuj_);
    auto* dol = new QHBoxLayout;
    dol->addWidget(btnDopisz_);
    dol->addStretch();
    dol->addWidget(btnOK);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(naglowekOkna);
    uklad->addWidget(Grid1_);
    uklad->addLayout(podzial);
    uklad->addLayout(dol);
    resize(620, 420);

    connect(btnPodziel_, &QToolButton::clicked, this, &TfrmGrupa04::PodzielRowno);
    connect(btnPopraw_, &QToolButton::clicked, this, &TfrmGrupa04::PoprawUdzial);
    connect(btnDrukuj_, &QToolButton::clicked, this, &TfrmGrupa04::Drukuj);
    connect(btnDopisz_, &QPushButton::clicked, this, &TfrmGrupa04::Dopisz);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Grid1_, &QTableWidget::cellDoubleClicked, this, &TfrmGrupa04::PoprawUdzial);
    Pokaz();
}

void TfrmGrupa04::Pokaz()
{
    const int wybrany = Grid1_->currentRow();
    miejsca_.clear();
    for (const TUdzialWGrze& udzial : UdzialyGry(gra_))
        miejsca_.push_back(udzial.Miejsce);
    WypelnijSiatkeGrupy(Grid1_, TabelaUdzialow(naglowek_, gra_), PierwszaKolumnaKwot);
    const bool ktosGra = !miejsca_.empty();
    if (ktosGra)
        Grid1_->selectRow(std::clamp(wybrany, 0, Grid1_->rowCount() - 1));
    for (QToolButton* przycisk : {btnPodziel_, btnPopraw_, btnDrukuj_})
        przycisk->setEnabled(ktosGra);
}

int TfrmGrupa04::WybraneMiejsce() const
{
    const int wiersz = Grid1_->currentRow();
    if (wiersz < 0 || wiersz >= static_cast<int>(miejsca_.size()))
        return -1;
    return miejsca_[static_cast<std::size_t>(wiersz)];
}

void TfrmGrupa04::PodzielRowno()
{
    tarvomund::PodzielRowno(gra_);
    Pokaz();
}

void TfrmGrupa04::PoprawUdzial()
{
    const int miejsce = WybraneMiejsce();
    if (miejsce < 0)
        return;
    TUczestnikGry& uczestnik = gra_.Uczestnicy[static_cast<std::size_t>(miejsce)];
    TfrmGrupa06 dialog(QString::fromStdString(naglowek_.Nazwiska[static_cast<std::size_t>(miejsce)]),
                       uczestnik.Udzial, this);
    if (dialog.exec() == QDialog::Accepted)
        uczestnik.Udzial = dialog.Udzial();
    Pokaz();
    // Confirmed or not, the sum is checked; the shares stay as entered.
    if (UdzialyPrzekraczaja100(gra_))
        Komunikat(Tekst(TTekst::SumaUdzialowWszystkichGrajacychPrzekracza100), ObrazekOstrzezenie, PrzyciskiOK, this);
}

void TfrmGrupa04::Dopisz()
{
    TfrmGrupa05 dialog(naglowek_, gra_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    naglowek_ = dialog.Naglowek();
    gra_ = dialog.Gra();
    Pokaz();
}

QStringList TfrmGrupa04::WierszeWydruku() const
{
    return NaQt(WydrukUdzialow(windowTitle().toStdString(), TabelaUdzialow(naglowek_, gra_)));
}

int TfrmGrupa04::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    return DrukujTekstGrupyNa(urzadzenie, WierszeWydruku());
}

void TfrmGrupa04::Drukuj()
{
    DrukujTekstGrupy(this, WierszeWydruku());
}

} // namespace tarvomund
