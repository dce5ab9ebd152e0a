#pragma once

// A device link over the emulated device with a collector of channel dumps.

#include "TestRig.h"
#include "channels/ChannelTransfer.h"

#include <gtest/gtest.h>

namespace vantorel {

struct ChannelRig : LinkRig {
    explicit ChannelRig(const std::function<void(EmulatorConfig&)>& adjust = {})
        : LinkRig(emulated('P', adjust))
    {
        EXPECT_TRUE(link->openPorts());
        collector = std::make_unique<ChannelDumpCollector>(*link);
        QObject::connect(link.get(), &DeviceLink::errorRaised, [this](const QString& t) { errors << t; });
    }

    OpResult read()
    {
        return readChannelsFromDevice(
            *link,
            [this] {
                collector->clear();
                ++emptied;
            },
            [this] { return !collector->rows().empty(); });
    }

    std::unique_ptr<ChannelDumpCollector> collector;
    int emptied = 0;
    QStringList errors;
};

// Rows 1..n with a payload each.
inline ChannelTable rows(int n)
{
    ChannelTable rows;
    for (int i = 1; i <= n; ++i) {
        ChannelRecord record = defaultChannelRecord(i);
        record.midiChannel = std::to_string(1 + i % 16);
        rows.push_back(record);
    }
    return rows;
}

} // namespace vantorel
