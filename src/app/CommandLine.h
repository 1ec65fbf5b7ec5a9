#pragma once

#include <QString>
#include <QStringList>

// What the program was asked for on its command line.
struct CommandLine {
    enum class Action {
        Run,         // start; schemeFile, when not empty, is opened once the windows are up
        ShowHelp,    // print text and end
        ShowVersion, // print text and end
        Refuse,      // print text (what is wrong) and end with a failure
    };
    Action action = Action::Run;
    QString schemeFile; // absolute, from the working folder the program started in
    QString text;
};

// Reads the arguments, the program's name first. Asking for help or the version wins over anything else on the line,
// so it can be answered from the raw arguments before the toolkit has taken its own options out of them.
CommandLine ReadCommandLine(const QStringList& arguments);

// Prints what a command line other than Run asks for and returns the program's exit status.
int AnswerOnTerminal(const CommandLine& line);
