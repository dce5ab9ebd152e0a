// Every file the program writes (channel settings files, the program INI file
// and the window-position INI file) replaces the old one only once the new
// one is complete. Here a save is interrupted in the middle: the process
// writing it is killed by the file size limit (SIGXFSZ), or the write fails
// with EFBIG. Either way the old file is still there, whole.

#include "channels/ChannelFile.h"
#include "settings/SettingsFiles.h"
#include "settings/domain/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantorel;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

enum class Interruption {
    Killed, // SIGXFSZ ends the process in the middle of the write
    WriteFails, // SIGXFSZ ignored: the write returns EFBIG
};

// Runs `save` in a child process that may write files of at most `limit`
// bytes; true when the child was killed by the limit (Killed) or reported the
// failed save (WriteFails).
bool saveInChild(Interruption how, rlim_t limit, const std::function<bool()>& save)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, how == Interruption::Killed ? SIG_DFL : SIG_IGN);
        const rlimit small{limit, limit};
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(save() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (how == Interruption::Killed)
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

// The new contents: far more than the limit lets through.
ChannelTable bigTable()
{
    ChannelTable rows;
    for (int n = 1; n <= 512; ++n) {
        ChannelRecord record = defaultChannelRecord(n);
        record.description = "a description long enough to make the file large";
        rows.push_back(record);
    }
    return rows;
}

IniFile bigIni()
{
    IniFile ini;
    for (int n = 0; n < 500; ++n)
        ini.writeString("FormsSizes", "Window" + std::to_string(n) + ".Xpos", std::string(40, 'x'));
    return ini;
}

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class InterruptedSave : public ::testing::TestWithParam<Interruption> {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_P(InterruptedSave, ChannelSettingsFileKeepsItsOldContents)
{
    const QString file = path("show.csv");
    const QByteArray old = channelFileBytes({defaultChannelRecord(7)});
    writeAll(file, old);

    EXPECT_TRUE(saveInChild(GetParam(), 4096, [&] { return saveChannelFile(file, bigTable()).has_value(); }));
    if (GetParam() == Interruption::WriteFails) {
        EXPECT_EQ(filesIn(dir), QStringList{"show.csv"}); // a failed save leaves nothing behind
    }
    EXPECT_EQ(readAll(file), old);
    EXPECT_TRUE(loadChannelFile(file).ok());

    // The next save goes through whole.
    EXPECT_TRUE(saveChannelFile(file, bigTable()));
    const ChannelFileLoad load = loadChannelFile(file);
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.csv.rows.size(), 512u);
}

TEST_P(InterruptedSave, IniFilesKeepTheirOldContents)
{
    // Both INI files are written the same way: the program INI file through
    // writeIniFile, the window positions through IniFile::Save.
    for (const char* name : {"vantorel-control-center.ini", "positions.ini"}) {
        const QString file = path(name);
        IniFile small;
        small.writeString("Ports", "MIDIInput", "VANTOREL Emulator");
        small.writeInteger("FormsSizes", "MainWindow.Xpos", 40);
        const QByteArray old = QByteArray::fromStdString(small.serialize());
        writeAll(file, old);

        EXPECT_TRUE(saveInChild(GetParam(), 2048, [&] { return writeIniFile(bigIni(), file).has_value(); })) << name;
        EXPECT_EQ(readAll(file), old) << name;
        const IniFile reread = readIniFile(file);
        EXPECT_EQ(reread.readString("Ports", "MIDIInput", ""), "VANTOREL Emulator");
        EXPECT_EQ(reread.readInteger("FormsSizes", "MainWindow.Xpos", 0), 40);
    }
    if (GetParam() == Interruption::WriteFails) {
        EXPECT_EQ(filesIn(dir), (QStringList{"positions.ini", "vantorel-control-center.ini"}));
    }
}

INSTANTIATE_TEST_SUITE_P(save, InterruptedSave, ::testing::Values(Interruption::Killed, Interruption::WriteFails),
                         [](const auto& info) { return info.param == Interruption::Killed ? "Killed" : "WriteFails"; });
