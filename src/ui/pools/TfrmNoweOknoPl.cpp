#include "pools/TfrmNoweOknoPl.h"

#include "app/KontekstPomocy.h"
#include "app/SiatkaZakladow.h"
#include "model/PlikSystemu.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmSkok.h"
#include "model/Wspolne.h"
#include "model/ZapisSystemu.h"
#include "pools/TGenSysPl.h"
#include "slips/DrukowanieSystemu.h"
#include "slips/TBlankietOb.h"
#include "systems/Losowosc.h"
#include "systems/Metody.h"
#include "systems/TGenTest01.h"
#include "systems/TfrmParam.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int OdstepWiersza = 6;
constexpr int KolumnPrzyciskow = 3;
constexpr int RozmiarPrzycisku = 34;
constexpr const char* WlasnoscTagu = "tag";

// File state flags (the enabling routine names them): New, Open, Save, Print, not used, filters,
// search in system, the two base searches.
enum FlagaPlikow { PlikNowy, PlikOtworz, PlikZapisz, PlikDrukuj, PlikNieuzywany, PlikFiltry,
                   PlikSzukajWSystemie };
enum FlagaZadan { ZadanieStart, ZadanieStop };

// "k/bets", as the caption and the close question show a pool system.
QString Parametry(const TInfoGryRec& info)
{
    return QStringLiteral("%1/%2").arg(info.k).arg(info.Zakladow);
}

// The cell of a sign code: "1", "x", "2", empty for a match that was not typed.
QString TekstZnaku(uint8_t kod)
{
    return kod >= Kod1 && kod <= Kod2 ? QString(QLatin1Char(ZnakKodu(kod))) : QString();
}

} // namespace

TfrmNoweOknoPl::TfrmNoweOknoPl(int32_t nrOkna, const QString& katalogDane, QWidget* parent)
    : QWidget(parent), nrOkna_(nrOkna), katalogDane_(katalogDane),
      plikTymczasowy_(QString::fromStdString(tarvomund::PlikTymczasowy(katalogDane.toStdString(), nrOkna))),
      sgTypy_(new QTableWidget(this)), Grid1_(new QTableWidget(this)),
      Scroll_(new QScrollBar(Qt::Horizontal, this)), lblPostep_(new QLabel(this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    sgTypy_->setObjectName(QStringLiteral("sgTypy"));
    Grid1_->setObjectName(QStringLiteral("Grid1"));
    Scroll_->setObjectName(QStringLiteral("Scroll"));
    lblPostep_->setObjectName(QStringLiteral("lblPostep"));

    UstawWygladSiatki(*sgTypy_);
    sgTypy_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgTypy_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgTypy_->setColumnCount(2);
    sgTypy_->setColumnWidth(0, SzerokoscKolumnyMeczu);
    sgTypy_->setColumnWidth(1, SzerokoscKolumnyTypu);
    sgTypy_->setFixedWidth(SzerokoscKolumnyMeczu + SzerokoscKolumnyTypu + 2 * sgTypy_->frameWidth());

    auto* przyciski = new QGridLayout;
    przyciski->setSpacing(2);
    for (int tag = 1; tag <= IlePrzyciskowTypow; ++tag) {
        auto* przycisk = new QToolButton(this);
        const bool czyszczacy = tag == PrzyciskCzyszczacy;
        przycisk->setText(czyszczacy ? QStringLiteral("C") : QString::fromUtf8(TekstPrzyciskuTypu(tag)));
        przycisk->setObjectName(QStringLiteral("btnTyp%1").arg(tag));
        przycisk->setProperty(WlasnoscTagu, tag);
        przycisk->setFixedHeight(RozmiarPrzycisku - 8);
        przycisk->setMinimumWidth(RozmiarPrzycisku);
        przycisk->setToolTip(czyszczacy ? QStringLiteral("Usunięcie typu meczu")
                                        : QStringLiteral("Typ ") + przycisk->text());
        const int i = tag - 1;
        if (czyszczacy)
            przyciski->addWidget(przycisk, i / KolumnPrzyciskow, 0, 1, KolumnPrzyciskow);
        else
            przyciski->addWidget(przycisk, i / KolumnPrzyciskow, i % KolumnPrzyciskow);
        przyciski_[static_cast<std::size_t>(i)] = przycisk;
        connect(przycisk, &QToolButton::clicked, this, [this, tag] { Typuj(tag); });
    }
    auto* kolumnaPrzyciskow = new QVBoxLayout;
    kolumnaPrzyciskow->addLayout(przyciski);
    kolumnaPrzyciskow->addStretch();

    UstawWygladSiatki(*Grid1_);
    Grid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1_->setContextMenuPolicy(Qt::CustomContextMenu);
    Grid1_->viewport()->installEventFilter(this);
    Scroll_->setPageStep(IleKolumn);
    lblPostep_->hide();

    auto* kolumnaZakladow = new QVBoxLayout;
    kolumnaZakladow->setSpacing(0);
    kolumnaZakladow->addWidget(Grid1_, 0, Qt::AlignTop);
    kolumnaZakladow->addWidget(Scroll_);
    kolumnaZakladow->addWidget(lblPostep_);
    kolumnaZakladow->addStretch();

    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(2, 2, 2, 2);
    uklad->addWidget(sgTypy_, 0, Qt::AlignTop);
    uklad->addLayout(kolumnaPrzyciskow);
    uklad->addLayout(kolumnaZakladow, 1);

    connect(Scroll_, &QScrollBar::valueChanged, this, [this](int pozycja) { Pokaz(pozycja); });
    connect(Grid1_, &QTableWidget::cellClicked, this, [this](int, int kolumna) { ZaznaczZaklad(kolumna); });
    connect(Grid1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& punkt) { SkokDoZakladu(Grid1_->viewport()->mapToGlobal(punkt)); });

    UstawStanBezczynny();
}

