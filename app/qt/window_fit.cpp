#include "app/qt/window_fit.h"

#include <algorithm>

namespace vesko {

QSize FitWindow(QSize content, QSize available, QMargins frame, int scroll_bar) {
    const QSize room = available.shrunkBy(frame);
    const int height = std::min(content.height(), room.height());
    const int width = content.width() + (height < content.height() ? scroll_bar : 0);
    return {std::max(1, std::min(width, room.width())), std::max(1, height)};
}

}  // namespace vesko
