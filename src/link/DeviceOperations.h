#pragma once

#include <QString>

namespace vantorel {

class DeviceLink;

// The small device operations: each sets its status text, sends one command,
// waits for the reply and reports. A send failure is reported through
// DeviceLink::errorRaised and ends the operation.
enum class OpResult {
    Done, // the device answered
    NoAnswer, // the wait timed out (noResponse has reported it)
    Busy, // another operation is waiting; nothing was sent
    Failed, // the MIDI output refused the command
    Cancelled, // cancelled by the user (DeviceLink::requestCancel) while waiting
};

OpResult restartDevice(DeviceLink& link); // "D", 1500 ms
OpResult clearDeviceData(DeviceLink& link); // "A", 8000 ms
OpResult readDeviceOptions(DeviceLink& link); // "M", 2000 ms
OpResult setNoteOffAction(DeviceLink& link, bool on); // "L", 2000 ms
OpResult setZeroValueOffset(DeviceLink& link, int offset); // "O", 2000 ms
OpResult sendCommonMessage(DeviceLink& link, int index); // status 0xF1 + index, no wait
OpResult readDeviceInformation(DeviceLink& link); // "J", 2000 ms

// Texts of the system common messages the service panel can send.
QStringList commonMessageNames();

} // namespace vantorel
