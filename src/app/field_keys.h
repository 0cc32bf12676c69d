#pragma once

// The keys that move between the fields of a form, for the editing strip and the sub-menus.

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace gyrant {

// Up moves the focus to the previous field as Shift+Tab does, Down and Enter to the next as Tab
// does. The key is taken when it moves the focus, so a list keeps its choice and Enter presses
// no button.
bool StepBetweenFields(QObject* field, QEvent* event);
// Enter that reaches a form because the control with the focus (a button) left it moves the
// focus to the form's next field in Tab order, passing over buttons; true when it took the key.
bool EnterToNextField(QWidget* form, QKeyEvent* event);

}  // namespace gyrant
