#pragma once

// A main window on the in-process emulator with the User Mode page's hooks
// replaced: message boxes are recorded, questions and input boxes answered
// from queues.

#include "FindChild.h"
#include "WindowRig.h"
#include "channels/gui/ChannelListView.h"
#include "channels/gui/ChannelTableModel.h"
#include "channels/gui/ChannelsPage.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>

namespace vantorel {

struct ChannelsRig : WindowRig {
    // Without `answering` the page keeps its own modal boxes and input box.
    explicit ChannelsRig(EmulatorConfig config = {}, bool answering = true)
        : WindowRig(config)
    {
        page = &form->channelsPage();
        if (answering)
            answerFromQueues();
        form->resize(800, 533);
        form->show();
    }

    void answerFromQueues()
    {
        page->askWithButtons = [this](const QString& caption, const QString& message, const QString&, const QString&) {
            questions << caption + QStringLiteral(" | ") + message;
            if (answers.empty())
                return 2;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        };
        page->inputBox
            = [this](const QString& caption, const QString& prompt, const QString& text) -> std::optional<QString> {
            proposals << caption + QStringLiteral(" | ") + prompt + QStringLiteral(" | ") + text;
            if (typed.empty())
                return std::nullopt;
            const std::optional<QString> answer = typed.front();
            typed.pop_front();
            return answer;
        };
    }

    ChannelTableModel& model() { return page->model(); }
    ChannelListView& list() { return *child<ChannelListView>(*page, "lvDMXChannels"); }

    // The DMX cells of the table, in order.
    QStringList numbers()
    {
        QStringList cells;
        for (int row = 0; row < model().size(); ++row)
            cells << model().cellText(row, ColDmxChannel);
        return cells;
    }
    QStringList rowTexts(int row)
    {
        QStringList cells;
        for (int column = 0; column < kChannelColumnCount; ++column)
            cells << model().cellText(row, column);
        return cells;
    }
    void addRows(std::initializer_list<ChannelRecord> records)
    {
        for (const ChannelRecord& record : records)
            model().insertSorted(record);
    }
    void select(std::initializer_list<int> rows)
    {
        list().clearRowSelection();
        for (int row : rows)
            list().selectionModel()->select(model().index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    ChannelsPage* page = nullptr;
    QStringList questions;
    QStringList proposals;
    std::deque<int> answers; // 1 = "Yes", 2 = "No"
    std::deque<std::optional<QString>> typed; // nullopt = Cancel
};

// A record from its ten cells.
inline ChannelRecord row(const char* dmx, const char* mode = "Active", const char* constant = "0",
                         const char* midi = "1", const char* activeOn = "Note On", const char* from = "C-1/0",
                         const char* to = "C-1/0", const char* dataType = "Velocity", const char* fixed = "0",
                         const char* description = "")
{
    return {dmx, mode, constant, midi, activeOn, from, to, dataType, fixed, description};
}

// The ten cells of a row holding the default channel data.
inline QStringList defaultTexts(const char* dmx, const char* to = "C-1/0")
{
    return {dmx, "Active", "0", "1", "Note On", "C-1/0", to, "Velocity", "0", ""};
}

} // namespace vantorel
