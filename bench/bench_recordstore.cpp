// Record store speed on contact tables of 10k to 1M rows, each operation
// beside the same work done with plain SQLite calls.
#include "contactdata.h"
#include "contactschema.h"
#include "criteria.h"
#include "database.h"
#include "rowset.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace orvanta;
using namespace orvanta::bench;

namespace {

const QString Table = QStringLiteral("记录表");
const char* const FindFields[] = {"编号", "姓名", "手机号码", "家庭电话"};
QString (*const FieldValue[])(int) = {numberOf, nameOf, mobileOf, homePhoneOf};

// The value a find looks for: in the first row, in the last row, or nowhere.
QString findValue(int field, int which, int count)
{
    if (which == 2)
        return QStringLiteral("没有这个人");
    return FieldValue[field](which == 0 ? 1 : count);
}

class Raw {
public:
    explicit Raw(const QString& path, int flags = SQLITE_OPEN_READWRITE)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
        sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    }
    ~Raw() { sqlite3_close_v2(db); }
    sqlite3_stmt* prepare(const char* sql)
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        return stmt;
    }
    static qint64 single(sqlite3_stmt* stmt)
    {
        const qint64 value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
        sqlite3_reset(stmt);
        return value;
    }
    sqlite3* db = nullptr;
};

void bindText(sqlite3_stmt* stmt, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// What the main window does on every change of row: count through a second
// opening of the file, and read the current position.
void showStatus(const QString& path, const RowSet& rows)
{
    auto counter = Database::open(path, Database::Access::ReadOnly);
    benchmark::DoNotOptimize(counter->openRecordset(Table)->recordCount());
    benchmark::DoNotOptimize(rows.absolutePosition());
}

void BM_OpenRowSet(benchmark::State& state)
{
    const QString path = contactDatabase(int(state.range(0)));
    for (auto _ : state) {
        auto database = Database::open(path);
        auto rows = database->openRecordset(Table);
        benchmark::DoNotOptimize(rows->value(QStringLiteral("姓名")));
    }
    auto database = Database::open(path);
    auto rows = database->openRecordset(Table);
    for (int i = 0; i < 1000; ++i)
        rows->moveNext();
    state.counters["rss_MiB"] = residentMiB();
}

void BM_Raw_OpenRowSet(benchmark::State& state)
{
    const QString path = contactDatabase(int(state.range(0)));
    for (auto _ : state) {
        Raw raw(path);
        sqlite3_stmt* first = raw.prepare("SELECT rowid FROM 记录表 ORDER BY rowid LIMIT 1");
        sqlite3_stmt* row = raw.prepare("SELECT * FROM 记录表 WHERE rowid = ?");
        sqlite3_bind_int64(row, 1, Raw::single(first));
        sqlite3_step(row);
        benchmark::DoNotOptimize(sqlite3_column_text(row, 1));
        sqlite3_finalize(row);
        sqlite3_finalize(first);
    }
}

void BM_NextWithStatus(benchmark::State& state)
{
    const QString path = contactDatabase(int(state.range(0)));
    auto database = Database::open(path);
    auto rows = database->openRecordset(Table);
    for (auto _ : state) {
        rows->moveNext();
        if (rows->eof())
            rows->moveFirst();
        benchmark::DoNotOptimize(rows->value(QStringLiteral("姓名")));
        showStatus(path, *rows);
    }
}

void BM_Raw_NextWithStatus(benchmark::State& state)
{
    const QString path = contactDatabase(int(state.range(0)));
    Raw raw(path);
    sqlite3_stmt* next = raw.prepare("SELECT rowid FROM 记录表 WHERE rowid > ? ORDER BY rowid LIMIT 1");
    sqlite3_stmt* row = raw.prepare("SELECT * FROM 记录表 WHERE rowid = ?");
    sqlite3_stmt* gaps = raw.prepare("SELECT count(*) FROM orvanta_gaps WHERE tbl = '记录表' AND id < ?");
    qint64 current = 0;
    for (auto _ : state) {
        sqlite3_bind_int64(next, 1, current);
        current = Raw::single(next);
        sqlite3_bind_int64(row, 1, current);
        sqlite3_step(row);
        benchmark::DoNotOptimize(sqlite3_column_text(row, 1));
        sqlite3_reset(row);
        {
            Raw counter(path, SQLITE_OPEN_READONLY);
            sqlite3_stmt* count = counter.prepare("SELECT n FROM orvanta_rowcount WHERE tbl = '记录表'");
            benchmark::DoNotOptimize(Raw::single(count));
            sqlite3_finalize(count);
        }
        sqlite3_bind_int64(gaps, 1, current);
        benchmark::DoNotOptimize(current - 1 - Raw::single(gaps));
    }
    sqlite3_finalize(next);
    sqlite3_finalize(row);
    sqlite3_finalize(gaps);
}

// The same status with plain counting: what the figures would cost without
// the counts the database keeps.
void BM_Raw_NaiveCountAndPosition(benchmark::State& state)
{
    const QString path = contactDatabase(int(state.range(0)));
    Raw raw(path);
    sqlite3_stmt* count = raw.prepare("SELECT count(*) FROM 记录表");
    sqlite3_stmt* below = raw.prepare("SELECT count(*) FROM 记录表 WHERE rowid < ?");
    sqlite3_bind_int64(below, 1, state.range(0) / 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Raw::single(count));
        benchmark::DoNotOptimize(Raw::single(below));
    }
    sqlite3_finalize(count);
    sqlite3_finalize(below);
}

