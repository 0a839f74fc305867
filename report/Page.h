#pragma once

#include "report/PlacedItem.h"

#include <QList>
#include <QStringList>

namespace report {

// The items of one page, in the order they were placed: band by band, and
// within a band in the order of its elements.
struct Page {
    QList<PlacedItem> items;

    QStringList texts() const;
    // The first text item that shows exactly text, or null.
    const PlacedItem *findText(const QString &text) const;
};

}
