#include "slips/TfrmEdGraf1.h"

#include "app/Ikony.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "slips/PlikBlankietu.h"
#include "slips/SkalaBlankietu.h"
#include "slips/TEdGraf.h"
#include "slips/TFrmEdParBl.h"
#include "slips/TFrmParEdDruk.h"
#include "slips/TfrmParGr.h"
#include "slips/TfrmWstawProw.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

using P = TPolecenieEdytora;

constexpr QRgb KolorPlikow = 0xff3a6ea5;
constexpr QRgb KolorEdycji = 0xff2e8b57;
constexpr QRgb KolorProwadnic = 0xff555555;
constexpr int SzerokoscStatusu = 110;

struct TOpisAkcji {
    P Polecenie;
    TTekst Napis;
};

// Commands whose caption comes straight from the text table.
constexpr TOpisAkcji Napisy[] = {
    {P::Wczytaj, TTekst::WczytajBlankiet},
    {P::Zapisz, TTekst::ZapiszBlankiet},
    {P::ZapiszJako, TTekst::ZapiszBlankietJako},
    {P::Tlo, TTekst::WczytajTloBmp},
    {P::UsunTlo, TTekst::UsunTlo},
    {P::Zakoncz, TTekst::Zakoncz},
    {P::Wytnij, TTekst::WytnijCtrlX},
    {P::Kopiuj, TTekst::KopiujCtrlC},
    {P::Wstaw, TTekst::WstawCtrlV},
    {P::ZaznaczWszystko, TTekst::ZaznaczWszystko},
    {P::UsunWszystko, TTekst::UsunWszystko},
    {P::Parametry, TTekst::UstawParametryPolaLubGrupy},
    {P::Ukryj, TTekst::Ukryj},
    {P::Wyswietl, TTekst::Wyswietl},
    {P::PokazProwadnice, TTekst::WyswietlProwadnice},
    {P::WstawProwadnice, TTekst::WstawWRownychOdstepach},
    {P::UsunProwadnice, TTekst::UsunWszystkie},
    {P::Ustawienia, TTekst::UstawieniaBlankietu},
    {P::Podglad, TTekst::PodgladITest},
    {P::Strzalka, TTekst::PodpNarzedzieStrzalka},
    {P::Rodzaj1, TTekst::PodpPoleBelkaPozioma},
    {P::Rodzaj2, TTekst::PodpPoleBelkaPionowa},
    {P::Rodzaj3, TTekst::PodpPoleKrzyzyk},
    {P::Rodzaj4, TTekst::PodpPoleElipsa},
    {P::Rodzaj5, TTekst::PodpPoleTekstPoziomy},
    {P::Rodzaj6, TTekst::PodpPoleTekstPionowy},
    {P::Powieksz, TTekst::PodpPowieksz},
    {P::Pomniejsz, TTekst::PodpPomniejsz},
    {P::Skala600, TTekst::PodpSkala600},
    {P::Skala150, TTekst::PodpSkala150},
};

P Wyrownanie(int przycisk)
{
    return static_cast<P>(static_cast<std::size_t>(P::A1) + static_cast<std::size_t>(przycisk - 1));
}

P Narzedzie(uint8_t rodzaj)
{
    return static_cast<P>(static_cast<std::size_t>(P::Strzalka) + rodzaj);
}

} // namespace

TfrmEdGraf1::TfrmEdGraf1(QString katalogDane, QWidget* parent)
    : QDialog(parent), katalogDane_(std::move(katalogDane)), graf_(new TEdGraf(edytor_, this)),
      lblX_(new QLabel(this)), lblY_(new QLabel(this)), lblZnacznik_(new QLabel(QStringLiteral("o"), this))
{
    setWindowTitle(Tekst(TTekst::MenuEdytorBlankietow));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    UstawKontekstPomocy(this, KontekstPomocy);
    setModal(true);
    graf_->setObjectName(QStringLiteral("Graf"));
    lblX_->setObjectName(QStringLiteral("lblX"));
    lblY_->setObjectName(QStringLiteral("lblY"));
    lblZnacznik_->setObjectName(QStringLiteral("lblZnacznik"));

    ZbudujAkcje();
    ZbudujMenu();
    ZbudujPaski();

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    for (QLabel* l : {lblX_, lblY_})
        l->setMinimumWidth(SzerokoscStatusu);
    lblZnacznik_->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; }"));
    status->addWidget(lblX_);
    status->addWidget(lblY_);
    status->addWidget(lblZnacznik_);

    auto* srodek = new QHBoxLayout;
    srodek->setContentsMargins(0, 0, 0, 0);
    srodek->addWidget(paleta_);
    srodek->addWidget(graf_, 1);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->setMenuBar(menu_);
    uklad->addWidget(pasek_);
    uklad->addLayout(srodek, 1);
    uklad->addWidget(status);

    PolaczAkcje();
    PokazRuch(-1, -1);
    resize(1000, 650);
    setWindowState(windowState() | Qt::WindowMaximized);
    OdswiezStan();
}

