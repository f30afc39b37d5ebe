#include "app/TfrmNowy.h"

#include "app/KontekstPomocy.h"
#include "app/TZakladkiPrzyciski.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

constexpr int IleZakladek = 5;

int Nr(TfrmNowy::TZakladka zakladka)
{
    return static_cast<int>(zakladka);
}

// Two systems can be combined only when they were made for games of the same shape.
bool ZgodneDoZlozenia(const TInfoGryRec& a, const TInfoGryRec& b)
{
    return a.MinSkreslen == b.MinSkreslen && a.MaxSkreslen == b.MaxSkreslen && a.NormSkreslen == b.NormSkreslen
        && a.IleLiczb == b.IleLiczb && a.IleLosowanych == b.IleLosowanych && a.Pilkarski == b.Pilkarski;
}

} // namespace

TfrmNowy::TfrmNowy(const TKatalogGier& katalog, std::vector<TSystemDoZlozenia> systemy, QWidget* parent)
    : QDialog(parent), systemy_(std::move(systemy)), zakladki_(new TZakladkiPrzyciski(this)),
      btnOK_(new QPushButton(Tekst(TTekst::OK), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(Tekst(TTekst::MenuNowy).remove(QLatin1Char('&')));
    UstawKontekstPomocy(this, 0);

    auto* nowaGra = DodajListe(TZakladka::NowaGra, TTekst::NowaGra);
    nowaGra->addItem(Tekst(TTekst::NowaGraLiczbowa));

    auto* liczbowe = DodajListe(TZakladka::SystemyLiczbowe, TTekst::SystemyLiczbowe);
    for (std::size_t i = 0; i < katalog.Ile(); ++i) {
        const TObGraLista& gra = katalog.Gra(i);
        if (!gra.CzyLiczbowa())
            continue;
        auto* element = new QListWidgetItem(QString::fromStdString(gra.Nazwa), liczbowe);
        element->setData(Qt::UserRole, static_cast<qulonglong>(i));
    }

    auto* pilkarskie = DodajListe(TZakladka::SystemyPilkarskie, TTekst::SystemyPilkarskie);
    pilkarskie->addItem(Tekst(TTekst::SystemPilkarski));

    // The composite tab is a check list; selecting a row means nothing there, only the checks count.
    auto* CLB1 = DodajListe(TZakladka::SystemyZlozone, TTekst::SystemyZlozone);
    CLB1->setSelectionMode(QAbstractItemView::NoSelection);
    for (const TSystemDoZlozenia& system : systemy_) {
        auto* element = new QListWidgetItem(system.Tytul, CLB1);
        element->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        element->setCheckState(Qt::Unchecked);
    }
    connect(CLB1, &QListWidget::itemChanged, this, &TfrmNowy::CLB1Zmiana);

    auto* grupa = DodajListe(TZakladka::GrupaGraczy, TTekst::GrupaGraczy);
    grupa->addItem(Tekst(TTekst::TworzenieGrupy));

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmNowy::btnOKClick);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(zakladki_, 1);
    uklad->addLayout(przyciski);
    resize(480, 320);
}

QListWidget* TfrmNowy::DodajListe(TZakladka zakladka, TTekst tytul)
{
    auto* lista = new QListWidget;
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setUniformItemSizes(true);
    connect(lista, &QListWidget::itemDoubleClicked, this, &TfrmNowy::btnOKClick);
    zakladki_->DodajZakladke(Tekst(tytul), lista);
    listy_[Nr(zakladka)] = lista;
    return lista;
}

TfrmNowy::TZakladka TfrmNowy::Zakladka() const
{
    const int biezaca = zakladki_->Biezaca();
    return biezaca >= 0 && biezaca < IleZakladek ? static_cast<TZakladka>(biezaca) : TZakladka::NowaGra;
}

void TfrmNowy::UstawZakladke(TZakladka zakladka)
{
    zakladki_->UstawBiezaca(Nr(zakladka));
}

void TfrmNowy::WylaczZakladke(TZakladka zakladka)
{
    zakladki_->Wylacz(Nr(zakladka));
}

QListWidget* TfrmNowy::Lista(TZakladka zakladka) const
{
    return listy_[Nr(zakladka)];
}

std::vector<int> TfrmNowy::Zaznaczone() const
{
    std::vector<int> zaznaczone;
    const QListWidget* CLB1 = Lista(TZakladka::SystemyZlozone);
    for (int i = 0; i < CLB1->count(); ++i)
        if (CLB1->item(i)->checkState() == Qt::Checked)
            zaznaczone.push_back(i);
    return zaznaczone;
}

void TfrmNowy::CLB1Zmiana(QListWidgetItem* element)
{
    if (element->checkState() != Qt::Checked)
        return;
    const std::vector<int> zaznaczone = Zaznaczone();
    const bool odrzuc = zaznaczone.size() > 2
        || (zaznaczone.size() == 2
            && !ZgodneDoZlozenia(systemy_[static_cast<std::size_t>(zaznaczone[0])].Info,
                                 systemy_[static_cast<std::size_t>(zaznaczone[1])].Info));
    // Unchecking emits itemChanged again, which the test above lets through.
    if (odrzuc)
        element->setCheckState(Qt::Unchecked);
}

bool TfrmNowy::MoznaZamknac() const
{
    if (!zakladki_->Dostepna(zakladki_->Biezaca()))
        return false;
    if (Zakladka() == TZakladka::SystemyZlozone)
        return Zaznaczone().size() == 2;
    return !Lista(Zakladka())->selectedItems().isEmpty();
}

void TfrmNowy::btnOKClick()
{
    if (MoznaZamknac())
        accept();
}

TfrmNowy::TWybor TfrmNowy::Wybor() const
{
    TWybor wybor;
    wybor.Zakladka = Zakladka();
    const QList<QListWidgetItem*> gry = Lista(TZakladka::SystemyLiczbowe)->selectedItems();
    if (!gry.isEmpty())
        wybor.IndeksGry = static_cast<std::size_t>(gry.front()->data(Qt::UserRole).toULongLong());
    wybor.Zaznaczone = Zaznaczone();
    return wybor;
}

} // namespace tarvomund
