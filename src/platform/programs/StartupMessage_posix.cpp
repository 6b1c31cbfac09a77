#include "platform/programs/StartupMessage_posix.h"

namespace platform {

namespace {

// Far longer than any message a program sends: a window that never finishes one
// cannot make us hold its pieces for ever.
constexpr qsizetype kLongestMessage = 4096;

QString escaped(const QString& value) {
    QString text;
    for (const QChar c : value) {
        if (c == u'"' || c == u' ' || c == u'\\') {
            text += u'\\';
        }
        text += c;
    }
    return text;
}

// Reads one value from `at`: quoted or bare, backslash escapes undone. Leaves `at` after it.
QString valueAt(const QString& message, qsizetype& at) {
    QString value;
    bool quoted = false;
    for (; at < message.size(); ++at) {
        const QChar c = message[at];
        if (c == u'\\' && at + 1 < message.size()) {
            value += message[++at];
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u' ' && !quoted) {
            break;
        } else {
            value += c;
        }
    }
    return value;
}

}  // namespace

QString startupMessage(const QString& kind, const std::vector<std::pair<QString, QString>>& keys) {
    QString message = kind + u':';
    for (const auto& [key, value] : keys) {
        message += u' ' + key + QStringLiteral("=\"") + escaped(value) + u'"';
    }
    return message;
}

QString startupMessageKind(const QString& message) {
    const qsizetype colon = message.indexOf(u':');
    return colon < 0 ? QString() : message.left(colon);
}

std::optional<QString> startupMessageValue(const QString& message, const QString& key) {
    qsizetype at = message.indexOf(u':');
    if (at < 0) {
        return std::nullopt;
    }
    ++at;
    while (at < message.size()) {
        while (at < message.size() && message[at] == u' ') {
            ++at;
        }
        const qsizetype equals = message.indexOf(u'=', at);
        if (equals < 0) {
            return std::nullopt;
        }
        const QString name = message.mid(at, equals - at);
        at = equals + 1;
        const QString value = valueAt(message, at);
        if (name == key) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<QString> StartupMessagePieces::take(std::uint32_t window, bool begins,
                                                  const char* piece) {
    if (!begins && !unfinished_.count(window)) {
        return std::nullopt;  // the middle of a message whose beginning we never saw
    }
    QByteArray& text = unfinished_[window];
    if (begins) {
        text.clear();
    }
    const QByteArray bytes(piece, kPieceSize);
    const qsizetype end = bytes.indexOf('\0');
    text += end < 0 ? bytes : bytes.left(end);
    if (end < 0 && text.size() < kLongestMessage) {
        return std::nullopt;
    }
    const QString message = QString::fromUtf8(text);
    unfinished_.erase(window);
    return message;
}

}  // namespace platform
