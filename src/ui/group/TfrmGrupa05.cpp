#include "group/TfrmGrupa05.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "group/PomocnikiGrupy.h"
#include "app/TfrmKomunikat.h"
#include "group/TfrmGrupa02.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

TfrmGrupa05::TfrmGrupa05(const TNaglowekGrupy& naglowek, const TGraGrupy& gra, QWidget* parent)
    : QDialog(parent), naglowek_(naglowek), gra_(gra), CLB1_(new QListWidget(this)),
      btnDodaj_(new QToolButton(this)), btnPopraw_(new QToolButton(this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    setWindowTitle(Tekst(TTekst::ListaGrajacych));
    CLB1_->setObjectName(QStringLiteral("CLB1"));
    btnDodaj_->setObjectName(QStringLiteral("btnDodaj"));
    btnPopraw_->setObjectName(QStringLiteral("btnPopraw"));
    btnDodaj_->setText(Tekst(TTekst::Dodaj));
    btnDodaj_->setToolTip(Tekst(TTekst::Dodaj));
    btnPopraw_->setText(Tekst(TTekst::Popraw));
    btnPopraw_->setToolTip(Tekst(TTekst::Popraw));

    auto* przyciski = PrzyciskiDialogu(this, QStringLiteral("Ok"), "btnOk");
    auto* gora = new QHBoxLayout;
    gora->addWidget(btnDodaj_);
    gora->addWidget(btnPopraw_);
    gora->addStretch();
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addWidget(CLB1_);
    uklad->addWidget(przyciski);
    resize(320, 420);

    connect(btnDodaj_, &QToolButton::clicked, this, &TfrmGrupa05::Dodaj);
    connect(btnPopraw_, &QToolButton::clicked, this, &TfrmGrupa05::Popraw);
    connect(CLB1_, &QListWidget::itemChanged, this, &TfrmGrupa05::Zaznaczono);
    Wypelnij();
}

void TfrmGrupa05::Wypelnij()
{
    const int wybrany = CLB1_->currentRow();
    const QSignalBlocker blokada(CLB1_);
    CLB1_->clear();
    miejsca_ = naglowek_.ZajeteMiejsca();
    for (int miejsce : miejsca_) {
        auto* element = new QListWidgetItem(QString::fromStdString(naglowek_.Nazwiska[static_cast<std::size_t>(miejsce)]));
        element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
        element->setCheckState(gra_.Uczestnicy[static_cast<std::size_t>(miejsce)].Gra ? Qt::Checked : Qt::Unchecked);
        CLB1_->addItem(element);
    }
    if (CLB1_->count() > 0)
        CLB1_->setCurrentRow(std::clamp(wybrany, 0, CLB1_->count() - 1));
    btnPopraw_->setEnabled(CLB1_->count() > 0);
}

void TfrmGrupa05::Zaznaczono(QListWidgetItem* element)
{
    const int wiersz = CLB1_->row(element);
    if (wiersz < 0 || wiersz >= static_cast<int>(miejsca_.size()))
        return;
    gra_.Uczestnicy[static_cast<std::size_t>(miejsca_[static_cast<std::size_t>(wiersz)])].Gra =
        element->checkState() == Qt::Checked;
}

void TfrmGrupa05::Dodaj()
{
    if (!naglowek_.PierwszeWolneMiejsce()) {
        Komunikat(Tekst(TTekst::ListaGrajacychJestJuzZapelniona), ObrazekStop, PrzyciskiOK, this);
        return;
    }
    TfrmGrupa02 dialog(QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<int> miejsce = naglowek_.DodajUczestnika(dialog.Nazwisko().toStdString());
    Wypelnij();
    // The new name is at its place in the list, which is the place order.
    for (std::size_t i = 0; miejsce && i < miejsca_.size(); ++i)
        if (miejsca_[i] == *miejsce)
            CLB1_->setCurrentRow(static_cast<int>(i));
}

void TfrmGrupa05::Popraw()
{
    const int wiersz = CLB1_->currentRow();
    if (wiersz < 0 || wiersz >= static_cast<int>(miejsca_.size()))
        return;
    const int miejsce = miejsca_[static_cast<std::size_t>(wiersz)];
    TfrmGrupa02 dialog(QString::fromStdString(naglowek_.Nazwiska[static_cast<std::size_t>(miejsce)]), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    naglowek_.ZmienNazwisko(miejsce, dialog.Nazwisko().toStdString());
    Wypelnij();
}

} // namespace tarvomund