TfrmEdGraf1::~TfrmEdGraf1() = default;

void TfrmEdGraf1::ZbudujAkcje()
{
    for (std::size_t i = 0; i < akcje_.size(); ++i)
        akcje_[i] = new QAction(this);
    for (const TOpisAkcji& opis : Napisy) {
        Akcja(opis.Polecenie)->setText(Tekst(opis.Napis));
        Akcja(opis.Polecenie)->setToolTip(Tekst(opis.Napis));
    }
    const TTekst wyrownania[] = {TTekst::PodpA1, TTekst::PodpA2, TTekst::PodpA3, TTekst::PodpA4,
                                 TTekst::PodpA5, TTekst::PodpA6, TTekst::PodpA7, TTekst::PodpA8};
    for (int i = 1; i <= 8; ++i) {
        QAction* a = Akcja(Wyrownanie(i));
        a->setText(QStringLiteral("A%1").arg(i));
        a->setToolTip(Tekst(wyrownania[i - 1]));
        a->setIcon(IkonaZnaku(QStringLiteral("A%1").arg(i), KolorProwadnic));
    }
    Akcja(P::Wczytaj)->setIcon(IkonaZnaku(QStringLiteral("\u21E7"), KolorPlikow));
    Akcja(P::Zapisz)->setIcon(IkonaZnaku(QStringLiteral("\u21E9"), KolorPlikow));
    Akcja(P::Parametry)->setIcon(IkonaZnaku(QStringLiteral("P"), KolorEdycji));
    Akcja(P::PokazProwadnice)->setIcon(IkonaZnaku(QStringLiteral("#"), KolorProwadnic));
    Akcja(P::PokazProwadnice)->setCheckable(true);
    Akcja(P::PokazProwadnice)->setChecked(true);
    Akcja(P::WstawProwadnice)->setIcon(IkonaZnaku(QStringLiteral("\u2261"), KolorProwadnic));
    auto* narzedzia = new QActionGroup(this);
    for (uint8_t r = NarzedzieStrzalka; r <= MaxRodzajPola; ++r) {
        QAction* a = Akcja(Narzedzie(r));
        a->setIcon(IkonaRodzajuPola(r));
        a->setCheckable(true);
        narzedzia->addAction(a);
    }
    Akcja(P::Strzalka)->setChecked(true);
    Akcja(P::Powieksz)->setIcon(IkonaZnaku(QStringLiteral("+"), KolorEdycji));
    Akcja(P::Pomniejsz)->setIcon(IkonaZnaku(QStringLiteral("\u2212"), KolorEdycji));
    Akcja(P::Skala600)->setIcon(IkonaZnaku(QStringLiteral("600"), KolorEdycji));
    Akcja(P::Skala150)->setIcon(IkonaZnaku(QStringLiteral("150"), KolorEdycji));
}

