#include "bookkeeping.h"

#include "sqlite.h"

namespace orvanta::bookkeeping {

namespace {
QString quotedLiteral(const QString& text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}
} // namespace

QString createSchemaSql()
{
    return QStringLiteral("PRAGMA application_id=%1;"
                          "CREATE TABLE %2(tbl TEXT PRIMARY KEY, n INTEGER NOT NULL) WITHOUT ROWID;"
                          "CREATE TABLE %3(tbl TEXT NOT NULL, id INTEGER NOT NULL, PRIMARY KEY(tbl, id)) WITHOUT ROWID;")
        .arg(qint32(ApplicationId))
        .arg(CountTable, GapTable);
}

QString createTriggersSql(const QString& table)
{
    const QString t = sqlite::quoteIdentifier(table);
    const QString name = quotedLiteral(table);
    const QString insertTrigger = sqlite::quoteIdentifier(table + QStringLiteral("_counted_insert"));
    const QString deleteTrigger = sqlite::quoteIdentifier(table + QStringLiteral("_counted_delete"));
    // A new row takes the highest id plus one, which may be a former gap.
    // Gaps above the highest id are dropped: no position is ever asked there.
    return QStringLiteral("INSERT INTO %1 VALUES(%3, 0);"
                          "CREATE TRIGGER %5 AFTER INSERT ON %4 BEGIN "
                          "UPDATE %1 SET n = n + 1 WHERE tbl = %3; "
                          "DELETE FROM %2 WHERE tbl = %3 AND id = new.rowid; "
                          "END;"
                          "CREATE TRIGGER %6 AFTER DELETE ON %4 BEGIN "
                          "UPDATE %1 SET n = n - 1 WHERE tbl = %3; "
                          "INSERT OR IGNORE INTO %2 VALUES(%3, old.rowid); "
                          "DELETE FROM %2 WHERE tbl = %3 AND id > coalesce((SELECT max(rowid) FROM %4), 0); "
                          "END;")
        .arg(CountTable, GapTable, name, t, insertTrigger, deleteTrigger);
}

bool isBookkeepingTable(const QString& name)
{
    return name == CountTable || name == GapTable;
}

} // namespace orvanta::bookkeeping
