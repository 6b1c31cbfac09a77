// Start-up and the profile commands with each of the three INI files broken in every way
// a disk or a user can break it: the window must come up, and nothing may crash or hang.

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <tuple>

#include "app/MainWindowFixture.h"
#include "app/SiteTable.h"
#include "support/SpecialFiles.h"

namespace {

enum class IniFile { Settings, Websites, Default };
enum class Breakage {
    Missing,
    Empty,
    Unreadable,
    Directory,
    RandomBytes,
    LongLine,
    NamedPipe,
    EndlessDevice
};

const char* const kFileNames[] = {"Settings", "Websites", "Default"};
const char* const kBreakageNames[] = {"Missing",     "Empty",    "Unreadable", "Directory",
                                      "RandomBytes", "LongLine", "NamedPipe",  "EndlessDevice"};

QByteArray randomBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(1961);  // a fixed seed, so a failure can be repeated
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// A 1 MB line that begins like a ticked entry, then an entry that must still be found.
QByteArray longLineProfile() {
    return "[Tessorin]\r\nLego=True" + QByteArray(1 << 20, '7') + "\r\nPeeron=True\r\n";
}

QStringList savedKeys() {
    QStringList keys;
    for (const SiteDefinition& site : kSites) {
        keys << QLatin1String(site.profileSaveKey);
    }
    return keys << "Lugnet Popup"
                << "Don't Show Alert"
                << "Minimize While Searching"
                << "Show Save Confirm";
}

class StartUpTest : public MainWindowTest,
                    public ::testing::WithParamInterface<std::tuple<IniFile, Breakage>> {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        breakFile();
    }

    IniFile file() const { return std::get<0>(GetParam()); }
    Breakage breakage() const { return std::get<1>(GetParam()); }

    QString path() const {
        return file() == IniFile::Settings
                   ? doubles_.settingsFile()
                   : doubles_.installFile(QLatin1String(kFileNames[int(file())]) + ".ini");
    }

    void breakFile() {
        QFile::remove(path());
        QDir().mkpath(QFileInfo(path()).path());
        switch (breakage()) {
            case Breakage::Missing:
                return;
            case Breakage::Directory:
                ASSERT_TRUE(QDir().mkpath(path()));
                return;
            case Breakage::RandomBytes:
                return put(randomBytes(10 << 20));
            case Breakage::LongLine:
                return put(longLineProfile());
            case Breakage::Empty:
                return put({});
            case Breakage::NamedPipe:
                if (!makeNamedPipe(path())) {
                    GTEST_SKIP() << "no named pipes on this host";
                }
                return;
            case Breakage::EndlessDevice:
                if (!makeLinkToEndlessDevice(path())) {
                    GTEST_SKIP() << "no endless device on this host";
                }
                return;
            case Breakage::Unreadable:
                put("[Tessorin]\r\nPeeron=True\r\n");
                // Windows keeps no read permission to take away, so it is readable too.
                if (!QFile::setPermissions(path(), {}) || QFile(path()).open(QIODevice::ReadOnly)) {
                    GTEST_SKIP() << "this user (root, as in CI) reads files whatever their mode "
                                    "bits, so chmod 000 cannot make one unreadable";
                }
        }
    }

    void put(const QByteArray& bytes) {
        QFile out(path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    bool cannotBeRead() const {
        return breakage() == Breakage::Unreadable || breakage() == Breakage::Directory ||
               breakage() == Breakage::NamedPipe || breakage() == Breakage::EndlessDevice;
    }

    // Only the entry after the long line can tick anything; every other breakage reads as
    // an empty profile.
    void expectProfileLoaded() {
        EXPECT_EQ(box("chkpeeron")->isChecked(), breakage() == Breakage::LongLine);
        EXPECT_FALSE(box("chklego")->isChecked())
            << "the first 254 bytes of a long value are not True";
        EXPECT_FALSE(box("chkbrickset")->isChecked());
    }
};

TEST_P(StartUpTest, WindowStartsAndTheProfileCommandsCope) {
    window();
    ASSERT_TRUE(window().isVisible());
    // Without its site addresses no search can work, so that file alone is worth a word;
    // the long-line file still holds addresses (the Lego and Peeron entries).
    if (file() == IniFile::Websites && breakage() != Breakage::LongLine) {
        ASSERT_EQ(doubles_.messages.shown.size(), 1u);
        EXPECT_TRUE(doubles_.messages.shown[0].text.contains(QDir::toNativeSeparators(path())));
        return;
    }
    EXPECT_TRUE(doubles_.messages.shown.empty()) << "a broken profile is read as empty, silently";
    if (file() == IniFile::Settings) {
        expectProfileLoaded();
    }
    if (file() == IniFile::Default) {
        click(box("chkbrickset"));
        triggerMenu("LoadDefault");
        expectProfileLoaded();
    }
    if (file() != IniFile::Settings) {
        return;
    }
    click(box("chkbrickset"));
    triggerMenu("SaveSettings");
    if (cannotBeRead()) {
        // What is there cannot be read, so replacing it could lose the user's data.
        ASSERT_EQ(doubles_.messages.shown.size(), 1u);
        EXPECT_TRUE(doubles_.messages.shown[0].text.contains("could not be saved"));
        return;
    }
    EXPECT_TRUE(doubles_.messages.shown.empty());
    const ProgramIniFiles saved(doubles_.services.paths);
    for (const QString& key : savedKeys()) {
        const bool ticked = key == "Brickset" || (key == "Peeron" && box("chkpeeron")->isChecked());
        EXPECT_EQ(saved.ReadSettingsIni("Tessorin", key), ticked ? "True" : "False")
            << key.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    BrokenIniFiles, StartUpTest,
    ::testing::Combine(::testing::Values(IniFile::Settings, IniFile::Websites, IniFile::Default),
                       ::testing::Values(Breakage::Missing, Breakage::Empty, Breakage::Unreadable,
                                         Breakage::Directory, Breakage::RandomBytes,
                                         Breakage::LongLine, Breakage::NamedPipe,
                                         Breakage::EndlessDevice)),
    [](const auto& info) {
        return std::string(kFileNames[int(std::get<0>(info.param))]) +
               kBreakageNames[int(std::get<1>(info.param))];
    });

}  // namespace
