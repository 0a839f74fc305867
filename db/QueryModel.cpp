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

// The statement without a closing semicolon, to stand inside another.
QString statementOf(const Query &query)
{
    QString text = query.text().trimmed();
    while (text.endsWith(QLatin1Char(';')))
        text = text.chopped(1).trimmed();
    return text;
}

} // namespace

// Reads a result a block at a time, and holds nothing open on SQLite between
// blocks: a statement still reading there keeps the workstation on the
// database as it was when the grid opened, and SQLite would refuse the
// workstation's next write at once whenever another one wrote meanwhile. Each
// block is read there by a statement of its own that ends with the block.
// PostgreSQL's client drops a result still being read as soon as the
// connection runs another statement, so there the server holds the result in
// a cursor that outlives the statements in between (declared with hold, it
// needs no open transaction).
class QueryModel::Reader {
public:
    Reader(Connection &connection, const Query &query)
        : m_connection(connection), m_text(statementOf(query)), m_params(query.params())
    {
        if (connection.engine() == Engine::PostgreSQL) {
            const QString cursor = nextCursorName();
            connection.run(QStringLiteral("declare %1 no scroll cursor with hold for %2")
                               .arg(cursor, query.inlinedText()));
            m_cursor = cursor;
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
            rows = readBlock(count);
            if (rows.size() < count)
                m_atEnd = true;
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
    QVector<QVector<QVariant>> readBlock(int count)
    {
        Query block(m_connection);
        block.setText(QStringLiteral("select * from (%1) limit %2 offset %3").arg(m_text).arg(count).arg(m_read));
        for (auto it = m_params.begin(); it != m_params.end(); ++it)
            block.setParam(it.key(), it.value());
        block.open();
        if (m_columns.isEmpty())
            m_columns = block.columnNames();
        QVector<QVector<QVariant>> rows;
        while (rows.size() < count && block.next())
            rows << values([&block](int c) { return block.value(c); });
        block.close();
        m_read += rows.size();
        return rows;
    }

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
        const QString cursor = m_cursor;
        m_cursor.clear();
        m_connection.run(QStringLiteral("close %1").arg(cursor));
    }

    Connection &m_connection;
    QString m_text;
    QMap<QString, QVariant> m_params;
    qint64 m_read = 0;
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
