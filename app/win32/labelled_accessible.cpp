#include "app/win32/labelled_accessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <atomic>
#include <memory>

#include "app/win32/call_guarded.h"
#include "app/win32/com_handles.h"

namespace vesko {

namespace {

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Copy(const std::wstring& text, BSTR* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

using TextGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

// The child a property get through IDispatch asks about: its one optional argument, the
// object itself when it is left out.
HRESULT ChildArgument(const DISPPARAMS& params, VARIANT& child, UINT* bad_argument) {
    if (params.cNamedArgs != 0) {
        return DISP_E_NONAMEDARGS;
    }
    if (params.cArgs > 1) {
        return DISP_E_BADPARAMCOUNT;
    }
    VARIANT* given = params.cArgs == 1 ? params.rgvarg : nullptr;
    if (given == nullptr || (given->vt == VT_ERROR && given->scode == DISP_E_PARAMNOTFOUND)) {
        child.vt = VT_I4;
        child.lVal = CHILDID_SELF;
        return S_OK;
    }
    if (FAILED(::VariantChangeType(&child, given, 0, VT_I4))) {
        if (bad_argument != nullptr) {
            *bad_argument = 0;
        }
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

// COM objects end through Release, never through a pointer to their interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The standard object of a control under another name: everything but the name and the
// description is the standard object's. It answers for its window itself, so that every
// interface a client gets from it leads back to it.
class LabelledAccessible final : public IAccessible, public IOleWindow {
public:
    LabelledAccessible(HWND control, ComRef<IAccessible> standard, const AccessibleText& text)
        : control_(control), standard_(std::move(standard)), text_(text) {}
    LabelledAccessible(const LabelledAccessible&) = delete;
    LabelledAccessible& operator=(const LabelledAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (iid == __uuidof(IOleWindow)) {
            *out = static_cast<IOleWindow*>(this);
            AddRef();
            return S_OK;
        }
        // No IEnumVARIANT: clients then count and fetch the children, which the standard
        // object gives.
        *out = nullptr;
        return E_NOINTERFACE;
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL /*enter*/) override { return E_NOTIMPL; }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            // A COM object lives as long as its references, so the last Release ends it.
            std::unique_ptr<LabelledAccessible> last(this);
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) ? Copy(text_.name, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return IsSelf(child) && !text_.description.empty()
                   ? Copy(text_.description, description)
                   : standard_->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    // Clients that read the properties through IDispatch hear what the direct calls say.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* bad_argument) override {
        const TextGetter getter = id == DISPID_ACC_NAME          ? &IAccessible::get_accName
                                  : id == DISPID_ACC_DESCRIPTION ? &IAccessible::get_accDescription
                                  : id == DISPID_ACC_VALUE       ? &IAccessible::get_accValue
                                                                 : nullptr;
        if (getter == nullptr || (flags & DISPATCH_PROPERTYGET) == 0 || iid != IID_NULL ||
            params == nullptr) {
            return standard_->Invoke(id, iid, locale, flags, params, result, exception,
                                     bad_argument);
        }
        VARIANT child{};
        if (const HRESULT given = ChildArgument(*params, child, bad_argument); FAILED(given)) {
            return given;
        }
        BSTR text = nullptr;
        const HRESULT answer = (this->*getter)(child, &text);
        if (SUCCEEDED(answer) && result != nullptr) {
            ::VariantInit(result);
            result->vt = VT_BSTR;
            result->bstrVal = text;
        } else if (SUCCEEDED(answer)) {
            ::SysFreeString(text);
        }
        return answer;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    // Wine's lists give their entry as their name and no value: the entry, now the name is
    // the label's, is the control's own text.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const HRESULT result = standard_->get_accValue(child, value);
        if (!IsSelf(child) || value == nullptr) {
            return result;
        }
        // A failed call need not have set the value: only a string given back is ours to free.
        if (SUCCEEDED(result)) {
            if (::SysStringLen(*value) > 0) {
                return result;
            }
            ::SysFreeString(*value);
        }
        *value = nullptr;
        return CallGuarded(
            E_OUTOFMEMORY, [this, value] { return ControlText(value); }, Unsaid);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
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
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
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
    friend struct std::default_delete<LabelledAccessible>;
    ~LabelledAccessible() = default;  // only through Release

    HRESULT ControlText(BSTR* value) const {
        std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            ::GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
        return Copy(text, value);
    }

    std::atomic<ULONG> references_{1};
    HWND control_;
    ComRef<IAccessible> standard_;
    AccessibleText text_;  // a copy: a client may hold the object after the window is gone
};

#pragma GCC diagnostic pop

// The object for a WM_GETOBJECT query, or 0 where there is none to give.
LRESULT Answer(HWND control, WPARAM flags, const AccessibleText& text) {
    void* standard = nullptr;
    if (FAILED(
            ::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible), &standard))) {
        return 0;
    }
    ComRef<IAccessible> object(
        std::make_unique<LabelledAccessible>(
            control, ComRef<IAccessible>(static_cast<IAccessible*>(standard)), text)
            .release());
    // Takes a reference of its own for the client; ours goes with `object`.
    const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), flags, object.get());
    return result > 0 ? result : 0;
}

LRESULT CALLBACK AnswerAccessibility(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR data) {
    // The object identifier is a 32-bit value, sign-extended or not.
    if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lparam)) == OBJID_CLIENT) {
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the subclass data carries the text
        const auto& text = *reinterpret_cast<const AccessibleText*>(data);
        // Should ours fail, the standard object answers.
        if (const LRESULT result = CallGuarded(
                LRESULT{0}, [&] { return Answer(control, wparam, text); }, Unsaid);
            result != 0) {
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(control, AnswerAccessibility, id);
    }
    return ::DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace

void AnnounceAs(HWND control, const AccessibleText& text) {
    ::SetWindowSubclass(control, AnswerAccessibility, 0, reinterpret_cast<DWORD_PTR>(&text));
}

}  // namespace vesko
