#include "app/TOstatnioOtwierane.h"

#include "app/TekstyUI.h"
#include "app/Ustawienia.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace tarvomund {

namespace {

// Longer paths keep their beginning and their end, so the drive of the directory and the file's
// name both stay readable.
constexpr int NajdluzszaSciezka = 64;

} // namespace

TOstatnioOtwierane::TOstatnioOtwierane(QMenu* menu, QObject* rodzic) : QObject(rodzic), menu_(menu)
{
    for (const QString& plik : CzytajOstatnioOtwierane()) {
        const QString postac = Postac(plik);
        if (!pliki_.contains(postac))
            pliki_ << postac;
    }
    Odbuduj();
}

QString TOstatnioOtwierane::Postac(const QString& plik)
{
    return QDir::cleanPath(QFileInfo(plik).absoluteFilePath());
}

QString TOstatnioOtwierane::TekstWpisu(int numer, const QString& plik)
{
    QString sciezka = QDir::toNativeSeparators(plik);
    if (sciezka.size() > NajdluzszaSciezka) {
        const int zKonca = NajdluzszaSciezka / 2;
        sciezka = sciezka.left(NajdluzszaSciezka - zKonca - 1) + QChar(0x2026) + sciezka.right(zKonca);
    }
    // An ampersand in a path is a character, not the mark of a shortcut.
    sciezka.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(numer) + QLatin1Char(' ') + sciezka;
}

void TOstatnioOtwierane::Dodaj(const QString& plik)
{
    const QString postac = Postac(plik);
    pliki_.removeAll(postac);
    pliki_.prepend(postac);
    while (pliki_.size() > NajwiecejOstatnich)
        pliki_.removeLast();
    Zmieniono();
}

void TOstatnioOtwierane::Usun(const QString& plik)
{
    if (pliki_.removeAll(Postac(plik)) > 0)
        Zmieniono();
}

void TOstatnioOtwierane::Wyczysc()
{
    pliki_.clear();
    Zmieniono();
}

void TOstatnioOtwierane::UstawDostepnosc(bool otwieranie)
{
    otwieranie_ = otwieranie;
    menu_->menuAction()->setEnabled(otwieranie_ && !pliki_.isEmpty());
}

void TOstatnioOtwierane::Zmieniono()
{
    ZapiszOstatnioOtwierane(pliki_);
    Odbuduj();
}

void TOstatnioOtwierane::Odbuduj()
{
    // An entry may be rebuilt from inside its own click, so the old entries go once that is over.
    for (QAction* stary : menu_->actions()) {
        menu_->removeAction(stary);
        stary->deleteLater();
    }
    for (int i = 0; i < pliki_.size(); ++i) {
        const QString plik = pliki_[i];
        QAction* wpis = menu_->addAction(TekstWpisu(i + 1, plik));
        wpis->setStatusTip(QDir::toNativeSeparators(plik));
        connect(wpis, &QAction::triggered, this, [this, plik] { emit Wybrano(plik); });
    }
    if (!pliki_.isEmpty()) {
        menu_->addSeparator();
        connect(menu_->addAction(Tekst(TTekst::WyczyscListe)), &QAction::triggered, this,
                &TOstatnioOtwierane::Wyczysc);
    }
    UstawDostepnosc(otwieranie_);
}

} // namespace tarvomund
