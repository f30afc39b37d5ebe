#include "group/TfrmGrupa01.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "group/PomocnikiGrupy.h"
#include "group/RozliczenieGrupy.h"
#include "group/TekstyGrupy.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

enum Kolumna { KolData, KolNazwaGry, KolNazwisko, KolKoszty, KolUdzial, KolWygrana, KolBilans };
constexpr int SzerokosciKolumn[] = {105, 150, 170, 100, 60, 100, 110};

} // namespace

TfrmGrupa01::TfrmGrupa01(const QString& tytul, const TGrupa& grupa, std::optional<int> miejsce, QWidget* parent)
    : QWidget(parent), Grid1_(new QTableWidget(this)), Sumy_(new QTableWidget(this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    setWindowTitle(tytul);
    Grid1_->setObjectName(QStringLiteral("Grid1"));
    Sumy_->setObjectName(QStringLiteral("Sumy"));
    UstawSiatkeGrupy(Grid1_, {Tekst(TTekst::Data), Tekst(TTekst::NazwaGry2), Tekst(TTekst::NazwiskoGrajacego),
                              Tekst(TTekst::Koszty), QStringLiteral("%"), Tekst(TTekst::Wygrana),
                              Tekst(TTekst::Bilans)});
    for (int k = 0; k < Grid1_->columnCount(); ++k)
        Grid1_->setColumnWidth(k, SzerokosciKolumn[k]);
    UstawSumyPodSiatka(Sumy_, Grid1_);

    const TTabelaGrupy tabela = TabelaRozliczenia(grupa, Rozlicz(grupa, miejsce));
    WypelnijSiatkeGrupy(Grid1_, tabela.Wiersze, KolKoszty);
    const int kolumnySum[] = {KolKoszty, KolWygrana, KolBilans};
    for (std::size_t i = 0; i < tabela.Sumy.size(); ++i) {
        auto* suma = new QTableWidgetItem(QString::fromStdString(tabela.Sumy[i]));
        suma->setTextAlignment(Qt::AlignVCenter | Qt::AlignRight);
        Sumy_->setItem(0, kolumnySum[i], suma);
    }
    wydruk_ = NaQt(WydrukRozliczenia(tytul.toStdString(), tabela));

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(Grid1_, 1);
    uklad->addWidget(Sumy_);
}

QSize TfrmGrupa01::sizeHint() const
{
    int szerokosc = 2 * Grid1_->frameWidth() + 20;
    for (int k = 0; k < Grid1_->columnCount(); ++k)
        szerokosc += Grid1_->columnWidth(k);
    return {szerokosc, 420};
}

QStringList TfrmGrupa01::WierszeWydruku() const
{
    return wydruk_;
}

int TfrmGrupa01::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    return DrukujTekstGrupyNa(urzadzenie, wydruk_);
}

void TfrmGrupa01::Drukuj()
{
    DrukujTekstGrupy(this, wydruk_);
}

} // namespace tarvomund
