#include "purchasing/PurchaseOrderNumbers.h"

#include "db/AppError.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "db/TextForms.h"

namespace purchasing {

QString PurchaseOrderNumbers::take()
{
    QString number;
    m_connection.transaction([&] {
        m_connection.lockForWriting(QStringLiteral("inc"));
        db::Query query(m_connection);
        query.setText(QStringLiteral("select linid from inc where id=:Q1"));
        query.setParam(QStringLiteral("Q1"), QStringLiteral("2"));
        query.open();
        if (!query.next())
            throw AppError(QStringLiteral("表 inc 中没有 id 为“2”的订购单计数行，无法编号"));
        number = query.valueText(0);
        query.close();
        bool whole = false;
        const qlonglong current = number.trimmed().toLongLong(&whole);
        if (!whole)
            throw AppError(QStringLiteral("订购单计数“%1”不是整数，无法编号").arg(number));
        db::Query advance(m_connection);
        advance.add(QStringLiteral("update inc"));
        advance.add(QStringLiteral("set linid=:Q2"));
        advance.add(QStringLiteral("where id=:Q1"));
        advance.setParam(QStringLiteral("Q1"), QStringLiteral("2"));
        advance.setParam(QStringLiteral("Q2"), QString::number(current + 1));
        advance.exec();
    });
    return number;
}

std::optional<QString> lineTotal(const QString &quantity, const QString &price)
{
    bool whole = false;
    const int count = quantity.trimmed().toInt(&whole);
    const auto each = db::parseNumber(price.trimmed());
    if (!whole || !each)
        return std::nullopt;
    return db::plainNumber(count * *each);
}

} // namespace purchasing
