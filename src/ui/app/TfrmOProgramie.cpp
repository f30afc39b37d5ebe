#include "app/TfrmOProgramie.h"

#include "app/KontekstPomocy.h"
#include "app/Obrazki.h"
#include "app/TekstyUI.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvomund {

namespace {

// The program sets no version of its own before start-up; the box still has one to show.
QString Wersja()
{
    const QString wersja = QCoreApplication::applicationVersion();
    return wersja.isEmpty() ? QStringLiteral("0.1") : wersja;
}

} // namespace

TfrmOProgramie::TfrmOProgramie(QWidget* parent)
    : QDialog(parent), btnOK_(new QPushButton(Tekst(TTekst::OK), this))
{
    setWindowTitle(Tekst(TTekst::MenuInfoOProgramie));
    UstawKontekstPomocy(this, 1000);
    setModal(true);

    auto* obraz = new QLabel(this);
    obraz->setPixmap(ObrazPowitalny().scaledToWidth(200, Qt::SmoothTransformation));
    obraz->setAlignment(Qt::AlignTop);

    auto* nazwa = new QLabel(QStringLiteral("<b style=\"font-size:16pt\">Tarvomund</b><br>wersja %1").arg(Wersja()),
                             this);
    auto* opis = new QLabel(
        QStringLiteral("Warsztat gracza gier liczbowych (k z 1..N) i zakładów piłkarskich 1X2: gry i historia "
                       "losowań, systemy zakładów z ich gwarancjami, testy na losowaniach z przeszłości, filtry, "
                       "statystyki, wydruki na blankietach i rozliczenia gry grupowej."),
        this);
    opis->setWordWrap(true);
    auto* zrodla = new QLabel(
        QStringLiteral("Historie losowań dołączone do programu to publicznie ogłaszane wyniki losowań, zebrane "
                       "w publicznych zbiorach wyników. Skąd pochodzą, opisuje plik <b>SOURCES.md</b> w katalogu "
                       "<b>Dane</b> obok programu."),
        this);
    zrodla->setWordWrap(true);

    auto* teksty = new QVBoxLayout;
    teksty->addWidget(nazwa);
    teksty->addWidget(opis);
    teksty->addWidget(zrodla);
    teksty->addStretch();

    auto* gora = new QHBoxLayout;
    gora->addWidget(obraz);
    gora->addLayout(teksty, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addStretch();
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(przyciski);
    setFixedWidth(560);
}

} // namespace tarvomund
