#include "platform/ProgramStyle.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The toolkit's own style, counting the standard icons asked of it.
class CountingStyle final : public QProxyStyle {
public:
    explicit CountingStyle(int& asked)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion")))
        , m_asked(asked)
    {
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        ++m_asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }

private:
    int& m_asked;
};

void ExpectSamePictures(const QIcon& shown, const QIcon& own, const char* what)
{
    EXPECT_EQ(shown.isNull(), own.isNull()) << what;
    EXPECT_EQ(shown.availableSizes(), own.availableSizes()) << what;
    for (const qreal ratio : {1.0, 1.5, 2.0})
        for (const QSize size : {QSize(8, 8), QSize(16, 16), QSize(13, 21)})
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                const QPixmap a = shown.pixmap(size, ratio, mode);
                const QPixmap b = own.pixmap(size, ratio, mode);
                EXPECT_EQ(a.devicePixelRatio(), b.devicePixelRatio()) << what;
                EXPECT_EQ(a.toImage(), b.toImage())
                    << what << " at " << size.width() << "x" << size.height() << ", ratio " << ratio << ", mode " << mode;
            }
}

} // namespace

TEST(ProgramStyle, OverflowButtonPicturesAreTheStylesOwnReadWhenFirstShown)
{
    int asked = 0;
    auto* style = new ProgramStyle(new CountingStyle(asked));
    const StyleScope scope(style);
    // A menu bar makes its overflow button, with its picture, as it is made.
    QMenuBar bar;
    const auto buttons = bar.findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(asked, 0) << "nothing read before the button shows";

    const QIcon own = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(own.isNull());
    asked = 0;
    ExpectSamePictures(buttons.front()->icon(), own, "the menu bar's button");
    EXPECT_EQ(asked, 1) << "read once, when first needed";

    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
        ExpectSamePictures(style->standardIcon(which), style->baseStyle()->standardIcon(which), "an overflow button");
}

TEST(ProgramStyle, OtherStandardIconsAndIconsForAnOptionComeAtOnce)
{
    int asked = 0;
    ProgramStyle style(new CountingStyle(asked));
    const QIcon ok = style.standardIcon(QStyle::SP_DialogOkButton);
    EXPECT_EQ(asked, 1);
    ExpectSamePictures(ok, style.baseStyle()->standardIcon(QStyle::SP_DialogOkButton), "a dialog's button");

    // An option describes the moment it is asked in, and is gone afterwards.
    QStyleOption option;
    option.direction = Qt::RightToLeft;
    asked = 0;
    const QIcon mirrored = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option);
    EXPECT_EQ(asked, 1);
    ExpectSamePictures(mirrored,
        style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option), "a mirrored button");
}
