#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace tarvomund::testy {

// Answers a chain of modal windows (a dialog that opens another one, a message after OK): each
// step waits until the active modal window is of its type, then acts on it. A step that finds no
// such window for a long time fails the test and closes whatever blocks, so nothing hangs.
class TKolejkaOkien {
public:
    static constexpr qint64 LimitMs = 20000;

    TKolejkaOkien()
    {
        QObject::connect(&zegar_, &QTimer::timeout, &zegar_, [this] { Krok(); });
        zegar_.start(5);
        czas_.start();
    }

    template <typename T> TKolejkaOkien& Potem(std::function<void(T*)> akcja)
    {
        kroki_.push_back({[](QWidget* okno) { return qobject_cast<T*>(okno) != nullptr; },
                          [akcja](QWidget* okno) { akcja(qobject_cast<T*>(okno)); }});
        return *this;
    }

    int Wykonanych() const { return wykonanych_; }
    bool Gotowe() const { return kroki_.empty(); }

private:
    void Krok()
    {
        if (kroki_.empty() || zaplanowany_)
            return;
        QWidget* okno = QApplication::activeModalWidget();
        if (!okno || !kroki_.front().Pasuje(okno)) {
            SprawdzCzas(okno);
            return;
        }
        // The action runs from a timer of its own, so this one keeps polling while the action
        // waits in a window it opened; the next step answers that window from the nested loop.
        const TKrok krok = kroki_.front();
        kroki_.pop_front();
        ++wykonanych_;
        czas_.restart();
        zaplanowany_ = true;
        QTimer::singleShot(0, &zegar_, [this, krok, cel = QPointer<QWidget>(okno)] {
            zaplanowany_ = false;
            if (cel)
                krok.Akcja(cel);
        });
    }

    void SprawdzCzas(QWidget* okno)
    {
        if (czas_.elapsed() < LimitMs)
            return;
        ADD_FAILURE() << "the expected modal window did not open";
        kroki_.clear();
        if (auto* dialog = qobject_cast<QDialog*>(okno))
            dialog->reject();
    }

    struct TKrok {
        std::function<bool(QWidget*)> Pasuje;
        std::function<void(QWidget*)> Akcja;
    };

    std::deque<TKrok> kroki_;
    QTimer zegar_;
    QElapsedTimer czas_;
    int wykonanych_ = 0;
    bool zaplanowany_ = false;
};

} // namespace tarvomund::testy
