#pragma once

#include <QString>
#include <QVariant>

namespace report {

// What a printout reads: rows of named fields.
class DataSource {
public:
    virtual ~DataSource() = default;
    virtual int rowCount() const = 0;
    virtual QVariant value(int row, const QString &field) const = 0;
};

}
