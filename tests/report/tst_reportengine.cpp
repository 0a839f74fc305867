#include "report/ReportEngine.h"
#include "report/RuledTable.h"
#include "report/TableSource.h"

#include <QTest>

using namespace report;

namespace {

const QDate printDay(2024, 3, 5);

// The ledger fixture: 100 × 80 mm, 5 mm margins, so its body runs from under
// the column header (20 mm) to above the page footer (70 mm): five details.
constexpr qreal bodyTop = 20;
constexpr qreal bodyBottom = 70;

QString rowName(int row)
{
    return QStringLiteral("R%1").arg(row + 1);
}

// Rows R1, R2, ... with amounts 1, 2, ... and the given group values.
TableSource ledgerRows(int count, const QStringList &groups = {}, const QStringList &subgroups = {})
{
    TableSource source({"name", "amount", "group", "subgroup"});
    for (int row = 0; row < count; ++row)
        source.append({rowName(row), row + 1, groups.value(row), subgroups.value(row)});
    return source;
}

ReportDefinition ledger()
{
    ReportDefinition definition;
    definition.paper = {100, 80};
    definition.margins = {5, 5, 5, 5};
    definition.pageHeader = Band{10, {Element::label({0, 0, 20, 5}, "账页"), Element::field({20, 0, 20, 5}, "name")}};
    definition.columnHeader = Band{5, {Element::label({0, 0, 20, 5}, "名称")}};
    definition.detail = Band{10, {Element::field({0, 0, 20, 5}, "name")}};
    definition.pageFooter = Band{5, {Element::label({0, 0, 20, 5}, "页脚")}};
    return definition;
}

Band sumBand(qreal height, const QString &caption, Element::SumScope scope)
{
    return Band{height,
                {Element::label({0, 0, 20, 5}, caption), Element::sum({20, 0, 20, 5}, "amount", scope)}};
}

Document layOut(const ReportDefinition &definition, const DataSource &source)
{
    return ReportEngine::layout(definition, source, printDay);
}

QStringList allTexts(const Document &document)
{
    QStringList texts;
    for (const Page &page : document.pages())
        texts += page.texts();
    return texts;
}

}

class TestReportEngine : public QObject {
    Q_OBJECT

private slots:
    void emptyDataSetPrintsOnePage();
    void rowsBreakOntoPagesUnderRepeatedHeaders_data();
    void rowsBreakOntoPagesUnderRepeatedHeaders();
    void titleOnlyOnFirstPage();
    void pageHeaderShowsFirstRowOfEachPage();
    void pageNumberAndPrintDate();
    void runningSumContinuesAcrossPages();
    void groupHeaderOnEachChangeAndSumsRestart();
    void innerGroupRestartsWhenOuterChanges();
    void groupHeaderMovesWithItsFirstRow();
    void elementsArePlacedFromMarginAndBand();
    void spanningTitleStandsOverItsSubColumns();
    void textTooWideForItsBoxShrinks_data();
    void textTooWideForItsBoxShrinks();
    void itemFontFollowsBaseFontWithCjkFallback_data();
    void itemFontFollowsBaseFontWithCjkFallback();
};

void TestReportEngine::emptyDataSetPrintsOnePage()
{
    ReportDefinition definition = ledger();
    definition.summary = sumBand(10, "合计", Element::SumScope::Report);

    const Document document = layOut(definition, ledgerRows(0));

    QCOMPARE(document.pageCount(), 1);
    QCOMPARE(document.pages().first().texts(), QStringList({"账页", "", "名称", "合计", "0", "页脚"}));
}

void TestReportEngine::rowsBreakOntoPagesUnderRepeatedHeaders_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("detailsPerPage");

    // Details on each page; the summary, as tall as a detail, is -1 after
    // the count of the page it prints on.
    QTest::newRow("no rows") << 0 << QList<int>{0, -1};
    QTest::newRow("summary fits exactly") << 4 << QList<int>{4, -1};
    QTest::newRow("summary moves whole") << 5 << QList<int>{5, 0, -1};
    QTest::newRow("second page") << 9 << QList<int>{5, 4, -1};
    QTest::newRow("full pages") << 10 << QList<int>{5, 5, 0, -1};
    QTest::newRow("third page") << 11 << QList<int>{5, 5, 1, -1};
}

