#include "systems/TfrmZakres.h"

#include "app/DatyQt.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"

#include <QDate>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

TfrmZakres::TfrmZakres(QWidget* parent, int kontekstPomocy)
    : QDialog(parent), DE1_(PoleDaty(this, "DE1")), DE2_(PoleDaty(this, "DE2")), Edit1_(new QLineEdit(this)),
      lblLosowan_(new QLabel(this)), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(Tekst(TTekst::Zakres));
    setModal(true);
    UstawKontekstPomocy(this, kontekstPomocy);
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->setReadOnly(true);
    lblLosowan_->setObjectName(QStringLiteral("lblLosowan"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    btnOK_->setDefault(true);

    auto* pola = new QFormLayout;
    pola->addRow(Tekst(TTekst::Od), DE1_);
    pola->addRow(Tekst(TTekst::Do), DE2_);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Edit1_);
    uklad->addLayout(pola);
    uklad->addWidget(lblLosowan_);
    uklad->addLayout(przyciski);

    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    connect(DE1_, &QDateEdit::dateChanged, this, &TfrmZakres::PoliczLosowania);
    connect(DE2_, &QDateEdit::dateChanged, this, &TfrmZakres::PoliczLosowania);
}

void TfrmZakres::Ustaw(double od, double do_, const TObGraLista& gra)
{
    losowania_ = &gra.Losowania;
    Edit1_->setText(QString::fromStdString(gra.Nazwa));
    DE1_->setDate(DataQt(od));
    DE2_->setDate(DataQt(do_));
    PoliczLosowania();
}

double TfrmZakres::Od() const
{
    return std::min(DniZDatyQt(DE1_->date()), DniZDatyQt(DE2_->date()));
}

double TfrmZakres::Do() const
{
    return std::max(DniZDatyQt(DE1_->date()), DniZDatyQt(DE2_->date()));
}

void TfrmZakres::PoliczLosowania()
{
    if (!losowania_) {
        lblLosowan_->clear();
        return;
    }
    lblLosowan_->setText(OpisZakresu(*losowania_, Od(), Do()));
}

QString TfrmZakres::OpisZakresu(const std::vector<TObLos>& losowania, double od, double do_)
{
    const auto ile = std::count_if(losowania.begin(), losowania.end(),
                                   [od, do_](const TObLos& los) { return los.Data >= od && los.Data <= do_; });
    return QStringLiteral("Losowań w zakresie: %1 z %2").arg(ile).arg(losowania.size());
}

QDateEdit* TfrmZakres::PoleDaty(QWidget* rodzic, const char* nazwa)
{
    auto* pole = new QDateEdit(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    pole->setCalendarPopup(true);
    // Day counts start at 30.12.1899.
    pole->setMinimumDate(QDate(1899, 12, 30));
    return pole;
}

std::optional<std::pair<double, double>> TfrmZakres::ZakresLosowan(const TObGraLista& gra)
{
    if (gra.Losowania.empty())
        return std::nullopt;
    // The history is kept in date order; the extremes also cover a list that is not.
    const auto [pierwsze, ostatnie] = std::minmax_element(
        gra.Losowania.begin(), gra.Losowania.end(), [](const TObLos& a, const TObLos& b) { return a.Data < b.Data; });
    return std::pair{pierwsze->Data, ostatnie->Data};
}

} // namespace tarvomund
