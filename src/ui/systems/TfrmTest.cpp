#include "systems/TfrmTest.h"

#include "app/DatyQt.h"
#include "app/PodgladWydruku.h"
#include "app/KontekstPomocy.h"
#include "app/SiatkaZakladow.h"
#include "app/TPoleLiczby.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "model/Wspolne.h"
#include "systems/Losowosc.h"
#include "systems/TfrmNumery3.h"
#include "systems/TfrmZakres.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace tarvomund {

namespace {

constexpr int WierszeSiatki = TfrmTest::IleWierszy + 1; // row 0 is the fixed heading row
constexpr int OdstepWiersza = 6;
constexpr int OdstepPostepuMs = 100;
// The progress bar counts in this many steps, however many bets or comparisons a run has.
constexpr int KrokowPaska = 10000;
constexpr int MaxCyfrMinimum = 99; // "at most 2 digits"
constexpr const char* LiniaZamykajaca = "Tarvomund - test systemu";
constexpr const char* LacznikZakresu = "  <-->  ";

const QColor KolorTrafionej(Qt::red);
const QColor TloTrafionej(255, 255, 170);

QToolButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst, const QString& podpowiedz)
{
    auto* przycisk = new QToolButton(rodzic);
    przycisk->setObjectName(QLatin1String(nazwa));
    przycisk->setText(tekst);
    przycisk->setToolTip(podpowiedz);
    przycisk->setStatusTip(podpowiedz);
    przycisk->setMinimumWidth(48);
    return przycisk;
}

QRadioButton* Radio(QWidget* rodzic, const char* nazwa, const QString& podpowiedz)
{
    auto* radio = new QRadioButton(rodzic);
    radio->setObjectName(QLatin1String(nazwa));
    radio->setToolTip(podpowiedz);
    radio->setStatusTip(podpowiedz);
    return radio;
}

QLabel* Pole(QWidget* rodzic, const char* nazwa, int szerokosc)
{
    auto* pole = new QLabel(rodzic);
    pole->setObjectName(QLatin1String(nazwa));
    pole->setMinimumWidth(szerokosc);
    pole->setFrameShape(QFrame::Panel);
    pole->setFrameShadow(QFrame::Sunken);
    return pole;
}

int64_t TerazMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

