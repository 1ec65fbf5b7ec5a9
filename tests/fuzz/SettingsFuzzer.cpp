// The settings reader on arbitrary bytes: in memory, then as the settings file on disk, written and read back.
// Runs in a folder of its own under TMPDIR (tmpfs is fastest: the writes are flushed to disk).

#include "SettingsChecks.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckIniText(bytes);
    const QString path = folder.filePath(QStringLiteral("tw3.ini"));
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(), "fuzz file written");
    file.close();
    CheckSettingsFile(path, bytes);
    return 0;
}
