// The accessibility tree of another process's window, as a screen reader
// walks it: the window's object, then each child window's own object with
// the elements it reports, each with name and value.
#include "driver/Driver.h"

#include "win/WideText.h"

#include <oleacc.h>

namespace e2e {

namespace {

// IAccessible's id, spelt out: MinGW's oleacc and uuid libraries both
// define it, and a reference would pull in both.
const IID kAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Narrow(BSTR text)
{
    const std::string narrow = text ? NarrowText(text, SysStringLen(text)) : "";
    SysFreeString(text);
    return narrow;
}

const VARIANT kSelf = [] { VARIANT self{}; return self.vt = VT_I4, self.lVal = CHILDID_SELF, self; }();

void Describe(IAccessible* object, VARIANT child, std::vector<AccessibleNode>& out)
{
    AccessibleNode node;
    BSTR text = nullptr;
    if (object->get_accName(child, &text) == S_OK)
        node.name = Narrow(text);
    text = nullptr;
    if (object->get_accValue(child, &text) == S_OK)
        node.value = Narrow(text);
    VARIANT state{};
    if (object->get_accState(child, &state) == S_OK && state.vt == VT_I4)
        node.invisible = (state.lVal & STATE_SYSTEM_INVISIBLE) != 0;
    VariantClear(&state);
    out.push_back(node);
}

// The object and the simple elements it holds (the program's own objects
// hold no objects).
void Walk(IAccessible* object, std::vector<AccessibleNode>& out)
{
    Describe(object, kSelf, out);
    LONG count = 0;
    if (FAILED(object->get_accChildCount(&count)) || count <= 0 || count > 200)
        return;
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG got = 0;
    if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got)))
        return;
    for (LONG i = 0; i < got; ++i) {
        if (children[static_cast<std::size_t>(i)].vt == VT_I4)
            Describe(object, children[static_cast<std::size_t>(i)], out);
        VariantClear(&children[static_cast<std::size_t>(i)]);
    }
}

} // namespace

std::vector<AccessibleNode> AccessibleTree(HWND window)
{
    std::vector<AccessibleNode> tree;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessible, reinterpret_cast<void**>(&object)))) {
        Describe(object, kSelf, tree);
        object->Release();
    }
    // Wine's window object lists its child windows as bare numbers with
    // nothing to say: each child window is asked for its own object.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        IAccessible* inner = nullptr;
        if (FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_CLIENT), kAccessible, reinterpret_cast<void**>(&inner))))
            continue;
        Walk(inner, tree);
        inner->Release();
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return tree;
}

std::string TreeText(const std::vector<AccessibleNode>& tree)
{
    std::string text;
    for (const AccessibleNode& node : tree)
        text += "\"" + node.name + "\" = \"" + node.value + (node.invisible ? "\" (invisible)\n" : "\"\n");
    return text;
}

} // namespace e2e
