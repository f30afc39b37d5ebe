#include "app/TfrmGlowne.h"

#include "app/Obrazki.h"
#include "app/KontekstPomocy.h"
#include "app/TAkcjeGlowne.h"
#include "app/TOknoPomocy.h"
#include "app/TOstatnioOtwierane.h"
#include "app/TPasekStanuSystemu.h"
#include "app/TWlaczaniePolecen.h"
#include "app/TZegarGlowny.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "app/TfrmNowy.h"
#include "app/TfrmOProgramie.h"
#include "app/TfrmUstawienia.h"
#include "app/Ustawienia.h"
#include "draws/TfrmWyborBazy.h"
#include "draws/TPoleceniaGier.h"
#include "group/OknaGrupy.h"
#include "systems/TfrmGwarancja.h"
#include "systems/TfrmTest.h"
#include "model/PlikSystemu.h"
#include "model/PlikiTymczasowe.h"
#include "model/TfrmNoweOkno.h"
#include "model/Wspolne.h"
#include "pools/TPoleceniaPuli.h"
#include "systems/Losowosc.h"
#include "systems/Metody.h"
#include "systems/RekordyPokrycUI.h"
#include "systems/TPanelRekordu.h"
#include "systems/TfrmParam.h"
#include "stats/TPoleceniaStatystyki.h"
#include "systems/TPoleceniaSystemow.h"
#include "tools/TfrmBio.h"
#include "tools/TfrmKolekcja01.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <optional>

