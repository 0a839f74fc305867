#include "PurchaseOrder.h"

#include "report/PagePainter.h"
#include "report/PrintPreview.h"
#include "report/ReportEngine.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace report;

namespace {

const QDate printDay(2024, 3, 5);

// What a poppler tool prints for a file, or an empty string when it failed.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF as pdftotext lays it out, without white space.
QString readBack(const QString &path)
{
    QString text = poppler("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// A page painted on white at 254 dpi: ten pixels to the millimetre.
QImage painted(const Page &page, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    QPainter painter(&image);
    PagePainter(painter).paint(page);
    painter.end();
    return image;
}

}

class TestReportOutput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void purchaseOrderPdfReadsBack();
    void pdfPageHasThePaperSize_data();
    void pdfPageHasThePaperSize();
    void chineseInMissingFamiliesUsesNotoCjk();
    void writePdfReportsAnUnwritablePath();
    void painterMapsMillimetresToDeviceUnits();
    void twoLineTitlePrintsItsLinesOneUnderTheOther();
    void aLongTextWrapsWithinItsCell();
    void previewPaintsEveryPageAndOffersPdf();

private:
    QString writePdf(const ReportDefinition &definition, const DataSource &source, const QString &name);

    QTemporaryDir m_dir;
};

void TestReportOutput::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestReportOutput::writePdf(const ReportDefinition &definition, const DataSource &source, const QString &name)
{
    const QString path = m_dir.filePath(name);
    if (!ReportEngine::layout(definition, source, printDay).writePdf(path))
        return {};
    return path;
}

void TestReportOutput::purchaseOrderPdfReadsBack()
{
    const TableSource lines = PurchaseOrder::sampleData(12);
    const QString path = writePdf(PurchaseOrder::definition(), lines, "order.pdf");
    QVERIFY(!path.isEmpty());

    const QString compact = readBack(path);
    for (const char *text : {"临江盈丰达贴合鞋材有限公司", "订购单", "NO.PO24030001", "兹向晋江华丰化工公司订货如下：",
                             "订货日期：2024-03-02", "预交货日期：2024-03-17", "PU合成革1.2mm黑色米50.00",
                             "热熔胶膜HM-205深灰公斤161.758.3751,354.66急", "米黄"})
        QVERIFY2(compact.contains(QString::fromUtf8(text)), text);
}

void TestReportOutput::pdfPageHasThePaperSize_data()
{
    QTest::addColumn<qreal>("width");
    QTest::addColumn<qreal>("height");

    QTest::newRow("A4 portrait") << 210.0 << 297.0;
    QTest::newRow("A4 landscape") << 297.0 << 210.0;
    QTest::newRow("purchase order") << 210.0 << 150.0;
    QTest::newRow("acceptance slip") << 217.8 << 129.9;
    QTest::newRow("statement") << 215.9 << 130.0;
    QTest::newRow("narrow slip") << 210.0 << 120.0;
}

void TestReportOutput::pdfPageHasThePaperSize()
{
    QFETCH(qreal, width);
    QFETCH(qreal, height);
    ReportDefinition definition;
    definition.paper = {width, height};

    const QString path = writePdf(definition, TableSource({}), "paper.pdf");
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(poppler("pdfinfo", {path}));

    QVERIFY(size.hasMatch());
    const qreal pointsPerMillimetre = 72 / 25.4;
    QVERIFY(qAbs(size.captured(1).toDouble() - width * pointsPerMillimetre) < 1);
    QVERIFY(qAbs(size.captured(2).toDouble() - height * pointsPerMillimetre) < 1);
}

void TestReportOutput::chineseInMissingFamiliesUsesNotoCjk()
{
    ReportDefinition definition;
    definition.summary = Band{30,
                              {Element::label({0, 0, 60, 8}, "宋体写的客户").inFamily("宋体"),
                               Element::label({0, 10, 60, 8}, "Arial 写的客户").inFamily("Arial"),
                               Element::label({0, 20, 60, 8}, "DejaVu 写的客户").inFamily("DejaVu Sans")}};

    const QString path = writePdf(definition, TableSource({}), "fonts.pdf");
    const QStringList fonts = poppler("pdffonts", {path}).split(QLatin1Char('\n')).mid(2);

    QVERIFY(!fonts.filter(QStringLiteral("NotoSansCJKsc-Regular")).isEmpty());
    for (const QString &font : fonts) {
        const QString name = font.section(QLatin1Char(' '), 0, 0);
        QVERIFY2(name.isEmpty() || name.startsWith("NotoSansCJKsc") || name.startsWith("DejaVuSans"),
                 qPrintable(name));
    }
    const QString compact = readBack(path);
    QVERIFY(compact.contains(QStringLiteral("宋体写的客户Arial写的客户DejaVu写的客户")));
}

void TestReportOutput::writePdfReportsAnUnwritablePath()
{
    const Document document = ReportEngine::layout(ReportDefinition(), TableSource({}), printDay);

    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!document.writePdf(m_dir.filePath("missing/folder/report.pdf")));
}

