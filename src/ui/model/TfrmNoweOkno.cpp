#include "model/TfrmNoweOkno.h"

#include "app/KontekstPomocy.h"
#include "app/SiatkaZakladow.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "app/UkladOkien.h"
#include "model/PlikSystemu.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmSkok.h"
#include "model/ZapisSystemu.h"
#include "slips/DrukowanieSystemu.h"
#include "model/Wspolne.h"
#include "stats/TGenSzukBaza.h"
#include "stats/TGenSzukBazaL.h"
#include "stats/TGenSzukSys.h"
#include "systems/TGenFiltr.h"
#include "systems/Kombinatoryka.h"
#include "systems/Losowosc.h"
#include "systems/Metody.h"
#include "systems/RekordyPokrycUI.h"
#include "systems/TfrmParam.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int WierszeSiatki = TfrmNoweOkno::IleWierszy + 1; // row 0 is the fixed heading row
constexpr int OdstepWiersza = 6;
// Room the grid leaves around a cell's text.
constexpr int MarginesKomorki = 12;

// File state flags (the enabling routine names them): New, Open, Save, Print, not used,
// filters, search in system, the two base searches.
enum FlagaPlikow { PlikNowy, PlikOtworz, PlikZapisz, PlikDrukuj, PlikNieuzywany, PlikFiltry, PlikSzukajWSystemie,
                   PlikSzukajLosowan, PlikSzukajLiczb };
// Task state flags: Start and Stop; the rest are the system's other tasks.
enum FlagaZadan { ZadanieStart, ZadanieStop };

// Positions a bet stores map to the numbers shown through the second own-numbers array.
int WlasnaLiczba(const TInfoGryRec& info, uint8_t pozycja)
{
    if (pozycja >= 1 && pozycja <= MaxLiczbSystemu)
        return info.Wlasne[1][pozycja - 1];
    return pozycja;
}

// "k/n/bets", as the caption and the close question show a system.
QString Parametry(const TInfoGryRec& info)
{
    return QStringLiteral("%1/%2/%3").arg(info.k).arg(info.n).arg(info.Zakladow);
}

} // namespace

TfrmNoweOkno::TfrmNoweOkno(int32_t nrOkna, const QString& katalogDane, QWidget* parent)
    : QWidget(parent), nrOkna_(nrOkna), katalogDane_(katalogDane),
      plikTymczasowy_(QString::fromStdString(tarvomund::PlikTymczasowy(katalogDane.toStdString(), nrOkna))),
      Grid1_(new QTableWidget(this)), Scroll_(new QScrollBar(Qt::Vertical, this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    Grid1_->setObjectName(QStringLiteral("Grid1"));
    Scroll_->setObjectName(QStringLiteral("Scroll"));

    UstawWygladSiatki(*Grid1_);
    Grid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1_->setContextMenuPolicy(Qt::CustomContextMenu);
    Grid1_->viewport()->installEventFilter(this);
    Scroll_->setPageStep(IleWierszy);

    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(Grid1_, 1, Qt::AlignTop);
    uklad->addWidget(Scroll_, 0, Qt::AlignTop);

    connect(Scroll_, &QScrollBar::valueChanged, this, [this](int pozycja) {
        if (QFileInfo::exists(plikTymczasowy_))
            Pokaz(pozycja);
    });
    connect(Grid1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& punkt) { SkokDoZakladu(Grid1_->viewport()->mapToGlobal(punkt)); });

    UstawStanBezczynny();
}

TfrmNoweOkno::~TfrmNoweOkno()
{
    // The computation ends at its next check; the worker's destructor then joins its thread.
    przerwij_ = true;
}

void TfrmNoweOkno::Ustaw(const TObGraLista& gra, const TInfoGryRec& info)
{
    if (pracuje_)
        return;
    gra_ = &gra;
    info_ = info;
    info_.UstawGre(gra);

    UstawTytul();
    UstawSiatke();
    UstawPasek();
    biezacyZaklad_ = 1;
    UstawStanBezczynny();
    resize(sizeHint());
    if (auto* ramka = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        ramka->adjustSize();
        DopasujDoObszaru(ramka);
    }
    ZglosZmianeStanu();
}

void TfrmNoweOkno::ZmienParametry(TInfoGryRec nowe)
{
    if (pracuje_ || !gra_)
        return;
    // Positions the system did not have before start with their own numbering and no marks.
    if (nowe.n > info_.n) {
        const int do_ = std::clamp(nowe.n, 0, MaxLiczbSystemu);
        for (int i = 0; i < do_; ++i) {
            nowe.Wlasne[0][static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + 1);
            nowe.Wlasne[1][static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + 1);
            nowe.Wlasne[2][static_cast<std::size_t>(i)] = 0;
        }
    }
    zapisany_ = false;
    Ustaw(*gra_, nowe);
}

