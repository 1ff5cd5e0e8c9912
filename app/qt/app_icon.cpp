#include "app/qt/app_icon.h"

#include <QPixmap>

// Resources in a static library are linked in only when named.
static void InitResources() {
    Q_INIT_RESOURCE(vesko);
}

namespace vesko {

// From a pixmap rather than a file name, which would have QIcon look through the icon-engine
// plugins first, at every start, for an engine that reads ".png".
QIcon AppIcon() {
    InitResources();
    return QIcon(QPixmap(QStringLiteral(":/vesko/icon.png"), "PNG"));
}

}  // namespace vesko
