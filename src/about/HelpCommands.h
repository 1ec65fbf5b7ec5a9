#pragma once

#include <QString>

class TfrmAbout;
class TfrmMain;

// The product's web pages. The host lies under a reserved example domain, so no real site is implied.
QString ProductHost();
QString HomePageAddress();
QString ForumsAddress();
QString TutorialAddress();

// The help page for the program in programFolder, as an absolute path: help/<language>/index.html when that
// language has a page, otherwise the English help/index.html, each beside the program (a build or a portable copy)
// or in the installation's data folder. language is the one the program's texts speak, empty for English.
QString HelpFilePath(const QString& programFolder, const QString& language);

// Wires the main window's Help menu: the local help file in the program's language, the three web pages and the
// About box.
void ConnectHelpMenu(TfrmMain& main, TfrmAbout& about, const QString& language);
