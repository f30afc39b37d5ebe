#include "slips/TfrmDodajDr.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "slips/PlikBlankietu.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace tarvomund {

TfrmDodajDr::TfrmDodajDr(QString katalogDane, int32_t kodGry, const QString& nazwaGry, QWidget* parent)
    : QDialog(parent), katalogDane_(std::move(katalogDane)), kodGry_(kodGry), lblGra_(new QLabel(nazwaGry, this)),
      CLB1_(new QListWidget(this)), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(Tekst(TTekst::PrzypisanieBlankietowDoGry));
    UstawKontekstPomocy(this, KontekstPomocy);
    lblGra_->setObjectName(QStringLiteral("lblGra"));
    CLB1_->setObjectName(QStringLiteral("CLB1"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    QFont pogrubiona = lblGra_->font();
    pogrubiona.setBold(true);
    lblGra_->setFont(pogrubiona);
    auto* naglowek = new QLabel(Tekst(TTekst::NazwyDostepnychBlankietow), this);
    naglowek->setBuddy(CLB1_);
    CLB1_->setToolTip(Tekst(TTekst::ZaznaczBlankietDoGry));
    CLB1_->setStatusTip(Tekst(TTekst::ZaznaczBlankietDoGry));
    CLB1_->setSelectionMode(QAbstractItemView::SingleSelection);

    // Damaged slip files are left out: they can be neither shown nor rewritten safely.
    for (const TOpisBlankietu& opis : ListaBlankietow(katalogDane_.toStdString())) {
        auto* wpis = new QListWidgetItem(QString::fromStdString(opis.Naglowek.Nazwa), CLB1_);
        wpis->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        wpis->setCheckState(opis.Naglowek.KodGry == kodGry_ ? Qt::Checked : Qt::Unchecked);
        wpis->setToolTip(QFileInfo(QString::fromStdString(opis.Plik)).fileName());
    }

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmDodajDr::btnOKClick);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lblGra_);
    uklad->addWidget(naglowek);
    uklad->addWidget(CLB1_, 1);
    uklad->addLayout(przyciski);
    resize(340, 360);
}

void TfrmDodajDr::btnOKClick()
{
    std::vector<TWpisPrzypisania> lista;
    for (int i = 0; i < CLB1_->count(); ++i)
        lista.push_back({CLB1_->item(i)->text().toStdString(), CLB1_->item(i)->checkState() == Qt::Checked});
    PrzypiszBlankiety(katalogDane_.toStdString(), kodGry_, lista);
    accept();
}

} // namespace tarvomund
