#include "write_faults.h"

#include <atomic>
#include <stdexcept>

namespace dakru::storage {
namespace {

// The only state of the seam. Writes happen on the UI thread and on the
// history's worker, so it is read atomically.
std::atomic<WriteFaults*> installed{nullptr};

}  // namespace

FaultScope::FaultScope(WriteFaults& faults)
{
    WriteFaults* none = nullptr;
    if (!installed.compare_exchange_strong(none, &faults)) {
        throw std::logic_error("write faults are already installed");
    }
}

FaultScope::~FaultScope()
{
    installed.store(nullptr);
}

std::error_code injectedFault(Step step, const std::filesystem::path& file)
{
    WriteFaults* const faults = installed.load();
    return faults != nullptr ? faults->at(step, file) : std::error_code();
}

}  // namespace dakru::storage
