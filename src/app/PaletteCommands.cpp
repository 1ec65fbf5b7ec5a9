#include "PaletteCommands.h"

#include "document/FavoritesModel.h"
#include "main/PaletteSetDialog.h"
#include "main/TfrmMain.h"
#include "persist/AtomicFile.h"
#include "persist/SchemeFile.h"
#include "platform/Services.h"
#include "preview/TfrmPreview.h"


#include <algorithm>

namespace {

const QString kReadFailed = QStringLiteral("The palette file could not be read.");

QString SaveFailed(const WriteOutcome& outcome)
{
    return QStringLiteral("The palette could not be saved: %1.").arg(WriteFailureText(outcome));
}

} // namespace

PaletteCommands::PaletteCommands(TfrmMain& main, FavoritesModel& favorites, TfrmPreview& preview)
    : m_main(main)
    , m_favorites(favorites)
    , m_preview(preview)
{
    const std::pair<MainCommand, void (PaletteCommands::*)()> commands[] = {
        { MainCommand::FileExportPalette, &PaletteCommands::mnuFileExportPaletteClick },
        { MainCommand::FileImportPalette, &PaletteCommands::mnuFileImportPaletteClick },
    };
    for (const auto& [command, handler] : commands)
        main.CarryOut(command, this, [this, handler] { (this->*handler)(); });
}

void PaletteCommands::mnuFileExportPaletteClick()
{
    const std::optional<PaletteSet> set = PaletteSetDialog::Choose(&m_main, m_favorites.Count(), m_lastSet);
    if (!set)
        return;
    m_lastSet = *set;

    const PaletteFormatInfo& last = FormatInfo(m_lastFormat);
    platform::FileDialogRequest request;
    request.filter = PaletteExportFilter();
    request.defaultSuffix = QString::fromLatin1(last.extension);
    request.initialPath = m_lastExported;
    request.selectedFilter = QString::fromLatin1(last.filter);
    const std::optional<platform::FileChoice> target = platform::Dialogs().ChooseSaveTarget(&m_main, request);
    if (!target)
        return;
    m_lastExported = target->path;
    // The filter names the format; a dialog that reports none leaves it to the name the user typed.
    std::optional<PaletteFormat> format = FormatForFilter(target->filter);
    if (!format)
        format = DetectPaletteFormat(target->path, {});
    m_lastFormat = format.value_or(m_lastFormat);

    const PaletteExport exported = WritePalette(BuildPalette(*set, CurrentSources()), m_lastFormat);
    if (!exported.ok()) {
        Tell(exported.message);
        return;
    }
    const WriteOutcome written = WriteFileAtomically(target->path, exported.bytes);
    if (!written.ok())
        Tell(SaveFailed(written));
}

void PaletteCommands::mnuFileImportPaletteClick()
{
    platform::FileDialogRequest request;
    request.filter = PaletteImportFilter();
    request.initialPath = m_lastImported;
    const std::optional<QString> path = platform::Dialogs().ChooseFileToOpen(&m_main, request);
    if (!path)
        return;
    m_lastImported = *path;

    // Everything is read and checked before the favourites change at all.
    const ReadResult file = ReadWholeFile(*path, kMaxPaletteFileBytes);
    switch (file.kind) {
    case ReadResult::Kind::Ok:
        break;
    case ReadResult::Kind::Missing:
    case ReadResult::Kind::Unreadable:
        Tell(kReadFailed);
        return;
    case ReadResult::Kind::TooLarge:
        Tell(QString::fromLatin1(PaletteMessages::kTooLarge));
        return;
    }
    const std::optional<PaletteFormat> format = DetectPaletteFormat(*path, file.data);
    if (!format) {
        Tell(QString::fromLatin1(PaletteMessages::kUnknownFormat));
        return;
    }
    const PaletteImport imported = ReadPalette(file.data, *format);
    if (!imported.ok()) {
        Tell(imported.message);
        return;
    }
    const std::vector<PaletteEntry>& entries = imported.palette.entries;
    // Favourites that could no longer be saved are refused as Save refuses them.
    if (static_cast<std::size_t>(m_favorites.Count()) + entries.size() > kMaxPaletteColors) {
        Tell(QString::fromLatin1(SchemeMessages::kTooManyFavorites));
        return;
    }
    FavColorList favorites;
    favorites.reserve(entries.size());
    for (const PaletteEntry& entry : entries) {
        TFavColor fav = TFavColor::FromColor(entry.color);
        fav.Text = FavoriteText(entry);
        favorites.push_back(std::move(fav));
    }
    m_favorites.AppendFavorites(favorites);
}

PaletteSources PaletteCommands::CurrentSources() const
{
    PaletteSources sources;
    sources.scheme = m_main.SchemeColors();
    sources.page = m_preview.Colors();
    sources.favorites.reserve(m_favorites.FavColors().size());
    for (const TFavColor& fav : m_favorites.FavColors())
        sources.favorites.push_back(FavoriteEntry(fav.Text, fav.Color));
    return sources;
}

void PaletteCommands::Tell(const QString& message) const
{
    platform::Messages().ShowMessage(&m_main, message);
}
