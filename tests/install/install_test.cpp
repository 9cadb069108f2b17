// The installed game: cmake --install into a temporary prefix, then the files
// a distribution checks and the program itself, started from the read-only
// prefix by a player with an empty home.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const QString kAppId = QStringLiteral(DAKRU_APP_ID);

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

Finished runToEnd(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(-1);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void setWritable(const fs::path& root, bool writable)
{
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const auto how = writable ? fs::perm_options::add : fs::perm_options::remove;
    fs::permissions(root, write, how);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_symlink())
            fs::permissions(entry.path(), write, how);
    }
}

QByteArray readAll(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// What a started game showed and left behind once its intro cue was heard.
struct Started {
    bool heard = false;
    QString err;
    QByteArray userTable;
};

class InstalledGame : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefixDir_ = std::make_unique<QTemporaryDir>();
        prefix_ = prefixDir_->path();
        const Finished install =
            runToEnd(QStringLiteral(DAKRU_CMAKE), {"--install", DAKRU_BUILD_DIR, "--prefix", prefix_});
        installLog_ = install.out + install.err;
        installed_ = install.exitCode == 0;
        // Read-only for everyone, as under /usr; others may enter, so that a
        // test running as root can start the game as an ordinary user.
        fs::permissions(prefix_.toStdString(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
        setWritable(prefix_.toStdString(), false);
    }

    static void TearDownTestSuite()
    {
        setWritable(prefix_.toStdString(), true);
        prefixDir_.reset();
    }

    void SetUp() override { ASSERT_TRUE(installed_) << qPrintable(installLog_); }

    static QString installed(const QString& path) { return prefix_ + QLatin1Char('/') + path; }

    static QProcessEnvironment environment(const QString& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home + "/.local/share");
        env.insert("XDG_CONFIG_HOME", home + "/.config");
        env.insert("XDG_CACHE_HOME", home + "/.cache");
        env.remove("XDG_RUNTIME_DIR");
        env.remove("QT_LOGGING_RULES");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        return env;
    }

    // Starts the installed program as a player with an empty home would, as
    // an ordinary user even when the tests run as root, so that the prefix
    // really is read-only to it. SDL's disk driver writes what the game plays
    // to a file: the first sound there is the intro cue, played once the
    // window is up, by which time every picture, sound and the table have
    // been looked for. Then the game is stopped.
    static Started start(const QStringList& arguments, const QString& loggingRules)
    {
        QTemporaryDir home;
        QProcessEnvironment env = environment(home.path());
        const QString audioFile = home.path() + "/audio.raw";
        env.insert("SDL_AUDIODRIVER", "disk");
        env.insert("SDL_DISKAUDIOFILE", audioFile);
        if (!loggingRules.isEmpty())
            env.insert("QT_LOGGING_RULES", loggingRules);

        QProcess game;
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(home.path());
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (nobody == nullptr || chown(qPrintable(home.path()), nobody->pw_uid, nobody->pw_gid) != 0)
                return {false, "no ordinary user to run as", {}};
            game.setChildProcessModifier([uid = nobody->pw_uid, gid = nobody->pw_gid] {
                if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                    _exit(127);
            });
        }
        game.start(installed("bin/dakru"), arguments);

        // A guard against a game that never makes a sound, not a speed target.
        const QDeadlineTimer guard(std::chrono::minutes(2));
        QFile audio(audioFile);
        QString err;
        bool heard = false;
        while (!heard && game.state() != QProcess::NotRunning && !guard.hasExpired()
               && !err.contains(QLatin1String("dakru:"))) {
            game.waitForFinished(50);
            err += QString::fromLocal8Bit(game.readAllStandardError());
            if (audio.isOpen() || audio.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
                const QByteArray played = audio.readAll();
                heard = std::any_of(played.begin(), played.end(), [](char byte) { return byte != 0; });
            }
        }
        const QByteArray userTable = readAll(home.path() + "/.local/share/Dakru/dakru.dhs");
        game.terminate();
        game.waitForFinished(-1);
        err += QString::fromLocal8Bit(game.readAllStandardError());
        return {heard, err, userTable};
    }

    inline static std::unique_ptr<QTemporaryDir> prefixDir_;
    inline static QString prefix_;
    inline static QString installLog_;
    inline static bool installed_ = false;
};

