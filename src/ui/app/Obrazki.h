#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarvomund {

// The program's built-in pictures, drawn in code so that no image file has to travel with it.
// The tile the main window's document area is papered with.
QPixmap KafelekTla();
// The lighter tile behind the message box.
QPixmap KafelekKomunikatu();
// The 400 × 300 splash picture.
QPixmap ObrazPowitalny();
// The program's window icon: a lottery ball.
QIcon IkonaProgramu();

} // namespace tarvomund
