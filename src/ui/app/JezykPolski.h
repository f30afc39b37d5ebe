#pragma once

namespace tarvomund {

// The workbench speaks Polish whatever the system's language. Besides the Qt translation
// (ZaladujTlumaczeniaQt, app/Uruchomienie.h) these two steps make the toolkit's own texts Polish.

// Before the application object exists: the toolkit shows the dates of its dialogs (the file lists
// of the open and save dialogs) in the system's time format, which is made the Polish one. Numbers
// keep the system's settings, so that no computation's output changes with the language.
void UstawPolskiCzasSystemu();
// Numbers and dates follow the Polish locale, and the toolkit's own open, save and print dialogs
// are used: the desktop's native ones would follow the system's language instead.
void UstawJezykPolski();

} // namespace tarvomund
