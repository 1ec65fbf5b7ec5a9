#include "IniFile.h"

#include "AppPaths.h"

#include <limits>
#include <optional>

namespace {

// Far beyond any real settings file; a larger one is not ours and is left alone.
constexpr qint64 kMaxIniBytes = 4 * 1024 * 1024;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray TrimBlanks(const QByteArray& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool SameName(const QByteArray& a, const QByteArray& b)
{
    return QString::fromLatin1(a).compare(QString::fromLatin1(b), Qt::CaseInsensitive) == 0;
}

// "[name]" gives the section's name; a UTF-8 byte order mark that some editors put in front is skipped.
bool ParseSectionHeader(QByteArray text, QByteArray& name)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.mid(3);
    text = TrimBlanks(text);
    if (!text.startsWith('['))
        return false;
    const qsizetype close = text.indexOf(']');
    if (close < 0)
        return false;
    name = TrimBlanks(text.mid(1, close - 1));
    return true;
}

// "key=value" gives the key's name and where its "=" is; comments and lines without a name are not keys.
bool ParseKey(const QByteArray& text, QByteArray& name, qsizetype& equals)
{
    equals = text.indexOf('=');
    if (equals < 0)
        return false;
    name = TrimBlanks(text.left(equals));
    return !name.isEmpty() && !name.startsWith(';');
}

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

bool ParseInteger(const QByteArray& raw, int& out)
{
    const QByteArray text = TrimBlanks(raw);
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (text.mid(i, 1) == "$") {
        base = 16;
        i += 1;
    } else if (text.mid(i, 2) == "0x" || text.mid(i, 2) == "0X") {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return false;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            return false;
        value = value * base + digit;
        if (value > limit)
            return false;
    }
    out = static_cast<int>(negative ? -value : value);
    return true;
}

} // namespace

QString SettingsPath()
{
    return AppFile(QStringLiteral("tw3.ini"));
}

IniFile::IniFile(const QString& path)
    : m_path(path)
{
    const ReadResult read = ReadWholeFile(path, kMaxIniBytes);
    if (read.kind != ReadResult::Kind::Ok) {
        if (read.kind != ReadResult::Kind::Missing) {
            m_readFailure = read.kind;
            m_readError = read.systemError;
        }
        return;
    }
    qsizetype start = 0;
    const QByteArray& data = read.data;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        Line line;
        if (newline < 0) {
            line.text = data.mid(start);
            start = data.size();
        } else {
            const bool crlf = newline > start && data[newline - 1] == '\r';
            line.text = data.mid(start, newline - start - (crlf ? 1 : 0));
            line.ending = crlf ? "\r\n" : "\n";
            start = newline + 1;
        }
        m_lines.push_back(std::move(line));
    }
    for (const Line& line : m_lines) {
        if (!line.ending.isEmpty()) {
            m_newline = line.ending;
            break;
        }
    }
}

qsizetype IniFile::FindKey(const QByteArray& section, const QByteArray& key) const
{
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        QByteArray name;
        qsizetype equals;
        if (ParseSectionHeader(m_lines[i].text, name))
            inSection = SameName(name, section);
        else if (inSection && ParseKey(m_lines[i].text, name, equals) && SameName(name, key))
            return static_cast<qsizetype>(i);
    }
    return -1;
}

std::optional<QByteArray> IniFile::Value(const QString& section, const QString& key) const
{
    const qsizetype index = FindKey(section.toLatin1(), key.toLatin1());
    if (index < 0)
        return std::nullopt;
    const QByteArray& text = m_lines[static_cast<std::size_t>(index)].text;
    return text.mid(text.indexOf('=') + 1);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<QByteArray> text = Value(section, key);
    int value = 0;
    return text && ParseInteger(*text, value) ? value : defaultValue;
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    const std::optional<QByteArray> text = Value(section, key);
    int value = 0;
    return text && ParseInteger(*text, value) ? value != 0 : defaultValue;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const std::optional<QByteArray> text = Value(section, key);
    return text ? QString::fromLatin1(*text) : defaultValue;
}

WriteOutcome IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return Write(section, key, QByteArray::number(value));
}

WriteOutcome IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return Write(section, key, value ? "1" : "0");
}

WriteOutcome IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QByteArray text = value.toLatin1();
    text.replace('\r', ' ').replace('\n', ' ');
    return Write(section, key, text);
}

WriteOutcome IniFile::Write(const QString& section, const QString& key, const QByteArray& value)
{
    if (m_readFailure == ReadResult::Kind::Unreadable)
        return { WriteOutcome::Kind::AccessDenied, m_readError };
    if (m_readFailure == ReadResult::Kind::TooLarge)
        return { WriteOutcome::Kind::IoError, m_readError };
    Q_ASSERT(!section.contains(u']') && !key.contains(u'=') && !key.isEmpty());

    const QByteArray sectionName = section.toLatin1();
    const QByteArray keyName = key.toLatin1();
    std::vector<Line> lines = m_lines;
    const qsizetype existing = FindKey(sectionName, keyName);
    if (existing >= 0) {
        QByteArray& text = lines[static_cast<std::size_t>(existing)].text;
        text = text.left(text.indexOf('=') + 1) + value;
    } else {
        // A new key goes after the last key of the section's first occurrence, so blank lines and comments
        // that lead into the next section stay where they are.
        std::size_t insertAt = 0;
        bool found = false;
        bool inSection = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            QByteArray name;
            qsizetype equals;
            if (ParseSectionHeader(lines[i].text, name)) {
                if (found)
                    break;
                inSection = found = SameName(name, sectionName);
                insertAt = i + 1;
            } else if (inSection && ParseKey(lines[i].text, name, equals)) {
                insertAt = i + 1;
            }
        }
        if (!found) {
            if (!lines.empty()) {
                if (lines.back().ending.isEmpty())
                    lines.back().ending = m_newline;
                if (!TrimBlanks(lines.back().text).isEmpty())
                    lines.push_back({ QByteArray(), m_newline });
            }
            lines.push_back({ '[' + sectionName + ']', m_newline });
            insertAt = lines.size();
        }
        if (insertAt > 0 && lines[insertAt - 1].ending.isEmpty())
            lines[insertAt - 1].ending = m_newline;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), Line { keyName + '=' + value, m_newline });
    }

    QByteArray data;
    for (const Line& line : lines)
        data += line.text + line.ending;
    const WriteOutcome outcome = WriteFileAtomically(m_path, data);
    if (outcome.ok())
        m_lines = std::move(lines);
    return outcome;
}
