#include "group/TfrmGrupa03.h"

#include "app/DatyQt.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "group/PomocnikiGrupy.h"
#include "model/Daty.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmGrupa03::TfrmGrupa03(const TKatalogGier& listaGier, QWidget* parent)
    : QDialog(parent), DateEdit1_(new QDateEdit(this)), ComboBox1_(new QComboBox(this)),
      spKoszt_(new QDoubleSpinBox(this)), spWygrana_(new QDoubleSpinBox(this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    setWindowTitle(Tekst(TTekst::Parametry));
    DateEdit1_->setObjectName(QStringLiteral("DateEdit1"));
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    spKoszt_->setObjectName(QStringLiteral("spKoszt"));
    spWygrana_->setObjectName(QStringLiteral("spWygrana"));

    DateEdit1_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateEdit1_->setCalendarPopup(true);
    DateEdit1_->setDate(DataQt(Dzisiaj()));
    for (std::size_t i = 0; i < listaGier.Ile(); ++i)
        ComboBox1_->addItem(QString::fromStdString(listaGier.Gra(i).Nazwa));
    // Without any game in the catalogue the name is typed.
    ComboBox1_->setEditable(listaGier.Pusty());
    if (ComboBox1_->lineEdit())
        ComboBox1_->lineEdit()->setMaxLength(static_cast<int>(DlugoscNazwyGryGrupy));
    ComboBox1_->setCurrentIndex(listaGier.Pusty() ? -1 : 0);
    for (QDoubleSpinBox* pole : {spKoszt_, spWygrana_})
        UstawPoleKwoty(pole, NajwiekszaKwota);
    koszt_.Ustaw(spKoszt_, {});
    wygrana_.Ustaw(spWygrana_, {});

    auto* formularz = new QFormLayout;
    formularz->addRow(Tekst(TTekst::DataLosowania), DateEdit1_);
    formularz->addRow(Tekst(TTekst::NazwaGry), ComboBox1_);
    formularz->addRow(Tekst(TTekst::KosztSystemu), spKoszt_);
    formularz->addRow(Tekst(TTekst::WysokoscWygranej), spWygrana_);
    auto* przyciski = PrzyciskiDialogu(this, Tekst(TTekst::OK), "btnOK");
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(formularz);
    uklad->addWidget(przyciski);
    setMinimumWidth(360);
}

void TfrmGrupa03::Ustaw(const TGraGrupy& gra)
{
    DateEdit1_->setDate(DataQt(gra.Data));
    const QString nazwa = QString::fromStdString(gra.NazwaGry);
    if (ComboBox1_->isEditable()) {
        ComboBox1_->setEditText(nazwa);
    } else {
        const int indeks = ComboBox1_->findText(nazwa, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ComboBox1_->setCurrentIndex(indeks >= 0 ? indeks : 0);
    }
    koszt_.Ustaw(spKoszt_, gra.Koszt);
    wygrana_.Ustaw(spWygrana_, gra.Wygrana);
}

double TfrmGrupa03::Data() const
{
    return DniZDatyQt(DateEdit1_->date());
}

std::string TfrmGrupa03::NazwaGry() const
{
    return ComboBox1_->currentText().toStdString();
}

TWartoscExt TfrmGrupa03::Koszt() const
{
    return koszt_.Wartosc(spKoszt_);
}

TWartoscExt TfrmGrupa03::Wygrana() const
{
    return wygrana_.Wartosc(spWygrana_);
}

} // namespace tarvomund
