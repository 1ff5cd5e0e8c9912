// How big a window opens on a screen that may be smaller than its content.
#pragma once

#include <QMargins>
#include <QSize>

namespace vesko {

// The window's inner size for `content` on a screen with `available` room, the window
// frame `frame` included: the content's own size where it fits, else what fits, wide enough
// for the vertical scroll bar (`scroll_bar` pixels) that then appears.
QSize FitWindow(QSize content, QSize available, QMargins frame, int scroll_bar);

}  // namespace vesko
