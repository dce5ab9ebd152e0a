#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QObject;
class QPushButton;

namespace vantorel {

// "LangForm": a developer window that lists the text properties of the main
// window's translatable components, with their current values, as raw
// material for a translation. It reads and writes no files and changes
// nothing. Shown without being modal.
class LanguageWindow : public QDialog {
    Q_OBJECT
public:
    // `owner` is the window whose components are listed (not owned).
    explicit LanguageWindow(QWidget& owner, QWidget* parent = nullptr);

    // Lists, in creation order, every component of the owner whose name
    // contains "rglng": its name on a line of its own, then its properties.
    void listTranslations();

    // One line "[Property] NAME: TYPE = VALUE" per stored, designable
    // property of a text type, sorted by name; "Porażka: NAME" for a property
    // whose value cannot be read.
    static void listStringProperties(const QObject& component, QStringList& lines);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QListWidget* m_textList = nullptr;
    QPushButton* m_listButton = nullptr;
    QWidget& m_owner;
};

} // namespace vantorel
