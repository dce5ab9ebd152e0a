#include "WindowTour.h"

#include "app/DebugWindow.h"
#include "channels/gui/ChannelsPage.h"
#include "settings/gui/LanguageWindow.h"

#include "util/gui/StatusLine.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabWidget>
#include <QTableView>

namespace vantorel {

namespace {

QString describe(const QWidget* w)
{
    return QStringLiteral("%1 '%2' \"%3\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), w->windowTitle());
}

} // namespace

QString widgetId(const QObject* object)
{
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(object->metaObject()->className()), object->objectName());
}

std::string faultList(const QMap<QString, QString>& faults)
{
    QString text;
    for (auto it = faults.begin(); it != faults.end(); ++it)
        text += it.key() + QStringLiteral("  (") + it.value() + QStringLiteral(")\n");
    return text.toStdString();
}

QStringList clippedTexts(QWidget* topLevel)
{
    QStringList found;
    auto check = [&](const QWidget* w, QString text, int room) {
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        int needed = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            needed = std::max(needed, w->fontMetrics().horizontalAdvance(line));
        if (needed > room)
            found << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(widgetId(w), text).arg(needed).arg(room);
    };
    QList<QWidget*> widgets = topLevel->findChildren<QWidget*>();
    widgets.prepend(topLevel);
    for (QWidget* w : std::as_const(widgets)) {
        if (!w->isVisible())
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        if (auto* line = qobject_cast<StatusLine*>(w)) {
            // It shortens itself visibly ("... (details)") and shows the rest on a click.
            check(w, line->shownText(), line->contentsRect().width());
        } else if (label && !Qt::mightBeRichText(label->text())) {
            const int room = label->contentsRect().width() - 2 * label->margin();
            if (!label->wordWrap()) {
                check(w, label->text(), room);
            } else {
                // A wrapped text is cut where a word is wider than the label or
                // the lines need more height than it has.
                for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                    check(w, word, room);
                if (const int high = label->heightForWidth(label->width()); high > label->height())
                    found << QStringLiteral("%1 \"%2\" needs %3 px high, has %4")
                                 .arg(widgetId(w), label->text())
                                 .arg(high)
                                 .arg(label->height());
            }
        }
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* button = static_cast<QAbstractButton*>(w);
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QStyle::SubElement contents = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                : qobject_cast<QRadioButton*>(w)                            ? QStyle::SE_RadioButtonContents
                                                                            : QStyle::SE_PushButtonContents;
            check(w, button->text(), w->style()->subElementRect(contents, &option, w).width());
        }
        if (auto* box = qobject_cast<QGroupBox*>(w))
            check(w, box->title(), box->contentsRect().width());
        if (auto* bar = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < bar->count(); ++i)
                if (bar->isTabVisible(i))
                    check(w, bar->tabText(i),
                          bar->tabRect(i).width() - w->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, w));
    }
    return found;
}

