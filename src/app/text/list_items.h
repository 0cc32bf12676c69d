#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace gyrant {

// Shows a core list in a combo box: its items (refilled only when they changed, so an open
// list does not flicker) and its chosen position, without reporting the change as a choice.
void ShowListItems(QComboBox* list, const std::vector<std::string>& items, int chosen);

}  // namespace gyrant
