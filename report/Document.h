#pragma once

#include "report/Page.h"
#include "report/Paper.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

namespace report {

// A printout laid out into pages, ready to be read, printed or saved.
class Document {
public:
    Document() = default;
    Document(const QString &title, const Paper &paper, const QList<Page> &pages);

    const QString &title() const;
    const Paper &paper() const;
    const QList<Page> &pages() const;
    int pageCount() const;

    // Both set the device to the document's paper before painting: a
    // printer, a PDF writer or any other paged device.
    bool paint(QPagedPaintDevice &device) const;
    bool writePdf(const QString &path) const;

private:
    QString m_title;
    Paper m_paper;
    QList<Page> m_pages;
};

}
