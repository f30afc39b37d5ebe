#include "stats/TfrmSzukLiczb.h"

#include "app/KontekstPomocy.h"
#include "app/PodgladWydruku.h"
#include "app/SiatkaZakladow.h"
#include "app/TekstyUI.h"
#include "systems/TfrmNumery.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr int Kolumn = 4;
constexpr std::array<int, Kolumn> Szerokosci{50, 130, 60, 260};

QString Q(const std::string& tekst)
{
    return QString::fromStdString(tekst);
}

} // namespace

TfrmSzukLiczb::TfrmSzukLiczb(const TObGraLista& gra, QWidget* parent)
    : QWidget(parent), gra_(gra), spIlosc_(new QSpinBox(this)),
      btnStart_(new QPushButton(Tekst(TTekst::StartSzukania), this)), Sg1_(new QTableWidget(this))
{
    setWindowTitle(Tekst(TTekst::WyszukiwanieLosowan) + QStringLiteral(" - ") + QString::fromStdString(gra.Nazwa));
    UstawKontekstPomocy(this, KontekstPomocy);
    spIlosc_->setObjectName(QStringLiteral("spIlosc"));
    btnStart_->setObjectName(QStringLiteral("btnStart"));
    Sg1_->setObjectName(QStringLiteral("Sg1"));
    spIlosc_->setRange(1, std::max(gra.IleLosowanych, 1));

    UstawWygladSiatki(*Sg1_);
    Sg1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Sg1_->horizontalHeader()->setStretchLastSection(true);
    Sg1_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Sg1_->setColumnCount(Kolumn);
    for (int c = 0; c < Kolumn; ++c)
        Sg1_->setColumnWidth(c, Szerokosci[static_cast<std::size_t>(c)]);
    Szukaj({});

    auto* gora = new QHBoxLayout;
    gora->addWidget(new QLabel(Tekst(TTekst::IloscSzukanychLiczb), this));
    gora->addWidget(spIlosc_);
    gora->addWidget(btnStart_);
    gora->addStretch();
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addWidget(Sg1_, 1);

    connect(btnStart_, &QPushButton::clicked, this, &TfrmSzukLiczb::Start);
}

QSize TfrmSzukLiczb::sizeHint() const
{
    return {560, 380};
}

void TfrmSzukLiczb::Start()
{
    TfrmNumery wybor(this);
    TInfoGryRec info;
    info.IleLiczb = gra_.IleLiczb;
    info.IleLosowanych = spIlosc_->value();
    wybor.UstawTest(info);
    wybor.setWindowTitle(windowTitle());
    wybor.btnWylosuj()->hide();
    wybor.btnKolekcja()->hide();
    wybor.Zeruj();
    if (wybor.exec() != QDialog::Accepted)
        return;
    wybor.SortujWybrane();
    btnStart_->setEnabled(false);
    Szukaj(wybor.Wybrane());
    btnStart_->setEnabled(true);
}

void TfrmSzukLiczb::Szukaj(const std::vector<int>& szukane)
{
    szukane_ = szukane;
    wiersze_ = szukane.empty() ? std::vector<TWierszZadanych>{}
                               : SzukajZadanych(gra_.Losowania, gra_.IleLosowanych, szukane);
    Sg1_->setRowCount(1 + std::max<int>(1, static_cast<int>(wiersze_.size())));
    const auto ustaw = [this](int wiersz, const std::array<std::string, Kolumn>& komorki) {
        for (int c = 0; c < Kolumn; ++c) {
            auto* komorka = new QTableWidgetItem(Q(komorki[static_cast<std::size_t>(c)]));
            komorka->setFlags(wiersz == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (wiersz == 0)
                komorka->setBackground(Sg1_->palette().button());
            else if (c == 0 || c == 2)
                komorka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Sg1_->setItem(wiersz, c, komorka);
        }
    };
    ustaw(0, NaglowekZadanych(szukane));
    if (wiersze_.empty())
        ustaw(1, {});
    for (std::size_t i = 0; i < wiersze_.size(); ++i)
        ustaw(static_cast<int>(i) + 1, KomorkiZadanych(wiersze_[i]));
}

QStringList TfrmSzukLiczb::WierszeWydruku() const
{
    QStringList wiersze;
    for (const std::string& linia : WydrukZadanych(szukane_, wiersze_))
        wiersze << Q(linia);
    return wiersze;
}

int TfrmSzukLiczb::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    return tarvomund::Drukuj(urzadzenie, TWydrukWierszy{WierszeWydruku(), Sg1_->font()}).Stron;
}

void TfrmSzukLiczb::Drukuj()
{
    DrukujZPodgladem(this, TWydrukWierszy{WierszeWydruku(), Sg1_->font()}, windowTitle());
}

} // namespace tarvomund