void BM_FindFirst(benchmark::State& state)
{
    const int count = int(state.range(0));
    const int field = int(state.range(1));
    const QString criteria = Criteria::equals(QString::fromUtf8(FindFields[field]), findValue(field, int(state.range(2)), count));
    auto database = Database::open(contactDatabase(count));
    auto rows = database->openRecordset(Table);
    for (auto _ : state) {
        rows->findFirst(criteria);
        benchmark::DoNotOptimize(rows->absolutePosition());
    }
    state.SetLabel(std::string(FindFields[field]) + (state.range(2) == 0 ? " first" : state.range(2) == 1 ? " last" : " none"));
}

void BM_Raw_FindFirst(benchmark::State& state)
{
    const int count = int(state.range(0));
    const int field = int(state.range(1));
    Raw raw(contactDatabase(count));
    const QByteArray sql = QStringLiteral("SELECT rowid FROM 记录表 WHERE \"%1\" = ? ORDER BY rowid LIMIT 1")
                               .arg(QString::fromUtf8(FindFields[field]))
                               .toUtf8();
    sqlite3_stmt* find = raw.prepare(sql.constData());
    bindText(find, 1, findValue(field, int(state.range(2)), count));
    for (auto _ : state)
        benchmark::DoNotOptimize(Raw::single(find));
    sqlite3_finalize(find);
    state.SetLabel(std::string(FindFields[field]) + (state.range(2) == 0 ? " first" : state.range(2) == 1 ? " last" : " none"));
}

void findArguments(benchmark::internal::Benchmark* benchmark)
{
    for (int count : {10'000, 100'000, 1'000'000})
        for (int field = 0; field < 4; ++field)
            for (int which = 0; which < 3; ++which)
                benchmark->Args({count, field, which});
}

// Adding as the add command does: a new empty row stored at once, then the last row.
void BM_Add(benchmark::State& state)
{
    const QString path = copyOf(contactDatabase(int(state.range(0))), QStringLiteral("add.mdb"));
    auto database = Database::open(path);
    auto rows = database->openRecordset(Table);
    for (auto _ : state) {
        rows->addNew();
        rows->update();
        rows->moveLast();
    }
}

void BM_Raw_Add(benchmark::State& state)
{
    const QString path = copyOf(contactDatabase(int(state.range(0))), QStringLiteral("rawadd.mdb"));
    Raw raw(path);
    sqlite3_stmt* insert = raw.prepare("INSERT INTO 记录表 DEFAULT VALUES");
    sqlite3_stmt* last = raw.prepare("SELECT rowid FROM 记录表 ORDER BY rowid DESC LIMIT 1");
    for (auto _ : state) {
        sqlite3_step(insert);
        sqlite3_reset(insert);
        benchmark::DoNotOptimize(Raw::single(last));
    }
    sqlite3_finalize(insert);
    sqlite3_finalize(last);
}

