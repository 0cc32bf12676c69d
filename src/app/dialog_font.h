#pragma once

// The small font of the strip, the tables and the sub-menus: their places are laid out in twips
// for it.

#include <QFont>

namespace gyrant {

// The font given, at the dialog font's size.
inline QFont DialogFont(QFont font) {
    font.setPixelSize(11);
    return font;
}

}  // namespace gyrant
