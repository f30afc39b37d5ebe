#include "systems/TfrmGwarancja.h"

#include "app/PodgladWydruku.h"
#include "app/KontekstPomocy.h"
#include "app/TPoleLiczby.h"
#include "app/TWatekObliczen.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "pools/Typowania.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

constexpr int KontekstGwarancji = 1028;
constexpr int KontekstGwarancjiPilkarskiej = 1022;
constexpr const char* LiniaKreskowana = "-------------------------------------";
constexpr const char* LiniaZamykajaca = "Tarvomund - gwarancja systemu";

QToolButton* Przycisk(QWidget* rodzic, const QString& tekst, const QString& podpowiedz)
{
    auto* przycisk = new QToolButton(rodzic);
    przycisk->setText(tekst);
    przycisk->setToolTip(podpowiedz);
    przycisk->setStatusTip(podpowiedz);
    przycisk->setMinimumWidth(48);
    return przycisk;
}

QString KNLiczba(int k, int n, int zakladow)
{
    return QStringLiteral("%1/%2/%3").arg(k).arg(n).arg(zakladow);
}

} // namespace

TfrmGwarancja::TfrmGwarancja(const TParametry& parametry, QWidget* parent)
    : QWidget(parent), parametry_(parametry)
{
    setWindowTitle(QStringLiteral("Gwarancja"));
    UstawKontekstPomocy(this, KontekstGwarancji);
    Gauge1_ = new QProgressBar(this);
    Gauge1_->setTextVisible(false);
    SpeedButton3_ = Przycisk(this, QStringLiteral("C"), Tekst(TTekst::Zerowanie));
    btnStart_ = Przycisk(this, Tekst(TTekst::PodpSysStart), Tekst(TTekst::PodpSysStart));
    btnStop_ = Przycisk(this, Tekst(TTekst::PodpSysStop), Tekst(TTekst::PodpSysStop));
    btnStop_->setEnabled(false);
    btnStart_->setEnabled(false);

    auto* ramkaBledu = new QGroupBox(Tekst(TTekst::Blad), this);
    ramkaBledu->setToolTip(QStringLiteral("Ustawienie marginesu błędu dla liczonej gwarancji"));
    auto* ukladBledu = new QGridLayout(ramkaBledu);
    RG2_ = new QButtonGroup(this);
    for (int i = 0; i < IleBledowGwarancji; ++i) {
        auto* pozycja = new QRadioButton(QStringLiteral("%1%").arg(ProcentBleduGwarancji(i)), ramkaBledu);
        RG2_->addButton(pozycja, i);
        ukladBledu->addWidget(pozycja, i / 5, i % 5);
    }
    RG2_->button(0)->setChecked(true);

    Spin1_ = new TPoleLiczby(this);
    Spin1_->setMinimum(1);
    Spin1_->setToolTip(Tekst(TTekst::IloscTrafien));
    lblSpin1_ = new QLabel(Tekst(TTekst::IloscTrafien), this);
    Label4_ = new QLabel(this);
    Label1_ = new QLabel(this);
    for (QLabel* etykieta : {Label4_, Label1_}) {
        etykieta->setMinimumWidth(90);
        etykieta->setFrameShape(QFrame::Panel);
        etykieta->setFrameShadow(QFrame::Sunken);
    }
    RE1_ = new QPlainTextEdit(this);
    RE1_->setReadOnly(true);
    RE1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    RE1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* panel = new QHBoxLayout;
    panel->addWidget(SpeedButton3_);
    panel->addWidget(btnStart_);
    panel->addWidget(btnStop_);
    panel->addWidget(lblSpin1_);
    panel->addWidget(Spin1_);
    panel->addWidget(ramkaBledu);
    auto* postep = new QVBoxLayout;
    postep->addWidget(Label4_);
    postep->addWidget(Label1_);
    panel->addLayout(postep);
    panel->addStretch();
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(panel);
    uklad->addWidget(Gauge1_);
    uklad->addWidget(RE1_, 1);
    resize(720, 480);

    connect(btnStart_, &QToolButton::clicked, this, &TfrmGwarancja::Start);
    connect(btnStop_, &QToolButton::clicked, this, [this] { przerwij_ = true; });
    connect(SpeedButton3_, &QToolButton::clicked, this, &TfrmGwarancja::Wyczysc);
}

TfrmGwarancja::~TfrmGwarancja()
{
    // The worker joins its thread; the computation ends at its next look at the stop flag.
    przerwij_ = true;
}

namespace {

// Loads a system for the guarantee; nothing, with the message shown, when it is too big or unreadable.
std::optional<TSystemGwarancji> WczytajDoGwarancji(const QString& plik, QWidget* okno)
{
    TBladWczytaniaGwarancji blad{};
    std::optional<TSystemGwarancji> system = WczytajSystemGwarancji(plik.toStdString(), &blad);
    if (!system) {
        const bool zaDuzy = blad == TBladWczytaniaGwarancji::ZbytDuzy;
        Komunikat(Tekst(zaDuzy ? TTekst::SystemJestZbytDuzy : TTekst::WystapilBladPodczasWczytywaniaSystemu),
                  ObrazekStop, PrzyciskiOK, okno);
    }
    return system;
}

} // namespace

bool TfrmGwarancja::Wczytaj(const QString& plik)
{
    std::optional<TSystemGwarancji> system = WczytajDoGwarancji(plik, this);
    if (!system)
        return false;
    system_ = std::move(*system);
    const int zakladow = static_cast<int>(system_.Zaklady.size());
    setWindowTitle(windowTitle() + QLatin1Char(' ') + KNLiczba(system_.k, system_.n, zakladow));
    Spin1_->setMaximum(std::max(1, std::min(system_.IleLosowanych, system_.n)));
    Spin1_->setValue(system_.k);
    NaglowekWyjscia(false);
    btnStart_->setEnabled(true);
    return true;
}

