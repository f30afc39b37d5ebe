#include "systems/TPanelRekordu.h"

#include "systems/RekordyPokrycUI.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace tarvomund {

TPanelRekordu::TPanelRekordu(QWidget* rodzic)
    : QObject(rodzic), lblNajlepszy_(new QLabel(QStringLiteral("Najlepszy znany system"), rodzic)),
      stNajlepszy_(new QLabel(rodzic)), lblDolne_(new QLabel(QStringLiteral("Dolne ograniczenie"), rodzic)),
      stDolne_(new QLabel(rodzic)),
      chkOptymalizuj_(new QCheckBox(QStringLiteral("Optymalizuj wynik (%1 s)").arg(SekundyOptymalizacji), rodzic))
{
    stNajlepszy_->setObjectName(QStringLiteral("stNajlepszy"));
    stDolne_->setObjectName(QStringLiteral("stDolne"));
    chkOptymalizuj_->setObjectName(QStringLiteral("chkOptymalizuj"));
    chkOptymalizuj_->setToolTip(QStringLiteral("Po wygenerowaniu system zostanie zmniejszony z zachowaniem gwarancji"));
    for (QLabel* pole : {stNajlepszy_, stDolne_}) {
        pole->setFrameShape(QFrame::Panel);
        pole->setFrameShadow(QFrame::Sunken);
        pole->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // The rows come and go with the method; the dialog keeps its size meanwhile.
    for (QWidget* w : {static_cast<QWidget*>(lblNajlepszy_), static_cast<QWidget*>(stNajlepszy_),
                       static_cast<QWidget*>(lblDolne_), static_cast<QWidget*>(stDolne_),
                       static_cast<QWidget*>(chkOptymalizuj_)}) {
        QSizePolicy polityka = w->sizePolicy();
        polityka.setRetainSizeWhenHidden(true);
        w->setSizePolicy(polityka);
        w->hide();
    }
}

void TPanelRekordu::DodajDo(QGridLayout* siatka, int wiersz)
{
    siatka->addWidget(lblNajlepszy_, wiersz, 0);
    siatka->addWidget(stNajlepszy_, wiersz, 1);
    siatka->addWidget(lblDolne_, wiersz + 1, 0);
    siatka->addWidget(stDolne_, wiersz + 1, 1);
    siatka->addWidget(chkOptymalizuj_, wiersz + 2, 0, 1, 2);
}

void TPanelRekordu::Pokaz(bool widoczny, int n, int k, int t)
{
    for (QWidget* w : {static_cast<QWidget*>(lblNajlepszy_), static_cast<QWidget*>(stNajlepszy_),
                       static_cast<QWidget*>(lblDolne_), static_cast<QWidget*>(stDolne_),
                       static_cast<QWidget*>(chkOptymalizuj_)})
        w->setVisible(widoczny);
    if (!widoczny)
        return;
    const TOpisRekordu opis = OpisRekordu(n, k, t);
    stNajlepszy_->setText(opis.TekstNajlepszego());
    stDolne_->setText(opis.Dolne > 0 ? QString::number(opis.Dolne) : QStringLiteral("–"));
}

bool TPanelRekordu::Optymalizuj() const
{
    return !chkOptymalizuj_->isHidden() && chkOptymalizuj_->isChecked();
}

} // namespace tarvomund