TEST_F(InstalledGame, LaysOutTheProgramItsDataAndTheDesktopFiles)
{
    QStringList expected{"bin/dakru",
                         "share/dakru/dakru.dhs",
                         "share/applications/" + kAppId + ".desktop",
                         "share/metainfo/" + kAppId + ".metainfo.xml",
                         "share/man/man6/dakru.6",
                         "share/doc/dakru/LICENSE"};
#if defined(DAKRU_JPEG_BUILT_IN)
    expected << "share/doc/dakru/jpeg-notice.txt";
#endif
    for (const QString& folder : {QStringLiteral("Pictures"), QStringLiteral("Sounds")}) {
        const QStringList files = QDir(QStringLiteral(DAKRU_ASSETS_DIR "/") + folder).entryList(QDir::Files);
        EXPECT_FALSE(files.isEmpty());
        for (const QString& file : files)
            expected << "share/dakru/" + folder + "/" + file;
    }
    const QRegularExpression iconName(QStringLiteral("^dakru-(\\d+)\\.png$"));
    int sizes = 0;
    for (const QString& icon : QDir(QStringLiteral(DAKRU_ASSETS_DIR "/icons")).entryList(QDir::Files)) {
        if (const auto size = iconName.match(icon); size.hasMatch()) {
            expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size.captured(1), kAppId);
            ++sizes;
        }
    }
    EXPECT_GE(sizes, 1);
    for (const QString& path : expected)
        EXPECT_TRUE(QFile::exists(installed(path))) << qPrintable(path);
}

TEST_F(InstalledGame, DesktopEntryAndMetainfoPassTheValidators)
{
    const Finished desktop =
        runToEnd(QStringLiteral(DAKRU_DESKTOP_FILE_VALIDATE), {installed("share/applications/" + kAppId + ".desktop")});
    EXPECT_EQ(desktop.exitCode, 0);
    EXPECT_EQ(desktop.out + desktop.err, QString());

    const Finished metainfo =
        runToEnd(QStringLiteral(DAKRU_APPSTREAMCLI),
                 {"validate", "--no-net", installed("share/metainfo/" + kAppId + ".metainfo.xml")});
    EXPECT_EQ(metainfo.exitCode, 0) << qPrintable(metainfo.out + metainfo.err);
}

TEST_F(InstalledGame, AnswersItsCommandLine)
{
    struct Case {
        QStringList arguments;
        int exitCode;
        QStringList out;  // all of these on standard output; none expects it empty
        QStringList err;
    };
    const Case cases[] = {
        {{"--version"}, 0, {"dakru " DAKRU_VERSION "\n"}, {}},
        {{"-v"}, 0, {"dakru " DAKRU_VERSION "\n"}, {}},
        {{"--help"}, 0, {"Usage:", "--version", "--verbose"}, {}},
        {{"--help-all"}, 0, {"Usage:", "--verbose"}, {}},
        {{"--bogus"}, 2, {}, {"Unknown option 'bogus'.", "Usage:"}},
        {{"-platform", "offscreen", "stray"}, 2, {}, {"Unexpected argument 'stray'.", "Usage:"}},
    };
    QTemporaryDir home;
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.arguments.join(' ')));
        const Finished run = runToEnd(installed("bin/dakru"), c.arguments, environment(home.path()));
        EXPECT_EQ(run.exitCode, c.exitCode);
        for (const auto& [stream, expected] : {std::pair{run.out, c.out}, std::pair{run.err, c.err}}) {
            if (expected.isEmpty()) {
                EXPECT_EQ(stream, QString());
            }
            for (const QString& part : expected) {
                EXPECT_TRUE(stream.contains(part)) << qPrintable(stream);
            }
        }
        if (c.out.size() == 1) {
            EXPECT_EQ(run.out, c.out.front());
        }
    }
}

TEST_F(InstalledGame, StartsFromAReadOnlyPrefixWithItsDataAndKeepsTheTableInTheHome)
{
    struct Case {
        const char* name;
        QStringList arguments;
        QString loggingRules;
        bool toolkitSpeaks;
    };
    // Without XDG_RUNTIME_DIR the toolkit always has a warning to give.
    const Case cases[] = {
        {"quiet by default", {}, {}, false},
        {"--verbose", {"--verbose"}, {}, true},
        {"QT_LOGGING_RULES", {}, "qt.qpa.*=false", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Started started = start(c.arguments, c.loggingRules);
        EXPECT_TRUE(started.heard) << "the intro cue never played: " << qPrintable(started.err);
        EXPECT_EQ(started.userTable, readAll(installed("share/dakru/dakru.dhs")));
        EXPECT_FALSE(started.err.contains(QLatin1String("dakru:"))) << qPrintable(started.err);
        EXPECT_EQ(!started.err.isEmpty(), c.toolkitSpeaks) << qPrintable(started.err);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
