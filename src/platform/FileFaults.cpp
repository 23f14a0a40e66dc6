#include "platform/FileFaults.h"

namespace {

std::atomic<ScopedFileFaults*> activePlan{nullptr};

} // namespace

ScopedFileFaults::ScopedFileFaults(std::vector<FileFault> faults)
    : faults_(std::move(faults)), previous_(activePlan.load()) {
    activePlan.store(this);
}

ScopedFileFaults::~ScopedFileFaults() {
    activePlan.store(previous_);
}

std::uint32_t ScopedFileFaults::Calls(FileOperation operation) const {
    return calls_[static_cast<std::size_t>(operation)].load();
}

std::optional<FaultKind> NextFileFault(FileOperation operation) {
    ScopedFileFaults* plan = activePlan.load(std::memory_order_acquire);
    if (plan == nullptr) {
        return std::nullopt;
    }
    const std::uint32_t call = ++plan->calls_[static_cast<std::size_t>(operation)];
    for (const FileFault& fault : plan->faults_) {
        const bool inRange =
            call >= fault.first && (fault.count == 0 || call - fault.first < fault.count);
        if (fault.operation == operation && inRange) {
            return fault.kind;
        }
    }
    return std::nullopt;
}