namespace tarvomund {

namespace {

constexpr int SzerokoscPaskaBocznego = 28;
constexpr int WysokoscDrugiegoPaska = 32;
constexpr const char* NazwaPlikuPomocy = "TARVOMUND.HLP";

// Extensions the workbench opens, with the labels of the Open dialog's filter entries. Slip layouts
// live in Dane and have no entry in that dialog.
struct TTypPliku {
    TRodzajPliku Rodzaj;
    const char* Rozszerzenie;
    std::optional<TTekst> Etykieta;
};

constexpr TTypPliku TypyPlikow[] = {
    {TRodzajPliku::System, "ss2", TTekst::PlikiSystemow},
    {TRodzajPliku::Statystyka, "st2", TTekst::PlikiStatystyk},
    {TRodzajPliku::Grupa, "gr2", TTekst::Grupy},
    {TRodzajPliku::Kolekcja, "k22", TTekst::Kolekcje},
    {TRodzajPliku::Blankiet, "bln", std::nullopt},
};

QString ZKatalogiem(const QString& katalog, const QString& nazwa)
{
    return QDir(katalog).filePath(nazwa);
}

} // namespace

TRodzajPliku RodzajPliku(const QString& plik)
{
    const QString rozszerzenie = QFileInfo(plik).suffix();
    for (const TTypPliku& typ : TypyPlikow)
        if (rozszerzenie.compare(QLatin1String(typ.Rozszerzenie), Qt::CaseInsensitive) == 0)
            return typ.Rodzaj;
    return TRodzajPliku::Nieznany;
}

TfrmGlowne::TfrmGlowne(const QString& katalogProgramu, QWidget* parent)
    : TfrmGlowne(ZKatalogiem(katalogProgramu, QStringLiteral("Dane")),
                 ZKatalogiem(katalogProgramu, QLatin1String(NazwaPlikuPomocy)), parent)
{
}

TfrmGlowne::TfrmGlowne(const QString& katalogDane, const QString& plikPomocy, QWidget* parent)
    : QMainWindow(parent), katalogProgramu_(QFileInfo(plikPomocy).absolutePath()), katalogDane_(katalogDane),
      plikPomocy_(plikPomocy)
{
    setWindowTitle(QStringLiteral("Tarvomund"));
    CzytajUstawienia(parametry_);
    licznikOkien_ = 0;
    ZasiejLosowo();

    obszar_ = new QMdiArea(this);
    // A texture brush tiles the picture from the top-left corner over the whole area.
    obszar_->setBackground(QBrush(KafelekTla()));
    obszar_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    obszar_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(obszar_);

    // Menus and hints take their captions from the text table.
    akcje_ = new TAkcjeGlowne(this);
    ZbudujPaski();
    ZbudujOstatnie();
    PolaczPolecenia();
    // Files dropped anywhere on the frame open as the Open command would open them.
    setAcceptDrops(true);

    UsunPlikiTymczasowe(katalogDane_.toStdString());
    katalog_ = TKatalogGier::WczytajGry(katalogDane_.toStdString());
    UstawPlikRekordow(ZKatalogiem(katalogDane_, QLatin1String(NazwaPlikuRekordow)));
    akcje_->DodajGry(katalog_);

    kolekcja_ = new TfrmKolekcja01(katalogDane_, this);
    // F1 reaches the context help from the collection window too.
    kolekcja_->addAction(akcje_->Akcja(TPolecenie::PomocKontekstowa));
    connect(akcje_->Akcja(TPolecenie::Kolekcja), &QAction::triggered, kolekcja_, &TfrmKolekcja01::Pokaz);

    poleceniaSystemow_ = new TPoleceniaSystemow(*this);
    poleceniaSystemow_->UstawKolekcje(DostawcaKolekcji(kolekcja_->Panel()));
    poleceniaGier_ = new TPoleceniaGier(*this);
    poleceniaPuli_ = new TPoleceniaPuli(*this);
    connect(akcje_->Akcja(TPolecenie::ZmianaParametrowGry), &QAction::triggered, poleceniaGier_,
            &TPoleceniaGier::ZmianaParametrow);

    poleceniaStatystyki_ = new TPoleceniaStatystyki(*this);

    UstawOtwieranie(TRodzajPliku::System, [this](const QString& plik) { OtworzSystem(plik); });
    UstawOtwieranie(TRodzajPliku::Grupa, [this](const QString& plik) { OtworzGrupe(*this, plik); });
    UstawOtwieranie(TRodzajPliku::Kolekcja, [this](const QString& plik) {
        kolekcja_->Pokaz();
        kolekcja_->Wczytaj(plik);
    });

    connect(obszar_, &QMdiArea::subWindowActivated, this, &TfrmGlowne::OdswiezPolecenia);
    qApp->installEventFilter(this);
    OdswiezPolecenia();
}

TfrmGlowne::~TfrmGlowne()
{
    qApp->removeEventFilter(this);
}

void TfrmGlowne::ZbudujPaski()
{
    using P = TPolecenie;
    pasekGorny_ = addToolBar(QStringLiteral("Narzędzia"));
    pasekGorny_->setObjectName(QStringLiteral("pasekGorny"));
    pasekGorny_->setMovable(false);
    pasekGorny_->setIconSize(QSize(24, 24));
    for (P p : {P::Nowy, P::Wczytaj, P::Zapisz, P::Drukuj})
        pasekGorny_->addAction(akcje_->Akcja(p));
    auto dodajRozwijany = [this](QAction* akcja) {
        pasekGorny_->addAction(akcja);
        if (auto* przycisk = qobject_cast<QToolButton*>(pasekGorny_->widgetForAction(akcja)))
            przycisk->setPopupMode(QToolButton::InstantPopup);
    };
    dodajRozwijany(akcje_->PrzyciskStatystyki());
    pasekGorny_->addAction(akcje_->FiltryPrzycisk());
    pasekGorny_->addAction(akcje_->Akcja(P::SzukajWSystemie));
    dodajRozwijany(akcje_->PrzyciskLosowan());
    dodajRozwijany(akcje_->PrzyciskLiczb());
    for (P p : {P::Kolekcja, P::Biorytmy, P::Koniec})
        pasekGorny_->addAction(akcje_->Akcja(p));
    // The context help button stays hidden: its action lives on the window, where F1 reaches it.
    addAction(akcje_->Akcja(P::PomocKontekstowa));
    zegar_ = new TZegarGlowny(pasekGorny_);

    addToolBarBreak();
    pasekDrugi_ = addToolBar(QStringLiteral("Stan"));
    pasekDrugi_->setObjectName(QStringLiteral("pasekDrugi"));
    pasekDrugi_->setMovable(false);
    pasekDrugi_->setFixedHeight(WysokoscDrugiegoPaska);
    pasekStanu_ = new TPasekStanuSystemu(pasekDrugi_);
    pasekDrugi_->addWidget(pasekStanu_);

    pasekSystemu_ = new QToolBar(QStringLiteral("System"), this);
    pasekStatystyki_ = new QToolBar(QStringLiteral("Statystyka"), this);
    for (QToolBar* pasek : {pasekSystemu_, pasekStatystyki_}) {
        pasek->setMovable(false);
        pasek->setOrientation(Qt::Vertical);
        pasek->setIconSize(QSize(20, 20));
        pasek->setFixedWidth(SzerokoscPaskaBocznego);
        addToolBar(Qt::LeftToolBarArea, pasek);
        pasek->hide();
    }
    pasekSystemu_->setObjectName(QStringLiteral("pasekSystemu"));
    pasekStatystyki_->setObjectName(QStringLiteral("pasekStatystyki"));
    for (P p : {P::Start, P::Stop, P::ParametrySystemu, P::WlasneLiczby, P::TestSystemu, P::Gwarancja,
                P::OptymalizujSystem, P::Rozklad, P::SumujSystemy})
        pasekSystemu_->addAction(akcje_->Akcja(p));
    for (std::size_t i = 0; i < IlePozycjiStatystyki; ++i)
        pasekStatystyki_->addAction(akcje_->Akcja(static_cast<P>(static_cast<std::size_t>(P::StatStop) + i)));

    // The status line shows the hint of whatever is under the mouse.
    statusBar()->setSizeGripEnabled(true);
}

void TfrmGlowne::ZbudujOstatnie()
{
    // "Ostatnio otwierane" follows "&Wczytaj" in the file menu.
    auto* menu = new QMenu(Tekst(TTekst::OstatnioOtwierane), this);
    akcje_->MenuPliki()->insertMenu(akcje_->Akcja(TPolecenie::Zapisz), menu);
    ostatnie_ = new TOstatnioOtwierane(menu, this);
    connect(ostatnie_, &TOstatnioOtwierane::Wybrano, this, &TfrmGlowne::OtworzOstatni);
}

void TfrmGlowne::PolaczPolecenia()
{
    using P = TPolecenie;
    auto polacz = [this](P p, void (TfrmGlowne::*metoda)()) {
        connect(akcje_->Akcja(p), &QAction::triggered, this, metoda);
    };
    auto doAktywnego = [this](P p, void (TOknoDokumentu::*metoda)()) {
        connect(akcje_->Akcja(p), &QAction::triggered, this, [this, metoda] {
            if (TOknoDokumentu* okno = AktywneOkno())
                (okno->*metoda)();
        });
    };
    polacz(P::Nowy, &TfrmGlowne::Nowy);
    polacz(P::Wczytaj, &TfrmGlowne::Wczytaj);
    doAktywnego(P::Zapisz, &TOknoDokumentu::Zapisz);
    doAktywnego(P::ZapiszJako, &TOknoDokumentu::ZapiszJako);
    doAktywnego(P::Drukuj, &TOknoDokumentu::Drukuj);
    doAktywnego(P::Start, &TOknoDokumentu::Start);
    polacz(P::Stop, &TfrmGlowne::Stop);
    polacz(P::StatStop, &TfrmGlowne::Stop);
    polacz(P::ParametrySystemu, &TfrmGlowne::ParametrySystemu);
    polacz(P::WlasneLubSystemowe, &TfrmGlowne::WlasneLubSystemowe);
    connect(akcje_->Akcja(P::Gwarancja), &QAction::triggered, this, &TfrmGlowne::GwarancjaSystemu);
    connect(akcje_->Akcja(P::TestSystemu), &QAction::triggered, this, &TfrmGlowne::TestSystemu);
    connect(akcje_->Akcja(P::Biorytmy), &QAction::triggered, this, &TfrmGlowne::Biorytmy);
    connect(akcje_->Akcja(P::Drukarka), &QAction::triggered, this, [this] {
        QPrinter drukarka;
        QPrintDialog dialog(&drukarka, this);
        dialog.exec();
    });
    polacz(P::Ustawienia, &TfrmGlowne::Ustawienia);
    // The editor works on the catalogue's own lists, so every later computation sees its edits.
    connect(akcje_->Akcja(P::Losowania), &QAction::triggered, this,
            [this] { DopisywanieLosowan(katalog_, katalogDane_, this); });
    connect(akcje_->Akcja(P::Koniec), &QAction::triggered, this, &QWidget::close);
    connect(akcje_->Akcja(P::Kaskada), &QAction::triggered, obszar_, &QMdiArea::cascadeSubWindows);
    polacz(P::Pionowo, &TfrmGlowne::UlozPionowo);
    polacz(P::Poziomo, &TfrmGlowne::UlozPoziomo);
    polacz(P::ZmniejszWszystkie, &TfrmGlowne::ZmniejszWszystkie);
    polacz(P::ZamknijWszystkie, &TfrmGlowne::ZamknijWszystkie);
    connect(akcje_->Akcja(P::IndeksPomocy), &QAction::triggered, this, [this] { OknoPomocy()->PokazSpis(); });
    connect(akcje_->Akcja(P::OProgramie), &QAction::triggered, this, [this] {
        TfrmOProgramie okno(this);
        okno.exec();
    });
    polacz(P::PomocKontekstowa, &TfrmGlowne::PomocKontekstowa);
    connect(akcje_, &TAkcjeGlowne::WybranoGre, this, &TfrmGlowne::PolecenieGry);
    connect(akcje_->MenuOkienka(), &QMenu::aboutToShow, this, &TfrmGlowne::OdswiezListeOkien);
}

QMdiSubWindow* TfrmGlowne::DodajOkno(QWidget* okno)
{
    if (auto* dokument = dynamic_cast<TOknoDokumentu*>(okno)) {
        dokument->UstawPowiadomienie([this, okno] {
            if (obszar_->activeSubWindow() && obszar_->activeSubWindow()->widget() == okno)
                OdswiezPolecenia();
        });
    }
    QMdiSubWindow* podokno = obszar_->addSubWindow(okno);
    podokno->setAttribute(Qt::WA_DeleteOnClose);
    okno->show();
    return podokno;
}

TfrmKolekcja01* TfrmGlowne::Kolekcja() const
{
    return kolekcja_;
}

TOknoDokumentu* TfrmGlowne::AktywneOkno() const
{
    QMdiSubWindow* podokno = obszar_->activeSubWindow();
    return podokno ? dynamic_cast<TOknoDokumentu*>(podokno->widget()) : nullptr;
}

void TfrmGlowne::OdswiezPolecenia()
{
    // The collection window is no child: while it is the active window, its own row of the table applies.
    const bool kolekcja = kolekcja_ && QApplication::activeWindow() == kolekcja_.data();
    const TOknoDokumentu* okno = kolekcja ? nullptr : AktywneOkno();
    TStanAktywnego stan;
    if (okno)
        stan = {okno->Rodzaj(), okno->StanPlikow(), okno->StanZadan()};
    else if (kolekcja)
        stan.Rodzaj = TRodzajOkna::Kolekcja;
    akcje_->Zastosuj(WlaczonePolecenia(okno || kolekcja ? &stan : nullptr));

    const TPasekBoczny pasek = PasekDlaOkna(stan.Rodzaj);
    const bool system = pasek == TPasekBoczny::System || pasek == TPasekBoczny::SystemBezLiczb;
    pasekSystemu_->setVisible(system);
    pasekStatystyki_->setVisible(pasek == TPasekBoczny::Statystyka);
    const auto tryb = pasek == TPasekBoczny::System           ? TPasekStanuSystemu::TTryb::System
                      : pasek == TPasekBoczny::SystemBezLiczb ? TPasekStanuSystemu::TTryb::SystemBezLiczb
                      : pasek == TPasekBoczny::Statystyka     ? TPasekStanuSystemu::TTryb::Statystyka
                                                              : TPasekStanuSystemu::TTryb::Pusty;
    pasekStanu_->Pokaz(tryb, okno ? okno->PolaStatusu() : TPolaStatusu{});
    akcje_->Akcja(TPolecenie::WlasneLubSystemowe)->setChecked(okno && okno->PokazujeWlasne());
    ostatnie_->UstawDostepnosc(akcje_->Akcja(TPolecenie::Wczytaj)->isEnabled());
}

void TfrmGlowne::OdswiezMenuGier()
{
    akcje_->UsunGry();
    akcje_->DodajGry(katalog_);
}

void TfrmGlowne::UstawOtwieranie(TRodzajPliku rodzaj, std::function<void(const QString&)> otworz)
{
    otwieranie_[rodzaj] = std::move(otworz);
}

void TfrmGlowne::OtworzPlik(const QString& plik)
{
    const auto obsluga = otwieranie_.find(RodzajPliku(plik));
    if (obsluga == otwieranie_.end() || !obsluga->second)
        return;
    // Listed before it opens: a slip layout opens in a modal editor that returns only when closed.
    if (QFileInfo(plik).isFile())
        ostatnie_->Dodaj(plik);
    // The handler may open a window of its own; a copy survives a handler set again meanwhile.
    const std::function<void(const QString&)> otworz = obsluga->second;
    otworz(plik);
}

void TfrmGlowne::OtworzPliki(const QStringList& pliki)
{
    for (const QString& plik : pliki)
        OtworzPlik(plik);
}

void TfrmGlowne::PrzyjmijPliki(const QStringList& pliki)
{
    if (isMinimized())
        showMaximized();
    show();
    raise();
    activateWindow();
    OtworzPliki(pliki);
}

void TfrmGlowne::OtworzOstatni(const QString& plik)
{
    if (!QFileInfo(plik).isFile()) {
        ostatnie_->Usun(plik);
        Komunikat(Tekst(TTekst::NieZnalezionoPliku) + QStringLiteral("\r\n") + QFileInfo(plik).fileName(),
                  ObrazekOstrzezenie, PrzyciskiOK, this);
        return;
    }
    OtworzPlik(plik);
}

QStringList TfrmGlowne::PlikiDoOtwarcia(const QMimeData* dane) const
{
    QStringList pliki;
    if (!dane || !dane->hasUrls())
        return pliki;
    for (const QUrl& adres : dane->urls()) {
        if (!adres.isLocalFile())
            continue;
        const QString plik = adres.toLocalFile();
        if (otwieranie_.contains(RodzajPliku(plik)) && QFileInfo(plik).isFile())
            pliki << plik;
    }
    return pliki;
}

void TfrmGlowne::dragEnterEvent(QDragEnterEvent* zdarzenie)
{
    if (akcje_->Akcja(TPolecenie::Wczytaj)->isEnabled() && !PlikiDoOtwarcia(zdarzenie->mimeData()).isEmpty())
        zdarzenie->acceptProposedAction();
}

void TfrmGlowne::dragMoveEvent(QDragMoveEvent* zdarzenie)
{
    if (akcje_->Akcja(TPolecenie::Wczytaj)->isEnabled() && !PlikiDoOtwarcia(zdarzenie->mimeData()).isEmpty())
        zdarzenie->acceptProposedAction();
}

void TfrmGlowne::dropEvent(QDropEvent* zdarzenie)
{
    const QStringList pliki = PlikiDoOtwarcia(zdarzenie->mimeData());
    if (pliki.isEmpty() || !akcje_->Akcja(TPolecenie::Wczytaj)->isEnabled())
        return;
    zdarzenie->acceptProposedAction();
    // The drag ends first; opening may ask questions in windows of its own.
    QTimer::singleShot(0, this, [this, pliki] { OtworzPliki(pliki); });
}

void TfrmGlowne::Nowy()
{
    std::vector<TSystemDoZlozenia> systemy;
    for (QMdiSubWindow* podokno : obszar_->subWindowList()) {
        const auto* dokument = dynamic_cast<const TOknoDokumentu*>(podokno->widget());
        if (dokument && dokument->Rodzaj() == TRodzajOkna::SystemLiczbowy && dokument->InfoSystemu())
            systemy.push_back({podokno->windowTitle(), *dokument->InfoSystemu()});
    }
    TfrmNowy dialog(katalog_, std::move(systemy), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TfrmNowy::TWybor wybor = dialog.Wybor();
    switch (wybor.Zakladka) {
    case TfrmNowy::TZakladka::NowaGra:
        poleceniaGier_->NowaGra();
        break;
    case TfrmNowy::TZakladka::SystemyLiczbowe:
        NowySystem(wybor.IndeksGry);
        break;
    case TfrmNowy::TZakladka::SystemyPilkarskie:
        poleceniaPuli_->NowySystem();
        break;
    case TfrmNowy::TZakladka::SystemyZlozone:
        poleceniaSystemow_->Zloz(wybor.Zaznaczone);
        break;
    case TfrmNowy::TZakladka::GrupaGraczy:
        NowaGrupa(*this);
        break;
    }
}

TfrmNoweOkno* TfrmGlowne::NowySystem(std::size_t indeksGry)
{
    if (indeksGry >= katalog_.Ile() || !katalog_.Gra(indeksGry).CzyLiczbowa())
        return nullptr;
    const TObGraLista& gra = katalog_.Gra(indeksGry);
    TInfoGryRec info = TInfoGryRec::DlaGry(gra);
    info.n = gra.IleLiczb / 2;
    info.k = gra.NormSkreslen;
    info.Zakladow = 1;
    info.Metoda = static_cast<int32_t>(TMetoda::Pelna);
    info.Gwarancja = 0;

    TfrmParam dialog(this);
    dialog.Ustaw(info);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    TInfoGryRec nowe = dialog.Wynik();
    nowe.UstawWlasneDomyslne();
    auto* okno = new TfrmNoweOkno(NastepnyNumerOkna(), katalogDane_);
    okno->Ustaw(gra, nowe);
    okno->UstawOptymalizacje(dialog.Optymalizuj() ? TPanelRekordu::SekundyOptymalizacji : 0.0);
    obszar_->setActiveSubWindow(DodajOkno(okno));
    OdswiezPolecenia();
    okno->Generuj();
    return okno;
}

TfrmNoweOkno* TfrmGlowne::OtworzSystem(const QString& plik)
{
    const auto bladOdczytu = [this] { Komunikat(Tekst(TTekst::BladOdczytu), ObrazekStop, PrzyciskiOK, this); };
    TBladSystemu blad = TBladSystemu::Brak;
    const std::optional<TNaglowekSystemu> naglowek = CzytajNaglowekSystemu(plik.toStdString(), &blad);
    if (!naglowek) {
        // A game code that is neither a number nor a pool system is not a system at all.
        if (blad != TBladSystemu::NieznanyKod)
            bladOdczytu();
        return nullptr;
    }
    // Pool systems open in the pool window, never as a number system.
    if (naglowek->Pilkarski()) {
        poleceniaPuli_->OtworzSystem(plik, *naglowek);
        return nullptr;
    }
    const TObGraLista* gra = katalog_.GraDlaSystemu(naglowek->Info);
    if (!gra) {
        bladOdczytu();
        return nullptr;
    }
    const int32_t numer = NastepnyNumerOkna();
    if (!KopiujPlik(plik.toStdString(), PlikTymczasowy(katalogDane_.toStdString(), numer))) {
        bladOdczytu();
        return nullptr;
    }
    auto* okno = new TfrmNoweOkno(numer, katalogDane_);
    okno->Ustaw(*gra, naglowek->Info);
    okno->UstawPlikSystemu(plik);
    obszar_->setActiveSubWindow(DodajOkno(okno));
    OdswiezPolecenia();
    okno->Pokaz(1);
    return okno;
}

TfrmNoweOkno* TfrmGlowne::AktywnySystem() const
{
    return dynamic_cast<TfrmNoweOkno*>(AktywneOkno());
}

void TfrmGlowne::ParametrySystemu()
{
    TfrmNoweOkno* okno = AktywnySystem();
    if (!okno || okno->Pracuje() || !okno->Gra())
        return;
    TfrmParam dialog(this);
    dialog.Ustaw(okno->Info());
    if (dialog.exec() != QDialog::Accepted)
        return;
    okno->ZmienParametry(dialog.Wynik());
    okno->UstawOptymalizacje(dialog.Optymalizuj() ? TPanelRekordu::SekundyOptymalizacji : 0.0);
    OdswiezPolecenia();
    okno->Generuj();
}

void TfrmGlowne::WlasneLubSystemowe()
{
    if (TfrmNoweOkno* okno = AktywnySystem())
        okno->PrzelaczWlasne();
    // The check mark follows the window, also when the click found none.
    OdswiezPolecenia();
}

TfrmGwarancja* TfrmGlowne::GwarancjaSystemu()
{
    TfrmNoweOkno* system = AktywnySystem();
    if (!system || system->Pracuje())
        return nullptr;
    // The window takes the bets of this moment; later changes of the system are not seen.
    auto okno = std::make_unique<TfrmGwarancja>(parametry_);
    if (!okno->Wczytaj(system->PlikTymczasowy()))
        return nullptr;
    TfrmGwarancja* gwarancja = okno.release();
    DodajOkno(gwarancja);
    return gwarancja;
}

TfrmTest* TfrmGlowne::TestSystemu()
{
    TfrmNoweOkno* system = AktywnySystem();
    if (!system || system->Pracuje() || !system->Gra())
        return nullptr;
    // The window takes the bets of this moment; later changes of the system are not seen.
    auto* test = new TfrmTest;
    if (kolekcja_)
        test->UstawKolekcje(DostawcaKolekcji(kolekcja_->Panel()));
    obszar_->setActiveSubWindow(DodajOkno(test));
    test->Wczytaj(*system->Gra(), system->PlikTymczasowy());
    return test;
}

TfrmBio* TfrmGlowne::Biorytmy()
{
    auto* okno = new TfrmBio;
    obszar_->setActiveSubWindow(DodajOkno(okno));
    return okno;
}

void TfrmGlowne::Wczytaj()
{
    QStringList filtry;
    for (const TTypPliku& typ : TypyPlikow)
        if (typ.Etykieta)
            filtry << Tekst(*typ.Etykieta) + QStringLiteral(" (*.") + QLatin1String(typ.Rozszerzenie) +
                          QLatin1Char(')');
    const QString plik = QFileDialog::getOpenFileName(this, QString(), katalogDane_, filtry.join(QStringLiteral(";;")));
    if (!plik.isEmpty())
        OtworzPlik(plik);
}

void TfrmGlowne::Stop()
{
    if (TOknoDokumentu* okno = AktywneOkno()) {
        okno->Przerwij();
        QCoreApplication::processEvents();
    }
}

void TfrmGlowne::Ustawienia()
{
    TfrmUstawienia dialog(parametry_, this);
    dialog.exec();
}

void TfrmGlowne::PolecenieGry(TPolecenieGry polecenie, int indeksGry)
{
    if (indeksGry < 0 || static_cast<std::size_t>(indeksGry) >= katalog_.Ile())
        return;
    if (katalog_.Gra(static_cast<std::size_t>(indeksGry)).Losowania.empty()) {
        Komunikat(Tekst(TTekst::BazaLosowanJestPusta), ObrazekOstrzezenie, PrzyciskiOK, this);
        return;
    }
    if (polecenie == TPolecenieGry::Statystyka)
        poleceniaStatystyki_->NowaStatystyka(static_cast<std::size_t>(indeksGry));
    // The searches open their windows here once those exist.
}

void TfrmGlowne::UlozPionowo()
{
    Uloz(Qt::Vertical);
}

void TfrmGlowne::UlozPoziomo()
{
    Uloz(Qt::Horizontal);
}

void TfrmGlowne::Uloz(Qt::Orientation kierunek)
{
    // Minimized windows keep their icons; the others share the area in equal strips.
    QList<QMdiSubWindow*> okna;
    for (QMdiSubWindow* okno : obszar_->subWindowList())
        if (!okno->isMinimized())
            okna << okno;
    if (okna.isEmpty())
        return;
    const QRect obszar = obszar_->viewport()->rect();
    const bool pionowo = kierunek == Qt::Vertical;
    const int pasek = (pionowo ? obszar.height() : obszar.width()) / static_cast<int>(okna.size());
    for (int i = 0; i < okna.size(); ++i) {
        okna[i]->showNormal();
        okna[i]->setGeometry(pionowo ? QRect(0, i * pasek, obszar.width(), pasek)
                                     : QRect(i * pasek, 0, pasek, obszar.height()));
    }
}

void TfrmGlowne::ZmniejszWszystkie()
{
    const QList<QMdiSubWindow*> okna = obszar_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = okna.rbegin(); it != okna.rend(); ++it)
        (*it)->showMinimized();
}

void TfrmGlowne::ZamknijWszystkie()
{
    // The last window first; each may refuse (a running computation, an unsaved system).
    const QList<QMdiSubWindow*> okna = obszar_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = okna.rbegin(); it != okna.rend(); ++it)
        (*it)->close();
}

