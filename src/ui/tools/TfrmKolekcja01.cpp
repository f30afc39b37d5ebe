#include "tools/TfrmKolekcja01.h"

#include "app/Ikony.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "model/Wspolne.h"
#include "tools/PlikKolekcji.h"
#include "tools/TKolekcja.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace tarvomund {

namespace {

constexpr int KontekstKolekcji = 1051;
constexpr int RolaIkony = Qt::UserRole;
constexpr int BokIkony = 12;
constexpr int BokIkonyPrzycisku = 20;
constexpr int SzerokoscOkna = 440;
constexpr int WysokoscOkna = 480;
constexpr const char* RozszerzenieKolekcji = "k22";
// Entries from this level down are points, whose texts hold numbers.
constexpr int PoziomPunktow = 2;
constexpr const char* SeparatoryLiczb = " ,";
constexpr const char* KoniecLiczb = "[";

// The panel's look in this window.
const QColor TloPanelu(55, 100, 65);
const QColor PolePanelu(114, 181, 192);

// The series colours of the statistics charts, icons 1..8.
constexpr std::array<QRgb, IleIkonSerii> KoloryIkonSerii{
    0xffff0000, 0xff008000, 0xffffff00, 0xff0000ff, 0xffff8000, 0xffff00ff, 0xff008080, 0xff808080,
};

QPixmap PustaIkona()
{
    QPixmap obraz(BokIkony, BokIkony);
    obraz.fill(Qt::transparent);
    return obraz;
}

QIcon NarysujIkone(int numer)
{
    QPixmap obraz = PustaIkona();
    QPainter p(&obraz);
    if (numer >= 1 && numer <= IleIkonSerii) {
        p.fillRect(1, 1, BokIkony - 2, BokIkony - 2, QColor::fromRgb(KoloryIkonSerii[static_cast<std::size_t>(numer - 1)]));
        p.setPen(Qt::black);
        p.drawRect(1, 1, BokIkony - 3, BokIkony - 3);
    } else if (numer == IkonaKopii) {
        // A copied chart: a navy plate with three bars.
        p.fillRect(0, 0, BokIkony, BokIkony, QColor(0, 0, 128));
        p.fillRect(2, 6, 2, 4, Qt::white);
        p.fillRect(5, 3, 2, 7, Qt::yellow);
        p.fillRect(8, 5, 2, 5, Qt::white);
    } else if (numer == IkonaPunktu) {
        // A point of a chart.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 128), 1));
        p.setBrush(QColor(255, 255, 213));
        p.drawEllipse(QRectF(2.5, 2.5, BokIkony - 5, BokIkony - 5));
    }
    p.end();
    return QIcon(obraz);
}

const QIcon& IkonaStanu(int numer)
{
    static const std::array<QIcon, IkonaPunktu + 1> ikony = [] {
        std::array<QIcon, IkonaPunktu + 1> wynik;
        for (int i = 0; i <= IkonaPunktu; ++i)
            wynik[static_cast<std::size_t>(i)] = NarysujIkone(i);
        return wynik;
    }();
    return ikony[static_cast<std::size_t>(std::clamp(numer, 0, IkonaPunktu))];
}

QToolButton* Przycisk(QWidget* rodzic, const QIcon& ikona, const QString& podpowiedz)
{
    auto* przycisk = new QToolButton(rodzic);
    przycisk->setIcon(ikona);
    przycisk->setIconSize(QSize(BokIkonyPrzycisku, BokIkonyPrzycisku));
    przycisk->setAutoRaise(true);
    przycisk->setToolTip(podpowiedz);
    przycisk->setStatusTip(podpowiedz);
    return przycisk;
}

} // namespace

