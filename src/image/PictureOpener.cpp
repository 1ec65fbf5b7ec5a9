#include "PictureOpener.h"

#include "PictureLoading.h"
#include "PoolRun.h"
#include "TfrmImage.h"
#include "main/TfrmMain.h"
#include "platform/Services.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QDropEvent>
#include <QFutureWatcher>
#include <QImageReader>
#include <QMimeData>
#include <QProgressDialog>

namespace {

// What takes longer than this shows its progress; what is quicker shows nothing before its result.
constexpr int kProgressAfterMs = 500;
// Pictures loading at once; more wait their turn.
constexpr int kMaxLoads = 8;

// The first local file a drag carries, if any.
QString DraggedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

QString PictureFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return PictureOpener::tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))) + QStringLiteral(";;")
        + PictureOpener::tr("All Files (*)");
}

} // namespace

PictureOpener::PictureOpener(TfrmMain& main, FavoritesModel& favorites)
    : m_main(main)
    , m_favorites(favorites)
{
    // A cancelled load still runs to its end (a slow share, a pipe); those behind it need threads of their own.
    m_loading.setMaxThreadCount(kMaxLoads);
}

PictureOpener::~PictureOpener() = default;

void PictureOpener::AcceptDropsOn(QWidget* window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool PictureOpener::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!DraggedFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DraggedFile(drop->mimeData());
        if (!path.isEmpty()) {
            drop->acceptProposedAction();
            // After the drop is done with: a message box inside it would hold up the dragging program.
            QMetaObject::invokeMethod(this, [this, path] { OpenFile(path); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PictureOpener::ChooseFile()
{
    platform::FileDialogRequest request;
    request.filter = PictureFilter();
    request.initialPath = m_lastPath;
    if (const auto path = platform::Dialogs().ChooseFileToOpen(&m_main, request))
        OpenFile(*path);
}

void PictureOpener::OpenFile(const QString& path)
{
    m_lastPath = path;
    const int count = m_window ? m_window->Count() : extraction::kDefaultColors;
    Start(QFileInfo(path).fileName(), [path, count] { return LoadPictureFile(path, count); });
}

void PictureOpener::PasteImage()
{
    const QImage picture = platform::ClipboardService().Image();
    //: The pasted picture's name where a file's name would stand: in "Palette from %1", "Taking the colours of
    //: %1..." and, in quotes, in the messages about a picture.
    const QString name = tr("the pasted picture");
    if (picture.isNull()) {
        platform::Messages().ShowMessage(&m_main, tr("The clipboard holds no picture to take a palette from."));
        emit settled();
        return;
    }
    const int count = m_window ? m_window->Count() : extraction::kDefaultColors;
    Start(name, [picture, name, count] { return LoadPictureImage(picture, name, count); });
}

template <typename Load>
void PictureOpener::Start(const QString& name, Load load)
{
    const int number = ++m_load;
    auto* watcher = new QFutureWatcher<LoadedPicture>(this);
    // Shown only when the picture takes a while; cancelling leaves everything as it was.
    auto* progress = new QProgressDialog(tr("Taking the colours of %1...").arg(name), tr("Cancel"), 0, 0, &m_main);
    progress->setObjectName(QStringLiteral("dlgPictureProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(kProgressAfterMs);
    // Starts the wait for it: until a first value is set the dialog waits its default four seconds.
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, this, [this, number] {
        if (number == m_load)
            ++m_load;
    });
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, progress, number] {
        watcher->deleteLater();
        progress->deleteLater();
        progress->reset();
        if (number == m_load)
            Finish(watcher->result());
    });
    watcher->setFuture(RunOnPool(m_loading, std::move(load)));
}

void PictureOpener::Finish(const LoadedPicture& loaded)
{
    if (!loaded.error.isEmpty()) {
        platform::Messages().ShowMessage(&m_main, loaded.error);
        emit settled();
        return;
    }
    if (!m_window)
        m_window = std::make_unique<TfrmImage>(m_main, m_favorites);
    m_window->ShowPicture(loaded);
    // A window the user minimized comes back for the new picture.
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    emit settled();
}
