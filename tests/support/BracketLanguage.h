#pragma once

// A language for tests of translated texts: every text of the program comes
// out in brackets ("[Data ready.]"), Qt's own texts stay as they are.

#include <QString>
#include <QTranslator>

namespace vantorel {

class BracketLanguage : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QLatin1String(context).startsWith(QLatin1String("vantorel::"))
            ? QStringLiteral("[%1]").arg(QString::fromUtf8(source))
            : QString();
    }
};

} // namespace vantorel
