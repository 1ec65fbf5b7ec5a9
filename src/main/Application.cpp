#include "Application.h"

#include "TfrmMain.h"
#include "about/HelpCommands.h"
#include "about/TfrmAbout.h"
#include "persist/DocumentCommands.h"
#include "favorites/TfrmFavorites.h"
#include "platform/Artwork.h"
#include "platform/DragManager.h"
#include "platform/Fonts.h"
#include "picker/TForm1.h"
#include "preview/TfrmPreview.h"
#include "prefs/TfrmPreferences.h"

#include <QApplication>

Application::Application()
{
    RegisterCursors();
    LoadApplicationFonts();
    // Controls start from the program's face: one made in the toolkit's default face lays its text out in that
    // face first, and loading that second face and its fallbacks cost a tenth of the start-up.
    QApplication::setFont(TahomaFont(11));
    QApplication::setApplicationName(QStringLiteral("Tintwell v3"));
    QApplication::setWindowIcon(ArtIcon(QStringLiteral("tintwell.svg")));
    DragManager::Instance().SetDragCursor(AppCursor(CursorId::DragHand));

    m_main = std::make_unique<TfrmMain>();
    m_picker = std::make_unique<TForm1>(*m_main);
    m_favorites = std::make_unique<TfrmFavorites>(*m_main);
    // The main window is the application: closing it ends the program, whatever else is open.
    QObject::connect(m_main.get(), &TfrmMain::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    // Hidden until the main window's toggle shows it.
    m_preview = std::make_unique<TfrmPreview>(*m_main);
    m_picker->SetToolWindows(m_favorites.get(), m_preview.get());
    m_documents = std::make_unique<DocumentCommands>(*m_main, m_favorites->Model(), *m_preview);

    m_preferences = std::make_unique<TfrmPreferences>(*m_main);
    m_about = std::make_unique<TfrmAbout>();
    ConnectHelpMenu(*m_main, *m_about);
}

Application::~Application() = default;

void Application::Show()
{
    m_main->show();
    m_favorites->show();
}
