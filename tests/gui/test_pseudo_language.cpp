// The whole window in a pseudo language switched to at run time: every
// letter accented, every text 40 % longer and wrapped in ⟦ ⟧. A visible text
// without the markers was not translated (or not retranslated on the switch);
// a text wider than its widget would be cut off in a longer language.

#include "WindowTour.h"

#include "util/qt/Translations.h"

#include <QAbstractItemView>
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

// Placeholders, plural counts, HTML tags and entities and accelerators stay
// as they are; letters get accents.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (!source || !*source)
            return {};
        static const QString lower = QStringLiteral("áƀçďéƒĝĥíĵķĺḿñóṕʠŕšţúṽŵẋýž");
        static const QString upper = QStringLiteral("ÁƁÇĎÉƑĜĤÍĴĶĹḾÑÓṔɊŔŠŢÚṼŴẊÝŽ");
        static const QRegularExpression kept(QStringLiteral("%L?\\d|%n|<[^>]*>|&[a-zA-Z]+;|&&|&."));
        const QString text = QString::fromUtf8(source);
        QString out;
        auto accent = [&](QStringView part) {
            for (QChar c : part)
                out += c >= u'a' && c <= u'z' ? lower[c.unicode() - 'a']
                    : c >= u'A' && c <= u'Z'  ? upper[c.unicode() - 'A']
                                              : c;
        };
        qsizetype at = 0;
        for (const QRegularExpressionMatch& m : kept.globalMatch(text)) {
            accent(QStringView(text).mid(at, m.capturedStart() - at));
            out += m.captured();
            at = m.capturedEnd();
        }
        accent(QStringView(text).mid(at));
        // The growth is a word of its own, as a longer translation has more words.
        QString grow;
        for (qsizetype i = 1; i < (text.size() * 2 + 4) / 5; ++i)
            grow += i % 5 == 1 ? u' ' : u'~';
        return QStringLiteral("⟦") + out + grow + QStringLiteral("⟧");
    }
};

// Texts that are data, not captions: numbers and punctuation, note labels,
// paths and file names, what the window lists as data in its combo boxes
// (port names, device texts), selectable labels, and the names of the program and the device
// ("VANTOREL Basic": the brand and capitalised words).
bool isData(QString text, const QStringList& listed)
{
    static const QRegularExpression marked(QStringLiteral("⟦[^⟧]*⟧"));
    static const QRegularExpression productName(QStringLiteral("^VANTOREL( [A-Z][A-Za-z]*|/[A-Z][a-z]+)*$"));
    if (productName.match(text).hasMatch())
        return true;
    static const QRegularExpression noteOrFile(
        QStringLiteral("^([A-G]#?-?\\d+/\\d+|.*[/\\\\].*|.*\\.[A-Za-z0-9]{1,4})$"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    text.remove(marked);
    for (const QString& item : listed)
        if (item.size() > 1)
            text.remove(item);
    const QStringList tokens = text.split(QRegularExpression(QStringLiteral("[\\s,;:()]+")), Qt::SkipEmptyParts);
    return std::all_of(tokens.begin(), tokens.end(),
                       [](const QString& t) { return noteOrFile.match(t).hasMatch() || !word.match(t).hasMatch(); });
}

// Every caption a user sees on `top`: (widget, text).
QList<QPair<const QObject*, QString>> captions(QWidget* top)
{
    QList<QPair<const QObject*, QString>> shown;
    auto add = [&](const QObject* owner, const QString& text) { shown.append({owner, text}); };
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : std::as_const(widgets)) {
        if (!w->isVisible())
            continue;
        if (w->isWindow() || qobject_cast<QDockWidget*>(w))
            add(w, w->windowTitle());
        add(w, w->toolTip());
        // A label whose text can be selected shows data to copy (a fixture's name).
        if (auto* label = qobject_cast<QLabel*>(w);
            label && !(label->textInteractionFlags() & Qt::TextSelectableByMouse))
            add(w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            add(w, box->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            add(w, edit->placeholderText());
        if (auto* bar = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < bar->count(); ++i)
                if (bar->isTabVisible(i)) {
                    add(w, bar->tabText(i));
                    add(w, bar->tabToolTip(i));
                }
        if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                if (!header->isSectionHidden(i))
                    add(w, header->model()->headerData(i, header->orientation()).toString());
        if (qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w))
            for (const QAction* action : w->actions())
                if (action->isVisible() && !action->isSeparator()) {
                    add(action, action->text());
                    // Unless set, the tip is the text without "..." and accelerators.
                    static const QRegularExpression accelerator(QStringLiteral("&(.)"));
                    if (action->toolTip()
                        != QString(action->text())
                               .remove(QStringLiteral("..."))
                               .replace(accelerator, QStringLiteral("\\1")))
                        add(action, action->toolTip());
                }
    }
    return shown;
}

} // namespace

TEST(PseudoLanguage, EveryShownTextIsTranslatedAndFits)
{
    WindowTour tour;
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo); // every widget gets LanguageChange
    QCoreApplication::processEvents();
    QMap<QString, QString> untranslated, clipped; // fault -> where first seen
    tour.run([&](QWidget* top, const QString& where) {
        QStringList listed; // combo items: data
        for (const QComboBox* box : tour.window().findChildren<QComboBox*>())
            for (int i = 0; i < box->count(); ++i)
                listed << box->itemText(i);
        for (const auto& [owner, text] : captions(top))
            if (!isData(text, listed))
                untranslated.insert(widgetId(owner) + QStringLiteral(" \"") + text + QLatin1Char('"'), where);
        for (const QString& fault : clippedTexts(top))
            clipped.insert(fault, where);
    });
    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.size() << " texts shown untranslated:\n"
                                        << faultList(untranslated);
    EXPECT_TRUE(clipped.isEmpty()) << clipped.size() << " texts cut off:\n" << faultList(clipped);
}

// The shipped translations fit as well.
TEST(PseudoLanguage, PolishAndGermanTextsFit)
{
    for (const char* language : {"pl", "de"}) {
        ASSERT_TRUE(installTranslations(QString::fromLatin1(language))) << language;
        WindowTour tour;
        QCoreApplication::processEvents();
        QMap<QString, QString> clipped;
        tour.run([&](QWidget* top, const QString& where) {
            for (const QString& fault : clippedTexts(top))
                clipped.insert(fault, where);
        });
        installTranslations(QStringLiteral("en"));
        EXPECT_TRUE(clipped.isEmpty()) << language << ": " << clipped.size() << " texts cut off:\n"
                                       << faultList(clipped);
    }
}
