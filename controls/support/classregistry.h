#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qorv {

// One registered control class: what a host needs to find and load it.
struct ClassEntry {
    QString clsid;
    QString progId;
    QString className;
    QString typeLibId;
    QString typeLibName;
    QString version;
    QString libraryPath;
    QStringList interfaceIds;

    friend bool operator==(const ClassEntry&, const ClassEntry&) = default;
};

// The per-user table of registered control classes, kept in an INI file.
// Class ids and ProgIDs are matched without regard to case.
class ClassRegistry {
public:
    // QStandardPaths::GenericConfigLocation + "/qorv/classes.ini"
    static QString defaultPath();

    explicit ClassRegistry(const QString& path = defaultPath());

    QString path() const { return m_path; }

    // Adds or replaces the entry with the same class id; false when the
    // entry has no class id or the file cannot be written.
    bool add(const ClassEntry& entry);
    // False when no such class was registered or the file cannot be written.
    bool remove(const QString& clsid);

    std::optional<ClassEntry> byClsid(const QString& clsid) const;
    std::optional<ClassEntry> byProgId(const QString& progId) const;
    QList<ClassEntry> entries() const;

private:
    QString m_path;
};

} // namespace qorv
