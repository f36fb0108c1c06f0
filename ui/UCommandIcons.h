#pragma once

#include <QIcon>
#include <functional>

class QAction;

namespace pixmora {

// The icon of a freedesktop name from the desktop's theme, else the program's own drawing.
QIcon CommandIcon(const char* themeName);

// Gives every command that has an icon its icon; command finds a command by its name and
// returns nullptr for one the window does not have.
void GiveCommandIcons(const std::function<QAction*(const char*)>& command);

}  // namespace pixmora
