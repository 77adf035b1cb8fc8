#include "dosboxconf/DOSBoxPanelPalette.h"

namespace DOSBoxPanelPalette {

QPalette panel(QPalette base)
{
    base.setColor(QPalette::Window, QColor(0x1e, 0x2c, 0x2c));
    base.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    return base;
}

QPalette pages(QPalette panel, const QPalette &desktop)
{
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button,
          QPalette::ButtonText, QPalette::PlaceholderText}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            panel.setColor(group, role, desktop.color(group, role));
    }
    return panel;
}

} // namespace DOSBoxPanelPalette
