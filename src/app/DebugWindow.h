#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace vantorel {

class DeviceLink;

// Developer window: the events received, the exchange log and the working
// lists of the device link (short-message queue, bootloader info, test data).
// The lists live in the link; this window only shows them.
class DebugWindow : public QWidget {
    Q_OBJECT
public:
    explicit DebugWindow(DeviceLink& link, QWidget* parent = nullptr);
    ~DebugWindow() override;

    // Rewrites lbxMsgQueue, lbxBinData and lbxTestdat from the link's lists.
    void refreshLists();

    void clearEvents();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A double click anywhere in lbxEvents, on an item or below the last.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslateUi();
    void appendEvent(const QString& text);
    void appendResult(const QString& line);
    void onListsChanged();

    DeviceLink& m_link;
    bool m_listsStale = true;

    QListWidget* lbxEvents = nullptr;
    QListWidget* lbxResult = nullptr;
    QListWidget* lbxMsgQueue = nullptr;
    QListWidget* lbxBinData = nullptr;
    QListWidget* lbxTestdat = nullptr;
    QLabel* m_timerCaption = nullptr;
    QLabel* m_timerCount = nullptr;
    QLabel* m_testTime = nullptr;
    QLabel* lblCnt = nullptr;
};

} // namespace vantorel
