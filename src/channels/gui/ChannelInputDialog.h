#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

// Asks for a destination DMX channel number within lowestChannel..HighestChannel.
// The caller sets the caption, both message lines, the prefilled number and
// the range; on Ok (result Accepted) channelNumber holds the accepted number.
class ChannelInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChannelInputDialog(QWidget* parent = nullptr);

    int lowestChannel = 1;
    int highestChannel = 512;
    int channelNumber = 0;

    // Message boxes; the owner routes them to the main window's.
    std::function<void(const QString&)> showMessage;

    // Checks the field; closes with Ok when it holds a number in range.
    void acceptChannelNumber();

    // The two message lines and the prefilled number.
    void setPrompt(const QString& firstLine, const QString& secondLine, int number);

private:
    QLabel* lblMsg1 = nullptr;
    QLabel* lblMsg2 = nullptr;
    QLabel* ledlngDMXChNbrLabel = nullptr;
    QLineEdit* ledlngDMXChNbr = nullptr;
    QPushButton* btnlngOk = nullptr;
    QPushButton* btnlngCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Key filter of the number field: digits and editing keys only; Enter runs Ok.
    bool ledlngDMXChNbrKeyPress(QKeyEvent* event);
    // The caption and both message lines are the caller's, set before each run.
    void retranslateUi();
};

} // namespace vantorel
