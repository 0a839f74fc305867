#include "db/QueryModel.h"

#include "db/AppError.h"
#include "db/SqlDialect.h"
#include "db/TextForms.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace db {

namespace {

// Rows read at a time: a screenful or two of a grid.
constexpr int BlockRows = 256;

QString nextCursorName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("grid_result_%1").arg(++counter);
}

} // namespace

// Reads a result a block at a time. SQLite keeps the statement open between
// blocks while other statements run beside it. PostgreSQL's client drops a
// result still being read as soon as the connection runs another statement,
// so there the server holds the result in a cursor that outlives the
// statements in between (declared with hold, it needs no open transaction).
class QueryModel::Reader {
public:
    Reader(Connection &connection, const Query &query)
        : m_connection(connection), m_statement(connection)
    {
        if (connection.engine() == Engine::PostgreSQL) {
            const QString cursor = nextCursorName();
            connection.run(QStringLiteral("declare %1 no scroll cursor with hold for %2")
                               .arg(cursor, query.inlinedText()));
            m_cursor = cursor;
        } else {
            m_statement.setText(query.text());
            for (auto it = query.params().begin(); it != query.params().end(); ++it)
                m_statement.setParam(it.key(), it.value());
            m_statement.open();
            m_columns = m_statement.columnNames();
        }
    }

    ~Reader()
    {
        // A failed close must not abort a transaction the window is running;
        // the server drops the cursor with the session then.
        if (m_cursor.isEmpty() || m_connection.inTransaction())
            return;
        try {
            m_connection.run(QStringLiteral("close %1").arg(m_cursor));
        } catch (const AppError &) {
            // The connection was lost, and the cursor with it.
        }
    }

    const QStringList &columns() const { return m_columns; }
    bool atEnd() const { return m_atEnd; }

    // Up to count further rows; fewer only at the end of the result.
    QVector<QVector<QVariant>> read(int count)
    {
        QVector<QVector<QVariant>> rows;
        if (m_atEnd)
            return rows;
        if (m_cursor.isEmpty()) {
            while (rows.size() < count && m_statement.next())
                rows << values([this](int c) { return m_statement.value(c); });
            if (rows.size() < count)
                finish();
            return rows;
        }
        QSqlQuery block = m_connection.run(QStringLiteral("fetch forward %1 from %2").arg(count).arg(m_cursor));
        if (m_columns.isEmpty()) {
            const QSqlRecord record = block.record();
            for (int c = 0; c < record.count(); ++c)
                m_columns << record.fieldName(c);
        }
        while (block.next())
            rows << values([&block](int c) { return block.value(c); });
        if (rows.size() < count)
            finish();
        return rows;
    }

private:
    template <typename Value>
    QVector<QVariant> values(Value value) const
    {
        QVector<QVariant> row;
        row.reserve(m_columns.size());
        for (int c = 0; c < m_columns.size(); ++c)
            row << value(c);
        return row;
    }

    // The whole result is read: the database may let it go.
    void finish()
    {
        m_atEnd = true;
        if (m_cursor.isEmpty()) {
            m_statement.close();
            return;
        }
        const QString cursor = m_cursor;
        m_cursor.clear();
        m_connection.run(QStringLiteral("close %1").arg(cursor));
    }

    Connection &m_connection;
    Query m_statement;
    QString m_cursor;
    QStringList m_columns;
    bool m_atEnd = false;
};

QueryModel::QueryModel(Connection &connection, QObject *parent)
    : QAbstractTableModel(parent), m_connection(connection)
{
}

QueryModel::~QueryModel() = default;

void QueryModel::open(const Query &query)
{
    beginResetModel();
    m_reader.reset();
    m_rows.clear();
    m_titles.clear();
    m_shown.clear();
    try {
        m_reader = std::make_unique<Reader>(m_connection, query);
        m_rows = m_reader->read(BlockRows);
    } catch (const AppError &) {
        m_reader.reset();
        m_rows.clear();
        endResetModel();
        throw;
    }
    // The row identity the data layer gives keyless tables on PostgreSQL
    // ("select *" would list it) is no column of the system's.
    const QStringList &columns = m_reader->columns();
    for (int c = 0; c < columns.size(); ++c) {
        if (columns[c].compare(SqlDialect::rowIdColumn(), Qt::CaseInsensitive) == 0)
            continue;
        m_shown << c;
        m_titles << columns[c];
    }
    endResetModel();
}

void QueryModel::close()
{
    beginResetModel();
    m_reader.reset();
    m_rows.clear();
    m_titles.clear();
    m_shown.clear();
    endResetModel();
}

int QueryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int QueryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant QueryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_rows.size()
        || index.column() >= m_shown.size())
        return {};
    return displayText(m_rows[index.row()].value(m_shown[index.column()]));
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool QueryModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_reader && !m_reader->atEnd();
}

void QueryModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    QVector<QVector<QVariant>> rows;
    try {
        rows = m_reader->read(BlockRows);
    } catch (const AppError &e) {
        m_reader.reset();
        Q_EMIT readFailed(e.message());
        return;
    }
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows += rows;
    endInsertRows();
}

} // namespace db
