#pragma once

#include "database.h"

#include <QList>
#include <QString>

namespace orvanta {

// The fields of the contact table 记录表, in table order. Schema, bindings,
// grids and importers all read this one list.
struct ContactField {
    int number;            // 1..24
    QString name;          // column name, used verbatim in finds and bindings
    ColumnDef::Kind kind;
    QString mainControl;   // "Text1".."Text23", "Image8"
    int mainPage;          // 0 常规, 1 通信内容, 2 图片
    QString caption;       // label caption in the main window
    int maxLengthMain;     // 0: no limit
    int maxLengthViewer;
};

namespace ContactSchema {
const QString& tableName();
const QList<ContactField>& fields();
const ContactField& field(int number);
// The fields a find looks in; each carries an index.
QStringList indexedFields();
// Creates an empty contact database at path (which must not exist yet).
std::unique_ptr<Database> createDatabase(const QString& path);
} // namespace ContactSchema

} // namespace orvanta
