#include "classregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace qorv {

namespace {

// INI group names stay plain: no braces, upper case.
QString groupOf(const QString& clsid)
{
    QString g = clsid.trimmed().toUpper();
    g.remove(u'{');
    g.remove(u'}');
    return g;
}

ClassEntry entryFrom(QSettings& settings)
{
    ClassEntry e;
    e.clsid = settings.value("clsid").toString();
    e.progId = settings.value("progId").toString();
    e.className = settings.value("className").toString();
    e.typeLibId = settings.value("typeLibId").toString();
    e.typeLibName = settings.value("typeLibName").toString();
    e.version = settings.value("version").toString();
    e.libraryPath = settings.value("libraryPath").toString();
    e.interfaceIds = settings.value("interfaceIds").toStringList();
    return e;
}

} // namespace

QString ClassRegistry::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QLatin1String("/qorv/classes.ini");
}

ClassRegistry::ClassRegistry(const QString& path)
    : m_path(path)
{
}

bool ClassRegistry::add(const ClassEntry& entry)
{
    const QString group = groupOf(entry.clsid);
    if (group.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.remove(group);
    settings.beginGroup(group);
    settings.setValue("clsid", entry.clsid);
    settings.setValue("progId", entry.progId);
    settings.setValue("className", entry.className);
    settings.setValue("typeLibId", entry.typeLibId);
    settings.setValue("typeLibName", entry.typeLibName);
    settings.setValue("version", entry.version);
    settings.setValue("libraryPath", entry.libraryPath);
    settings.setValue("interfaceIds", entry.interfaceIds);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool ClassRegistry::remove(const QString& clsid)
{
    const QString group = groupOf(clsid);
    QSettings settings(m_path, QSettings::IniFormat);
    if (group.isEmpty() || !settings.childGroups().contains(group))
        return false;
    settings.remove(group);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<ClassEntry> ClassRegistry::byClsid(const QString& clsid) const
{
    const QString group = groupOf(clsid);
    QSettings settings(m_path, QSettings::IniFormat);
    if (group.isEmpty() || !settings.childGroups().contains(group))
        return std::nullopt;
    settings.beginGroup(group);
    return entryFrom(settings);
}

std::optional<ClassEntry> ClassRegistry::byProgId(const QString& progId) const
{
    for (const ClassEntry& e : entries()) {
        if (!progId.isEmpty() && e.progId.compare(progId, Qt::CaseInsensitive) == 0)
            return e;
    }
    return std::nullopt;
}

QList<ClassEntry> ClassRegistry::entries() const
{
    QSettings settings(m_path, QSettings::IniFormat);
    QList<ClassEntry> out;
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        out.append(entryFrom(settings));
        settings.endGroup();
    }
    return out;
}

} // namespace qorv