void TfrmEdGraf1::ZbudujMenu()
{
    menu_ = new QMenuBar(this);
    QMenu* pliki = menu_->addMenu(Tekst(TTekst::MenuEdytoraPliki));
    pliki->addActions({Akcja(P::Wczytaj), Akcja(P::Zapisz), Akcja(P::ZapiszJako)});
    pliki->addSeparator();
    pliki->addActions({Akcja(P::Tlo), Akcja(P::UsunTlo)});
    pliki->addSeparator();
    pliki->addAction(Akcja(P::Zakoncz));
    QMenu* edycja = menu_->addMenu(Tekst(TTekst::MenuEdytoraEdycja));
    edycja->addActions({Akcja(P::Wytnij), Akcja(P::Kopiuj), Akcja(P::Wstaw)});
    edycja->addSeparator();
    edycja->addActions({Akcja(P::ZaznaczWszystko), Akcja(P::UsunWszystko)});
    edycja->addSeparator();
    edycja->addAction(Akcja(P::Parametry));
    QMenu* prowadnice = menu_->addMenu(Tekst(TTekst::MenuEdytoraProwadnice));
    prowadnice->addActions({Akcja(P::Ukryj), Akcja(P::Wyswietl), Akcja(P::WstawProwadnice), Akcja(P::UsunProwadnice)});
    QMenu* blankiet = menu_->addMenu(Tekst(TTekst::MenuEdytoraBlankiet));
    blankiet->addActions({Akcja(P::Ustawienia), Akcja(P::Podglad)});

    // The pop-up menu of the slip: the editing commands and the guides.
    menuPodreczne_ = new QMenu(this);
    menuPodreczne_->addActions({Akcja(P::Wytnij), Akcja(P::Kopiuj), Akcja(P::Wstaw)});
    menuPodreczne_->addSeparator();
    menuPodreczne_->addActions({Akcja(P::ZaznaczWszystko), Akcja(P::UsunWszystko)});
    menuPodreczne_->addSeparator();
    menuPodreczne_->addAction(Akcja(P::Parametry));
    menuPodreczne_->addSeparator();
    QAction* ukryj = menuPodreczne_->addAction(Tekst(TTekst::UkryjProwadnice));
    QAction* wyswietl = menuPodreczne_->addAction(Tekst(TTekst::WyswietlProwadnice));
    connect(ukryj, &QAction::triggered, Akcja(P::Ukryj), &QAction::trigger);
    connect(wyswietl, &QAction::triggered, Akcja(P::Wyswietl), &QAction::trigger);
    connect(menuPodreczne_, &QMenu::aboutToShow, this, [this, ukryj, wyswietl] {
        ukryj->setEnabled(Akcja(P::Ukryj)->isEnabled());
        wyswietl->setEnabled(Akcja(P::Wyswietl)->isEnabled());
    });
}

void TfrmEdGraf1::ZbudujPaski()
{
    pasek_ = new QToolBar(this);
    pasek_->setIconSize(QSize(22, 22));
    pasek_->addActions({Akcja(P::Wczytaj), Akcja(P::Zapisz), Akcja(P::Parametry)});
    pasek_->addSeparator();
    pasek_->addActions({Akcja(P::PokazProwadnice), Akcja(P::WstawProwadnice)});
    pasek_->addSeparator();
    for (int i = 1; i <= 8; ++i)
        pasek_->addAction(Akcja(Wyrownanie(i)));

    paleta_ = new QToolBar(this);
    paleta_->setOrientation(Qt::Vertical);
    paleta_->setIconSize(QSize(24, 24));
    for (uint8_t r = NarzedzieStrzalka; r <= MaxRodzajPola; ++r)
        paleta_->addAction(Akcja(Narzedzie(r)));
    paleta_->addSeparator();
    paleta_->addActions({Akcja(P::Powieksz), Akcja(P::Pomniejsz), Akcja(P::Skala600), Akcja(P::Skala150)});
}

