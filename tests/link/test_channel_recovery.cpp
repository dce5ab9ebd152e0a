// The recovery file of unsaved channel table changes, also after the
// program was killed while it wrote.

#include "TestRig.h"
#include "channels/ChannelRecovery.h"
#include "channels/domain/ChannelCsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace vantorel;

namespace {

ChannelTable oddRows()
{
    ChannelTable rows;
    for (int n = 1; n <= 512; ++n)
        rows.push_back(defaultChannelRecord(n));
    rows[11].fromNumber = rows[11].toNumber = "C-0/12      "; // trailing blanks kept
    rows[20].description = "Bühne links, \"front\"; 2"; // what a CSV file would lose
    rows[30].dmxChannel = "31"; // kept as it came
    return rows;
}

// A recovery file with one row of the default channel data, `dmx` and `midi`
// given (a second row "001" after it when `then001`).
QByteArray recovery(const char* dmx, const char* midi = "1", bool then001 = false)
{
    const QByteArray row = QByteArray(R"([")") + dmx + R"(","Active","0",")" + midi
        + R"(","Note On","C-1/0","C-1/0","Velocity","0",""])";
    return R"({"format":"VANTOREL channel table recovery","version":1,"rows":[)" + row
        + (then001 ? R"(,["001","Active","0","1","Note On","C-1/0","C-1/0","Velocity","0",""])" : "") + "]}";
}

} // namespace

TEST(ChannelRecovery, WritesWhileModifiedAndGoesAwayWhenSaved)
{
    VirtualClock clock;
    QTemporaryDir dir;
    const QString path = dir.filePath("recovery.json");
    ChannelTable table = oddRows();
    ChannelRecovery recovery(
        path, [&table] { return table; }, [] { return QStringLiteral("/shows/tour.csv"); }, 50);

    pause(150);
    EXPECT_FALSE(QFile::exists(path)) << "written without changes";
    recovery.setModified(true);
    pause(49);
    EXPECT_FALSE(QFile::exists(path)) << "written before the interval";
    ASSERT_TRUE(waitFor([&] { return QFile::exists(path); }));
    auto loaded = ChannelRecovery::load(path);
    ASSERT_TRUE(loaded) << loaded.error().message;
    const std::optional<RecoveredTable>& recovered = *loaded;
    ASSERT_TRUE(recovered);
    EXPECT_EQ(recovered->rows, table);
    EXPECT_EQ(recovered->source, "/shows/tour.csv");
    EXPECT_LE(recovered->saved.secsTo(QDateTime::currentDateTimeUtc()), 5);

    // Later changes reach the file at the next interval.
    table.pop_back();
    ASSERT_TRUE(waitFor([&] { return ChannelRecovery::load(path).value()->rows.size() == 511; }));

    recovery.setModified(false);
    EXPECT_FALSE(QFile::exists(path));
    pause(150);
    EXPECT_FALSE(QFile::exists(path)) << "written after the table was saved";
}

TEST(ChannelRecovery, ForeignOrBrokenFilesAreNoRecovery)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ChannelRecovery::load(dir.filePath("none.json")).value());
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"empty", ""},
        {"garbage", QByteArray("\x00\x01\xff", 3)},
        {"other", R"({"format":"something","version":1,"rows":[]})"},
        {"newer", R"({"format":"VANTOREL channel table recovery","version":2,"rows":[]})"},
        {"short row", R"({"format":"VANTOREL channel table recovery","version":1,"rows":[["001"]]})"},
        // The rows pass the checks of a channel file: cells the device can take,
        // ascending channels, each once.
        {"DMX abc", recovery("abc")},
        {"MIDI channel 99", recovery("001", "99")},
        {"DMX 513", recovery("513")},
        {"unsorted", recovery("002", "1", true)},
        {"twice", recovery("1", "1", true)},
        {"over 4 MiB", recovery("001").append(QByteArray(4 * 1024 * 1024, ' '))},
    };
    for (const auto& f : files) {
        QFile file(dir.filePath(f.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(f.bytes);
        file.close();
        const auto loaded = ChannelRecovery::load(file.fileName());
        ASSERT_FALSE(loaded) << f.name;
        EXPECT_FALSE(loaded.error().message.empty()) << f.name;
    }
    QFile good(dir.filePath("good"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly) && good.write(recovery("511", "16")) > 0);
    good.close();
    EXPECT_TRUE(ChannelRecovery::load(good.fileName()).value());
}

#ifndef _WIN32
TEST(ChannelRecovery, AFifoIsRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("channels-recovery.json");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const auto loaded = ChannelRecovery::load(path); // returns: no writer is awaited
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error().message, "not a regular file");
}
#endif

TEST(ChannelRecovery, AFileFromAKilledProcessCanBeRestored)
{
    // The child writes every 20 ms until it is killed; whenever that happens,
    // the file holds a whole table.
    QTemporaryDir dir;
    const QString path = dir.filePath("recovery.json");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VANTOREL_RECOVERY_CHILD", path);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ChannelRecoveryChild.*"});
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return QFile::exists(path); }));
    pause(137);
    child.kill(); // SIGKILL: no clean exit
    child.waitForFinished();
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    const auto loaded = ChannelRecovery::load(path);
    ASSERT_TRUE(loaded) << loaded.error().message;
    const std::optional<RecoveredTable>& recovered = *loaded;
    ASSERT_TRUE(recovered);
    EXPECT_EQ(recovered->rows, oddRows());
    // A kill in the middle of a write may leave that write's temporary file
    // beside it, never a second recovery file.
    EXPECT_EQ(QDir(dir.path()).entryList({"*.json"}, QDir::Files), QStringList{"recovery.json"});
}

TEST(ChannelRecoveryChild, WritesUntilKilled)
{
    const QString path = qEnvironmentVariable("VANTOREL_RECOVERY_CHILD");
    if (path.isEmpty())
        GTEST_SKIP() << "runs as the child of AFileFromAKilledProcessCanBeRestored";
    ChannelRecovery recovery(
        path, [] { return oddRows(); }, {}, 20);
    recovery.setModified(true);
    pause(60000);
}
