#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kolvi {

// The single-instance lock and the channel through which a second start hands
// its command line to the running instance. One lock per user and display.
class InstanceChannel {
  public:
    virtual ~InstanceChannel() = default;

    // At program entry, before any window: true when a running instance holds
    // the lock. A first start keeps the lock from here on until SetLocked(false).
    virtual bool RunningInstanceHoldsLock() = 0;

    // Second start: sends each argument to the running instance, one at a time,
    // waiting for each to be applied. False when nothing could be delivered.
    virtual bool Forward(const std::vector<std::string>& arguments) = 0;

    // First instance: takes the lock and listens (true) or gives both up (false).
    // False when the lock could not be taken or nothing could listen; the lock
    // is then not held, so that later starts run on their own.
    virtual bool SetLocked(bool locked) = 0;

    // Records received while listening, delivered on the GUI thread: the
    // records that arrived together, in order.
    std::function<void(const std::vector<std::string>&)> onArguments;
};

// The platform's channel, or none when KOLVI_INSTANCE_CHANNEL is "null".
std::unique_ptr<InstanceChannel> CreateInstanceChannel();
// The platform's channel whatever the environment says.
std::unique_ptr<InstanceChannel> CreatePlatformInstanceChannel();

} // namespace kolvi
