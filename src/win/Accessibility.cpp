#include "win/Accessibility.h"

#include "win/ComRef.h"
#include "win/WideText.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <vector>

struct SpokenArea::State {
    std::wstring name;
    std::wstring value;  // every item in one line, for a reader that announces a changed value
    std::vector<std::pair<std::wstring, std::wstring>> items;
};

namespace {

const wchar_t kAreaClass[] = L"OraclineSpokenArea";
// The annotation service (CAccPropServices), which MinGW's headers declare
// without a value.
const CLSID kAnnotationService = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};

// The system's own object for a window, with what the program knows better
// laid over it: a name, a role, a state, and the drawing's items as simple
// children. Whatever is not laid over is the system's answer. The window's
// end cuts the object off from its window and from remote callers.
class AccessibleObject final : public IAccessible {
public:
    AccessibleObject(IAccessible* standard, std::shared_ptr<const SpokenArea::State> spoken)
        : standard_(standard), spoken_(std::move(spoken))
    {
    }
    std::optional<std::wstring> name;
    std::optional<LONG> role;
    std::optional<LONG> state;

    void Detach()
    {
        spoken_.reset();
        CoDisconnectObject(static_cast<IAccessible*>(this), 0);
        if (standard_)
            standard_->Release();
        standard_ = nullptr;
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible)
            return E_NOINTERFACE;
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            if (standard_)
                standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: the object is reached through IAccessible alone.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (count)
            *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** parent) override
    {
        return standard_ ? standard_->get_accParent(parent) : E_FAIL;
    }
    STDMETHODIMP get_accChildCount(LONG* count) override
    {
        if (spoken_ && count) {
            *count = static_cast<LONG>(spoken_->items.size());
            return S_OK;
        }
        return standard_ ? standard_->get_accChildCount(count) : E_FAIL;
    }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override
    {
        if (spoken_) {
            if (out)
                *out = nullptr;
            return Item(child) ? S_FALSE : E_INVALIDARG;
        }
        return standard_ ? standard_->get_accChild(child, out) : E_FAIL;
    }
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override
    {
        if (const auto* item = Item(child))
            return Text(item->first, out);
        if (IsSelf(child) && spoken_)
            return Text(spoken_->name, out);
        if (IsSelf(child) && name)
            return Text(*name, out);
        return standard_ ? standard_->get_accName(child, out) : E_FAIL;
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override
    {
        if (const auto* item = Item(child))
            return Text(item->second, out);
        if (IsSelf(child) && spoken_)
            return Text(spoken_->value, out);
        return standard_ ? standard_->get_accValue(child, out) : E_FAIL;
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override { return Plain(child, out, &IAccessible::get_accDescription); }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override
    {
        if (Item(child))
            return Number(ROLE_SYSTEM_STATICTEXT, out);
        if (IsSelf(child) && spoken_)
            return Number(ROLE_SYSTEM_CHART, out);
        if (IsSelf(child) && role)
            return Number(*role, out);
        return standard_ ? standard_->get_accRole(child, out) : E_FAIL;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override
    {
        if (Item(child))
            return Number(STATE_SYSTEM_READONLY, out);
        if (IsSelf(child) && spoken_)
            return Number(STATE_SYSTEM_READONLY, out);
        if (IsSelf(child) && state)
            return Number(*state, out);
        return standard_ ? standard_->get_accState(child, out) : E_FAIL;
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override { return Plain(child, out, &IAccessible::get_accHelp); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        if (Item(child))
            return S_FALSE;
        return standard_ ? standard_->get_accHelpTopic(file, child, topic) : E_FAIL;
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override
    {
        return Plain(child, out, &IAccessible::get_accKeyboardShortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* out) override { return standard_ ? standard_->get_accFocus(out) : E_FAIL; }
    STDMETHODIMP get_accSelection(VARIANT* out) override
    {
        return standard_ ? standard_->get_accSelection(out) : E_FAIL;
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override
    {
        return Plain(child, out, &IAccessible::get_accDefaultAction);
    }
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override
    {
        if (Item(child))
            return DISP_E_MEMBERNOTFOUND;
        return standard_ ? standard_->accSelect(flags, child) : E_FAIL;
    }
    // An item has no place of its own: it is somewhere on the drawing.
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        if (!standard_)
            return E_FAIL;
        if (!Item(child))
            return standard_->accLocation(left, top, width, height, child);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return standard_->accLocation(left, top, width, height, self);
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        if (!spoken_ || !end)
            return standard_ ? standard_->accNavigate(direction, start, end) : E_FAIL;
        const LONG count = static_cast<LONG>(spoken_->items.size());
        LONG target = 0;
        if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD)
            target = 1;
        else if (IsSelf(start) && direction == NAVDIR_LASTCHILD)
            target = count;
        else if (Item(start) && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN))
            target = start.lVal + 1;
        else if (Item(start) && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP))
            target = start.lVal - 1;
        else if (IsSelf(start))
            return standard_ ? standard_->accNavigate(direction, start, end) : E_FAIL;
        VariantInit(end);
        if (target < 1 || target > count)
            return S_FALSE;
        return Number(target, end);
    }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* out) override
    {
        return standard_ ? standard_->accHitTest(x, y, out) : E_FAIL;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override
    {
        if (Item(child))
            return DISP_E_MEMBERNOTFOUND;
        return standard_ ? standard_->accDoDefaultAction(child) : E_FAIL;
    }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject() = default;

    static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    const std::pair<std::wstring, std::wstring>* Item(const VARIANT& child) const
    {
        if (!spoken_ || child.vt != VT_I4 || child.lVal < 1 ||
            child.lVal > static_cast<LONG>(spoken_->items.size()))
            return nullptr;
        return &spoken_->items[static_cast<std::size_t>(child.lVal - 1)];
    }
    static HRESULT Text(const std::wstring& text, BSTR* out)
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (text.empty())
            return S_FALSE;
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    static HRESULT Number(LONG number, VARIANT* out)
    {
        if (!out)
            return E_POINTER;
        VariantInit(out);
        out->vt = VT_I4;
        out->lVal = number;
        return S_OK;
    }
    // The texts an item has none of.
    HRESULT Plain(VARIANT child, BSTR* out, HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, BSTR*))
    {
        if (Item(child)) {
            if (out)
                *out = nullptr;
            return S_FALSE;
        }
        return standard_ ? (standard_->*ask)(child, out) : E_FAIL;
    }

    LONG references_ = 1;
    IAccessible* standard_;
    std::shared_ptr<const SpokenArea::State> spoken_;
};

// The object a window answers WM_GETOBJECT with, made at the first
// question (oleacc.dll is loaded only when something asks) and cut off when
// the window ends.
struct Answer {
    AccessibleObject* object = nullptr;
    std::shared_ptr<const SpokenArea::State> spoken;
    std::optional<std::wstring> name;
    std::optional<LONG> role;
    std::optional<LONG> state;

    LRESULT Give(HWND window, WPARAM wParam)
    {
        if (!object) {
            IAccessible* standard = nullptr;
            if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                                 reinterpret_cast<void**>(&standard))))
                return 0;
            object = new AccessibleObject(standard, spoken);
            object->name = name;
            object->role = role;
            object->state = state;
        }
        return LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object));
    }
    void End()
    {
        if (object) {
            object->Detach();
            object->Release();
        }
        object = nullptr;
    }
};

