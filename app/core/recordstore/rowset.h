#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

namespace orvanta {

namespace sqlite {
class Connection;
class Statement;
}

class RowSet;

// Told by a row set about changes of its current row, so that a record
// source can store and show bound controls.
class RowSetObserver {
public:
    virtual ~RowSetObserver() = default;
    // Before the current row changes; an open edit may be stored here.
    virtual void rowAboutToChange(RowSet&) {}
    // Before an update writes its edit buffer; bound values go into it here.
    virtual void aboutToUpdate(RowSet&) {}
    // After an update stored the edit buffer.
    virtual void rowStored(RowSet&) {}
    // After the current row changed (or a new row was started).
    virtual void rowChanged(RowSet&) {}
};

// The rows of one table in insertion order. Only the current row's id is
// held; every move and find asks the engine for exactly one row.
class RowSet {
public:
    enum class EditMode { None, Edit, AddNew };
    using Bookmark = qint64;

    RowSet(std::shared_ptr<sqlite::Connection> connection, const QString& table);
    ~RowSet();
    RowSet(const RowSet&) = delete;
    RowSet& operator=(const RowSet&) = delete;

    void setObserver(RowSetObserver* observer) { m_observer = observer; }

    QString tableName() const { return m_table; }
    QStringList fieldNames() const { return m_fields; }
    qint64 recordCount() const;
    // 0-based place of the current row; -1 when there is none.
    qint64 absolutePosition() const;
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool hasCurrentRow() const { return m_current > 0 && !m_currentDeleted; }

    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    void requery();

    void findFirst(const QString& criteria);
    bool noMatch() const { return m_noMatch; }

    Bookmark bookmark() const;
    void setBookmark(Bookmark bookmark);

    EditMode editMode() const { return m_editMode; }
    void addNew();
    void edit();
    // Stores the edit buffer; returns the bookmark of the row written.
    Bookmark update();
    void cancelUpdate();
    void deleteCurrent();
    // Removes every row at once: all of them go, or none.
    void deleteAll();

    // The current row's value, or the edit buffer's while an edit is open.
    QVariant value(const QString& field) const;
    void setValue(const QString& field, const QVariant& value);

private:
    int fieldIndex(const QString& field) const;
    QVariant storable(int index) const;
    qint64 neighbour(sqlite::Statement& query, qint64 from);
    void moveToEnd(sqlite::Statement& endQuery);
    void goTo(qint64 rowid);
    void leaveCurrentRow();
    const QVector<QVariant>& currentValues() const;
    [[noreturn]] void noCurrentRow() const;

    std::shared_ptr<sqlite::Connection> m_connection;
    QString m_table;
    QStringList m_fields;
    QHash<QString, int> m_fieldIndex;
    QVector<bool> m_requiresValue;
    bool m_counted = false;
    RowSetObserver* m_observer = nullptr;

    std::unique_ptr<sqlite::Statement> m_first, m_last, m_next, m_previous, m_row, m_count, m_gapsBelow, m_rowsBelow,
        m_exists, m_delete;
    QHash<int, std::shared_ptr<sqlite::Statement>> m_finders;

    qint64 m_current = 0;
    bool m_currentDeleted = false;
    bool m_bof = true;
    bool m_eof = true;
    bool m_noMatch = false;
    mutable qint64 m_cachedRow = 0;
    mutable QVector<QVariant> m_cachedValues;

    EditMode m_editMode = EditMode::None;
    QVector<QVariant> m_buffer;
};

} // namespace orvanta
