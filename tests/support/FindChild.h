#pragma once

// Finds a page's or dialog's widget or action by its objectName, as a user's
// script would.

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

namespace vantorel {

// The one child of `parent` (at any depth) of type W named `name`. A missing
// or ambiguous name fails the test (the exception ends it).
template <typename W> W* child(const QObject& parent, const char* name)
{
    const QList<W*> found = parent.findChildren<W*>(QString::fromLatin1(name));
    if (found.size() != 1)
        throw std::runtime_error(std::to_string(found.size()) + " children named " + name);
    return found.first();
}

} // namespace vantorel
