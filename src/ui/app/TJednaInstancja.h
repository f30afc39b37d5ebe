#pragma once

#include <QObject>
#include <QStringList>

#include <optional>

class QLocalServer;
class QLocalSocket;

namespace tarvomund {

// One workbench per user and data directory. The first start listens on a local socket; a later
// start hands its files to it and ends, so two programs never share one Dane (each would delete the
// other's temporary files at start and exit).
//
// The message is "TARVOMUND1", a zero byte, each absolute path in UTF-8 followed by a zero byte, and
// one more zero byte at the end; the running workbench answers "OK" once it has all of it.
class TJednaInstancja : public QObject {
    Q_OBJECT

public:
    enum class TWynik {
        Przekazano,     // the running workbench took the files: this start ends
        BrakInstancji,  // nobody listens
        BrakOdpowiedzi, // somebody listens but does not answer
    };
    static constexpr int LimitMs = 5000;

    explicit TJednaInstancja(const QString& nazwa, QObject* rodzic = nullptr);
    ~TJednaInstancja() override;

    // The socket name for a data directory: one per user and directory.
    static QString NazwaDla(const QString& katalogDane);

    // Hands the files to the running workbench and waits for its receipt. No files only calls it
    // to the front.
    TWynik Przekaz(const QStringList& pliki, int limitMs = LimitMs) const;
    // Becomes the running workbench. A name a crashed run left behind is taken over; a name
    // somebody answers on is not.
    bool Nasluchuj();
    bool Nasluchuje() const;
    // Either hands the files to the running workbench or becomes it. Przekazano and BrakOdpowiedzi
    // end this start; BrakInstancji makes it the workbench (alone, should the socket fail).
    TWynik PrzekazLubZostan(const QStringList& pliki);

    static QByteArray Zakoduj(const QStringList& pliki);
    // The files of a complete message; nothing while it is incomplete. `bledna` tells a message
    // that can never become valid.
    static std::optional<QStringList> Rozbierz(const QByteArray& wiadomosc, bool* bledna = nullptr);

signals:
    // Sent on the next turn of the event loop after the receipt, never while a socket is read.
    void OtrzymanoPliki(const QStringList& pliki);

private:
    void Polaczenie();

    QString nazwa_;
    QLocalServer* serwer_ = nullptr;
};

} // namespace tarvomund
