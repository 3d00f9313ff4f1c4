#include "sqlite.h"

#include "storeerror.h"

#include <sqlite3.h>

namespace orvanta::sqlite {

namespace {
constexpr int BusyTimeoutMs = 5000;
}

Connection::Connection(const QString& path, Mode mode) : m_path(path)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case Mode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Mode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    }
    const QByteArray utf8 = path.toUtf8();
    const int rc = sqlite3_open_v2(utf8.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError(QStringLiteral("无法打开数据库文件 %1：%2").arg(path, reason));
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
}

Connection::~Connection()
{
    sqlite3_close_v2(m_db);
}

void Connection::exec(const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        throw StoreError(QStringLiteral("数据库操作失败（%1）：%2").arg(m_path, reason));
    }
}

void Connection::fail(const QString& what) const
{
    throw StoreError(QStringLiteral("数据库操作失败（%1）：%2：%3")
                         .arg(m_path, what, QString::fromUtf8(sqlite3_errmsg(m_db))));
}

Statement::Statement(std::shared_ptr<Connection> connection, const QString& sql)
    : m_connection(std::move(connection)), m_sql(sql)
{
}

sqlite3_stmt* Statement::prepared()
{
    if (!m_stmt) {
        const QByteArray utf8 = m_sql.toUtf8();
        if (sqlite3_prepare_v3(m_connection->handle(), utf8.constData(), int(utf8.size()),
                               SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) != SQLITE_OK)
            m_connection->fail(m_sql);
    }
    return m_stmt;
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int index, qint64 value)
{
    if (sqlite3_bind_int64(prepared(), index, value) != SQLITE_OK)
        m_connection->fail(QStringLiteral("bind"));
    return *this;
}

Statement& Statement::bind(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text64(prepared(), index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8) != SQLITE_OK)
        m_connection->fail(QStringLiteral("bind"));
    return *this;
}

Statement& Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    prepared();
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (value.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
    } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
        rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
    } else {
        return bind(index, value.toString());
    }
    if (rc != SQLITE_OK)
        m_connection->fail(QStringLiteral("bind"));
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(prepared());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString sql = QString::fromUtf8(sqlite3_sql(m_stmt));
    sqlite3_reset(m_stmt);
    m_connection->fail(sql);
}

void Statement::run()
{
    reset();
    while (step()) {
    }
    reset();
}

void Statement::reset()
{
    if (m_stmt)
        sqlite3_reset(m_stmt);
}

qint64 Statement::int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_stmt, column)));
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)));
    }
    }
}

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace orvanta::sqlite
