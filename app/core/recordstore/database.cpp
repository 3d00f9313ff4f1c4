#include "database.h"

#include "bookkeeping.h"
#include "rowset.h"
#include "sqlite.h"
#include "storeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace orvanta {

namespace {

const QByteArray SqliteMagic("SQLite format 3\0", 16);
constexpr int SqliteHeaderSize = 100;
constexpr int ApplicationIdOffset = 68;

bool isJetFile(const QByteArray& header)
{
    return header.startsWith(QByteArray("\x00\x01\x00\x00Standard Jet DB", 19))
        || header.startsWith(QByteArray("\x00\x01\x00\x00Standard ACE DB", 19));
}

QString columnSql(const ColumnDef& column)
{
    const QString name = sqlite::quoteIdentifier(column.name);
    switch (column.kind) {
    case ColumnDef::Kind::Picture: return name + QStringLiteral(" BLOB");
    case ColumnDef::Kind::Text:
    case ColumnDef::Kind::LongText: break;
    }
    return name + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
}

} // namespace

std::optional<QString> Database::whyNotOpenable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("文件不存在");
    if (!info.isFile())
        return QStringLiteral("这不是一个文件");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("没有读取该文件的权限");
    const QByteArray header = file.read(SqliteHeaderSize);
    if (header.isEmpty())
        return QStringLiteral("文件是空的，不是 Orvanta 数据库");
    if (isJetFile(header))
        return QStringLiteral("这是旧版 Access (Jet) 数据库文件，本程序不能直接打开它");
    if (header.size() < SqliteHeaderSize || !header.startsWith(SqliteMagic))
        return QStringLiteral("文件已损坏或不是 Orvanta 数据库");
    const quint32 applicationId = qFromBigEndian<quint32>(header.constData() + ApplicationIdOffset);
    if (applicationId != bookkeeping::ApplicationId)
        return QStringLiteral("这是其他程序的数据库文件，不是 Orvanta 数据库");
    return std::nullopt;
}

std::unique_ptr<Database> Database::open(const QString& path, Access access)
{
    if (const auto reason = whyNotOpenable(path))
        throw StoreError(QStringLiteral("无法打开数据库文件 %1：%2").arg(QDir::toNativeSeparators(path), *reason));
    const auto mode = access == Access::ReadOnly ? sqlite::Connection::Mode::ReadOnly : sqlite::Connection::Mode::ReadWrite;
    auto connection = std::make_shared<sqlite::Connection>(path, mode);
    // Committed rows must survive a crash or a power cut.
    connection->exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return std::unique_ptr<Database>(new Database(std::move(connection)));
}

std::unique_ptr<Database> Database::create(const QString& path)
{
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("无法创建数据库文件 %1：文件已经存在").arg(QDir::toNativeSeparators(path)));
    // Build the file under a temporary name so that a half-made file never
    // stands where the program looks for its database.
    const QString building = path + QStringLiteral(".creating");
    QFile::remove(building);
    {
        auto connection = std::make_shared<sqlite::Connection>(building, sqlite::Connection::Mode::Create);
        // Write-ahead logging: readers never block the writer, and a commit
        // is durable after one sync of the log.
        connection->exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        connection->exec(QStringLiteral("BEGIN;") + bookkeeping::createSchemaSql() + QStringLiteral("COMMIT;"));
    }
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        throw StoreError(QStringLiteral("无法创建数据库文件 %1").arg(QDir::toNativeSeparators(path)));
    }
    return open(path);
}

Database::Database(std::shared_ptr<sqlite::Connection> connection) : m_connection(std::move(connection)) {}

Database::~Database() = default;

QString Database::path() const
{
    return m_connection->path();
}

QStringList Database::tableDefs() const
{
    sqlite::Statement query(m_connection,
                            QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' "
                                           "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"));
    QStringList names;
    while (query.step()) {
        const QString name = query.value(0).toString();
        if (!bookkeeping::isBookkeepingTable(name))
            names << name;
    }
    return names;
}

void Database::createTable(const QString& name, const QList<ColumnDef>& columns, const QStringList& indexedColumns)
{
    QStringList definitions;
    for (const ColumnDef& column : columns)
        definitions << columnSql(column);
    QString sql = QStringLiteral("BEGIN;CREATE TABLE %1(%2);").arg(sqlite::quoteIdentifier(name), definitions.join(u','));
    for (const QString& column : indexedColumns)
        sql += QStringLiteral("CREATE INDEX %1 ON %2(%3);")
                   .arg(sqlite::quoteIdentifier(name + u'_' + column), sqlite::quoteIdentifier(name),
                        sqlite::quoteIdentifier(column));
    sql += bookkeeping::createTriggersSql(name) + QStringLiteral("COMMIT;");
    try {
        m_connection->exec(sql);
    } catch (const StoreError&) {
        m_connection->exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

std::unique_ptr<RowSet> Database::openRecordset(const QString& source)
{
    // A record source names a table, or selects every field of one.
    static const QString selectAll = QStringLiteral("SELECT * FROM ");
    QString table = source.trimmed();
    if (table.startsWith(selectAll, Qt::CaseInsensitive)) {
        table = table.mid(selectAll.size()).trimmed();
        if (table.size() >= 2 && table.startsWith(u'[') && table.endsWith(u']'))
            table = table.mid(1, table.size() - 2);
    }
    return std::make_unique<RowSet>(m_connection, table);
}

void Database::beginTrans()
{
    m_connection->exec(QStringLiteral("BEGIN IMMEDIATE"));
}

void Database::commitTrans()
{
    m_connection->exec(QStringLiteral("COMMIT"));
}

void Database::rollback()
{
    m_connection->exec(QStringLiteral("ROLLBACK"));
}

Transaction::Transaction(Database& database) : m_database(database)
{
    m_database.beginTrans();
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        m_database.rollback();
    } catch (const StoreError&) {
        // The engine already rolled back when the failure happened.
    }
}

void Transaction::commit()
{
    m_database.commitTrans();
    m_open = false;
}

} // namespace orvanta
