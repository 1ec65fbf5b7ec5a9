#include "Services.h"

#include "DesktopPortal.h"
#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <qguiapplication_platform.h>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <cstdlib>

#include <xcb/xcb.h>

namespace platform {
namespace {

// Once a dialog is answered, the keyboard goes back to the window that asked: the window manager, left to choose,
// gives it to the main window, away from the tool window (Favorites, QuickPreview) the user was working in.
class BackToAsker final {
public:
    explicit BackToAsker(QWidget* parent)
        : m_window(parent ? parent->window() : nullptr)
    {
    }
    ~BackToAsker()
    {
        if (m_window && m_window->isVisible())
            m_window->activateWindow();
    }
    BackToAsker(const BackToAsker&) = delete;
    BackToAsker& operator=(const BackToAsker&) = delete;

private:
    QPointer<QWidget> m_window;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void ShowMessage(QWidget* parent, const QString& text) override
    {
        const BackToAsker back(parent);
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationName(), text, QMessageBox::Ok, parent);
        KeepAboveOwnWindows(&box);
        box.exec();
    }

    Answer Confirm(QWidget* parent, const QString& text, ConfirmButtons buttons) override
    {
        const bool withCancel = buttons == ConfirmButtons::YesNoCancel;
        const BackToAsker back(parent);
        QMessageBox box(QMessageBox::Question, QCoreApplication::translate("MessageBoxes", "Confirm"), text,
            withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Yes | QMessageBox::No,
            parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
        KeepAboveOwnWindows(&box);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return withCancel ? Answer::Cancel : Answer::No;
        }
    }
};

// The extension of a filter entry's first pattern, "gpl" for "GIMP Palette (*.gpl)"; empty when it has none.
QString FilterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    return pattern.match(filter).captured(1);
}

std::optional<FileChoice> RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool saving)
{
    const BackToAsker back(parent);
    QFileDialog dialog(parent, QString(), QString(), request.filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (saving && request.filter.contains(QStringLiteral(";;"))) {
        // Each filter stands for a format: a name typed without an extension takes the chosen one's.
        dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
    }
    if (!request.initialPath.isEmpty())
        dialog.selectFile(request.initialPath);
    KeepAboveOwnWindows(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice { dialog.selectedFiles().constFirst(), dialog.selectedNameFilter() };
}

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override
    {
        const std::optional<FileChoice> chosen = RunFileDialog(parent, request, false);
        return chosen ? std::optional<QString>(chosen->path) : std::nullopt;
    }
    std::optional<FileChoice> ChooseSaveTarget(QWidget* parent, const FileDialogRequest& request) override
    {
        return RunFileDialog(parent, request, true);
    }
};

class QtClipboard final : public Clipboard {
public:
    QString Text() override { return QGuiApplication::clipboard()->text(); }
    void SetText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
    QImage Image() override { return QGuiApplication::clipboard()->image(); }
};

class QtShell final : public Shell {
public:
    void Open(const QString& target) override
    {
        const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
        QDesktopServices::openUrl(url);
    }
};

// Under Wayland the toolkit photographs nothing, and Xwayland (whose outputs it names XWAYLAND0, XWAYLAND1, ...) only
// its own windows on black: there the desktop portal takes the photograph.
bool ToolkitSeesTheDesktop()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    const QList<QScreen*> screens = QGuiApplication::screens();
    return !std::all_of(screens.begin(), screens.end(),
        [](const QScreen* screen) { return screen->name().startsWith(QLatin1String("XWAYLAND")); });
}

bool UniformlyBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] & 0x00FFFFFF)
                return false;
        }
    }
    return true;
}

// Each screen grabbed on its own and placed at its device-pixel position; null when no screen could be grabbed.
QImage GrabScreens(QRect desktop, qreal deviceRatio)
{
    QImage photo(qRound(desktop.width() * deviceRatio), qRound(desktop.height() * deviceRatio), QImage::Format_RGB32);
    photo.fill(Qt::black);
    QPainter painter(&photo);
    bool grabbed = false;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QPixmap shot = screen->grabWindow(0);
        if (shot.isNull())
            continue;
        const QRect g = screen->geometry();
        const QRectF target(QPointF(g.topLeft() - desktop.topLeft()) * deviceRatio, QSizeF(g.size()) * deviceRatio);
        painter.drawPixmap(target, shot, QRectF(shot.rect()));
        grabbed = true;
    }
    return grabbed ? photo : QImage();
}

