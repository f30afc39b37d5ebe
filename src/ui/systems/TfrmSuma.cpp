#include "systems/TfrmSuma.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "systems/ArytmetykaSystemow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmSuma::TfrmSuma(std::vector<TSystemDoZlozenia> systemy, QWidget* parent)
    : QDialog(parent), systemy_(std::move(systemy)), CLB1_(new QListWidget(this)), RG1_(new QButtonGroup(this)),
      rbDodaj_(new QRadioButton(Tekst(TTekst::DodajSystemy))),
      rbOdejmij_(new QRadioButton(Tekst(TTekst::OdejmijSystemy))), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(QStringLiteral("+"));
    setModal(true);
    UstawKontekstPomocy(this, KontekstPomocy);
    CLB1_->setObjectName(QStringLiteral("CLB1"));
    rbDodaj_->setObjectName(QStringLiteral("rbDodaj"));
    rbOdejmij_->setObjectName(QStringLiteral("rbOdejmij"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    // Only the checks count; each item remembers its place in the list handed in.
    CLB1_->setSelectionMode(QAbstractItemView::NoSelection);
    for (std::size_t i = 0; i < systemy_.size(); ++i) {
        auto* element = new QListWidgetItem(systemy_[i].Tytul);
        element->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        element->setCheckState(Qt::Unchecked);
        element->setData(Qt::UserRole, static_cast<int>(i));
        CLB1_->addItem(element);
    }
    CLB1_->sortItems();
    connect(CLB1_, &QListWidget::itemChanged, this, &TfrmSuma::CLB1Zmiana);

    auto* RG1 = new QGroupBox(this);
    RG1->setObjectName(QStringLiteral("RG1"));
    auto* ukladRG1 = new QVBoxLayout(RG1);
    for (QRadioButton* pozycja : {rbDodaj_, rbOdejmij_}) {
        pozycja->setParent(RG1);
        ukladRG1->addWidget(pozycja);
    }
    RG1_->addButton(rbDodaj_);
    RG1_->addButton(rbOdejmij_);
    rbDodaj_->setChecked(true);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(CLB1_, 1);
    uklad->addWidget(RG1);
    uklad->addLayout(przyciski);
    resize(360, 300);

    connect(btnOK_, &QPushButton::clicked, this, &TfrmSuma::btnOKClick);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

int TfrmSuma::Indeks(const QListWidgetItem* element)
{
    return element->data(Qt::UserRole).toInt();
}

std::vector<int> TfrmSuma::Zaznaczone() const
{
    std::vector<int> zaznaczone;
    for (int i = 0; i < CLB1_->count(); ++i)
        if (CLB1_->item(i)->checkState() == Qt::Checked)
            zaznaczone.push_back(Indeks(CLB1_->item(i)));
    return zaznaczone;
}

bool TfrmSuma::Dodaj() const
{
    return rbDodaj_->isChecked();
}

void TfrmSuma::CLB1Zmiana(QListWidgetItem* element)
{
    if (element->checkState() != Qt::Checked) {
        if (Zaznaczone().empty())
            wzorzec_ = -1;
        return;
    }
    const int indeks = Indeks(element);
    if (wzorzec_ < 0) {
        wzorzec_ = indeks;
        return;
    }
    // Unchecking emits itemChanged again, which the branch above lets through.
    if (!TaSamaGra(systemy_[static_cast<std::size_t>(wzorzec_)].Info, systemy_[static_cast<std::size_t>(indeks)].Info))
        element->setCheckState(Qt::Unchecked);
}

void TfrmSuma::btnOKClick()
{
    if (Zaznaczone().empty())
        reject();
    else
        accept();
}

} // namespace tarvomund
