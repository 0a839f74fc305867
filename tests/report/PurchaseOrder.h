#pragma once

#include "report/ReportDefinition.h"
#include "report/TableSource.h"

namespace report {

// The purchase order: 210 × 150 mm paper, the supplier of the page's first
// row named in the page header, order dates of the last row in the summary.
class PurchaseOrder {
public:
    static ReportDefinition definition();
    // Order lines; every ten lines a new order to the next supplier begins.
    static TableSource sampleData(int rows);
};

}
