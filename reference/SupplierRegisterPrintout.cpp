#include "reference/SupplierRegisterPrintout.h"

#include "reference/FormName.h"
#include "reference/RegisterPrintout.h"

namespace reference {

SupplierRegisterPrintout::SupplierRegisterPrintout(const db::TableDataSet &suppliers, QWidget *parent, const QDate &printDate)
    : report::PrintPreview(definition(), RegisterSource(suppliers), parent, printDate)
{
    setObjectName(instanceName(FormName));
    setWindowTitle(QStringLiteral("厂商基本资料打印"));
}

report::ReportDefinition SupplierRegisterPrintout::definition()
{
    return registerPrintout(QStringLiteral("厂商资料"), QStringLiteral("厂  商  资  料"),
                            {
                                {QStringLiteral("厂商编号"), QStringLiteral("id"), 16},
                                {QStringLiteral("厂商简称"), QStringLiteral("name"), 24},
                                {QStringLiteral("厂商全称"), QStringLiteral("firstname"), 40},
                                {QStringLiteral("地址"), QStringLiteral("address"), 52},
                                {QStringLiteral("联系人"), QStringLiteral("people"), 15},
                                {QStringLiteral("电话"), QStringLiteral("tel"), 25},
                                {QStringLiteral("传真"), QStringLiteral("fax"), 25},
                                {QStringLiteral("E-Mail"), QStringLiteral("email"), 38},
                                {QStringLiteral("备注"), QStringLiteral("memo"), 42},
                            });
}

} // namespace reference
