#include "app/TJednaInstancja.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tarvomund {

namespace {

constexpr char Naglowek[] = "TARVOMUND1";
constexpr QByteArrayView Potwierdzenie = "OK";
// A message longer than this is not a list of files from a command line; the sender is dropped.
constexpr qsizetype NajdluzszaWiadomosc = 1 << 20;
// How long a start waits to learn whether a name left behind is still answered.
constexpr int LimitProbyMs = 500;

} // namespace

TJednaInstancja::TJednaInstancja(const QString& nazwa, QObject* rodzic) : QObject(rodzic), nazwa_(nazwa) {}

TJednaInstancja::~TJednaInstancja() = default;

QString TJednaInstancja::NazwaDla(const QString& katalogDane)
{
    const QByteArray katalog = QDir::cleanPath(QFileInfo(katalogDane).absoluteFilePath()).toUtf8();
    const QByteArray skrot = QCryptographicHash::hash(katalog, QCryptographicHash::Sha1).toHex().left(16);
    QString nazwa = QStringLiteral("tarvomund-");
#ifdef Q_OS_UNIX
    nazwa += QString::number(::getuid()) + QLatin1Char('-');
#endif
    return nazwa + QString::fromLatin1(skrot);
}

QByteArray TJednaInstancja::Zakoduj(const QStringList& pliki)
{
    QByteArray wiadomosc(Naglowek, sizeof(Naglowek)); // with its zero byte
    for (const QString& plik : pliki) {
        // A path never holds a zero byte; an empty one would end the list early.
        if (plik.isEmpty() || plik.contains(QChar(0)))
            continue;
        wiadomosc += plik.toUtf8();
        wiadomosc += '\0';
    }
    wiadomosc += '\0';
    return wiadomosc;
}

std::optional<QStringList> TJednaInstancja::Rozbierz(const QByteArray& wiadomosc, bool* bledna)
{
    if (bledna)
        *bledna = false;
    const QByteArrayView naglowek(Naglowek, sizeof(Naglowek));
    const qsizetype porownac = std::min(wiadomosc.size(), naglowek.size());
    if (QByteArrayView(wiadomosc).first(porownac) != naglowek.first(porownac)) {
        if (bledna)
            *bledna = true;
        return std::nullopt;
    }
    QStringList pliki;
    qsizetype poczatek = naglowek.size();
    while (poczatek < wiadomosc.size()) {
        const qsizetype koniec = wiadomosc.indexOf('\0', poczatek);
        if (koniec < 0)
            break;
        if (koniec == poczatek)
            return pliki;
        pliki << QString::fromUtf8(wiadomosc.mid(poczatek, koniec - poczatek));
        poczatek = koniec + 1;
    }
    return std::nullopt;
}

TJednaInstancja::TWynik TJednaInstancja::Przekaz(const QStringList& pliki, int limitMs) const
{
    QLocalSocket gniazdo;
    gniazdo.connectToServer(nazwa_);
    if (!gniazdo.waitForConnected(limitMs))
        return TWynik::BrakInstancji;
    gniazdo.write(Zakoduj(pliki));
    gniazdo.flush();
    const QDeadlineTimer termin(limitMs);
    QByteArray odpowiedz;
    while (odpowiedz.size() < Potwierdzenie.size() && !termin.hasExpired() &&
           gniazdo.waitForReadyRead(static_cast<int>(termin.remainingTime())))
        odpowiedz += gniazdo.readAll();
    // A read that ended because the other side closed may still hold the answer.
    odpowiedz += gniazdo.readAll();
    return odpowiedz.startsWith(Potwierdzenie) ? TWynik::Przekazano : TWynik::BrakOdpowiedzi;
}

bool TJednaInstancja::Nasluchuje() const
{
    return serwer_ && serwer_->isListening();
}

bool TJednaInstancja::Nasluchuj()
{
    if (Nasluchuje())
        return true;
    // Listening replaces whatever socket has the name, so a live workbench is asked first.
    {
        QLocalSocket proba;
        proba.connectToServer(nazwa_);
        if (proba.waitForConnected(LimitProbyMs))
            return false;
    }
    if (!serwer_) {
        serwer_ = new QLocalServer(this);
        // Only the same user may hand files over.
        serwer_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(serwer_, &QLocalServer::newConnection, this, &TJednaInstancja::Polaczenie);
    }
    if (serwer_->listen(nazwa_))
        return true;
    // Nobody answers on the name: a crashed run left it behind.
    if (serwer_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(nazwa_);
    return serwer_->listen(nazwa_);
}

TJednaInstancja::TWynik TJednaInstancja::PrzekazLubZostan(const QStringList& pliki)
{
    // Two starts at the same moment may both find nobody; the one that loses the name hands over.
    for (int proba = 0; proba < 2; ++proba) {
        const TWynik wynik = Przekaz(pliki);
        if (wynik != TWynik::BrakInstancji || Nasluchuj())
            return wynik;
    }
    return TWynik::BrakInstancji;
}

void TJednaInstancja::Polaczenie()
{
    while (QLocalSocket* gniazdo = serwer_->nextPendingConnection()) {
        connect(gniazdo, &QLocalSocket::disconnected, gniazdo, &QObject::deleteLater);
        // A sender that never finishes its message is dropped.
        QTimer::singleShot(LimitMs, gniazdo, [gniazdo] { gniazdo->abort(); });
        auto bufor = std::make_shared<QByteArray>();
        connect(gniazdo, &QLocalSocket::readyRead, this, [this, gniazdo, bufor] {
            if (!gniazdo->isOpen())
                return;
            *bufor += gniazdo->readAll();
            bool bledna = false;
            const std::optional<QStringList> pliki = Rozbierz(*bufor, &bledna);
            if (bledna || bufor->size() > NajdluzszaWiadomosc) {
                gniazdo->abort();
                return;
            }
            if (!pliki)
                return;
            gniazdo->write(Potwierdzenie.data(), Potwierdzenie.size());
            gniazdo->flush();
            gniazdo->disconnectFromServer();
            // Opening may show a message box; its event loop must not run inside this read.
            QTimer::singleShot(0, this, [this, pliki = *pliki] { emit OtrzymanoPliki(pliki); });
        });
    }
}

} // namespace tarvomund
