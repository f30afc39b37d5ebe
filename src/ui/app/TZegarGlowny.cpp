#include "app/TZegarGlowny.h"

#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QTimer>

namespace tarvomund {

namespace {

constexpr int OdstepOdKrawedzi = 5;
constexpr int MinSzerokoscZData = 640;
constexpr int OkresDaty = 60'000;
constexpr int OkresZegara = 1'000;

} // namespace

TZegarGlowny::TZegarGlowny(QWidget* pasek)
    : QObject(pasek), pasek_(pasek), data_(new QLabel(pasek)), zegar_(new QLabel(pasek))
{
    for (QLabel* etykieta : {data_, zegar_}) {
        etykieta->setAlignment(Qt::AlignCenter);
        etykieta->setFrameShape(QFrame::Panel);
        etykieta->setFrameShadow(QFrame::Sunken);
        etykieta->setMargin(3);
    }
    QFont pogrubiona = zegar_->font();
    pogrubiona.setBold(true);
    zegar_->setFont(pogrubiona);

    auto* timerDaty = new QTimer(this);
    connect(timerDaty, &QTimer::timeout, this, &TZegarGlowny::OdswiezDate);
    timerDaty->start(OkresDaty);
    auto* timerZegara = new QTimer(this);
    connect(timerZegara, &QTimer::timeout, this, &TZegarGlowny::OdswiezZegar);
    timerZegara->start(OkresZegara);
    OdswiezDate();
    OdswiezZegar();
    pasek_->installEventFilter(this);
}

QString TZegarGlowny::TekstDaty(const QDate& data)
{
    return QLocale(QLocale::Polish, QLocale::Poland).toString(data, QStringLiteral("dddd dd.MM.yyyy"));
}

void TZegarGlowny::OdswiezDate()
{
    data_->setText(TekstDaty(QDate::currentDate()));
    Rozmiesc();
}

void TZegarGlowny::OdswiezZegar()
{
    zegar_->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

bool TZegarGlowny::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == pasek_ && (zdarzenie->type() == QEvent::Resize || zdarzenie->type() == QEvent::Show))
        Rozmiesc();
    return QObject::eventFilter(obiekt, zdarzenie);
}

void TZegarGlowny::Rozmiesc()
{
    const int wysokosc = pasek_->height() - 8;
    zegar_->resize(zegar_->fontMetrics().horizontalAdvance(QStringLiteral("88:88:88")) + 16, wysokosc);
    zegar_->move(pasek_->width() - OdstepOdKrawedzi - zegar_->width(), 4);
    data_->resize(data_->sizeHint().width() + 8, wysokosc);
    data_->move(zegar_->x() - OdstepOdKrawedzi - data_->width(), 4);
    data_->setVisible(pasek_->width() > MinSzerokoscZData);
    data_->raise();
    zegar_->raise();
}

} // namespace tarvomund
