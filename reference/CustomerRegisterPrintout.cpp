#include "reference/CustomerRegisterPrintout.h"

#include "reference/FormName.h"
#include "reference/RegisterPrintout.h"

namespace reference {

CustomerRegisterPrintout::CustomerRegisterPrintout(const db::TableDataSet &customers, QWidget *parent, const QDate &printDate)
    : report::PrintPreview(definition(), RegisterSource(customers), parent, printDate)
{
    setObjectName(instanceName(FormName));
    setWindowTitle(QStringLiteral("客户基本资料打印"));
}

report::ReportDefinition CustomerRegisterPrintout::definition()
{
    return registerPrintout(QStringLiteral("客户资料"), QStringLiteral("客  户  资  料"),
                            {
                                {QStringLiteral("客户编号"), QStringLiteral("id"), 16},
                                {QStringLiteral("客户名称"), QStringLiteral("name"), 24},
                                {QStringLiteral("客户全称"), QStringLiteral("firstname"), 38},
                                {QStringLiteral("地址"), QStringLiteral("address"), 50},
                                {QStringLiteral("联系人"), QStringLiteral("people"), 15},
                                {QStringLiteral("电话"), QStringLiteral("tel"), 25},
                                {QStringLiteral("传真"), QStringLiteral("fax"), 25},
                                {QStringLiteral("E-Mail"), QStringLiteral("email"), 38},
                                {QStringLiteral("会计"), QStringLiteral("manager"), 14},
                                {QStringLiteral("备注"), QStringLiteral("memo"), 32},
                            });
}

} // namespace reference
