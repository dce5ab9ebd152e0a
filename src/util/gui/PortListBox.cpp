#include "util/gui/PortListBox.h"

#include <QEvent>
#include <QSignalBlocker>

namespace vantorel {

namespace {

// The MIDI client a port belongs to: "dev" of "dev:out".
QString clientOf(const QString& port)
{
    const int colon = int(port.indexOf(QLatin1Char(':')));
    return colon > 0 ? port.left(colon) : port;
}

} // namespace

PortListBox::PortListBox(QWidget* parent)
    : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void PortListBox::setPorts(const QStringList& names, const QString& chosen, bool gone)
{
    const QString goneNow = gone && !chosen.isEmpty() && !names.contains(chosen) ? chosen : QString();
    if (names == ports() && goneNow == m_gone && (goneNow.isEmpty() ? currentText() == chosen : goneChosen()))
        return;
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
    m_gone = goneNow;
    if (!m_gone.isEmpty()) {
        addItem(tr("%1 (gone)").arg(m_gone));
        setCurrentIndex(count() - 1);
        return;
    }
    const int index = int(names.indexOf(chosen));
    setCurrentIndex(index >= 0 ? index : (names.isEmpty() ? -1 : 0));
}

QStringList PortListBox::ports() const
{
    QStringList names;
    const int present = m_gone.isEmpty() ? count() : count() - 1;
    for (int i = 0; i < present; ++i)
        names << itemText(i);
    return names;
}

bool PortListBox::goneChosen() const
{
    return !m_gone.isEmpty() && currentIndex() == count() - 1;
}

QString PortListBox::chosenPort() const
{
    return goneChosen() ? m_gone : currentText();
}

bool PortListBox::chooseSameDevice(const QString& otherPort)
{
    const QStringList present = ports();
    for (int i = 0; i < present.size(); ++i) {
        if (clientOf(present.at(i)) == clientOf(otherPort)) {
            const QSignalBlocker quiet(this);
            setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void PortListBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && !m_gone.isEmpty()) {
        const QSignalBlocker quiet(this);
        setItemText(count() - 1, tr("%1 (gone)").arg(m_gone));
    }
    QComboBox::changeEvent(event);
}

void PortListBox::showPopup()
{
    emit opening();
    QComboBox::showPopup();
}

} // namespace vantorel
