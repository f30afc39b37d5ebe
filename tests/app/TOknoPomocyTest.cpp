#include "app/TOknoPomocy.h"

#include "app/TfrmOProgramie.h"
#include "model/Wspolne.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

constexpr int PierwszyKontekst = 1000;
constexpr int OstatniKontekst = 1053;

// The build copies the help file beside the programs, so the tests read the file that ships.
QString PlikPomocyProgramu()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("TARVOMUND.HLP"));
}

QString Temat(int kontekst)
{
    return QString::fromStdString(TematPomocy(kontekst));
}

TEST(TOknoPomocy, PlikProgramuMaKazdyTematISpisProwadziDoKazdego)
{
    const QString plik = PlikPomocyProgramu();
    QFile zrodlo(plik);
    ASSERT_TRUE(zrodlo.open(QIODevice::ReadOnly)) << plik.toStdString();
    const QString html = QString::fromUtf8(zrodlo.readAll());

    TOknoPomocy okno(plik);
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Pomoc"));
    EXPECT_TRUE(okno.PokazSpis());
    EXPECT_TRUE(okno.isVisible());
    EXPECT_TRUE(okno.isWindow());
    for (int kontekst = PierwszyKontekst; kontekst <= OstatniKontekst; ++kontekst) {
        const QString temat = Temat(kontekst);
        SCOPED_TRACE(temat.toStdString());
        ASSERT_FALSE(temat.isEmpty());
        EXPECT_TRUE(okno.PokazTemat(temat));
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#%1\"").arg(temat)));
    }
    // The file is HTML in UTF-8: Polish letters come through as letters.
    EXPECT_TRUE(okno.Przegladarka()->toPlainText().contains(QStringLiteral("Menu Narzędzia")));
}

// A small help file of the test's own: the contents, then a topic far below them.
class TOknoPomocyPlik : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string html = "<html><body><h1><a name=\"Spis\">Spis</a></h1><p><a href=\"#IdKoniec\">Koniec</a></p>";
        for (int i = 0; i < 200; ++i)
            html += "<p>Akapit " + std::to_string(i) + " – źdźbło.</p>";
        html += "<h2><a name=\"IdKoniec\">Temat na końcu</a></h2><p>Treść.</p></body></html>";
        ZapiszPlik(katalog_.Plik("pomoc.hlp"), html);
    }

    QString Plik(std::string_view nazwa) const { return QString::fromStdString(katalog_.Plik(nazwa)); }

    TKatalogTymczasowy katalog_;
};

TEST_F(TOknoPomocyPlik, TematPrzewijaDoKotwicySpisWracaNaGore)
{
    TOknoPomocy okno(Plik("pomoc.hlp"));
    okno.resize(400, 300);
    QScrollBar* pasek = okno.Przegladarka()->verticalScrollBar();

    ASSERT_TRUE(okno.PokazTemat(QStringLiteral("IdKoniec")));
    EXPECT_GT(pasek->value(), 0);
    EXPECT_TRUE(okno.PokazSpis());
    EXPECT_EQ(pasek->value(), 0);
}

TEST_F(TOknoPomocyPlik, NieznanyTematPokazujeSpis)
{
    TOknoPomocy okno(Plik("pomoc.hlp"));
    okno.resize(400, 300);
    QScrollBar* pasek = okno.Przegladarka()->verticalScrollBar();
    ASSERT_TRUE(okno.PokazTemat(QStringLiteral("IdKoniec")));
    ASSERT_GT(pasek->value(), 0);

    // Text that is in the file but no anchor, and names an unknown context gives, are no topics.
    for (const QString& temat : {QStringLiteral("IdNieMa"), QStringLiteral("Akapit"), QStringLiteral("Temat na końcu"),
                                 Temat(OstatniKontekst + 1)}) {
        SCOPED_TRACE(temat.toStdString());
        EXPECT_FALSE(okno.PokazTemat(temat));
        EXPECT_TRUE(okno.isVisible());
        EXPECT_EQ(pasek->value(), 0);
    }
}

TEST_F(TOknoPomocyPlik, NieczytelnyPlikDajeFalszIKomunikat)
{
    std::filesystem::create_directory(katalog_.Sciezka() / "katalog.hlp");
    for (const char* nazwa : {"brak.hlp", "katalog.hlp"}) {
        SCOPED_TRACE(nazwa);
        TOknoPomocy okno(Plik(nazwa));
        EXPECT_FALSE(okno.PokazSpis());
        EXPECT_FALSE(okno.PokazTemat(QStringLiteral("IdKoniec")));
        EXPECT_TRUE(okno.Przegladarka()->toPlainText().contains(Plik(nazwa)));
    }

    // A file that turns up later is read at the next request.
    TOknoPomocy okno(Plik("pozniej.hlp"));
    EXPECT_FALSE(okno.PokazTemat(QStringLiteral("IdKoniec")));
    ZapiszPlik(katalog_.Plik("pozniej.hlp"), testy::CzytajPlik(katalog_.Plik("pomoc.hlp")));
    EXPECT_TRUE(okno.PokazTemat(QStringLiteral("IdKoniec")));
}

// The other item of the help menu.
TEST(TfrmOProgramie, NazwaZrodlaDanychIOK)
{
    TfrmOProgramie info;
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Info o programie"));
    EXPECT_TRUE(info.isModal());
    QString teksty;
    for (const QLabel* etykieta : info.findChildren<QLabel*>())
        teksty += etykieta->text();
    EXPECT_TRUE(teksty.contains(QStringLiteral("Tarvomund")));
    EXPECT_TRUE(teksty.contains(QStringLiteral("SOURCES.md")));

    int wynik = -1;
    QObject::connect(&info, &QDialog::finished, &info, [&wynik](int w) { wynik = w; });
    info.show();
    ASSERT_EQ(info.PrzyciskOK()->text(), QStringLiteral("OK"));
    info.PrzyciskOK()->click();
    EXPECT_EQ(wynik, QDialog::Accepted);
    EXPECT_FALSE(info.isVisible());
}

} // namespace
} // namespace tarvomund
