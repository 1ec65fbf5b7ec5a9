#include "Settings.h"

#include "IniFile.h"

int ReadStepPercent(const IniFile& ini, const char* key)
{
    const QString text = ini.ReadString(QStringLiteral("Prefs"), QString::fromLatin1(key), QString()).trimmed();
    if (text.isEmpty())
        return kDefaultStepPercent;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return kDefaultStepPercent;
        value = value * 10 + (c.unicode() - u'0');
        if (value > kMaxStepPercent)
            return kDefaultStepPercent;
    }
    return value;
}
