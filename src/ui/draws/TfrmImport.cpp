#include "draws/TfrmImport.h"

#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "draws/ImportLosowan.h"
#include "draws/TFormater.h"
#include "model/Cp1250.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

namespace tarvomund {

namespace {

constexpr int SzerokoscOkna = 760;
constexpr int WysokoscOkna = 500;

QCheckBox* Pole(const QString& napis, const QString& nazwa, bool zaznaczone, const QString& podpowiedz,
                QWidget* rodzic)
{
    auto* pole = new QCheckBox(napis, rodzic);
    pole->setObjectName(nazwa);
    pole->setChecked(zaznaczone);
    pole->setToolTip(podpowiedz);
    return pole;
}

} // namespace

TfrmImport::TfrmImport(QWidget* parent)
    : QDialog(parent), spStart_(new QSpinBox(this)), Formater_(new TFormater(this)),
      btnOK_(new QPushButton(Tekst(TTekst::OK), this)), btnAnuluj_(new QPushButton(Tekst(TTekst::Anuluj), this))
{
    setWindowTitle(QStringLiteral("Wczytywanie losowań w formacie tekstowym"));
    setModal(true);
    UstawKontekstPomocy(this, KontekstPomocy);
    const QString separator = QStringLiteral("Znak rozdzielający liczby w wierszu");
    cbNumeracja_ = Pole(Tekst(TTekst::JestNumeracjaWPierwszejKolumnie), QStringLiteral("cbNumeracja"), false,
                        QStringLiteral("Pierwsza kolumna to numer losowania; program go pomija"), this);
    cbData_ = Pole(Tekst(TTekst::JestData), QStringLiteral("cbData"), false,
                   QStringLiteral("Data losowania stoi na początku wiersza albo zaraz po numerze losowania"), this);
    cbTab_ = Pole(Tekst(TTekst::Tab), QStringLiteral("cbTab"), true, separator, this);
    cbSrednik_ = Pole(Tekst(TTekst::Srednik), QStringLiteral("cbSrednik"), true, separator, this);
    cbKropka_ = Pole(Tekst(TTekst::Kropka), QStringLiteral("cbKropka"), false, separator, this);
    cbPrzecinek_ = Pole(Tekst(TTekst::Przecinek), QStringLiteral("cbPrzecinek"), true, separator, this);
    cbSpacja_ = Pole(Tekst(TTekst::Spacja), QStringLiteral("cbSpacja"), true, separator, this);
    cbInne_ = Pole(Tekst(TTekst::Inne), QStringLiteral("cbInne"), false, separator, this);
    cbJakoJeden_ = Pole(Tekst(TTekst::PowtarzajaceSieTraktujJakoJeden), QStringLiteral("cbJakoJeden"), true,
                        QStringLiteral("Kilka znaków rozdzielających z rzędu kończy tylko jedno pole"), this);
    cbKolejnosc_ = new QComboBox(this);
    cbKolejnosc_->setObjectName(QStringLiteral("cbKolejnosc"));
    for (std::string_view nazwa : NazwyKolejnosciDaty)
        cbKolejnosc_->addItem(QString::fromLatin1(nazwa.data(), static_cast<qsizetype>(nazwa.size())));
    cbKolejnosc_->setToolTip(QStringLiteral("Kolejność dnia (D), miesiąca (M) i roku (R) w dacie"));
    cbKolejnosc_->setVisible(false);
    edInne_ = new QLineEdit(this);
    edInne_->setObjectName(QStringLiteral("edInne"));
    edInne_->setMaxLength(1);
    edInne_->setFixedWidth(edInne_->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12);
    edInne_->setToolTip(separator);
    spStart_->setObjectName(QStringLiteral("spStart"));
    spStart_->setRange(1, INT_MAX);
    spStart_->setValue(1);
    spStart_->setToolTip(QStringLiteral("Numer wiersza pliku, od którego zaczyna się wczytywanie"));
    Formater_->setObjectName(QStringLiteral("Formater"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnAnuluj_->setObjectName(QStringLiteral("btnAnuluj"));
    btnOK_->setDefault(true);

    auto* etykietaStartu = new QLabel(Tekst(TTekst::WierszPoczatkowy), this);
    etykietaStartu->setBuddy(spStart_);
    auto* uklad = new QGridLayout;
    uklad->addWidget(etykietaStartu, 0, 0);
    uklad->addWidget(spStart_, 0, 1);
    uklad->addWidget(cbNumeracja_, 0, 2, 1, 3);
    auto* wierszDaty = new QHBoxLayout;
    wierszDaty->addWidget(cbData_);
    wierszDaty->addWidget(cbKolejnosc_);
    wierszDaty->addStretch();
    uklad->addLayout(wierszDaty, 0, 5, 1, 3);
    auto* separatory = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cbTab_, cbSrednik_, cbKropka_, cbPrzecinek_, cbSpacja_, cbInne_,
                                                      edInne_})
        separatory->addWidget(w);
    separatory->addSpacing(16);
    separatory->addWidget(cbJakoJeden_);
    separatory->addStretch();

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnOK_);
    przyciski->addWidget(btnAnuluj_);