void TestReportEngine::rowsBreakOntoPagesUnderRepeatedHeaders()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, detailsPerPage);
    ReportDefinition definition = ledger();
    definition.summary = Band{10, {Element::label({0, 0, 20, 5}, "合计")}};

    const Document document = layOut(definition, ledgerRows(rows));

    QList<QStringList> expectedPages;
    int row = 0;
    for (const int details : detailsPerPage) {
        if (details < 0) {
            expectedPages.last().append("合计");
            continue;
        }
        QStringList page;
        for (int n = 0; n < details; ++n)
            page.append(rowName(row++));
        expectedPages.append(page);
    }
    QCOMPARE(document.pageCount(), expectedPages.size());
    for (int index = 0; index < document.pageCount(); ++index) {
        const Page &page = document.pages().at(index);
        const QStringList texts = page.texts();
        QCOMPARE(texts.mid(0, 1) + texts.mid(2, 1), QStringList({"账页", "名称"}));
        QCOMPARE(texts.mid(3, texts.size() - 4), expectedPages.at(index));
        QCOMPARE(texts.last(), QStringLiteral("页脚"));
        QCOMPARE(page.findText("页脚")->rect.top(), bodyBottom);
        for (const PlacedItem &item : page.items) {
            if (item.text != QStringLiteral("页脚"))
                QVERIFY2(item.rect.bottom() <= bodyBottom, qPrintable(item.text));
        }
    }
}

void TestReportEngine::titleOnlyOnFirstPage()
{
    ReportDefinition definition = ledger();
    definition.title = Band{10, {Element::label({0, 0, 20, 5}, "标题")}};

    const Document document = layOut(definition, ledgerRows(9));

    QCOMPARE(document.pageCount(), 2);
    const QStringList first = document.pages().at(0).texts();
    QCOMPARE(first.mid(0, 4), QStringList({"账页", "R1", "标题", "名称"}));
    QCOMPARE(first.count(), 4 + 4 + 1);
    QVERIFY(!document.pages().at(1).texts().contains("标题"));
}

void TestReportEngine::pageHeaderShowsFirstRowOfEachPage()
{
    ReportDefinition definition = ledger();
    definition.pageFooter->elements.append(Element::field({20, 0, 20, 5}, "name"));
    definition.summary = Band{10, {Element::field({0, 0, 20, 5}, "name")}};

    const Document document = layOut(definition, ledgerRows(10));

    QCOMPARE(document.pageCount(), 3);
    const QStringList pageStarts{"R1", "R6", "R10"};
    for (int index = 0; index < document.pageCount(); ++index) {
        const QStringList texts = document.pages().at(index).texts();
        QCOMPARE(texts.at(1), pageStarts.at(index));
        QCOMPARE(texts.last(), pageStarts.at(index));
    }
    QCOMPARE(document.pages().last().texts().at(3), QStringLiteral("R10"));
}

void TestReportEngine::pageNumberAndPrintDate()
{
    ReportDefinition definition = ledger();
    definition.pageFooter->elements = {Element::pageNumber({0, 0, 10, 5}), Element::printDate({10, 0, 30, 5})};

    const Document document = layOut(definition, ledgerRows(11));

    QCOMPARE(document.pageCount(), 3);
    for (int index = 0; index < document.pageCount(); ++index) {
        const QStringList texts = document.pages().at(index).texts();
        QCOMPARE(texts.mid(texts.size() - 2), QStringList({QString::number(index + 1), "2024-03-05"}));
    }
}

void TestReportEngine::runningSumContinuesAcrossPages()
{
    ReportDefinition definition = ledger();
    definition.pageHeader = sumBand(10, "承上页", Element::SumScope::Report);
    definition.detail->elements.append(Element::sum({20, 0, 20, 5}, "amount", Element::SumScope::Report));
    definition.pageFooter = sumBand(5, "累计", Element::SumScope::Report);

    const Document document = layOut(definition, ledgerRows(12));

    QCOMPARE(document.pageCount(), 3);
    QCOMPARE(document.pages().at(0).texts(),
             QStringList({"承上页", "0", "名称", "R1", "1", "R2", "3", "R3", "6", "R4", "10", "R5", "15", "累计", "15"}));
    QCOMPARE(document.pages().at(1).texts().mid(0, 5), QStringList({"承上页", "15", "名称", "R6", "21"}));
    QCOMPARE(document.pages().at(1).texts().last(), QStringLiteral("55"));
    QCOMPARE(document.pages().at(2).texts(),
             QStringList({"承上页", "55", "名称", "R11", "66", "R12", "78", "累计", "78"}));
}

