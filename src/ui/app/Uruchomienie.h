#pragma once

#include "model/MiejscaProgramu.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tarvomund {

// Start-up steps of the workbench that come before its main window.

// The files named on the command line, as absolute paths (relative ones taken from `katalogBiezacy`,
// "file:" addresses as their local files), in the order given.
QStringList PlikiZArgumentow(const QStringList& argumenty, const QString& katalogBiezacy);
// Reads the program's command line: "--help" and "--version" answer and end the process.
QStringList PlikiZWierszaPolecen(const QCoreApplication& aplikacja);
// "--help" and "--version" answer without a display: true when one of them is asked for, before
// the application with its windowing exists.
bool PytanieOPomocLubWersje(int argc, char** argv);

// A path of the core as the interface's text.
QString TekstSciezki(const std::filesystem::path& sciezka);

// Where this program finds its files: beside it, or installed with the user's data in the
// data location the platform gives.
TMiejscaProgramu MiejscaTegoProgramu();
// Readies an installed program's user data before anything reads it: its first start seeds Dane
// from the sample games, and the settings are kept in a file beside the games.
void PrzygotujDaneUzytkownika(const TMiejscaProgramu& miejsca);

// The directory with the Qt translations: the ones shipped with an installed program, otherwise
// those of the Qt installation.
QString KatalogTlumaczenQt(const TMiejscaProgramu& miejsca);
// Standard dialogs and buttons speak Polish, whatever the user's language: the interface is Polish.
bool ZaladujTlumaczeniaQt(QCoreApplication& aplikacja, const QString& katalog);

} // namespace tarvomund
