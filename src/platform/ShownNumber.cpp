#include "ShownNumber.h"

#include <QLocale>

QString ShownNumber(int value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

QString ShownDecimal(const QString& cText)
{
    const QLocale locale;
    QString shown;
    shown.reserve(cText.size());
    for (const QChar c : cText) {
        if (c == u'.')
            shown += locale.decimalPoint();
        else if (c.isDigit())
            shown += locale.toString(c.digitValue());
        else
            shown += c;
    }
    return shown;
}
