#include "Session.h"

#include "persist/SchemeFile.h"

#include <QCoreApplication>
#include <QDir>

#include <cassert>

namespace {

SessionStartReading* g_startReading = nullptr;

std::optional<SchemeData> ReadAndReport(const TellUser& tell)
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
    QString message = SchemeMessage(SchemeMessages::kSessionOpenFailed);
    if (const std::optional<QString> kept = KeepDamagedSession())
        message += QStringLiteral(".  ")
            + QCoreApplication::translate("FileMessages", "The file was kept as %1.")
                  .arg(QDir::toNativeSeparators(*kept));
    tell(message);
    return std::nullopt;
}

} // namespace

std::optional<SchemeData> LoadSessionScheme(const TellUser& tell)
{
    if (g_startReading == nullptr)
        return ReadAndReport(tell);
    if (!g_startReading->m_reading)
        g_startReading->m_reading = ReadAndReport(tell);
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
