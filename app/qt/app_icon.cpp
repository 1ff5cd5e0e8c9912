#include "app/qt/app_icon.h"

// Resources in a static library are linked in only when named.
static void InitResources() {
    Q_INIT_RESOURCE(vesko);
}

namespace vesko {

QIcon AppIcon() {
    InitResources();
    return QIcon(QStringLiteral(":/vesko/icon.png"));
}

}  // namespace vesko
