#include "app/TfrmUstawienia.h"

#include "app/TPoleLiczby.h"
#include "app/TZakladkiPrzyciski.h"
#include "app/TekstyUI.h"
#include "app/Ustawienia.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

QSpinBox* PoleLiczby(const QString& nazwa, TZakresUstawienia zakres, int32_t wartosc, QWidget* rodzic)
{
    auto* pole = new TPoleLiczby(rodzic);
    pole->setObjectName(nazwa);
    pole->setRange(zakres.Min, zakres.Max);
    pole->setValue(wartosc);
    return pole;
}

QCheckBox* PoleWyboru(const QString& nazwa, const QString& napis, bool wartosc, QWidget* rodzic)
{
    auto* pole = new QCheckBox(napis, rodzic);
    pole->setObjectName(nazwa);
    pole->setChecked(wartosc);
    return pole;
}

// The number field only applies while its check box is clear.
void WylaczaGdyZaznaczone(QCheckBox* pole, QSpinBox* liczba)
{
    liczba->setEnabled(!pole->isChecked());
    QObject::connect(pole, &QCheckBox::toggled, liczba, [liczba](bool zaznaczone) { liczba->setEnabled(!zaznaczone); });
}

} // namespace

TfrmUstawienia::TfrmUstawienia(TParametry& parametry, QWidget* parent)
    : QDialog(parent), parametry_(parametry), zakladki_(new TZakladkiPrzyciski(this))
{
    setWindowTitle(QStringLiteral("Ustawienia"));
    setModal(true);

    zakladki_->DodajZakladke(QStringLiteral("Ogolne"), new QWidget);
    zakladki_->DodajZakladke(Tekst(TTekst::Statystyka), UtworzStatystyke());
    zakladki_->DodajZakladke(QStringLiteral("Gwarancja"), UtworzGwarancje());

    auto* btnOK = new QPushButton(Tekst(TTekst::OK), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    auto* btnAnuluj = new QPushButton(Tekst(TTekst::Anuluj), this);
    btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
    connect(btnOK, &QPushButton::clicked, this, &TfrmUstawienia::accept);
    connect(btnAnuluj, &QPushButton::clicked, this, &TfrmUstawienia::reject);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK);
    przyciski->addWidget(btnAnuluj);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(zakladki_, 1);
    uklad->addLayout(przyciski);
}

QWidget* TfrmUstawienia::UtworzStatystyke()
{
    auto* strona = new QWidget;
    Spin1_ = PoleLiczby(QStringLiteral("Spin1"), ZakresSpin1, parametry_.Spin1, strona);
    CBox1_ = PoleWyboru(QStringLiteral("CBox1"), Tekst(TTekst::Wszystkie), parametry_.CBox1, strona);
    Spin11_ = PoleLiczby(QStringLiteral("Spin11"), ZakresSpin11, parametry_.Spin11, strona);
    WylaczaGdyZaznaczone(CBox1_, Spin1_);

    auto* siatka = new QGridLayout(strona);
    siatka->addWidget(new QLabel(Tekst(TTekst::IloscWyliczanychUkladowLiczbowych), strona), 0, 0);
    siatka->addWidget(Spin1_, 0, 1);
    siatka->addWidget(CBox1_, 1, 1);
    siatka->addWidget(new QLabel(Tekst(TTekst::GruboscLiniiNaWykresach), strona), 2, 0);
    siatka->addWidget(Spin11_, 2, 1);
    siatka->setColumnStretch(0, 1);
    siatka->setRowStretch(3, 1);
    return strona;
}

QWidget* TfrmUstawienia::UtworzGwarancje()
{
    auto* strona = new QWidget;
    spIleNad_ = PoleLiczby(QStringLiteral("spIleNad"), ZakresIleNad, parametry_.IleNad, strona);
    spIlePod_ = PoleLiczby(QStringLiteral("spIlePod"), ZakresIlePod, parametry_.IlePod, strona);
    cbMinMax_ = PoleWyboru(QStringLiteral("cbMinMax"), Tekst(TTekst::WypisujMinimalaIMaksymalnaGwarancjePonizej1),
                           parametry_.MinMax, strona);
    WylaczaGdyZaznaczone(cbMinMax_, spIlePod_);

    auto* siatka = new QGridLayout(strona);
    siatka->addWidget(new QLabel(Tekst(TTekst::IloscWypisywanychUkladowPowyzej1), strona), 0, 0);
    siatka->addWidget(spIleNad_, 0, 1);
    siatka->addWidget(new QLabel(Tekst(TTekst::IloscWypisywanychUkladowPonizej1), strona), 1, 0);
    siatka->addWidget(spIlePod_, 1, 1);
    siatka->addWidget(cbMinMax_, 2, 0, 1, 2);
    siatka->setColumnStretch(0, 1);
    siatka->setRowStretch(3, 1);
    return strona;
}

void TfrmUstawienia::accept()
{
    // A number still being typed counts as entered.
    for (QSpinBox* pole : {Spin1_, Spin11_, spIleNad_, spIlePod_})
        pole->interpretText();
    parametry_.Spin1 = Spin1_->value();
    parametry_.CBox1 = CBox1_->isChecked();
    parametry_.Spin11 = Spin11_->value();
    parametry_.IleNad = spIleNad_->value();
    parametry_.IlePod = spIlePod_->value();
    parametry_.MinMax = cbMinMax_->isChecked();
    ZapiszUstawienia(parametry_);
    QDialog::accept();
}

} // namespace tarvomund