void TfrmNoweOkno::UstawPlikSystemu(const QString& plik)
{
    plikSystemu_ = plik;
    zapisany_ = true;
}

void TfrmNoweOkno::UstawTytul()
{
    // One pass over the pattern, so that a "%" in the game's name stays as it is.
    setWindowTitle(QStringLiteral("<%1>%2 %3").arg(QString::number(nrOkna_), QString::fromStdString(info_.Nazwa),
                                                   Parametry(info_)));
}

int TfrmNoweOkno::WysokoscWiersza() const
{
    return fontMetrics().height() + OdstepWiersza;
}

void TfrmNoweOkno::UstawSiatke()
{
    const int k = std::clamp(info_.k, 0, MaxLiczbSystemu);
    // The heading row's top-left cell shows the progress of a running computation.
    const int wysokoscSiatki = UstawKomorkiSiatki(*Grid1_, k, WierszeSiatki, SzerokoscKolumnyZakladu,
                                                  SzerokoscKolumnyLiczby, WysokoscWiersza(),
                                                  Qt::AlignLeft | Qt::AlignVCenter);
    Grid1_->setFixedHeight(wysokoscSiatki);
    Scroll_->setFixedHeight(wysokoscSiatki);
    UstawPierwszaKolumne();
}

void TfrmNoweOkno::UstawPierwszaKolumne()
{
    // The widest label the rows can get: as many digits as the last bet's number and as the
    // largest sum of k own numbers; wide digits stand in for any.
    const int k = std::clamp(info_.k, 0, MaxLiczbSystemu);
    const int n = std::clamp(info_.n, 0, MaxLiczbSystemu);
    int najwieksza = 0;
    for (int i = 0; i < n; ++i)
        najwieksza = std::max<int>(najwieksza, info_.Wlasne[1][static_cast<std::size_t>(i)]);
    const auto cyfry = [](int64_t liczba) {
        return QString(QString::number(liczba).size(), QLatin1Char('8'));
    };
    const QString wzor = cyfry(std::max(info_.Zakladow, 1)) + QStringLiteral("  [+")
        + cyfry(int64_t{najwieksza} * k) + QLatin1Char(']');
    const int szerokosc =
        std::max(SzerokoscKolumnyZakladu, Grid1_->fontMetrics().horizontalAdvance(wzor) + MarginesKomorki);
    Grid1_->setColumnWidth(0, szerokosc);
    Grid1_->setMinimumWidth(szerokosc + k * SzerokoscKolumnyLiczby + 2 * Grid1_->frameWidth());
    updateGeometry();
}

QSize TfrmNoweOkno::sizeHint() const
{
    const int ramka = 2 * Grid1_->frameWidth();
    const int k = std::max(Grid1_->columnCount() - 1, 0);
    const int szerokosc = Grid1_->columnWidth(0) + k * SzerokoscKolumnyLiczby + ramka
        + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Scroll_);
    return {szerokosc, WierszeSiatki * WysokoscWiersza() + ramka};
}

void TfrmNoweOkno::UstawPasek()
{
    const QSignalBlocker blokada(Scroll_);
    if (info_.Zakladow <= 0) {
        Scroll_->setRange(1, 1);
        Scroll_->setEnabled(false);
    } else {
        Scroll_->setRange(1, info_.Zakladow);
        Scroll_->setEnabled(true);
    }
    Scroll_->setValue(1);
}

void TfrmNoweOkno::CzyscWiersze()
{
    for (int r = 1; r < Grid1_->rowCount(); ++r)
        for (int c = 0; c < Grid1_->columnCount(); ++c)
            if (QTableWidgetItem* komorka = Grid1_->item(r, c))
                komorka->setText(QString());
}