    auto* glowny = new QVBoxLayout(this);
    glowny->addLayout(uklad);
    glowny->addLayout(separatory);
    glowny->addWidget(Formater_, 1);
    glowny->addLayout(przyciski);
    resize(SzerokoscOkna, WysokoscOkna);

    connect(cbNumeracja_, &QCheckBox::toggled, this, &TfrmImport::ZmianaUkladu);
    connect(cbData_, &QCheckBox::toggled, this, &TfrmImport::ZmianaUkladu);
    for (QCheckBox* pole : {cbTab_, cbSrednik_, cbKropka_, cbPrzecinek_, cbSpacja_, cbInne_, cbJakoJeden_})
        connect(pole, &QCheckBox::toggled, this, &TfrmImport::ZmianaPodzialu);
    connect(edInne_, &QLineEdit::textChanged, this, &TfrmImport::ZmianaPodzialu);
    connect(spStart_, &QSpinBox::valueChanged, this, &TfrmImport::ZmianaPodzialu);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::reject);

    ZmianaUkladu();
    ZmianaPodzialu();
}

bool TfrmImport::Wczytaj(const QString& plik)
{
    return Formater_->Wczytaj(plik);
}

const TFormatowanie& TfrmImport::Formatowanie() const
{
    return Formater_->Formatowanie();
}

TUkladWiersza TfrmImport::Uklad(const TObGraLista& gra) const
{
    return UkladDlaGry(gra, cbNumeracja_->isChecked(), cbData_->isChecked(),
                       static_cast<TKolejnoscDaty>(std::max(cbKolejnosc_->currentIndex(), 0)));
}

void TfrmImport::ZmianaUkladu()
{
    cbKolejnosc_->setVisible(cbData_->isChecked());
    Formater_->Formatowanie().UstawSzerokosc(SzerokoscPola(cbData_->isChecked(), cbNumeracja_->isChecked()));
    Formater_->Formatuj();
}

void TfrmImport::ZmianaPodzialu()
{
    // The set is built anew from the boxes that are on.
    TSeparatory separatory;
    const std::pair<QCheckBox*, char> pola[] = {
        {cbTab_, ZnakTab}, {cbSrednik_, ZnakSrednik}, {cbKropka_, ZnakKropka},
        {cbPrzecinek_, ZnakPrzecinek}, {cbSpacja_, ZnakSpacja},
    };
    for (const auto& [pole, znak] : pola)
        if (pole->isChecked())
            separatory.set(static_cast<unsigned char>(znak));
    const std::string inny = Utf8DoCp1250(edInne_->text().toStdString());
    if (cbInne_->isChecked() && inny.size() == 1)
        separatory.set(static_cast<unsigned char>(inny[0]));
    TFormatowanie& formatowanie = Formater_->Formatowanie();
    formatowanie.UstawSeparatory(separatory);
    formatowanie.UstawJakoJeden(cbJakoJeden_->isChecked());
    formatowanie.UstawStart(static_cast<std::size_t>(spStart_->value() - 1));
    Formater_->Formatuj();
}

} // namespace tarvomund
