#pragma once

// A page's host for tests of one page without the main window: records the
// boxes, the pages asked for and the controls handed over for locking.

#include "util/gui/PageHost.h"

#include <QObject>
#include <QStringList>

#include <vector>

namespace vantorel {

struct FakePageHost : PageHost {
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }
    void showPage(PageId page) override { pages.push_back(page); }
    void lockWhileBusy(QObject* controlOrAction) override { locked << controlOrAction->objectName(); }
    bool reopenPorts() override
    {
        ++reopens;
        return portsOpen;
    }

    QStringList messages;
    QStringList errors;
    std::vector<PageId> pages;
    QStringList locked;
    int reopens = 0;
    bool portsOpen = true;
};

} // namespace vantorel
