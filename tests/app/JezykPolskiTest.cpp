#include "app/JezykPolski.h"
#include "app/Uruchomienie.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TEST(JezykPolski, OknaZestawuMowiaPoPolsku)
{
    ASSERT_TRUE(ZaladujTlumaczeniaQt(*QCoreApplication::instance(),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        << "no Polish translation of the toolkit (qt6-translations-l10n)";
    UstawJezykPolski();
    EXPECT_EQ(QLocale().language(), QLocale::Polish);

    QDialogButtonBox przyciski(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(przyciski.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Anuluj"));

    // The save dialog a system is saved with: the toolkit's own, since the desktop's would follow
    // the system's language.
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
    QFileDialog zapis;
    zapis.setAcceptMode(QFileDialog::AcceptSave);
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
