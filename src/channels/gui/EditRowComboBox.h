#pragma once

#include <QComboBox>

namespace vantorel {

// A selection box of the edit row. Its column is narrow: a text that does not
// fit is shown cut with an ellipsis, and the open list is as wide as its
// longest entry.
class EditRowComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit EditRowComboBox(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantorel
