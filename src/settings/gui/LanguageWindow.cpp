#include "settings/gui/LanguageWindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMetaProperty>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace vantorel {

namespace {

const QString kMarker = QStringLiteral("rglng");

bool IsMarked(const QObject& object)
{
    return object.objectName().contains(kMarker, Qt::CaseSensitive);
}

// A marked object inside a marked component (the buttons of a radio group)
// belongs to that component and is not listed on its own.
bool InsideMarkedComponent(const QObject& object, const QObject& owner)
{
    for (const QObject* up = object.parent(); up && up != &owner; up = up->parent())
        if (IsMarked(*up))
            return true;
    return false;
}

bool IsTextType(const QMetaProperty& property)
{
    return property.metaType().id() == QMetaType::QString;
}

} // namespace

LanguageWindow::LanguageWindow(QWidget& owner, QWidget* parent)
    : QDialog(parent)
    , m_owner(owner)
{
    setObjectName(QStringLiteral("LangForm"));
    setWindowTitle(QStringLiteral("LangForm"));
    setModal(false);
    resize(640, 420);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Button1 = new QPushButton(QStringLiteral("Button1"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setAutoDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &LanguageWindow::listTranslations);
}

void LanguageWindow::listTranslations()
{
    ListBox1->clear();
    QStringList lines;
    const QList<QObject*> components = m_owner.findChildren<QObject*>();
    for (const QObject* component : components) {
        if (!IsMarked(*component) || InsideMarkedComponent(*component, m_owner))
            continue;
        lines << component->objectName();
        ListStringProperties(*component, lines);
    }
    ListBox1->addItems(lines);
}

void LanguageWindow::ListStringProperties(const QObject& component, QStringList& lines)
{
    const QMetaObject* meta = component.metaObject();
    std::vector<QMetaProperty> properties;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isStored() && property.isDesignable() && IsTextType(property))
            properties.push_back(property);
    }
    std::sort(properties.begin(), properties.end(), [](const QMetaProperty& a, const QMetaProperty& b) {
        return QString::compare(QString::fromLatin1(a.name()), QString::fromLatin1(b.name()), Qt::CaseInsensitive) < 0;
    });

    for (const QMetaProperty& property : properties) {
        const QString name = QString::fromLatin1(property.name());
        const QVariant value = property.isReadable() ? property.read(&component) : QVariant();
        if (!value.isValid()) {
            lines << QStringLiteral("Porażka: ") + name;
            continue;
        }
        lines << QStringLiteral("[%1] %2: %3 = %4")
                     .arg(QStringLiteral("Property"), name, QString::fromLatin1(property.typeName()), value.toString());
    }
}

} // namespace vantorel
