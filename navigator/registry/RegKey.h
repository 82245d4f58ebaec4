// RegKey: sole owner of one registry handle, closed through the seam that
// opened it. Move-only; a moved-from or default RegKey holds nothing.
#pragma once

#include "registry/Registry.h"

#include <utility>

namespace hivewalk {

class RegKey {
public:
    RegKey() noexcept = default;
    RegKey(Registry& registry, HKey handle) noexcept : registry_(&registry), handle_(handle) {}
    RegKey(RegKey&& other) noexcept
        : registry_(other.registry_), handle_(std::exchange(other.handle_, 0)) {}
    RegKey& operator=(RegKey&& other) noexcept {
        if (this != &other) {
            reset();
            registry_ = other.registry_;
            handle_ = std::exchange(other.handle_, 0);
        }
        return *this;
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() { reset(); }

    HKey get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != 0; }

    // Closes the handle now and returns the registry's result. On success the
    // key holds nothing afterwards; on failure it keeps the handle, so that
    // the caller's state still describes what is open. Holding nothing, it
    // succeeds without calling the registry.
    long Close() noexcept {
        if (handle_ == 0) return kErrorSuccess;
        const long result = registry_->RegCloseKey(handle_);
        if (result == kErrorSuccess) handle_ = 0;
        return result;
    }

    // Closes whatever is held, dropping the result: used where a failure to
    // close can be neither reported nor acted on.
    void reset() noexcept {
        if (handle_ != 0) registry_->RegCloseKey(std::exchange(handle_, 0));
    }

private:
    Registry* registry_ = nullptr;
    HKey handle_ = 0;
};

}  // namespace hivewalk
