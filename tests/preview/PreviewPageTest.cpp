#include "document/PreviewPage.h"
#include "persist/AtomicFile.h"
#include "preview/WebPageExport.h"

#include <QByteArrayList>

#include <algorithm>
#include <vector>
#include <gtest/gtest.h>

namespace {

// The document's lines without their CR LF; fails the test if any line lacks one or a stray CR or LF appears.
QByteArrayList Lines(const QByteArray& document)
{
    EXPECT_TRUE(document.endsWith("\r\n"));
    QByteArrayList lines = document.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty());
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r')) << line.constData();
        line.chop(1);
        EXPECT_FALSE(line.contains('\r')) << line.constData();
    }
    return lines;
}

TEST(PreviewPageTest, StartsWithTheDefaultColoursInStoredOrder)
{
    const PreviewPage page;
    const ColorValue black = Pack(0, 0, 0), white = Pack(255, 255, 255), grey = Pack(230, 230, 230);
    EXPECT_EQ(page.Colors(), (PreviewColors { black, black, black, black, black, white, grey, grey, white }));
    EXPECT_EQ(page.ElementColor(PageElement::tNavBG), grey);
    EXPECT_EQ(page.ElementColor(PageElement::tMainBG), white);
    EXPECT_EQ(page.ElementColor(PageElement::Link4), black);
}

TEST(PreviewPageTest, EveryLinkSharesOneColourAndOtherTextsStandAlone)
{
    PreviewPage page;
    page.SetElementColor(PageElement::Link3, Pack(1, 2, 3));
    for (PageElement link : { PageElement::Link1, PageElement::Link2, PageElement::Link3, PageElement::Link4 })
        EXPECT_EQ(page.ElementColor(link), Pack(1, 2, 3));
    EXPECT_EQ(page.Colors()[kLinkText], Pack(1, 2, 3));

    page.SetElementColor(PageElement::tBodyHeader, Pack(4, 5, 6));
    EXPECT_EQ(page.Colors()[kBodyHeaderText], Pack(4, 5, 6));
    EXPECT_EQ(page.Colors()[kMainText], Pack(0, 0, 0));
    EXPECT_EQ(page.Colors()[kHeaderText], Pack(0, 0, 0));

    PreviewColors stored = page.Colors();
    stored[kLinkText] = 0xFF00FF00; // a file may carry a top byte
    page.SetColors(stored);
    EXPECT_EQ(page.ElementColor(PageElement::Link2), Pack(0, 255, 0));

    page.ResetPreviewColors();
    EXPECT_EQ(page.Colors(), DefaultPreviewColors());
}

TEST(PreviewPageTest, PointsFindTheTopmostPartWithCellsMeetingOnSharedOutlines)
{
    struct Case {
        QPoint at;
        PageElement expected;
    };
    const Case cases[] = {
        { { 0, 0 }, PageElement::Background },
        { { 328, 224 }, PageElement::Background },
        { { 29, 100 }, PageElement::Background },        // just left of the table
        { { 297, 100 }, PageElement::Background },       // just right of it
        { { 150, 206 }, PageElement::Background },       // just below it
        { { 30, 37 }, PageElement::tHeaderBG },
        { { 200, 70 }, PageElement::tHeaderBG },
        { { 60, 71 }, PageElement::tNavBG },             // the shared row belongs to the lower cells
        { { 119, 150 }, PageElement::tMainBG },          // the shared column to the body cell
        { { 118, 150 }, PageElement::tNavBG },
        { { 200, 180 }, PageElement::tMainBG },
        { { 296, 205 }, PageElement::tMainBG },
        { { 51, 9 }, PageElement::Header },              // a text's whole box, letters or not
        { { 268, 26 }, PageElement::Header },
        { { 269, 26 }, PageElement::Background },
        { { 129, 62 }, PageElement::tHeader },
        { { 130, 62 }, PageElement::tHeaderBG },
        { { 42, 83 }, PageElement::Link1 },
        { { 75, 95 }, PageElement::Link1 },
        { { 76, 95 }, PageElement::tNavBG },
        { { 50, 100 }, PageElement::tNavBG },            // between two links
        { { 50, 101 }, PageElement::Link2 },
        { { 50, 125 }, PageElement::Link3 },
        { { 50, 149 }, PageElement::Link4 },
        { { 50, 150 }, PageElement::tNavBG },
        { { 217, 95 }, PageElement::tBodyHeader },
        { { 135, 102 }, PageElement::tMainText },
        { { 271, 130 }, PageElement::tMainText },
        { { 272, 130 }, PageElement::tMainBG },
        { { 200, 131 }, PageElement::tMainBG },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PreviewPage::ElementAt(c.at), c.expected)
            << c.at.x() << "," << c.at.y() << " expected " << PreviewPage::Info(c.expected).name;
    }
}

