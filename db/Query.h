#pragma once

#include "db/Connection.h"

#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace db {

// A statement written at run time, line by line, with named parameters
// (:Q1, :Q2, ...): the query data sets and commands of the windows.
class Query {
public:
    explicit Query(Connection &connection) : m_connection(connection) {}

    void clear();
    void add(const QString &line);
    void setText(const QString &sql);
    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    const QMap<QString, QVariant> &params() const { return m_params; }
    // The statement with each parameter written into it as a literal of the
    // engine, quoted by its driver: for a statement the server cannot
    // prepare with parameters, such as a cursor's declaration.
    QString inlinedText() const;
    // Dates travel in the data layer's date form; texts, numbers and nulls as they are.
    void setParam(const QString &name, const QVariant &value);

    // Runs a query; its rows are then read with next().
    void open();
    // Runs a statement that returns no rows.
    void exec();
    void close();

    bool next();
    // The names of the open result's columns, as the statement gives them
    // (its aliases, "品名", "规格"), in order.
    QStringList columnNames() const;
    QVariant value(int column) const;
    QString valueText(int column) const;   // the value as a field shows it
    int rowsAffected() const;

    // The first column of every row of a query, as texts, in the server's order.
    static QStringList texts(Connection &connection, const QString &sql, const QMap<QString, QVariant> &params = {});

private:
    void run();

    Connection &m_connection;
    QStringList m_lines;
    QMap<QString, QVariant> m_params;
    QSqlQuery m_query;
    bool m_open = false;
};

} // namespace db
