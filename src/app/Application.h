#pragma once

#include <QWidget>

#include <memory>

class DocumentCommands;
class PaletteCommands;
class PictureOpener;
class ScreenPicker;
class TfrmAbout;
class TfrmFavorites;
class TfrmMain;
class TfrmPreview;
class TfrmPreferences;

// Start-up: the program's cursors, fonts and title, then its windows in their fixed order.
class Application final {
public:
    // language: the one the program's texts speak (empty for English), for the pages it opens.
    explicit Application(const QString& language = {});
    ~Application();

    TfrmMain& Main() { return *m_main; }
    // The windows after the main one, in their fixed order. Show() creates them after the main window's first
    // paint when they do not exist yet, then opens schemeFile, when given, as Open Scheme would.
    void CreateToolWindows();
    void Show(const QString& schemeFile = {});

private:
    // A settings file that cannot be used is read as the defaults and kept; this says so, with the reason.
    void TellUnusableSettings();
    void OpenAtStart(const QString& schemeFile);

    QString m_language;
    std::unique_ptr<TfrmMain> m_main;
    std::unique_ptr<ScreenPicker> m_picker;
    std::unique_ptr<TfrmFavorites> m_favorites; // after the main window: it takes its size and place from it
    std::unique_ptr<TfrmPreview> m_preview;
    std::unique_ptr<TfrmPreferences> m_preferences;
    std::unique_ptr<TfrmAbout> m_about;
    // Last: they work on the windows above.
    std::unique_ptr<DocumentCommands> m_documents;
    std::unique_ptr<PaletteCommands> m_palettes;
    std::unique_ptr<PictureOpener> m_pictures;
};
