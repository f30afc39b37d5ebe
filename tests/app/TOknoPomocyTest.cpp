#include "app/TOknoPomocy.h"

#include "app/KontekstPomocy.h"
#include "app/TfrmNowy.h"
#include "app/TfrmOProgramie.h"
#include "model/TParametry.h"
#include "model/TfrmNoweOkno.h"
#include "model/TfrmSkok.h"
#include "systems/TfrmGwarancja.h"
#include "systems/TfrmNumery.h"
#include "systems/TfrmParam.h"
#include "systems/TfrmRozp.h"
#include "systems/TfrmSuma.h"
#include "systems/TfrmWlasne.h"
#include "tools/TfrmKolekcja01.h"
#include "model/Wspolne.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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

// The text of one topic: from its anchor to the next heading of a topic, without the markup.
QString TrescTematu(const QString& html, const QString& temat)
{
    const qsizetype od = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(temat));
    if (od < 0)
        return {};
    const qsizetype koniec = html.indexOf(QStringLiteral("<h2>"), od);
    QString tresc = html.mid(od, koniec < 0 ? -1 : koniec - od);
    tresc.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return tresc.simplified();
}

TEST(TOknoPomocy, OknaKtoreJuzSaMajaPrawdziwaPomoc)
{
    QFile zrodlo(PlikPomocyProgramu());
    ASSERT_TRUE(zrodlo.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(zrodlo.readAll());
    TKatalogTymczasowy katalog;
    const QString dane = QString::fromStdString(katalog.Sciezka().string());
    TParametry parametry;

    // Every window a user can open now, by the help context it carries ...
    std::vector<std::unique_ptr<QWidget>> okna;
    okna.emplace_back(std::make_unique<TfrmNoweOkno>(1, dane));
    okna.emplace_back(std::make_unique<TfrmParam>());
    okna.emplace_back(std::make_unique<TfrmSkok>(20, 1));
    okna.emplace_back(std::make_unique<TfrmWlasne>());
    okna.emplace_back(std::make_unique<TfrmNumery>());
    okna.emplace_back(std::make_unique<TfrmGwarancja>(parametry));
    okna.emplace_back(std::make_unique<TfrmRozp>());
    okna.emplace_back(std::make_unique<TfrmSuma>(std::vector<TSystemDoZlozenia>{}));
    okna.emplace_back(std::make_unique<TfrmKolekcja01>(dane));
    okna.emplace_back(std::make_unique<TfrmOProgramie>());
    QStringList tematy;
    for (const auto& okno : okna)
        tematy << Temat(okno->property(WlasnoscKontekstuPomocy).toInt());
    // ... and the topics of the commands, methods and files they work with.
    for (const char* temat : {"IdPliki", "IdParam", "IdZadania", "IdNarz", "IdOkienka", "IdPomoc",
                              "IdOSysSkr", "IdSysPelny", "IdSysRown", "IdSysRownZPew", "IdSysPrzyp", "IdSysLanc",
                              "IdSysZlozM", "IdSysZloz", "IdRodzajLiczb", "IdZapisSys", "IdWczytSys"})
        tematy << QString::fromLatin1(temat);
    for (const QString& temat : std::as_const(tematy)) {
        SCOPED_TRACE(temat.toStdString());
        ASSERT_FALSE(temat.isEmpty());
        const QString tresc = TrescTematu(html, temat);
        EXPECT_FALSE(tresc.contains(QStringLiteral("zostanie opisany")));
        // What the window is for, its controls and an example take more than a line or two.
        EXPECT_GT(tresc.size(), 300) << tresc.toStdString();
    }
    // The guarantee topic walks through a whole example.
    const QString gwarancja = TrescTematu(html, QStringLiteral("IdGwarSys"));
    for (const char* slowo : {"Przykład", "Metoda gwarancyjna", "Ilość trafień", "Start", "1x(3)"})
        EXPECT_TRUE(gwarancja.contains(QString::fromUtf8(slowo))) << slowo;
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