// Every window that shows up (modal or not) is visited once it is on screen,
// from the event loop it runs in, then closed; file dialogs are Qt's and only closed.
class WindowTour::Watcher : public QObject {
public:
    explicit Watcher(QWidget* main)
        : m_main(main)
    {
        qApp->installEventFilter(this);
    }
    TourVisitor visit;
    QString where;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !object->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(object);
        if (!w->isWindow() || w == m_main || qobject_cast<QMenu*>(w)
            || (w->windowType() != Qt::Dialog && w->windowType() != Qt::Window))
            return false;
        QMetaObject::invokeMethod(
            this,
            [this, shown = QPointer<QWidget>(w)] {
                if (!shown || !shown->isVisible())
                    return;
                if (visit && !qobject_cast<QFileDialog*>(shown.data()))
                    visit(shown, where + QStringLiteral(" > ") + describe(shown));
                if (auto* dialog = qobject_cast<QDialog*>(shown.data()))
                    dialog->reject();
                else
                    shown->close();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QWidget* m_main;
};

WindowTour::WindowTour(char deviceType)
    : m_rig(emulated(deviceType))
{
    m_rig.link->setDeveloperRun(true);
    m_form = std::make_unique<MainWindow>(*m_rig.link, true);
    m_debugWindow = std::make_unique<DebugWindow>(*m_rig.link);
    m_form->setDebugWindow(m_debugWindow.get());
    m_languageWindow = std::make_unique<LanguageWindow>(*m_form);
    m_form->setLanguageWindow(m_languageWindow.get());
    m_watcher = std::make_unique<Watcher>(m_form.get());
    // "Patch fixture..." gets a small fixture file, so that its dialog opens.
    const QString fixture = m_dir.filePath(QStringLiteral("spot.qxf"));
    QFile file(fixture);
    if (file.open(QIODevice::WriteOnly))
        file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE FixtureDefinition>"
                   "<FixtureDefinition><Manufacturer>Acme</Manufacturer><Model>Spot</Model>"
                   "<Channel Name=\"Dimmer\"/><Mode Name=\"Small\"><Channel Number=\"0\">Dimmer</Channel></Mode>"
                   "</FixtureDefinition>");
    m_form->channelsPage().openFixtureFileName = [fixture](const QString&) { return fixture; };
    m_form->show();
    settle();
}

WindowTour::~WindowTour()
{
    m_watcher.reset();
}

void WindowTour::settle()
{
    waitFor([this] { return !m_form->operationRunning(); });
    QCoreApplication::processEvents();
}

void WindowTour::visitPages(const TourVisitor& visit)
{
    m_watcher->visit = visit;
    auto* pages = m_form->findChild<QTabWidget*>(QStringLiteral("pgcMain"));
    for (int i = 0; i < pages->count(); ++i) {
        if (!pages->isTabVisible(i))
            continue;
        m_watcher->where = QStringLiteral("page ") + pages->tabText(i);
        pages->setCurrentIndex(i);
        settle();
        visit(m_form.get(), m_watcher->where);
    }
}

void WindowTour::visitMenus(const TourVisitor& visit)
{
    QList<QMenu*> menus;
    for (QAction* action : m_form->menuBar()->actions())
        if (action->menu() && action->isVisible())
            menus << action->menu();
    menus << m_form->findChild<QMenu*>(QStringLiteral("pupDMXChannels"));
    for (QMenu* menu : menus) {
        menu->popup(m_form->mapToGlobal(QPoint(20, 20)));
        QCoreApplication::processEvents();
        visit(menu, QStringLiteral("menu ") + menu->title() + QLatin1Char(' ') + menu->objectName());
        menu->hide();
    }
}

void WindowTour::triggerCommands(const TourVisitor& visit)
{
    m_watcher->visit = visit;
    m_form->findChild<QTabWidget*>(QStringLiteral("pgcMain"))->setCurrentIndex(int(PageId::Channels));
    auto* list = m_form->findChild<QTableView*>(QStringLiteral("lvDMXChannels"));
    QList<QPair<QMenu*, QAction*>> commands;
    auto* popup = m_form->findChild<QMenu*>(QStringLiteral("pupDMXChannels"));
    for (QAction* action : popup->actions())
        commands.append({popup, action});
    for (QAction* top : m_form->menuBar()->actions())
        if (top->menu())
            for (QAction* action : top->menu()->actions())
                commands.append({top->menu(), action});
    for (auto [menu, action] : commands) {
        if (action->isSeparator() || action->menu() || !action->isVisible()
            || action->objectName() == QLatin1String("milngExit"))
            continue;
        // The row commands want a row: the first one, alone.
        if (list->model()->rowCount() == 0)
            m_form->findChild<QAction*>(QStringLiteral("milngAddChannel"))->trigger();
        list->selectRow(0);
        menu->popup(m_form->mapToGlobal(QPoint(20, 20))); // the menu sets what its commands may do
        menu->hide();
        if (!action->isEnabled())
            continue;
        m_watcher->where = QStringLiteral("command ") + action->objectName();
        action->trigger();
        settle();
    }
}

void WindowTour::showBoxes()
{
    m_watcher->where = QStringLiteral("developer run");
    m_debugWindow->show();
    settle();
    auto text = [](const char* source) { return QCoreApplication::translate("vantorel::WindowTour", source); };
    m_watcher->where = QStringLiteral("information box");
    m_form->showMessage(text("The channels were written."));
    m_watcher->where = QStringLiteral("error box");
    m_form->showError(text("The device did not answer."));
    m_watcher->where = QStringLiteral("question box");
    m_form->askYesNo(text("Clear data"), text("Clear all data in the device?"));
    settle();
}

void WindowTour::run(const TourVisitor& visit)
{
    visitPages(visit);
    visitMenus(visit);
    triggerCommands(visit);
    visit(m_form.get(), QStringLiteral("window after the commands"));
    showBoxes();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != m_form.get() && w->isVisible() && !qobject_cast<QMenu*>(w))
            w->close();
}

} // namespace vantorel
