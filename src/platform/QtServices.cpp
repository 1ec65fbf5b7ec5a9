#include "Services.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QUrl>

namespace platform {
namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    void ShowMessage(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationName(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    Answer Confirm(QWidget* parent, const QString& text, ConfirmButtons buttons) override
    {
        const bool withCancel = buttons == ConfirmButtons::YesNoCancel;
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text,
            withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Yes | QMessageBox::No,
            parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
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

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool saving)
{
    QFileDialog dialog(parent, QString(), QString(), request.filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialPath.isEmpty())
        dialog.selectFile(request.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override
    {
        return RunFileDialog(parent, request, false);
    }
    std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) override
    {
        return RunFileDialog(parent, request, true);
    }
};

class QtClipboard final : public Clipboard {
public:
    QString Text() override { return QGuiApplication::clipboard()->text(); }
    void SetText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
};

class QtShell final : public Shell {
public:
    void Open(const QString& target) override
    {
        const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
        QDesktopServices::openUrl(url);
    }
};

class QtScreenCapture final : public ScreenCapture {
public:
    DesktopPhoto CaptureVirtualDesktop() override
    {
        DesktopPhoto photo;
        QScreen* primary = QGuiApplication::primaryScreen();
        if (!primary)
            return photo;
        photo.geometry = primary->virtualGeometry();
        photo.image = QImage(photo.geometry.size(), QImage::Format_RGB32);
        photo.image.fill(Qt::black);
        QPainter painter(&photo.image);
        // Each screen is grabbed on its own and drawn at its logical size, so the photograph is 1:1 in logical pixels.
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect g = screen->geometry();
            painter.drawPixmap(QRect(g.topLeft() - photo.geometry.topLeft(), g.size()), screen->grabWindow(0));
        }
        return photo;
    }
};

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
