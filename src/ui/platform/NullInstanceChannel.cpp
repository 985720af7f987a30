// The instance channel that is not there: no lock, nothing forwarded. Chosen
// with KOLVI_INSTANCE_CHANNEL=null, so that tests never meet a kolvi that
// runs on the same desktop.
#include "InstanceChannel.h"

#include <cstdlib>
#include <string_view>

namespace kolvi {

namespace {

class NullInstanceChannel final : public InstanceChannel {
  public:
    bool RunningInstanceHoldsLock() override { return false; }
    bool Forward(const std::vector<std::string>&) override { return false; }
    bool SetLocked(bool) override { return true; }
};

} // namespace

std::unique_ptr<InstanceChannel> CreateInstanceChannel() {
    const char* choice = std::getenv("KOLVI_INSTANCE_CHANNEL");
    if (choice != nullptr && std::string_view(choice) == "null") {
        return std::make_unique<NullInstanceChannel>();
    }
    return CreatePlatformInstanceChannel();
}

} // namespace kolvi
