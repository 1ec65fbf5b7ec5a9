#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QMargins>
#include <qguiapplication_platform.h>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Runs a function at the first paint after the window's next showing: a window is painted once it is mapped, and
// by then the window manager's notices of its frame and its place have come in.
class FramedHook final : public QObject {
public:
    FramedHook(QWidget* window, std::function<void()> then)
        : QObject(window)
        , m_window(window)
        , m_then(std::move(then))
        , m_shown(window->isVisible())
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_shown = true;
        } else if (watched == m_window && event->type() == QEvent::Paint && m_shown) {
            m_window->removeEventFilter(this);
            deleteLater();
            m_then();
        }
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_then;
    bool m_shown;
};

} // namespace

void WhenFramed(QWidget* window, std::function<void()> place)
{
    new FramedHook(window, std::move(place));
}

QSize OuterSize(const QWidget& window, const QWidget& framed)
{
    const QSize outer = window.frameGeometry().size();
    if (outer != window.size())
        return outer;
    return window.size() + framed.frameGeometry().size() - framed.size();
}

namespace {

// The X connection when places must be asked of the X server: a desktop at a scale other than 1.
xcb_connection_t* DenseX11(const QWidget& window)
{
    if (window.devicePixelRatioF() == 1 || !window.testAttribute(Qt::WA_WState_Created))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t FrameExtentsAtom(xcb_connection_t* connection)
{
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom == XCB_ATOM_NONE) {
        const char name[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t* reply
            = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
        if (reply)
            atom = reply->atom;
        std::free(reply);
    }
    return atom;
}

// The frame the window manager drew, left, right, top and bottom; none before it framed the window.
QMargins FrameExtents(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_atom_t atom = FrameExtentsAtom(connection);
    if (atom == XCB_ATOM_NONE)
        return {};
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    QMargins extents;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto* value = static_cast<const quint32*>(xcb_get_property_value(reply));
        extents = QMargins(int(value[0]), int(value[2]), int(value[1]), int(value[3]));
    }
    std::free(reply);
    return extents;
}

// Whether a place asked of the window manager is the client area's (static gravity) rather than the frame's.
bool PlacedByClientArea(xcb_connection_t* connection, xcb_window_t window)
{
    constexpr quint32 kWinGravityFlag = 1 << 9;
    constexpr int kGravityIndex = 17;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection,
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, 18), nullptr);
    bool byClient = false;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= int(sizeof(quint32)) * (kGravityIndex + 1)) {
        const auto* hints = static_cast<const quint32*>(xcb_get_property_value(reply));
        byClient = (hints[0] & kWinGravityFlag) && hints[kGravityIndex] == XCB_GRAVITY_STATIC;
    }
    std::free(reply);
    return byClient;
}

} // namespace

QPoint DevicePlace(QPoint logical, qreal ratio)
{
    return QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio));
}

QPoint LogicalPlace(QPoint device, qreal ratio)
{
    return QPoint(qRound(device.x() / ratio), qRound(device.y() / ratio));
}

bool IsDockedPlace(QPoint place, QPoint docked, qreal ratio)
{
    const int slack = ratio == 1 ? 0 : 1;
    return std::abs(place.x() - docked.x()) <= slack && std::abs(place.y() - docked.y()) <= slack;
}

QRect DeviceFrame(const QWidget& window)
{
    const qreal ratio = window.devicePixelRatioF();
    const QRect logical = window.frameGeometry();
    const QRect approximate(DevicePlace(logical.topLeft(), ratio), logical.size() * ratio);
    xcb_connection_t* connection = DenseX11(window);
    if (!connection || !window.isVisible())
        return approximate;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    xcb_translate_coordinates_reply_t* origin = screen
        ? xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, id, screen->root, 0, 0), nullptr)
        : nullptr;
    QRect frame = approximate;
    if (geometry && origin)
        frame = QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height) + FrameExtents(connection, id);
    std::free(geometry);
    std::free(origin);
    return frame;
}

void MoveFrameTo(QWidget* window, QPoint device)
{
    const qreal ratio = window->devicePixelRatioF();
    window->move(LogicalPlace(device, ratio));
    // The move above puts the frame on the logical pixel nearest; the X server puts it on the device pixel, asked
    // as the toolkit asks: for the frame's corner, or for the client area's inside the frame.
    if (xcb_connection_t* connection = DenseX11(*window)) {
        const auto id = static_cast<xcb_window_t>(window->winId());
        const QMargins frame = PlacedByClientArea(connection, id) ? FrameExtents(connection, id) : QMargins();
        const quint32 values[] = { quint32(device.x() + frame.left()), quint32(device.y() + frame.top()) };
        xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
        xcb_flush(connection);
    }
}

QPoint DeviceCentredOnScreen(const QWidget& window)
{
    // With no screen attached (a display going away) the window stays where it is.
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return DeviceFrame(window).topLeft();
    const qreal ratio = window.devicePixelRatioF();
    QRect screen(DevicePlace(primary->geometry().topLeft(), ratio), primary->geometry().size() * ratio);
    // A logical size is rounded (1280 pixels at scale 3 are 427 logical ones): one screen is the X root, exactly.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (ratio != 1 && x11 && x11->connection() && QGuiApplication::screens().size() == 1) {
        if (const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())).data)
            screen = QRect(0, 0, root->width_in_pixels, root->height_in_pixels);
    }
    const QSize outer = DeviceFrame(window).size();
    return { screen.left() + (screen.width() - outer.width()) / 2, screen.top() + (screen.height() - outer.height()) / 2 };
}

void KeepAboveOwnWindows(QWidget* dialog)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool onTop = std::any_of(windows.begin(), windows.end(), [dialog](const QWidget* window) {
        return window != dialog && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    // Changing the flags makes a new native window: only when they change.
    if (dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}
