#include "app/TOknoPomocy.h"

#include "app/TekstyUI.h"

#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tarvomund {

TOknoPomocy::TOknoPomocy(QString plikPomocy, QWidget* parent)
    : QWidget(parent, Qt::Window), plikPomocy_(std::move(plikPomocy)), przegladarka_(new QTextBrowser(this))
{
    setWindowTitle(Tekst(TTekst::PodpNarzPomoc));
    // Links inside the file jump between topics; nothing leaves the program.
    przegladarka_->setOpenExternalLinks(false);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(przegladarka_);
    resize(640, 560);
}

bool TOknoPomocy::Wczytaj()
{
    // Read again after a failure, so a help file put back while the program runs is found.
    if (wczytany_)
        return true;
    QFile plik(plikPomocy_);
    if (!plik.open(QIODevice::ReadOnly)) {
        przegladarka_->setHtml(QStringLiteral("<p>Nie można odczytać pliku pomocy <b>%1</b>.</p>")
                                   .arg(plikPomocy_.toHtmlEscaped()));
        return false;
    }
    przegladarka_->setHtml(QString::fromUtf8(plik.readAll()));
    wczytany_ = true;
    return true;
}

// Looks in the laid-out document, not in the file's text, so only anchors the browser can
// actually scroll to count.
bool TOknoPomocy::MaKotwice(const QString& temat) const
{
    if (temat.isEmpty())
        return false;
    for (QTextBlock blok = przegladarka_->document()->begin(); blok.isValid(); blok = blok.next())
        for (auto it = blok.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(temat))
                return true;
    return false;
}

void TOknoPomocy::Pokaz()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool TOknoPomocy::PokazSpis()
{
    const bool wczytany = Wczytaj();
    Pokaz();
    przegladarka_->verticalScrollBar()->setValue(0);
    return wczytany;
}

bool TOknoPomocy::PokazTemat(const QString& temat)
{
    if (!Wczytaj() || !MaKotwice(temat)) {
        PokazSpis();
        return false;
    }
    Pokaz();
    przegladarka_->scrollToAnchor(temat);
    return true;
}

} // namespace tarvomund
