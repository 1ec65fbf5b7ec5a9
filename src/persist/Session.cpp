#include "Session.h"

#include "persist/IniFile.h"
#include "persist/SchemeFile.h"
#include "platform/Services.h"

bool ReadRememberScheme(const IniFile& ini)
{
    return ini.ReadBool(QStringLiteral("Prefs"), QStringLiteral("RememberScheme"), true);
}

std::optional<SchemeData> LoadSessionScheme(QWidget* parent)
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
    platform::Messages().ShowMessage(parent, QString::fromLatin1(SchemeMessages::kSessionOpenFailed));
    return std::nullopt;
}
