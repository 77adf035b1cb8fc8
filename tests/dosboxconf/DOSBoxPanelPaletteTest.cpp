#include "dosboxconf/DOSBoxPanelPalette.h"

#include <gtest/gtest.h>

namespace {

// The editor's pages on the dark panel take back the desktop's faces and texts, disabled ones
// included, and keep the rest of the panel's palette.
TEST(DOSBoxPanelPalette, PagesOnTheDarkPanelTakeTheDesktopsColoursBack)
{
    QPalette desktop(QColor(Qt::white));
    desktop.setColor(QPalette::Disabled, QPalette::Text, Qt::gray);
    QPalette panel = DOSBoxPanelPalette::panel(desktop);
    EXPECT_EQ(panel.color(QPalette::Window), QColor(0x1e, 0x2c, 0x2c));
    panel.setColor(QPalette::Highlight, Qt::red);
    panel.setColor(QPalette::Text, Qt::black);
    const QPalette pages = DOSBoxPanelPalette::pages(panel, desktop);
    EXPECT_EQ(pages.color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(pages.color(QPalette::Active, QPalette::Text), desktop.color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(pages.color(QPalette::Disabled, QPalette::Text), QColor(Qt::gray));
    EXPECT_EQ(pages.color(QPalette::Highlight), QColor(Qt::red));
}

} // namespace
