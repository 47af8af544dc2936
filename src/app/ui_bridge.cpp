#include "app/ui_bridge.h"

namespace nalvic {

UiBridge::UiBridge(Post post) : post_(std::move(post)), uiThread_(std::this_thread::get_id()) {}

void UiBridge::close() {
    std::lock_guard guard(core_->mutex);
    core_->closed = true;
    core_->handed.notify_all();
}

bool UiBridge::closed() const {
    std::lock_guard guard(core_->mutex);
    return core_->closed;
}

}  // namespace nalvic
