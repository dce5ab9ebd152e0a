#pragma once

#include "learn/domain/MappingTest.h"
#include "util/qt/Clock.h"

#include <QObject>
#include <QString>

#include <optional>

namespace vantorel {

class DeviceLink;

// "Test": sends a row's on message to the device's output port when pressed
// and its off message when released, but not before kMinimumHoldMs have
// passed, so that a click shows on the rig too. Every message sent is
// logged in the debug window's result list.
class MappingTester : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinimumHoldMs = 300;

    explicit MappingTester(DeviceLink& link, QObject* parent = nullptr);

    // Sends the on message (after the off message of a test still held).
    // False when the output refuses it (reported through the link).
    bool press(const MappingTestMessages& messages);
    // The off message now, or once the minimum hold has passed.
    void release();
    bool held() const { return m_pending.has_value(); }

private:
    bool send(const ShortMessage& message);
    void sendOff();

    DeviceLink& m_link;
    std::optional<MappingTestMessages> m_pending;
    ClockElapsedTimer m_pressed;
    ClockTimer m_offTimer;
};

} // namespace vantorel
