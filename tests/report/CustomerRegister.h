#pragma once

#include "report/ReportDefinition.h"
#include "report/TableSource.h"

namespace report {

// The customer register as the program prints it: A4 landscape, one ruled
// line per customer. Used as a realistic printout by the tests and the
// benchmark.
class CustomerRegister {
public:
    static ReportDefinition definition();
    // Customers with made-up Chinese names, addresses and people; row i is
    // always the same, and its id is "C" followed by i + 1 in five digits.
    static TableSource sampleData(int rows);
};

}
