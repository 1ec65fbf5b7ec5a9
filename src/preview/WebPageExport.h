#pragma once

#include "document/PreviewColors.h"

#include <QByteArray>
#include <QString>

class QWidget;

// The sample page as a standalone HTML file: 42 lines, each ending in CR LF, always 1643 bytes whatever the colours.
QByteArray WebPageDocument(const PreviewColors& colors);

// "Save as Webpage": asks for a file name, writes the page there, reports a failure. One object serves a
// window for its whole life, so the dialog offers the previous choice again.
class WebPageExport {
public:
    void Save(QWidget* parent, const PreviewColors& colors);

private:
    QString m_lastName;
};
