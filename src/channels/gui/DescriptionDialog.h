#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vantorel {

// "DMX Channel description": shows and edits the full description of one
// row. Update hands the cleaned text to the owner (descriptionUpdated), which
// writes it into the current row of the channel list; the editor stays open
// until Close.
class DescriptionDialog : public QDialog {
    Q_OBJECT
public:
    explicit DescriptionDialog(QWidget* parent = nullptr);

    // The text the editor shows.
    void setDescription(const QString& text);
    void updateDescription();
    void closeEditor();

signals:
    void descriptionUpdated(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void focusText();
    void retranslateUi();

    QPlainTextEdit* memDescr = nullptr;
    QPushButton* btnUpdate = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* lbllngNote = nullptr;
};

} // namespace vantorel
