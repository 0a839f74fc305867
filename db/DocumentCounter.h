#pragma once

#include <QString>

namespace db {

class Connection;

// A running document number kept in a counter row of table inc (the column
// linid of the row with the counter's id). Taking a number reads and advances
// the counter in one transaction that keeps other workstations out
// meanwhile, so two documents taken at the same moment never share a number.
class DocumentCounter {
public:
    // The document's name, e.g. "订购单", words the messages of a bad counter.
    DocumentCounter(Connection &connection, const QString &id, const QString &document);

    // The counter's value before the step. A missing row or one that does not
    // hold a whole number raises an AppError and leaves the counter as it was.
    QString take();

private:
    Connection &m_connection;
    QString m_id;
    QString m_document;
};

} // namespace db
