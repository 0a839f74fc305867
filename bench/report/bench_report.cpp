// Times the customer register over 10,000 customers: laying out every page,
// then writing the PDF. Run a Release build; pass a row count to change it.

#include "CustomerRegister.h"

#include "report/ReportEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace report;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const TableSource customers = CustomerRegister::sampleData(rows);
    const ReportDefinition definition = CustomerRegister::definition();
    QTemporaryDir dir;

    QElapsedTimer timer;
    timer.start();
    const Document document = ReportEngine::layout(definition, customers, QDate(2024, 3, 5));
    const qint64 layoutMs = timer.restart();
    const bool written = document.writePdf(dir.filePath("customers.pdf"));
    const qint64 pdfMs = timer.elapsed();
    if (!written) {
        std::fprintf(stderr, "could not write the PDF\n");
        return 1;
    }

    std::printf("rows:   %d\npages:  %d\nlayout: %lld ms\npdf:    %lld ms\ntotal:  %lld ms\n", rows,
                document.pageCount(), layoutMs, pdfMs, layoutMs + pdfMs);
    return 0;
}
