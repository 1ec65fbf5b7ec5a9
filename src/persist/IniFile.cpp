#include "IniFile.h"

#include "AppPaths.h"
#include "color/Color.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>
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
        const int digit = HexDigitValue(static_cast<unsigned char>(text[i]));
        if (digit < 0 || digit >= base)
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
    return QDir(CurrentAppFolders().settings).filePath(QString::fromLatin1(kSettingsFileName));
}

IniText::IniText(const QByteArray& data)
{
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = start;
        while (end < data.size() && data[end] != '\n' && data[end] != '\r')
            ++end;
        Line line { data.mid(start, end - start), QByteArray() };
        if (end < data.size()) {
            const bool crlf = data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n';
            line.ending = data.mid(end, crlf ? 2 : 1);
        }
        start = end + line.ending.size();
        m_lines.push_back(std::move(line));
    }
    for (const Line& line : m_lines) {
        if (!line.ending.isEmpty()) {
            m_newline = line.ending;
            break;
        }
    }
}

qsizetype IniText::FindKey(const QByteArray& section, const QByteArray& key) const
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

std::optional<QByteArray> IniText::Value(const QByteArray& section, const QByteArray& key) const
{
    const qsizetype index = FindKey(section, key);
    if (index < 0)
        return std::nullopt;
    const QByteArray& text = m_lines[static_cast<std::size_t>(index)].text;
    return text.mid(text.indexOf('=') + 1);
}

void IniText::SetValue(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    Q_ASSERT(!section.contains(']') && !key.contains('=') && !TrimBlanks(key).isEmpty());
    Q_ASSERT(!value.contains('\n') && !value.contains('\r'));

    const qsizetype existing = FindKey(section, key);
    if (existing >= 0) {
        QByteArray& text = m_lines[static_cast<std::size_t>(existing)].text;
        text = text.left(text.indexOf('=') + 1) + value;
        return;
    }
    // A new key goes after the last key of the section's first occurrence, so blank lines and comments that
    // lead into the next section stay where they are.
    std::size_t insertAt = 0;
    bool found = false;
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        QByteArray name;
        qsizetype equals;
        if (ParseSectionHeader(m_lines[i].text, name)) {
            if (found)
                break;
            inSection = found = SameName(name, section);
            insertAt = i + 1;
        } else if (inSection && ParseKey(m_lines[i].text, name, equals)) {
            insertAt = i + 1;
        }
    }
    if (!found) {
        if (!m_lines.empty()) {
            if (m_lines.back().ending.isEmpty())
                m_lines.back().ending = m_newline;
            if (!TrimBlanks(m_lines.back().text).isEmpty())
                m_lines.push_back({ QByteArray(), m_newline });
        }
        m_lines.push_back({ '[' + section + ']', m_newline });
        insertAt = m_lines.size();
    }
    if (insertAt > 0 && m_lines[insertAt - 1].ending.isEmpty())
        m_lines[insertAt - 1].ending = m_newline;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), Line { key + '=' + value, m_newline });
}

QByteArray IniText::Bytes() const
{
    QByteArray data;
    for (const Line& line : m_lines)
        data += line.text + line.ending;
    return data;
}

IniFile::IniFile(const QString& path)
    : m_path(path)
{
    const ReadResult read = ReadWholeFile(path, kMaxIniBytes);
    switch (read.kind) {
    case ReadResult::Kind::Ok:
        break;
    case ReadResult::Kind::Missing:
        return;
    case ReadResult::Kind::Unreadable:
        m_problem = read.systemError == EISDIR ? IniProblem::Folder : IniProblem::Unreadable;
        m_readError = read.systemError;
        return;
    case ReadResult::Kind::TooLarge:
        m_problem = IniProblem::TooLarge;
        return;
    }
    // A zero byte is in no text file: this is something else under the settings file's name.
    if (read.data.contains('\0')) {
        m_problem = IniProblem::NotText;
        return;
    }
    m_text = IniText(read.data);
}

std::optional<QByteArray> IniFile::Value(const QString& section, const QString& key) const
{
    return m_text.Value(section.toLatin1(), key.toLatin1());
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

void IniFile::SetInteger(const QString& section, const QString& key, int value)
{
    Set(section, key, QByteArray::number(value));
}

void IniFile::SetBool(const QString& section, const QString& key, bool value)
{
    Set(section, key, value ? "1" : "0");
}

void IniFile::SetString(const QString& section, const QString& key, const QString& value)
{
    QByteArray text = value.toLatin1();
    text.replace('\r', ' ').replace('\n', ' ');
    Set(section, key, text);
}

void IniFile::Set(const QString& section, const QString& key, const QByteArray& value)
{
    if (!m_pending)
        m_pending = m_text;
    m_pending->SetValue(section.toLatin1(), key.toLatin1(), value);
}

WriteOutcome IniFile::Commit()
{
    if (!m_pending)
        return {};
    if (m_problem != IniProblem::None)
        return { WriteOutcome::Kind::KeptUnusable, m_readError };
    MakeFolderFor(m_path);
    const WriteOutcome outcome = WriteFileAtomically(m_path, m_pending->Bytes());
    if (outcome.ok()) {
        m_text = std::move(*m_pending);
        m_pending.reset();
    }
    return outcome;
}

QString UnusableSettingsReason(const IniFile& ini)
{
    switch (ini.Problem()) {
    case IniProblem::None:
        break;
    case IniProblem::Folder:
        return QCoreApplication::translate("FileMessages", "it is a folder");
    case IniProblem::TooLarge:
        return QCoreApplication::translate("FileMessages", "it is larger than %1 MB, far more than settings ever take")
            .arg(kMaxIniBytes >> 20);
    case IniProblem::Unreadable:
        return QCoreApplication::translate("FileMessages", "it cannot be read (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(ini.ReadError())));
    case IniProblem::NotText:
        return QCoreApplication::translate("FileMessages", "it is not a text file");
    }
    return {};
}

QString UnusableSettingsMessage(const IniFile& ini)
{
    const QString reason = UnusableSettingsReason(ini);
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate("FileMessages",
        "The settings in %1 cannot be used: %2.  Tintwell starts with its default settings and leaves that file as it "
        "is, so settings changed in this run are not kept.")
        .arg(QDir::toNativeSeparators(ini.Path()), reason);
}
