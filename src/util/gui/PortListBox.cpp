#include "util/gui/PortListBox.h"

#include <QSignalBlocker>

namespace vantorel {

PortListBox::PortListBox(QWidget* parent)
    : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void PortListBox::setPorts(const QStringList& names, const QString& chosen)
{
    if (names == ports() && currentText() == chosen)
        return;
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
    const int index = names.indexOf(chosen);
    setCurrentIndex(index >= 0 ? index : (names.isEmpty() ? -1 : 0));
}

QStringList PortListBox::ports() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << itemText(i);
    return names;
}

void PortListBox::showPopup()
{
    emit opening();
    QComboBox::showPopup();
}

} // namespace vantorel
