#pragma once

#include <QPixmap>

namespace gyrant {

// Gyrant's picture: a wheel and tire spinning, drawn at any size.
QPixmap GyrantEmblem(int size);

}  // namespace gyrant
