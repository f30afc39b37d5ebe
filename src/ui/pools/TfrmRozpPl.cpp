#include "pools/TfrmRozpPl.h"

#include "app/KontekstPomocy.h"
#include "app/PodgladWydruku.h"
#include "app/TekstyUI.h"
#include "model/Wspolne.h"
#include "pools/Typowania.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvomund {

namespace {

constexpr std::array<char, IleZnakow> ZnakiRozkladu{'1', 'x', '2'};

} // namespace

TfrmRozpPl::TfrmRozpPl(QWidget* parent) : QWidget(parent), RE1_(new QTextEdit(this))
{
    setWindowTitle(QStringLiteral("INFO"));
    UstawKontekstPomocy(this, KontekstPomocy);
    RE1_->setObjectName(QStringLiteral("RE1"));
    RE1_->setReadOnly(true);
    RE1_->setLineWrapMode(QTextEdit::NoWrap);
    // The columns of the lines line up only in a fixed-pitch font.
    RE1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(RE1_);
    resize(Szerokosc, Wysokosc);
}

QString TfrmRozpPl::WierszRozkladu(int mecz, const std::array<int32_t, 3>& ile, int32_t zakladow)
{
    QString wiersz = QString::asprintf("%2d.", mecz) + QStringLiteral("  ");
    for (std::size_t s = 0; s < ile.size(); ++s) {
        // Procent gives 0 for a system without bets.
        wiersz += QString::asprintf("%6d(%c)->", ile[s], ZnakiRozkladu[s]) +
                  QString::asprintf("%6.2f", Procent(ile[s], zakladow)) + QLatin1Char('%');
    }
    return wiersz;
}

void TfrmRozpPl::PokazRozklad(const TInfoGryRec& info)
{
    const QString nazwa = QString::fromStdString(info.Nazwa);
    const QString system = QStringLiteral("System %1/%2").arg(info.k).arg(info.Zakladow);
    const QString rozklad = Tekst(TTekst::RozkladLiczbWGrze);
    tytulWydruku_ = rozklad + QLatin1Char(' ') + nazwa + QStringLiteral(" - ") + system;

    RE1_->clear();
    RE1_->setTextColor(Qt::blue);
    RE1_->append(rozklad + QLatin1Char(' ') + nazwa);
    RE1_->append(system);
    RE1_->append(QString());
    RE1_->setTextColor(Qt::black);
    // The sign counts cover three entries per match, so at most 40 matches fit the record.
    const int mecze = std::clamp(info.k, 0, MaxLiczbSystemu / IleZnakow);
    for (int m = 1; m <= mecze; ++m) {
        std::array<int32_t, 3> ile{};
        for (uint8_t kod = Kod1; kod <= Kod2; ++kod)
            ile[kod - 1u] = info.Wystapienia[IndeksLicznikaZnaku(m, kod)];
        RE1_->append(WierszRozkladu(m, ile, info.Zakladow));
    }
    RE1_->moveCursor(QTextCursor::Start);
}

QStringList TfrmRozpPl::Wiersze() const
{
    return RE1_->toPlainText().split(QLatin1Char('\n'));
}

int TfrmRozpPl::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    return tarvomund::Drukuj(urzadzenie, TWydrukWierszy{WierszeRaportu({windowTitle()}, Wiersze()), RE1_->font()}).Stron;
}

void TfrmRozpPl::Drukuj()
{
    DrukujZPodgladem(this, TWydrukWierszy{WierszeRaportu({windowTitle()}, Wiersze()), RE1_->font()}, tytulWydruku_);
}

} // namespace tarvomund
