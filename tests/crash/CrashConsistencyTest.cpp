// A save killed at any moment: the driver saves the two large schemes in turn through the program's own save
// path, and is killed (SIGKILL, no chance to tidy up) at random moments, again and again in one folder. After
// every kill the scheme file must be the whole of one of the two, and at most one temporary file may be there:
// each save removes what the killed one before it left.
//
//   TINTWELL_KILL_RUNS  number of kills (default: 40, or fewer when they take more than 15 seconds, as under the
//                       sanitizers; the long run is 300)
//   TINTWELL_KILL_SEED  seed of the kill moments

#include "LargeSchemes.h"
#include "support/TestEnv.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

int EnvNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QByteArray Encoded(int variant)
{
    return QByteArray::fromStdString(EncodeScheme(LargeScheme(variant)).bytes);
}

pid_t StartDriver(const QString& target, const char* saves = nullptr)
{
    const QByteArray path = QFile::encodeName(target);
    char* argv[] = { const_cast<char*>(TW_SAVE_DRIVER), const_cast<char*>(path.constData()), const_cast<char*>(saves), nullptr };
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, TW_SAVE_DRIVER, nullptr, nullptr, argv, environ);
    EXPECT_EQ(error, 0) << std::strerror(error);
    return error == 0 ? pid : 0;
}

int WaitFor(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    return status;
}

QStringList TemporaryFiles(const QString& folder)
{
    // Any hidden file named after the scheme, whatever a save calls its temporary files.
    return QDir(folder).entryList({ ".scheme.tw.*" }, QDir::AllEntries | QDir::Hidden | QDir::System);
}

TEST(CrashConsistency, AKilledSaveLeavesTheWholeOldOrTheWholeNewFileAndNoPileOfTemporaryFiles)
{
    const bool longRun = qEnvironmentVariableIsSet("TINTWELL_KILL_RUNS");
    const int planned = EnvNumber("TINTWELL_KILL_RUNS", 40);
    const auto seed = static_cast<unsigned>(EnvNumber("TINTWELL_KILL_SEED", 20261207));
    TestFolder folder;
    const QString target = folder.file("scheme.tw");
    const QByteArray old = Encoded(0);
    const QByteArray fresh = Encoded(1);
    ASSERT_NE(old, fresh);
    Put(target, old);

    // How long a start and two saves take here sets the span the kills fall in.
    QElapsedTimer timer;
    timer.start();
    const pid_t first = StartDriver(target, "2");
    ASSERT_GT(first, 0);
    const int status = WaitFor(first);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the driver failed on its own";
    const qint64 span = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
    ASSERT_EQ(Contents(target), old);

    std::mt19937 random(seed);
    int keptOld = 0;
    int tookNew = 0;
    int leftTemporary = 0;
    QElapsedTimer budget;
    budget.start();
    int kills = 0;
    for (; kills < planned && (longRun || kills < 5 || budget.elapsed() < 15000); ++kills) {
        const int kill = kills;
        const pid_t driver = StartDriver(target);
        // Never 0 or less here: a kill of those would reach other processes.
        ASSERT_GT(driver, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<qint64>(0, span)(random)));
        ::kill(driver, SIGKILL);
        const int ended = WaitFor(driver);
        ASSERT_TRUE(WIFSIGNALED(ended)) << "the driver ended before it was killed";

        const QByteArray now = Contents(target);
        ASSERT_TRUE(now == old || now == fresh) << "kill " << kill << " (seed " << seed << ") left " << now.size()
                                                << " bytes that are neither scheme";
        (now == old ? keptOld : tookNew) += 1;
        const QStringList temporary = TemporaryFiles(folder.path());
        ASSERT_LE(temporary.size(), 1) << "kill " << kill << ": " << temporary.join(", ").toStdString();
        leftTemporary += static_cast<int>(temporary.size());
    }
    // The next save that runs to its end leaves nothing behind.
    const pid_t last = StartDriver(target, "1");
    ASSERT_GT(last, 0);
    ASSERT_EQ(WaitFor(last), 0);
    EXPECT_EQ(Contents(target), fresh);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList { "scheme.tw" });

    std::cout << "crash: " << kills << " kills within " << span / 1000 << " ms of a start (seed " << seed << "): "
              << keptOld << " left the first scheme, " << tookNew << " the second; " << leftTemporary
              << " left a temporary file, never more than one" << std::endl;
}

} // namespace
