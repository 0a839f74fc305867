#include "report/Document.h"

#include "report/PagePainter.h"
#include "report/PdfTextRepair.h"

#include <QPainter>
#include <QPdfWriter>

namespace report {

Document::Document(const QString &title, const Paper &paper, const QList<Page> &pages)
    : m_title(title), m_paper(paper), m_pages(pages)
{
}

const QString &Document::title() const
{
    return m_title;
}

const Paper &Document::paper() const
{
    return m_paper;
}

const QList<Page> &Document::pages() const
{
    return m_pages;
}

int Document::pageCount() const
{
    return int(m_pages.size());
}

bool Document::writePdf(const QString &path) const
{
    QPdfWriter writer(path);
    writer.setTitle(m_title);
    writer.setCreator(QStringLiteral("盈丰达"));
    return paint(writer) && PdfTextRepair(*this).apply(path);
}

bool Document::paint(QPagedPaintDevice &device) const
{
    device.setPageLayout(m_paper.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PagePainter pagePainter(painter);
    for (int index = 0; index < m_pages.size(); ++index) {
        if (index > 0 && !device.newPage())
            return false;
        pagePainter.paint(m_pages.at(index));
    }
    return painter.end();
}

}
