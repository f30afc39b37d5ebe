#include "stats/TfrmWybStat.h"

#include "app/DatyQt.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "stats/OpisStatystyki.h"
#include "stats/TfrmWybstat2.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

using R = TRodzajStatystyki;
constexpr const char* FormatDaty = "dd.MM.yyyy";

QDateEdit* PoleDaty(QWidget* rodzic, const QString& nazwa)
{
    auto* pole = new QDateEdit(rodzic);
    pole->setObjectName(nazwa);
    pole->setDisplayFormat(QLatin1String(FormatDaty));
    pole->setCalendarPopup(true);
    pole->setMinimumDate(QDate(100, 1, 1));
    return pole;
}

void Wypelnij(QComboBox* lista, const std::vector<int32_t>& wartosci)
{
    lista->clear();
    for (int32_t v : wartosci)
        lista->addItem(QStringLiteral("[ %1 ]").arg(v));
}

// The caption of the first choice list by kind.
std::optional<TTekst> PodpisWyboru1(R rodzaj)
{
    switch (rodzaj) {
    case R::Liczby:
    case R::KolejneLiczby:
    case R::Parzyste:
    case R::Nieparzyste:
        return TTekst::IloscSzukanychLiczb;
    case R::ZadanaZKazda:
    case R::ZadanaParzysta:
    case R::ZadanaNieparzysta:
        return TTekst::SzukanaLiczba;
    case R::PrzedzialJeden:
        return TTekst::SzukanyPrzedzial;
    case R::WPrzedziale:
        return TTekst::Od2;
    default:
        return std::nullopt;
    }
}

void UstawIndeks(QComboBox* lista, int32_t indeks)
{
    if (indeks >= 0 && indeks < lista->count())
        lista->setCurrentIndex(indeks);
}

} // namespace

TfrmWybStat::TfrmWybStat(const TObGraLista& gra, const TParametryStatystyki& parametry, QWidget* parent)
    : QDialog(parent), gra_(gra), wynik_(parametry),
      podzial_([this](const TObGraLista& g, TParametryStatystyki& p) {
          TfrmWybstat2 dialog(g, p, this);
          if (dialog.exec() != QDialog::Accepted)
              return false;
          p = dialog.Wynik();
          return true;
      })
{
    setWindowTitle(Tekst(TTekst::ParametryStatystyki));
    UstawKontekstPomocy(this, KontekstPomocy);

    CB1_ = new QComboBox(this);
    CB1_->setObjectName(QStringLiteral("CB1"));
    for (int r = 0; r < IleRodzajowStatystyki; ++r)
        CB1_->addItem(PozycjaRodzaju(r));
    OdDaty_ = PoleDaty(this, QStringLiteral("OdDaty"));
    DoDaty_ = PoleDaty(this, QStringLiteral("DoDaty"));
    lblCB01_ = new QLabel(this);
    CB01_ = new QComboBox(this);
    CB01_->setObjectName(QStringLiteral("CB01"));
    lblCB02_ = new QLabel(Tekst(TTekst::ZakresWyszukiwania), this);
    CB02_ = new QComboBox(this);
    CB02_->setObjectName(QStringLiteral("CB02"));
    for (int g = 0; g < 4; ++g)
        CB02_->addItem(Tekst(TTekst::WszystkieLosowania, g));
    lblCB03_ = new QLabel(Tekst(TTekst::Do2), this);
    CB03_ = new QComboBox(this);
    CB03_->setObjectName(QStringLiteral("CB03"));
    lblRX1_ = new QLabel(Tekst(TTekst::WielkoscOdstepu), this);
    RX1_ = new QSpinBox(this);
    RX1_->setObjectName(QStringLiteral("RX1"));
    RX1_->setRange(1, MaxOdstepu);
    for (QLabel* etykieta : {lblCB01_, lblCB02_, lblCB03_, lblRX1_})
        etykieta->setMinimumWidth(150);
    lblCB01_->setBuddy(CB01_);
    lblCB02_->setBuddy(CB02_);
    lblCB03_->setBuddy(CB03_);
    lblRX1_->setBuddy(RX1_);

    btnOK_ = new QPushButton(Tekst(TTekst::OK), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnAnuluj_ = new QPushButton(Tekst(TTekst::Anuluj), this);
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    auto* daty = new QHBoxLayout;
    auto* etykietaOd = new QLabel(Tekst(TTekst::OdDaty), this);
    etykietaOd->setBuddy(OdDaty_);
    auto* etykietaDo = new QLabel(Tekst(TTekst::DoDaty), this);
    etykietaDo->setBuddy(DoDaty_);
    daty->addWidget(etykietaOd);
    daty->addWidget(OdDaty_);
    daty->addSpacing(20);
    daty->addWidget(etykietaDo);
    daty->addWidget(DoDaty_);
    daty->addStretch();

    auto* wybory = new QFormLayout;
    wybory->addRow(lblCB01_, CB01_);
    wybory->addRow(lblCB03_, CB03_);
    wybory->addRow(lblRX1_, RX1_);
    wybory->addRow(lblCB02_, CB02_);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);

    auto* uklad = new QVBoxLayout(this);
    auto* etykietaRodzaju = new QLabel(Tekst(TTekst::RodzajStatystyki), this);
    etykietaRodzaju->setBuddy(CB1_);
    uklad->addWidget(etykietaRodzaju);
    uklad->addWidget(CB1_);
    uklad->addLayout(daty);
    uklad->addLayout(wybory);
    uklad->addStretch();
    uklad->addLayout(przyciski);
    setMinimumWidth(560);

    connect(CB1_, &QComboBox::currentIndexChanged, this, &TfrmWybStat::CB1Change);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmWybStat::btnOKClick);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);

    // The record goes into the controls: dates, the kind (which fills the lists), then the choices.
    OdDaty_->setDate(DataQt(parametry.OdDaty));
    DoDaty_->setDate(DataQt(parametry.DoDaty));
    {
        const QSignalBlocker cicho(CB1_);
        CB1_->setCurrentIndex(std::clamp(parametry.Rodzaj, 0, IleRodzajowStatystyki - 1));
    }
    CB1Change();
    UstawIndeks(CB01_, parametry.Wybor1);
    UstawIndeks(CB02_, parametry.Grupowanie);
    UstawIndeks(CB03_, parametry.Wybor2);
    RX1_->setValue(parametry.Odstep);
}

