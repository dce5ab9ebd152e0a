#pragma once

#include <QDockWidget>
#include <QString>

class QAction;
class QListWidget;

namespace vantorel {

// The window's "Messages" (dcklngMessages): every status text, report and
// error of the run with its time, in full, in the list lbxlngMessages. The
// list is read with the keyboard like any list; Ctrl+C (or the list's menu,
// "Copy") copies the selected entries, or all of them when none is selected.
// Hidden until the window shows it or the user opens it.
class MessagePanel : public QDockWidget {
    Q_OBJECT
public:
    explicit MessagePanel(QWidget* parent = nullptr);

    // Keeps `text` (one or more lines) with the time it came.
    void add(const QString& text);
    // Shows the panel and puts the keyboard focus on its newest entry.
    void open();
    // The entries as they would be copied.
    QString entriesText(bool selectedOnly) const;
    int count() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void copyEntries();

    QListWidget* m_list = nullptr;
    QAction* m_copy = nullptr;
};

} // namespace vantorel
