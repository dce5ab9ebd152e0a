#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;
class QShortcut;

namespace vantorel {

class DeviceLink;

// The progress of the link's running operation, for the status bar's free
// panel: a bar (prbOperation: "rows n of N", "blocks n of N", seconds of a
// wait) and the button "Cancel" (btnlngCancelOperation) beside it; Esc in the window
// cancels too. Shown from the operation's first progress report until it
// ends; hidden otherwise.
class OperationProgress : public QWidget {
    Q_OBJECT
public:
    explicit OperationProgress(DeviceLink& link, QWidget* parent = nullptr);

    // Esc cancels while this window is active (the main window).
    void cancelWithEscapeIn(QWidget* window);
    // A page holds its operation across several device operations (a write
    // and its read-back): shown throughout, hidden when the hold ends.
    void setHeld(bool held);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void show(int done, int total, const QString& unit);
    // The bar's text for the last report, in the language now installed.
    void showFormat();
    void cancel();

    DeviceLink& m_link;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
    QShortcut* m_escape = nullptr;
    bool m_held = false;
    int m_done = 0;
    int m_total = 0;
    QString m_unit;
};

} // namespace vantorel
