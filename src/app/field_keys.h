#pragma once

// The keys that move between the fields of a form, for the editing strip and the sub-menus.

#include <QEvent>
#include <QObject>

namespace gyrant {

// Up moves the focus to the previous field as Shift+Tab does, Down and Enter to the next as Tab
// does. The key is taken when it moves the focus, so a list keeps its choice and Enter presses
// no button.
bool StepBetweenFields(QObject* field, QEvent* event);

}  // namespace gyrant
