#include "stats/TfrmWybstat2.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "slips/TBlank.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

const QColor KolorPodzialu(255, 0, 0);
constexpr int GruboscPodzialu = 2;
constexpr int BokPodgladu = 200;

QSpinBox* Pole(QWidget* rodzic, const QString& nazwa, int od, int do_, int wartosc)
{
    auto* pole = new QSpinBox(rodzic);
    pole->setObjectName(nazwa);
    pole->setRange(od, do_);
    pole->setValue(wartosc);
    return pole;
}

} // namespace

TfrmWybstat2::TfrmWybstat2(const TObGraLista& gra, const TParametryStatystyki& parametry, QWidget* parent)
    : QDialog(parent), gra_(gra), parametry_(parametry)
{
    setWindowTitle(Tekst(TTekst::PodzialBlankietu));
    UstawKontekstPomocy(this, KontekstPomocy);

    kolumny_ = Pole(this, QStringLiteral("kolumny"), 1, MaxKolumnBlankietu,
                    std::clamp(parametry.IleKolumn, 1, MaxKolumnBlankietu));
    rzedy_ = Pole(this, QStringLiteral("rzedy"), 1, MaxRzedowBlankietu,
                  std::clamp(parametry.IleRzedow, 1, MaxRzedowBlankietu));
    kierunek_ = new QCheckBox(Tekst(TTekst::KierunekPoziomy), this);
    kierunek_->setObjectName(QStringLiteral("kierunek"));
    kierunek_->setChecked(parametry.KierunekPoziomy);
    poziomo_ = Pole(this, QStringLiteral("poziomo"), 0, MaxRzedowBlankietu, parametry.RzedyGorne);
    pionowo_ = Pole(this, QStringLiteral("pionowo"), 0, MaxKolumnBlankietu, parametry.KolumnyLewe);

    auto* ramka = new QGroupBox(Tekst(TTekst::PodzialBlankietu), this);
    auto* ukladRamki = new QVBoxLayout(ramka);
    podzial_ = new QButtonGroup(this);
    for (int kod = 0; kod < 5; ++kod) {
        auto* pozycja = new QRadioButton(Tekst(TTekst::LiczbyWKolumnach, kod), ramka);
        podzial_->addButton(pozycja, kod);
        ukladRamki->addWidget(pozycja);
    }
    if (QAbstractButton* wybrany = podzial_->button(std::clamp(parametry.PodzialBlankietu, 0, 4)))
        wybrany->setChecked(true);

    btnOK_ = new QPushButton(Tekst(TTekst::OK), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnAnuluj_ = new QPushButton(Tekst(TTekst::Anuluj), this);
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    auto* siatka = new QFormLayout;
    siatka->addRow(Tekst(TTekst::IloscKolumn), kolumny_);
    siatka->addRow(Tekst(TTekst::IloscRzedow), rzedy_);
    siatka->addRow(kierunek_);
    siatka->addRow(Tekst(TTekst::PodzialRzedow), poziomo_);
    siatka->addRow(Tekst(TTekst::PodzialKolumn), pionowo_);

    auto* prawa = new QVBoxLayout;
    prawa->addLayout(siatka);
    prawa->addWidget(ramka);
    prawa->addStretch();
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    prawa->addLayout(przyciski);
    Blank1_ = new TBlank(this);
    Blank1_->setObjectName(QStringLiteral("Blank1"));
    Blank1_->setFixedSize(BokPodgladu, BokPodgladu);
    Blank1_->UstawLiniaKolor(KolorPodzialu);
    Blank1_->UstawLiniaGr(GruboscPodzialu);
    auto* uklad = new QHBoxLayout(this);
    uklad->addWidget(Blank1_, 0, Qt::AlignTop);
    uklad->addLayout(prawa);

    for (QSpinBox* pole : {kolumny_, rzedy_, poziomo_, pionowo_})
        connect(pole, &QSpinBox::valueChanged, this, &TfrmWybstat2::Odswiez);
    connect(kierunek_, &QCheckBox::toggled, this, &TfrmWybstat2::Odswiez);
    connect(podzial_, &QButtonGroup::idClicked, this, &TfrmWybstat2::Odswiez);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    Odswiez();
}

void TfrmWybstat2::Odswiez()
{
    poziomo_->setMaximum(std::max(0, rzedy_->value() - 1));
    pionowo_->setMaximum(std::max(0, kolumny_->value() - 1));
    const int kod = podzial_->checkedId();
    const bool rzedy = kod == static_cast<int>(TPodzialBlankietu::PolowkiPoziomo) ||
                       kod == static_cast<int>(TPodzialBlankietu::Cwiartki);
    const bool kolumny = kod == static_cast<int>(TPodzialBlankietu::PolowkiPionowo) ||
                         kod == static_cast<int>(TPodzialBlankietu::Cwiartki);
    poziomo_->setEnabled(rzedy);
    pionowo_->setEnabled(kolumny);
    Blank1_->UstawSiatke(kolumny_->value(), rzedy_->value(), gra_.IleLiczb, kierunek_->isChecked());
    Blank1_->UstawLiniePoz(rzedy, poziomo_->value());
    Blank1_->UstawLiniePion(kolumny, pionowo_->value());
}

TParametryStatystyki TfrmWybstat2::Wynik() const
{
    TParametryStatystyki p = parametry_;
    p.PodzialBlankietu = std::max(0, podzial_->checkedId());
    p.IleKolumn = kolumny_->value();
    p.IleRzedow = rzedy_->value();
    p.KierunekPoziomy = kierunek_->isChecked();
    p.RzedyGorne = poziomo_->value();
    p.KolumnyLewe = pionowo_->value();
    return p;
}

} // namespace tarvomund