void TfrmGlowne::OdswiezListeOkien()
{
    QMenu* menu = akcje_->MenuOkienka();
    for (QAction* wpis : std::as_const(wpisyOkien_)) {
        menu->removeAction(wpis);
        delete wpis;
    }
    wpisyOkien_.clear();
    const QList<QMdiSubWindow*> okna = obszar_->subWindowList(QMdiArea::CreationOrder);
    if (okna.isEmpty())
        return;
    wpisyOkien_ << menu->addSeparator();
    for (QMdiSubWindow* okno : okna) {
        QAction* wpis = menu->addAction(okno->windowTitle());
        wpis->setCheckable(true);
        wpis->setChecked(okno == obszar_->activeSubWindow());
        connect(wpis, &QAction::triggered, this, [this, okno] { obszar_->setActiveSubWindow(okno); });
        wpisyOkien_ << wpis;
    }
}

TOknoPomocy* TfrmGlowne::OknoPomocy()
{
    if (!oknoPomocy_)
        oknoPomocy_ = new TOknoPomocy(plikPomocy_, this);
    return oknoPomocy_;
}

void TfrmGlowne::PomocKontekstowa()
{
    if (kontekstPomocy_ != 0)
        OknoPomocy()->PokazTemat(TematKontekstu(kontekstPomocy_));
    kontekstPomocy_ = 0;
}

