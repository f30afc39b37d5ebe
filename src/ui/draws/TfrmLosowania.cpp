#include "draws/TfrmLosowania.h"

#include "app/DatyQt.h"
#include "app/Ikony.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "draws/EksportLosowan.h"
#include "draws/TfrmImport.h"
#include "model/Daty.h"
#include "systems/TfrmNumery.h"

#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int ZapasSzerokosci = 25;
constexpr int SzerokoscSiatkiBezZapasu = 256;
constexpr int SzerokoscWaskiegoOkna = 282;
constexpr int BokPrzycisku = 26;
constexpr int OdstepWiersza = 4;
constexpr int MarginesOkna = 2;
constexpr const char* RozszerzenieTekstu = "txt";
const QColor KolorZaznaczenia(0, 0, 128);
const QColor KolorZaznaczonegoTekstu(Qt::yellow);
const QColor KolorPrzyciskow(0x3a, 0x6e, 0xa5);

// The busy cursor for as long as the object lives.
class TKursorPracy {
public:
    TKursorPracy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TKursorPracy() { QApplication::restoreOverrideCursor(); }
    TKursorPracy(const TKursorPracy&) = delete;
    TKursorPracy& operator=(const TKursorPracy&) = delete;
};

QString FiltrTekstowy()
{
    return Tekst(TTekst::PlikiTekstowe) + QStringLiteral(" (*.") + QLatin1String(RozszerzenieTekstu) +
           QLatin1Char(')');
}

} // namespace

TModelLosowan::TModelLosowan(const TObGraLista& gra, QObject* parent) : QAbstractTableModel(parent), gra_(gra) {}

int TModelLosowan::rowCount(const QModelIndex& rodzic) const
{
    if (rodzic.isValid())
        return 0;
    return std::max<int>(static_cast<int>(gra_.Losowania.size()), 1);
}

int TModelLosowan::columnCount(const QModelIndex& rodzic) const
{
    if (rodzic.isValid())
        return 0;
    return std::clamp(gra_.IleLosowanych, 0, MaxLiczbWLosowaniu) + 1;
}

QVariant TModelLosowan::data(const QModelIndex& indeks, int rola) const
{
    const auto wiersz = static_cast<std::size_t>(indeks.row());
    if (!indeks.isValid() || wiersz >= gra_.Losowania.size())
        return {};
    if (rola == Qt::TextAlignmentRole)
        return indeks.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    if (rola != Qt::DisplayRole)
        return {};
    const TObLos& los = gra_.Losowania[wiersz];
    if (indeks.column() == 0) {
        const QString data = TekstDatyQt(los.Data);
        return numery_ ? QStringLiteral("<%1>   ").arg(wiersz + 1) + data : data;
    }
    return QString::number(los.Liczby[static_cast<std::size_t>(indeks.column() - 1)]);
}

void TModelLosowan::Odswiez()
{
    beginResetModel();
    numery_ = false;
    endResetModel();
}