void TfrmNoweOkno::Pokaz(int32_t pierwszy)
{
    if (pracuje_)
        return;
    biezacyZaklad_ = pierwszy;
    TCzytnikSystemu czytnik(plikTymczasowy_.toStdString());
    std::vector<std::array<uint8_t, MaxLiczbSystemu>> zaklady;
    int k = 0;
    if (czytnik.Otwarty()) {
        zaklady = czytnik.Zaklady(pierwszy, IleWierszy);
        k = std::min(czytnik.Naglowek().RozmiarRekordu, Grid1_->columnCount() - 1);
    }
    for (int r = 1; r <= IleWierszy && r < Grid1_->rowCount(); ++r) {
        const auto indeks = static_cast<std::size_t>(r - 1);
        if (indeks >= zaklady.size()) {
            for (int c = 0; c < Grid1_->columnCount(); ++c)
                Grid1_->item(r, c)->setText(QString());
            continue;
        }
        const auto& zaklad = zaklady[indeks];
        int suma = 0;
        for (int j = 0; j < k; ++j) {
            const uint8_t pozycja = zaklad[static_cast<std::size_t>(j)];
            const int wlasna = WlasnaLiczba(info_, pozycja);
            // The sum always counts the own numbers, whichever numbers are shown.
            suma += wlasna;
            Grid1_->item(r, j + 1)->setText(QString::number(pokazWlasne_ ? wlasna : pozycja));
        }
        for (int c = k + 1; c < Grid1_->columnCount(); ++c)
            Grid1_->item(r, c)->setText(QString());
        const int64_t numer = static_cast<int64_t>(pierwszy) + r - 1;
        Grid1_->item(r, 0)->setText(QStringLiteral("%1  [+%2]").arg(numer).arg(suma));
    }
}

void TfrmNoweOkno::PrzejdzDo(int32_t zaklad)
{
    {
        const QSignalBlocker blokada(Scroll_);
        Scroll_->setValue(zaklad);
    }
    Pokaz(zaklad);
}

void TfrmNoweOkno::SkokDoZakladu(const QPoint& gdzie)
{
    if (pracuje_ || info_.Zakladow <= 0)
        return;
    TfrmSkok skok(info_.Zakladow, biezacyZaklad_, this);
    skok.move(gdzie);
    if (skok.exec() == QDialog::Accepted)
        PrzejdzDo(skok.Wartosc());
}

void TfrmNoweOkno::PrzelaczWlasne()
{
    pokazWlasne_ = !pokazWlasne_;
    Pokaz(biezacyZaklad_);
    ZglosZmianeStanu();
}

void TfrmNoweOkno::ZmienWlasneLiczby(const std::array<TTablicaLiczb, 3>& wlasne)
{
    if (pracuje_)
        return;
    info_.Wlasne = wlasne;
    zapisany_ = false;
    ZapiszWlasneLiczby(plikTymczasowy_.toStdString(), info_);
    UstawPierwszaKolumne();
    Pokaz(biezacyZaklad_);
}

TPolaStatusu TfrmNoweOkno::PolaStatusu() const
{
    TPolaStatusu pola;
    pola.Liczb = QString::number(info_.n);
    pola.Skreslen = QString::number(info_.k);
    // Bets and combinations grouped alike.
    pola.Zakladow = TekstLiczby(info_.Zakladow);
    pola.Kombinacji = TekstKombinacji(Kombinacje(info_.n, info_.k));
    pola.RodzajGeneracji = QString::fromStdString(NazwaMetody(info_.Metoda));
    if (info_.Metoda == static_cast<int32_t>(TMetoda::Gwarancyjna)) {
        const TOpisRekordu rekord = OpisRekordu(info_.n, info_.k, info_.Gwarancja + 1);
        if (rekord.Najlepszy)
            pola.NajlepszyZnany = QStringLiteral("najlepszy znany: %1").arg(*rekord.Najlepszy);
    }
    return pola;
}

void TfrmNoweOkno::UstawStanBezczynny()
{
    stanZadan_.set();
    stanZadan_.reset(ZadanieStop);
    stanPlikow_.set();
}

void TfrmNoweOkno::UstawStanPracy()
{
    stanZadan_.reset();
    stanZadan_.set(ZadanieStop);
    // New and Open stay usable, and so do the searches that make new windows.
    stanPlikow_.set();
    for (int flaga : {PlikZapisz, PlikDrukuj, PlikFiltry, PlikSzukajWSystemie})
        stanPlikow_.reset(static_cast<std::size_t>(flaga));
}

void TfrmNoweOkno::Generuj()
{
    // Without a method there is nothing to generate: starting would only empty the system.
    if (pracuje_ || !gra_ || info_.Metoda < 0 || info_.Metoda >= IleMetod)
        return;
    zlozony_ = false;
    trybSumy_ = TTrybSumy::Brak;
    UruchomGenerator();
}

void TfrmNoweOkno::Zloz(TfrmNoweOkno* a, TfrmNoweOkno* b)
{
    if (pracuje_ || !gra_ || !a || !b)
        return;
    zlozony_ = true;
    systemA_ = a;
    systemB_ = b;
    UruchomGenerator();
}

