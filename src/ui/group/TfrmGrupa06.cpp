#include "group/TfrmGrupa06.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "group/PomocnikiGrupy.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

TfrmGrupa06::TfrmGrupa06(const QString& nazwisko, TWartoscExt udzial, QWidget* parent)
    : QDialog(parent), lblNazwisko_(new QLabel(nazwisko, this)), Spin1_(new QDoubleSpinBox(this))
{
    UstawKontekstPomocy(this, KontekstPomocy);
    setWindowTitle(Tekst(TTekst::UdzialyGrajacego));
    lblNazwisko_->setObjectName(QStringLiteral("lblNazwisko"));
    QFont gruba = lblNazwisko_->font();
    gruba.setBold(true);
    lblNazwisko_->setFont(gruba);
    Spin1_->setObjectName(QStringLiteral("Spin1"));
    UstawPoleKwoty(Spin1_, NajwiekszyUdzial);
    udzial_.Ustaw(Spin1_, udzial);

    auto* etykieta = new QLabel(Tekst(TTekst::WysokoscUdzialuWGrze), this);
    etykieta->setBuddy(Spin1_);
    auto* przyciski = PrzyciskiDialogu(this, Tekst(TTekst::OK), "btnOK");
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lblNazwisko_);
    uklad->addWidget(etykieta);
    uklad->addWidget(Spin1_);
    uklad->addWidget(przyciski);
    setMinimumWidth(280);
}

} // namespace tarvomund
