#pragma once

#include "report/Band.h"

#include <QString>

#include <optional>

namespace report {

// Rows that share the value of a field. The header prints before the first
// row of each run of equal values, the footer after its last row.
struct Group {
    QString field;
    std::optional<Band> header;
    std::optional<Band> footer;
};

}
