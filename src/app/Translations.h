#pragma once

#include <QString>
#include <QStringList>

// Which translations start-up put in place.
struct InstalledTranslations {
    QString language;    // the language of the program's own texts; empty when it speaks its source English
    bool toolkit = false; // whether the toolkit's own texts (standard buttons, file dialogs) came along
};

// Puts the program's texts, and the toolkit's where its folder has them, into the first of the user's languages
// (QLocale::uiLanguages(), most wanted first) that the program speaks. English, or a C locale, ahead of any
// translated language keeps the source texts and loads nothing. The translators belong to the application.
InstalledTranslations InstallTranslations(
    const QStringList& uiLanguages, const QString& folder, const QString& toolkitFolder);

// The same for the running program: its languages from the desktop, its translations from its own folder.
InstalledTranslations InstallSystemTranslations();
