#include "app/TfrmKomunikat.h"

#include "app/Obrazki.h"
#include "app/TekstyUI.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace tarvomund {

namespace {

constexpr int BokObrazka = 32;
constexpr int LewaObrazka = 12;
// The text area sits at the right edge with a small margin, the picture in the room left of it.
constexpr int LewaTekstu = TfrmKomunikat::Szerokosc - TfrmKomunikat::SzerokoscTekstu - 6;
constexpr int MinSzerokoscPrzycisku = 75;
constexpr int WysokoscPrzycisku = 25;
// A text too long for the fixed area is set smaller, down to this size, rather than cut off.
constexpr int NajmniejszyRozmiarPisma = 6;

QStyle::StandardPixmap IkonaObrazka(uint8_t obrazek)
{
    switch (obrazek) {
    case ObrazekOstrzezenie:
        return QStyle::SP_MessageBoxWarning;
    case ObrazekStop:
        return QStyle::SP_MessageBoxCritical;
    case ObrazekInformacja:
        return QStyle::SP_MessageBoxInformation;
    case ObrazekPytanie:
    default:
        return QStyle::SP_MessageBoxQuestion;
    }
}

} // namespace

int16_t Komunikat(const QString& tekst, uint8_t obrazek, int16_t przyciski, QWidget* rodzic)
{
    TfrmKomunikat okno(tekst, obrazek, przyciski, rodzic);
    okno.exec();
    return okno.Wynik();
}

TfrmKomunikat::TfrmKomunikat(const QString& tekst, uint8_t obrazek, int16_t przyciski, QWidget* rodzic)
    : QDialog(rodzic, Qt::FramelessWindowHint | Qt::Dialog), imgObrazek_(new QLabel(this)),
      lblTekst_(new QLabel(this))
{
    setModal(true);
    setFixedSize(Szerokosc, Wysokosc);
    UstawObrazek(obrazek);
    UstawTekst(tekst);
    UstawPrzyciski(przyciski);
    Wysrodkuj(rodzic);
}

void TfrmKomunikat::UstawObrazek(uint8_t obrazek)
{
    imgObrazek_->setObjectName(QStringLiteral("imgObrazek"));
    imgObrazek_->setGeometry(LewaObrazka, (WysokoscGory - BokObrazka) / 2, BokObrazka, BokObrazka);
    if (obrazek <= ObrazekPytanie)
        imgObrazek_->setPixmap(style()->standardIcon(IkonaObrazka(obrazek), nullptr, this).pixmap(BokObrazka));
    else
        imgObrazek_->hide();
}

void TfrmKomunikat::UstawTekst(const QString& tekst)
{
    lblTekst_->setObjectName(QStringLiteral("lblTekst"));
    lblTekst_->setGeometry(LewaTekstu, (WysokoscGory - WysokoscTekstu) / 2, SzerokoscTekstu, WysokoscTekstu);
    lblTekst_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblTekst_->setWordWrap(true);
    // Messages are plain text; a "<" in a file name must not turn them into markup.
    lblTekst_->setTextFormat(Qt::PlainText);
    // The tile behind is always light, whatever the desktop's colour scheme.
    QPalette paleta = lblTekst_->palette();
    paleta.setColor(QPalette::WindowText, Qt::black);
    lblTekst_->setPalette(paleta);

    QString linie = tekst;
    linie.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblTekst_->setText(linie);

    QFont pismo = lblTekst_->font();
    const QRect obszar(0, 0, SzerokoscTekstu, 10 * WysokoscTekstu);
    while (pismo.pointSize() > NajmniejszyRozmiarPisma
           && QFontMetrics(pismo).boundingRect(obszar, Qt::TextWordWrap, linie).height() > WysokoscTekstu)
        pismo.setPointSize(pismo.pointSize() - 1);
    lblTekst_->setFont(pismo);
}

void TfrmKomunikat::UstawPrzyciski(int16_t przyciski)
{
    std::vector<QPushButton*> zestaw;
    switch (przyciski) {
    case PrzyciskiTakNie:
        zestaw = {DodajPrzycisk(QStringLiteral("btnTak"), Tekst(TTekst::Tak), KomunikatTak),
                  DodajPrzycisk(QStringLiteral("btnNie"), Tekst(TTekst::Nie), KomunikatNie)};
        break;
    case PrzyciskiOK:
        zestaw = {DodajPrzycisk(QStringLiteral("btnOK"), Tekst(TTekst::OK), KomunikatOK)};
        break;
    case PrzyciskiTakNieAnuluj:
        zestaw = {DodajPrzycisk(QStringLiteral("btnTak"), Tekst(TTekst::Tak), KomunikatTak),
                  DodajPrzycisk(QStringLiteral("btnNie"), Tekst(TTekst::Nie), KomunikatNie),
                  DodajPrzycisk(QStringLiteral("btnAnuluj"), Tekst(TTekst::Anuluj), KomunikatAnuluj)};
        break;
    default:
        return;
    }

    // The set is centred as a group in the client width.
    int razem = OdstepPrzyciskow * (static_cast<int>(zestaw.size()) - 1);
    for (const QPushButton* przycisk : zestaw)
        razem += przycisk->width();
    int lewa = (width() - razem) / 2;
    for (QPushButton* przycisk : zestaw) {
        przycisk->move(lewa, GoraPrzyciskow);
        lewa += przycisk->width() + OdstepPrzyciskow;
    }
    zestaw.front()->setDefault(true);
    zestaw.front()->setFocus();
}

QPushButton* TfrmKomunikat::DodajPrzycisk(const QString& nazwa, const QString& napis, int16_t wynik)
{
    auto* przycisk = new QPushButton(napis, this);
    przycisk->setObjectName(nazwa);
    przycisk->resize(std::max(MinSzerokoscPrzycisku, przycisk->sizeHint().width()), WysokoscPrzycisku);
    connect(przycisk, &QPushButton::clicked, this, [this, wynik] { done(wynik); });
    return przycisk;
}

void TfrmKomunikat::Wysrodkuj(QWidget* rodzic)
{
    // Over the window the question belongs to; a window not shown yet (one still loading its data)
    // has no place, so the window the user works in takes its part.
    const QWidget* nad = rodzic ? rodzic->window() : nullptr;
    if (nad && !nad->isVisible())
        nad = QApplication::activeWindow();
    QRect obszar;
    if (nad && nad->isVisible())
        obszar = nad->frameGeometry();
    else if (const QScreen* ekran = QGuiApplication::primaryScreen())
        obszar = ekran->availableGeometry();
    if (obszar.isValid())
        move(obszar.center() - rect().center());
}

void TfrmKomunikat::reject()
{
    done(KomunikatAnuluj);
}

void TfrmKomunikat::keyPressEvent(QKeyEvent* zdarzenie)
{
    // Esc answers "Anuluj" even in a box without that button, whichever control has the focus.
    if (zdarzenie->key() == Qt::Key_Escape) {
        zdarzenie->accept();
        reject();
        return;
    }
    QDialog::keyPressEvent(zdarzenie);
}

void TfrmKomunikat::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawTiledPixmap(rect(), KafelekKomunikatu());
    // Without a window frame a thin edge keeps the panel apart from what lies behind it.
    p.setPen(QColor(0x80, 0x7a, 0x6c));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tarvomund
