#pragma once

#include <QString>

namespace orvanta::bookkeeping {

// Each table of an Orvanta database has its row count and the row ids below
// its highest one that no longer exist kept up to date by triggers, so the
// count and a row's position are found without reading the table.
constexpr quint32 ApplicationId = 0x4F52564E; // "ORVN"
inline const QString CountTable = QStringLiteral("orvanta_rowcount");
inline const QString GapTable = QStringLiteral("orvanta_gaps");

QString createSchemaSql();
QString createTriggersSql(const QString& table);
bool isBookkeepingTable(const QString& name);

} // namespace orvanta::bookkeeping