TfrmKolekcja01::TfrmKolekcja01(const QString& katalogDane, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint),
      katalogDane_(katalogDane)
{
    setObjectName(QStringLiteral("frmKolekcja01"));
    setWindowTitle(Tekst(TTekst::Kolekcja));
    UstawKontekstPomocy(this, KontekstKolekcji);

    btnWczytaj_ = Przycisk(this, IkonaPolecenia(TPolecenie::Wczytaj), Tekst(TTekst::WczytajKolekcjeNumerow));
    btnZapisz_ = Przycisk(this, IkonaPolecenia(TPolecenie::Zapisz), Tekst(TTekst::ZapiszKolekcjeNumerow));
    Label1_ = new QLabel(this);
    Label1_->setObjectName(QStringLiteral("Label1"));

    Kolekcja1_ = new TKolekcja(this);
    Kolekcja1_->setObjectName(QStringLiteral("Kolekcja1"));
    Kolekcja1_->Podwojne = false;
    Kolekcja1_->KolorZaz = Qt::red;
    Kolekcja1_->KolorObwodki = Qt::red;
    Kolekcja1_->KolorTla = TloPanelu;
    Kolekcja1_->KolorPola1 = PolePanelu;
    Kolekcja1_->Font1.setBold(true);
    Kolekcja1_->KolorTekstu1 = Qt::yellow;
    Kolekcja1_->LimitZaz = -1;
    Kolekcja1_->Odswiez();
    // The count follows the mouse over the panel, so the panel reports moves without a button too.
    Kolekcja1_->setMouseTracking(true);
    Kolekcja1_->installEventFilter(this);

    TRV_ = new QTreeWidget(this);
    TRV_->setObjectName(QStringLiteral("TRV"));
    TRV_->setHeaderHidden(true);
    TRV_->setColumnCount(1);
    TRV_->setIconSize(QSize(BokIkony, BokIkony));
    TRV_->installEventFilter(this);

    menuPanelu_ = new QMenu(this);
    connect(menuPanelu_->addAction(Tekst(TTekst::UsunLiczbe)), &QAction::triggered, this, [this] {
        if (Kolekcja1_->LastNumer >= 0)
            Kolekcja1_->Usun(Kolekcja1_->LastNumer);
        OdswiezEtykiete();
    });
    connect(menuPanelu_->addAction(Tekst(TTekst::UsunWszystkieLiczby)), &QAction::triggered, this, [this] {
        Kolekcja1_->Wyczysc();
        OdswiezEtykiete();
    });
    menuDrzewa_ = new QMenu(this);
    connect(menuDrzewa_->addAction(Tekst(TTekst::UsunPozycje)), &QAction::triggered, this, &TfrmKolekcja01::UsunPozycje);
    connect(menuDrzewa_->addAction(Tekst(TTekst::UsunWszystkoZKolekcji)), &QAction::triggered, TRV_, &QTreeWidget::clear);

    Kolekcja1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Kolekcja1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& punkt) { menuPanelu_->popup(Kolekcja1_->mapToGlobal(punkt)); });
    TRV_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TRV_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& punkt) { menuDrzewa_->popup(TRV_->viewport()->mapToGlobal(punkt)); });
    connect(TRV_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* pozycja) { DodajLiczbyPozycji(pozycja); });
    connect(Kolekcja1_, &TKolekcja::Zmieniono, this, &TfrmKolekcja01::OdswiezEtykiete);
    connect(btnZapisz_, &QToolButton::clicked, this, &TfrmKolekcja01::ZapiszZWyboremPliku);
    connect(btnWczytaj_, &QToolButton::clicked, this, &TfrmKolekcja01::WczytajZWyboremPliku);

    auto* pasek = new QHBoxLayout;
    pasek->setSpacing(2);
    pasek->addWidget(btnWczytaj_);
    pasek->addWidget(btnZapisz_);
    pasek->addSpacing(8);
    pasek->addWidget(Label1_, 1);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(4, 4, 4, 4);
    uklad->setSpacing(4);
    uklad->addLayout(pasek);
    uklad->addWidget(Kolekcja1_);
    uklad->addWidget(TRV_, 1);
    resize(SzerokoscOkna, WysokoscOkna);
    OdswiezEtykiete();
}

QTreeWidgetItem* TfrmKolekcja01::DodajPozycje(QTreeWidgetItem* rodzic, const QString& tekst, int ikona)
{
    auto* pozycja = rodzic ? new QTreeWidgetItem(rodzic) : new QTreeWidgetItem(TRV_);
    pozycja->setText(0, tekst);
    pozycja->setData(0, RolaIkony, ikona);
    pozycja->setIcon(0, IkonaStanu(ikona));
    return pozycja;
}

int TfrmKolekcja01::Ikona(const QTreeWidgetItem* pozycja)
{
    return pozycja ? pozycja->data(0, RolaIkony).toInt() : 0;
}

int TfrmKolekcja01::Poziom(const QTreeWidgetItem* pozycja)
{
    int poziom = 0;
    for (const QTreeWidgetItem* p = pozycja ? pozycja->parent() : nullptr; p; p = p->parent())
        ++poziom;
    return poziom;
}

void TfrmKolekcja01::DodajKopie(const QString& tytul, const std::vector<TSeriaKopii>& serie)
{
    QTreeWidgetItem* kopia = DodajPozycje(nullptr, tytul, IkonaKopii);
    for (const TSeriaKopii& s : serie) {
        QTreeWidgetItem* seria = DodajPozycje(kopia, s.Nazwa, IkonaSerii(s.Indeks));
        for (const QString& punkt : s.Punkty)
            DodajPozycje(seria, punkt, IkonaPunktu);
    }
}

void TfrmKolekcja01::DodajKopie(const QString& tytul,
                                const std::vector<std::pair<QString, std::vector<QString>>>& serie)
{
    std::vector<TSeriaKopii> kolejne;
    for (std::size_t i = 0; i < serie.size(); ++i)
        kolejne.push_back({serie[i].first, static_cast<int>(i), serie[i].second});
    DodajKopie(tytul, kolejne);
}

