#include <QObject>
#include <QtPlugin>

// A well-formed Qt plugin that offers something other than a web view, as a stray or
// outdated file in the plugin folder would.
class WrongPlugin final : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.SomethingElse/1.0")
};

#include "WrongPlugin.moc"
