#include "util/gui/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace vantorel {

namespace {

class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return comboBox()->currentText();
        const QString text = QAccessibleWidget::text(kind);
        // A box without name or label is still better named by its item than not at all.
        return kind == QAccessible::Name && text.isEmpty() ? comboBox()->currentText() : text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = comboBox()->view()->isVisible();
        state.editable = comboBox()->isEditable();
        return state;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == comboBox()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            comboBox()->showPopup();
    }

private:
    QComboBox* comboBox() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboBoxInterface(const QString& /*className*/, QObject* object)
{
    if (auto* box = qobject_cast<QComboBox*>(object))
        return new AccessibleComboBox(box);
    return nullptr;
}

} // namespace

void installAccessibleComboBoxes()
{
    QAccessible::installFactory(comboBoxInterface);
}

} // namespace vantorel
