#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

// "16 bit calculator": converts between a 16-bit value and its low and high
// bytes. Shown without blocking the main window and kept on top of it; the
// fields keep their contents between showings.
class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalculatorDialog(QWidget* parent = nullptr);

    // The problem of a field's text, empty when there is none.
    static QString checkText(const QString& text, int maximum);

    void bytesToValue();
    void valueToBytes();

private:
    QLabel* ledlngLowByteLabel = nullptr;
    QLineEdit* ledlngLowByte = nullptr;
    QLabel* ledlngHighByteLabel = nullptr;
    QLineEdit* ledlngHighByte = nullptr;
    QLabel* ledlngValueLabel = nullptr;
    QLineEdit* ledlngValue = nullptr;
    QPushButton* btnToValue = nullptr;
    QPushButton* btnToBytes = nullptr;
    QLabel* lblWarning = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Checks one field and shows its problem in lblWarning; true when it is fine.
    bool checkField(QLineEdit* field);
    // A field that failed its check: select its text and give it the focus.
    void markField(QLineEdit* field);
    int maximumOf(const QLineEdit* field) const;
    // The problem untranslated, as lblWarning keeps it for a change of language.
    static const char* problemOf(const QString& text, int maximum);
    void showWarning(const char* warning);
    void retranslateUi();

    const char* m_warning = ""; // the untranslated text lblWarning shows
};

} // namespace vantorel
