#include "app/TPoleLiczby.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace tarvomund {
namespace {

// Types into the field as a user would: the old text selected, then key by key.
void Wpisz(TPoleLiczby& pole, const QString& tekst)
{
    pole.selectAll();
    QTest::keyClicks(&pole, tekst);
}

TEST(TPoleLiczby, WartoscPrzychodziDopieroPoZatwierdzeniu)
{
    TPoleLiczby pole;
    pole.setRange(1, 49);
    pole.setValue(24);
    pole.show();
    QSignalSpy zmiany(&pole, &QSpinBox::valueChanged);
    Wpisz(pole, QStringLiteral("10"));
    // Nothing passes through 1 on the way to 10.
    EXPECT_EQ(zmiany.count(), 0);
    EXPECT_EQ(pole.value(), 24);
    QTest::keyClick(&pole, Qt::Key_Return);
    ASSERT_EQ(zmiany.count(), 1);
    EXPECT_EQ(zmiany.at(0).at(0).toInt(), 10);
    EXPECT_TRUE(pole.Uwaga().isEmpty());
    // The arrows commit at once.
    QTest::keyClick(&pole, Qt::Key_Up);
    EXPECT_EQ(pole.value(), 11);
    EXPECT_EQ(zmiany.count(), 2);
}

TEST(TPoleLiczby, LiczbaSpozaZakresuJestPokazanaIPoprawionaDoGranicy)
{
    struct TPrzypadek {
        const char* Wpisane;
        int Wartosc;
        const char* Uwaga; // empty: the value was within the range
    };
    const TPrzypadek przypadki[] = {
        {"999", 49, "Liczba 999 jest spoza zakresu 1 .. 49 – przyjęto 49."},
        {"50", 49, "Liczba 50 jest spoza zakresu 1 .. 49 – przyjęto 49."},
        {"0", 1, "Liczba 0 jest spoza zakresu 1 .. 49 – przyjęto 1."},
        {"49", 49, ""},
        {"7", 7, ""},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Wpisane);
        TPoleLiczby pole;
        pole.setRange(1, 49);
        pole.setValue(24);
        pole.show();
        QSignalSpy poprawki(&pole, &TPoleLiczby::Poprawiono);
        Wpisz(pole, QString::fromUtf8(p.Wpisane));
        // Every digit stays in the field while it is typed.
        EXPECT_EQ(pole.text(), QString::fromUtf8(p.Wpisane));
        QTest::keyClick(&pole, Qt::Key_Return);
        EXPECT_EQ(pole.value(), p.Wartosc);
        EXPECT_EQ(pole.Uwaga(), QString::fromUtf8(p.Uwaga));
        EXPECT_EQ(poprawki.count(), *p.Uwaga ? 1 : 0);
        if (*p.Uwaga) {
            EXPECT_EQ(pole.palette().color(QPalette::Text), QColor(Qt::red));
            // The next value the user enters takes the notice away.
            Wpisz(pole, QStringLiteral("5"));
            QTest::keyClick(&pole, Qt::Key_Return);
            EXPECT_EQ(pole.value(), 5);
            EXPECT_TRUE(pole.Uwaga().isEmpty());
            EXPECT_NE(pole.palette().color(QPalette::Text), QColor(Qt::red));
        }
    }
}

TEST(TPoleLiczby, EnterZPoprawkaNieZatwierdzaOkna)
{
    // Enter confirms a dialog, unless it had to correct the number: the user sees the new value first.
    for (const auto& [wpisane, zatwierdzone] : {std::pair{"999", false}, std::pair{"12", true}}) {
        SCOPED_TRACE(wpisane);
        QDialog dialog;
        auto* pole = new TPoleLiczby(&dialog);
        pole->setRange(1, 49);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.show();
        Wpisz(*pole, QString::fromUtf8(wpisane));
        QTest::keyClick(pole, Qt::Key_Return);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, zatwierdzone);
        EXPECT_EQ(dialog.isVisible(), !zatwierdzone);
    }
}

TEST(TPoleLiczby, OpuszczeniePolaZatwierdzaINieZnaLiter)
{
    TPoleLiczby pole;
    pole.setRange(1, 120);
    pole.setValue(3);
    pole.show();
    Wpisz(pole, QStringLiteral("1x2"));
    EXPECT_EQ(pole.text(), QStringLiteral("12"));
    // Leaving the field commits as Enter does.
    QFocusEvent wyjscie(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&pole, &wyjscie);
    EXPECT_EQ(pole.value(), 12);
}

} // namespace
} // namespace tarvomund
