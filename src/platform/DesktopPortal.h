#pragma once

#include "Services.h"

#include <QSize>
#include <QVariant>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <variant>

class QObject;

// The desktop portal's screenshot service over the session bus, for desktops whose X server cannot photograph them
// (Wayland sessions, where the program's X server is Xwayland and sees only its own windows). Everything that comes
// from the bus is untrusted: each value is checked for its type, range and, for files, what it names.
namespace platform::portal {

// Asks for a photograph of the whole desktop without a dialog, checks it against the virtual desktop `desktop`
// (logical coordinates, `deviceRatio` device pixels to a logical one as the toolkit knows it) and hands over the
// result. A portal that offers no photograph but lets the user pick a colour gives that colour instead. The files
// the portal writes are left where they are: they may be the user's own (some desktops keep each screenshot).
void Capture(QObject* context, QRect desktop, qreal deviceRatio, std::function<void(CaptureResult)> done);

// How long a portal may take over a photograph before the program gives up on it, and over a colour the user picks.
inline constexpr std::chrono::milliseconds kPhotographTimeLimit { 5000 };
inline constexpr std::chrono::milliseconds kPickTimeLimit { 60000 };

// The pieces of the exchange, apart from the bus.

// Where the portal will announce the outcome of a request made under `token` by the connection `uniqueName`.
QString RequestPath(const QString& uniqueName, const QString& token);

// What a Response code says beyond success (0): the user cancelled (1) or the request failed. Nothing for success.
std::optional<CaptureResult> Unsuccessful(uint code);

// The local image file a Response's "uri" names, or why it cannot be used.
std::variant<QString, CaptureFailed> LocalImageFile(const QVariant& uri);

// The photograph in `path` when it is a readable image of the desktop's size in device pixels.
std::variant<DesktopPhoto, CaptureFailed> LoadPhotograph(const QString& path, QRect desktop, qreal deviceRatio);

// Whether an image of `image` pixels shows a desktop of `desktop` device pixels, allowing for a compositor that
// scales the desktop by a factor the program's X server does not know of (1 to 4, fractional ones included, the
// logical size rounded to whole pixels).
bool FitsDesktop(QSize image, QSize desktop);

// The colour of a pick from its red, green and blue channels (each 0 to 1), or why it cannot be used.
std::variant<PickedPixel, CaptureFailed> PixelFromChannels(const std::array<double, 3>& channels);

} // namespace platform::portal
