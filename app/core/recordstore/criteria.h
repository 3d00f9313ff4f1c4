#pragma once

#include <QString>

namespace orvanta {

// A find criteria of the form  field='text' , where a doubled apostrophe
// inside the quotes stands for one apostrophe.
struct Criteria {
    QString field;
    QString value;

    // Throws StoreError when the text is not of that form.
    static Criteria parse(const QString& text);
    // Builds the criteria text that finds rows whose field equals value exactly.
    static QString equals(const QString& field, const QString& value);
};

} // namespace orvanta
