#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// The text of the freedesktop startup-notification protocol, both ways: the messages we
// broadcast for our starts, and those the started programs broadcast back.
namespace platform {

// "new:" or "remove:" followed by KEY="value" pairs, a value's quotes, blanks and
// backslashes escaped.
QString startupMessage(const QString& kind, const std::vector<std::pair<QString, QString>>& keys);

// The kind of a message ("remove" for "remove: ID=..."), and the value of one of its keys,
// unescaped; nothing when the message has no such key.
QString startupMessageKind(const QString& message);
std::optional<QString> startupMessageValue(const QString& message, const QString& key);

// A message arrives in pieces of 20 bytes, one X client message each, the first marked as
// the beginning; the pieces of one message all come from one window, and the text ends at
// its NUL.
class StartupMessagePieces {
  public:
    static constexpr std::size_t kPieceSize = 20;

    // The whole message once its last piece is here.
    std::optional<QString> take(std::uint32_t window, bool begins, const char* piece);

  private:
    std::map<std::uint32_t, QByteArray> unfinished_;
};

}  // namespace platform
