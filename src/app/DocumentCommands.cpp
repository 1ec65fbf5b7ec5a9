#include "DocumentCommands.h"

#include "document/FavoritesModel.h"
#include "main/TfrmMain.h"
#include "persist/SchemeFile.h"
#include "persist/Session.h"
#include "persist/Settings.h"
#include "platform/Services.h"
#include "preview/TfrmPreview.h"


#include <functional>

namespace {

const char* const kBeforeOpen
    = QT_TRANSLATE_NOOP("DocumentCommands", "Your current color scheme has changed.  Save before opening a new scheme?");
const char* const kBeforeNew
    = QT_TRANSLATE_NOOP("DocumentCommands", "Your current color scheme has changed.  Save before creating a new scheme?");
const char* const kBeforeExit
    = QT_TRANSLATE_NOOP("DocumentCommands", "Your current color scheme has changed.  Save before exiting?");

platform::FileDialogRequest SchemeDialog(const QString& lastChosen)
{
    return { DocumentCommands::tr("Color Scheme File (*.tw)"), QStringLiteral("tw"), lastChosen, {} };
}

} // namespace

DocumentCommands::DocumentCommands(TfrmMain& main, FavoritesModel& favorites, TfrmPreview& preview)
    : m_main(main)
    , m_favorites(favorites)
    , m_preview(preview)
{
    const std::pair<MainCommand, std::function<void()>> commands[] = {
        { MainCommand::FileNew, [this] { mnuFileNewClick(); } },
        { MainCommand::FileOpen, [this] { mnuFileOpenClick(); } },
        { MainCommand::FileSave, [this] { mnuFileSaveClick(); } },
    };
    for (const auto& [command, handler] : commands)
        main.CarryOut(command, this, handler);
    main.SetCloseQuery([this] { return FormCloseQuery(); });
    connect(&main, &TfrmMain::closing, this, &DocumentCommands::SaveSession);
}

DocumentCommands::~DocumentCommands()
{
    m_main.SetCloseQuery(nullptr);
}

void DocumentCommands::mnuFileNewClick()
{
    if (m_main.SchemeModified() && !SaveBeforeReplacing(tr(kBeforeNew)))
        return;
    // The base colour, the wheel, the harmony and the history belong to the main window, not to the document.
    m_main.ClearSchemeModified();
    m_favorites.Clear();
    m_preview.ResetPreviewColors();
}

void DocumentCommands::mnuFileOpenClick()
{
    if (m_main.SchemeModified() && !SaveBeforeReplacing(tr(kBeforeOpen)))
        return;
    const std::optional<QString> path = platform::Dialogs().ChooseFileToOpen(&m_main, SchemeDialog(m_lastOpened));
    if (!path)
        return;
    m_lastOpened = *path;
    ReadAndShow(*path);
}

void DocumentCommands::OpenSchemeFile(const QString& path)
{
    if (m_main.SchemeModified() && !SaveBeforeReplacing(tr(kBeforeOpen)))
        return;
    ReadAndShow(path);
}

void DocumentCommands::ReadAndShow(const QString& path)
{
    const Version2ImportStatus imported = ImportVersion2Scheme(path);
    if (const QString message = Version2ImportMessage(imported); !message.isEmpty())
        Tell(message);
    // An old file that could not be converted is as it was: its message is all the user needs to see.
    if (imported != Version2ImportStatus::NotVersion2 && imported != Version2ImportStatus::Converted)
        return;

    const SchemeRead read = ReadSchemeFile(path, VersionCheck::Required);
    switch (read.status) {
    case SchemeReadStatus::Ok:
        ShowScheme(read.scheme);
        return;
    case SchemeReadStatus::CannotOpen:
        Tell(SchemeMessage(SchemeMessages::kOpenFailed));
        return;
    case SchemeReadStatus::NotValid:
        Tell(SchemeMessage(SchemeMessages::kNotValid));
        return;
    }
}

DocumentCommands::SaveOutcome DocumentCommands::mnuFileSaveClick()
{
    const std::optional<QString> path = platform::Dialogs().ChooseFileToSave(&m_main, SchemeDialog(m_lastSaved));
    if (!path)
        return SaveOutcome::Cancelled;
    m_lastSaved = *path;
    const SchemeWriteStatus written = WriteSchemeFile(*path, CurrentScheme());
    switch (written) {
    case SchemeWriteStatus::Ok:
        m_main.ClearSchemeModified();
        return SaveOutcome::Saved;
    case SchemeWriteStatus::TooManyFavorites:
        Tell(SchemeMessage(SchemeMessages::kTooManyFavorites));
        break;
    case SchemeWriteStatus::TooLarge:
        Tell(SchemeMessage(SchemeMessages::kTooLarge));
        break;
    case SchemeWriteStatus::WriteFailed:
    case SchemeWriteStatus::FolderNotWritable:
        Tell(WriteFailedMessage(SchemeMessages::kSaveFailed, written, *path));
        break;
    }
    return SaveOutcome::Failed;
}

bool DocumentCommands::FormCloseQuery()
{
    // Read at every close: the preference may have changed since start-up.
    if (!Settings().WarnBeforeExit() || !m_main.SchemeModified())
        return true;
    return SaveBeforeReplacing(tr(kBeforeExit));
}

void DocumentCommands::SaveSession()
{
    if (!Settings().RememberScheme())
        return;
    const SchemeWriteStatus written = WriteSession(CurrentScheme());
    if (written != SchemeWriteStatus::Ok)
        Tell(WriteFailedMessage(SchemeMessages::kSessionSaveFailed, written, SessionPath()));
}

bool DocumentCommands::SaveBeforeReplacing(const QString& question)
{
    switch (platform::Messages().Confirm(&m_main, question, platform::ConfirmButtons::YesNoCancel)) {
    case platform::Answer::Yes:
        // Going on without a file is the user's choice when they cancel the dialog; after a failed write
        // it would throw away the very changes they asked to keep.
        return mnuFileSaveClick() != SaveOutcome::Failed;
    case platform::Answer::No:
        return true;
    case platform::Answer::Cancel:
        break;
    }
    return false;
}

SchemeData DocumentCommands::CurrentScheme() const
{
    return { m_main.SchemeColors()[0], m_favorites.FavColors(), m_preview.Colors() };
}

void DocumentCommands::ShowScheme(const SchemeData& scheme)
{
    m_favorites.Replace(scheme.favorites);
    m_preview.SetColors(scheme.preview);
    // A colour value never has a top byte; a file may.
    m_main.SetBaseColor(scheme.baseColor & 0xFFFFFF);
    m_main.ClearSchemeModified();
}

void DocumentCommands::Tell(const QString& message) const
{
    platform::Messages().ShowMessage(&m_main, message);
}
