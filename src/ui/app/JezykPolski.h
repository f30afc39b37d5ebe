#pragma once

namespace tarvomund {

// The workbench speaks Polish whatever the system's language: numbers and dates follow the Polish
// locale, and the toolkit's own open, save, print and message dialogs load their Polish
// translation (Debian's Qt translations, from the toolkit's translations directory). The
// desktop's native dialogs would follow the system's language instead, so the toolkit's are used.
// Returns whether the translation was found; without it those dialogs stay in English.
// Calling it again changes nothing.
bool UstawJezykPolski();
// Before the application object exists: the toolkit shows the dates of its dialogs (the file
// lists of the open and save dialogs) in the system's time format, which is made the Polish one.
// Numbers keep the system's settings, so that no computation's output changes with the language.
void UstawPolskiCzasSystemu();

} // namespace tarvomund