void TfrmNoweOkno::Sumuj(bool dodaj)
{
    if (pracuje_ || !gra_)
        return;
    zlozony_ = false;
    trybSumy_ = dodaj ? TTrybSumy::Suma : TTrybSumy::Roznica;
    UruchomGenerator();
}

void TfrmNoweOkno::UruchomGenerator()
{
    // The sources are named by their temporary files now; the worker reads the files only.
    std::optional<std::array<std::string, 2>> zlozenie;
    if (zlozony_) {
        if (!systemA_ || !systemB_)
            return;
        zlozenie = std::array<std::string, 2>{systemA_->PlikTymczasowy().toStdString(),
                                              systemB_->PlikTymczasowy().toStdString()};
    }
    std::vector<std::string> sumowane;
    for (const QPointer<TfrmNoweOkno>& okno : listaSumowanych_)
        if (okno)
            sumowane.push_back(okno->PlikTymczasowy().toStdString());

    Uruchom([info = info_, plik = plikTymczasowy_.toStdString(), losowe = TLosowe(), zlozenie, tryb = trybSumy_,
             sumowane = std::move(sumowane), optymalizacja = optymalizacja_,
             cel = optymalizacja_ > 0 ? OpisRekordu(info_.n, info_.k, info_.Gwarancja + 1).Dolne : 0](
                const std::atomic<bool>& przerwij, TPokazPostep postep) mutable {
        TGenSys01 generator(info, plik, przerwij, std::move(postep), losowe);
        generator.UstawOptymalizacje(optymalizacja, cel);
        if (zlozenie)
            generator.UstawZlozenie((*zlozenie)[0], (*zlozenie)[1]);
        else if (tryb != TTrybSumy::Brak)
            generator.UstawSume(tryb, std::move(sumowane));
        return generator.Wykonaj();
    });
}

void TfrmNoweOkno::Uruchom(TZadanie zadanie)
{
    CzyscWiersze();
    przerwij_ = false;
    pracuje_ = true;
    wynik_.reset();
    UstawStanPracy();
    // The worker takes its copy of the parameters now; the window leaves them alone meanwhile.
    watek_.Uruchom(
        [this, zadanie = std::move(zadanie)] {
            TWynikGeneracji wynik =
                zadanie(przerwij_, [this](const std::string& tekst) { PokazPostep(tekst); });
            // A run that changed nothing leaves what the file holds.
            if (!wynik.BezZmian)
                wynik_ = std::move(wynik);
        },
        [this] { ZakonczZadanie(); });
    ZglosZmianeStanu();
}

void TfrmNoweOkno::Filtruj(const TFiltr& filtr)
{
    if (pracuje_ || !gra_)
        return;
    rodzajZadania_ = TRodzajZadania::Filtr;
    filtr_ = filtr;
    Uruchom([info = info_, filtr, losowania = gra_->Losowania](const std::atomic<bool>& przerwij,
                                                               TPokazPostep postep) {
        return TGenFiltr(info, filtr, losowania, przerwij, std::move(postep)).Wykonaj();
    });
}

void TfrmNoweOkno::SzukajWSystemie(const TFiltrSzukSys& filtr)
{
    if (pracuje_ || !gra_)
        return;
    rodzajZadania_ = TRodzajZadania::SzukajWSystemie;
    filtrSzukSys_ = filtr;
    Uruchom([info = info_, filtr, losowania = gra_->Losowania](const std::atomic<bool>& przerwij,
                                                               TPokazPostep postep) {
        return TGenSzukSys(info, filtr, losowania, przerwij, std::move(postep)).Wykonaj();
    });
}

void TfrmNoweOkno::SzukajWBazie(const TFiltrSzukBaza& filtr)
{
    if (pracuje_ || !gra_)
        return;
    rodzajZadania_ = TRodzajZadania::SzukajWBazie;
    filtrSzukBaza_ = filtr;
    Uruchom([info = info_, filtr, losowania = gra_->Losowania](const std::atomic<bool>& przerwij,
                                                               TPokazPostep postep) {
        return TGenSzukBaza(info, filtr, losowania, przerwij, std::move(postep)).Wykonaj();
    });
}

void TfrmNoweOkno::SzukajWBazieL(const TFiltrSzukBazaL& filtr)
{
    if (pracuje_ || !gra_)
        return;
    rodzajZadania_ = TRodzajZadania::SzukajWBazieL;
    filtrSzukBazaL_ = filtr;
    Uruchom([info = info_, filtr, losowania = gra_->Losowania](const std::atomic<bool>& przerwij,
                                                               TPokazPostep postep) {
        return TGenSzukBazaL(info, filtr, losowania, przerwij, std::move(postep)).Wykonaj();
    });
}

