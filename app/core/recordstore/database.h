#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace orvanta {

namespace sqlite {
class Connection;
}
class RowSet;

struct ColumnDef {
    enum class Kind { Text, LongText, Picture };
    QString name;
    Kind kind = Kind::Text;
};

// The database engine: an Orvanta database file and the tables in it.
// Files are SQLite databases marked with Orvanta's application id; any other
// file is refused before anything could be written to it.
class Database {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Throws StoreError naming the file and the reason when it cannot be opened.
    static std::unique_ptr<Database> open(const QString& path, Access access = Access::ReadWrite);
    // Creates a new, empty database file; refuses to replace an existing file.
    static std::unique_ptr<Database> create(const QString& path);
    // Why the file at path is not an Orvanta database, or nothing when it is.
    static std::optional<QString> whyNotOpenable(const QString& path);

    ~Database();

    QString path() const;
    QStringList tableDefs() const;
    void createTable(const QString& name, const QList<ColumnDef>& columns, const QStringList& indexedColumns = {});
    // A table name, or "SELECT * FROM " followed by one.
    std::unique_ptr<RowSet> openRecordset(const QString& source);

    void beginTrans();
    void commitTrans();
    void rollback();

private:
    explicit Database(std::shared_ptr<sqlite::Connection> connection);
    std::shared_ptr<sqlite::Connection> m_connection;
};

// Rolls back on destruction unless committed, so a failure half-way through a
// series of changes leaves the file as it was.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_database;
    bool m_open = true;
};

} // namespace orvanta
