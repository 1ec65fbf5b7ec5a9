#pragma once

#include "exchange/Palette.h"
#include "exchange/PaletteFormats.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

class QThread;

class FavoritesModel;
class TfrmMain;
class TfrmPreview;

// Palettes in and out from the File menu: a chosen set of the scheme's colours exported in the format the save
// dialog's filter names, and a palette file's colours appended to the favourites.
class PaletteCommands final : public QObject {
    Q_OBJECT
public:
    // Built once all three windows exist; enables and wires the main window's palette entries.
    PaletteCommands(TfrmMain& main, FavoritesModel& favorites, TfrmPreview& preview);
    // Waits for readings the user cancelled: they end on their own within seconds.
    ~PaletteCommands() override;

    void mnuFileExportPaletteClick();
    void mnuFileImportPaletteClick();

private:
    PaletteSources CurrentSources() const;
    // Reads on a thread of its own, so the windows keep answering; nothing when the user cancelled.
    std::optional<PaletteImport> ReadAway(const QByteArray& bytes, PaletteFormat format);
    void Tell(const QString& message) const;

    TfrmMain& m_main;
    FavoritesModel& m_favorites;
    TfrmPreview& m_preview;
    // Each dialog starts where the user left it during this run: the set, the format and the file names.
    PaletteSet m_lastSet = PaletteSet::Scheme;
    PaletteFormat m_lastFormat = PaletteFormat::Gpl;
    QString m_lastExported;
    QString m_lastImported;
    std::vector<QPointer<QThread>> m_readers; // each deletes itself when it ends
};
