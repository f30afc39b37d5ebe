#include "app/TWatekObliczen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tarvomund {
namespace {

constexpr qint64 LimitCzekaniaMs = 30000;

// Lets the user-interface thread run until the condition holds or the limit passes.
template <typename TWarunek>
bool CzekajAz(TWarunek warunek)
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

TEST(TWatekObliczenTest, PracaNaWatkuKrokiIZakonczenieNaWatkuGlownym)
{
    TWatekObliczen watek;
    QThread* glowny = QThread::currentThread();
    std::atomic<QThread*> watekPracy{nullptr};
    QThread* watekKroku = nullptr;
    QThread* watekZakonczenia = nullptr;
    std::atomic<int> widzianePoKroku{-1};
    int licznik = 0;
    std::vector<int> kolejnosc;

    ASSERT_TRUE(watek.Uruchom(
        [&] {
            watekPracy = QThread::currentThread();
            for (int i = 1; i <= 3; ++i) {
                // The hop returns only after the step has run: its effect is visible at once.
                EXPECT_TRUE(watek.Synchronizuj([&] {
                    watekKroku = QThread::currentThread();
                    licznik = i;
                    kolejnosc.push_back(i);
                }));
                widzianePoKroku = licznik;
                EXPECT_EQ(widzianePoKroku.load(), i);
            }
        },
        [&] {
            watekZakonczenia = QThread::currentThread();
            kolejnosc.push_back(0);
        }));
    EXPECT_TRUE(watek.Dziala());
    // One run at a time.
    EXPECT_FALSE(watek.Uruchom([] {}, [] {}));

    ASSERT_TRUE(CzekajAz([&] { return !watek.Dziala(); }));
    EXPECT_NE(watekPracy.load(), glowny);
    EXPECT_EQ(watekKroku, glowny);
    EXPECT_EQ(watekZakonczenia, glowny);
    EXPECT_EQ(kolejnosc, (std::vector<int>{1, 2, 3, 0}));

    // The worker can be used again, and a step on the user-interface thread runs directly.
    bool bezposrednio = false;
    EXPECT_TRUE(watek.Synchronizuj([&] { bezposrednio = true; }));
    EXPECT_TRUE(bezposrednio);
    bool drugi = false;
    ASSERT_TRUE(watek.Uruchom([] {}, [&] { drugi = true; }));
    ASSERT_TRUE(CzekajAz([&] { return drugi; }));
}

TEST(TWatekObliczenTest, WyjatekKonczyPraceAleNieZakonczenie)
{
    TWatekObliczen watek;
    bool zakonczono = false;
    ASSERT_TRUE(watek.Uruchom([] { throw std::runtime_error("brak miejsca"); }, [&] { zakonczono = true; }));
    EXPECT_TRUE(CzekajAz([&] { return zakonczono; }));
    EXPECT_FALSE(watek.Dziala());
}

TEST(TWatekObliczenTest, ZakonczenieMozeUruchomicNastepnaPrace)
{
    TWatekObliczen watek;
    int zakonczen = 0;
    std::function<void()> poZakonczeniu = [&] {
        if (++zakonczen < 3) {
            EXPECT_TRUE(watek.Uruchom([] {}, poZakonczeniu));
        }
    };
    ASSERT_TRUE(watek.Uruchom([] {}, poZakonczeniu));
    EXPECT_TRUE(CzekajAz([&] { return zakonczen == 3 && !watek.Dziala(); }));
}

TEST(TWatekObliczenTest, ZniszczenieWTrakcieKrokuNieZawiesza)
{
    // The computation keeps asking for the user-interface thread, which never serves it: the
    // destructor must drop the waiting step and join the thread instead of waiting forever.
    auto watek = std::make_unique<TWatekObliczen>();
    // The computation holds the worker as the window's does: by address, alive until joined.
    TWatekObliczen* wlasciciel = watek.get();
    std::atomic<bool> wszedl{false};
    std::atomic<bool> odrzucony{false};
    bool krokWykonany = false;
    bool zakonczono = false;
    ASSERT_TRUE(watek->Uruchom(
        [&] {
            wszedl = true;
            while (wlasciciel->Synchronizuj([&] { krokWykonany = true; })) {
            }
            odrzucony = true;
        },
        [&] { zakonczono = true; }));
    while (!wszedl)
        std::this_thread::yield();
    watek.reset();
    EXPECT_TRUE(odrzucony);
    EXPECT_FALSE(krokWykonany);
    // The completion posted by the ended thread died with the worker.
    QCoreApplication::processEvents();
    EXPECT_FALSE(zakonczono);
}

} // namespace
} // namespace tarvomund
