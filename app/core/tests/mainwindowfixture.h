#pragma once

#include "contactschema.h"
#include "database.h"
#include "fakeservices.h"
#include "fonts.h"
#include "frmmain.h"
#include "rowset.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace orvanta {

using Contact = QMap<QString, QString>;

// A main window over a database of its own in a temporary program folder,
// driven through scripted services.
struct MainWindowFixture {
    QTemporaryDir dir;
    FakeServices services{dir.path()};
    std::unique_ptr<frmmain> window;

    QString databasePath() const { return dir.filePath(u"数据库.mdb"_qs); }

    void seed(const QList<Contact>& contacts)
    {
        auto database = ContactSchema::createDatabase(databasePath());
        auto rows = database->openRecordset(ContactSchema::tableName());
        for (const Contact& contact : contacts) {
            rows->addNew();
            for (auto field = contact.begin(); field != contact.end(); ++field)
                rows->setValue(field.key(), field.value());
            rows->update();
        }
    }

    void seedNames(const QStringList& names)
    {
        QList<Contact> contacts;
        for (const QString& name : names)
            contacts.append({{u"姓名"_qs, name}});
        seed(contacts);
    }

    frmmain& open()
    {
        window = std::make_unique<frmmain>(services);
        window->show();
        // The record source opens once the load handler has returned.
        QCoreApplication::processEvents();
        return *window;
    }

    template<typename T = QWidget>
    T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    QString panel(int number) const { return child<QLabel>(u"Panel"_qs + QString::number(number))->text(); }
    QLineEdit* text(int number) const { return child<QLineEdit>(u"Text"_qs + QString::number(number)); }
    QString name() const { return text(2)->text(); }
    void trigger(const QString& action) { child<QAction>(action)->trigger(); }
    int page() const { return child<QTabWidget>(u"SSTab1"_qs)->currentIndex(); }
    bool fieldsLocked() const
    {
        for (int number = 1; number <= 22; ++number)
            if (!text(number)->isReadOnly())
                return false;
        return child<QPlainTextEdit>(u"Text23"_qs)->isReadOnly();
    }
    QStringList storedNames() const
    {
        QStringList names;
        auto rows = Database::open(databasePath(), Database::Access::ReadOnly)->openRecordset(ContactSchema::tableName());
        for (; !rows->eof() && rows->recordCount() > 0; rows->moveNext())
            names << rows->value(u"姓名"_qs).toString();
        return names;
    }
};

} // namespace orvanta
