#include "contactdata.h"

#include "contactschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <sqlite3.h>
#include <stdexcept>

namespace orvanta::bench {

QString numberOf(int i) { return QStringLiteral("%1").arg(i, 7, 10, QLatin1Char('0')); }
QString nameOf(int i) { return QStringLiteral("联系人%1").arg(i); }
QString mobileOf(int i) { return QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0')); }
QString homePhoneOf(int i) { return QStringLiteral("0663%1").arg(i, 7, 10, QLatin1Char('0')); }

namespace {

QString dataFolder()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-data");
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void fill(const QString& path, int count)
{
    ContactSchema::createDatabase(path);
    sqlite3* db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO 记录表(编号,姓名,性别,出生日期,单位名称,家庭电话,手机号码,电子邮箱,家庭住址,备注) "
                             "VALUES(?,?,'男','1970-01-01','某某有限公司',?,?,?,'某省某市某区某街道某号','')",
                             -1, &insert, nullptr),
          db);
    for (int i = 1; i <= count; ++i) {
        const QByteArray number = numberOf(i).toUtf8(), name = nameOf(i).toUtf8(), home = homePhoneOf(i).toUtf8(),
                         mobile = mobileOf(i).toUtf8(), mail = QStringLiteral("c%1@example.org").arg(i).toUtf8();
        sqlite3_bind_text(insert, 1, number.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, home.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, mobile.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, mail.constData(), -1, SQLITE_TRANSIENT);
        check(sqlite3_step(insert), db);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

} // namespace

QString contactDatabase(int count)
{
    const QString path = dataFolder() + QStringLiteral("/contacts-%1.mdb").arg(count);
    if (!QFile::exists(path)) {
        const QString building = path + QStringLiteral(".building");
        QFile::remove(building);
        fill(building, count);
        QFile::rename(building, path);
    }
    return path;
}

QString copyOf(const QString& path, const QString& name)
{
    const QString copy = dataFolder() + u'/' + name;
    QFile::remove(copy);
    if (!QFile::copy(path, copy))
        throw std::runtime_error("cannot copy the benchmark database");
    return copy;
}

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024.0 * 1024.0) : 0;
}

} // namespace orvanta::bench
