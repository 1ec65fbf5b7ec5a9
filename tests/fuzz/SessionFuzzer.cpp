// The session's way from disk on arbitrary bytes. Runs in a folder of its own under TMPDIR (tmpfs is fastest:
// the writes are flushed to disk).

#include "SessionChecks.h"
#include "persist/AppPaths.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    SetAppFolderForTesting(folder.path());
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QFile file(SessionPath());
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(), "fuzz file written");
    file.close();
    CheckSessionBytes(bytes);
    return 0;
}
