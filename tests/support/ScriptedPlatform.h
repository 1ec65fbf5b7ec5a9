#pragma once

#include "platform/Services.h"

#include <QStringList>

#include <deque>
#include <optional>

// A desktop whose answers the test scripts in advance and whose outputs the test reads back.
// Installing it replaces every platform service until it goes out of scope.
class ScriptedPlatform final : public platform::MessageBoxes,
                               public platform::FileDialogs,
                               public platform::Clipboard,
                               public platform::Shell,
                               public platform::ScreenCapture,
                               public platform::MouseButtons {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Scripted inputs, consumed in order. An unscripted question fails the test.
    std::deque<platform::Answer> answers;
    std::deque<std::optional<QString>> openChoices;
    std::deque<std::optional<QString>> saveChoices;
    // The filter entry each accepted save dialog ends on; when none is scripted, the one it showed first.
    std::deque<QString> saveFilters;
    QString clipboardText;
    QImage clipboardImage;
    platform::DesktopPhoto photo;
    // When set, what the capture comes to instead of `photo`.
    std::optional<platform::CaptureResult> captureResult;
    int vanishMilliseconds = 150;
    bool primaryButtonDown = false;

    // Recorded outputs.
    QStringList messages;
    QStringList questions;
    QStringList opened;
    std::deque<platform::FileDialogRequest> dialogRequests;

    void ShowMessage(QWidget* parent, const QString& text) override;
    platform::Answer Confirm(QWidget* parent, const QString& text, platform::ConfirmButtons buttons) override;
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const platform::FileDialogRequest& request) override;
    std::optional<platform::FileChoice> ChooseSaveTarget(QWidget* parent, const platform::FileDialogRequest& request) override;
    QString Text() override { return clipboardText; }
    void SetText(const QString& text) override { clipboardText = text; }
    QImage Image() override { return clipboardImage; }
    void Open(const QString& target) override { opened << target; }
    int VanishMilliseconds() override { return vanishMilliseconds; }
    void CaptureVirtualDesktop(QObject*, std::function<void(platform::CaptureResult)> done) override
    {
        done(captureResult ? *captureResult : platform::CaptureResult(photo));
    }
    bool PrimaryButtonDown() override { return primaryButtonDown; }

private:
    platform::ServicesOverride m_override;
};