// The desktop as the portal photographs it. Xwayland's screen is the compositor's logical size (853 pixels wide for
// 1280 at scale 1.5) while the modes of its outputs, which the toolkit reports, are whole multiples of 8 pixels wide
// (848): the root window has the size right.
QRect PortalDesktop(const QScreen& primary)
{
    const QRect outputs = primary.virtualGeometry();
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const xcb_screen_t* screen = connection ? xcb_setup_roots_iterator(xcb_get_setup(connection)).data : nullptr;
    if (!screen)
        return outputs;
    xcb_get_geometry_reply_t* root
        = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, screen->root), nullptr);
    if (!root)
        return outputs;
    const QSize size = (QSizeF(root->width, root->height) / primary.devicePixelRatio()).toSize();
    std::free(root);
    return QRect(QPoint(0, 0), size);
}

class QtScreenCapture final : public ScreenCapture {
public:
    // On an X desktop the wait covers compositing managers that fade windows out. Through the portal the
    // compositor draws a frame after the request arrives, and the photograph, its encoding and decoding take a
    // tenth of a second more: a frame's time (60 Hz) for the unmapping to reach the compositor keeps opening
    // within 150 ms of the key.
    int VanishMilliseconds() override { return ToolkitSeesTheDesktop() ? 150 : 20; }

    void CaptureVirtualDesktop(QObject* context, std::function<void(CaptureResult)> done) override
    {
        const QScreen* primary = QGuiApplication::primaryScreen();
        if (!primary) {
            done(DesktopPhoto {});
            return;
        }
        const QRect desktop = primary->virtualGeometry();
        const qreal deviceRatio = primary->devicePixelRatio();
        if (ToolkitSeesTheDesktop()) {
            DesktopPhoto grab { GrabScreens(desktop, deviceRatio), desktop };
            if (!grab.image.isNull() && !UniformlyBlack(grab.image)) {
                done(std::move(grab));
                return;
            }
            if (!grab.image.isNull()) {
                // Black everywhere is what an X server shows that cannot see the desktop around it; a portal, if
                // there is one, knows better. Without one, a black desktop is what there is.
                portal::Capture(context, desktop, deviceRatio, [grab, done](CaptureResult result) {
                    done(std::holds_alternative<CaptureFailed>(result) ? CaptureResult(grab) : std::move(result));
                });
                return;
            }
        }
        portal::Capture(context, PortalDesktop(*primary), deviceRatio, std::move(done));
    }
};

} // namespace

std::optional<QPoint> PointerInDevicePixels()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!primary || primary->devicePixelRatio() == 1 || !connection)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    xcb_query_pointer_reply_t* pointer = xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (!pointer)
        return std::nullopt;
    const QPoint at(pointer->root_x, pointer->root_y);
    std::free(pointer);
    return at;
}

namespace {

class QtMouseButtons final : public MouseButtons {
public:
    bool PrimaryButtonDown() override { return QGuiApplication::mouseButtons() & Qt::LeftButton; }
};

QtMessageBoxes g_messages;
QtFileDialogs g_fileDialogs;
QtClipboard g_clipboard;
QtShell g_shell;
QtScreenCapture g_screen;
QtMouseButtons g_mouse;

Services g_current { &g_messages, &g_fileDialogs, &g_clipboard, &g_shell, &g_screen, &g_mouse };

template <typename T>
T* Pick(T* replacement, T* current)
{
    return replacement ? replacement : current;
}

} // namespace

MessageBoxes& Messages() { return *g_current.messages; }
FileDialogs& Dialogs() { return *g_current.fileDialogs; }
Clipboard& ClipboardService() { return *g_current.clipboard; }
Shell& ShellService() { return *g_current.shell; }
ScreenCapture& Screen() { return *g_current.screen; }
MouseButtons& Mouse() { return *g_current.mouse; }

ServicesOverride::ServicesOverride(const Services& services)
    : m_previous(g_current)
{
    g_current = { Pick(services.messages, g_current.messages), Pick(services.fileDialogs, g_current.fileDialogs),
        Pick(services.clipboard, g_current.clipboard), Pick(services.shell, g_current.shell),
        Pick(services.screen, g_current.screen), Pick(services.mouse, g_current.mouse) };
}

ServicesOverride::~ServicesOverride() { g_current = m_previous; }

} // namespace platform
