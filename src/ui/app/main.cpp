#include "app/TfrmGlowne.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvomund"));
    const QString dane = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("Dane"));
    tarvomund::TfrmGlowne okno(dane);
    okno.showMaximized();
    return QApplication::exec();
}