TfrmLosowania::TfrmLosowania(TObGraLista& gra, const QString& katalogDane, QWidget* parent)
    : QDialog(parent), edycja_(gra), katalogDane_(katalogDane), model_(new TModelLosowan(gra, this)),
      lblZakres_(new QLabel(this)), Grid1_(new QTableView(this)), btnDodaj_(new QToolButton(this)),
      btnUsun_(new QToolButton(this)), btnPopraw_(new QToolButton(this)), btnImport_(new QToolButton(this)),
      btnEksport_(new QToolButton(this)), btnOK_(new QPushButton(Tekst(TTekst::OK), this)),
      btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(Tekst(TTekst::Losowania) + QLatin1Char(' ') + QString::fromStdString(gra.Nazwa));
    setModal(true);
    setSizeGripEnabled(true);
    UstawKontekstPomocy(this, KontekstPomocy);
    lblZakres_->setObjectName(QStringLiteral("lblZakres"));
    Grid1_->setObjectName(QStringLiteral("Grid1"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    Grid1_->setModel(model_);
    for (QHeaderView* naglowek : {Grid1_->horizontalHeader(), Grid1_->verticalHeader()}) {
        naglowek->hide();
        naglowek->setMinimumSectionSize(0);
    }
    Grid1_->verticalHeader()->setDefaultSectionSize(Grid1_->fontMetrics().height() + OdstepWiersza);
    Grid1_->horizontalHeader()->setDefaultSectionSize(SzerokoscKolumnyLiczby);
    Grid1_->setColumnWidth(0, SzerokoscKolumnyDaty);
    Grid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid1_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Two or three digits fill a number column; they are shown whole, never elided.
    Grid1_->setTextElideMode(Qt::ElideNone);
    Grid1_->setWordWrap(false);
    // The selected rows are navy with yellow text, as in every grid of the program.
    QPalette paleta = Grid1_->palette();
    for (QPalette::ColorGroup grupa : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupa, QPalette::Highlight, KolorZaznaczenia);
        paleta.setColor(grupa, QPalette::HighlightedText, KolorZaznaczonegoTekstu);
    }
    Grid1_->setPalette(paleta);

    struct TPrzycisk {
        QToolButton* Przycisk;
        const char* Nazwa;
        const char16_t* Znak;
        QString Podpowiedz;
        void (TfrmLosowania::*Polecenie)();
    };
    const TPrzycisk przyciski[] = {
        {btnDodaj_, "btnDodaj", u"+", Skrot(TTekst::PodpLosDodajNoweLosowanieDoBazy), &TfrmLosowania::Dodaj},
        {btnUsun_, "btnUsun", u"\u2212", Skrot(TTekst::PodpLosUsunLosowanieZBazy), &TfrmLosowania::Usun},
        {btnPopraw_, "btnPopraw", u"\u270E", Skrot(TTekst::PodpLosPoprawLosowanie), &TfrmLosowania::Popraw},
        {btnImport_, "btnImport", u"\u21E7", Skrot(TTekst::PodpLosDodajLosowanieZPlikuTekstowego),
         &TfrmLosowania::Importuj},
        {btnEksport_, "btnEksport", u"\u21E9", Tekst(TTekst::ZapiszDoPlikuTekstowego), &TfrmLosowania::Eksportuj},
    };
    auto* pasek = new QHBoxLayout;
    pasek->setSpacing(2);
    for (const TPrzycisk& p : przyciski) {
        p.Przycisk->setObjectName(QLatin1String(p.Nazwa));
        p.Przycisk->setIcon(IkonaZnaku(QString::fromUtf16(p.Znak), KolorPrzyciskow));
        p.Przycisk->setToolTip(p.Podpowiedz);
        p.Przycisk->setStatusTip(p.Podpowiedz);
        p.Przycisk->setFixedSize(BokPrzycisku, BokPrzycisku);
        p.Przycisk->setAutoRaise(true);
        pasek->addWidget(p.Przycisk);
        connect(p.Przycisk, &QToolButton::clicked, this, p.Polecenie);
    }
    pasek->addStretch();

    auto* dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(btnOK_);
    dol->addWidget(btnAnuluj_);

    auto* uklad = new QVBoxLayout(this);
    // The window's width leaves room for the grid and its scroll bar only.
    uklad->setContentsMargins(MarginesOkna, MarginesOkna, MarginesOkna, MarginesOkna);
    uklad->addLayout(pasek);
    uklad->addWidget(lblZakres_);
    uklad->addWidget(Grid1_, 1);
    uklad->addLayout(dol);

    connect(btnOK_, &QPushButton::clicked, this, &TfrmLosowania::OK);
    connect(btnAnuluj_, &QPushButton::clicked, this, &TfrmLosowania::Anuluj);
    connect(Grid1_, &QTableView::doubleClicked, this, &TfrmLosowania::Popraw);

    resize(SzerokoscOkna(gra.IleLosowanych), WysokoscOkna);
    Odswiez();
}

int TfrmLosowania::SzerokoscOkna(int ileLosowanych)
{
    const int siatka = SzerokoscKolumnyDaty + std::clamp(ileLosowanych, 0, MaxLiczbWLosowaniu) * SzerokoscKolumnyLiczby;
    return siatka > SzerokoscSiatkiBezZapasu ? siatka + ZapasSzerokosci : SzerokoscWaskiegoOkna;
}

void TfrmLosowania::Odswiez()
{
    const std::string zakres = edycja_.Zakres();
    lblZakres_->setText(Tekst(TTekst::ZakresLosowan) + QString::fromStdString(zakres));
}

std::optional<std::pair<std::size_t, std::size_t>> TfrmLosowania::Zaznaczone() const
{
    const std::size_t ile = edycja_.Losowania().size();
    std::optional<std::pair<std::size_t, std::size_t>> zakres;
    for (const QModelIndex& wiersz : Grid1_->selectionModel()->selectedRows()) {
        const auto r = static_cast<std::size_t>(wiersz.row());
        if (r >= ile)
            continue;
        if (!zakres)
            zakres = std::pair{r, r};
        zakres->first = std::min(zakres->first, r);
        zakres->second = std::max(zakres->second, r);
    }
    return zakres;
}

bool TfrmLosowania::WybierzLiczby(const QString& tytul, const TObLos* los, TObLos& wynik)
{
    const TObGraLista& gra = edycja_.Gra();
    TfrmNumery dialog(this);
    dialog.setWindowTitle(tytul);
    TInfoGryRec info;
    info.IleLiczb = gra.IleLiczb;
    info.IleLosowanych = std::clamp(gra.IleLosowanych, 0, MaxLiczbWLosowaniu);
    if (los)
        for (int i = 0; i < info.IleLosowanych; ++i)
            info.Wlasne[1][static_cast<std::size_t>(i)] = los->Liczby[static_cast<std::size_t>(i)];
    dialog.UstawTest(info);
    if (!los)
        dialog.Zeruj();
    dialog.btnWylosuj()->hide();
    dialog.btnKolekcja()->hide();
    dialog.DE1()->setDate(los ? DataQt(los->Data) : QDate::currentDate());
    // A correction keeps the draw's date.
    dialog.DE1()->setReadOnly(los != nullptr);
    dialog.DE1()->show();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.SortujWybrane();
    wynik = TObLos{};
    wynik.Data = los ? los->Data : DniZDatyQt(dialog.DE1()->date());
    const std::vector<int>& wybrane = dialog.Wybrane();
    for (std::size_t i = 0; i < wybrane.size() && i < wynik.Liczby.size(); ++i)
        wynik.Liczby[i] = static_cast<uint8_t>(wybrane[i]);
    return true;
}

