#include "app/TWatekObliczen.h"

#include <QThread>

#include <utility>

namespace tarvomund {

TWatekObliczen::TWatekObliczen(QObject* parent) : QObject(parent) {}

TWatekObliczen::~TWatekObliczen()
{
    {
        std::lock_guard blokada(zamek_);
        anulowany_ = true;
    }
    zmiana_.notify_all();
    if (watek_.joinable())
        watek_.join();
    // A completion already posted dies with this object: QObject drops its pending events.
}

bool TWatekObliczen::Uruchom(TPraca praca, TKrok poZakonczeniu)
{
    if (dziala_)
        return false;
    // The previous run's thread has ended by now (its completion joined it).
    if (watek_.joinable())
        watek_.join();
    {
        std::lock_guard blokada(zamek_);
        anulowany_ = false;
        oczekujacy_ = nullptr;
        wykonany_ = false;
    }
    dziala_ = true;
    poZakonczeniu_ = std::move(poZakonczeniu);
    watek_ = std::thread([this, praca = std::move(praca)] {
        try {
            praca();
        } catch (...) {
            // A computation ends quietly; the window shows what its file holds.
        }
        QMetaObject::invokeMethod(this, &TWatekObliczen::Zakoncz, Qt::QueuedConnection);
    });
    return true;
}

void TWatekObliczen::Zakoncz()
{
    if (watek_.joinable())
        watek_.join();
    dziala_ = false;
    // The handler may start the next run, which replaces poZakonczeniu_.
    const TKrok krok = std::exchange(poZakonczeniu_, nullptr);
    if (krok)
        krok();
}

bool TWatekObliczen::Synchronizuj(const TKrok& krok)
{
    if (QThread::currentThread() == thread()) {
        krok();
        return true;
    }
    {
        std::lock_guard blokada(zamek_);
        if (anulowany_)
            return false;
        oczekujacy_ = &krok;
        wykonany_ = false;
    }
    QMetaObject::invokeMethod(this, &TWatekObliczen::WykonajOczekujacy, Qt::QueuedConnection);
    std::unique_lock blokada(zamek_);
    zmiana_.wait(blokada, [this] { return wykonany_ || anulowany_; });
    const bool wykonany = wykonany_;
    oczekujacy_ = nullptr;
    return wykonany;
}

void TWatekObliczen::WykonajOczekujacy()
{
    std::unique_lock blokada(zamek_);
    // A late call finds the step already run (or running, when the step itself spins an event
    // loop) by an earlier one, or no step at all.
    if (!oczekujacy_ || wykonany_ || wykonywany_ || anulowany_)
        return;
    const TKrok* krok = oczekujacy_;
    wykonywany_ = true;
    // The computation waits until wykonany_ or anulowany_ is set, and only this thread sets the
    // latter, so the step stays alive while it runs without the lock.
    blokada.unlock();
    (*krok)();
    blokada.lock();
    wykonywany_ = false;
    wykonany_ = true;
    blokada.unlock();
    zmiana_.notify_all();
}

} // namespace tarvomund
