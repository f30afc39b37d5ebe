#include "app/TJednaInstancja.h"

#include "PomocnikiUI.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace tarvomund {
namespace {

using TWynik = TJednaInstancja::TWynik;
using namespace std::chrono_literals;

// A later start runs in a thread of its own here, as it would in a process of its own: it waits
// for the receipt while the running workbench's event loop reads its message.
template <typename TFunkcja>
auto WTle(TFunkcja funkcja)
{
    auto wynik = std::async(std::launch::async, funkcja);
    EXPECT_TRUE(testy::CzekajAz([&wynik] { return wynik.wait_for(0ms) == std::future_status::ready; }));
    return wynik.get();
}

class TJednaInstancjaTest : public ::testing::Test {
protected:
    // Names of their own, so parallel runs and earlier runs never meet.
    const QString nazwa_ = QStringLiteral("tarvomund-test-instancja-") +
                           QString::number(QRandomGenerator::global()->generate64(), 16);
};

TEST_F(TJednaInstancjaTest, DrugiStartPrzekazujePlikiPierwszemu)
{
    TJednaInstancja pierwsza(nazwa_);
    // Nobody runs yet: the first start becomes the workbench.
    EXPECT_EQ(pierwsza.PrzekazLubZostan({QStringLiteral("/a.ss2")}), TWynik::BrakInstancji);
    ASSERT_TRUE(pierwsza.Nasluchuje());
    QSignalSpy otrzymane(&pierwsza, &TJednaInstancja::OtrzymanoPliki);

    const QStringList pliki{QStringLiteral("/gry/system.ss2"), QStringLiteral("/gry/zażółć gęślą.k22"),
                            QStringLiteral("/gry/z\nnową linią.gr2")};
    EXPECT_EQ(WTle([&] { return TJednaInstancja(nazwa_).PrzekazLubZostan(pliki); }), TWynik::Przekazano);
    ASSERT_TRUE(testy::CzekajAz([&] { return otrzymane.size() == 1; }));
    EXPECT_EQ(otrzymane[0][0].toStringList(), pliki);

    // A start without files only calls the workbench forward.
    EXPECT_EQ(WTle([&] { return TJednaInstancja(nazwa_).Przekaz({}); }), TWynik::Przekazano);
    ASSERT_TRUE(testy::CzekajAz([&] { return otrzymane.size() == 2; }));
    EXPECT_TRUE(otrzymane[1][0].toStringList().isEmpty());

    // The name stays the first one's.
    TJednaInstancja trzecia(nazwa_);
    EXPECT_FALSE(trzecia.Nasluchuj());
}

TEST_F(TJednaInstancjaTest, NazwaPozostawionaPrzezAwarieJestPrzejmowana)
{
    EXPECT_EQ(TJednaInstancja(nazwa_).Przekaz({QStringLiteral("/a.ss2")}, 200), TWynik::BrakInstancji);

    // A crashed run leaves its socket file behind; nobody answers on it.
    const QString plikGniazda = QDir(QDir::tempPath()).filePath(nazwa_);
    {
        QFile pozostaly(plikGniazda);
        ASSERT_TRUE(pozostaly.open(QIODevice::WriteOnly));
    }
    TJednaInstancja nowa(nazwa_);
    EXPECT_TRUE(nowa.Nasluchuj());
    QSignalSpy otrzymane(&nowa, &TJednaInstancja::OtrzymanoPliki);
    EXPECT_EQ(WTle([&] { return TJednaInstancja(nazwa_).Przekaz({QStringLiteral("/b.st2")}); }),
              TWynik::Przekazano);
    ASSERT_TRUE(testy::CzekajAz([&] { return otrzymane.size() == 1; }));
}

TEST_F(TJednaInstancjaTest, ObcaWiadomoscJestOdrzucana)
{
    TJednaInstancja dzialajaca(nazwa_);
    ASSERT_TRUE(dzialajaca.Nasluchuj());
    QSignalSpy otrzymane(&dzialajaca, &TJednaInstancja::OtrzymanoPliki);

    // Whatever speaks another language on the socket is dropped without an answer.
    const QByteArray odpowiedz = WTle([&] {
        QLocalSocket gniazdo;
        gniazdo.connectToServer(nazwa_);
        if (!gniazdo.waitForConnected(2000))
            return QByteArray("not connected");
        gniazdo.write("GET / HTTP/1.0\r\n\r\n");
        gniazdo.flush();
        QByteArray dane;
        while (gniazdo.waitForReadyRead(2000))
            dane += gniazdo.readAll();
        return dane + gniazdo.readAll();
    });
    EXPECT_TRUE(odpowiedz.isEmpty()) << odpowiedz.constData();
    QCoreApplication::processEvents();
    EXPECT_EQ(otrzymane.size(), 0);
}

TEST(TJednaInstancja, RozbiorWiadomosci)
{
    const QByteArray pelna = TJednaInstancja::Zakoduj({QStringLiteral("/a.ss2"), QStringLiteral("/ą.k22")});
    struct TPrzypadek {
        const char* Opis;
        QByteArray Wiadomosc;
        std::optional<QStringList> Pliki;
        bool Bledna;
    };
    for (const TPrzypadek& p : {
             TPrzypadek{"complete", pelna, QStringList{QStringLiteral("/a.ss2"), QStringLiteral("/ą.k22")},
                        false},
             TPrzypadek{"without its last zero", pelna.chopped(1), std::nullopt, false},
             TPrzypadek{"header only", pelna.left(5), std::nullopt, false},
             TPrzypadek{"no files", TJednaInstancja::Zakoduj({}), QStringList{}, false},
             TPrzypadek{"empty and zero-holding paths left out",
                        TJednaInstancja::Zakoduj(
                            {QString(), QString::fromUtf16(u"/x\0y", 4), QStringLiteral("/b.gr2")}),
                        QStringList{QStringLiteral("/b.gr2")}, false},
             TPrzypadek{"another header", QByteArray("TARVOMUND2\0/a\0\0", 15), std::nullopt, true},
             TPrzypadek{"foreign", QByteArray("hello"), std::nullopt, true},
         }) {
        bool bledna = false;
        EXPECT_EQ(TJednaInstancja::Rozbierz(p.Wiadomosc, &bledna), p.Pliki) << p.Opis;
        EXPECT_EQ(bledna, p.Bledna) << p.Opis;
    }
}

TEST(TJednaInstancja, NazwaZalezyOdKataloguDanych)
{
    const QString nazwa =
        TJednaInstancja::NazwaDla(QStringLiteral("/home/gracz/.local/share/Tarvomund/Dane"));
    EXPECT_TRUE(nazwa.startsWith(QStringLiteral("tarvomund-")));
    EXPECT_EQ(nazwa, TJednaInstancja::NazwaDla(QStringLiteral("/home/gracz/.local/share/Tarvomund/./Dane/")));
    EXPECT_NE(nazwa, TJednaInstancja::NazwaDla(QStringLiteral("/opt/tarvomund/bin/Dane")));
    // A socket path has room for about a hundred characters.
    EXPECT_LT(QDir(QDir::tempPath()).filePath(nazwa).size(), 100);
}

} // namespace
} // namespace tarvomund
