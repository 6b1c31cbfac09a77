#include "browser/QueryInAddress.h"

namespace modWWW {

namespace {

// "%" first among equals: an encoded query must never be read as already encoded.
constexpr char16_t kQueryStringSpecials[] = u"%&#+;";
constexpr char16_t kPathSpecials[] = u"%&#+;/?";

QString encoded(const QString& query, const char16_t* specials) {
    QString text;
    text.reserve(query.size());
    const QStringView special(specials);
    for (const QChar c : query) {
        if (special.contains(c)) {
            // Every special is ASCII, so its UTF-8 form is the one byte.
            text += u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace

QString queryForQueryString(const QString& query) {
    return encoded(query, kQueryStringSpecials);
}

QString queryForPath(const QString& query) {
    return encoded(query, kPathSpecials);
}

}  // namespace modWWW