bool TfrmGlowne::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    // Activating or leaving the collection window changes the window the commands act on.
    if (obiekt == kolekcja_.data() && (zdarzenie->type() == QEvent::WindowActivate ||
                                zdarzenie->type() == QEvent::WindowDeactivate))
        OdswiezPolecenia();
    // Whichever window with a help context was last shown or activated names the help topic.
    if (zdarzenie->type() == QEvent::Show || zdarzenie->type() == QEvent::WindowActivate ||
        zdarzenie->type() == QEvent::FocusIn) {
        const QVariant kontekst = obiekt->property(WlasnoscKontekstuPomocy);
        if (kontekst.isValid())
            kontekstPomocy_ = kontekst.toInt();
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TfrmGlowne::closeEvent(QCloseEvent* zdarzenie)
{
    ZamknijWszystkie();
    if (!obszar_->subWindowList().isEmpty()) {
        zdarzenie->ignore();
        return;
    }
    disconnect(obszar_, &QMdiArea::subWindowActivated, this, &TfrmGlowne::OdswiezPolecenia);
    UsunPlikiTymczasowe(katalogDane_.toStdString());
    katalog_ = TKatalogGier();
    ZapiszUstawienia(parametry_);
    zdarzenie->accept();
}

} // namespace tarvomund
