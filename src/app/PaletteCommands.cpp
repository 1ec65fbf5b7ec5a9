#include "PaletteCommands.h"

#include "document/FavoritesModel.h"
#include "main/PaletteSetDialog.h"
#include "main/TfrmMain.h"
#include "persist/AtomicFile.h"
#include "persist/SchemeFile.h"
#include "platform/Services.h"
#include "preview/TfrmPreview.h"

#include <QProgressDialog>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

QString ReadFailed(const ReadResult& file)
{
    return PaletteCommands::tr("The palette file could not be read: %1.").arg(ReadFailureReason(file));
}

// Most palettes are read in a few milliseconds; only a reading that takes longer than this shows its progress.
constexpr unsigned long kQuietReadMs = 300;

QString SaveFailed(const WriteOutcome& outcome)
{
    return PaletteCommands::tr("The palette could not be saved: %1.").arg(WriteFailureText(outcome));
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

PaletteCommands::~PaletteCommands()
{
    for (const QPointer<QThread>& reader : m_readers)
        if (reader)
            reader->wait();
}

std::optional<PaletteImport> PaletteCommands::ReadAway(const QByteArray& bytes, PaletteFormat format)
{
    // Shared with the thread, which may outlive this call when the user cancels.
    struct Reading {
        QByteArray bytes;
        PaletteFormat format;
        PaletteImport result;
        std::atomic<bool> done = false;
    };
    auto reading = std::make_shared<Reading>(bytes, format);
    QThread* reader = QThread::create([reading] {
        reading->result = ReadPalette(reading->bytes, reading->format);
        reading->done = true;
    });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    std::erase_if(m_readers, [](const QPointer<QThread>& r) { return r.isNull(); });
    m_readers.emplace_back(reader);
    // Connected before the thread starts, so its end reaches the dialog however soon it comes.
    QProgressDialog progress(tr("Reading the palette file..."), tr("Cancel"), 0, 0, &m_main);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowTitle(tr("Import Palette"));
    progress.setWindowModality(Qt::ApplicationModal);
    connect(reader, &QThread::finished, &progress, &QProgressDialog::reset);
    reader->start();
    // The dialog closes when the thread has ended (and the result is there) or when the user cancels.
    if (!reader->wait(kQuietReadMs)) {
        progress.exec();
        if (progress.wasCanceled() || !reading->done) // Esc closes the dialog as Cancel does
            return std::nullopt;
    }
    return std::move(reading->result);
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
    request.selectedFilter = FilterText(last);
    const std::optional<platform::FileChoice> target = platform::Dialogs().ChooseSaveTarget(&m_main, request);
    if (!target)
        return;
    m_lastExported = target->path;
    // An extension the user typed names the format; else the filter does, which also gave a name typed without one
    // its extension.
    std::optional<PaletteFormat> format = DetectPaletteFormat(target->path, {});
    if (!format)
        format = FormatForFilter(target->filter);
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
        Tell(ReadFailed(file));
        return;
    case ReadResult::Kind::TooLarge:
        Tell(PaletteMessage(PaletteMessages::kTooLarge));
        return;
    }
    const std::optional<PaletteFormat> format = DetectPaletteFormat(*path, file.data);
    if (!format) {
        Tell(PaletteMessage(PaletteMessages::kUnknownFormat));
        return;
    }
    const std::optional<PaletteImport> read = ReadAway(file.data, *format);
    if (!read)
        return;
    const PaletteImport& imported = *read;
    if (!imported.ok()) {
        Tell(imported.message);
        return;
    }
    const std::vector<PaletteEntry>& entries = imported.palette.entries;
    // Favourites that could no longer be saved are refused as Save refuses them.
    if (static_cast<std::size_t>(m_favorites.Count()) + entries.size() > kMaxPaletteColors) {
        Tell(SchemeMessage(SchemeMessages::kTooManyFavorites));
        return;
    }
    FavColorList favorites;
    favorites.reserve(entries.size());
    for (const PaletteEntry& entry : entries) {
        TFavColor fav = TFavColor::FromColor(entry.color);
        fav.Text = FavoriteText(entry);
        favorites.push_back(std::move(fav));
    }
    // Imported names are bounded so that this never refuses a palette on its own, but favourites opened from a
    // scheme file may carry texts of any length.
    if (EncodedSchemeSize(m_favorites.FavColors()) + EncodedSchemeSize(favorites) - EncodedSchemeSize({}) > kMaxSchemeBytes) {
        Tell(SchemeMessage(SchemeMessages::kTooLarge));
        return;
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
