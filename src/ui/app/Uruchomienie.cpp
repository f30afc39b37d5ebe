#include "app/Uruchomienie.h"

#include "app/Ustawienia.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>

namespace tarvomund {

namespace fs = std::filesystem;

namespace {

fs::path Sciezka(const QString& tekst)
{
    return fs::path(tekst.toStdU16String());
}

} // namespace

QString TekstSciezki(const fs::path& sciezka)
{
    return QString::fromStdU16String(sciezka.u16string());
}

QStringList PlikiZArgumentow(const QStringList& argumenty, const QString& katalogBiezacy)
{
    QStringList pliki;
    const QDir biezacy(katalogBiezacy);
    for (const QString& argument : argumenty) {
        if (argument.isEmpty())
            continue;
        const QUrl adres(argument);
        const QString plik = adres.isLocalFile() ? adres.toLocalFile() : argument;
        pliki << QDir::cleanPath(biezacy.absoluteFilePath(plik));
    }
    return pliki;
}

bool PytanieOPomocLubWersje(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "-h" || argument == "--help" || argument == "-?" || argument == "--help-all" ||
            argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

QStringList PlikiZWierszaPolecen(const QCoreApplication& aplikacja)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tarvomund: systemy gier liczbowych i piłkarskich."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("pliki"),
        QStringLiteral("Pliki do otwarcia: systemy (*.ss2), statystyki (*.st2), grupy "
                       "(*.gr2), kolekcje (*.k22) i blankiety (*.bln)."),
        QStringLiteral("[pliki...]"));
    parser.process(aplikacja);
    return PlikiZArgumentow(parser.positionalArguments(), QDir::currentPath());
}

TMiejscaProgramu MiejscaTegoProgramu()
{
    return UstalMiejsca(Sciezka(QCoreApplication::applicationDirPath()),
                        Sciezka(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

void PrzygotujDaneUzytkownika(const TMiejscaProgramu& miejsca)
{
    if (!miejsca.Zainstalowany)
        return;
    if (ZasiejDane(miejsca) == TZasiew::Blad)
        qWarning("tarvomund: cannot prepare the data directory %s",
                 qUtf8Printable(TekstSciezki(miejsca.Dane())));
    UstawPlikUstawien(TekstSciezki(miejsca.PlikUstawien()));
}

QString KatalogTlumaczenQt(const TMiejscaProgramu& miejsca)
{
    if (miejsca.Zainstalowany && QDir(TekstSciezki(miejsca.Tlumaczenia())).exists())
        return TekstSciezki(miejsca.Tlumaczenia());
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool ZaladujTlumaczeniaQt(QCoreApplication& aplikacja, const QString& katalog)
{
    auto* tlumacz = new QTranslator(&aplikacja);
    if (!tlumacz->load(QStringLiteral("qtbase_pl"), katalog)) {
        delete tlumacz;
        return false;
    }
    QCoreApplication::installTranslator(tlumacz);
    return true;
}

} // namespace tarvomund