void TestReportOutput::painterMapsMillimetresToDeviceUnits()
{
    Page page;
    page.items = {PlacedItem::line({5, 10, 25, 0}, 0.5), PlacedItem::frame({20, 20, 10, 8}, 0.3),
                  PlacedItem::textItem({0, 30, 40, 10}, "盈丰", FontSpec{{}, 12}.toQFont(), Align::Right, false)};

    const QImage image = painted(page, {400, 400});

    const auto isInk = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    QVERIFY(isInk(100, 100) && isInk(100, 102) && !isInk(100, 106) && !isInk(40, 100));
    QVERIFY(isInk(200, 250) && isInk(300, 250) && isInk(250, 200) && isInk(250, 280) && !isInk(250, 250));
    int leftmostInk = image.width();
    for (int y = 300; y < 400; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(x, y))
                leftmostInk = qMin(leftmostInk, x);
        }
    }
    QVERIFY2(leftmostInk > 250 && leftmostInk < 390, qPrintable(QString::number(leftmostInk)));
}

void TestReportOutput::twoLineTitlePrintsItsLinesOneUnderTheOther()
{
    // A 12 pt character is about 4.2 mm, 42 pixels.
    Page page;
    page.items = {PlacedItem::textItem({0, 0, 40, 20}, "定购\n数量", FontSpec{{}, 12}.toQFont(), Align::Center, true)};

    const QImage image = painted(page, {400, 200});

    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(ink.width() > 60 && ink.width() < 110, qPrintable(QString::number(ink.width())));
    QVERIFY2(ink.height() > 75 && ink.bottom() < 200, qPrintable(QString::number(ink.height())));
    QVERIFY2(qAbs(ink.center().x() - 200) < 10, qPrintable(QString::number(ink.center().x())));
}

void TestReportOutput::aLongTextWrapsWithinItsCell()
{
    // A 9 pt line is about 3.2 mm, 32 pixels; the cell is 20 mm wide, 8 mm high.
    Page page;
    page.items = {PlacedItem::textItem({10, 10, 20, 8}, "超长的规格说明文字一二三四五六", FontSpec{{}, 9}.toQFont(),
                                       Align::Center, true)};

    const QImage image = painted(page, {400, 200});

    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(QRect(100, 100, 200, 80).contains(ink), qPrintable(QStringLiteral("%1,%2 %3×%4").arg(ink.x()).arg(ink.y())
                                                                  .arg(ink.width()).arg(ink.height())));
    QVERIFY2(ink.height() > 45, qPrintable(QString::number(ink.height())));
}

void TestReportOutput::previewPaintsEveryPageAndOffersPdf()
{
    const TableSource lines = PurchaseOrder::sampleData(60);
    const int pages = ReportEngine::layout(PurchaseOrder::definition(), lines, printDay).pageCount();
    QVERIFY(pages > 1);
    PrintPreview preview(PurchaseOrder::definition(), lines, nullptr, printDay);

    QCOMPARE(preview.document().pageCount(), pages);
    QCOMPARE(preview.printer()->pageLayout().orientation(), QPageLayout::Landscape);
    auto *pagesView = preview.findChild<QPrintPreviewWidget *>();
    QVERIFY(pagesView);
    pagesView->updatePreview();
    QCOMPARE(pagesView->pageCount(), pages);
    QVERIFY(preview.findChild<QToolBar *>()->actions().contains(preview.savePdfAction()));
    QVERIFY(!preview.isVisible());
}

QTEST_MAIN(TestReportOutput)
#include "tst_reportoutput.moc"
