#include "MainFixture.h"
#include "color/NamedColors.h"
#include "support/Controls.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

int g_asked = 0;

// Counts the painted areas the toolkit asks an accessible object for. (The toolkit asks for its own controls'
// objects whenever their texts change, listener or not; the painted areas are this program's to keep quiet.)
QAccessibleInterface* CountingFactory(const QString&, QObject* object)
{
    g_asked += qobject_cast<PaintBox*>(object) != nullptr;
    return nullptr;
}

class AccessibilityTest : public MainFixture {
protected:
    static QString Spoken(QObject* object, QAccessible::Text text = QAccessible::Name)
    {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(object);
        return spoken ? spoken->text(text) : QStringLiteral("(no accessible object)");
    }
};

// No painted area makes an accessible object until a client asks: start-up and colour changes pay nothing for it.
TEST_F(AccessibilityTest, StartingAndChangingColoursMakeNoAccessibleObjectForThePaintedAreas)
{
    QAccessible::installFactory(CountingFactory);
    g_asked = 0;
    auto w = Start();
    QApplication::processEvents();
    w->SetBaseColor(Pack(0x12, 0x34, 0x56));
    Named<QAction>(*w, "mnuTriads")->trigger();
    EXPECT_EQ(g_asked, 0);
    QAccessible::removeFactory(CountingFactory);
}

TEST_F(AccessibilityTest, ColourAreasSayWhatTheyShowWithTheirValueAndName)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(0xCD, 0x85, 0x3F));
    EXPECT_EQ(Spoken(ui.pbBase), "Base color, #CD853F, peru");
    EXPECT_EQ(Spoken(ui.pbBase, QAccessible::Description), "Not websafe");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ui.pbBase)->role(), QAccessible::Graphic);
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        const ColorValue color = w->SchemeColors()[n - 1];
        const QString name = Spoken(ui.pbColors[n - 1]);
        EXPECT_TRUE(name.startsWith(QStringLiteral("Swatch %1, ").arg(n))) << name.toStdString();
        EXPECT_TRUE(name.contains(QString::fromStdString(HashHexText(color)))) << name.toStdString();
        EXPECT_TRUE(name.endsWith(QString::fromStdString(ColorNameText(color)))) << name.toStdString();
        EXPECT_EQ(Spoken(ui.pbColors[n - 1], QAccessible::Description), "");
    }

    // A new base colour is heard at once; the harmony ring and the websafe mark are described.
    w->SetBaseColor(Pack(0x33, 0x66, 0x99));
    EXPECT_EQ(Spoken(ui.pbBase), "Base color, #336699, " + QString::fromStdString(ColorNameText(Pack(0x33, 0x66, 0x99))));
    EXPECT_TRUE(Spoken(ui.pbBase).contains("≈")) << "no keyword has that colour: the nearest is said as such";
    EXPECT_EQ(Spoken(ui.pbBase, QAccessible::Description), "Websafe");
    Named<QAction>(*w, "mnuComplements")->trigger();
    int ringed = 0;
    for (PaintBox* swatch : ui.pbColors)
        ringed += Spoken(swatch, QAccessible::Description) == "Highlighted in the harmony Complements";
    EXPECT_EQ(ringed, 2);
}

TEST_F(AccessibilityTest, FieldsAreNamedAndLinkedToTheirLabels)
{
    auto w = Start();
    const MainControls ui(*w);
    const std::pair<QLineEdit*, const char*> fields[] = {
        { ui.txtR, "Red" }, { ui.txtG, "Green" }, { ui.txtB, "Blue" }, { ui.txtHex, "Hexadecimal" } };
    for (const auto& [field, name] : fields) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Spoken(field), name);
        const auto labelled = QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label);
        ASSERT_EQ(labelled.size(), 1);
        EXPECT_EQ(labelled[0].first->object()->metaObject()->className(), QStringLiteral("QLabel"));
    }
}

// Each palette cell is an object of its own with its value, and the cell the keyboard is on is the one a reader
// follows.
TEST_F(AccessibilityTest, PaletteCellsAreSpokenAndTheKeyboardsCellHasTheFocus)
{
    auto w = Start();
    const MainControls ui(*w);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(ui.pbPalette);
    ASSERT_EQ(strip->childCount(), 216);
    const struct {
        int cell;
        const char* name;
    } cells[] = { { 0, "Palette row 1 column 1, #000000, black" }, { 2 * 36 + 7, "Palette row 3 column 8, #663333" },
        { 215, "Palette row 6 column 36, #FFFFFF, white" } };
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.cell);
        QAccessibleInterface* item = strip->child(cell.cell);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->text(QAccessible::Name).startsWith(QString::fromUtf8(cell.name))) << item->text(QAccessible::Name).toStdString();
        EXPECT_EQ(strip->indexOfChild(item), cell.cell);
        EXPECT_EQ(strip->childAt(item->rect().center().x(), item->rect().center().y()), item);
    }
    EXPECT_EQ(strip->focusChild(), nullptr) << "no cell has the focus while the strip has not";
    ui.pbPalette->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ui.pbPalette, Qt::Key_Down);
    QTest::keyClick(ui.pbPalette, Qt::Key_Right);
    ASSERT_NE(strip->focusChild(), nullptr);
    EXPECT_EQ(strip->indexOfChild(strip->focusChild()), 37);
    EXPECT_TRUE(strip->focusChild()->state().focused);
    EXPECT_TRUE(strip->focusChild()->text(QAccessible::Name).contains("#330033"));
}

} // namespace
