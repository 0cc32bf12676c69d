#pragma once

// The small font of the strip, the tables and the sub-menus: their places are laid out in twips
// for it, so a narrow face keeps the longer texts whole. Where that face is missing the next one
// of the list, or the system's own, stands in.

#include <QFont>
#include <QStringList>

namespace gyrant {

// The given font as the dialog font: its face and size.
inline QFont DialogFont(QFont font) {
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arimo"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSizeF(7.75);
    return font;
}

}  // namespace gyrant