void TestReportEngine::groupHeaderOnEachChangeAndSumsRestart()
{
    ReportDefinition definition = ledger();
    definition.paper.height = 300;
    definition.groups = {Group{"group", Band{5, {Element::field({0, 0, 20, 5}, "group")}},
                               Band{5,
                                    {Element::sum({0, 0, 20, 5}, "amount", Element::SumScope::Group).masked("#,#.00"),
                                     Element::sum({20, 0, 20, 5}, "amount", Element::SumScope::Report)}}}};
    definition.summary = sumBand(5, "合计", Element::SumScope::Report);

    const Document document = layOut(definition, ledgerRows(6, {"甲", "甲", "乙", "丙", "丙", "甲"}));

    QCOMPARE(document.pageCount(), 1);
    QCOMPARE(document.pages().first().texts(),
             QStringList({"账页", "R1", "名称",
                          "甲", "R1", "R2", "3.00", "3",
                          "乙", "R3", "3.00", "6",
                          "丙", "R4", "R5", "9.00", "15",
                          "甲", "R6", "6.00", "21",
                          "合计", "21", "页脚"}));
}

void TestReportEngine::innerGroupRestartsWhenOuterChanges()
{
    ReportDefinition definition = ledger();
    definition.paper.height = 300;
    definition.detail = std::nullopt;
    definition.groups = {Group{"group", std::nullopt, sumBand(5, "区", Element::SumScope::Group)},
                         Group{"subgroup", std::nullopt, sumBand(5, "类", Element::SumScope::Group)}};

    const Document document = layOut(definition, ledgerRows(4, {"北", "北", "南", "南"}, {"甲", "甲", "甲", "乙"}));

    QCOMPARE(document.pages().first().texts().mid(3, 10),
             QStringList({"类", "3", "区", "3", "类", "3", "类", "4", "区", "7"}));
}

void TestReportEngine::groupHeaderMovesWithItsFirstRow()
{
    ReportDefinition definition = ledger();
    definition.groups = {Group{"group", Band{5, {Element::field({0, 0, 20, 5}, "group")}}, std::nullopt}};

    // 甲's header and four rows fill 45 mm; 乙's header alone would still fit.
    const Document document = layOut(definition, ledgerRows(5, {"甲", "甲", "甲", "甲", "乙"}));

    QCOMPARE(document.pageCount(), 2);
    QCOMPARE(document.pages().at(1).texts().mid(3, 2), QStringList({"乙", "R5"}));
    QCOMPARE(document.pages().at(1).findText("乙")->rect.top(), bodyTop);
}

void TestReportEngine::elementsArePlacedFromMarginAndBand()
{
    ReportDefinition definition = ledger();
    definition.detail = Band{10,
                             {Element::cell({2, 1, 30, 8}, "格"), Element::horizontalRule(0, 10, 90),
                              Element::verticalRule(40, 0, 10), Element::frame({50, 2, 10, 6}).thick(0.5)}};

    const Document document = layOut(definition, ledgerRows(1));

    const QList<PlacedItem> detail = document.pages().first().items.mid(3, 5);
    const QList<PlacedItem::Kind> kinds{PlacedItem::Kind::Frame, PlacedItem::Kind::Text, PlacedItem::Kind::Line,
                                        PlacedItem::Kind::Line, PlacedItem::Kind::Frame};
    const QList<QRectF> rects{{7, 21, 30, 8}, {7, 21, 30, 8}, {5, 30, 90, 0}, {45, 20, 0, 10}, {55, 22, 10, 6}};
    for (int index = 0; index < detail.size(); ++index) {
        QCOMPARE(detail.at(index).kind, kinds.at(index));
        QCOMPARE(detail.at(index).rect, rects.at(index));
    }
    QCOMPARE(detail.at(1).text, QStringLiteral("格"));
    QCOMPARE(detail.at(4).lineWidth, 0.5);
}

