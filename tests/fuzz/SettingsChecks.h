#pragma once

// Properties of the settings reader that every input must keep, shared by its fuzzer and the corpus replay.

#include "FuzzChecks.h"
#include "persist/IniFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <optional>

// Keys the program reads, and a section that appears nowhere else.
inline constexpr std::array<std::pair<const char*, const char*>, 6> kProbedKeys { {
    { "Main", "Top" }, { "Main", "BaseColor" }, { "Prefs", "LInc" }, { "Favs", "Left" }, { "Preview", "Top" },
    { "Fuzz", "New" },
} };

// Text as it was read comes back byte for byte; setting a value changes that value and no other.
inline void CheckIniText(const QByteArray& bytes)
{
    const IniText text(bytes);
    Require(text.Bytes() == bytes, "an unchanged text gives back its bytes");
    std::array<std::optional<QByteArray>, kProbedKeys.size()> before;
    for (std::size_t i = 0; i < kProbedKeys.size(); ++i)
        before[i] = text.Value(kProbedKeys[i].first, kProbedKeys[i].second);

    for (std::size_t changed = 0; changed < kProbedKeys.size(); ++changed) {
        IniText edited = text;
        edited.SetValue(kProbedKeys[changed].first, kProbedKeys[changed].second, "-123");
        const IniText reread(edited.Bytes());
        Require(reread.Bytes() == edited.Bytes(), "a written text reads back as written");
        for (std::size_t i = 0; i < kProbedKeys.size(); ++i) {
            const std::optional<QByteArray> value = reread.Value(kProbedKeys[i].first, kProbedKeys[i].second);
            if (i == changed)
                Require(value == QByteArray("-123"), "the value set is the value read");
            else
                Require(value == before[i], "setting one value leaves the others");
        }
    }
}

// What IniFile makes of the bytes as a settings file at path: text reads and writes, anything else is left
// alone. True when the file was usable.
inline bool CheckSettingsFile(const QString& path, const QByteArray& bytes)
{
    IniFile ini(path);
    const bool text = !bytes.contains('\0');
    Require((ini.Problem() == IniProblem::None) == text, "only a zero byte makes a file that fits the limit unusable");
    const int top = ini.ReadInteger("Main", "Top", 7);
    Require(ini.ReadBool("Main", "Top", true) == (top != 0), "a bool is an integer");
    ini.SetInteger("Main", "Left", -5);
    const WriteOutcome written = ini.Commit();
    if (!text) {
        Require(written.kind == WriteOutcome::Kind::KeptUnusable, "an unusable file is not written");
        QFile file(path);
        Require(file.open(QIODevice::ReadOnly) && file.readAll() == bytes, "an unusable file stays as it was");
        return false;
    }
    Require(written.ok(), "a usable file is written");
    const IniFile again(path);
    Require(again.ReadInteger("Main", "Left", 0) == -5, "the written value reads back");
    Require(again.ReadInteger("Main", "Top", 7) == top, "the other values read as before");
    return true;
}
