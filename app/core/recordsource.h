#pragma once

#include "rowset.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace orvanta {
class Database;
}

// The record source of a window (Data1): it opens one table of one database
// file, shows the current row in the controls bound to its fields, stores
// them on update, and moves with its own four arrow buttons.
class RecordSource : public QWidget, private orvanta::RowSetObserver {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QString connect READ connect WRITE setConnect)
    Q_PROPERTY(QString databaseName READ databaseName WRITE setDatabaseName)
    Q_PROPERTY(QString recordSource READ recordSource WRITE setRecordSource)

public:
    // A bound picture box keeps the picture's stored bytes in this property,
    // and sets PictureChangedProperty when the user gives it a new picture.
    static constexpr const char* PictureDataProperty = "pictureData";
    static constexpr const char* PictureChangedProperty = "pictureChanged";

    explicit RecordSource(QWidget* parent = nullptr);
    ~RecordSource() override;

    QString caption() const;
    void setCaption(const QString& caption);
    QString connect() const { return m_connect; }
    void setConnect(const QString& connect) { m_connect = connect; }
    QString databaseName() const { return m_databaseName; }
    // Setting the file or the table opens the source once control returns
    // to the event loop, or at once with refresh().
    void setDatabaseName(const QString& path);
    QString recordSource() const { return m_recordSource; }
    void setRecordSource(const QString& source);
    void refresh();

    // The open row set; nullptr when the source could not open its table.
    orvanta::RowSet* recordset() const { return m_rows.get(); }
    orvanta::Database* database() const { return m_database.get(); }

    void bind(QLineEdit* box, const QString& field);
    void bind(QPlainTextEdit* box, const QString& field);
    void bindPicture(QLabel* picture, const QString& field);

signals:
    // After every change of the current row, the first one after opening included.
    void Reposition();
    // The source could not open, or could not store what was typed.
    void error(const QString& message);

private:
    struct Binding {
        QPointer<QWidget> control;
        QString field;
    };

    void scheduleOpen();
    void open();
    void close();
    void showCurrentRow();
    bool boundControlsChanged() const;
    void markBoundControlsUnchanged();
    void arrowClicked(void (orvanta::RowSet::*move)());

    void rowAboutToChange(orvanta::RowSet& rows) override;
    void aboutToUpdate(orvanta::RowSet& rows) override;
    void rowStored(orvanta::RowSet& rows) override;
    void rowChanged(orvanta::RowSet& rows) override;

    QLabel* m_caption;
    QString m_connect;
    QString m_databaseName;
    QString m_recordSource;
    bool m_openScheduled = false;
    std::unique_ptr<orvanta::Database> m_database;
    std::unique_ptr<orvanta::RowSet> m_rows;
    QList<Binding> m_bindings;
};
