#pragma once

#include "AtomicFile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The settings file "tw3.ini" in its folder (AppPaths.h says which).
QString SettingsPath();

// The lines of an INI text and the keys in them. Sections and keys are found case-insensitively; lines this
// class does not understand (comments, unknown sections and keys, blank lines) stay exactly as they were, so
// the bytes come back unchanged until a value is set. The text is 8-bit (Latin-1).
//
// Line ends: LF, CR LF and a lone CR each end a line (editors on every system write one of them). Each line
// keeps the end it had, and new lines get the end the text already uses (LF for a new text), so a file
// written elsewhere is not turned into a mixture.
class IniText {
public:
    explicit IniText(const QByteArray& data = {});

    // The raw text after the first "=" of the key's first occurrence in the section.
    std::optional<QByteArray> Value(const QByteArray& section, const QByteArray& key) const;
    // Replaces the value of the key's first occurrence, or adds the key after the last key of the section's first
    // occurrence (adding the section at the end when there is none). The value must hold no line end.
    void SetValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    QByteArray Bytes() const;

private:
    struct Line {
        QByteArray text;
        QByteArray ending; // "\n", "\r\n", "\r", or empty for a last line without one
    };

    // Index of the line holding the key's first occurrence, or -1.
    qsizetype FindKey(const QByteArray& section, const QByteArray& key) const;

    std::vector<Line> m_lines;
    QByteArray m_newline = "\n";
};

// Why a settings file that exists cannot be used. Such a file is read as all defaults and never written:
// writing would destroy what was never seen.
enum class IniProblem { None, Folder, TooLarge, Unreadable, NotText };

// One opening of an INI file: the constructor reads the whole file and reads answer from what was read. Values
// set are held by the opening until Commit writes all of them in one replacement of the whole file, so a close
// that saves ten keys costs one write and the file never holds half of them.
class IniFile {
public:
    explicit IniFile(const QString& path = SettingsPath());

    const QString& Path() const { return m_path; }
    IniProblem Problem() const { return m_problem; }
    // The system's error number behind Unreadable.
    int ReadError() const { return m_readError; }

    // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X"; blanks around it are ignored.
    // Anything else, or a number outside 32 bits, gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer as above, nonzero meaning true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    // The raw text after the first "=".
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

    // Reads keep answering what the file holds until Commit has written what was set.
    void SetInteger(const QString& section, const QString& key, int value);
    void SetBool(const QString& section, const QString& key, bool value);
    // A value is one line: line breaks in it are written as spaces.
    void SetString(const QString& section, const QString& key, const QString& value);

    // Writes every value set and not yet written, all at once; nothing set writes nothing. A file with a problem
    // is left alone: the outcome is KeptUnusable. After a failure the file is as it was and the values stay set,
    // so another Commit tries them again.
    WriteOutcome Commit();

private:
    std::optional<QByteArray> Value(const QString& section, const QString& key) const;
    void Set(const QString& section, const QString& key, const QByteArray& value);

    QString m_path;
    IniText m_text;
    std::optional<IniText> m_pending; // the text with the values set, while any are waiting for Commit
    IniProblem m_problem = IniProblem::None;
    int m_readError = 0;
};

// What start-up tells the user about a settings file it cannot use, naming the file and the reason; empty when
// the file is usable or missing.
QString UnusableSettingsMessage(const IniFile& ini);
// Why a file with a problem cannot be used, in a few words ("it is a folder"); empty when it can.
QString UnusableSettingsReason(const IniFile& ini);
