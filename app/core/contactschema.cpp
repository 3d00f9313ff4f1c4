#include "contactschema.h"

namespace orvanta::ContactSchema {

namespace {
using Kind = ColumnDef::Kind;

QList<ContactField> makeFields()
{
    struct Row {
        const char16_t* name;
        const char16_t* caption;
        int maxMain;
        int maxViewer;
    };
    static const Row rows[] = {
        {u"编号", u"编号：", 19, 16},           {u"姓名", u"姓名：", 19, 16},
        {u"性别", u"性别：", 19, 4},            {u"出生日期", u"出生日期：", 19, 16},
        {u"婚否", u"婚否：", 19, 4},            {u"配偶", u"配偶：", 19, 16},
        {u"职位", u"职位：", 19, 16},           {u"单位名称", u"单位名称：", 19, 26},
        {u"爱好", u"爱好：", 17, 16},           {u"特长", u"特长：", 17, 16},
        {u"工作电话1", u"工作电话1：", 17, 16}, {u"工作电话2", u"工作电话2：", 17, 16},
        {u"传真", u"传真：", 17, 16},           {u"寻呼号码", u"寻呼号码：", 17, 16},
        {u"家庭电话", u"家庭电话：", 17, 16},   {u"手机号码", u"手机号码：", 17, 16},
        {u"邮政编码", u"邮政编码：", 17, 16},   {u"主页", u"主页：", 36, 36},
        {u"电子邮箱", u"电子邮箱：", 36, 30},   {u"QQ号码", u"QQ号码：", 36, 28},
        {u"工作地址", u"工作地址：", 50, 50},   {u"家庭住址", u"家庭住址：", 50, 50},
        {u"备注", u"备注：", 0, 0},
    };
    QList<ContactField> fields;
    int number = 1;
    for (const Row& row : rows) {
        const int page = number <= 16 ? 0 : number <= 22 ? 1 : 2;
        const Kind kind = number == 23 ? Kind::LongText : Kind::Text;
        fields.append({number, QString::fromUtf16(row.name), kind, u"Text"_qs + QString::number(number), page,
                       QString::fromUtf16(row.caption), row.maxMain, row.maxViewer});
        ++number;
    }
    fields.append({24, u"图片"_qs, Kind::Picture, u"Image8"_qs, 2, QString(), 0, 0});
    return fields;
}
} // namespace

const QString& tableName()
{
    static const QString name = u"记录表"_qs;
    return name;
}

const QList<ContactField>& fields()
{
    static const QList<ContactField> all = makeFields();
    return all;
}

const ContactField& field(int number)
{
    return fields().at(number - 1);
}

QStringList indexedFields()
{
    return {u"编号"_qs, u"姓名"_qs, u"手机号码"_qs, u"家庭电话"_qs};
}

std::unique_ptr<Database> createDatabase(const QString& path)
{
    auto database = Database::create(path);
    QList<ColumnDef> columns;
    for (const ContactField& field : fields())
        columns.append({field.name, field.kind});
    database->createTable(tableName(), columns, indexedFields());
    return database;
}

} // namespace orvanta::ContactSchema