TfrmNoweOknoPl::~TfrmNoweOknoPl()
{
    // The generation ends at its next check; the worker's destructor then joins its thread.
    przerwij_ = true;
}

int TfrmNoweOknoPl::K() const
{
    return std::clamp(info_.k, 0, MaxMeczow);
}

int TfrmNoweOknoPl::WysokoscWiersza() const
{
    return fontMetrics().height() + OdstepWiersza;
}

QToolButton* TfrmNoweOknoPl::PrzyciskTypu(int tag) const
{
    return tag >= 1 && tag <= IlePrzyciskowTypow ? przyciski_[static_cast<std::size_t>(tag - 1)] : nullptr;
}

void TfrmNoweOknoPl::Ustaw(const TInfoGryRec& info)
{
    if (pracuje_)
        return;
    info_ = info;
    zadanychZakladow_ = info.Zakladow;
    UstawTytul();
    UstawSiatki();
    PoliczKombinacje();
    typowania_ = TypowaniaZTypow(Typy(), K());
    info_.Wlasne = BlokTypowan(typowania_);
    UstawPasek();
    biezacyZaklad_ = 1;
    UstawStanBezczynny();
    resize(sizeHint());
    if (auto* ramka = qobject_cast<QMdiSubWindow*>(parentWidget()))
        ramka->adjustSize();
    ZglosZmianeStanu();
}

void TfrmNoweOknoPl::Otworz(const TInfoGryRec& info, const QString& plik)
{
    if (pracuje_)
        return;
    info_.k = info.k;
    UstawSiatki();
    const std::optional<TTypy> typy = TypyPlikuSystemu(plikTymczasowy_.toStdString());
    UstawTypy(typy ? *typy : TypyZBloku(info.Wlasne, info.k));
    Ustaw(info);
    plikSystemu_ = plik;
    zapisany_ = true;
    Pokaz(1);
}

void TfrmNoweOknoPl::ZmienParametry(const TInfoGryRec& nowe)
{
    if (pracuje_)
        return;
    zapisany_ = false;
    Ustaw(nowe);
}

void TfrmNoweOknoPl::UstawTytul()
{
    // One pass over the pattern, so that a "%" in the name stays as it is.
    setWindowTitle(QStringLiteral("<%1>%2 %3")
                       .arg(QString::number(nrOkna_), QString::fromStdString(info_.Nazwa), Parametry(info_)));
}

