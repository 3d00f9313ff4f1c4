#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace orvanta::sqlite {

// One open SQLite connection, shared by the database and its row sets.
class Connection {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };
    Connection(const QString& path, Mode mode);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return m_db; }
    QString path() const { return m_path; }
    void exec(const QString& sql);
    [[noreturn]] void fail(const QString& what) const;

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

// A statement prepared on its first use, so that a row set pays only for
// the queries it runs; finalized with the object.
class Statement {
public:
    Statement(std::shared_ptr<Connection> connection, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, const QVariant& value);
    Statement& bind(int index, qint64 value);
    Statement& bind(int index, const QString& value);
    // Steps once; true while a row is available.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    qint64 int64(int column) const;
    QVariant value(int column) const;

private:
    sqlite3_stmt* prepared();

    std::shared_ptr<Connection> m_connection;
    QString m_sql;
    sqlite3_stmt* m_stmt = nullptr;
};

QString quoteIdentifier(const QString& name);

} // namespace orvanta::sqlite
