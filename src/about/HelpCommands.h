#pragma once

#include <QString>

class TfrmAbout;
class TfrmMain;

// The product's web pages. The host lies under a reserved example domain, so no real site is implied.
QString ProductHost();
QString HomePageAddress();
QString ForumsAddress();
QString TutorialAddress();

// help/index.html beside the executable (a build or a portable copy) or in the installation's data folder, as an
// absolute path, wherever the program was started from.
QString HelpFilePath();

// Wires the main window's Help menu: the local help file, the three web pages and the About box.
void ConnectHelpMenu(TfrmMain& main, TfrmAbout& about);
