#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

class QObject;
class QWidget;

// What the program asks of the desktop. Each service has a Qt implementation and, in tests, a scripted double.
namespace platform {

enum class Answer { Yes, No, Cancel };
enum class ConfirmButtons { YesNo, YesNoCancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A plain message with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // A question captioned "Confirm"; Yes is the default button, Esc answers No or Cancel.
    virtual Answer Confirm(QWidget* parent, const QString& text, ConfirmButtons buttons) = 0;
};

struct FileDialogRequest {
    QString filter;         // Qt form, e.g. "Color Scheme File (*.tw)"; entries separated by ";;"
    QString defaultSuffix;  // appended when the typed name has none, without the dot
    QString initialPath;    // the name last chosen in this dialog, if any
    QString selectedFilter; // the filter entry shown first; the first entry when empty
};

// A file dialog's answer: the file, and the filter entry chosen when it was accepted.
struct FileChoice {
    QString path;
    QString filter;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen existing file, or nothing when the user cancels.
    virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) = 0;
    // The chosen target (overwrite already confirmed) and filter, or nothing when the user cancels. With several
    // filters, a typed name without an extension gets the chosen filter's.
    virtual std::optional<FileChoice> ChooseSaveTarget(QWidget* parent, const FileDialogRequest& request) = 0;
    // The same, for a caller that offers a single filter.
    std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialogRequest& request)
    {
        const std::optional<FileChoice> target = ChooseSaveTarget(parent, request);
        return target ? std::optional<QString>(target->path) : std::nullopt;
    }
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString Text() = 0;
    virtual void SetText(const QString& text) = 0;
    // The picture on the clipboard; null when it holds none.
    virtual QImage Image() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a local file or a web address with the user's default program.
    virtual void Open(const QString& target) = 0;
};

struct DesktopPhoto {
    QImage image;   // the desktop in device pixels: larger than the geometry by the desktop's scale, if any
    QRect geometry; // the virtual desktop in global logical coordinates; may start at negative coordinates
};

// The colour of the one pixel the user chose, from a desktop that lends no photograph of itself.
struct PickedPixel {
    QRgb color = 0;
};

// The user turned the capture down: nothing changes and nothing needs saying.
struct CaptureCancelled { };

// The capture failed; the message says so in a sentence for the user.
struct CaptureFailed {
    QString message;
};

using CaptureResult = std::variant<DesktopPhoto, PickedPixel, CaptureCancelled, CaptureFailed>;

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;
    // How long the program's windows, just hidden, take to leave what this capture sees.
    virtual int VanishMilliseconds() = 0;
    // Captures the virtual desktop and hands the result to `done` exactly once, at once or later on the GUI thread;
    // never once `context` is gone.
    virtual void CaptureVirtualDesktop(QObject* context, std::function<void(CaptureResult)> done) = 0;
};

class MouseButtons {
public:
    virtual ~MouseButtons() = default;
    // The live state of the primary button (the physical right one when the buttons are swapped).
    virtual bool PrimaryButtonDown() = 0;
};

struct Services {
    MessageBoxes* messages = nullptr;
    FileDialogs* fileDialogs = nullptr;
    Clipboard* clipboard = nullptr;
    Shell* shell = nullptr;
    ScreenCapture* screen = nullptr;
    MouseButtons* mouse = nullptr;
};

// The services in use: the Qt ones unless a test installed others.
MessageBoxes& Messages();
FileDialogs& Dialogs();
Clipboard& ClipboardService();
Shell& ShellService();
ScreenCapture& Screen();
MouseButtons& Mouse();

// Where the pointer is on the desktop in device pixels, when the desktop tells it more exactly than the toolkit's
// logical position does (an X desktop at a scale other than 1); else nothing.
std::optional<QPoint> PointerInDevicePixels();

// A message that belongs to no window in particular.
inline void ShowMessageWithoutParent(const QString& text) { Messages().ShowMessage(nullptr, text); }

// Replaces the services in use (those left null stay as they are) until the guard ends.
class ServicesOverride {
public:
    explicit ServicesOverride(const Services& services);
    ~ServicesOverride();
    ServicesOverride(const ServicesOverride&) = delete;
    ServicesOverride& operator=(const ServicesOverride&) = delete;

private:
    Services m_previous;
};

} // namespace platform
