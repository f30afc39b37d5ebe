#include "group/TfrmGrupa02.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "group/PlikGrupy.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmGrupa02::TfrmGrupa02(const QString& nazwisko, QWidget* parent)
    : QDialog(parent), Edit1_(new QLineEdit(this)), btnOk_(new QPushButton(QStringLiteral("Ok"), this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    setWindowTitle(Tekst(TTekst::NazwiskoGrajacego));
    Edit1_->setObjectName(QStringLiteral("Edit1"));
    Edit1_->setMaxLength(static_cast<int>(DlugoscNazwiska));
    Edit1_->setText(nazwisko);
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnOk_->setDefault(true);
    auto* btnAnuluj = new QPushButton(Tekst(TTekst::Anuluj), this);
    btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));

    auto* etykieta = new QLabel(Tekst(TTekst::NazwiskoGrajacego), this);
    etykieta->setBuddy(Edit1_);
    auto* przyciski = new QDialogButtonBox(this);
    przyciski->addButton(btnOk_, QDialogButtonBox::AcceptRole);
    przyciski->addButton(btnAnuluj, QDialogButtonBox::RejectRole);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(etykieta);
    uklad->addWidget(Edit1_);
    uklad->addWidget(przyciski);
    setMinimumWidth(300);

    // The buttons are wired one by one: "Ok" must be able to stay put.
    connect(btnOk_, &QPushButton::clicked, this, &TfrmGrupa02::btnOkClick);
    connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmGrupa02::Nazwisko() const
{
    return Edit1_->text().trimmed();
}

void TfrmGrupa02::btnOkClick()
{
    if (Nazwisko().isEmpty()) {
        Edit1_->setFocus();
        return;
    }
    accept();
}

} // namespace tarvomund
