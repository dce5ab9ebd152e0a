#pragma once

#include <QString>
#include <QStringList>

namespace vantorel {

// upperCasePolish for Unicode text: ASCII letters and the nine Polish letters
// become capitals, as the code page 1250 rule does; every other character
// stays as it is.
QString upperCasePolishText(const QString& text);

// The first of `names` equal to `name` when both are upper-cased by
// upperCasePolishText; else the first that names the same port without the
// MIDI system's numbering (findStablePort); -1 when none is.
int findPortName(const QStringList& names, const QString& name);

} // namespace vantorel