void TfrmEdGraf1::PolaczAkcje()
{
    auto polacz = [this](P p, auto funkcja) { connect(Akcja(p), &QAction::triggered, this, funkcja); };
    polacz(P::Wczytaj, [this] {
        const QString plik = QFileDialog::getOpenFileName(this, Tekst(TTekst::WczytajBlankiet), katalogDane_,
                                                          Tekst(TTekst::FiltrPlikBlankietow));
        if (!plik.isEmpty())
            Wczytaj(plik);
    });
    auto zapiszJako = [this] {
        QFileDialog dialog(this, Tekst(TTekst::ZapiszBlankietJako), katalogDane_, Tekst(TTekst::FiltrPlikiBlankietow));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("bln"));
        // The editor asks its own question about an existing file.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            ZapiszJakoDo(dialog.selectedFiles().constFirst());
    };
    polacz(P::ZapiszJako, zapiszJako);
    polacz(P::Zapisz, [this, zapiszJako] {
        if (edytor_.Plik().empty())
            zapiszJako();
        else
            Zapisz(QString::fromStdString(edytor_.Plik()));
    });
    polacz(P::Tlo, [this] {
        const QString plik = QFileDialog::getOpenFileName(this, Tekst(TTekst::WczytajTloBmp), katalogDane_,
                                                          Tekst(TTekst::FiltrPlikiBmp));
        if (!plik.isEmpty())
            WczytajTlo(plik);
    });
    polacz(P::UsunTlo, [this] {
        graf_->UsunTlo();
        OdswiezStan();
    });
    polacz(P::Zakoncz, [this] { close(); });
    polacz(P::Wytnij, [this] {
        edytor_.Wytnij();
        ZmianaUkladu();
    });
    polacz(P::Kopiuj, [this] {
        edytor_.Kopiuj();
        OdswiezStan();
    });
    polacz(P::Wstaw, [this] {
        edytor_.Wstaw();
        ZmianaUkladu();
    });
    polacz(P::ZaznaczWszystko, [this] {
        edytor_.ZaznaczWszystko();
        ZmianaUkladu();
    });
    polacz(P::UsunWszystko, [this] {
        edytor_.UsunWszystko();
        ZmianaUkladu();
    });
    polacz(P::Parametry, &TfrmEdGraf1::ParametryPola);
    auto prowadnice = [this](bool widoczne) {
        edytor_.UstawProwadniceWidoczne(widoczne);
        Akcja(P::PokazProwadnice)->setChecked(widoczne);
        ZmianaUkladu();
    };
    polacz(P::Ukryj, [prowadnice] { prowadnice(false); });
    polacz(P::Wyswietl, [prowadnice] { prowadnice(true); });
    connect(Akcja(P::PokazProwadnice), &QAction::toggled, this, prowadnice);
    polacz(P::WstawProwadnice, &TfrmEdGraf1::WstawProwadnice);
    polacz(P::UsunProwadnice, [this] {
        edytor_.UsunProwadnice();
        ZmianaUkladu();
    });
    polacz(P::Ustawienia, &TfrmEdGraf1::UstawieniaBlankietu);
    polacz(P::Podglad, &TfrmEdGraf1::PodgladITest);
    for (int i = 1; i <= 8; ++i)
        polacz(Wyrownanie(i), [this, i] { Wyrownaj(i); });
    for (uint8_t r = NarzedzieStrzalka; r <= MaxRodzajPola; ++r)
        polacz(Narzedzie(r), [this, r] {
            edytor_.UstawNarzedzie(r);
            graf_->Obraz()->setCursor(r == NarzedzieStrzalka ? Qt::ArrowCursor : Qt::CrossCursor);
        });
    auto skala = [this](int nowa) {
        graf_->UstawSkale(nowa);
        OdswiezStan();
    };
    polacz(P::Powieksz, [this, skala] { skala(edytor_.Skala() + KrokSkali); });
    polacz(P::Pomniejsz, [this, skala] { skala(edytor_.Skala() - KrokSkali); });
    polacz(P::Skala600, [skala] { skala(MaxSkala); });
    polacz(P::Skala150, [skala] { skala(SkalaPoczatkowa); });

    connect(graf_, &TEdGraf::Zmieniono, this, &TfrmEdGraf1::OdswiezStan);
    connect(graf_, &TEdGraf::RuchMyszy, this, &TfrmEdGraf1::PokazRuch);
    connect(graf_, &TEdGraf::MenuPodreczne, this, [this](QPoint gdzie) { menuPodreczne_->popup(gdzie); });
}

void TfrmEdGraf1::ZmianaUkladu()
{
    graf_->Odswiez();
    OdswiezStan();
}

void TfrmEdGraf1::OdswiezStan()
{
    const bool zaznaczenie = !edytor_.Zaznaczenie().empty();
    const bool widoczne = edytor_.ProwadniceWidoczne();
    const TBlankietOb& b = edytor_.Blankiet();
    Akcja(P::Parametry)->setEnabled(zaznaczenie);
    Akcja(P::Wytnij)->setEnabled(zaznaczenie);
    Akcja(P::Kopiuj)->setEnabled(zaznaczenie);
    Akcja(P::Wstaw)->setEnabled(edytor_.WSchowku() > 0);
    Akcja(P::ZaznaczWszystko)->setEnabled(!b.Pola.empty());
    Akcja(P::UsunWszystko)->setEnabled(!b.Pola.empty() || !b.Grupy.empty());
    Akcja(P::UsunTlo)->setEnabled(graf_->MaTlo());
    Akcja(P::Ukryj)->setEnabled(widoczne);
    Akcja(P::Wyswietl)->setEnabled(!widoczne);
    Akcja(P::UsunProwadnice)->setEnabled(widoczne && !b.Prowadnice.empty());
    for (int i = 1; i <= 8; ++i)
        Akcja(Wyrownanie(i))->setEnabled(widoczne && zaznaczenie);
    Akcja(P::Powieksz)->setEnabled(edytor_.MoznaPowiekszyc());
    Akcja(P::Pomniejsz)->setEnabled(edytor_.MoznaPomniejszyc());
    lblZnacznik_->setVisible(edytor_.PokazZnacznik());
}