void TfrmKolekcja01::DodajLiczbyPozycji(QTreeWidgetItem* pozycja)
{
    if (!pozycja || Poziom(pozycja) < PoziomPunktow)
        return;
    const TTablicaLiczb liczby = RozbierzLiczby(pozycja->text(0).toStdString(), SeparatoryLiczb, KoniecLiczb);
    // Unused places of the list hold zeros, and no lottery number is 0.
    for (const uint8_t liczba : liczby)
        if (liczba != 0)
            Kolekcja1_->Dodaj(liczba, 0, false);
}

void TfrmKolekcja01::UsunPozycje()
{
    // Deleting an entry deletes its sub-entries with it.
    delete TRV_->currentItem();
}

bool TfrmKolekcja01::Zapisz(const QString& plik)
{
    if (TRV_->topLevelItemCount() == 0)
        return false;
    if (QFileInfo::exists(plik) &&
        Komunikat(Tekst(TTekst::TakiPlikJuzIstniejeCzyChceszGoNadpisac), ObrazekPytanie, PrzyciskiTakNie, this) !=
            KomunikatTak)
        return false;

    TDrzewoKolekcji drzewo;
    const std::function<void(const QTreeWidgetItem*, int)> dopisz = [&](const QTreeWidgetItem* pozycja, int poziom) {
        drzewo.push_back({pozycja->text(0).toStdString(), poziom, Ikona(pozycja)});
        for (int i = 0; i < pozycja->childCount(); ++i)
            dopisz(pozycja->child(i), poziom + 1);
    };
    for (int i = 0; i < TRV_->topLevelItemCount(); ++i)
        dopisz(TRV_->topLevelItem(i), 0);
    // The old file is replaced only once the new one is complete.
    if (!ZapiszDrzewoKolekcji(plik.toStdString(), drzewo)) {
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
        return false;
    }

    std::vector<TLiczbaKolekcji> liczby;
    for (const TPodwOb& element : Kolekcja1_->Elementy())
        liczby.push_back({static_cast<uint8_t>(element.Numer), element.Zaznaczony});
    // The panel file is a companion: failing to write it does not undo the saved tree.
    ZapiszLiczbyKolekcji(PlikLiczbKolekcji(plik.toStdString()), liczby);
    return true;
}

bool TfrmKolekcja01::Wczytaj(const QString& plik)
{
    const std::optional<TDrzewoKolekcji> drzewo = WczytajDrzewoKolekcji(plik.toStdString());
    if (!drzewo) {
        Komunikat(Tekst(TTekst::BladOdczytu), ObrazekStop, PrzyciskiOK, this);
        return false;
    }
    TRV_->clear();
    // The entries of the path from the top to the last entry, one per level.
    std::vector<QTreeWidgetItem*> sciezka;
    for (const TPozycjaKolekcji& pozycja : *drzewo) {
        sciezka.resize(static_cast<std::size_t>(pozycja.Poziom));
        QTreeWidgetItem* rodzic = sciezka.empty() ? nullptr : sciezka.back();
        sciezka.push_back(DodajPozycje(rodzic, QString::fromStdString(pozycja.Tekst), pozycja.Ikona));
    }
    // The panel is not emptied: the file's numbers join those already there.
    for (const TLiczbaKolekcji& liczba : WczytajLiczbyKolekcji(PlikLiczbKolekcji(plik.toStdString())))
        Kolekcja1_->Dodaj(liczba.Numer, 0, liczba.Zaznaczony);
    OdswiezEtykiete();
    return true;
}

void TfrmKolekcja01::Pokaz()
{
    showNormal();
    raise();
    activateWindow();
}

void TfrmKolekcja01::ZapiszZWyboremPliku()
{
    if (TRV_->topLevelItemCount() == 0)
        return;
    const QString rozszerzenie = QLatin1String(RozszerzenieKolekcji);
    QFileDialog dialog(this, QString(), katalogDane_,
                       Tekst(TTekst::Kolekcja2) + QStringLiteral(" (*.") + rozszerzenie + QLatin1Char(')'));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(rozszerzenie);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    Zapisz(dialog.selectedFiles().constFirst());
}

void TfrmKolekcja01::WczytajZWyboremPliku()
{
    const QString filtr =
        Tekst(TTekst::Kolekcje) + QStringLiteral(" (*.") + QLatin1String(RozszerzenieKolekcji) + QLatin1Char(')');
    const QString plik = QFileDialog::getOpenFileName(this, QString(), katalogDane_, filtr);
    if (!plik.isEmpty())
        Wczytaj(plik);
}

void TfrmKolekcja01::OdswiezEtykiete()
{
    Label1_->setText(Tekst(TTekst::IloscZaznaczonychNumerow) + QStringLiteral(" - ") +
                     QString::number(Kolekcja1_->IleZaznaczonych()));
}

bool TfrmKolekcja01::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == Kolekcja1_ && zdarzenie->type() == QEvent::MouseMove) {
        OdswiezEtykiete();
    } else if (obiekt == TRV_ && zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz == Qt::Key_Delete) {
            UsunPozycje();
            return true;
        }
        if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
            DodajLiczbyPozycji(TRV_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

} // namespace tarvomund
