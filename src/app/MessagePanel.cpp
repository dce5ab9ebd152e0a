#include "app/MessagePanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QEvent>
#include <QListWidget>

namespace vantorel {

namespace {

// The oldest entries go once a run has gathered this many.
constexpr int kMaxEntries = 2000;

} // namespace

MessagePanel::MessagePanel(QWidget* parent)
    : QDockWidget(parent)
{
    setObjectName(QStringLiteral("dcklngMessages"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbxlngMessages"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setFocusPolicy(Qt::StrongFocus);
    m_list->setMinimumHeight(90);
    m_copy = new QAction(m_list);
    m_copy->setObjectName(QStringLiteral("milngCopyMessages"));
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(m_copy);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_copy, &QAction::triggered, this, &MessagePanel::copyEntries);
    setWidget(m_list);
    setFocusProxy(m_list);
    retranslateUi();
    hide();
}

void MessagePanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDockWidget::changeEvent(event);
}

void MessagePanel::retranslateUi()
{
    setWindowTitle(tr("Messages"));
    m_copy->setText(tr("Copy"));
    m_list->setAccessibleName(tr("Messages"));
    m_list->setAccessibleDescription(tr("Every status text and error of this run with its time; Ctrl+C copies."));
}

void MessagePanel::add(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    m_list->addItem(time + QLatin1Char(' ') + shown);
    while (m_list->count() > kMaxEntries)
        delete m_list->takeItem(0);
    m_list->scrollToBottom();
}

void MessagePanel::open()
{
    show();
    raise();
    if (m_list->count() > 0 && m_list->selectedItems().isEmpty())
        m_list->setCurrentRow(m_list->count() - 1);
    m_list->setFocus(Qt::ShortcutFocusReason);
}

QString MessagePanel::entriesText(bool selectedOnly) const
{
    QStringList lines;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        if (!selectedOnly || item->isSelected())
            lines << item->text();
    }
    return lines.join(QLatin1Char('\n'));
}

int MessagePanel::count() const
{
    return m_list->count();
}

void MessagePanel::copyEntries()
{
    const bool selected = !m_list->selectedItems().isEmpty();
    QApplication::clipboard()->setText(entriesText(selected));
}

} // namespace vantorel
