// The recovery of unsaved channel table changes at start: the table a run
// that did not end cleanly left behind is offered back.

#include "app/MainWindow.h"

#include "channels/ChannelRecovery.h"
#include "channels/gui/ChannelDocument.h"
#include "channels/gui/ChannelsPage.h"
#include "util/qt/TextConversions.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace vantorel {

namespace {

const char* const kRecoveryFileName = "channels-recovery.json";

} // namespace

void MainWindow::offerRecovery()
{
    const QString path = recoveryFilePath();
    if (path.isEmpty())
        return;
    ChannelDocument& document = m_channelsPage->document();
    document.enableRecovery(path);
    // A settings folder this run cannot write (its settings went elsewhere)
    // may still hold the file of an earlier run.
    QString found = path;
    Result<std::optional<RecoveredTable>> loaded = ChannelRecovery::load(found);
    if (loaded && !*loaded && !m_settingsFiles.unwritableDir.isEmpty()) {
        found = QDir(m_settingsFiles.unwritableDir).filePath(QString::fromLatin1(kRecoveryFileName));
        loaded = ChannelRecovery::load(found);
    }
    if (!loaded) {
        // Kept for a look (or a rescue by hand), never deleted.
        const Result<QString> kept = ChannelRecovery::setAside(found);
        const QString file = QDir::toNativeSeparators(found);
        const QString why = errorText(loaded.error());
        showError(!kept ? tr("The unsaved channel table of the last run cannot be restored (%1): %2. The file is left "
                             "where it is.")
                              .arg(file, why)
                        : tr("The unsaved channel table of the last run cannot be restored (%1): %2. The file is kept "
                             "as %3.")
                              .arg(file, why, QDir::toNativeSeparators(*kept)));
        return;
    }
    if (!*loaded)
        return;
    std::optional<RecoveredTable>& pending = *loaded;
    const QString when = pending->saved.isValid()
        ? pending->saved.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
        : QStringLiteral("?");
    QString question = tr("The program did not end properly last time. Restore the unsaved channel table "
                          "(%n channels, kept %1)?",
                          nullptr, int(pending->rows.size()))
                           .arg(when);
    question += QStringLiteral("\r\n")
        + (pending->source.isEmpty() ? tr("The table was not saved to a file.")
                                     : tr("The table came from %1.").arg(QDir::toNativeSeparators(pending->source)));
    // Restoring loses nothing; declining deletes the table for good.
    m_yesByDefault = true;
    const bool restore = askYesNo && askYesNo(tr("Restore unsaved changes"), question);
    m_yesByDefault = false;
    if (restore)
        document.restore(*pending);
    else
        document.discardRecovery();
    if (found != path)
        QFile::remove(found); // offered once; the table lives on in this run's own file
}

} // namespace vantorel
