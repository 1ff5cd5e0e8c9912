// GoogleTest's Notification for the Windows build, put before GoogleTest's own headers: the
// compiler's win32 threads (GCC 12) have no std::mutex, which GoogleTest's takes. Only
// GoogleTest's tests of itself wait on one.
#pragma once

#include <atomic>

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true); }
    void WaitForNotification() const {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
