// A screen reader's and a keyboard user's view of the whole window: every
// focusable control of every page, menu window and box has a name that says
// what it is, the channel page's edit row is labelled, and Tab alone reaches
// every control of each page once, left to right along a row.

#include "WindowTour.h"

#include <QAbstractButton>
#include <QAction>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantorel;

namespace {

// What QWidget::focusNextPrevChild stops at.
bool tabStop(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !w->focusProxy();
}

// A name that only repeats the control's value ("1", "C-1/0") says nothing,
// unless it is the name the program gave (a list's name is also its value).
QString accessibleName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (!face)
        return {};
    const QString name = face->text(QAccessible::Name).trimmed();
    if (!name.isEmpty() && name == w->accessibleName().trimmed())
        return name;
    return name == face->text(QAccessible::Value).trimmed() ? QString() : name;
}

} // namespace

TEST(Accessibility, EveryFocusableControlHasAName)
{
    WindowTour tour;
    QMap<QString, QString> unnamed; // widget -> where first seen
    tour.run([&](QWidget* top, const QString& where) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* w : std::as_const(widgets))
            if (tabStop(w) && accessibleName(w).isEmpty() && !unnamed.contains(widgetId(w)))
                unnamed.insert(widgetId(w), where);
    });
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.size() << " focusable controls without a name:\n" << faultList(unnamed);
}

TEST(Accessibility, EveryEditRowControlIsLabelled)
{
    WindowTour tour;
    tour.window().findChild<QTabWidget*>(QStringLiteral("pgcMain"))->setCurrentIndex(int(PageId::Channels));
    QWidget* row = tour.window().findChild<QWidget*>(QStringLiteral("sedDmxCh"))->parentWidget();
    QMap<QString, QString> unlabelled;
    for (QWidget* w : row->findChildren<QWidget*>()) {
        // Disabled ones too: they are enabled by the mode chosen beside them.
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || w->focusProxy()
            || qobject_cast<QAbstractButton*>(w))
            continue;
        const QList<QLabel*> labels = tour.window().findChildren<QLabel*>();
        if (std::none_of(labels.begin(), labels.end(), [w](QLabel* l) { return l->buddy() == w && l->isVisible(); }))
            unlabelled.insert(widgetId(w), QStringLiteral("no visible label has it as its buddy"));
    }
    EXPECT_TRUE(unlabelled.isEmpty()) << faultList(unlabelled);
}

TEST(Accessibility, TabReachesEveryControlOfEachPageOnceInVisualOrder)
{
    WindowTour tour;
    auto* pages = tour.window().findChild<QTabWidget*>(QStringLiteral("pgcMain"));
    tour.window().findChild<QAction*>(QStringLiteral("milngAddChannel"))->trigger(); // Tab in a list with rows
    QMap<QString, QString> faults;
    tour.visitPages([&](QWidget* window, const QString& where) {
        QWidget* page = pages->currentWidget();
        QList<QWidget*> stops;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (page->isAncestorOf(w) && tabStop(w))
                stops << w;
        if (stops.isEmpty())
            return;
        // Tab pressed as a user would, from the first control round the window.
        stops.first()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> reached{stops.first()};
        for (int presses = 0; presses < 2 * stops.size() + 20; ++presses) {
            QWidget* from = window->focusWidget();
            QTest::keyClick(from, Qt::Key_Tab);
            QWidget* now = window->focusWidget();
            if (now == stops.first())
                break;
            if (!now || !page->isAncestorOf(now))
                continue;
            if (reached.contains(now)) {
                faults.insert(widgetId(now), where + QStringLiteral(": Tab comes back to it before the round ends"));
                break;
            }
            // Within one visual row, Tab goes left to right.
            const QRect a(from->mapTo(window, QPoint()), from->size()), b(now->mapTo(window, QPoint()), now->size());
            if (a.top() < b.bottom() && b.top() < a.bottom() && b.left() < a.left())
                faults.insert(widgetId(now), where + QStringLiteral(": Tab goes right to left from ") + widgetId(from));
            reached << now;
        }
        for (QWidget* w : std::as_const(stops))
            if (!reached.contains(w))
                faults.insert(widgetId(w), where + QStringLiteral(": Tab never reaches it"));
    });
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " Tab faults:\n" << faultList(faults);
}