// Saving as the save command does: every field of the current row written.
void BM_Save(benchmark::State& state)
{
    const QString path = copyOf(contactDatabase(int(state.range(0))), QStringLiteral("save.mdb"));
    auto database = Database::open(path);
    auto rows = database->openRecordset(Table);
    rows->moveLast();
    int i = 0;
    for (auto _ : state) {
        rows->edit();
        rows->setValue(QStringLiteral("姓名"), QString::number(++i));
        rows->update();
    }
}

void BM_Raw_Save(benchmark::State& state)
{
    const QString path = copyOf(contactDatabase(int(state.range(0))), QStringLiteral("rawsave.mdb"));
    Raw raw(path);
    QStringList assignments;
    for (const ContactField& field : ContactSchema::fields())
        assignments << u'"' + field.name + QStringLiteral("\" = ?");
    const QByteArray sql = (QStringLiteral("UPDATE 记录表 SET ") + assignments.join(u',') + QStringLiteral(" WHERE rowid = ?")).toUtf8();
    sqlite3_stmt* update = raw.prepare(sql.constData());
    int i = 0;
    for (auto _ : state) {
        for (int column = 1; column <= 23; ++column)
            bindText(update, column, QString::number(++i));
        sqlite3_bind_null(update, 24);
        sqlite3_bind_int64(update, 25, state.range(0));
        sqlite3_step(update);
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
}

// Deleting as the delete command does: the current row goes, the one before it shows.
void BM_DeleteCurrent(benchmark::State& state)
{
    const QString path = copyOf(contactDatabase(int(state.range(0))), QStringLiteral("delete.mdb"));
    auto database = Database::open(path);
    auto rows = database->openRecordset(Table);
    rows->moveLast();
    for (auto _ : state) {
        rows->deleteCurrent();
        rows->movePrevious();
    }
}

void BM_Raw_DeleteCurrent(benchmark::State& state)
{
    const QString path = copyOf(contactDatabase(int(state.range(0))), QStringLiteral("rawdelete.mdb"));
    Raw raw(path);
    sqlite3_stmt* remove = raw.prepare("DELETE FROM 记录表 WHERE rowid = ?");
    sqlite3_stmt* previous = raw.prepare("SELECT rowid FROM 记录表 WHERE rowid < ? ORDER BY rowid DESC LIMIT 1");
    qint64 current = state.range(0);
    for (auto _ : state) {
        sqlite3_bind_int64(remove, 1, current);
        sqlite3_step(remove);
        sqlite3_reset(remove);
        sqlite3_bind_int64(previous, 1, current);
        current = Raw::single(previous);
    }
    sqlite3_finalize(remove);
    sqlite3_finalize(previous);
}

void BM_DeleteAll(benchmark::State& state)
{
    const QString source = contactDatabase(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = copyOf(source, QStringLiteral("deleteall.mdb"));
        auto database = Database::open(path);
        auto rows = database->openRecordset(Table);
        state.ResumeTiming();
        rows->deleteAll();
    }
}

void BM_Raw_DeleteAll(benchmark::State& state)
{
    const QString source = contactDatabase(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = copyOf(source, QStringLiteral("rawdeleteall.mdb"));
        Raw raw(path);
        state.ResumeTiming();
        sqlite3_exec(raw.db, "DELETE FROM 记录表", nullptr, nullptr, nullptr);
    }
}

} // namespace

BENCHMARK(BM_OpenRowSet)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw_OpenRowSet)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextWithStatus)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw_NextWithStatus)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw_NaiveCountAndPosition)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindFirst)->Apply(findArguments)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw_FindFirst)->Apply(findArguments)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Add)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw_Add)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw_Save)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteCurrent)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Raw_DeleteCurrent)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteAll)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Raw_DeleteAll)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
