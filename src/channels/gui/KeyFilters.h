#pragma once

#include <QKeyEvent>

namespace vantorel {

// Key filter of the number fields: true when the key may reach the field.
// Digits, Backspace, Tab, Delete and Esc (it closes the dialog) pass, as do
// keys that type nothing (arrows, Home, End) and shortcuts (Ctrl+C, Ctrl+V);
// every other typed character is swallowed.
inline bool isDigitOrEditingKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Escape: return true;
    default: break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    const QString text = event->text();
    if (text.isEmpty())
        return true;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace vantorel
