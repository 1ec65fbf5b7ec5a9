#include "Session.h"

#include "persist/SchemeFile.h"
#include "platform/Services.h"

#include <QDir>

#include <cassert>

namespace {

SessionStartReading* g_startReading = nullptr;

std::optional<SchemeData> ReadAndReport(QWidget* parent)
{
    SessionRead session = ReadSession();
    switch (session.status) {
    case SessionReadStatus::Ok:
        return std::move(session.scheme);
    case SessionReadStatus::Missing:
        return std::nullopt;
    case SessionReadStatus::CannotOpen:
    case SessionReadStatus::NotValid:
        break;
    }
    QString message = QString::fromLatin1(SchemeMessages::kSessionOpenFailed);
    if (const std::optional<QString> kept = KeepDamagedSession())
        message += QStringLiteral(".  The file was kept as %1.").arg(QDir::toNativeSeparators(*kept));
    platform::Messages().ShowMessage(parent, message);
    return std::nullopt;
}

} // namespace

std::optional<SchemeData> LoadSessionScheme(QWidget* parent)
{
    if (g_startReading == nullptr)
        return ReadAndReport(parent);
    if (!g_startReading->m_reading)
        g_startReading->m_reading = ReadAndReport(parent);
    return *g_startReading->m_reading;
}

SessionStartReading::SessionStartReading()
{
    assert(g_startReading == nullptr);
    g_startReading = this;
}

SessionStartReading::~SessionStartReading()
{
    g_startReading = nullptr;
}
