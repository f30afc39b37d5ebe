#include "systems/TfrmOptymalizuj.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "systems/Metody.h"
#include "systems/RekordyPokrycUI.h"
#include "systems/TWyzarzaniePokrycia.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tarvomund {

namespace {

constexpr int SzerokoscPol = 150;
constexpr int DomyslneT = 3;

QLabel* Pole(QWidget* rodzic, const char* nazwa)
{
    auto* pole = new QLabel(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setFrameShape(QFrame::Panel);
    pole->setFrameShadow(QFrame::Sunken);
    pole->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return pole;
}

QString Zakladow(std::size_t ile)
{
    return QStringLiteral("%1 zakładów").arg(ile);
}

} // namespace

TfrmOptymalizuj::TfrmOptymalizuj(QWidget* parent)
    : QDialog(parent), lblSystem_(new QLabel(this)), spT_(new QSpinBox(this)), spM_(new QSpinBox(this)),
      spCzas_(new QSpinBox(this)), stNajlepszy_(Pole(this, "stNajlepszy")), stDolne_(Pole(this, "stDolne")),
      Gauge1_(new QProgressBar(this)), lblWynik_(new QLabel(this)),
      btnStart_(new QPushButton(Tekst(TTekst::PodpSysStart), this)),
      btnStop_(new QPushButton(Tekst(TTekst::PodpSysStop), this)),
      btnZamknij_(new QPushButton(QStringLiteral("Zamknij"), this))
{
    setModal(true);
    setWindowTitle(QStringLiteral("Optymalizuj system"));
    UstawKontekstPomocy(this, KontekstOptymalizacji);
    spT_->setObjectName(QStringLiteral("spT"));
    spM_->setObjectName(QStringLiteral("spM"));
    spCzas_->setObjectName(QStringLiteral("spCzas"));
    lblWynik_->setObjectName(QStringLiteral("lblWynik"));
    Gauge1_->setObjectName(QStringLiteral("Gauge1"));
    for (QSpinBox* pole : {spT_, spM_, spCzas_}) {
        pole->setMinimum(1);
        pole->setAlignment(Qt::AlignRight);
        pole->setMinimumWidth(SzerokoscPol);
    }
    spCzas_->setRange(1, MaxCzas);
    spCzas_->setValue(DomyslnyCzas);
    spT_->setToolTip(QStringLiteral("Ile trafionych liczb ma się znaleźć w co najmniej jednym zakładzie"));
    spM_->setToolTip(QStringLiteral("Ile liczb systemu musi zostać wylosowanych, by gwarancja obowiązywała"));
    Gauge1_->setRange(0, 100);
    Gauge1_->setValue(0);
    Gauge1_->setTextVisible(false);
    btnStop_->setEnabled(false);

    auto* siatka = new QGridLayout;
    const std::pair<QString, QWidget*> wiersze[] = {
        {QStringLiteral("Trafień w zakładzie (t)"), spT_},
        {QStringLiteral("Jeśli wylosowano z liczb systemu (m)"), spM_},
        {QStringLiteral("Limit czasu [s]"), spCzas_},
        {QStringLiteral("Najlepszy znany system"), stNajlepszy_},
        {QStringLiteral("Dolne ograniczenie"), stDolne_},
    };
    int wiersz = 0;
    for (const auto& [podpis, pole] : wiersze) {
        auto* etykieta = new QLabel(podpis, this);
        etykieta->setBuddy(pole);
        siatka->addWidget(etykieta, wiersz, 0);
        siatka->addWidget(pole, wiersz, 1);
        ++wiersz;
    }
    siatka->setColumnStretch(1, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(btnStart_);
    przyciski->addWidget(btnStop_);
    przyciski->addStretch();
    przyciski->addWidget(btnZamknij_);
    btnStart_->setDefault(true);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lblSystem_);
    uklad->addLayout(siatka);
    uklad->addSpacing(6);
    uklad->addWidget(Gauge1_);
    uklad->addWidget(lblWynik_);
    uklad->addSpacing(6);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(spT_, &QSpinBox::valueChanged, this, [this](int t) {
        // m is never below t.
        spM_->setMinimum(t);
        PokazRekord();
    });
    connect(spM_, &QSpinBox::valueChanged, this, &TfrmOptymalizuj::PokazRekord);
    connect(btnStart_, &QPushButton::clicked, this, &TfrmOptymalizuj::Start);
    connect(btnStop_, &QPushButton::clicked, this, &TfrmOptymalizuj::Stop);
    connect(btnZamknij_, &QPushButton::clicked, this, &TfrmOptymalizuj::reject);
}

TfrmOptymalizuj::~TfrmOptymalizuj()
{
    // The optimiser ends at its next look at the flag; the worker then joins its thread.
    przerwij_ = true;
}

bool TfrmOptymalizuj::Wczytaj(const QString& plik, const QString& opis)
{
    TBladOdczytuPokrycia blad = TBladOdczytuPokrycia::Brak;
    std::optional<TSystemPokrycia> system = CzytajSystemPokrycia(plik.toStdString(), MaxBlokow, &blad);
    if (!system) {
        Komunikat(blad == TBladOdczytuPokrycia::ZaDuzo
                      ? QStringLiteral("System ma zbyt wiele zakładów do optymalizacji !")
                      : Tekst(TTekst::WystapilBladPodczasWczytywaniaSystemu),
                  ObrazekStop, PrzyciskiOK, this);
        return false;
    }
    zrodlo_ = std::move(*system);
    const TInfoGryRec& info = zrodlo_.Info;
    setWindowTitle(QStringLiteral("Optymalizuj system ") + opis);
    lblSystem_->setText(QStringLiteral("System: %1 liczb, po %2 w zakładzie, %3")
                            .arg(info.n)
                            .arg(info.k)
                            .arg(Zakladow(zrodlo_.Zaklady.size())));
    // The guarantee the system was made for, or three hits if three drawn (as far as k allows).
    const int t = std::clamp(info.Metoda == static_cast<int32_t>(TMetoda::Gwarancyjna) ? info.Gwarancja + 1 : DomyslneT,
                             1, std::max(1, info.k));
    spT_->setRange(1, std::max(1, info.k));
    spM_->setRange(t, std::max(t, info.n));
    spT_->setValue(t);
    spM_->setValue(t);
    PokazRekord();
    return true;
}

TParametryPokrycia TfrmOptymalizuj::Parametry() const
{
    return {zrodlo_.Info.n, zrodlo_.Info.k, spT_->value(), spM_->value()};
}

void TfrmOptymalizuj::PokazRekord()
{
    const TParametryPokrycia p = Parametry();
    if (!p.Klasyczne()) {
        // The table holds coverings (t = m) only.
        stNajlepszy_->setText(QStringLiteral("nie dotyczy (t < m)"));
        stDolne_->setText(QStringLiteral("–"));
        return;
    }
    const TOpisRekordu opis = OpisRekordu(p.n, p.k, p.t);
    stNajlepszy_->setText(opis.TekstNajlepszego());
    stDolne_->setText(opis.Dolne > 0 ? QString::number(opis.Dolne) : QStringLiteral("–"));
}

void TfrmOptymalizuj::UstawPraca(bool pracuje)
{
    pracuje_ = pracuje;
    for (QWidget* w : {static_cast<QWidget*>(spT_), static_cast<QWidget*>(spM_), static_cast<QWidget*>(spCzas_),
                       static_cast<QWidget*>(btnStart_), static_cast<QWidget*>(btnZamknij_)})
        w->setEnabled(!pracuje);
    btnStop_->setEnabled(pracuje);
}

void TfrmOptymalizuj::Start()
{
    if (pracuje_ || zrodlo_.Info.n <= 0)
        return;
    TZadaniePokrycia zadanie;
    zadanie.Parametry = Parametry();
    switch (SprawdzZadanie(zadanie.Parametry)) {
    case TBladPokrycia::ZleParametry:
        Komunikat(QStringLiteral("Optymalizacja obejmuje zakłady najwyżej %1 liczb !").arg(MaxKOptymalizacji),
                  ObrazekOstrzezenie, PrzyciskiOK, this);
        return;
    case TBladPokrycia::ZaDuze:
        Komunikat(QStringLiteral("Zbyt wiele układów liczb do sprawdzenia – zmniejsz m !"), ObrazekOstrzezenie,
                  PrzyciskiOK, this);
        return;
    default:
        break;
    }
    zadanie.Sekundy = spCzas_->value();
    zadanie.Poczatkowe = zrodlo_.Zaklady;
    if (zadanie.Parametry.Klasyczne()) {
        // Nothing can be smaller than the lower bound: the run ends when it gets there.
        const TOpisRekordu rekord = OpisRekordu(zadanie.Parametry.n, zadanie.Parametry.k, zadanie.Parametry.t);
        zadanie.Cel = rekord.Dolne;
        zadanie.Znany = rekord.Najlepszy.value_or(0);
    }
    wynik_.reset();
    przerwij_ = false;
    Gauge1_->setValue(0);
    lblWynik_->setText(QStringLiteral("Szukanie…"));
    UstawPraca(true);
    auto wynik = std::make_shared<TWynikPokrycia>();
    auto postep = [this](const TPostepPokrycia& p) {
        watek_.Synchronizuj([this, p] {
            Gauge1_->setValue(static_cast<int>(std::lround(p.Procent)));
            if (p.Zakladow > 0)
                lblWynik_->setText(QStringLiteral("Najlepszy wynik: ") + Zakladow(static_cast<std::size_t>(p.Zakladow)));
        });
    };
    watek_.Uruchom([this, zadanie = std::move(zadanie), postep,
                    wynik] { *wynik = OptymalizujPokrycie(zadanie, przerwij_, postep); },
                   [this, wynik] { Zakoncz(*wynik); });
}

void TfrmOptymalizuj::Stop()
{
    przerwij_ = true;
}

void TfrmOptymalizuj::Zakoncz(const TWynikPokrycia& wynik)
{
    UstawPraca(false);
    Gauge1_->setValue(0);
    if (wynik.Blad != TBladPokrycia::Brak || wynik.Zaklady.empty()) {
        lblWynik_->clear();
        Komunikat(QStringLiteral("Nie znaleziono pełnego systemu !"), ObrazekOstrzezenie, PrzyciskiOK, this);
        return;
    }
    lblWynik_->setText(QStringLiteral("Najlepszy wynik: ") + Zakladow(wynik.Zaklady.size()));
    wynik_ = wynik.Zaklady;
    accept();
}

void TfrmOptymalizuj::reject()
{
    if (pracuje_)
        return;
    QDialog::reject();
}

} // namespace tarvomund
