#pragma once

// Small helpers that build the pages' widgets the same way everywhere.

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QString>

namespace vantorel {

inline const QColor kMaroon(0x80, 0x00, 0x00);
inline const QColor kPurple(0x80, 0x00, 0x80);

// Gives `widget` its objectName and returns it.
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QLabel* namedLabel(const char* name, const QString& text, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

inline QPushButton* namedButton(const char* name, const QString& text, QWidget* parent)
{
    return named(new QPushButton(text, parent), name);
}

// A raised panel.
inline QFrame* namedPanel(const char* name, QWidget* parent)
{
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

// Bold text, optionally coloured and larger.
inline void setBold(QLabel* label, const QColor* colour = nullptr, int pointSizeDelta = 0)
{
    QFont font = label->font();
    font.setBold(true);
    if (pointSizeDelta != 0)
        font.setPointSize(font.pointSize() + pointSizeDelta);
    label->setFont(font);
    if (colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *colour);
        label->setPalette(palette);
    }
}

// Message texts carry CR LF line breaks; boxes show them as plain breaks.
inline QString displayText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace vantorel