void TfrmLosowania::Dodaj()
{
    TObLos los;
    if (!WybierzLiczby(QString::fromStdString(edycja_.Gra().Nazwa), nullptr, los))
        return;
    const std::size_t indeks = edycja_.Dodaj(los);
    model_->Odswiez();
    Odswiez();
    Grid1_->selectRow(static_cast<int>(indeks));
}

void TfrmLosowania::Popraw()
{
    const auto zaznaczone = Zaznaczone();
    if (!zaznaczone)
        return;
    const std::size_t indeks = zaznaczone->first;
    const TObLos stare = edycja_.Losowania()[indeks];
    TObLos nowe;
    if (!WybierzLiczby(QString::fromStdString(edycja_.Gra().Nazwa), &stare, nowe))
        return;
    edycja_.Popraw(indeks, nowe.Liczby);
    model_->Odswiez();
    Odswiez();
    Grid1_->selectRow(static_cast<int>(indeks));
}

void TfrmLosowania::Usun()
{
    const auto zaznaczone = Zaznaczone();
    if (edycja_.Losowania().empty() || !zaznaczone)
        return;
    if (Komunikat(Tekst(TTekst::CzyChceszUsunacZaznaczoneLosowania), ObrazekPytanie, PrzyciskiTakNie, this) !=
        KomunikatTak)
        return;
    edycja_.Usun(zaznaczone->first, zaznaczone->second);
    model_->Odswiez();
    Odswiez();
}

void TfrmLosowania::Eksportuj()
{
    if (edycja_.Losowania().empty())
        return;
    QFileDialog dialog(this, QString(), katalogDane_, FiltrTekstowy());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(RozszerzenieTekstu));
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    EksportujDo(dialog.selectedFiles().constFirst());
}

void TfrmLosowania::EksportujDo(const QString& plik)
{
    if (edycja_.Losowania().empty())
        return;
    if (QFileInfo::exists(plik) &&
        Komunikat(Tekst(TTekst::TakiPlikJuzIstniejeCzyChceszGoNadpisac), ObrazekPytanie, PrzyciskiTakNie, this) !=
            KomunikatTak)
        return;
    if (!ZapiszEksportLosowan(edycja_.Gra(), plik.toStdString()))
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
}

void TfrmLosowania::Importuj()
{
    // Lists come as *.txt from this program and in other forms (*.csv) from elsewhere.
    const QString filtr = FiltrTekstowy() + QStringLiteral(";;") + Tekst(TTekst::WszystkiePliki) + QStringLiteral(" (*)");
    QFileDialog dialog(this, QString(), katalogDane_, filtr);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QLatin1String(RozszerzenieTekstu));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    ImportujZ(dialog.selectedFiles().constFirst());
}

void TfrmLosowania::ImportujZ(const QString& plik)
{
    TfrmImport dialog(this);
    dialog.Wczytaj(plik);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TFormatowanie& formatowanie = dialog.Formatowanie();
    bool nadpisuj = false;
    if (formatowanie.IleSformatowanych() > 0)
        nadpisuj = Komunikat(Tekst(TTekst::CzyChceszNadpisywacLosowaniaZTaSamaData), ObrazekPytanie, PrzyciskiTakNie,
                             this) == KomunikatTak;
    TWynikImportu wynik;
    {
        const TKursorPracy kursor;
        wynik = edycja_.Importuj(formatowanie, dialog.Uklad(edycja_.Gra()), nadpisuj);
        model_->Odswiez();
        Odswiez();
    }
    // Lines that did not parse are counted, so a list that gave nothing is never taken for success.
    const QString podsumowanie = QStringLiteral("Dopisano losowań: %1, zastąpiono: %2\r\nPominięto wierszy: %3")
                                     .arg(wynik.Dopisane)
                                     .arg(wynik.Zastapione)
                                     .arg(wynik.Pominiete);
    Komunikat(podsumowanie, wynik.Pominiete == 0 ? ObrazekInformacja : ObrazekOstrzezenie, PrzyciskiOK, this);
}

void TfrmLosowania::OK()
{
    // A failed write keeps the old file and the list in memory, and the window stays open.
    if (!edycja_.Zatwierdz()) {
        Komunikat(Tekst(TTekst::BladZapisu), ObrazekStop, PrzyciskiOK, this);
        return;
    }
    accept();
}

void TfrmLosowania::Anuluj()
{
    if (!edycja_.Odrzuc())
        Komunikat(Tekst(TTekst::BladOdczytu), ObrazekStop, PrzyciskiOK, this);
    model_->Odswiez();
    reject();
}

} // namespace tarvomund