void TestReportEngine::spanningTitleStandsOverItsSubColumns()
{
    const RuledTable table({{"客户名称", "a", 20}, {"来料不足", "b", 15}, {"原料不足", "c", 15},
                            {"加工损耗", "d", 15}, {"实际\n码数", "e", 20}});
    ReportDefinition definition;
    definition.margins = {5, 5, 5, 5};
    definition.columnHeader = table.columnHeader(10, {{"损耗状况", 1, 3}});

    const Page page = layOut(definition, ledgerRows(0)).pages().first();

    QCOMPARE(page.findText("损耗状况")->rect, QRectF(25, 5, 45, 5));
    for (const char *title : {"来料不足", "原料不足", "加工损耗"})
        QCOMPARE(page.findText(title)->rect.top(), 10.0);
    QCOMPARE(page.findText("客户名称")->rect, QRectF(5, 5, 20, 10));
    QCOMPARE(page.findText("实际\n码数")->rect, QRectF(70, 5, 20, 10));
    QList<QRectF> verticals;
    QList<QRectF> horizontals;
    for (const PlacedItem &item : page.items) {
        if (item.kind == PlacedItem::Kind::Line)
            (item.rect.width() == 0 ? verticals : horizontals).append(item.rect);
    }
    QCOMPARE(verticals, (QList<QRectF>{{5, 5, 0, 10}, {25, 5, 0, 10}, {40, 10, 0, 5}, {55, 10, 0, 5},
                                       {70, 5, 0, 10}, {90, 5, 0, 10}}));
    QCOMPARE(horizontals, (QList<QRectF>{{5, 15, 85, 0}, {5, 5, 85, 0}, {25, 10, 45, 0}}));
}

void TestReportEngine::textTooWideForItsBoxShrinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shrinks");
    QTest::addColumn<qreal>("smallest");
    QTest::addColumn<qreal>("largest");

    // A 9 pt ideograph is 3.175 mm wide; the box is 30 mm, 28.8 mm inside its padding.
    QTest::newRow("fits") << "晋江华丰鞋材" << true << 9.0 << 9.0;
    QTest::newRow("a little too wide") << "晋江华丰鞋材有限公司" << true << 8.0 << 8.3;
    QTest::newRow("far too wide stops shrinking") << "福建省晋江市青阳街一号工业区华丰鞋材有限公司" << true << 6.3 << 6.3;
    QTest::newRow("padding blanks are not measured") << "晋江华丰鞋材                              " << true << 9.0 << 9.0;
    QTest::newRow("not asked to shrink") << "晋江华丰鞋材有限公司" << false << 9.0 << 9.0;
}

void TestReportEngine::textTooWideForItsBoxShrinks()
{
    QFETCH(QString, text);
    QFETCH(bool, shrinks);
    QFETCH(qreal, smallest);
    QFETCH(qreal, largest);
    const Element cell = Element::label({0, 0, 30, 6}, text).clipped();
    ReportDefinition definition;
    definition.baseFont = {"宋体", 9};
    definition.summary = Band{6, {shrinks ? cell.shrunkToFit() : cell}};

    const qreal size = layOut(definition, ledgerRows(0)).pages().first().items.first().font.pointSizeF();

    QVERIFY2(size >= smallest - 0.01 && size <= largest + 0.01, qPrintable(QString::number(size)));
}

void TestReportEngine::itemFontFollowsBaseFontWithCjkFallback_data()
{
    QTest::addColumn<Element>("element");
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");

    const QRectF box(0, 0, 20, 5);
    QTest::newRow("base font") << Element::label(box, "字") << QStringList({"宋体", "Noto Sans CJK SC", "Noto Serif CJK SC"})
                               << 9.0 << false;
    QTest::newRow("own family and size") << Element::label(box, "字").inFamily("Arial").sized(15).bold()
                                         << QStringList({"Arial", "Noto Sans CJK SC", "Noto Serif CJK SC"}) << 15.0
                                         << true;
    QTest::newRow("a CJK family is not listed twice")
        << Element::label(box, "字").inFamily("Noto Serif CJK SC")
        << QStringList({"Noto Serif CJK SC", "Noto Sans CJK SC"}) << 9.0 << false;
}

void TestReportEngine::itemFontFollowsBaseFontWithCjkFallback()
{
    QFETCH(Element, element);
    QFETCH(QStringList, families);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    ReportDefinition definition;
    definition.baseFont = {"宋体", 9};
    definition.summary = Band{5, {element}};

    const QFont font = layOut(definition, ledgerRows(0)).pages().first().items.first().font;

    QCOMPARE(font.families(), families);
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.bold(), bold);
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
