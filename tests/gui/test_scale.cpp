// The whole window at QT_SCALE_FACTOR=2 (set by ctest): no text wider than
// its widget, no two controls of one layout on top of each other.

#include "WindowTour.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMap>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

bool inLayout(const QLayout* layout, const QWidget* w)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w || (item->layout() && inLayout(item->layout(), w)))
            return true;
    }
    return false;
}

// "a overlaps b": visible children placed by the same widget's layout.
QStringList overlaps(QWidget* top)
{
    QStringList found;
    QList<QWidget*> parents = top->findChildren<QWidget*>();
    parents.prepend(top);
    for (const QWidget* parent : std::as_const(parents)) {
        if (!parent->isVisible() || !parent->layout())
            continue;
        QList<const QWidget*> placed;
        for (const QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->isWindow() && inLayout(parent->layout(), w))
                placed << w;
        for (qsizetype i = 0; i < placed.size(); ++i)
            for (qsizetype j = i + 1; j < placed.size(); ++j)
                if (placed[i]->geometry().intersects(placed[j]->geometry()))
                    found << widgetId(placed[i]) + QStringLiteral(" overlaps ") + widgetId(placed[j]);
    }
    return found;
}

} // namespace

TEST(Scale, AtTwiceTheSizeNothingIsCutOffOrOverlaps)
{
    ASSERT_EQ(qgetenv("QT_SCALE_FACTOR"), "2");
    WindowTour tour;
    EXPECT_EQ(tour.window().devicePixelRatio(), 2.0);
    QMap<QString, QString> faults;
    tour.run([&](QWidget* top, const QString& where) {
        for (const QString& fault : clippedTexts(top) + overlaps(top))
            faults.insert(fault, where);
    });
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults at scale 2:\n" << faultList(faults);
}
