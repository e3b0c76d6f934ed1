#pragma once

#include <QByteArray>
#include <QMargins>

#include <optional>

class QWindow;

// The frame a window manager draws around a top-level window, as EWMH window managers
// announce it in _NET_FRAME_EXTENTS. Qt learns a frame only once the window is mapped and
// framed; a window that must fit the screen with its frame asks for it before it is shown.
// Everything here answers "nothing known" where the platform is not X11.
namespace WindowFrameExtents {

// Whether a window manager that frames windows runs (it announces itself on the root window).
bool windowManagerRuns();
// Asks the window manager for the frame it will give `window` (_NET_REQUEST_FRAME_EXTENTS);
// the answer comes as a change of the window's _NET_FRAME_EXTENTS, see isChange().
void request(QWindow* window);
// The frame the window manager gives or will give `window`; none when it has not said.
std::optional<QMargins> of(const QWindow* window);
// Whether a native event of the window is a change of its frame extents.
bool isChange(const QByteArray& eventType, void* message);

} // namespace WindowFrameExtents
