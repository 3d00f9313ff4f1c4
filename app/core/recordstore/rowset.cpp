#include "rowset.h"

#include "bookkeeping.h"
#include "criteria.h"
#include "sqlite.h"
#include "storeerror.h"

namespace orvanta {

using sqlite::Statement;
using sqlite::quoteIdentifier;

namespace {

// Steps a one-value query, reads its first column and releases the read lock.
std::optional<qint64> singleInt(Statement& query)
{
    std::optional<qint64> result;
    if (query.step())
        result = query.int64(0);
    query.reset();
    return result;
}

} // namespace

RowSet::RowSet(std::shared_ptr<sqlite::Connection> connection, const QString& table)
    : m_connection(std::move(connection))
{
    {
        Statement lookup(m_connection,
                         QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ? COLLATE NOCASE"));
        lookup.bind(1, table);
        if (!lookup.step() || bookkeeping::isBookkeepingTable(lookup.value(0).toString()))
            throw StoreError(QStringLiteral("数据库 %1 中找不到表“%2”").arg(m_connection->path(), table));
        m_table = lookup.value(0).toString();
    }
    const QString t = quoteIdentifier(m_table);
    {
        Statement columns(m_connection, QStringLiteral("SELECT name, \"notnull\" FROM pragma_table_info(?)"));
        columns.bind(1, m_table);
        while (columns.step()) {
            const QString name = columns.value(0).toString();
            m_fieldIndex.insert(name.toCaseFolded(), int(m_fields.size()));
            m_fields << name;
            m_requiresValue << (columns.int64(1) != 0);
        }
    }
    {
        Statement counted(m_connection,
                          QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE name = '%1'").arg(bookkeeping::CountTable));
        if (singleInt(counted).value_or(0) > 0) {
            Statement row(m_connection, QStringLiteral("SELECT 1 FROM %1 WHERE tbl = ?").arg(bookkeeping::CountTable));
            row.bind(1, m_table);
            m_counted = singleInt(row).has_value();
        }
    }

    QStringList quotedFields;
    for (const QString& field : std::as_const(m_fields))
        quotedFields << quoteIdentifier(field);

    auto prepare = [this](const QString& sql) { return std::make_unique<Statement>(m_connection, sql); };
    m_first = prepare(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid LIMIT 1").arg(t));
    m_last = prepare(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid DESC LIMIT 1").arg(t));
    m_next = prepare(QStringLiteral("SELECT rowid FROM %1 WHERE rowid > ? ORDER BY rowid LIMIT 1").arg(t));
    m_previous = prepare(QStringLiteral("SELECT rowid FROM %1 WHERE rowid < ? ORDER BY rowid DESC LIMIT 1").arg(t));
    m_row = prepare(QStringLiteral("SELECT %2 FROM %1 WHERE rowid = ?").arg(t, quotedFields.join(u',')));
    m_exists = prepare(QStringLiteral("SELECT rowid FROM %1 WHERE rowid = ?").arg(t));
    m_delete = prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(t));
    if (m_counted) {
        m_count = prepare(QStringLiteral("SELECT n FROM %1 WHERE tbl = ?").arg(bookkeeping::CountTable));
        m_count->bind(1, m_table);
        m_gapsBelow = prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE tbl = ? AND id < ?").arg(bookkeeping::GapTable));
        m_gapsBelow->bind(1, m_table);
    } else {
        m_count = prepare(QStringLiteral("SELECT count(*) FROM %1").arg(t));
        m_rowsBelow = prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE rowid < ?").arg(t));
    }
    m_buffer.resize(m_fields.size());

    if (const auto first = singleInt(*m_first))
        goTo(*first);
}

RowSet::~RowSet() = default;

qint64 RowSet::recordCount() const
{
    return singleInt(*m_count).value_or(0);
}

qint64 RowSet::absolutePosition() const
{
    if (!hasCurrentRow() || m_editMode == EditMode::AddNew)
        return -1;
    if (m_counted) {
        m_gapsBelow->bind(2, m_current);
        return m_current - 1 - singleInt(*m_gapsBelow).value_or(0);
    }
    m_rowsBelow->bind(1, m_current);
    return singleInt(*m_rowsBelow).value_or(0);
}

void RowSet::goTo(qint64 rowid)
{
    m_current = rowid;
    m_currentDeleted = false;
    m_bof = m_eof = false;
}

void RowSet::leaveCurrentRow()
{
    if (m_observer)
        m_observer->rowAboutToChange(*this);
    m_editMode = EditMode::None;
}

qint64 RowSet::neighbour(Statement& query, qint64 from)
{
    query.bind(1, from);
    return singleInt(query).value_or(0);
}

void RowSet::moveFirst()
{
    moveToEnd(*m_first);
}

void RowSet::moveLast()
{
    moveToEnd(*m_last);
}

void RowSet::moveToEnd(Statement& endQuery)
{
    leaveCurrentRow();
    if (const auto row = singleInt(endQuery)) {
        goTo(*row);
    } else {
        m_current = 0;
        m_bof = m_eof = true;
    }
    if (m_observer)
        m_observer->rowChanged(*this);
}

void RowSet::moveNext()
{
    if (m_eof)
        noCurrentRow();
    leaveCurrentRow();
    const qint64 next = neighbour(*m_next, m_bof ? 0 : m_current);
    if (next > 0) {
        goTo(next);
    } else {
        m_current = 0;
        m_currentDeleted = false;
        m_eof = true;
        m_bof = recordCount() == 0;
    }
    if (m_observer)
        m_observer->rowChanged(*this);
}

void RowSet::movePrevious()
{
    if (m_bof)
        noCurrentRow();
    leaveCurrentRow();
    const qint64 previous = m_eof ? singleInt(*m_last).value_or(0) : neighbour(*m_previous, m_current);
    if (previous > 0) {
        goTo(previous);
    } else {
        m_current = 0;
        m_currentDeleted = false;
        m_bof = true;
        m_eof = recordCount() == 0;
    }
    if (m_observer)
        m_observer->rowChanged(*this);
}

void RowSet::requery()
{
    moveFirst();
}

void RowSet::findFirst(const QString& criteria)
{
    const Criteria parsed = Criteria::parse(criteria);
    const int index = fieldIndex(parsed.field);
    auto& finder = m_finders[index];
    if (!finder)
        finder = std::make_shared<Statement>(
            m_connection, QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? ORDER BY rowid LIMIT 1")
                              .arg(quoteIdentifier(m_table), quoteIdentifier(m_fields[index])));
    leaveCurrentRow();
    finder->bind(1, parsed.value);
    const auto found = singleInt(*finder);
    m_noMatch = !found.has_value();
    if (found) {
        goTo(*found);
        if (m_observer)
            m_observer->rowChanged(*this);
    }
}

RowSet::Bookmark RowSet::bookmark() const
{
    if (!hasCurrentRow())
        noCurrentRow();
    return m_current;
}

void RowSet::setBookmark(Bookmark bookmark)
{
    m_exists->bind(1, bookmark);
    if (!singleInt(*m_exists))
        throw StoreError(QStringLiteral("要显示的记录已经不存在了"));
    leaveCurrentRow();
    goTo(bookmark);
    if (m_observer)
        m_observer->rowChanged(*this);
}

void RowSet::addNew()
{
    leaveCurrentRow();
    m_buffer.fill(QVariant());
    m_editMode = EditMode::AddNew;
    if (m_observer)
        m_observer->rowChanged(*this);
}

void RowSet::edit()
{
    if (!hasCurrentRow())
        noCurrentRow();
    m_buffer = currentValues();
    m_editMode = EditMode::Edit;
}

RowSet::Bookmark RowSet::update()
{
    if (m_editMode == EditMode::None)
        throw StoreError(QStringLiteral("没有正在增加或修改的记录，无法保存"));
    if (m_observer)
        m_observer->aboutToUpdate(*this);

    QStringList columns;
    for (const QString& field : std::as_const(m_fields))
        columns << quoteIdentifier(field);
    Bookmark written = 0;
    if (m_editMode == EditMode::AddNew) {
        const QStringList marks(m_fields.size(), QStringLiteral("?"));
        Statement insert(m_connection, QStringLiteral("INSERT INTO %1(%2) VALUES(%3) RETURNING rowid")
                                           .arg(quoteIdentifier(m_table), columns.join(u','), marks.join(u',')));
        for (int i = 0; i < m_fields.size(); ++i)
            insert.bind(i + 1, storable(i));
        written = insert.step() ? insert.int64(0) : 0;
        insert.reset();
    } else {
        QStringList assignments;
        for (const QString& column : std::as_const(columns))
            assignments << column + QStringLiteral(" = ?");
        Statement change(m_connection, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                           .arg(quoteIdentifier(m_table), assignments.join(u',')));
        for (int i = 0; i < m_fields.size(); ++i)
            change.bind(i + 1, storable(i));
        change.bind(int(m_fields.size()) + 1, m_current);
        change.run();
        written = m_current;
    }
    const bool wasNew = m_editMode == EditMode::AddNew;
    m_editMode = EditMode::None;
    m_cachedRow = 0;
    if (m_observer)
        m_observer->rowStored(*this);
    if (wasNew && m_observer)
        m_observer->rowChanged(*this);
    return written;
}

void RowSet::cancelUpdate()
{
    const bool wasNew = m_editMode == EditMode::AddNew;
    m_editMode = EditMode::None;
    if (wasNew && m_observer)
        m_observer->rowChanged(*this);
}

void RowSet::deleteCurrent()
{
    if (!hasCurrentRow() || m_editMode == EditMode::AddNew)
        noCurrentRow();
    m_editMode = EditMode::None;
    m_delete->bind(1, m_current);
    m_delete->run();
    m_currentDeleted = true;
    m_cachedRow = 0;
}

void RowSet::deleteAll()
{
    Statement(m_connection, QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(m_table))).run();
    m_editMode = EditMode::None;
    m_current = 0;
    m_currentDeleted = false;
    m_bof = m_eof = true;
    m_cachedRow = 0;
    if (m_observer)
        m_observer->rowChanged(*this);
}

QVariant RowSet::value(const QString& field) const
{
    const int index = fieldIndex(field);
    if (m_editMode != EditMode::None)
        return m_buffer[index];
    return currentValues()[index];
}

void RowSet::setValue(const QString& field, const QVariant& value)
{
    const int index = fieldIndex(field);
    if (m_editMode == EditMode::None)
        throw StoreError(QStringLiteral("记录没有处于增加或修改状态，不能更改字段“%1”").arg(field));
    m_buffer[index] = value;
}

QVariant RowSet::storable(int index) const
{
    // Text columns take no missing value: an empty box is stored as empty
    // text, so that a find for empty text reaches it.
    if (m_buffer[index].isNull() && m_requiresValue[index])
        return QVariant(QStringLiteral(""));
    return m_buffer[index];
}

int RowSet::fieldIndex(const QString& field) const
{
    const auto found = m_fieldIndex.constFind(field.toCaseFolded());
    if (found == m_fieldIndex.constEnd())
        throw StoreError(QStringLiteral("表“%1”中没有字段“%2”").arg(m_table, field));
    return *found;
}

const QVector<QVariant>& RowSet::currentValues() const
{
    if (!hasCurrentRow())
        noCurrentRow();
    if (m_cachedRow != m_current) {
        m_row->bind(1, m_current);
        if (!m_row->step()) {
            m_row->reset();
            noCurrentRow();
        }
        m_cachedValues.resize(m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i)
            m_cachedValues[i] = m_row->value(i);
        m_row->reset();
        m_cachedRow = m_current;
    }
    return m_cachedValues;
}

void RowSet::noCurrentRow() const
{
    throw StoreError(QStringLiteral("没有当前记录"));
}

} // namespace orvanta
