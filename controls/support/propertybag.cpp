#include "propertybag.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QStringDecoder>

namespace qorv {

namespace {

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '=': out += QLatin1String("\\="); break;
        default: out += c;
        }
    }
    return out;
}

// Undoes escaped(); std::nullopt for an unknown or unfinished escape.
std::optional<QString> unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    bool inEscape = false;
    for (const QChar c : text) {
        if (!inEscape) {
            if (c == u'\\')
                inEscape = true;
            else
                out += c;
            continue;
        }
        inEscape = false;
        switch (c.unicode()) {
        case '\\': out += u'\\'; break;
        case 'n': out += u'\n'; break;
        case 'r': out += u'\r'; break;
        case '=': out += u'='; break;
        default: return std::nullopt;
        }
    }
    if (inEscape)
        return std::nullopt;
    return out;
}

// Position of the first '=' that is not escaped, or -1.
qsizetype separatorOf(QStringView line)
{
    bool inEscape = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (inEscape)
            inEscape = false;
        else if (line[i] == u'\\')
            inEscape = true;
        else if (line[i] == u'=')
            return i;
    }
    return -1;
}

std::optional<QString> encodedValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return QLatin1String("int:") + QString::number(value.toInt());
    case QMetaType::Short:
    case QMetaType::LongLong:
        return QLatin1String("int:") + QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULongLong:
        return QLatin1String("uint:") + QString::number(value.toULongLong());
    case QMetaType::Bool:
        return QLatin1String(value.toBool() ? "bool:true" : "bool:false");
    case QMetaType::QString:
        return QLatin1String("string:") + escaped(value.toString());
    case QMetaType::QFont:
        return QLatin1String("font:") + escaped(value.value<QFont>().toString());
    case QMetaType::QImage: {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!value.value<QImage>().save(&buffer, "PNG"))
            return std::nullopt;
        return QLatin1String("picture:") + QString::fromLatin1(png.toBase64());
    }
    default:
        return std::nullopt;
    }
}

std::optional<QVariant> decodedValue(QStringView type, QStringView text)
{
    bool ok = false;
    if (type == u"int") {
        const qlonglong n = text.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max())
            return QVariant(int(n));
        return QVariant(n);
    }
    if (type == u"uint") {
        const qulonglong n = text.toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        if (n <= std::numeric_limits<uint>::max())
            return QVariant(uint(n));
        return QVariant(n);
    }
    if (type == u"bool") {
        if (text == u"true")
            return QVariant(true);
        if (text == u"false")
            return QVariant(false);
        return std::nullopt;
    }
    if (type == u"string") {
        const auto s = unescaped(text);
        return s ? std::optional<QVariant>(QVariant(*s)) : std::nullopt;
    }
    if (type == u"font") {
        const auto s = unescaped(text);
        QFont font;
        if (!s || !font.fromString(*s))
            return std::nullopt;
        return QVariant(font);
    }
    if (type == u"picture") {
        const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        QImage image;
        if (!image.loadFromData(*decoded, "PNG"))
            return std::nullopt;
        return QVariant(image);
    }
    return std::nullopt;
}

} // namespace

qsizetype PropertyBag::indexOf(const QString& key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? defaultValue : m_entries[i].second;
}

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    if (value == defaultValue)
        return;
    set(key, value);
}

void PropertyBag::set(const QString& key, const QVariant& value)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        m_entries.append({key, value});
    else
        m_entries[i] = {key, value};
}

bool PropertyBag::contains(const QString& key) const
{
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList out;
    out.reserve(m_entries.size());
    for (const auto& entry : m_entries)
        out.append(entry.first);
    return out;
}

QByteArray PropertyBag::serialize() const
{
    QString text;
    for (const auto& [key, value] : m_entries) {
        const auto encoded = encodedValue(value);
        if (!encoded)
            continue;
        text += escaped(key) + u'=' + *encoded + u'\n';
    }
    return text.toUtf8();
}

std::optional<PropertyBag> PropertyBag::deserialize(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;

    PropertyBag bag;
    const auto lines = QStringView(text).split(u'\n');
    for (QStringView line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype separator = separatorOf(line);
        if (separator <= 0)
            return std::nullopt;
        const auto key = unescaped(line.first(separator));
        if (!key || key->isEmpty() || bag.contains(*key))
            return std::nullopt;
        const QStringView typed = line.sliced(separator + 1);
        const qsizetype colon = typed.indexOf(u':');
        if (colon < 0)
            return std::nullopt;
        const auto value = decodedValue(typed.first(colon), typed.sliced(colon + 1));
        if (!value)
            return std::nullopt;
        bag.m_entries.append({*key, *value});
    }
    return bag;
}

} // namespace qorv