void TfrmWybStat::CB1Change()
{
    const int32_t rodzaj = CB1_->currentIndex();
    const R r = static_cast<R>(rodzaj);
    const std::optional<TTekst> podpis = PodpisWyboru1(r);
    Wypelnij(CB01_, WartosciWyboru1(rodzaj, gra_.IleLiczb, gra_.IleLosowanych));
    Wypelnij(CB03_, WartosciWyboru2(rodzaj, gra_.IleLiczb));
    if (podpis)
        lblCB01_->setText(Tekst(*podpis));
    lblCB01_->setVisible(podpis.has_value());
    CB01_->setVisible(podpis.has_value());
    const bool doTez = r == R::WPrzedziale;
    lblCB03_->setVisible(doTez);
    CB03_->setVisible(doTez);
    const bool odstep = r == R::Odstepy;
    lblRX1_->setVisible(odstep);
    RX1_->setVisible(odstep);
    const bool grupy = CzyGrupowana(rodzaj);
    lblCB02_->setVisible(grupy);
    CB02_->setVisible(grupy);
    CB01_->setCurrentIndex(CB01_->count() > 0 ? 0 : -1);
    CB03_->setCurrentIndex(CB03_->count() > 0 ? 0 : -1);
}

void TfrmWybStat::btnOKClick()
{
    TParametryStatystyki p = wynik_;
    p.Rodzaj = CB1_->currentIndex();
    p.OdDaty = DniZDatyQt(OdDaty_->date());
    p.DoDaty = DniZDatyQt(DoDaty_->date());
    // A hidden list still gives its current index.
    p.Wybor1 = std::max(0, CB01_->currentIndex());
    p.Grupowanie = std::max(0, CB02_->currentIndex());
    p.Wybor2 = std::max(0, CB03_->currentIndex());
    p.Odstep = RX1_->value();
    if (p.OdDaty > p.DoDaty)
        std::swap(p.OdDaty, p.DoDaty);
    if (p.RodzajS() == R::WPrzedziale && p.Wybor2 < p.Wybor1)
        std::swap(p.Wybor1, p.Wybor2);
    if (p.RodzajS() == R::Blankiet && !podzial_(gra_, p))
        return;
    wynik_ = p;
    accept();
}

} // namespace tarvomund
