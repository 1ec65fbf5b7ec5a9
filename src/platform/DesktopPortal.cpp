#include "DesktopPortal.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTimer>
#include <QUrl>

#include <cmath>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::portal {
namespace {

const char* const kNoService
    = QT_TRANSLATE_NOOP("DesktopPortal", "The screen could not be captured: this desktop offers no screenshot service.");
const char* const kNoAnswer
    = QT_TRANSLATE_NOOP("DesktopPortal", "The screen could not be captured: the desktop did not answer in time.");
const char* const kRefused
    = QT_TRANSLATE_NOOP("DesktopPortal", "The screen could not be captured: the desktop refused to take a screenshot.");
const char* const kNotUnderstood
    = QT_TRANSLATE_NOOP("DesktopPortal", "The screen could not be captured: the desktop's answer could not be understood.");
const char* const kUnreadable
    = QT_TRANSLATE_NOOP("DesktopPortal", "The screen could not be captured: the desktop's screenshot could not be read.");
const char* const kWrongSize
    = QT_TRANSLATE_NOOP("DesktopPortal", "The screen could not be captured: the desktop's screenshot does not match the screen.");

// The failures are told to the user, in the user's language.
QString Said(const char* failure)
{
    return QCoreApplication::translate("DesktopPortal", failure);
}

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

constexpr double kLargestScale = 4.0;

// A portal without the method, the interface or the object answers with one of these.
bool NotOffered(const QString& errorName)
{
    return errorName == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")
        || errorName == QLatin1String("org.freedesktop.DBus.Error.UnknownInterface")
        || errorName == QLatin1String("org.freedesktop.DBus.Error.UnknownObject");
}

bool NoPortal(const QString& errorName)
{
    return NotOffered(errorName) || errorName == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || errorName == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

// The channels of a "color" result, when it is the structure of three doubles it must be.
std::optional<std::array<double, 3>> ReadChannels(const QVariant& value)
{
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    std::array<double, 3> channels {};
    argument.beginStructure();
    argument >> channels[0] >> channels[1] >> channels[2];
    argument.endStructure();
    return channels;
}

enum class Method { Screenshot, PickColor };

// One request to the portal, from the call to its Response, within a time limit. It lives as a child of the context
// that asked and ends itself once it has handed over its result.
class PortalRequest final : public QObject {
    Q_OBJECT
public:
    PortalRequest(QObject* context, QRect desktop, qreal deviceRatio, std::function<void(CaptureResult)> done)
        : QObject(context)
        , m_bus(QDBusConnection::sessionBus())
        , m_desktop(desktop)
        , m_deviceRatio(deviceRatio)
        , m_done(std::move(done))
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &PortalRequest::GiveUp);
    }

    ~PortalRequest() override
    {
        // Ended with its context while the portal still works on it: tell the portal it is no longer wanted.
        if (!m_finished && !m_path.isEmpty())
            Close();
        Unsubscribe();
    }

    void Ask(Method method)
    {
        if (!m_bus.isConnected()) {
            Finish(CaptureFailed { Said(kNoService) });
            return;
        }
        static uint s_requests = 0;
        const QString token = QStringLiteral("tintwell%1").arg(++s_requests);
        m_method = method;
        m_path = RequestPath(m_bus.baseService(), token);
        // Subscribed before the call: a portal may answer before its reply to the call arrives here.
        m_subscribed = m_bus.connect(
            kService, m_path, kRequestInterface, QStringLiteral("Response"), this, SLOT(OnResponse(QDBusMessage)));
        if (!m_subscribed) {
            Finish(CaptureFailed { Said(kNoService) });
            return;
        }
        QVariantMap options { { QStringLiteral("handle_token"), token } };
        if (method == Method::Screenshot)
            options.insert(QStringLiteral("interactive"), false);
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenshotInterface,
            method == Method::Screenshot ? QStringLiteral("Screenshot") : QStringLiteral("PickColor"));
        call << QString() << options;
        const auto limit = method == Method::Screenshot ? kPhotographTimeLimit : kPickTimeLimit;
        auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, int(kPhotographTimeLimit.count())), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalRequest::OnReply);
        m_timer.start(limit);
    }

private Q_SLOTS:
    void OnResponse(const QDBusMessage& message)
    {
        if (message.signature() != QLatin1String("ua{sv}")) {
            Finish(CaptureFailed { Said(kNotUnderstood) });
            return;
        }
        const QList<QVariant> arguments = message.arguments();
        if (auto unsuccessful = Unsuccessful(arguments.at(0).toUInt())) {
            Finish(std::move(*unsuccessful));
            return;
        }
        QVariantMap results;
        arguments.at(1).value<QDBusArgument>() >> results;
        if (m_method == Method::PickColor) {
            const auto channels = ReadChannels(results.value(QStringLiteral("color")));
            if (!channels) {
                Finish(CaptureFailed { Said(kNotUnderstood) });
                return;
            }
            std::visit([this](auto&& outcome) { Finish(std::move(outcome)); }, PixelFromChannels(*channels));
            return;
        }
        const auto file = LocalImageFile(results.value(QStringLiteral("uri")));
        if (const auto* failed = std::get_if<CaptureFailed>(&file)) {
            Finish(*failed);
            return;
        }
        std::visit([this](auto&& outcome) { Finish(std::move(outcome)); },
            LoadPhotograph(std::get<QString>(file), m_desktop, m_deviceRatio));
    }

