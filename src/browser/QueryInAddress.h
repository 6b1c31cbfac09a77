#pragma once

#include <QString>

// A query typed by the user, made safe to stand inside a web address. The characters that
// would change the address's structure are percent-encoded (UTF-8), so the site receives
// the query as typed: "R2-D2 & C-3PO #75" must not end at the "&" nor lose everything
// after the "#", site suffix included. Blanks and every other character pass unchanged.
namespace modWWW {

// For a query that stands in the address's query string (the search sites).
QString queryForQueryString(const QString& query);

// For a query that stands in the address's path (PeekShot's set page): "/" and "?" would
// also change the address there.
QString queryForPath(const QString& query);

}  // namespace modWWW