bool TfrmGwarancja::WczytajPilkarski(const QString& plik, const std::vector<TTypowanie>& typowania)
{
    std::optional<TSystemGwarancji> system = WczytajDoGwarancji(plik, this);
    if (!system || !system->Pilkarski) {
        if (system)
            Komunikat(Tekst(TTekst::WystapilBladPodczasWczytywaniaSystemu), ObrazekStop, PrzyciskiOK, this);
        return false;
    }
    system_ = std::move(*system);
    // The matches the window has typed with more than one sign are the ones whose outcomes count.
    system_.Typy = TypowaniaWielokrotne(typowania);
    UstawKontekstPomocy(this, KontekstGwarancjiPilkarskiej);
    Spin1_->hide();
    lblSpin1_->hide();
    // The hits are counted over all matches: the hidden field holds their count.
    Spin1_->setMaximum(std::max(1, system_.k));
    Spin1_->setValue(system_.k);
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + Tekst(TTekst::SystemPilkarski) + QLatin1Char(' ') +
                   QString::number(system_.Zaklady.size()));
    NaglowekWyjscia(false);
    btnStart_->setEnabled(true);
    return true;
}

void TfrmGwarancja::NaglowekWyjscia(bool poZerowaniu)
{
    const auto zakladow = static_cast<int>(system_.Zaklady.size());
    QString naglowek = Tekst(TTekst::GwarancjaDlaSystemu);
    if (!system_.Pilkarski)
        naglowek += KNLiczba(system_.k, system_.n, zakladow);
    else if (poZerowaniu) // "C" adds the abbreviation of bets behind the count
        naglowek += QLatin1Char(' ') + QString::number(zakladow) + QLatin1Char(' ') + Tekst(TTekst::Zakl);
    else
        naglowek += QLatin1Char(' ') + QString::number(zakladow);
    RE1_->appendPlainText(naglowek);
    RE1_->appendPlainText(QLatin1String(LiniaKreskowana));
}

void TfrmGwarancja::Wyczysc()
{
    RE1_->clear();
    NaglowekWyjscia(true);
}

QStringList TfrmGwarancja::Wiersze() const
{
    return RE1_->toPlainText().split(QLatin1Char('\n'));
}

void TfrmGwarancja::Start()
{
    if (pracuje_)
        return;
    RE1_->clear();
    Gauge1_->setRange(0, 100);
    Gauge1_->setValue(0);
    btnStart_->setEnabled(false);
    btnStop_->setEnabled(true);
    pracuje_ = true;
    przerwij_ = false;

    TUstawieniaGwarancji ustawienia;
    Spin1_->interpretText();
    ustawienia.m = Spin1_->value();
    ustawienia.IndeksBledu = RG2_->checkedId();
    ustawienia.IleNad = parametry_.IleNad;
    ustawienia.IlePod = parametry_.IlePod;
    ustawienia.MinMax = parametry_.MinMax;
    wynik_ = std::make_shared<TWynikGwarancji>();
    auto postep = [this](const TPostepGwarancji& p) {
        watek_.Synchronizuj([this, p] {
            Gauge1_->setValue(p.Pozycja);
            Label4_->setText(QString::fromStdString(p.Czas));
            Label1_->setText(QString::fromStdString(p.Procent));
        });
    };
    watek_.Uruchom(
        [this, ustawienia, postep, wynik = wynik_] {
            *wynik = TGenGwar01(system_, ustawienia, przerwij_, postep).Wykonaj();
        },
        [this, wynik = wynik_] { Zakoncz(*wynik); });
}

void TfrmGwarancja::Zakoncz(const TWynikGwarancji& wynik)
{
    for (const std::string& wiersz : wynik.Wiersze)
        RE1_->appendPlainText(QString::fromStdString(wiersz));
    btnStart_->setEnabled(true);
    btnStop_->setEnabled(false);
    pracuje_ = false;
    Gauge1_->setValue(0);
    Label1_->clear();
    Label4_->clear();
    if (wynik.ZaDuzoKonfiguracji)
        QMessageBox::warning(
            this, QStringLiteral("UWAGA"),
            QStringLiteral("Zbyt wiele konfiguracji.\r\nLiczenie gwarancji zostaje przerwane"));
}

QStringList TfrmGwarancja::WierszeWydruku() const
{
    // Start clears the window's own heading lines; the printout names the system all the same.
    QStringList naglowek{windowTitle()};
    if (!opisSystemu_.isEmpty())
        naglowek << opisSystemu_;
    return WierszeRaportu(naglowek, Wiersze(), QLatin1String(LiniaZamykajaca));
}

int TfrmGwarancja::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    return tarvomund::Drukuj(urzadzenie, TWydrukWierszy{WierszeWydruku(), RE1_->font()}).Stron;
}

void TfrmGwarancja::Drukuj()
{
    if (pracuje_)
        return;
    DrukujRaport(this, WierszeWydruku(), RE1_->font());
}

bool TfrmGwarancja::ZgodaNaZamkniecie()
{
    if (!pracuje_)
        return true;
    Komunikat(Tekst(TTekst::MusiszPrzerwacLiczenieGwarancji), ObrazekOstrzezenie, PrzyciskiOK, this);
    return false;
}

void TfrmGwarancja::closeEvent(QCloseEvent* zdarzenie)
{
    zdarzenie->setAccepted(MozeSieZamknac());
}

} // namespace tarvomund
