#pragma once

#include "channels/domain/RowLook.h"

#include <QColor>
#include <QDialog>
#include <QFrame>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QColorDialog;
class QLabel;
class QPushButton;

namespace vantorel {

// A framed colour swatch that reports clicks.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_color;
};

// "DMXUser Settings": the five row colours of the channel list. The panels
// are the program's store of these colours: the list reads them whenever it
// paints a row, the settings file loads into and saves from them. A colour
// picked in the chooser is in effect at once, whichever button closes the
// dialog; only "Ok" (result 1) asks the list to repaint at once. "Cancel"
// closes with result 3, the close box with 2.
class RowColoursDialog : public QDialog {
    Q_OBJECT
public:
    enum Result { ResultOk = 1, ResultCancel = 2, ResultAbort = 3 };

    explicit RowColoursDialog(QWidget* parent = nullptr);
    ~RowColoursDialog() override;

    // Colour values 0x00BBGGRR.
    uint32_t color(RowColorRole role) const;
    void setColor(RowColorRole role, uint32_t value);
    QColor qcolor(RowColorRole role) const;

    static QColor toQColor(uint32_t value);
    static uint32_t fromQColor(const QColor& color);

    // Runs the colour chooser preset to `initial`; nullopt when the user
    // cancels. Tests replace it; the default shows dlgColor modally.
    std::function<std::optional<QColor>(const QColor& initial)> chooseColor;

    void pickNoteColour();
    void pickNoteVelocityColour();
    void pickControlChangeColour();
    void pickControlValueColour();
    void pickDmxValueColour();
    void acceptColours();
    void cancelColours();

    void reject() override; // close box and Escape: result 2

    ColourSwatch* panel(RowColorRole role) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QFrame* m_previewPanel = nullptr;
    ColourSwatch* pnlNOColor = nullptr;
    ColourSwatch* pnlNOVelocity = nullptr;
    ColourSwatch* pnlCCColor = nullptr;
    ColourSwatch* pnlCCValue = nullptr;
    ColourSwatch* pnlDMXValue = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* btnOk = nullptr;
    QColorDialog* dlgColor = nullptr;

signals:
    // A colour changed (by the chooser or by setColor).
    void colorsChanged();

private:
    void pickColor(RowColorRole role);
    std::optional<QColor> runColorDialog(const QColor& initial);
};

} // namespace vantorel
