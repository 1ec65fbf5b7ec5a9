#include "Application.h"

#include "main/TfrmMain.h"
#include "about/HelpCommands.h"
#include "about/TfrmAbout.h"
#include "DocumentCommands.h"
#include "PaletteCommands.h"
#include "WindowWiring.h"
#include "persist/Session.h"
#include "persist/Settings.h"
#include "favorites/TfrmFavorites.h"
#include "platform/Artwork.h"
#include "platform/DragManager.h"
#include "platform/Fonts.h"
#include "platform/Services.h"
#include "platform/WindowPlacement.h"
#include "image/PictureOpener.h"
#include "picker/ScreenPicker.h"
#include "preview/TfrmPreview.h"
#include "prefs/TfrmPreferences.h"

#include <QApplication>

Application::Application(const QString& language)
    : m_language(language)
{
    LoadApplicationFonts();
    // Controls start from the program's face: one made in the toolkit's default face lays its text out in that
    // face first, and loading that second face and its fallbacks cost a tenth of the start-up.
    QApplication::setFont(TahomaFont(11));
    QApplication::setApplicationName(QStringLiteral("Tintwell v3"));
    // Ties the windows to the menu entry, for desktops that group windows and show icons by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("tintwell"));
    QApplication::setWindowIcon(ArtIcon(QStringLiteral("tintwell.svg")));

    m_main = std::make_unique<TfrmMain>();
    // The main window is the application: closing it ends the program, whatever else is open.
    QObject::connect(m_main.get(), &TfrmMain::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void Application::CreateToolWindows()
{
    if (m_favorites)
        return;
    // No drag begins before the main window has painted, which these windows follow.
    DragManager::Instance().SetDragCursor(AppCursor(CursorId::DragHand));
    m_picker = std::make_unique<ScreenPicker>(*m_main);
    {
        const SessionStartReading session;
        m_favorites = std::make_unique<TfrmFavorites>(*m_main);
        // Hidden until the main window's toggle shows it.
        m_preview = std::make_unique<TfrmPreview>(*m_main);
    }
    m_picker->SetToolWindows(m_favorites.get(), m_preview.get());
    KeepToolWindowPlaces(*m_main, m_favorites.get(), m_preview.get());
    CycleWindowsByKey(*m_main, m_favorites.get(), m_preview.get());
    m_documents = std::make_unique<DocumentCommands>(*m_main, m_favorites->Model(), *m_preview);
    m_palettes = std::make_unique<PaletteCommands>(*m_main, m_favorites->Model(), *m_preview);
    m_pictures = std::make_unique<PictureOpener>(*m_main, m_favorites->Model());
    m_pictures->AcceptDropsOn(m_main.get());
    m_pictures->AcceptDropsOn(m_favorites.get());
    m_main->CarryOut(MainCommand::FilePaletteFromImage, m_pictures.get(), [this] { m_pictures->ChooseFile(); });
    m_main->CarryOut(MainCommand::EditPasteImage, m_pictures.get(), [this] { m_pictures->PasteImage(); });

    m_preferences = std::make_unique<TfrmPreferences>(*m_main);
    m_about = std::make_unique<TfrmAbout>();
    ConnectHelpMenu(*m_main, *m_about, m_language);
}

Application::~Application() = default;

void Application::Show(const QString& schemeFile)
{
    m_main->show();
    if (m_favorites) {
        m_favorites->show();
        TellUnusableSettings();
        OpenAtStart(schemeFile);
        return;
    }
    // The other windows follow the main window's first paint: the main window is on screen as early as it can
    // be, and the Favorites window docks against a main window whose frame is known.
    WhenFramed(m_main.get(), [this, schemeFile] {
        // After the paint that called, not inside it.
        QMetaObject::invokeMethod(m_main.get(), [this, schemeFile] {
            TellUnusableSettings();
            CreateToolWindows();
            m_favorites->show();
            OpenAtStart(schemeFile);
        }, Qt::QueuedConnection);
    });
}

void Application::OpenAtStart(const QString& schemeFile)
{
    if (!schemeFile.isEmpty())
        m_documents->OpenSchemeFile(schemeFile);
}

void Application::TellUnusableSettings()
{
    // Each window read the file and quietly took the defaults; the user hears of it once, here.
    if (const QString message = Settings().UnusableMessage(); !message.isEmpty())
        platform::Messages().ShowMessage(m_main.get(), message);
}
