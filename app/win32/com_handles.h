// COM in scope: the apartment of the thread, and owned interface references.
#pragma once

#include <objbase.h>

#include <memory>

namespace vesko {

struct ReleaseInterface {
    void operator()(IUnknown* object) const { object->Release(); }
};

// One reference to a COM object, released when it goes.
template <typename Interface>
using ComRef = std::unique_ptr<Interface, ReleaseInterface>;

// The thread's single-threaded apartment, which accessibility clients reach the window's
// objects through.
class ComApartment {
public:
    ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) {
            ::CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace vesko
