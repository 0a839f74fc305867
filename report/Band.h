#pragma once

#include "report/Element.h"

#include <QList>

namespace report {

// A strip across the page that prints as a whole: never split over two pages.
struct Band {
    qreal height = 0; // mm
    QList<Element> elements;
};

}