void TfrmNoweOkno::PokazPostep(const std::string& tekst)
{
    watek_.Synchronizuj([this, &tekst] { UstawPostep(QString::fromStdString(tekst)); });
}

void TfrmNoweOkno::UstawPostep(const QString& tekst)
{
    if (QTableWidgetItem* komorka = Grid1_->item(0, 0))
        komorka->setText(tekst);
}

void TfrmNoweOkno::UstawWynik(int32_t n, int32_t zakladow, const std::array<int32_t, MaxLiczbSystemu>& wystapienia)
{
    info_.n = n;
    info_.Zakladow = zakladow;
    info_.Wystapienia = wystapienia;
}

void TfrmNoweOkno::UstawWlasne(const std::array<TTablicaLiczb, 3>& wlasne)
{
    info_.Wlasne = wlasne;
}

void TfrmNoweOkno::ZakonczZadanie()
{
    pracuje_ = false;
    zapisany_ = false;
    if (wynik_) {
        UstawWynik(wynik_->n, wynik_->Zakladow, wynik_->Wystapienia);
        if (wynik_->Wlasne)
            UstawWlasne(*wynik_->Wlasne);
    } else {
        // The computation broke off: the bets are what the file holds.
        const auto naglowek = CzytajNaglowekSystemu(plikTymczasowy_.toStdString());
        info_.Zakladow = naglowek ? naglowek->Info.Zakladow : 0;
    }
    UstawPostep(QString());
    UstawStanBezczynny();
    UstawPasek();
    UstawPierwszaKolumne();
    Pokaz(1);
    UstawTytul();
    // A longer caption or a wider first column may need a wider window.
    if (auto* ramka = qobject_cast<QMdiSubWindow*>(parentWidget()))
        DopasujDoObszaru(ramka);
    ZglosZmianeStanu();
    if (wynik_ && wynik_->PonadMaxLiczb)
        Komunikat(Tekst(TTekst::WynikPonad120Liczb), ObrazekOstrzezenie, PrzyciskiOK, this);
}

void TfrmNoweOkno::Drukuj()
{
    if (pracuje_)
        return;
    TSystemDoDruku system{plikTymczasowy_, info_, std::nullopt, katalogDane_};
    if (gra_)
        system.KodGry = gra_->KodGry;
    DrukujSystem(this, system, [this](bool zajety) { pracuje_ = zajety; });
}

void TfrmNoweOkno::Start()
{
    Generuj();
}

void TfrmNoweOkno::Przerwij()
{
    przerwij_ = true;
}

bool TfrmNoweOkno::Zachowaj()
{
    if (pracuje_)
        return false;
    if (zapisany_)
        return true;
    if (plikSystemu_.isEmpty())
        return ZachowajJako();
    return Kopiuj(plikSystemu_);
}

bool TfrmNoweOkno::ZachowajJako()
{
    if (pracuje_)
        return false;
    const QString plik = WybierzPlikSystemu(this, katalogDane_, plikSystemu_);
    return !plik.isEmpty() && ZapiszDo(plik);
}

bool TfrmNoweOkno::ZapiszDo(const QString& plik)
{
    if (pracuje_ || plik.isEmpty() || !ZapiszKopieSystemu(this, plikTymczasowy_, plik))
        return false;
    plikSystemu_ = plik;
    zapisany_ = true;
    return true;
}

bool TfrmNoweOkno::Kopiuj(const QString& plik)
{
    if (!KopiujSystem(this, plikTymczasowy_, plik))
        return false;
    plikSystemu_ = plik;
    zapisany_ = true;
    return true;
}

bool TfrmNoweOkno::ZgodaNaZamkniecie()
{
    const QString opis = QString::fromStdString(info_.Nazwa) + QStringLiteral(" - ") + Parametry(info_);
    // The window goes only once its system is on disk.
    return MoznaZamknacSystem(this, pracuje_, zapisany_, info_.Zakladow, opis, [this] { return Zachowaj(); });
}

void TfrmNoweOkno::closeEvent(QCloseEvent* zdarzenie)
{
    zdarzenie->setAccepted(MozeSieZamknac());
}

bool TfrmNoweOkno::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    // The grid has no scroll bars of its own: the wheel moves the window's scroll bar.
    if (obiekt == Grid1_->viewport() && zdarzenie->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(Scroll_, zdarzenie);
        return true;
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

} // namespace tarvomund
