#pragma once

#include <QString>
#include <array>

#include "browser/QueryInAddress.h"

// The sixteen search sites, in the one order that the search, the count, the tab order
// and the settings profiles all follow. Everything that treats the sites alike walks
// this table.
struct SiteDefinition {
    const char* boxName;           // the check box's object name
    const char* caption;           // also the key of the site's address prefix in Websites.ini
    bool hasSuffix;                // the address continues after the query: key caption + " end"
    const char* profileSaveKey;    // the key a profile save writes
    const char* profileLoadKey;    // the key a profile load asks for (same entry, other case)
    bool inFrame;                  // false for the two boxes that lie on the window over the frame
    bool tabStop;                  // false for MISBI: clicked, but passed by with Tab
    int left, top, width, height;  // twips, in the box's container
};

inline constexpr std::size_t kSiteCount = 16;

// The eBay captions are the sites' domain names; Websites.ini uses them as keys too.
inline constexpr std::array<SiteDefinition, kSiteCount> kSites{{
    {"chkauctionbrick", "AuctionBrick", true, "AuctionBrick", "AuctionBrick", true, true, 120, 240,
     1215, 240},
    {"chkbiportal", "BI Portal", false, "BIPortal", "BIPortal", true, true, 120, 480, 1095, 240},
    {"chkbricklink", "Bricklink", false, "BrickLink", "Bricklink", true, true, 120, 720, 1215, 240},
    {"chkbricklinkcat", "BL Catalog", false, "BrickLink Catalog", "Bricklink Catalog", true, true,
     120, 960, 1215, 240},
    {"chkbrickset", "Brickset", false, "Brickset", "Brickset", false, true, 120, 1320, 1095, 240},
    {"chkbrickshelf", "Brickshelf", true, "Brickshelf", "Brickshelf", true, true, 120, 1440, 1335,
     240},
    {"chkebayuk", "ebay.co.uk", true, "Ebay United Kingdom", "Ebay United Kingdom", true, true,
     1440, 240, 1335, 240},
    {"chkebay", "ebay.com", true, "Ebay", "Ebay", true, true, 1440, 480, 1215, 240},
    {"chkebayau", "ebay.com/au", true, "Ebay Australia", "Ebay Australia", true, true, 1440, 720,
     1335, 240},
    {"chkebayde", "ebay.de", true, "Ebay Germany", "Ebay Germany", true, true, 1440, 960, 1215,
     240},
    {"chkebayfr", "ebay.fr", true, "Ebay France", "Ebay France", true, true, 1440, 1200, 1335, 240},
    {"chklego", "LEGO", false, "Lego", "Lego", true, true, 2880, 240, 1215, 240},
    {"chklugnet", "Lugnet", false, "Lugnet", "Lugnet", false, true, 2880, 600, 1095, 240},
    {"chklugnetnews", "Lugnet News", false, "Lugnet News", "Lugnet News", true, true, 2880, 720,
     1275, 240},
    {"chkmisbi", "MISBI", false, "MISBI", "MISBI", true, false, 2880, 960, 1095, 240},
    {"chkpeeron", "Peeron", false, "Peeron", "Peeron", true, true, 2880, 1200, 1215, 240},
}};

// Each site's search address around the query, read once from Websites.ini under the
// site's caption.
struct SiteUrl {
    QString prefix;
    QString suffix;  // empty for the sites whose query ends the address
};

using SiteUrlTable = std::array<SiteUrl, kSiteCount>;

// The query stands between the prefix and the suffix, encoded only where it would otherwise
// change the address.
inline QString composeAddress(const SiteUrl& url, const QString& query) {
    return url.prefix + modWWW::queryForQueryString(query) + url.suffix;
}
