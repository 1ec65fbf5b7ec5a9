#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

CommandLine ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tintwell designs colour schemes from one base colour."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.tw"), QStringLiteral("A scheme file to open."),
        QStringLiteral("[FILE.tw]"));

    const bool parsed = parser.parse(arguments);
    // The program's own name, whatever it was started as, so the texts match the manual page.
    const QString name = QStringLiteral("tintwell");
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: ") + name);
        return { CommandLine::Action::ShowHelp, {}, text };
    }
    if (parser.isSet(version))
        return { CommandLine::Action::ShowVersion, {}, QStringLiteral("%1 %2\n").arg(name, QStringLiteral(TW_VERSION)) };
    if (!parsed)
        return { CommandLine::Action::Refuse, {}, QStringLiteral("%1: %2\n").arg(name, parser.errorText()) };
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return { CommandLine::Action::Refuse, {}, QStringLiteral("%1: one scheme file at a time\n").arg(name) };
    if (files.size() == 1)
        return { CommandLine::Action::Run, QFileInfo(files.first()).absoluteFilePath(), {} };
    return {};
}

int AnswerOnTerminal(const CommandLine& line)
{
    const bool failed = line.action == CommandLine::Action::Refuse;
    std::fputs(line.text.toLocal8Bit().constData(), failed ? stderr : stdout);
    return failed ? 1 : 0;
}
