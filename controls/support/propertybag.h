#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace qorv {

// The stored property set of one control instance, as a host keeps it in
// its window definitions. Keys are matched without regard to case and keep
// the order in which they were first written.
//
// Value types that survive serialize()/deserialize(): int, uint, bool,
// QString, QFont and QImage (a picture).
class PropertyBag {
public:
    QVariant read(const QString& key, const QVariant& defaultValue) const;

    // Writes only when value differs from defaultValue; otherwise leaves
    // the bag as it is.
    void write(const QString& key, const QVariant& value, const QVariant& defaultValue);

    // Unconditional store, for hosts and tests.
    void set(const QString& key, const QVariant& value);

    bool contains(const QString& key) const;
    QStringList keys() const;

    // One "key=type:value" line per entry, UTF-8, keys and texts escaped.
    QByteArray serialize() const;
    static std::optional<PropertyBag> deserialize(const QByteArray& text);

    friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

private:
    qsizetype indexOf(const QString& key) const;

    QList<std::pair<QString, QVariant>> m_entries;
};

} // namespace qorv
