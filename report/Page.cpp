#include "report/Page.h"

#include <algorithm>

namespace report {

QStringList Page::texts() const
{
    QStringList texts;
    for (const PlacedItem &item : items) {
        if (item.kind == PlacedItem::Kind::Text)
            texts.append(item.text);
    }
    return texts;
}

const PlacedItem *Page::findText(const QString &text) const
{
    const auto found = std::find_if(items.cbegin(), items.cend(), [&text](const PlacedItem &item) {
        return item.kind == PlacedItem::Kind::Text && item.text == text;
    });
    return found == items.cend() ? nullptr : &*found;
}

}
