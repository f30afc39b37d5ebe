#include "app/JezykPolski.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TEST(JezykPolski, OknaZestawuMowiaPoPolsku)
{
    ASSERT_TRUE(UstawJezykPolski()) << "no Polish translation of the toolkit (qt6-translations-l10n)";
    // A second call keeps the one translation.
    EXPECT_TRUE(UstawJezykPolski());
    EXPECT_EQ(QLocale().language(), QLocale::Polish);

    QDialogButtonBox przyciski(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(przyciski.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Anuluj"));

    // The save dialog a system is saved with.
    QFileDialog zapis;
    zapis.setAcceptMode(QFileDialog::AcceptSave);
    // The desktop's own dialog would follow the system's language; the toolkit's is used.
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
    const auto* skrzynka = zapis.findChild<QDialogButtonBox*>();
    ASSERT_NE(skrzynka, nullptr);
    QStringList napisy;
    for (const QAbstractButton* przycisk : skrzynka->buttons())
        napisy << przycisk->text().remove(QLatin1Char('&'));
    EXPECT_TRUE(napisy.contains(QStringLiteral("Anuluj"))) << napisy.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(napisy.contains(QStringLiteral("Zachowaj"))) << napisy.join(QLatin1Char('|')).toStdString();
}

} // namespace
} // namespace tarvomund
