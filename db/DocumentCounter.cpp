#include "db/DocumentCounter.h"

#include "db/AppError.h"
#include "db/Connection.h"
#include "db/Query.h"

namespace db {

DocumentCounter::DocumentCounter(Connection &connection, const QString &id, const QString &document)
    : m_connection(connection), m_id(id), m_document(document)
{
}

QString DocumentCounter::take()
{
    QString number;
    m_connection.transaction([&] {
        m_connection.lockForWriting(QStringLiteral("inc"));
        Query query(m_connection);
        query.setText(QStringLiteral("select linid from inc where id=:Q1"));
        query.setParam(QStringLiteral("Q1"), m_id);
        query.open();
        if (!query.next())
            throw AppError(QStringLiteral("表 inc 中没有 id 为“%1”的%2计数行，无法编号").arg(m_id, m_document));
        number = query.valueText(0);
        query.close();
        bool whole = false;
        const qlonglong current = number.trimmed().toLongLong(&whole);
        if (!whole)
            throw AppError(QStringLiteral("%1计数“%2”不是整数，无法编号").arg(m_document, number));
        Query advance(m_connection);
        advance.add(QStringLiteral("update inc"));
        advance.add(QStringLiteral("set linid=:Q2"));
        advance.add(QStringLiteral("where id=:Q1"));
        advance.setParam(QStringLiteral("Q1"), m_id);
        advance.setParam(QStringLiteral("Q2"), QString::number(current + 1));
        advance.exec();
    });
    return number;
}

} // namespace db
