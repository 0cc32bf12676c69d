#include "text/list_items.h"

#include "text/cell_codec.h"

namespace gyrant {

void ShowListItems(QComboBox* list, const std::vector<std::string>& items, int chosen) {
    QSignalBlocker quiet(list);
    QStringList wanted;
    for (const std::string& item : items) wanted << FromCell(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    if (shown != wanted) {
        list->clear();
        list->addItems(wanted);
    }
    list->setCurrentIndex(chosen);
}

}  // namespace gyrant
