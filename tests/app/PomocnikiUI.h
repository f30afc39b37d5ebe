#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

// Helpers of the widget tests: answering modal windows and waiting for workers.
namespace tarvomund::testy {

constexpr qint64 LimitCzekaniaMs = 60000;

// Answers the modal windows that open next, one action each, in order, and keeps what they said.
// A turn that finds no modal window ends the answering, so "nothing was asked" shows as well.
class TOdpowiedzi {
public:
    using TAkcja = std::function<void(QWidget*)>;

    explicit TOdpowiedzi(std::vector<TAkcja> akcje) : akcje_(akcje.begin(), akcje.end()) { Uzbroj(); }
    ~TOdpowiedzi() { QCoreApplication::processEvents(); }

    int Obsluzonych() const { return obsluzonych_; }
    const QStringList& Teksty() const { return teksty_; }

    // A message box: its text is kept and the named button pressed.
    static TAkcja Przycisk(const char* nazwa)
    {
        return [nazwa](QWidget* okno) {
            auto* przycisk = okno->findChild<QPushButton*>(QString::fromLatin1(nazwa));
            ASSERT_NE(przycisk, nullptr) << nazwa;
            przycisk->click();
        };
    }
    static TAkcja Odrzuc()
    {
        return [](QWidget* okno) {
            auto* dialog = qobject_cast<QDialog*>(okno);
            ASSERT_NE(dialog, nullptr);
            dialog->reject();
        };
    }

private:
    void Uzbroj()
    {
        QTimer::singleShot(0, &kontekst_, [this] {
            QWidget* okno = QApplication::activeModalWidget();
            if (!okno || akcje_.empty())
                return;
            QString tekst = okno->windowTitle();
            if (const auto* etykieta = okno->findChild<QLabel*>(QStringLiteral("lblTekst")))
                tekst = etykieta->text();
            teksty_ << tekst;
            ++obsluzonych_;
            const TAkcja akcja = akcje_.front();
            akcje_.pop_front();
            if (!akcje_.empty())
                Uzbroj();
            akcja(okno);
        });
    }

    std::deque<TAkcja> akcje_;
    QStringList teksty_;
    int obsluzonych_ = 0;
    QObject kontekst_;
};

// A screenshot for looking at, when TARVOMUND_ZRZUTY names a directory; pending layout runs first.
inline void Zrzut(QWidget& okno, const char* nazwa)
{
    const QString katalog = qEnvironmentVariable("TARVOMUND_ZRZUTY");
    if (katalog.isEmpty())
        return;
    QCoreApplication::processEvents();
    okno.grab().save(katalog + QLatin1Char('/') + QString::fromLatin1(nazwa) + QStringLiteral(".png"));
}

template <typename TWarunek>
inline bool CzekajAz(TWarunek warunek)
{
    QElapsedTimer zegar;
    zegar.start();
    while (!warunek() && zegar.elapsed() < LimitCzekaniaMs) {
        QEventLoop petla;
        QTimer::singleShot(5, &petla, &QEventLoop::quit);
        petla.exec();
    }
    return warunek();
}

} // namespace tarvomund::testy
