#pragma once

#include <QLabel>
#include <QString>

namespace vantorel {

// A one-line status label that never widens its window: text() is the whole
// text, the line shows its first line, cut to the width with "... (details)"
// when it does not fit (or has more lines). A click emits detailsRequested.
// It is given no accessible name: its whole text is its name, so a screen
// reader hears each new text (QLabel reports the name as changed).
class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(const QString& text, QWidget* parent = nullptr);

    // What the line shows now.
    QString shownText() const;
    bool isCut() const { return shownText() != text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void detailsRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vantorel