void TfrmNoweOknoPl::UstawSiatki()
{
    const int k = K();
    const int wysokosc = WysokoscWiersza();
    // The typing grid keeps the typings of the rows that stay; new rows start untyped.
    const int bylo = sgTypy_->rowCount();
    sgTypy_->setRowCount(k);
    const QBrush tloNumeru = sgTypy_->palette().button();
    for (int r = 0; r < k; ++r) {
        sgTypy_->setRowHeight(r, wysokosc);
        if (r < bylo && sgTypy_->item(r, 0) && sgTypy_->item(r, 1))
            continue;
        auto* numer = new QTableWidgetItem(QString::number(r + 1));
        numer->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        numer->setBackground(tloNumeru);
        numer->setTextAlignment(Qt::AlignCenter);
        sgTypy_->setItem(r, 0, numer);
        auto* typ = new QTableWidgetItem;
        typ->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        typ->setTextAlignment(Qt::AlignCenter);
        sgTypy_->setItem(r, 1, typ);
    }
    sgTypy_->setFixedHeight(k * wysokosc + 2 * sgTypy_->frameWidth());
    if (k > 0 && sgTypy_->currentRow() < 0)
        sgTypy_->setCurrentCell(0, 1);

    // The bets grid: row 0 the bet numbers, column 0 the match numbers, a column per bet.
    const int wysokoscSiatki = UstawKomorkiSiatki(*Grid1_, IleKolumn, k + 1, SzerokoscKolumnyMeczu,
                                                  SzerokoscKolumnyZakladu, wysokosc, Qt::AlignCenter);
    for (int r = 1; r <= k; ++r) {
        Grid1_->item(r, 0)->setText(QString::number(r));
        Grid1_->item(r, 0)->setBackground(Grid1_->palette().button());
        Grid1_->item(r, 0)->setFlags(Qt::ItemIsEnabled);
        for (int c = 1; c <= IleKolumn; ++c)
            Grid1_->item(r, c)->setTextAlignment(Qt::AlignCenter);
    }
    for (int c = 1; c <= IleKolumn; ++c)
        Grid1_->item(0, c)->setText(QString());
    const int szerokosc =
        SzerokoscKolumnyMeczu + IleKolumn * SzerokoscKolumnyZakladu + 2 * Grid1_->frameWidth();
    Grid1_->setFixedSize(szerokosc, wysokoscSiatki);
    Scroll_->setFixedWidth(szerokosc);
    updateGeometry();
}

TTypy TfrmNoweOknoPl::Typy() const
{
    TTypy typy;
    for (int r = 0; r < std::min(K(), sgTypy_->rowCount()); ++r) {
        const QTableWidgetItem* komorka = sgTypy_->item(r, 1);
        typy.push_back(komorka ? komorka->text().toStdString() : std::string());
    }
    return typy;
}

void TfrmNoweOknoPl::UstawTypy(const TTypy& typy)
{
    if (pracuje_)
        return;
    for (int r = 0; r < std::min(static_cast<int>(typy.size()), sgTypy_->rowCount()); ++r)
        if (QTableWidgetItem* komorka = sgTypy_->item(r, 1))
            komorka->setText(QString::fromStdString(typy[static_cast<std::size_t>(r)]));
    PoliczKombinacje();
    ZglosZmianeStanu();
}

void TfrmNoweOknoPl::PoliczKombinacje()
{
    ileKombinacji_ = IleKombinacjiTypow(Typy(), K());
    info_.Zakladow = static_cast<int32_t>(std::min<int64_t>(zadanychZakladow_, ileKombinacji_));
}

void TfrmNoweOknoPl::Typuj(int tag)
{
    const int k = K();
    if (pracuje_ || k == 0 || tag < 1 || tag > IlePrzyciskowTypow)
        return;
    int wiersz = sgTypy_->currentRow();
    if (wiersz < 0 || wiersz >= k)
        wiersz = 0;
    sgTypy_->item(wiersz, 1)->setText(QString::fromUtf8(TekstPrzyciskuTypu(tag)));
    sgTypy_->setCurrentCell((wiersz + 1) % k, 1);
    PoliczKombinacje();
    ZglosZmianeStanu();
}

