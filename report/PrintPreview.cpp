#include "report/PrintPreview.h"

#include "report/ReportEngine.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

namespace report {

PrintPreview::PrintPreview(const ReportDefinition &definition, const DataSource &source, QWidget *parent,
                           const QDate &printDate)
    : QPrintPreviewDialog(parent), m_document(ReportEngine::layout(definition, source, printDate))
{
    setWindowTitle(m_document.title().isEmpty() ? QStringLiteral("打印预览")
                                                : QStringLiteral("打印预览 - %1").arg(m_document.title()));
    printer()->setFullPage(true);
    printer()->setPageLayout(m_document.paper().pageLayout());
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { printTo(*target); });
    addSavePdfAction();
}

void PrintPreview::printTo(QPrinter &target) const
{
    target.setFullPage(true);
    target.setDocName(m_document.title());
    m_document.paint(target);
}

const Document &PrintPreview::document() const
{
    return m_document;
}

QAction *PrintPreview::savePdfAction() const
{
    return m_savePdfAction;
}

void PrintPreview::addSavePdfAction()
{
    m_savePdfAction = new QAction(QIcon::fromTheme(QStringLiteral("document-save-as")),
                                  QStringLiteral("保存为 PDF…"), this);
    m_savePdfAction->setShortcut(QKeySequence::Save);
    connect(m_savePdfAction, &QAction::triggered, this, &PrintPreview::savePdf);
    addAction(m_savePdfAction);
    if (auto *toolBar = findChild<QToolBar *>()) {
        toolBar->addSeparator();
        toolBar->addAction(m_savePdfAction);
    }
}

void PrintPreview::savePdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存为 PDF"), suggestedPdfPath(),
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!m_document.writePdf(path))
        QMessageBox::warning(this, QStringLiteral("保存为 PDF"),
                             QStringLiteral("无法写入文件：%1").arg(QDir::toNativeSeparators(path)));
}

QString PrintPreview::suggestedPdfPath() const
{
    const QString name = m_document.title().isEmpty() ? QStringLiteral("报表") : m_document.title();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(name + QStringLiteral(".pdf"));
}

}