TfrmTest::TfrmTest(QWidget* parent)
    : QWidget(parent),
      btnC_(Przycisk(this, "btnC", QStringLiteral("C"), Tekst(TTekst::Zerowanie))),
      btnLiczby_(Przycisk(this, "btnLiczby", QStringLiteral("Liczby"), Tekst(TTekst::WlasneLiczby))),
      btnZakres_(Przycisk(this, "btnZakres", Tekst(TTekst::Zakres), Tekst(TTekst::Zakres))),
      btnStart_(Przycisk(this, "btnStart", Tekst(TTekst::PodpSysStart), Tekst(TTekst::PodpSysStart))),
      btnStop_(Przycisk(this, "btnStop", Tekst(TTekst::PodpSysStop), Tekst(TTekst::PodpSysStop))),
      RadioButton1_(Radio(this, "RadioButton1",
                          QStringLiteral("Test w/g liczb które musisz wprowadzić przyciskiem LICZBY"))),
      RadioButton2_(Radio(this, "RadioButton2", QStringLiteral("Komputer sam generuje liczby - symulacja"))),
      RadioButton3_(Radio(this, "RadioButton3",
                          QStringLiteral("Test w/g losowań znajdujących się bazie - ustaw Zakres"))),
      SpinEdit1_(new TPoleLiczby(this)), ST1_(Pole(this, "ST1", 190)), ST2_(Pole(this, "ST2", 70)),
      Gauge1_(new QProgressBar(this)), splitter_(new QSplitter(Qt::Horizontal, this)),
      panelSiatki_(new QWidget(splitter_)), Grid1_(new QTableWidget(panelSiatki_)),
      Scroll_(new QScrollBar(Qt::Vertical, panelSiatki_)), RE1_(new QPlainTextEdit(splitter_))
{
    setWindowTitle(Tekst(TTekst::Test));
    UstawKontekstPomocy(this, KontekstPomocy);
    RadioButton1_->setText(Tekst(TTekst::WGWprowadzanychLiczb));
    RadioButton2_->setText(Tekst(TTekst::WGPrzypadkowegoLosowania));
    RadioButton3_->setText(Tekst(TTekst::WGBazyLosowan));
    RadioButton1_->setChecked(true);
    auto* radia = new QButtonGroup(this);
    for (QRadioButton* radio : {RadioButton1_, RadioButton2_, RadioButton3_})
        radia->addButton(radio);
    SpinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1_->setToolTip(Tekst(TTekst::MinimalnaIloscTrafien));
    SpinEdit1_->setStatusTip(Tekst(TTekst::MinimalnaIloscTrafien));
    SpinEdit1_->setRange(1, MaxCyfrMinimum);
    Gauge1_->setObjectName(QStringLiteral("Gauge1"));
    Gauge1_->setTextVisible(false);
    Gauge1_->setFixedHeight(12);
    Gauge1_->setRange(0, KrokowPaska);
    Gauge1_->setValue(0);
    btnZakres_->hide();

    Grid1_->setObjectName(QStringLiteral("Grid1"));
    Scroll_->setObjectName(QStringLiteral("Scroll"));
    UstawWygladSiatki(*Grid1_);
    Scroll_->setRange(1, 1);
    Scroll_->setPageStep(IleWierszy);
    auto* ukladSiatki = new QHBoxLayout(panelSiatki_);
    ukladSiatki->setContentsMargins(0, 0, 0, 0);
    ukladSiatki->setSpacing(0);
    ukladSiatki->addWidget(Grid1_, 1, Qt::AlignTop);
    ukladSiatki->addWidget(Scroll_, 0, Qt::AlignTop);

    RE1_->setObjectName(QStringLiteral("RE1"));
    RE1_->setReadOnly(true);
    RE1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    RE1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    splitter_->setObjectName(QStringLiteral("Splitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(1, 1);

    auto* przyciski = new QHBoxLayout;
    for (QToolButton* przycisk : {btnC_, btnLiczby_, btnZakres_, btnStart_, btnStop_})
        przyciski->addWidget(przycisk);
    przyciski->addSpacing(12);
    przyciski->addWidget(new QLabel(Tekst(TTekst::MinimalnaIloscTrafien), this));
    przyciski->addWidget(SpinEdit1_);
    przyciski->addSpacing(12);
    przyciski->addWidget(ST1_);
    przyciski->addWidget(ST2_);
    przyciski->addStretch();
    auto* tryby = new QHBoxLayout;
    for (QRadioButton* radio : {RadioButton1_, RadioButton2_, RadioButton3_})
        tryby->addWidget(radio);
    tryby->addStretch();
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(przyciski);
    uklad->addLayout(tryby);
    uklad->addWidget(Gauge1_);
    uklad->addWidget(splitter_, 1);
    resize(760, 500);

    connect(btnC_, &QToolButton::clicked, this, &TfrmTest::Wyczysc);
    connect(btnLiczby_, &QToolButton::clicked, this, &TfrmTest::WybierzLiczby);
    connect(btnZakres_, &QToolButton::clicked, this, &TfrmTest::WybierzZakres);
    connect(btnStart_, &QToolButton::clicked, this, &TfrmTest::Start);
    connect(btnStop_, &QToolButton::clicked, this, [this] { przerwij_ = true; });
    for (QRadioButton* radio : {RadioButton1_, RadioButton2_, RadioButton3_})
        connect(radio, &QRadioButton::toggled, this, [this](bool wlaczony) {
            if (wlaczony)
                UstawTryb();
        });
    connect(Scroll_, &QScrollBar::valueChanged, this, &TfrmTest::PokazStrone);

    // Nothing is loaded yet: only a load makes Start usable.
    for (QWidget* w : std::initializer_list<QWidget*>{btnC_, btnLiczby_, btnZakres_, btnStart_, btnStop_, SpinEdit1_})
        w->setEnabled(false);
}

TfrmTest::~TfrmTest()
{
    // The load or test ends at its next look at the stop flag; the worker then joins its thread.
    przerwij_ = true;
}

void TfrmTest::Wczytaj(const TObGraLista& gra, const QString& plik)
{
    gra_ = &gra;
    UruchomWczytanie(plik);
}

void TfrmTest::WczytajPilkarski(const QString& plik)
{
    gra_ = nullptr;
    UruchomWczytanie(plik);
}

void TfrmTest::UruchomWczytanie(const QString& plik)
{
    if (pracuje_)
        return;
    pracuje_ = true;
    przerwij_ = false;
    btnStart_->setEnabled(false);
    btnStop_->setEnabled(true);
    ostatniPostepMs_ = TerazMs() - 1000;
    auto wynik = std::make_shared<std::optional<TSystemTestu>>();
    watek_.Uruchom(
        [this, wynik, plik = plik.toStdString()] {
            *wynik = WczytajSystemTestu(plik, przerwij_, [this](int32_t indeks, int32_t wszystkich) {
                PokazPostep(indeks + 1, wszystkich, QString::fromStdString(TekstPostepuTestu(
                                                          Procent(indeks, wszystkich - 1))));
            });
        },
        [this, wynik] { ZakonczWczytanie(std::move(*wynik)); });
}

void TfrmTest::ZakonczWczytanie(std::optional<TSystemTestu> system)
{
    pracuje_ = false;
    Gauge1_->setValue(0);
    ST2_->clear();
    if (!system) {
        btnStop_->setEnabled(false);
        Komunikat(Tekst(TTekst::WystapilBladPodczasWczytywaniaSystemu), ObrazekStop, PrzyciskiOK, this);
        if (auto* ramka = qobject_cast<QMdiSubWindow*>(parentWidget()))
            ramka->close();
        else
            close();
        return;
    }
    system_ = std::move(system);
    const TSystemTestu& s = *system_;
    const QString nazwa = QString::fromStdString(s.Info.Nazwa);
    if (s.Pilkarski) {
        UstawKontekstPomocy(this, KontekstPomocyPilkarskiego);
        RadioButton1_->setText(Tekst(TTekst::WGWprowadzanychTypowan));
        RadioButton2_->setText(Tekst(TTekst::WGPrzypadkowychTypowan));
        RadioButton3_->hide();
        ST1_->hide(); // no draw history, no range
        splitter_->handle(1)->hide();
        panelSiatki_->hide();
        liczby_.assign(static_cast<std::size_t>(s.k), 0);
        SpinEdit1_->setRange(std::min(MinTrafienPilkarskich, s.k), s.k);
        SpinEdit1_->setValue(MinTrafienPilkarskich);
        setWindowTitle(QStringLiteral("%1 %2/%3").arg(nazwa).arg(s.k).arg(s.Ile()));
    } else {
        // Until the user enters others, the tested numbers are 1..d.
        const int d = std::clamp(gra_ ? gra_->IleLosowanych : s.Info.IleLosowanych, 0, MaxLiczbWLosowaniu);
        liczby_.clear();
        for (int i = 1; i <= d; ++i)
            liczby_.push_back(static_cast<uint8_t>(i));
        if (gra_) {
            if (const auto zakres = TfrmZakres::ZakresLosowan(*gra_)) {
                od_ = zakres->first;
                do_ = zakres->second;
            }
        }
        SpinEdit1_->setRange(1, std::max(1, std::min(s.k, MaxCyfrMinimum)));
        SpinEdit1_->setValue(DomyslneMinTrafien);
        setWindowTitle(QStringLiteral("%1 %2/%3/%4").arg(nazwa).arg(s.k).arg(s.Info.n).arg(s.Ile()));
        UstawSiatke();
    }
    RE1_->clear();
    NaglowekRaportu(true);
    UstawBezczynny();
    UstawTryb();
}

void TfrmTest::UstawSiatke()
{
    const int k = system_ ? std::clamp(system_->k, 0, MaxLiczbSystemu) : 0;
    const int ramka = 2 * Grid1_->frameWidth();
    // A wide system scrolls sideways, so the rows leave room for that scroll bar.
    const int wysokoscSiatki = UstawKomorkiSiatki(*Grid1_, k, WierszeSiatki, SzerokoscKolumnyZakladu,
                                                  SzerokoscKolumnyLiczby, fontMetrics().height() + OdstepWiersza,
                                                  Qt::AlignRight | Qt::AlignVCenter) +
                               Grid1_->horizontalScrollBar()->sizeHint().height();
    Grid1_->setFixedHeight(wysokoscSiatki);
    Scroll_->setFixedHeight(wysokoscSiatki);
    panelSiatki_->setMinimumWidth(std::min(SzerokoscKolumnyZakladu + k * SzerokoscKolumnyLiczby + ramka, 400) +
                                  Scroll_->sizeHint().width());
    splitter_->setSizes({SzerokoscKolumnyZakladu + k * SzerokoscKolumnyLiczby + ramka + Scroll_->sizeHint().width(),
                         width()});
    const QSignalBlocker blokada(Scroll_);
    Scroll_->setRange(1, 1);
    Scroll_->setValue(1);
}

void TfrmTest::NaglowekRaportu(bool poWczytaniu)
{
    if (!system_)
        return;
    for (const std::string& wiersz : NaglowekTestu(*system_, poWczytaniu))
        RE1_->appendPlainText(QString::fromStdString(wiersz));
}

void TfrmTest::Wyczysc()
{
    RE1_->clear();
    NaglowekRaportu(false);
}

QStringList TfrmTest::WierszeWydruku() const
{
    return WierszeRaportu({windowTitle()}, Wiersze(), QLatin1String(LiniaZamykajaca));
}

QStringList TfrmTest::Wiersze() const
{
    return RE1_->toPlainText().split(QLatin1Char('\n'));
}

void TfrmTest::UstawBezczynny()
{
    pracuje_ = false;
    const bool wczytany = system_.has_value();
    for (QWidget* w : std::initializer_list<QWidget*>{btnC_, btnLiczby_, btnZakres_, btnStart_, SpinEdit1_})
        w->setEnabled(wczytany);
    btnStop_->setEnabled(false);
    RE1_->setEnabled(true);
    Gauge1_->setValue(0);
    ST2_->clear();
}

void TfrmTest::UstawTryb()
{
    // Entered numbers need the picker, the draw history its range; random numbers need neither.
    btnLiczby_->setVisible(RadioButton1_->isChecked());
    btnZakres_->setVisible(RadioButton3_->isChecked() && !Pilkarski());
    if (RadioButton3_->isChecked() && !Pilkarski())
        PokazZakres();
    else
        ST1_->clear();
}

void TfrmTest::PokazZakres()
{
    // A game without draws has no range to show.
    if (!gra_ || gra_->Losowania.empty()) {
        ST1_->clear();
        return;
    }
    ST1_->setText(TekstDatyQt(od_) + QLatin1String(LacznikZakresu) + TekstDatyQt(do_));
}

void TfrmTest::WybierzLiczby()
{
    if (pracuje_ || !system_)
        return;
    if (system_->Pilkarski) {
        WybierzTypy();
        return;
    }
    // The picker starts from the numbers tested now (at first 1..d).
    TInfoGryRec info = system_->Info;
    if (gra_) {
        info.IleLiczb = gra_->IleLiczb;
        info.IleLosowanych = gra_->IleLosowanych;
    }
    info.Wlasne[1] = {};
    std::copy_n(liczby_.begin(), std::min<std::size_t>(liczby_.size(), MaxLiczbSystemu), info.Wlasne[1].begin());
    TfrmNumery numery(this);
    numery.UstawKolekcje(kolekcja_);
    numery.UstawTest(info);
    if (numery.exec() != QDialog::Accepted)
        return;
    liczby_.clear();
    for (int liczba : numery.Wybrane())
        liczby_.push_back(static_cast<uint8_t>(liczba));
}

bool TfrmTest::WybierzTypy()
{
    TfrmNumery3 typy(this);
    TTablicaLiczb wstepne{};
    // The first time the picker starts empty, later from the row entered.
    if (typyWpisane_)
        std::copy_n(liczby_.begin(), std::min<std::size_t>(liczby_.size(), MaxLiczbSystemu), wstepne.begin());
    typy.UstawTypy(wstepne, system_->k);
    if (typy.exec() != QDialog::Accepted)
        return false;
    liczby_.assign(typy.Wynik().begin(), typy.Wynik().begin() + std::clamp(system_->k, 0, MaxLiczbSystemu));
    typyWpisane_ = true;
    return true;
}

void TfrmTest::WybierzZakres()
{
    if (pracuje_ || !gra_)
        return;
    if (gra_->Losowania.empty()) {
        Komunikat(Tekst(TTekst::BazaLosowanJestPusta), ObrazekOstrzezenie, PrzyciskiOK, this);
        return;
    }
    TfrmZakres zakres(this);
    zakres.Ustaw(od_, do_, *gra_);
    if (zakres.exec() != QDialog::Accepted)
        return;
    od_ = zakres.Od();
    do_ = zakres.Do();
    PokazZakres();
}

void TfrmTest::Start()
{
    if (pracuje_ || !system_)
        return;
    Wyczysc();
    przerwij_ = false;
    pracuje_ = true;
    btnStart_->setEnabled(false);
    RE1_->setEnabled(false);
    btnStop_->setEnabled(true);
    listaTrafien_.clear();

    TParametryTestu parametry;
    parametry.MinTrafien = SpinEdit1_->value();
    TLosowe losowe;
    const TSystemTestu& s = *system_;
    if (s.Pilkarski) {
        // An entered row is asked for before the first run; cancelling runs nothing.
        if (RadioButton1_->isChecked() && !typyWpisane_ && !WybierzTypy()) {
            UstawBezczynny();
            return;
        }
        parametry.Wpisane = RadioButton1_->isChecked();
        parametry.Liczby = parametry.Wpisane ? liczby_ : LosujTypyTestu(losowe, s.k);
    } else if (RadioButton3_->isChecked()) {
        parametry.Tryb = TTrybTestu::Baza;
        if (gra_) {
            parametry.Losowania = &gra_->Losowania;
            parametry.IleLosowanych = gra_->IleLosowanych;
        }
        parametry.Od = od_;
        parametry.Do = do_;
    } else if (RadioButton2_->isChecked()) {
        parametry.Tryb = TTrybTestu::Losowe;
        parametry.Wpisane = false;
        parametry.Liczby = gra_ ? LosujLiczbyTestu(losowe, gra_->IleLiczb, gra_->IleLosowanych) : liczby_;
    } else {
        parametry.Tryb = TTrybTestu::Liczby;
        parametry.Liczby = liczby_;
    }
    liczbyBiegu_ = parametry.Liczby;
    ostatniPostepMs_ = TerazMs() - 1000;
    auto wynik = std::make_shared<TWynikTestu>();
    watek_.Uruchom(
        [this, wynik, parametry = std::move(parametry)]() mutable {
            *wynik = TGenTest01(*system_, std::move(parametry), przerwij_, [this](const TPostepTestu& p) {
                         PokazPostep(p.Pozycja, p.Maksimum, QString::fromStdString(p.Procent));
                     }).Wykonaj();
        },
        [this, wynik] { Zakoncz(*wynik); });
}

void TfrmTest::PokazPostep(int64_t pozycja, int64_t maksimum, const QString& procent)
{
    const int64_t teraz = TerazMs();
    if (teraz - ostatniPostepMs_ <= OdstepPostepuMs)
        return;
    ostatniPostepMs_ = teraz;
    const int krok = maksimum > 0 ? static_cast<int>(pozycja * KrokowPaska / maksimum) : 0;
    watek_.Synchronizuj([this, krok, &procent] {
        Gauge1_->setValue(std::clamp(krok, 0, KrokowPaska));
        ST2_->setText(procent);
    });
}

void TfrmTest::Zakoncz(TWynikTestu& wynik)
{
    QStringList wiersze;
    wiersze.reserve(static_cast<qsizetype>(wynik.Wiersze.size()));
    for (const std::string& wiersz : wynik.Wiersze)
        wiersze << QString::fromStdString(wiersz);
    // One append for the whole report: a large system writes many thousands of lines.
    if (!wiersze.isEmpty())
        RE1_->appendPlainText(wiersze.join(QLatin1Char('\n')));
    listaTrafien_ = std::move(wynik.Trafienia);
    UstawBezczynny();
    const QSignalBlocker blokada(Scroll_);
    Scroll_->setRange(1, std::max<int>(1, static_cast<int>(listaTrafien_.size())));
    Scroll_->setValue(1);
    PokazStrone(1);
}

void TfrmTest::PokazStrone(int pierwszy)
{
    if (pracuje_ || !system_ || system_->Pilkarski)
        return;
    const int k = Grid1_->columnCount() - 1;
    for (int r = 1; r <= IleWierszy && r < Grid1_->rowCount(); ++r) {
        const int64_t indeks = static_cast<int64_t>(pierwszy) - 1 + r - 1;
        const bool jest = indeks >= 0 && indeks < static_cast<int64_t>(listaTrafien_.size());
        const int32_t numer = jest ? listaTrafien_[static_cast<std::size_t>(indeks)] : 0;
        Grid1_->item(r, 0)->setText(jest ? QString::number(numer) : QString());
        for (int c = 1; c <= k; ++c) {
            QTableWidgetItem* komorka = Grid1_->item(r, c);
            const uint8_t liczba = jest ? system_->Zaklad(numer - 1)[c - 1] : 0;
            const bool trafiona =
                jest && std::find(liczbyBiegu_.begin(), liczbyBiegu_.end(), liczba) != liczbyBiegu_.end();
            komorka->setText(jest ? QString::number(liczba) : QString());
            QFont czcionka = komorka->font();
            czcionka.setBold(trafiona);
            komorka->setFont(czcionka);
            komorka->setForeground(trafiona ? QBrush(KolorTrafionej) : QBrush());
            komorka->setBackground(trafiona ? QBrush(TloTrafionej) : QBrush());
        }
    }
}

void TfrmTest::Drukuj()
{
    if (pracuje_)
        return;
    DrukujRaport(this, WierszeWydruku(), RE1_->font());
}

bool TfrmTest::ZgodaNaZamkniecie()
{
    if (!pracuje_)
        return true;
    Komunikat(QStringLiteral("Musisz zatrzymać test systemu !"), ObrazekOstrzezenie, PrzyciskiOK, this);
    return false;
}

void TfrmTest::closeEvent(QCloseEvent* zdarzenie)
{
    zdarzenie->setAccepted(MozeSieZamknac());
}

} // namespace tarvomund
