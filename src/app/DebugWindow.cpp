#include "app/DebugWindow.h"

#include "link/DeviceLink.h"
#include "util/Utils.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vantorel {

namespace {

QListWidget* list(const char* name, QWidget* parent)
{
    auto* box = new QListWidget(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    box->setUniformItemSizes(true);
    return box;
}

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* lbl = new QLabel(text, parent);
    lbl->setObjectName(QString::fromLatin1(name));
    return lbl;
}

template <typename Container, typename Text> void fill(QListWidget* box, const Container& values, Text text)
{
    box->clear();
    QStringList lines;
    lines.reserve(int(values.size()));
    for (const auto& value : values)
        lines << text(value);
    box->addItems(lines);
}

QString codeText(uint32_t code)
{
    return QString::fromStdString(intToDecimalTriplets(code));
}

} // namespace

DebugWindow::DebugWindow(DeviceLink& link, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_link(link)
{
    setObjectName(QStringLiteral("userDbgForm"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(640, 480);

    lbxEvents = list("lbxEvents", this);
    lbxResult = list("lbxResult", this);
    lbxMsgQueue = list("lbxMsgQueue", this);
    lbxBinData = list("lbxBinData", this);
    lbxTestdat = list("lbxTestdat", this);
    lbxBinData->setFixedWidth(110);
    lbxTestdat->setFixedWidth(60);
    m_timerCaption = label("Label13", QString(), this);
    m_timerCount = label("Label12", QStringLiteral("0"), this);
    m_testTime = label("Label3", QString(), this);
    lblCnt = label("lblCnt", QString(), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lbxEvents, 3);
    auto* lists = new QHBoxLayout;
    lists->addWidget(lbxResult, 2);
    lists->addWidget(lbxMsgQueue, 1);
    lists->addWidget(lbxBinData);
    lists->addWidget(lbxTestdat);
    layout->addLayout(lists, 2);
    auto* labels = new QHBoxLayout;
    labels->addWidget(m_timerCaption);
    labels->addWidget(m_timerCount);
    labels->addSpacing(24);
    labels->addWidget(m_testTime);
    labels->addStretch(1);
    labels->addWidget(lblCnt);
    layout->addLayout(labels);
    retranslateUi();

    lbxEvents->viewport()->installEventFilter(this);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(&link, &DeviceLink::eventLogged, this, &DebugWindow::appendEvent);
    connect(&link, &DeviceLink::resultLogged, this, &DebugWindow::appendResult);
    connect(&link, &DeviceLink::listsChanged, this, &DebugWindow::onListsChanged);
    connect(&link, &DeviceLink::timerTicked, this,
            [this](int count) { m_timerCount->setText(QString::asprintf("%d", count)); });
    connect(&link, &DeviceLink::testTimeShown, m_testTime, &QLabel::setText);
}

bool DebugWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbxEvents->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        clearEvents();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

DebugWindow::~DebugWindow() = default;

void DebugWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void DebugWindow::retranslateUi()
{
    setWindowTitle(tr("userDbgForm"));
    m_timerCaption->setText(tr("Timer:"));
    // The counter's caption until the first count (the developer's placeholder).
    lblCnt->setText(tr("lblCnt"));
    lbxEvents->setAccessibleName(tr("Events received"));
    lbxEvents->setAccessibleDescription(tr("A double click clears the list."));
    lbxResult->setAccessibleName(tr("Exchange log"));
    lbxMsgQueue->setAccessibleName(tr("Short message queue"));
    lbxBinData->setAccessibleName(tr("Bootloader information"));
    lbxTestdat->setAccessibleName(tr("Test data"));
}

void DebugWindow::appendEvent(const QString& text)
{
    lbxEvents->addItem(text);
    lbxEvents->setCurrentRow(lbxEvents->count() - 1);
}

void DebugWindow::appendResult(const QString& line)
{
    lbxResult->addItem(line);
    lbxResult->setCurrentRow(lbxResult->count() - 1);
}

void DebugWindow::clearEvents()
{
    lbxEvents->clear();
}

void DebugWindow::onListsChanged()
{
    // The lists can grow long; a hidden window catches up when it is shown.
    m_listsStale = true;
    if (isVisible())
        refreshLists();
}

void DebugWindow::refreshLists()
{
    m_listsStale = false;
    fill(lbxMsgQueue, m_link.shortMessageQueue(), codeText);
    fill(lbxBinData, m_link.bootloaderInfo(), codeText);
    fill(lbxTestdat, m_link.testData(), [](const std::string& s) { return QString::fromStdString(s); });
    for (QListWidget* box : {lbxMsgQueue, lbxBinData, lbxTestdat})
        box->scrollToBottom();
}

void DebugWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_listsStale)
        refreshLists();
}

} // namespace vantorel
