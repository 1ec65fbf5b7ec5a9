#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

CommandLine ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Tintwell designs colour schemes from one base colour."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.tw"),
        QCoreApplication::translate("CommandLine", "A scheme file to open.", "what FILE.tw on the command line is"),
        QStringLiteral("[FILE.tw]"));

    const bool parsed = parser.parse(arguments);
    // The program's own name, whatever it was started as, so the texts match the manual page.
    const QString name = QStringLiteral("tintwell");
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // The first line names the program as it was started, after the toolkit's word for usage in the user's
        // language ("Usage: ", "Aufruf: ", "Usage : ").
        text.replace(QRegularExpression(QStringLiteral("^([^\\n]*?:\\s)\\S+")), QStringLiteral("\\1") + name);
        return { CommandLine::Action::ShowHelp, {}, text };
    }
    if (parser.isSet(version))
        return { CommandLine::Action::ShowVersion, {}, QStringLiteral("%1 %2\n").arg(name, QStringLiteral(TW_VERSION)) };
    if (!parsed)
        return { CommandLine::Action::Refuse, {}, QStringLiteral("%1: %2\n").arg(name, parser.errorText()) };
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return { CommandLine::Action::Refuse, {},
            QStringLiteral("%1: %2\n").arg(name,
                QCoreApplication::translate("CommandLine", "one scheme file at a time",
                    "refusal on the terminal when more than one file is named"))};
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