bool AsksForClient(UINT message, LPARAM lParam)
{
    return message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT;
}

LRESULT CALLBACK AreaProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* answer = reinterpret_cast<Answer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (AsksForClient(message, lParam) && answer)
        return answer->Give(window, wParam);
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
    case WM_NCDESTROY:
        if (answer) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            answer->End();
            delete answer;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterAreaClass()
{
    static const bool registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = AreaProcedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = kAreaClass;
        return RegisterClassExW(&type) != 0;
    }();
    return registered;
}

// The fallback where the system keeps no annotations (Wine's service
// answers E_NOTIMPL): the control answers for itself.
LRESULT CALLBACK NamedControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data)
{
    auto* answer = reinterpret_cast<Answer*>(data);
    if (AsksForClient(message, lParam))
        return answer->Give(window, wParam);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, NamedControlProcedure, 0);
        answer->End();
        delete answer;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

struct ControlName {
    std::optional<std::wstring> name;
    std::optional<LONG> role;
    std::optional<LONG> state;
};

bool Annotate(IAccPropServices* service, HWND control, const ControlName& naming)
{
    if (!service)
        return false;
    if (naming.name &&
        FAILED(service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                       const_cast<wchar_t*>(naming.name->c_str()))))
        return false;
    const std::pair<const MSAAPROPID*, const std::optional<LONG>*> numbers[] = {
        {&PROPID_ACC_ROLE, &naming.role}, {&PROPID_ACC_STATE, &naming.state}};
    for (const auto& number : numbers) {
        if (!*number.second)
            continue;
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = **number.second;
        if (FAILED(service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, *number.first,
                                        value)))
            return false;
    }
    return true;
}

void Name(IAccPropServices* service, HWND control, const ControlName& naming)
{
    if (Annotate(service, control, naming))
        return;
    auto* answer = new Answer;
    answer->name = naming.name;
    answer->role = naming.role;
    answer->state = naming.state;
    if (!SetWindowSubclass(control, NamedControlProcedure, 0, reinterpret_cast<DWORD_PTR>(answer)))
        delete answer;
}

