#include "app/TfrmGlowne.h"

#include <QMdiArea>

namespace tarvomund {

TfrmGlowne::TfrmGlowne(const QString& katalogDane, QWidget* parent)
    : QMainWindow(parent), katalogDane_(katalogDane),
      katalog_(TKatalogGier::WczytajGry(katalogDane.toStdString()))
{
    setWindowTitle(QStringLiteral("Tarvomund"));
    setCentralWidget(new QMdiArea(this));
}

} // namespace tarvomund
