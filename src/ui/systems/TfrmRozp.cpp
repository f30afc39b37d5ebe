#include "systems/TfrmRozp.h"

#include "app/PodgladWydruku.h"
#include "app/KontekstPomocy.h"
#include "app/TekstyUI.h"
#include "model/Wspolne.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace tarvomund {

namespace {

constexpr int Margines = 6;
constexpr int DlugoscKreski = 3;
// The scale's steps in percent; the first that leaves at most this many gridlines is taken.
constexpr double KrokiOsi[] = {1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0};
constexpr int MaxPodzialek = 5;
// A bar keeps this share of its slot; the rest is the gap to its neighbours.
constexpr double WypelnienieSlupka = 0.7;
const QColor KolorSlupka(30, 110, 200);
const QColor KolorSiatki(220, 220, 220);

double KrokOsi(double najwyzszy)
{
    for (double krok : KrokiOsi)
        if (najwyzszy / krok <= MaxPodzialek)
            return krok;
    return KrokiOsi[std::size(KrokiOsi) - 1];
}

QString Procentowo(double wartosc)
{
    return QString::number(wartosc, 'g', 4);
}

} // namespace

TWykresSlupkowy::TWykresSlupkowy(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void TWykresSlupkowy::Ustaw(std::vector<TSlupek> slupki)
{
    slupki_ = std::move(slupki);
    update();
}

double TWykresSlupkowy::GoraOsi() const
{
    double najwyzszy = 0.0;
    for (const TSlupek& s : slupki_)
        najwyzszy = std::max(najwyzszy, s.Wartosc);
    const double krok = KrokOsi(najwyzszy);
    return std::max(krok, std::ceil(najwyzszy / krok) * krok);
}

QSize TWykresSlupkowy::minimumSizeHint() const
{
    return {120, 80};
}

void TWykresSlupkowy::paintEvent(QPaintEvent* /*zdarzenie*/)
{
    QPainter p(this);
    const QFontMetrics miary(font());
    const double gora = GoraOsi();
    const double krok = KrokOsi(gora);

    // Labels stand level under their bars while the widest fits a slot, else turned upright.
    int najszerszaEtykieta = 0;
    for (const TSlupek& s : slupki_)
        najszerszaEtykieta = std::max(najszerszaEtykieta, miary.horizontalAdvance(s.Etykieta));
    const int lewy = Margines + miary.horizontalAdvance(Procentowo(gora)) + DlugoscKreski + 2;
    // Half a line on the right, so that an upright label under the last bar is not cut off.
    const int szerokoscPola = std::max(1, width() - lewy - Margines - miary.height() / 2);
    const int ile = static_cast<int>(slupki_.size());
    const double szczelina = ile > 0 ? static_cast<double>(szerokoscPola) / ile : szerokoscPola;
    const bool poziome = najszerszaEtykieta + 2 <= szczelina;
    const int dolEtykiet = poziome ? miary.height() : najszerszaEtykieta;
    const int dol = height() - Margines - dolEtykiet - 2;
    const int wysokoscPola = std::max(1, dol - Margines - miary.height() / 2);
    const auto y = [&](double wartosc) { return dol - static_cast<int>(std::lround(wartosc / gora * wysokoscPola)); };

    // The scale: a gridline and a value at every step.
    p.setPen(palette().color(QPalette::Text));
    for (double w = 0.0; w <= gora + krok / 2; w += krok) {
        const int yw = y(w);
        p.setPen(KolorSiatki);
        p.drawLine(lewy, yw, lewy + szerokoscPola, yw);
        p.setPen(palette().color(QPalette::Text));
        p.drawLine(lewy - DlugoscKreski, yw, lewy, yw);
        const QString tekst = Procentowo(w);
        p.drawText(QRect(Margines, yw - miary.height() / 2, lewy - DlugoscKreski - 2 - Margines, miary.height()),
                   Qt::AlignRight | Qt::AlignVCenter, tekst);
    }
    p.drawLine(lewy, dol, lewy + szerokoscPola, dol);
    p.drawLine(lewy, dol, lewy, y(gora));

    // Upright labels would crowd each other in narrow slots: then only every few-th is written.
    const int coIle = poziome ? 1 : std::max(1, static_cast<int>(std::ceil((miary.height() + 1) / szczelina)));
    for (int i = 0; i < ile; ++i) {
        const TSlupek& s = slupki_[static_cast<std::size_t>(i)];
        const double x0 = lewy + i * szczelina;
        const double szerokoscSlupka = std::max(1.0, szczelina * WypelnienieSlupka);
        const QRectF slupek(x0 + (szczelina - szerokoscSlupka) / 2, y(s.Wartosc), szerokoscSlupka, dol - y(s.Wartosc));
        p.fillRect(slupek, KolorSlupka);
        p.setPen(KolorSlupka.darker());
        p.drawRect(slupek);
        if (i % coIle != 0)
            continue;
        p.setPen(palette().color(QPalette::Text));
        if (poziome) {
            p.drawText(QRectF(x0, dol + 2, szczelina, miary.height()), Qt::AlignHCenter | Qt::AlignTop, s.Etykieta);
        } else {
            p.save();
            p.translate(x0 + szczelina / 2 + miary.ascent() / 2.0, dol + 2);
            p.rotate(90);
            p.drawText(QPointF(0, 0), s.Etykieta);
            p.restore();
        }
    }
}

TfrmRozp::TfrmRozp(QWidget* parent)
    : QWidget(parent), RE1_(new QTextEdit(this)), Chart1_(new TWykresSlupkowy(this))
{
    setWindowTitle(QStringLiteral("INFO"));
    UstawKontekstPomocy(this, KontekstPomocy);
    RE1_->setObjectName(QStringLiteral("RE1"));
    Chart1_->setObjectName(QStringLiteral("Chart1"));
    RE1_->setReadOnly(true);
    // The lines of numbers fit the width; only a long heading wraps.
    RE1_->setLineWrapMode(QTextEdit::WidgetWidth);
    // The columns of the lines line up only in a fixed-pitch font.
    RE1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The text keeps room for its widest line beside the scroll bar; the chart takes the rest.
    const int szerokoscWiersza = RE1_->fontMetrics().horizontalAdvance(WierszRozkladu(MaxLiczbSystemu, 999999, 1));
    RE1_->setMinimumWidth(szerokoscWiersza + 2 * static_cast<int>(RE1_->document()->documentMargin())
                          + 2 * RE1_->frameWidth() + RE1_->verticalScrollBar()->sizeHint().width());

    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(2);
    uklad->addWidget(RE1_, 0);
    uklad->addWidget(Chart1_, 1);
    resize(Szerokosc, Wysokosc);
}

QString TfrmRozp::WierszRozkladu(int liczba, int ile, int zakladow)
{
    const double udzial = zakladow > 0 ? static_cast<double>(ile) / zakladow * 100.0 : 0.0;
    return QString::asprintf("[%3d] - %6d    %7.3f", liczba, ile, udzial) + QStringLiteral(" %");
}

void TfrmRozp::PokazRozklad(const TInfoGryRec& info)
{
    const QString nazwa = QString::fromStdString(info.Nazwa);
    const QString parametry = QStringLiteral("%1/%2/%3").arg(info.k).arg(info.n).arg(info.Zakladow);
    const QString rozklad = Tekst(TTekst::RozkladLiczbWGrze);
    tytulWydruku_ = rozklad + QLatin1Char(' ') + nazwa + QStringLiteral(" - System ") + parametry;

    RE1_->clear();
    RE1_->setTextColor(Qt::blue);
    RE1_->append(rozklad + QLatin1Char(' ') + nazwa);
    RE1_->append(QStringLiteral("System ") + parametry);
    RE1_->append(QString());
    RE1_->setTextColor(Qt::black);
    std::vector<TWykresSlupkowy::TSlupek> slupki;
    const int n = std::clamp(info.n, 0, MaxLiczbSystemu);
    for (int p = 0; p < n; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const int liczba = info.Wlasne[1][i];
        const int ile = info.Wystapienia[i];
        RE1_->append(WierszRozkladu(liczba, ile, info.Zakladow));
        // Procent gives 0 for a system without bets.
        slupki.push_back({QString::number(liczba), Procent(ile, info.Zakladow)});
    }
    RE1_->moveCursor(QTextCursor::Start);
    Chart1_->Ustaw(std::move(slupki));
}

QStringList TfrmRozp::Wiersze() const
{
    return RE1_->toPlainText().split(QLatin1Char('\n'));
}

QStringList TfrmRozp::WierszeWydruku() const
{
    return WierszeRaportu({windowTitle()}, Wiersze());
}

int TfrmRozp::DrukujNa(QPagedPaintDevice& urzadzenie) const
{
    return tarvomund::Drukuj(urzadzenie, TWydrukWierszy{WierszeWydruku(), RE1_->font()}).Stron;
}

void TfrmRozp::Drukuj()
{
    DrukujZPodgladem(this, TWydrukWierszy{WierszeWydruku(), RE1_->font()}, tytulWydruku_);
}

} // namespace tarvomund