private:
    void OnReply(QDBusPendingCallWatcher* watcher)
    {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            const QString error = reply.errorName();
            Unsubscribe();
            m_path.clear();
            // A portal without photographs may still let the user pick a colour.
            if (m_method == Method::Screenshot && NotOffered(error)) {
                Ask(Method::PickColor);
                return;
            }
            if (NoPortal(error))
                Finish(CaptureFailed { Said(kNoService) });
            else if (error == QLatin1String("org.freedesktop.DBus.Error.NoReply")
                || error == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
                Finish(CaptureFailed { Said(kNoAnswer) });
            else
                Finish(CaptureFailed { Said(kRefused) });
            return;
        }
        // The answer comes only on the path subscribed to; a portal announcing another one is not one this
        // program can follow safely.
        if (reply.signature() != QLatin1String("o")
            || reply.arguments().constFirst().value<QDBusObjectPath>().path() != m_path)
            Finish(CaptureFailed { Said(kNotUnderstood) });
    }

    void GiveUp()
    {
        Close();
        Finish(CaptureFailed { Said(kNoAnswer) });
    }

    void Close()
    {
        QDBusMessage close = QDBusMessage::createMethodCall(kService, m_path, kRequestInterface, QStringLiteral("Close"));
        close.setAutoStartService(false);
        m_bus.send(close);
    }

    void Unsubscribe()
    {
        if (!m_subscribed)
            return;
        m_bus.disconnect(
            kService, m_path, kRequestInterface, QStringLiteral("Response"), this, SLOT(OnResponse(QDBusMessage)));
        m_subscribed = false;
    }

    void Finish(CaptureResult result)
    {
        if (m_finished)
            return;
        m_finished = true;
        m_timer.stop();
        Unsubscribe();
        auto done = std::move(m_done);
        deleteLater();
        done(std::move(result));
    }

    QDBusConnection m_bus;
    QRect m_desktop;
    qreal m_deviceRatio;
    std::function<void(CaptureResult)> m_done;
    QTimer m_timer;
    QString m_path;
    Method m_method = Method::Screenshot;
    bool m_subscribed = false;
    bool m_finished = false;
};

} // namespace

void Capture(QObject* context, QRect desktop, qreal deviceRatio, std::function<void(CaptureResult)> done)
{
    (new PortalRequest(context, desktop, deviceRatio, std::move(done)))->Ask(Method::Screenshot);
}

QString RequestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName.startsWith(QLatin1Char(':')) ? uniqueName.mid(1) : uniqueName;
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

std::optional<CaptureResult> Unsuccessful(uint code)
{
    switch (code) {
    case 0:
        return std::nullopt;
    case 1:
        return CaptureCancelled {};
    default:
        return CaptureFailed { Said(kRefused) };
    }
}

std::variant<QString, CaptureFailed> LocalImageFile(const QVariant& uri)
{
    if (uri.metaType() != QMetaType::fromType<QString>())
        return CaptureFailed { Said(kNotUnderstood) };
    const QUrl url(uri.toString(), QUrl::StrictMode);
    const bool local = url.isValid() && url.scheme() == QLatin1String("file")
        && (url.host().isEmpty() || url.host() == QLatin1String("localhost")) && !url.hasQuery() && !url.hasFragment();
    const QString path = local ? url.path(QUrl::FullyDecoded) : QString();
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return CaptureFailed { Said(kNotUnderstood) };
    return path;
}

std::variant<DesktopPhoto, CaptureFailed> LoadPhotograph(const QString& path, QRect desktop, qreal deviceRatio)
{
    // Opened without waiting (a pipe put in its place would block) and checked on the open file itself, so what is
    // read is what was checked: a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return CaptureFailed { Said(kUnreadable) };
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return CaptureFailed { Said(kUnreadable) };
    }

    const QSize expected(qRound(desktop.width() * deviceRatio), qRound(desktop.height() * deviceRatio));
    QImageReader reader(&file);
    // The size is known before any pixel is decoded: a picture of the wrong size costs nothing to turn down.
    const QSize announced = reader.size();
    if (announced.isValid() && !FitsDesktop(announced, expected))
        return CaptureFailed { Said(kWrongSize) };
    QImage image;
    if (!reader.read(&image))
        return CaptureFailed { Said(kUnreadable) };
    if (!FitsDesktop(image.size(), expected))
        return CaptureFailed { Said(kWrongSize) };
    image.setDevicePixelRatio(1);
    return DesktopPhoto { image.convertToFormat(QImage::Format_RGB32), desktop };
}

bool FitsDesktop(QSize image, QSize desktop)
{
    if (desktop.isEmpty() || image.isEmpty())
        return false;
    const double scale = double(image.width()) / desktop.width();
    if (scale < 1.0 || scale > kLargestScale)
        return false;
    return std::abs(image.height() - scale * desktop.height()) <= scale;
}

std::variant<PickedPixel, CaptureFailed> PixelFromChannels(const std::array<double, 3>& channels)
{
    int bytes[3];
    for (int i = 0; i < 3; ++i) {
        const double channel = channels[i];
        if (!std::isfinite(channel) || channel < 0.0 || channel > 1.0)
            return CaptureFailed { Said(kNotUnderstood) };
        bytes[i] = int(std::lround(channel * 255.0));
    }
    return PickedPixel { qRgb(bytes[0], bytes[1], bytes[2]) };
}

} // namespace platform::portal

#include "DesktopPortal.moc"
