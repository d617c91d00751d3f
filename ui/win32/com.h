// Holds a COM interface and releases it when it goes out of scope; `&holder` is the out-parameter
// that COM calls fill in.
#pragma once

namespace ui::win32 {

template <typename T>
struct Com {
  T* p = nullptr;
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p != nullptr) p->Release();
  }
  T** operator&() { return &p; }  // NOLINT(google-runtime-operator): the COM out-parameter
  T* operator->() const { return p; }
};

}  // namespace ui::win32
