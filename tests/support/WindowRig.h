#pragma once

// The main window on the in-process emulator, its message boxes recorded.

#include "TestRig.h"
#include "app/MainWindow.h"
#include "channels/gui/ChannelsPage.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vantorel {

struct WindowRig : LinkRig {
    explicit WindowRig(const EmulatorConfig& config = {}, bool developerRun = false)
        : LinkRig(config)
    {
        link->setDeveloperRun(developerRun);
        form = std::make_unique<MainWindow>(*link, developerRun);
        form->messageBox = [this](const QString& text) { boxes << text; };
        form->errorBox = [this](const QString& text) { errors << text; };
        form->askYesNo = [this](const QString& caption, const QString& question) {
            yesNoQuestions << caption + QStringLiteral(" | ") + question;
            return yesAnswer;
        };
        form->channelsPage().askUnsavedChanges = [this] {
            ++unsavedQuestions;
            return unsavedAnswer;
        };
    }

    template <typename W> W* find(const QString& name) const
    {
        W* w = form->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    template <typename W> W* find(const char* name) const { return find<W>(QString::fromLatin1(name)); }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* name) const { find<QPushButton>(name)->click(); }

    std::unique_ptr<MainWindow> form;
    QStringList boxes;
    QStringList errors;
    // "Save the changes to the channel table?": how often asked, and the answer.
    int unsavedQuestions = 0;
    UnsavedChoice unsavedAnswer = UnsavedChoice::Discard;
    QStringList yesNoQuestions;
    bool yesAnswer = false;
};

} // namespace vantorel