// The keyboard acts on a part at its point: the part must be the one on top there.
TEST(PreviewPageTest, EveryPartHasAPointWhereItLiesOnTop)
{
    for (int i = 0; i < kPageElementCount; ++i) {
        const auto part = static_cast<PageElement>(i);
        SCOPED_TRACE(PreviewPage::Info(part).name);
        const QPoint at = PreviewPage::PointOf(part);
        EXPECT_TRUE(PreviewPage::Info(part).box.contains(at));
        EXPECT_EQ(PreviewPage::ElementAt(at), part);
    }
    EXPECT_EQ(PreviewPage::PointOf(PageElement::tMainText), PreviewPage::Info(PageElement::tMainText).box.center());
}

TEST(WebPageExportTest, DefaultPageIsTheExactDocument)
{
    const QByteArray document = WebPageDocument(DefaultPreviewColors());
    ASSERT_EQ(document.size(), 1643);
    const QByteArrayList lines = Lines(document);
    ASSERT_EQ(lines.size(), 42);
    // Whole-line byte counts, CR LF included, as the format fixes them.
    const int lengths[42] = { 8, 8, 54, 33, 16, 26, 27, 20, 27, 24, 22, 30, 30, 27, 28, 38, 27, 63, 82, 87, 74,
        71, 12, 9, 57, 51, 83, 6, 8, 67, 8, 89, 9, 8, 171, 182, 9, 17, 7, 10, 9, 9 };
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(lines[i].size() + 2, lengths[i]) << "line " << i + 1 << ": " << lines[i].constData();

    const char* expected = R"(<html>
<head>
  <title>Tintwell 3 - Web Page Color Preview</title>
  <!-- Tintwell Color Values --
  Text Colors:
    Page Header: #000000
    Table Header: #000000
    Links: #000000
    Body Caption: #000000
    Body Text: #000000
  Background Colors:
    Page Background: #FFFFFF
    Table Header BG: #E6E6E6
    Table Nav BG: #E6E6E6
    Table Body BG: #FFFFFF
  --------------------------------->
  <style type="text/css">
    A{font:11px/20px Verdana;color:#000000;margin-left:10px;}
    #Header{font:16px Verdana;font-weight:bold;text-align:center;color:#000000;}
    .TableHeader{font:13px Verdana;font-weight:bold;color:#000000;padding-left:15px;}
    .BodyCaption{font:11px/20px Verdana;font-weight:bold;color:#000000;}
    .BodyText{font:11px/20px Verdana;color:#000000;margin-left:20px;}
  </style>
</head>
<body bgcolor="#FFFFFF" link="#000000" vlink="#000000">
<div id="header">Web Page Color Preview</div><br>
<table width="100%" cellspacing="0" cellpadding="0" border="0" bgcolor="#000000">
<tr>
  <td>
  <table width="100%" cellspacing="1" cellpadding="6" border="0">
  <tr>
    <td colspan="2" width="100%" class="tableheader" bgcolor="#E6E6E6">Header Text</td>
  </tr>
  <tr>
    <td width="20%" height="140" bgcolor="#E6E6E6" valign="top"><a href="#">Link 1</a><br><a href="#">Link 2</a><br><a href="#">Link 3</a><br><a href="#">Link 4</a></td>
    <td width="80%" bgcolor="#FFFFFF" valign="top"><span class="bodycaption">Body Header</span><br><span class="bodytext">This is the main text of the body of your page</span></td>
  </tr>
  </table></td>
</tr>
</table>
</body>
</html>
)";
    EXPECT_EQ(document, QByteArray(expected).replace("\n", "\r\n"));
}

TEST(WebPageExportTest, EachSlotTakesItsOwnColourWithTwoDigitsPerChannel)
{
    PreviewColors colors;
    for (int i = 0; i < kPreviewColorCount; ++i)
        colors[i] = Pack(10 + i, 0, 255 - i); // every slot distinct, red below 16 for the first six
    const QByteArrayList lines = Lines(WebPageDocument(colors));
    ASSERT_EQ(lines.size(), 42);
    EXPECT_EQ(lines[5], "    Page Header: #0A00FF");
    EXPECT_TRUE(lines[18].contains("color:#0A00FF;"));
    EXPECT_TRUE(lines[6].endsWith("#0B00FE"));
    EXPECT_TRUE(lines[19].contains("color:#0B00FE;"));
    EXPECT_TRUE(lines[8].endsWith("#0C00FD"));   // body caption, third in storage
    EXPECT_TRUE(lines[20].contains("color:#0C00FD;"));
    EXPECT_TRUE(lines[9].endsWith("#0D00FC"));
    EXPECT_TRUE(lines[21].contains("color:#0D00FC;"));
    EXPECT_TRUE(lines[7].endsWith("#0E00FB"));   // links, fifth in storage and third in the list
    EXPECT_TRUE(lines[11].endsWith("#0F00FA"));
    EXPECT_TRUE(lines[12].endsWith("#1000F9"));
    EXPECT_TRUE(lines[31].contains("bgcolor=\"#1000F9\""));
    EXPECT_TRUE(lines[13].endsWith("#1100F8"));
    EXPECT_TRUE(lines[34].contains("bgcolor=\"#1100F8\""));
    EXPECT_TRUE(lines[14].endsWith("#1200F7"));
    EXPECT_TRUE(lines[35].contains("bgcolor=\"#1200F7\""));
    EXPECT_EQ(WebPageDocument(colors).size(), 1643);
}

TEST(PreviewPageTest, EachContrastReadsATextAgainstTheCellItIsDrawnOn)
{
    // The backdrop of a text is the topmost filled part under its whole box, found from the page's own geometry.
    int linkPairs = 0;
    for (const ContrastPair& pair : PreviewPage::ContrastPairs()) {
        const QRect text = PreviewPage::Info(pair.text).box;
        ASSERT_EQ(PreviewPage::Info(pair.text).kind, ElementKind::Text);
        for (const QPoint corner : { text.topLeft(), text.bottomRight(), text.center() }) {
            PageElement under = PageElement::Background;
            for (int i = 1; i < kPageElementCount; ++i) {
                const auto e = static_cast<PageElement>(i);
                if (PreviewPage::Info(e).kind == ElementKind::Fill && PreviewPage::Info(e).box.contains(corner))
                    under = e;
            }
            EXPECT_EQ(under, pair.background) << PreviewPage::Info(pair.text).name;
        }
        linkPairs += PreviewPage::Info(pair.text).slot == kLinkText;
    }
    // Every text colour is read once; the four links share theirs.
    EXPECT_EQ(linkPairs, 1);
}

TEST(PreviewPageTest, ContrastsFollowThePageColours)
{
    const ColorValue black = Pack(0, 0, 0), white = Pack(255, 255, 255), grey76 = Pack(0x76, 0x76, 0x76),
                     grey77 = Pack(0x77, 0x77, 0x77), red = Pack(255, 0, 0);
    struct Case {
        const char* name;
        std::vector<std::pair<PreviewColorSlot, ColorValue>> changes;
        PageElement text;
        const char* shown;
        ContrastGrade grade;
    };
    const Case cases[] = {
        { "default title", {}, PageElement::Header, "21:1", ContrastGrade::AAA },
        { "default header row", {}, PageElement::tHeader, "16.83:1", ContrastGrade::AAA },
        { "default links", {}, PageElement::Link1, "16.83:1", ContrastGrade::AAA },
        { "caption at the AA line", { { kBodyHeaderText, grey76 } }, PageElement::tBodyHeader, "4.54:1", ContrastGrade::AA },
        { "body text just under it", { { kMainText, grey77 } }, PageElement::tMainText, "4.48:1", ContrastGrade::Fail },
        { "the body cell, not the page, behind the body text", { { kBackground, black } }, PageElement::tMainText, "21:1",
            ContrastGrade::AAA },
        { "the page behind the title", { { kBackground, black } }, PageElement::Header, "1:1", ContrastGrade::Fail },
        { "links on the navigation cell", { { kLinkText, white }, { kNavBG, red }, { kMainBG, black } }, PageElement::Link1,
            "4:1", ContrastGrade::Fail },
        { "symmetric: light text on dark", { { kTableHeaderText, white }, { kTableHeaderBG, grey76 } }, PageElement::tHeader,
            "4.54:1", ContrastGrade::AA },
    };
    for (const Case& c : cases) {
        PreviewPage page;
        for (const auto& [slot, color] : c.changes) {
            PreviewColors colors = page.Colors();
            colors[slot] = color;
            page.SetColors(colors);
        }
        const auto readings = page.Contrasts();
        const auto reading = std::find_if(readings.begin(), readings.end(),
            [&](const ContrastReading& r) { return r.pair->text == c.text; });
        ASSERT_NE(reading, readings.end()) << c.name;
        EXPECT_EQ(ContrastText(reading->ratio), c.shown) << c.name;
        EXPECT_EQ(reading->grade, c.grade) << c.name;
        // No text of the page is large by WCAG's measure: the title is 16 pixels bold, 12 points.
        EXPECT_EQ(reading->size, TextSize::Normal) << c.name;
    }
}

TEST(WebPageExportTest, ALinkColourReachesTheListTheStyleAndTheBody)
{
    PreviewPage page;
    page.SetElementColor(PageElement::Link2, Pack(0x12, 0xAB, 0x05));
    const QByteArrayList lines = Lines(WebPageDocument(page.Colors()));
    ASSERT_EQ(lines.size(), 42);
    EXPECT_EQ(lines[7], "    Links: #12AB05");
    EXPECT_EQ(lines[17], "    A{font:11px/20px Verdana;color:#12AB05;margin-left:10px;}");
    EXPECT_EQ(lines[24], "<body bgcolor=\"#FFFFFF\" link=\"#12AB05\" vlink=\"#12AB05\">");
}

TEST(WebPageExportTest, AFailureWithoutItsOwnSentenceNamesTheSystemError)
{
    // The other sentences are met through real failing writes in the window's tests.
    EXPECT_EQ(WriteFailureText({ WriteOutcome::Kind::IoError, 5 }), "I/O error 5");
}

} // namespace
