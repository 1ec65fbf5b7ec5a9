// Replays the fuzzers' corpus through the readers: every file keeps the fuzzers' properties, and its
// name says what the reader must make of it (valid-, wrongversion-, bad-, notv2-, text-, nottext-). Palette
// files sit in one folder per format, named by their extension.

#include "FuzzChecks.h"
#include "PaletteChecks.h"
#include "SessionChecks.h"
#include "SettingsChecks.h"
#include "persist/AppPaths.h"

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

bool Named(const fs::path& file, const std::string& prefix)
{
    return file.filename().string().starts_with(prefix);
}

// What a scheme file must read as, with the version checked and without.
struct SchemeVerdict {
    bool checked;
    bool ignored;
};

std::optional<SchemeVerdict> ExpectedScheme(const fs::path& file)
{
    if (Named(file, "valid-"))
        return SchemeVerdict { true, true };
    if (Named(file, "wrongversion-"))
        return SchemeVerdict { false, true };
    if (Named(file, "bad-"))
        return SchemeVerdict { false, false };
    return std::nullopt;
}

std::optional<Version2Status> ExpectedVersion2(const fs::path& file)
{
    if (Named(file, "valid-"))
        return Version2Status::Ok;
    if (Named(file, "bad-"))
        return Version2Status::Malformed;
    if (Named(file, "notv2-"))
        return Version2Status::NotVersion2;
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " CORPUS-FOLDER\n";
        return 2;
    }
    const fs::path corpus = argv[1];
    int failures = 0;
    auto fail = [&](const fs::path& file, const char* why) {
        std::cerr << file.string() << ": " << why << '\n';
        ++failures;
    };

    const auto schemeFiles = FilesIn(corpus / "scheme");
    for (const fs::path& file : schemeFiles) {
        const auto expected = ExpectedScheme(file);
        if (!expected) {
            fail(file, "name does not say what the reader must make of it");
            continue;
        }
        const std::string bytes = Contents(file);
        if ((CheckSchemeBytes(bytes, VersionCheck::Required) == DecodeStatus::Ok) != expected->checked)
            fail(file, expected->checked ? "rejected by the scheme reader" : "accepted by the scheme reader");
        if ((CheckSchemeBytes(bytes, VersionCheck::Ignored) == DecodeStatus::Ok) != expected->ignored)
            fail(file, expected->ignored ? "rejected by the session reader" : "accepted by the session reader");
    }

    const auto version2Files = FilesIn(corpus / "version2");
    for (const fs::path& file : version2Files) {
        const auto expected = ExpectedVersion2(file);
        if (!expected) {
            fail(file, "name does not say what the converter must make of it");
            continue;
        }
        if (CheckVersion2Text(Contents(file)) != *expected)
            fail(file, "converted to the wrong outcome");
    }

    std::size_t paletteFiles = 0;
    for (const PaletteFormatInfo& info : PaletteFormats()) {
        const auto files = FilesIn(corpus / "palette" / info.extension);
        if (files.empty())
            fail(corpus / "palette" / info.extension, "no palette files");
        for (const fs::path& file : files) {
            ++paletteFiles;
            const bool valid = Named(file, "valid-");
            if (!valid && !Named(file, "bad-")) {
                fail(file, "name does not say what the reader must make of it");
                continue;
            }
            const std::string bytes = Contents(file);
            const auto format = DetectPaletteFormat(QString::fromStdString(file.filename().string()),
                QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
            if (format != info.format)
                fail(file, "not in its folder's format");
            else if (CheckPaletteBytes(bytes, info.format) != valid)
                fail(file, valid ? "rejected by the palette reader" : "accepted by the palette reader");
        }
    }

    // The settings reader and the session read each file from a folder of their own.
    QTemporaryDir folder;
    const QString settingsPath = folder.filePath(QStringLiteral("tw3.ini"));
    const auto settingsFiles = FilesIn(corpus / "settings");
    for (const fs::path& file : settingsFiles) {
        const bool text = Named(file, "text-");
        if (!text && !Named(file, "nottext-")) {
            fail(file, "name does not say what the settings reader must make of it");
            continue;
        }
        const QByteArray bytes = QByteArray::fromStdString(Contents(file));
        CheckIniText(bytes);
        QFile::remove(settingsPath);
        QFile copy(settingsPath);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size())
            fail(file, "cannot be copied into a settings folder");
        copy.close();
        if (CheckSettingsFile(settingsPath, bytes) != text)
            fail(file, text ? "not used as settings" : "used as settings");
    }

    SetAppFolderForTesting(folder.path());
    const auto sessionFiles = FilesIn(corpus / "session");
    for (const fs::path& file : sessionFiles) {
        const bool valid = Named(file, "valid-");
        if (!valid && !Named(file, "bad-")) {
            fail(file, "name does not say what the session reader must make of it");
            continue;
        }
        const QByteArray bytes = QByteArray::fromStdString(Contents(file));
        QFile copy(SessionPath());
        if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(bytes) != bytes.size())
            fail(file, "cannot be copied into a session folder");
        copy.close();
        if (CheckSessionBytes(bytes) != valid)
            fail(file, valid ? "rejected by the session reader" : "accepted by the session reader");
    }

    const std::size_t replayed
        = schemeFiles.size() + version2Files.size() + paletteFiles + settingsFiles.size() + sessionFiles.size();
    if (schemeFiles.empty() || version2Files.empty() || settingsFiles.empty() || sessionFiles.empty())
        fail(corpus, "corpus missing");
    std::cout << replayed << " files replayed, " << failures << " failures\n";
    return failures == 0 ? 0 : 1;
}