std::wstring ClassOf(HWND control)
{
    wchar_t name[32] = L"";
    GetClassNameW(control, name, 32);
    return name;
}

bool IsLabel(HWND control)
{
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    return _wcsicmp(ClassOf(control).c_str(), L"Edit") == 0 && (style & ES_READONLY) && !(style & WS_TABSTOP) &&
           GetWindowTextLengthW(control) > 0;
}

bool IsField(HWND control)
{
    const std::wstring type = ClassOf(control);
    if (_wcsicmp(type.c_str(), L"Edit") == 0)
        return !(GetWindowLongW(control, GWL_STYLE) & ES_READONLY);
    return _wcsicmp(type.c_str(), L"ComboBox") == 0 || _wcsicmp(type.c_str(), WC_LISTVIEWW) == 0;
}

std::wstring Trimmed(const std::wstring& text)
{
    const std::size_t first = text.find_first_not_of(L" \t\r\n");
    const std::size_t last = text.find_last_not_of(L" \t\r\n");
    return first == std::wstring::npos ? L"" : text.substr(first, last - first + 1);
}

// The twelve signs in the order of the artwork's zodiac glyphs, Aries first:
// the large strip from 162 on and the Schedule dialog's small ones from 135.
const wchar_t* const kSignNames[12] = {L"Aries", L"Taurus", L"Gemini", L"Cancer", L"Leo", L"Virgo",
                                       L"Libra", L"Scorpio", L"Sagittarius", L"Capricorn", L"Aquarius", L"Pisces"};
constexpr int kLargeSignFirst = 162;
constexpr int kSmallSignFirst = 135;

const wchar_t* SignOf(int pictureId)
{
    for (int first : {kLargeSignFirst, kSmallSignFirst})
        if (pictureId >= first && pictureId < first + 12)
            return kSignNames[pictureId - first];
    return nullptr;
}

bool IsPicture(HWND control)
{
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    return _wcsicmp(ClassOf(control).c_str(), L"Static") == 0 && (type == SS_BITMAP || type == SS_ICON);
}

} // namespace

SpokenArea::SpokenArea() : state_(std::make_shared<State>()) {}

SpokenArea::~SpokenArea() = default;

void SpokenArea::Create(HWND window)
{
    if (area_ || !RegisterAreaClass())
        return;
    RECT client{};
    GetClientRect(window, &client);
    area_ = CreateWindowExW(WS_EX_TRANSPARENT | WS_EX_NOPARENTNOTIFY, kAreaClass, state_->name.c_str(),
                            WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom, window, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!area_)
        return;
    auto* answer = new Answer;
    answer->spoken = state_;
    SetWindowLongPtrW(area_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(answer));
    // Under every control, so none is covered for a click or for the keys.
    SetWindowPos(area_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SpokenArea::Publish(const SpokenDrawing& drawing)
{
    // A fresh state, so a reader holding the old one never sees it change
    // halfway.
    auto state = std::make_shared<State>();
    state->name = WideText(drawing.name);
    for (const SpokenItem& item : drawing.items) {
        state->items.emplace_back(WideText(item.name), WideText(item.value));
        if (!state->value.empty())
            state->value += L", ";
        state->value += state->items.back().first;
        if (!item.value.empty())
            state->value += L" " + state->items.back().second;
    }
    *state_ = std::move(*state);
    if (!area_)
        return;
    SetWindowTextW(area_, state_->name.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, area_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, area_, OBJID_CLIENT, CHILDID_SELF);
}

void NameDialogControls(HWND dialog)
{
    ComRef<IAccPropServices> service;
    CoCreateInstance(kAnnotationService, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     service.OutVoid());
    HWND previous = nullptr;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (IsPicture(control)) {
            if (const wchar_t* sign = SignOf(GetDlgCtrlID(control)))
                Name(service.Get(), control, {std::wstring(sign), ROLE_SYSTEM_GRAPHIC, std::nullopt});
            else
                Name(service.Get(), control, {std::wstring(), ROLE_SYSTEM_GRAPHIC, STATE_SYSTEM_INVISIBLE});
        } else if (previous && IsLabel(previous) && IsField(control)) {
            std::wstring label(static_cast<std::size_t>(GetWindowTextLengthW(previous)) + 1, L'\0');
            label.resize(static_cast<std::size_t>(GetWindowTextW(previous, &label[0], static_cast<int>(label.size()))));
            Name(service.Get(), control, {Trimmed(label), std::nullopt, std::nullopt});
        }
        previous = control;
    }
}