void TfrmEdGraf1::PokazRuch(double xMm, double yMm)
{
    auto tekst = [](const char* os, double mm) {
        QString t = QLatin1String(os);
        if (mm >= 0)
            t += QString::asprintf("%6.2f mm", mm);
        return t;
    };
    lblX_->setText(tekst("x: ", xMm));
    lblY_->setText(tekst("y: ", yMm));
}

void TfrmEdGraf1::Wyrownaj(int przycisk)
{
    if (edytor_.Wyrownaj(przycisk))
        ZmianaUkladu();
}

bool TfrmEdGraf1::Wczytaj(const QString& plik)
{
    // The old layout goes first, guides included, whatever the file holds.
    edytor_.UsunProwadnice();
    edytor_.UsunWszystko();
    auto blankiet = WczytajBlankiet(plik.toStdString());
    if (!blankiet) {
        ZmianaUkladu();
        Komunikat(Tekst(TTekst::BladOdczytuPliku) + QDir::toNativeSeparators(plik), ObrazekStop, PrzyciskiOK, this);
        return false;
    }
    edytor_.Wczytano(std::move(*blankiet), plik.toStdString());
    ZmianaUkladu();
    return true;
}

bool TfrmEdGraf1::ZapiszJakoDo(const QString& plik)
{
    if (QFileInfo::exists(plik) &&
        Komunikat(Tekst(TTekst::PlikONazwie) + QDir::toNativeSeparators(plik) +
                      Tekst(TTekst::JuzIstniejeCzyChceszGoNadpisac),
                  ObrazekOstrzezenie, PrzyciskiTakNie, this) != KomunikatTak)
        return false;
    return Zapisz(plik);
}

bool TfrmEdGraf1::Zapisz(const QString& plik)
{
    if (!ZapiszBlankiet(edytor_.Blankiet(), plik.toStdString())) {
        // The layout stays unsaved; the user learns why the marker did not go.
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
        OdswiezStan();
        return false;
    }
    edytor_.Zapisano(plik.toStdString());
    OdswiezStan();
    return true;
}

bool TfrmEdGraf1::WczytajTlo(const QString& plik)
{
    QImage tlo(plik);
    if (tlo.isNull()) {
        Komunikat(Tekst(TTekst::BladOdczytuPliku) + QDir::toNativeSeparators(plik), ObrazekStop, PrzyciskiOK, this);
        return false;
    }
    edytor_.UstawRozmiarZTla(tlo.width(), tlo.height());
    graf_->UstawTlo(std::move(tlo));
    ZmianaUkladu();
    return true;
}

void TfrmEdGraf1::ParametryPola()
{
    if (edytor_.Zaznaczenie().empty())
        return;
    TfrmParGr dialog(edytor_.Blankiet(), edytor_.Zaznaczenie(), this);
    if (dialog.exec() == QDialog::Accepted)
        edytor_.UstawParametry(dialog.Parametry());
    else if (dialog.ZmienionoGrupy())
        edytor_.Zmieniono();
    ZmianaUkladu();
}

void TfrmEdGraf1::UstawieniaBlankietu()
{
    TFrmEdParBl dialog(edytor_.Blankiet(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.Zastosuj(edytor_.Blankiet());
    edytor_.Zmieniono();
    ZmianaUkladu();
}

void TfrmEdGraf1::WstawProwadnice()
{
    TfrmWstawProw dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    edytor_.WstawProwadnice(dialog.Od(), dialog.Do(), dialog.Czesci(), dialog.Kier());
    ZmianaUkladu();
}

QString TfrmEdGraf1::PlikTestu_() const
{
    return QDir(katalogDane_).filePath(QLatin1String(PlikTestu));
}

void TfrmEdGraf1::PodgladITest()
{
    const QString plik = PlikTestu_();
    if (!ZapiszBlankiet(edytor_.Blankiet(), plik.toStdString())) {
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
        return;
    }
    TFrmParEdDruk dialog(TFrmParEdDruk::TrybTestu(plik), this);
    dialog.exec();
}

void TfrmEdGraf1::done(int wynik)
{
    if (!edytor_.Zapisany() && Komunikat(Tekst(TTekst::BlankietNieZostalZapisanyZamknac), ObrazekOstrzezenie,
                                         PrzyciskiTakNie, this) != KomunikatTak)
        return;
    QDialog::done(wynik);
}

} // namespace tarvomund
