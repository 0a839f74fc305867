#pragma once

#include "report/DataSource.h"
#include "report/Document.h"
#include "report/ReportDefinition.h"

#include <QDate>
#include <QPrintPreviewDialog>

class QAction;
class QPrinter;

namespace report {

// Qt's print preview (page through, zoom, print) of a printout, with one more
// action that saves it as PDF. The printout is laid out once, when the window
// is made, so the data source need not outlive the constructor. Show it with
// showMaximized() and exec() or open().
class PrintPreview : public QPrintPreviewDialog {
    Q_OBJECT

public:
    PrintPreview(const ReportDefinition &definition, const DataSource &source, QWidget *parent = nullptr,
                 const QDate &printDate = QDate::currentDate());

    const Document &document() const;
    QAction *savePdfAction() const;

private:
    void printTo(QPrinter &target) const;
    void addSavePdfAction();
    void savePdf();
    QString suggestedPdfPath() const;

    Document m_document;
    QAction *m_savePdfAction = nullptr;
};

}
