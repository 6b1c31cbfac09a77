#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "platform/webview/EmbeddedBrowser.h"

// A browser that shows nothing and remembers every address it was sent to.
class RecordingBrowser final : public QWidget, public platform::EmbeddedBrowser {
  public:
    explicit RecordingBrowser(QWidget* parent) : QWidget(parent) {}

    QWidget* widget() override { return this; }
    void navigate(const QString& address) override { addresses << address; }

    QStringList addresses;
};

class RecordingBrowserFactory final : public platform::EmbeddedBrowserFactory {
  public:
    platform::EmbeddedBrowser* createBrowser(QWidget* parent) override {
        const QCursor* pointer = QGuiApplication::overrideCursor();
        pointerWhileCreating = pointer ? std::optional(pointer->shape()) : std::nullopt;
        if (!canCreate) {
            return nullptr;
        }
        last = new RecordingBrowser(parent);
        return last;
    }

    bool canCreate = true;
    QPointer<RecordingBrowser> last;
    // The application's override pointer when the last view was asked for, if any.
    std::optional<Qt::CursorShape> pointerWhileCreating;
};
