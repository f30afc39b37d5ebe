#include "systems/TfrmParam.h"

#include "app/KontekstPomocy.h"
#include "app/TPoleLiczby.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace tarvomund {
namespace {

TInfoGryRec Parametry(int32_t n, int32_t k, int32_t zakladow, int32_t metoda, int32_t gwarancja = 0)
{
    TInfoGryRec info;
    info.Nazwa = "Lotto 6 z 49";
    info.IleLiczb = 49;
    info.MaxSkreslen = 12;
    info.NormSkreslen = 6;
    info.n = n;
    info.k = k;
    info.Zakladow = zakladow;
    info.Metoda = metoda;
    info.Gwarancja = gwarancja;
    return info;
}

// The count field without its padding and grouping, so that it compares as plain digits.
QString Cyfry(const QLabel* pole)
{
    QString tekst = pole->text();
    tekst.remove(QLatin1Char(' ')).remove(QChar(0x00A0)).remove(QChar(0x202F));
    return tekst;
}

TEST(TfrmParamTest, UstawieniePodpisyIZakresy)
{
    TfrmParam dialog;
    dialog.Ustaw(Parametry(24, 6, 1, 0, 2));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Parametry gry Lotto 6 z 49"));
    EXPECT_EQ(dialog.property(WlasnoscKontekstuPomocy).toInt(), 1024);
    EXPECT_EQ(dialog.spSkres()->maximum(), 12);
    EXPECT_EQ(dialog.spLiczb()->maximum(), 49);
    EXPECT_EQ(dialog.spSkres()->value(), 6);
    EXPECT_EQ(dialog.spLiczb()->value(), 24);
    EXPECT_EQ(dialog.spZakladow()->decimals(), 0);
    EXPECT_EQ(dialog.spZakladow()->minimum(), 1.0);
    EXPECT_EQ(dialog.spZakladow()->maximum(), 9999999999.0);
    EXPECT_EQ(dialog.btnOk()->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.btnAnuluj()->text(), QStringLiteral("Anuluj"));
    // 134 596 with the Polish grouping, right-aligned in twenty characters.
    EXPECT_EQ(Cyfry(dialog.st1()), QStringLiteral("134596"));
    EXPECT_EQ(dialog.st1()->text().size(), 20);

    // Six methods, the guarantee method last; the guarantee list runs 1..k.
    ASSERT_EQ(dialog.cbMetoda()->count(), 6);
    EXPECT_EQ(dialog.cbMetoda()->itemText(0), QStringLiteral("Metoda pełna"));
    EXPECT_EQ(dialog.cbMetoda()->itemText(3), QStringLiteral("Metoda łańcuchowa I stopnia"));
    EXPECT_EQ(dialog.cbMetoda()->itemText(4), QStringLiteral("Metoda łańcuchowa II stopnia"));
    EXPECT_EQ(dialog.cbMetoda()->itemText(5), QStringLiteral("Metoda gwarancyjna"));
    ASSERT_EQ(dialog.cbGwar()->count(), 6);
    EXPECT_EQ(dialog.cbGwar()->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(dialog.cbGwar()->itemText(5), QStringLiteral("6"));
    EXPECT_EQ(dialog.cbGwar()->currentIndex(), 2);
    // The guarantee row shows only for the guarantee method.
    EXPECT_TRUE(dialog.cbGwar()->isHidden());
    EXPECT_TRUE(dialog.lblGwar()->isHidden());
    EXPECT_EQ(dialog.lblGwar()->text(), QStringLiteral("Gwarancja trafienia"));

    // The list of guarantees is filled once: a larger k later does not add levels.
    dialog.spSkres()->setValue(8);
    EXPECT_EQ(dialog.cbGwar()->count(), 6);
}

TEST(TfrmParamTest, LiczbaZakladowObcinanaDoKombinacji)
{
    TfrmParam dialog;
    dialog.Ustaw(Parametry(10, 6, 500, 0));
    EXPECT_EQ(Cyfry(dialog.st1()), QStringLiteral("210"));
    // Setting up does not cut; a change of n or k does, and so does OK.
    EXPECT_EQ(dialog.Zakladow(), 500);
    dialog.spSkres()->setValue(5);
    EXPECT_EQ(Cyfry(dialog.st1()), QStringLiteral("252"));
    EXPECT_EQ(dialog.Zakladow(), 252);
    dialog.spSkres()->setValue(6);
    EXPECT_EQ(dialog.Zakladow(), 210);
    dialog.spLiczb()->setValue(12);
    EXPECT_EQ(Cyfry(dialog.st1()), QStringLiteral("924"));
    EXPECT_EQ(dialog.Zakladow(), 210);

    TfrmParam drugi;
    drugi.Ustaw(Parametry(10, 6, 500, 0));
    drugi.btnOk()->click();
    EXPECT_EQ(drugi.result(), QDialog::Accepted);
    EXPECT_EQ(drugi.Zakladow(), 210);
    EXPECT_EQ(drugi.Wynik().Zakladow, 210);
}

// Types into a field as a user would: the old text selected, then key by key.
void Wpisz(QAbstractSpinBox* pole, const QString& tekst)
{
    pole->selectAll();
    QTest::keyClicks(pole, tekst);
}

TEST(TfrmParamTest, WpisywanieLiczbyDzialaPoZatwierdzeniu)
{
    struct TPrzypadek {
        const char* Wpisane; // into "Ilość liczb", over n = 24, k = 6 and a typed bet count of 100
        int32_t n;
        int64_t Zakladow;
        bool Uwaga;
    };
    const TPrzypadek przypadki[] = {
        {"10", 10, 100, false}, // C(10, 6) = 210: the typed count stays, though "1" came first
        {"7", 7, 7, false},     // C(7, 6) = 7 cuts it
        {"999", 49, 100, true}, // beyond N: the largest n, and the field says so
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Wpisane);
        TfrmParam dialog;
        dialog.Ustaw(Parametry(24, 6, 1, 0));
        dialog.show();
        Wpisz(dialog.spZakladow(), QStringLiteral("100"));
        // Committed as leaving the field does: Enter would confirm the dialog.
        dialog.spZakladow()->interpretText();
        ASSERT_EQ(dialog.Zakladow(), 100);

        Wpisz(dialog.spLiczb(), QString::fromUtf8(p.Wpisane));
        // While typing nothing follows.
        EXPECT_EQ(dialog.Zakladow(), 100);
        EXPECT_EQ(Cyfry(dialog.st1()), QStringLiteral("134596"));
        QTest::keyClick(dialog.spLiczb(), Qt::Key_Return);
        EXPECT_EQ(dialog.Liczb(), p.n);
        EXPECT_EQ(dialog.Zakladow(), p.Zakladow);
        EXPECT_EQ(Cyfry(dialog.st1()), QString::number(IleKombinacji(p.n, 6)));
        EXPECT_EQ(dialog.spLiczb()->Uwaga().contains(QStringLiteral("999")), p.Uwaga);
        // The dialog says it under its fields, and Enter that had to correct does not confirm it.
        EXPECT_EQ(!dialog.lblUwaga()->isHidden(), p.Uwaga);
        EXPECT_EQ(dialog.lblUwaga()->text(), dialog.spLiczb()->Uwaga());
        EXPECT_EQ(dialog.isVisible(), p.Uwaga);
    }
    // A number still being typed when OK is clicked counts as entered.
    TfrmParam dialog;
    dialog.Ustaw(Parametry(24, 6, 1, 0));
    dialog.show();
    Wpisz(dialog.spLiczb(), QStringLiteral("12"));
    dialog.btnOk()->click();
    EXPECT_EQ(dialog.Wynik().n, 12);
}

TEST(TfrmParamTest, RegulyMetod)
{
    struct TPrzypadek {
        const char* Opis;
        int32_t n, k, zakladow, metoda, gwarancja;
        int64_t PoOtwarciu;
        bool Edytowalne;
        bool Gwarancja;
    };
    const TPrzypadek przypadki[] = {
        {"pełna", 12, 6, 40, 0, 0, 40, true, false},
        {"skrócona równomierna", 12, 6, 40, 1, 0, 40, true, false},
        {"skrócona przypadkowa", 12, 6, 40, 2, 0, 40, true, false},
        {"łańcuchowa I", 12, 6, 40, 3, 0, 7, false, false},
        {"łańcuchowa II", 12, 6, 40, 4, 0, 12, false, false},
        {"gwarancyjna, trafienie 3", 10, 6, 40, 5, 2, 6, false, true},   // 120 / 20
        {"gwarancyjna, trafienie 2", 10, 6, 40, 5, 1, 3, false, true},   // 45 / 15
        {"gwarancyjna, trafienie 6", 10, 6, 40, 5, 5, 210, false, true}, // the full system
        {"k większe od n", 4, 6, 40, 3, 0, 1, false, false},
    };
    for (const TPrzypadek& p : przypadki) {
        TfrmParam dialog;
        dialog.Ustaw(Parametry(p.n, p.k, p.zakladow, p.metoda, p.gwarancja));
        EXPECT_EQ(dialog.Zakladow(), p.PoOtwarciu) << p.Opis;
        EXPECT_EQ(dialog.spZakladow()->isEnabled(), p.Edytowalne) << p.Opis;
        EXPECT_EQ(dialog.cbGwar()->isHidden(), !p.Gwarancja) << p.Opis;
        EXPECT_EQ(dialog.Metoda(), p.metoda) << p.Opis;
    }
}

TEST(TfrmParamTest, ZmianyNKIGwarancjiPrzeliczajaZaklady)
{
    TfrmParam dialog;
    dialog.Ustaw(Parametry(12, 6, 40, 3));
    EXPECT_EQ(dialog.Zakladow(), 7);
    dialog.spLiczb()->setValue(13);
    EXPECT_EQ(dialog.Zakladow(), 8);
    // Back to the full method: the field can be edited again and keeps the last value.
    dialog.cbMetoda()->setCurrentIndex(0);
    EXPECT_TRUE(dialog.spZakladow()->isEnabled());
    EXPECT_EQ(dialog.Zakladow(), 8);

    dialog.cbMetoda()->setCurrentIndex(4);
    EXPECT_EQ(dialog.Zakladow(), 13);
    EXPECT_FALSE(dialog.spZakladow()->isEnabled());
    dialog.spLiczb()->setValue(20);
    EXPECT_EQ(dialog.Zakladow(), 20);

    dialog.spLiczb()->setValue(10);
    dialog.cbMetoda()->setCurrentIndex(5);
    EXPECT_FALSE(dialog.cbGwar()->isHidden());
    dialog.cbGwar()->setCurrentIndex(2);
    EXPECT_EQ(dialog.Zakladow(), 6);
    dialog.cbGwar()->setCurrentIndex(1);
    EXPECT_EQ(dialog.Zakladow(), 3);
    // Level 1 over 11 numbers: 11 / 6 rounded to the nearest.
    dialog.cbGwar()->setCurrentIndex(0);
    dialog.spLiczb()->setValue(11);
    EXPECT_EQ(dialog.Zakladow(), 2);
    dialog.cbMetoda()->setCurrentIndex(2);
    EXPECT_TRUE(dialog.cbGwar()->isHidden());
    EXPECT_TRUE(dialog.spZakladow()->isEnabled());
}

TEST(TfrmParamTest, PoleZakladowZaokraglaIOgranicza)
{
    TfrmParam dialog;
    dialog.Ustaw(Parametry(49, 6, 1, 0));
    dialog.spZakladow()->setValue(0.4);
    EXPECT_EQ(dialog.Zakladow(), 1);
    dialog.spZakladow()->setValue(1e12);
    EXPECT_EQ(dialog.Zakladow(), 9999999999);
    // OK holds the count at C(49, 6); the record keeps it whole.
    dialog.btnOk()->click();
    EXPECT_EQ(dialog.Zakladow(), 13983816);
    EXPECT_EQ(dialog.Wynik().Zakladow, 13983816);

    // A count beyond the record's range is held at its largest value.
    TfrmParam duzy;
    TInfoGryRec info = Parametry(60, 12, 1, 0);
    info.IleLiczb = 80;
    duzy.Ustaw(info);
    duzy.spZakladow()->setValue(9999999999.0);
    duzy.btnOk()->click();
    EXPECT_EQ(duzy.Zakladow(), 9999999999);
    EXPECT_EQ(duzy.Wynik().Zakladow, std::numeric_limits<int32_t>::max());
}

TEST(TfrmParamTest, WynikZKontrolekIAnulowanie)
{
    TInfoGryRec info = Parametry(20, 6, 5, 2, 1);
    info.IdGry = 7;
    info.Wlasne[1][0] = 33;
    TfrmParam dialog;
    dialog.Ustaw(info);
    dialog.spSkres()->setValue(7);
    dialog.spLiczb()->setValue(15);
    dialog.cbMetoda()->setCurrentIndex(1);
    const TInfoGryRec wynik = dialog.Wynik();
    EXPECT_EQ(wynik.k, 7);
    EXPECT_EQ(wynik.n, 15);
    EXPECT_EQ(wynik.Zakladow, 5);
    EXPECT_EQ(wynik.Metoda, 1);
    EXPECT_EQ(wynik.Gwarancja, 1);
    // Everything else of the record passes through untouched, and the dialog's copy stays as handed in.
    EXPECT_EQ(wynik.IdGry, 7);
    EXPECT_EQ(wynik.Wlasne[1][0], 33);
    EXPECT_EQ(dialog.Info().n, 20);

    dialog.btnAnuluj()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    // A summed system (method 100) offers the first method.
    TfrmParam suma;
    suma.Ustaw(Parametry(20, 6, 5, BrakMetody));
    EXPECT_EQ(suma.Metoda(), 0);
    EXPECT_TRUE(suma.spZakladow()->isEnabled());
}

TEST(TfrmParamTest, TekstKombinacjiGrupujePoPolsku)
{
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    const QString separator = polski.groupSeparator();
    EXPECT_EQ(TekstKombinacji(13983816.0L).trimmed(),
              QStringLiteral("13") + separator + QStringLiteral("983") + separator + QStringLiteral("816"));
    EXPECT_EQ(TekstKombinacji(210.0L), QStringLiteral("                 210"));
    EXPECT_EQ(TekstKombinacji(0.0L).trimmed(), QStringLiteral("0"));
    EXPECT_EQ(IleKombinacji(10, 6), 210);
    EXPECT_EQ(IleKombinacji(4, 6), 0);
}

} // namespace
} // namespace tarvomund
