#include "systems/TfrmParam.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "systems/Kombinatoryka.h"
#include "systems/Metody.h"
#include "systems/TPanelRekordu.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace tarvomund {

namespace {

constexpr int SzerokoscPolaKombinacji = 20;
constexpr int SzerokoscPol = 190;

int Kod(TMetoda metoda)
{
    return static_cast<int>(metoda);
}

} // namespace

QString TekstKombinacji(long double ile)
{
    // Counts reach C(120, 60), far beyond any integer type; a double carries the digits shown.
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    const double zaokraglone = std::round(static_cast<double>(ile));
    return polski.toString(zaokraglone, 'f', 0).rightJustified(SzerokoscPolaKombinacji, QLatin1Char(' '));
}

int64_t IleKombinacji(int32_t n, int32_t k)
{
    return Zaokraglij(Kombinacje(n, k));
}

TfrmParam::TfrmParam(QWidget* parent)
    : QDialog(parent), spSkres_(new QSpinBox(this)), spLiczb_(new QSpinBox(this)),
      spZakladow_(new QDoubleSpinBox(this)), st1_(new QLabel(this)), cbMetoda_(new QComboBox(this)),
      lblGwar_(new QLabel(Tekst(TTekst::GwarancjaTrafienia), this)), cbGwar_(new QComboBox(this)),
      btnOk_(new QPushButton(Tekst(TTekst::OK3), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj3), this)),
      panelRekordu_(new TPanelRekordu(this))
{
    setModal(true);
    UstawKontekstPomocy(this, KontekstPomocy);

    spSkres_->setObjectName(QStringLiteral("spSkres"));
    spLiczb_->setObjectName(QStringLiteral("spLiczb"));
    spZakladow_->setObjectName(QStringLiteral("spZakladow"));
    st1_->setObjectName(QStringLiteral("st1"));
    cbMetoda_->setObjectName(QStringLiteral("cbMetoda"));
    lblGwar_->setObjectName(QStringLiteral("lblGwar"));
    cbGwar_->setObjectName(QStringLiteral("cbGwar"));
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    for (QSpinBox* pole : {spSkres_, spLiczb_}) {
        pole->setMinimum(1);
        pole->setAlignment(Qt::AlignRight);
    }
    spZakladow_->setDecimals(0);
    spZakladow_->setRange(1.0, MaxZakladow);
    spZakladow_->setAlignment(Qt::AlignRight);
    st1_->setFrameShape(QFrame::Panel);
    st1_->setFrameShadow(QFrame::Sunken);
    st1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < IleMetod; ++i)
        cbMetoda_->addItem(Tekst(TTekst::MetodaPelna, i));

    auto* siatka = new QGridLayout;
    const TTekst etykiety[] = {TTekst::IloscSkreslen, TTekst::IloscLiczb2, TTekst::IloscZakladow,
                               TTekst::IloscKombinacji, TTekst::MetodaGeneracjiSystemu};
    QWidget* pola[] = {spSkres_, spLiczb_, spZakladow_, st1_, cbMetoda_};
    int wiersz = 0;
    for (; wiersz < static_cast<int>(std::size(pola)); ++wiersz) {
        auto* etykieta = new QLabel(Tekst(etykiety[wiersz]), this);
        etykieta->setBuddy(pola[wiersz]);
        siatka->addWidget(etykieta, wiersz, 0);
        siatka->addWidget(pola[wiersz], wiersz, 1);
        pola[wiersz]->setMinimumWidth(SzerokoscPol);
    }
    siatka->addWidget(lblGwar_, wiersz, 0);
    siatka->addWidget(cbGwar_, wiersz, 1);
    // The guarantee row comes and goes with the method; the dialog keeps its size meanwhile.
    for (QWidget* w : {static_cast<QWidget*>(lblGwar_), static_cast<QWidget*>(cbGwar_)}) {
        QSizePolicy polityka = w->sizePolicy();
        polityka.setRetainSizeWhenHidden(true);
        w->setSizePolicy(polityka);
        w->hide();
    }
    panelRekordu_->DodajDo(siatka, wiersz + 1);
    siatka->setColumnStretch(1, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOk_);
    przyciski->addWidget(btnAnuluj_);
    btnOk_->setDefault(true);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addSpacing(6);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(spSkres_, &QSpinBox::valueChanged, this, &TfrmParam::spSkresChange);
    connect(spLiczb_, &QSpinBox::valueChanged, this, &TfrmParam::spLiczbChange);
    connect(cbMetoda_, &QComboBox::currentIndexChanged, this, &TfrmParam::cbMetodaChange);
    connect(cbGwar_, &QComboBox::currentIndexChanged, this, &TfrmParam::cbGwarChange);
    connect(btnOk_, &QPushButton::clicked, this, &TfrmParam::btnOkClick);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
    // The best known system follows every change, after the dialog's own rules have run.
    connect(spSkres_, &QSpinBox::valueChanged, this, &TfrmParam::PokazRekord);
    connect(spLiczb_, &QSpinBox::valueChanged, this, &TfrmParam::PokazRekord);
    connect(cbMetoda_, &QComboBox::currentIndexChanged, this, &TfrmParam::PokazRekord);
    connect(cbGwar_, &QComboBox::currentIndexChanged, this, &TfrmParam::PokazRekord);
}