void TfrmNoweOknoPl::UstawPasek()
{
    const QSignalBlocker blokada(Scroll_);
    Scroll_->setRange(1, std::max(info_.Zakladow, 1));
    Scroll_->setEnabled(info_.Zakladow > 0);
    Scroll_->setValue(1);
}

void TfrmNoweOknoPl::CzyscZaklady()
{
    for (int r = 0; r < Grid1_->rowCount(); ++r)
        for (int c = 1; c < Grid1_->columnCount(); ++c)
            Grid1_->item(r, c)->setText(QString());
}

void TfrmNoweOknoPl::Pokaz(int32_t pierwszy)
{
    if (pracuje_)
        return;
    biezacyZaklad_ = pierwszy;
    TCzytnikSystemu czytnik(plikTymczasowy_.toStdString());
    std::vector<std::array<uint8_t, MaxLiczbSystemu>> zaklady;
    int k = 0;
    if (czytnik.Otwarty()) {
        zaklady = czytnik.Zaklady(pierwszy, IleKolumn);
        k = std::min(czytnik.Naglowek().RozmiarRekordu, Grid1_->rowCount() - 1);
    }
    for (int c = 1; c <= IleKolumn; ++c) {
        const auto indeks = static_cast<std::size_t>(c - 1);
        const bool jest = indeks < zaklady.size();
        Grid1_->item(0, c)->setText(jest ? QString::number(static_cast<int64_t>(pierwszy) + c - 1)
                                         : QString());
        for (int r = 1; r < Grid1_->rowCount(); ++r)
            Grid1_->item(r, c)->setText(
                jest && r <= k ? TekstZnaku(zaklady[indeks][static_cast<std::size_t>(r - 1)]) : QString());
    }
}

void TfrmNoweOknoPl::ZaznaczZaklad(int kolumna)
{
    // A click picks the whole bet: its column from match 1 to match k.
    if (kolumna < 1 || K() == 0)
        return;
    Grid1_->clearSelection();
    Grid1_->setRangeSelected(QTableWidgetSelectionRange(1, kolumna, K(), kolumna), true);
}

void TfrmNoweOknoPl::PrzejdzDo(int32_t zaklad)
{
    {
        const QSignalBlocker blokada(Scroll_);
        Scroll_->setValue(zaklad);
    }
    Pokaz(zaklad);
}

void TfrmNoweOknoPl::SkokDoZakladu(const QPoint& gdzie)
{
    if (pracuje_ || info_.Zakladow <= 0)
        return;
    TfrmSkok skok(info_.Zakladow, biezacyZaklad_, this);
    skok.move(gdzie);
    if (skok.exec() == QDialog::Accepted)
        PrzejdzDo(skok.Wartosc());
}

TPolaStatusu TfrmNoweOknoPl::PolaStatusu() const
{
    TPolaStatusu pola;
    pola.Skreslen = QString::number(info_.k);
    pola.Zakladow = QString::number(info_.Zakladow);
    pola.Kombinacji = TekstKombinacji(static_cast<long double>(ileKombinacji_));
    pola.RodzajGeneracji = QString::fromStdString(NazwaMetody(info_.Metoda));
    return pola;
}

void TfrmNoweOknoPl::UstawStanBezczynny()
{
    stanZadan_.set();
    stanZadan_.reset(ZadanieStop);
    stanPlikow_.set();
}

void TfrmNoweOknoPl::Drukuj()
{
    if (pracuje_)
        return;
    // Pool systems go onto the slips assigned to pool systems.
    const TSystemDoDruku system{plikTymczasowy_, info_, KodBlankietuPilkarskiego, katalogDane_};
    DrukujSystem(this, system, [this](bool zajety) { pracuje_ = zajety; });
}

void TfrmNoweOknoPl::UstawStanPracy()
{
    stanZadan_.reset();
    stanZadan_.set(ZadanieStop);
    // New and Open stay usable, and so do the searches that make new windows.
    stanPlikow_.set();
    for (int flaga : {PlikZapisz, PlikDrukuj, PlikFiltry, PlikSzukajWSystemie})
        stanPlikow_.reset(static_cast<std::size_t>(flaga));
}

