#include "slips/TFrmEdParBl.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "app/TfrmKomunikat.h"
#include "slips/TBlankietOb.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

constexpr double NajwiekszyWymiar = 1000.0;

} // namespace

TFrmEdParBl::TFrmEdParBl(const TBlankietOb& blankiet, QWidget* parent)
    : QDialog(parent), edSzer_(new QDoubleSpinBox(this)), edWys_(new QDoubleSpinBox(this)),
      edNazwa_(new QLineEdit(QString::fromStdString(blankiet.Nazwa), this)),
      chkPilkarski_(new QCheckBox(Tekst(TTekst::BlankietPilkarski), this)),
      btnOK_(new QPushButton(Tekst(TTekst::OK), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setModal(true);
    setWindowTitle(Tekst(TTekst::WymiaryBlankietu));
    UstawKontekstPomocy(this, KontekstPomocy);
    edSzer_->setObjectName(QStringLiteral("edSzer"));
    edWys_->setObjectName(QStringLiteral("edWys"));
    edNazwa_->setObjectName(QStringLiteral("edNazwa"));
    chkPilkarski_->setObjectName(QStringLiteral("chkPilkarski"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));

    for (QDoubleSpinBox* ed : {edSzer_, edWys_}) {
        ed->setRange(1, NajwiekszyWymiar);
        ed->setDecimals(2);
        ed->setAlignment(Qt::AlignRight);
    }
    edSzer_->setValue(blankiet.Szer);
    edWys_->setValue(blankiet.Wys);
    edNazwa_->setMaxLength(static_cast<int>(DlugoscNazwyBlankietu));
    chkPilkarski_->setChecked(blankiet.Pilkarski);

    auto* pola = new QFormLayout;
    pola->addRow(Tekst(TTekst::SzerokoscMm), edSzer_);
    pola->addRow(Tekst(TTekst::WysokoscMm), edWys_);
    pola->addRow(Tekst(TTekst::NazwaBlankietu2), edNazwa_);
    pola->addRow(QString(), chkPilkarski_);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);
    btnOK_->setDefault(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(pola);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK_, &QPushButton::clicked, this, [this] {
        if (edNazwa_->text().isEmpty()) {
            Komunikat(Tekst(TTekst::MusiszWpisacNazweBlankietu), ObrazekStop, PrzyciskiOK, this);
            return;
        }
        accept();
    });
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmEdParBl::Zastosuj(TBlankietOb& blankiet) const
{
    blankiet.Szer = edSzer_->value();
    blankiet.Wys = edWys_->value();
    blankiet.Nazwa = edNazwa_->text().left(static_cast<qsizetype>(DlugoscNazwyBlankietu)).toStdString();
    blankiet.Pilkarski = chkPilkarski_->isChecked();
}

} // namespace tarvomund