void TfrmParam::PokazRekord()
{
    panelRekordu_->Pokaz(Metoda() == static_cast<int>(TMetoda::Gwarancyjna), Liczb(), Skreslen(), Gwarancja() + 1);
}

bool TfrmParam::Optymalizuj() const
{
    return panelRekordu_->Optymalizuj();
}

void TfrmParam::Ustaw(const TInfoGryRec& info)
{
    info_ = info;
    setWindowTitle(Tekst(TTekst::ParametryGry) + QLatin1Char(' ') + QString::fromStdString(info.Nazwa));
    {
        // Setting up must not run the change rules with half the values in place.
        const QSignalBlocker s(spSkres_), l(spLiczb_), m(cbMetoda_), g(cbGwar_);
        // Positions are bytes of 1..120 in the system file, whatever the game allows.
        spSkres_->setMaximum(std::clamp(info.MaxSkreslen, 1, MaxLiczbSystemu));
        spSkres_->setValue(info.k);
        spLiczb_->setMaximum(std::clamp(info.IleLiczb, 1, MaxLiczbSystemu));
        spLiczb_->setValue(info.n);
        UstawZakladow(info.Zakladow);
        // A sum or difference of systems (or an unknown code) offers the first method.
        cbMetoda_->setCurrentIndex(info.Metoda >= 0 && info.Metoda < IleMetod ? info.Metoda : Kod(TMetoda::Pelna));
        PokazKombinacje();
        cbGwar_->clear();
        for (int i = 1; i <= info.k; ++i)
            cbGwar_->addItem(QString::number(i));
        cbGwar_->setCurrentIndex(info.Gwarancja >= 0 && info.Gwarancja < cbGwar_->count() ? info.Gwarancja : 0);
    }
    cbMetodaChange();
    PokazRekord();
}

int32_t TfrmParam::Skreslen() const
{
    return spSkres_->value();
}

int32_t TfrmParam::Liczb() const
{
    return spLiczb_->value();
}

int64_t TfrmParam::Zakladow() const
{
    return std::llround(spZakladow_->value());
}

int32_t TfrmParam::Metoda() const
{
    return cbMetoda_->currentIndex();
}

int32_t TfrmParam::Gwarancja() const
{
    return std::max(cbGwar_->currentIndex(), 0);
}

TInfoGryRec TfrmParam::Wynik() const
{
    TInfoGryRec wynik = info_;
    wynik.k = Skreslen();
    wynik.n = Liczb();
    wynik.Zakladow = static_cast<int32_t>(std::min<int64_t>(Zakladow(), std::numeric_limits<int32_t>::max()));
    wynik.Metoda = Metoda();
    wynik.Gwarancja = Gwarancja();
    return wynik;
}

void TfrmParam::UstawZakladow(long double ile)
{
    // The field holds 1 .. 9999999999 whole bets, whatever is put into it.
    const long double zakres = std::clamp(ile, 1.0L, static_cast<long double>(MaxZakladow));
    spZakladow_->setValue(static_cast<double>(Zaokraglij(zakres)));
}

void TfrmParam::PokazKombinacje()
{
    st1_->setText(TekstKombinacji(Kombinacje(Liczb(), Skreslen())));
}

long double TfrmParam::ZakladowGwarancji() const
{
    return IlorazKombinacji(Skreslen(), Liczb(), Gwarancja() + 1);
}

void TfrmParam::spSkresChange()
{
    PokazKombinacje();
    const int64_t kombinacji = IleKombinacji(Liczb(), Skreslen());
    if (Zakladow() > kombinacji)
        UstawZakladow(static_cast<long double>(kombinacji));
    switch (static_cast<TMetoda>(Metoda())) {
    case TMetoda::Gwarancyjna:
        UstawZakladow(ZakladowGwarancji());
        break;
    case TMetoda::LancuchowaI:
        UstawZakladow(Liczb() - Skreslen() + 1);
        break;
    case TMetoda::LancuchowaII:
        UstawZakladow(Liczb());
        break;
    default:
        break;
    }
}

void TfrmParam::spLiczbChange()
{
    spSkresChange();
}

void TfrmParam::cbMetodaChange()
{
    const auto metoda = static_cast<TMetoda>(Metoda());
    const bool gwarancyjna = metoda == TMetoda::Gwarancyjna;
    lblGwar_->setVisible(gwarancyjna);
    cbGwar_->setVisible(gwarancyjna);
    switch (metoda) {
    case TMetoda::Gwarancyjna:
        spZakladow_->setEnabled(false);
        UstawZakladow(ZakladowGwarancji());
        break;
    case TMetoda::LancuchowaI:
        spZakladow_->setEnabled(false);
        UstawZakladow(Liczb() - Skreslen() + 1);
        break;
    case TMetoda::LancuchowaII:
        UstawZakladow(Liczb());
        spZakladow_->setEnabled(false);
        break;
    case TMetoda::Pelna:
    case TMetoda::SkroconaRownomierna:
    case TMetoda::SkroconaPrzypadkowa:
        spZakladow_->setEnabled(true);
        break;
    }
}

void TfrmParam::cbGwarChange()
{
    UstawZakladow(ZakladowGwarancji());
}

void TfrmParam::btnOkClick()
{
    const int64_t kombinacji = IleKombinacji(Liczb(), Skreslen());
    if (Zakladow() > kombinacji)
        UstawZakladow(static_cast<long double>(kombinacji));
    accept();
}

} // namespace tarvomund