void TfrmNoweOknoPl::Generuj()
{
    const TTypy typy = Typy();
    if (pracuje_ || std::all_of(typy.begin(), typy.end(), [](const std::string& t) { return t.empty(); }) ||
        info_.Metoda < 0 || info_.Metoda >= IleMetodPl)
        return;
    PoliczKombinacje();
    CzyscZaklady();
    przerwij_ = false;
    pracuje_ = true;
    wynik_.reset();
    UstawStanPracy();
    for (QToolButton* przycisk : przyciski_)
        przycisk->setEnabled(false);
    lblPostep_->clear();
    lblPostep_->show();
    typowania_ = TypowaniaZTypow(typy, K());
    info_.Wlasne = BlokTypowan(typowania_);
    // The worker takes its copies of the parameters and typings now; the window leaves them alone meanwhile.
    watek_.Uruchom(
        [this, info = info_, typowania = typowania_, plik = plikTymczasowy_.toStdString(),
         losowe = TLosowe()]() mutable {
            TGenSysPl generator(
                info, std::move(typowania), plik, przerwij_,
                [this](const std::string& tekst) { PokazPostep(tekst); }, losowe);
            wynik_ = generator.Wykonaj();
        },
        [this] { ZakonczZadanie(); });
    ZglosZmianeStanu();
}

void TfrmNoweOknoPl::PokazPostep(const std::string& tekst)
{
    watek_.Synchronizuj([this, &tekst] { lblPostep_->setText(QString::fromStdString(tekst)); });
}

void TfrmNoweOknoPl::ZakonczZadanie()
{
    pracuje_ = false;
    zapisany_ = false;
    if (wynik_) {
        info_.n = wynik_->n;
        info_.Zakladow = wynik_->Zakladow;
        info_.Wystapienia = wynik_->Wystapienia;
    } else {
        // The generation broke off: the bets are what the file holds.
        const auto naglowek = CzytajNaglowekSystemu(plikTymczasowy_.toStdString());
        info_.Zakladow = naglowek ? naglowek->Info.Zakladow : 0;
    }
    lblPostep_->hide();
    lblPostep_->clear();
    for (QToolButton* przycisk : przyciski_)
        przycisk->setEnabled(true);
    UstawStanBezczynny();
    UstawPasek();
    Pokaz(1);
    UstawTytul();
    ZglosZmianeStanu();
}

bool TfrmNoweOknoPl::Zachowaj()
{
    if (pracuje_)
        return false;
    if (zapisany_)
        return true;
    if (plikSystemu_.isEmpty())
        return ZachowajJako();
    if (!KopiujSystem(this, plikTymczasowy_, plikSystemu_))
        return false;
    zapisany_ = true;
    return true;
}

bool TfrmNoweOknoPl::ZachowajJako()
{
    if (pracuje_)
        return false;
    const QString plik = WybierzPlikSystemu(this, katalogDane_, plikSystemu_);
    return !plik.isEmpty() && ZapiszDo(plik);
}

bool TfrmNoweOknoPl::ZapiszDo(const QString& plik)
{
    if (pracuje_ || plik.isEmpty() || !ZapiszKopieSystemu(this, plikTymczasowy_, plik))
        return false;
    plikSystemu_ = plik;
    zapisany_ = true;
    return true;
}

bool TfrmNoweOknoPl::ZgodaNaZamkniecie()
{
    const QString opis = QString::fromStdString(info_.Nazwa) + QStringLiteral(" - ") + Parametry(info_);
    // The window goes only once its system is on disk.
    return MoznaZamknacSystem(this, pracuje_, zapisany_, info_.Zakladow, opis, [this] { return Zachowaj(); });
}

void TfrmNoweOknoPl::closeEvent(QCloseEvent* zdarzenie)
{
    zdarzenie->setAccepted(MozeSieZamknac());
}

bool TfrmNoweOknoPl::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    // The grid has no scroll bars of its own: the wheel moves the window's scroll bar.
    if (obiekt == Grid1_->viewport() && zdarzenie->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(Scroll_, zdarzenie);
        return true;
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

} // namespace tarvomund
