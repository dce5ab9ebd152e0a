#include "settings/gui/LanguageWindow.h"

#include <QEvent>
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

bool isMarked(const QObject& object)
{
    return object.objectName().contains(kMarker, Qt::CaseSensitive);
}

// A marked object inside a marked component (the buttons of a radio group)
// belongs to that component and is not listed on its own.
bool insideMarkedComponent(const QObject& object, const QObject& owner)
{
    for (const QObject* up = object.parent(); up && up != &owner; up = up->parent())
        if (isMarked(*up))
            return true;
    return false;
}

bool isTextType(const QMetaProperty& property)
{
    return property.metaType().id() == QMetaType::QString;
}

} // namespace

LanguageWindow::LanguageWindow(QWidget& owner, QWidget* parent)
    : QDialog(parent)
    , m_owner(owner)
{
    setObjectName(QStringLiteral("LangForm"));
    setModal(false);
    resize(640, 420);

    m_textList = new QListWidget(this);
    m_textList->setObjectName(QStringLiteral("ListBox1"));
    m_listButton = new QPushButton(this);
    m_listButton->setObjectName(QStringLiteral("Button1"));
    m_listButton->setDefault(true);
    m_listButton->setAutoDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_textList, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_listButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_listButton, &QPushButton::clicked, this, &LanguageWindow::listTranslations);
    retranslateUi();
}

void LanguageWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

// The listing itself is raw material (names, types, values) and stays as it is.
void LanguageWindow::retranslateUi()
{
    setWindowTitle(tr("LangForm"));
    m_listButton->setText(tr("Button1"));
    m_listButton->setAccessibleDescription(tr("Lists the texts of the main window."));
    m_textList->setAccessibleName(tr("Texts of the main window"));
}

void LanguageWindow::listTranslations()
{
    m_textList->clear();
    QStringList lines;
    const QList<QObject*> components = m_owner.findChildren<QObject*>();
    for (const QObject* component : components) {
        if (!isMarked(*component) || insideMarkedComponent(*component, m_owner))
            continue;
        lines << component->objectName();
        listStringProperties(*component, lines);
    }
    m_textList->addItems(lines);
}

void LanguageWindow::listStringProperties(const QObject& component, QStringList& lines)
{
    const QMetaObject* meta = component.metaObject();
    std::vector<QMetaProperty> properties;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isStored() && property.isDesignable() && isTextType(property))
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
