#include "app/CommandLine.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(CommandLine, NamesAFileToOpenOrAsksForTextOrIsRefused)
{
    using Action = CommandLine::Action;
    const QString here = QDir::currentPath();
    const struct {
        QStringList arguments;
        Action action;
        QString file;
        QString textHas;
    } cases[] = {
        { { "tintwell" }, Action::Run, {}, {} },
        { { "tintwell", "dark.tw" }, Action::Run, here + "/dark.tw", {} },
        { { "tintwell", "/abs/olute.tw" }, Action::Run, "/abs/olute.tw", {} },
        { { "tintwell", "../up/x.tw" }, Action::Run, QDir::cleanPath(here + "/../up/x.tw"), {} },
        { { "tintwell", "--", "-dash.tw" }, Action::Run, here + "/-dash.tw", {} },
        { { "/usr/bin/tintwell", "--help" }, Action::ShowHelp, {}, "Usage: tintwell [options] [FILE.tw]" },
        { { "tintwell", "-h" }, Action::ShowHelp, {}, "--version" },
        { { "tintwell", "--bogus", "--help" }, Action::ShowHelp, {}, "A scheme file to open." },
        { { "tintwell", "--version" }, Action::ShowVersion, {}, "tintwell " TW_VERSION "\n" },
        { { "tintwell", "-v", "a.tw" }, Action::ShowVersion, {}, "tintwell " TW_VERSION "\n" },
        { { "tintwell", "--bogus" }, Action::Refuse, {}, "tintwell: Unknown option 'bogus'." },
        { { "tintwell", "a.tw", "b.tw" }, Action::Refuse, {}, "tintwell: one scheme file at a time\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine line = ReadCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.schemeFile, c.file);
        EXPECT_TRUE(line.text.contains(c.textHas)) << line.text.toStdString();
    }
}
