#pragma once

#include <QString>
#include <array>

#include "ui/SiteTable.h"

// Each site's search address around the query, read once from Websites.ini.
struct SiteUrl {
    QString prefix;
    QString suffix;  // empty for the sites whose query ends the address
};

using SiteUrlTable = std::array<SiteUrl, kSiteCount>;

inline QString composeAddress(const SiteUrl& url, const QString& query) {
    return url.prefix + query + url.suffix;
}
