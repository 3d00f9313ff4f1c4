#include "criteria.h"

#include "storeerror.h"

namespace orvanta {

namespace {

[[noreturn]] void malformed(const QString& text)
{
    throw StoreError(QStringLiteral("查询条件格式不正确：%1").arg(text));
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

Criteria Criteria::parse(const QString& text)
{
    enum class State { BeforeField, Field, BracketedField, AfterField, BeforeValue, Value, QuoteInValue, AfterValue };
    State state = State::BeforeField;
    Criteria result;

    for (const QChar c : text) {
        switch (state) {
        case State::BeforeField:
            if (isBlank(c))
                break;
            if (c == u'[') {
                state = State::BracketedField;
                break;
            }
            if (c == u'=' || c == u'\'')
                malformed(text);
            result.field += c;
            state = State::Field;
            break;
        case State::Field:
            if (c == u'=')
                state = State::BeforeValue;
            else if (isBlank(c))
                state = State::AfterField;
            else if (c == u'\'' || c == u'[' || c == u']')
                malformed(text);
            else
                result.field += c;
            break;
        case State::BracketedField:
            if (c == u']')
                state = State::AfterField;
            else if (c == u'[')
                malformed(text);
            else
                result.field += c;
            break;
        case State::AfterField:
            if (c == u'=')
                state = State::BeforeValue;
            else if (!isBlank(c))
                malformed(text);
            break;
        case State::BeforeValue:
            if (c == u'\'')
                state = State::Value;
            else if (!isBlank(c))
                malformed(text);
            break;
        case State::Value:
            if (c == u'\'')
                state = State::QuoteInValue;
            else
                result.value += c;
            break;
        case State::QuoteInValue:
            if (c == u'\'') {
                result.value += c;
                state = State::Value;
            } else if (isBlank(c)) {
                state = State::AfterValue;
            } else {
                malformed(text);
            }
            break;
        case State::AfterValue:
            if (!isBlank(c))
                malformed(text);
            break;
        }
    }
    if ((state != State::QuoteInValue && state != State::AfterValue) || result.field.isEmpty())
        malformed(text);
    return result;
}

QString Criteria::equals(const QString& field, const QString& value)
{
    QString escaped = value;
    escaped.replace(u'\'', QStringLiteral("''"));
    return field + QStringLiteral("='") + escaped + u'\'';
}

} // namespace orvanta
