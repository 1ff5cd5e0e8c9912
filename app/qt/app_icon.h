#pragma once

#include <QIcon>

namespace vesko {

// The application icon, from the resources linked into the program.
QIcon AppIcon();

}  // namespace vesko
