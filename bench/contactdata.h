#pragma once

#include <QString>

struct sqlite3;

namespace orvanta::bench {

// A contact database of `count` contacts, made once and kept in the build
// tree's bench-data folder. Contact i (from 1) has 编号 %07d, 姓名 "联系人i",
// 手机号码 "139%08d" and 家庭电话 "0663%07d".
QString contactDatabase(int count);
QString numberOf(int i);
QString nameOf(int i);
QString mobileOf(int i);
QString homePhoneOf(int i);

// A private copy of a contact database, for benchmarks that change it.
QString copyOf(const QString& path, const QString& name);

// Resident memory of this process in MiB.
double residentMiB();

} // namespace orvanta::bench
