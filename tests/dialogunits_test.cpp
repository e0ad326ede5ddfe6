#include "dialogunits.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(DialogUnits, ConvertLikeWindowsWithItsRounding)
{
    // The base units of "MS Shell Dlg" 8 point at 96 dpi.
    const DialogUnits units(6, 13);
    const std::pair<QRect, QRect> cases[] = {
        {QRect(7, 16, 55, 176), QRect(11, 26, 83, 286)},  // halves round up
        {QRect(91, 50, 36, 20), QRect(137, 81, 54, 33)},
        {QRect(177, 36, 36, 20), QRect(266, 59, 54, 33)},  // size converted on its own
        {QRect(0, 0, 0, 0), QRect(0, 0, 0, 0)},
    };
    for (const auto &[template_, pixels] : cases) {
        SCOPED_TRACE(template_.x());
        EXPECT_EQ(units.ToPixels(template_), pixels);
    }
    EXPECT_EQ(units.ToPixels(QSize(151, 199)), QSize(227, 323));
}

TEST(DialogUnits, DialogFontIsASmallSansFace)
{
    const QFont font = DialogFont();
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_EQ(font.styleHint(), QFont::SansSerif);
}
