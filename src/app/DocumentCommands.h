#pragma once

#include "document/SchemeLayout.h"

#include <QObject>
#include <QString>

class FavoritesModel;
class TfrmMain;
class TfrmPreview;

// The scheme as a document: New, Open and Save from the main window's File menu and tool bar, the question
// before an unsaved scheme is replaced or the program ends, and the session written when the main window closes.
class DocumentCommands final : public QObject {
    Q_OBJECT
public:
    // Built once all three windows exist; enables and wires the main window's File entries and tool buttons.
    DocumentCommands(TfrmMain& main, FavoritesModel& favorites, TfrmPreview& preview);
    ~DocumentCommands() override;

    enum class SaveOutcome { Saved, Cancelled, Failed };

    void mnuFileNewClick();
    void mnuFileOpenClick();
    // Open without the dialog: a file named on the command line.
    void OpenSchemeFile(const QString& path);
    SaveOutcome mnuFileSaveClick();
    // Whether the main window may close now.
    bool FormCloseQuery();
    // The close has gone ahead and the settings are written.
    void SaveSession();

private:
    // Asks whether to save the changed scheme first; false when the command is to be abandoned.
    bool SaveBeforeReplacing(const QString& question);
    void ReadAndShow(const QString& path);
    SchemeData CurrentScheme() const;
    void ShowScheme(const SchemeData& scheme);
    void Tell(const QString& message) const;

    TfrmMain& m_main;
    FavoritesModel& m_favorites;
    TfrmPreview& m_preview;
    // Each dialog offers the name last chosen in it during this run.
    QString m_lastOpened;
    QString m_lastSaved;
};
