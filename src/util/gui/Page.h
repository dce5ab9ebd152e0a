#pragma once

#include <QList>
#include <QWidget>

class QAction;

namespace vantorel {

// A page of the main window. The window tells the page when the user brings
// it to the front; what the page then reads from the device is its own
// business.
class Page : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The user brought the page to the front (not a switch made by code).
    // While another operation waits for the device the notice follows that
    // operation.
    virtual void pageShown() { }
    // Actions among the page's menu actions whose enabled state the page
    // keeps itself (undo and redo follow what there is to undo).
    virtual QList<QAction*> selfEnabledActions() const { return {}; }
};

} // namespace vantorel
