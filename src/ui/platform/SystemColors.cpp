#include "SystemColors.h"

#include "color/ColorValue.h"

#include <QPalette>

namespace kolvi {

namespace {

void Set(int index, const QColor& color) {
    SetSystemColor(index, MakeColor(color.red(), color.green(), color.blue()));
}

} // namespace

void RefreshSystemColors(const QPalette& palette) {
    const QPalette::ColorGroup active = QPalette::Active;
    const QPalette::ColorGroup inactive = QPalette::Inactive;
    Set(0, palette.color(active, QPalette::Mid));                // scroll bar
    Set(2, palette.color(active, QPalette::Highlight));          // active caption
    Set(3, palette.color(inactive, QPalette::Mid));              // inactive caption
    Set(4, palette.color(active, QPalette::Window));             // menu
    Set(5, palette.color(active, QPalette::Base));               // window
    Set(6, palette.color(active, QPalette::Shadow));             // window frame
    Set(7, palette.color(active, QPalette::WindowText));         // menu text
    Set(8, palette.color(active, QPalette::Text));               // window text
    Set(9, palette.color(active, QPalette::HighlightedText));    // caption text
    Set(12, palette.color(active, QPalette::Dark));              // application workspace
    Set(13, palette.color(active, QPalette::Highlight));         // highlight
    Set(14, palette.color(active, QPalette::HighlightedText));   // highlight text
    Set(15, palette.color(active, QPalette::Button));            // button face
    Set(16, palette.color(active, QPalette::Dark));              // button shadow
    Set(17, palette.color(QPalette::Disabled, QPalette::Text));  // grey text
    Set(18, palette.color(active, QPalette::ButtonText));        // button text
    Set(19, palette.color(inactive, QPalette::HighlightedText)); // inactive caption text
    Set(20, palette.color(active, QPalette::Light));             // button highlight
    Set(21, palette.color(active, QPalette::Shadow));            // 3D dark shadow
    Set(22, palette.color(active, QPalette::Midlight));          // 3D light
    Set(23, palette.color(active, QPalette::ToolTipText));       // tooltip text
    Set(24, palette.color(active, QPalette::ToolTipBase));       // tooltip background
}

} // namespace kolvi
