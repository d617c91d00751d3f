#include "ui/win32/accessibility.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>
#include <uiautomationcore.h>

#include <string_view>

#include "ui/description/spoken.h"
#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

using layout::Kind;

constexpr UINT_PTR kAccessibleSubclassId = 2;

// UI Automation's names for what the notification says (UIAutomationCoreApi.h of Windows 10
// 1709), which mingw-w64's headers lack.
constexpr int kActionCompleted = 2;      // NotificationKind_ActionCompleted
constexpr int kImportantMostRecent = 1;  // NotificationProcessing_ImportantMostRecent
// LiveSetting_Property_GUID and its value Polite.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

BSTR ToBstr(const std::wstring& text) {
  return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Windows' own accessible object of a control, with the name, description and visibility of the
// window's description. Everything else is the standard object's.
class Accessible final : public IAccessible {
 public:
  Accessible(IAccessible* standard, std::wstring name, std::wstring description, bool silent)
      : standard_(standard),
        name_(std::move(name)),
        description_(std::move(description)),
        silent_(silent) {}
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The children and the window of the control are the standard object's.
    if (id == IID_IEnumVARIANT || id == IID_IOleWindow)
      return standard_->QueryInterface(id, object);
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    return standard_->Invoke(member, id, locale, flags, parameters, result, exception, argument);
  }

  // IAccessible: what the description says of the control itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    if (name == nullptr) return E_POINTER;
    *name = name_.empty() ? nullptr : ToBstr(name_);
    return name_.empty() ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!IsSelf(child) || description_.empty()) {
      return standard_->get_accDescription(child, description);
    }
    if (description == nullptr) return E_POINTER;
    *description = ToBstr(description_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT result = standard_->get_accState(child, state);
    if (SUCCEEDED(result) && silent_ && IsSelf(child) && state->vt == VT_I4) {
      state->lVal |= STATE_SYSTEM_INVISIBLE;
    }
    return result;
  }

  // IAccessible: the rest is the standard object's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~Accessible() { standard_->Release(); }

  LONG references_ = 1;
  IAccessible* standard_;
  std::wstring name_, description_;
  bool silent_;
};

// WM_GETOBJECT for the client of `control`: Windows' object, named as `name`.
LRESULT Answer(HWND control, WPARAM flags, std::wstring name, std::wstring description,
               bool silent) {
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                       reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  auto* accessible = new Accessible(standard, std::move(name), std::move(description), silent);
  const LRESULT result = LresultFromObject(IID_IAccessible, flags, accessible);
  accessible->Release();
  return result;
}

template <typename Served>
LRESULT CALLBACK AccessibleProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    const auto& served = *reinterpret_cast<const Served*>(data);
    return Answer(control, wParam, served.names->Name(served.index),
                  served.names->Description(served.index), served.names->Silent(served.index));
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, &AccessibleProcedure<Served>, kAccessibleSubclassId);
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

// The caption label that stands beside `input`, or kControlCount.
std::size_t CaptionOf(std::size_t input) {
  for (std::size_t i = 0; i < layout::kControlCount; ++i) {
    const char* buddy = layout::Controls()[i].buddy;
    if (buddy != nullptr && layout::IndexOf(buddy) == input) return i;
  }
  return layout::kControlCount;
}

// The UI Automation entry points of Windows 10 1709 and later.
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);

template <typename Function>
Function Entry(HMODULE module, const char* name) {
  return module == nullptr
             ? nullptr
             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void ScreenReaderNames::Serve(const std::array<HWND, layout::kControlCount>& controls) {
  controls_ = &controls;
  for (std::size_t i = 0; i < layout::kControlCount; ++i) {
    served_.at(i) = {this, i};
    const auto data = reinterpret_cast<DWORD_PTR>(&served_.at(i));
    SetWindowSubclass(controls.at(i), &AccessibleProcedure<Served>, kAccessibleSubclassId, data);
    if (layout::Controls()[i].kind == Kind::ComboBox) {
      // The focus of a list is in its edit field, which is the list to a screen reader.
      COMBOBOXINFO parts{};
      parts.cbSize = sizeof parts;
      if (GetComboBoxInfo(controls.at(i), &parts)) {
        SetWindowSubclass(parts.hwndItem, &AccessibleProcedure<Served>, kAccessibleSubclassId,
                          data);
      }
    }
  }
}

std::string ScreenReaderNames::ShownText(std::size_t index) const {
  return Utf8(WindowText(controls_->at(index)));
}

std::wstring ScreenReaderNames::Name(std::size_t index) const {
  const layout::ControlRow& row = layout::Controls()[index];
  if (row.kind == Kind::TextBox || row.kind == Kind::ComboBox) {
    const std::size_t caption = CaptionOf(index);
    if (caption < layout::kControlCount) {
      return Wide(spoken::Caption(caption, ShownText(caption)));
    }
  }
  if (layout::ShowsResult(index)) {
    for (const layout::ResultBinding& binding : layout::ResultBindings()) {
      if (binding.valueLabel.index != index) continue;
      const std::size_t caption = binding.captionLabel.index;
      return Wide(spoken::Result(index, ShownText(caption), ShownText(index)));
    }
  }
  if (row.spokenName != nullptr) return Wide(row.spokenName);
  return WindowText(controls_->at(index));
}

std::wstring ScreenReaderNames::Description(std::size_t index) const {
  const layout::ControlRow& row = layout::Controls()[index];
  if (row.kind == Kind::TextBox || row.kind == Kind::ComboBox) {
    return Wide(spoken::InputDescription(index));
  }
  for (const layout::ResultBinding& binding : layout::ResultBindings()) {
    if (binding.valueLabel.index == index) {
      return Wide(spoken::ResultDescription(index, ShownText(binding.captionLabel.index)));
    }
  }
  return {};
}

bool ScreenReaderNames::Silent(std::size_t index) const {
  const char* spokenName = layout::Controls()[index].spokenName;
  return spokenName != nullptr && *spokenName == '\0';
}

Announcer::~Announcer() {
  if (automation_ != nullptr) FreeLibrary(automation_);
}

// A static child without a size, below every control, whose name is the last summary; a screen
// reader hears it politely, as a live region.
void Announcer::Create(HWND window, HINSTANCE instance) {
  region_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, window,
                            nullptr, instance, nullptr);
  if (region_ == nullptr) return;
  SetWindowPos(region_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  IAccPropServices* services = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    services->SetHwndProp(region_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          kLiveSettingProperty, polite);
    services->Release();
  }
}

void Announcer::Announce(const std::wstring& summary) {
  if (region_ == nullptr) return;
  SetWindowTextW(region_, summary.c_str());
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, region_, OBJID_CLIENT, CHILDID_SELF);

  if (automation_ == nullptr) automation_ = LoadLibraryW(L"uiautomationcore.dll");
  const auto hostProvider = Entry<HostProviderFromHwnd>(automation_, "UiaHostProviderFromHwnd");
  const auto raise = Entry<RaiseNotificationEvent>(automation_, "UiaRaiseNotificationEvent");
  IRawElementProviderSimple* provider = nullptr;
  if (hostProvider == nullptr || raise == nullptr || FAILED(hostProvider(region_, &provider)) ||
      provider == nullptr) {
    return;
  }
  BSTR text = ToBstr(summary);
  BSTR activity = SysAllocString(L"SolvanixCalculation");
  raise(provider, kActionCompleted, kImportantMostRecent, text, activity);
  SysFreeString(activity);
  SysFreeString(text);
  provider->Release();
}

}  // namespace ui::win32
