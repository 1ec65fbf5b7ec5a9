#include "WebPageExport.h"

#include "persist/AtomicFile.h"
#include "platform/Services.h"

#include <QCoreApplication>

#include <string>

QByteArray WebPageDocument(const PreviewColors& colors)
{
    const std::string H = HexText(colors[kHeaderText]);
    const std::string T = HexText(colors[kTableHeaderText]);
    const std::string L = HexText(colors[kLinkText]);
    const std::string C = HexText(colors[kBodyHeaderText]);
    const std::string X = HexText(colors[kMainText]);
    const std::string BG = HexText(colors[kBackground]);
    const std::string HB = HexText(colors[kTableHeaderBG]);
    const std::string NB = HexText(colors[kNavBG]);
    const std::string MB = HexText(colors[kMainBG]);

    const std::string lines[] = {
        "<html>",
        "<head>",
        "  <title>Tintwell 3 - Web Page Color Preview</title>",
        "  <!-- Tintwell Color Values --",
        "  Text Colors:",
        "    Page Header: #" + H,
        "    Table Header: #" + T,
        "    Links: #" + L,
        "    Body Caption: #" + C,
        "    Body Text: #" + X,
        "  Background Colors:",
        "    Page Background: #" + BG,
        "    Table Header BG: #" + HB,
        "    Table Nav BG: #" + NB,
        "    Table Body BG: #" + MB,
        "  " + std::string(33, '-') + ">",
        "  <style type=\"text/css\">",
        "    A{font:11px/20px Verdana;color:#" + L + ";margin-left:10px;}",
        "    #Header{font:16px Verdana;font-weight:bold;text-align:center;color:#" + H + ";}",
        "    .TableHeader{font:13px Verdana;font-weight:bold;color:#" + T + ";padding-left:15px;}",
        "    .BodyCaption{font:11px/20px Verdana;font-weight:bold;color:#" + C + ";}",
        "    .BodyText{font:11px/20px Verdana;color:#" + X + ";margin-left:20px;}",
        "  </style>",
        "</head>",
        "<body bgcolor=\"#" + BG + "\" link=\"#" + L + "\" vlink=\"#" + L + "\">",
        "<div id=\"header\">Web Page Color Preview</div><br>",
        "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" border=\"0\" bgcolor=\"#000000\">",
        "<tr>",
        "  <td>",
        "  <table width=\"100%\" cellspacing=\"1\" cellpadding=\"6\" border=\"0\">",
        "  <tr>",
        "    <td colspan=\"2\" width=\"100%\" class=\"tableheader\" bgcolor=\"#" + HB + "\">Header Text</td>",
        "  </tr>",
        "  <tr>",
        "    <td width=\"20%\" height=\"140\" bgcolor=\"#" + NB
            + "\" valign=\"top\"><a href=\"#\">Link 1</a><br><a href=\"#\">Link 2</a><br>"
              "<a href=\"#\">Link 3</a><br><a href=\"#\">Link 4</a></td>",
        "    <td width=\"80%\" bgcolor=\"#" + MB
            + "\" valign=\"top\"><span class=\"bodycaption\">Body Header</span><br>"
              "<span class=\"bodytext\">This is the main text of the body of your page</span></td>",
        "  </tr>",
        "  </table></td>",
        "</tr>",
        "</table>",
        "</body>",
        "</html>",
    };

    QByteArray document;
    document.reserve(1643);
    for (const std::string& line : lines) {
        document.append(line.data(), static_cast<qsizetype>(line.size()));
        document.append("\r\n");
    }
    return document;
}

void WebPageExport::Save(QWidget* parent, const PreviewColors& colors)
{
    platform::FileDialogRequest request;
    request.filter = QCoreApplication::translate("TfrmPreview", "HTML Files (*.html *.htm)");
    request.defaultSuffix = QStringLiteral("html");
    request.initialPath = m_lastName;
    const std::optional<QString> chosen = platform::Dialogs().ChooseFileToSave(parent, request);
    if (!chosen)
        return;
    m_lastName = *chosen;
    const WriteOutcome outcome = WriteFileAtomically(*chosen, WebPageDocument(colors));
    if (!outcome.ok())
        platform::Messages().ShowMessage(parent, WriteFailureText(outcome));
}
