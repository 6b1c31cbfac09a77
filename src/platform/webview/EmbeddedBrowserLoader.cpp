#include "platform/webview/EmbeddedBrowserLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#include "platform/paths/HostPaths.h"
#include "platform/webview/EmbeddedBrowser.h"
#include "platform/webview/SharedOpenGLContext.h"

namespace platform {

namespace {

class PluginBrowserLoader final : public EmbeddedBrowserLoader {
  public:
    explicit PluginBrowserLoader(QString folder) : folder_(std::move(folder)) {}

    EmbeddedBrowserFactory* factory(QString& errorText) override {
        if (!factory_) {
            factory_ = load(errorText);
        }
        return factory_;
    }

  private:
    EmbeddedBrowserFactory* load(QString& errorText) {
        // Qt adds the host's prefix and suffix itself, and leaves the file name empty
        // when no such file exists.
        plugin_.setFileName(QDir(folder_).filePath(QLatin1String(kBrowserPluginBaseName)));
        if (plugin_.fileName().isEmpty()) {
            errorText = QStringLiteral("The web view plugin was not found in %1.")
                            .arg(QDir::toNativeSeparators(folder_));
            return nullptr;
        }
        const QString file = QDir::toNativeSeparators(plugin_.fileName());
        // Qt WebEngine looks for the shared context as soon as its library is loaded.
        setShareContextStandIn();
        QObject* instance = plugin_.instance();
        if (!instance) {
            errorText = QStringLiteral("The web view plugin %1 could not be loaded: %2")
                            .arg(file, plugin_.errorString());
            return nullptr;
        }
        auto* found = qobject_cast<EmbeddedBrowserFactory*>(instance);
        if (!found) {
            errorText = QStringLiteral("%1 is not a Tessorin web view plugin.").arg(file);
            return nullptr;
        }
        if (!found->engineReady(errorText)) {
            return nullptr;
        }
        return found;
    }

    QString folder_;
    // Never unloaded: the views it makes may live until the program ends.
    QPluginLoader plugin_;
    EmbeddedBrowserFactory* factory_ = nullptr;
};

}  // namespace

std::unique_ptr<EmbeddedBrowserLoader> makeHostBrowserLoader() {
    // The folder is worked out on first use, when the application object surely exists.
    class HostLoader final : public EmbeddedBrowserLoader {
      public:
        EmbeddedBrowserFactory* factory(QString& errorText) override {
            if (!loader_) {
                loader_ = makePluginBrowserLoader(HostPaths::forThisHost().pluginDir);
            }
            return loader_->factory(errorText);
        }

      private:
        std::unique_ptr<EmbeddedBrowserLoader> loader_;
    };
    return std::make_unique<HostLoader>();
}

std::unique_ptr<EmbeddedBrowserLoader> makePluginBrowserLoader(const QString& pluginFolder) {
    return std::make_unique<PluginBrowserLoader>(pluginFolder);
}

}  // namespace platform
