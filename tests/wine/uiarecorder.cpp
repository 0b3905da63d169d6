// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
//
// A recording stand-in for Windows' UI Automation core (uiautomationcore.dll),
// for tests under Wine, whose own core says no client listens and has no
// notifications. It is not a screen reader: it says that a client listens,
// writes every event Qt raises to the file named by STOROMER_UIA_LOG, and on
// the first request for the window's provider writes the provider tree (name,
// control type, a slider's range and value) as a screen reader would walk it.
// windows.h first: the others build on it.
// clang-format off
#include <windows.h>
#include <ole2.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>
// clang-format on

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

constexpr IID kRangeValueProvider = {
    0x36dc7aef, 0x33e6, 0x4691, {0xaf, 0xe1, 0x2b, 0xe7, 0x27, 0x4b, 0x3d, 0x33}};

std::string Utf8(const wchar_t* text)
{
    if (!text) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

void Log(const std::string& line)
{
    if (const char* path = std::getenv("STOROMER_UIA_LOG")) {
        if (FILE* file = std::fopen(path, "ab")) {
            std::fprintf(file, "%s\n", line.c_str());
            std::fclose(file);
        }
    }
}

std::string Name(IRawElementProviderSimple* element)
{
    VARIANT name;
    VariantInit(&name);
    if (!element || FAILED(element->GetPropertyValue(UIA_NamePropertyId, &name)) ||
        name.vt != VT_BSTR) {
        return {};
    }
    std::string out = Utf8(name.bstrVal);
    VariantClear(&name);
    return out;
}

std::string ControlType(IRawElementProviderSimple* element)
{
    VARIANT type;
    VariantInit(&type);
    element->GetPropertyValue(UIA_ControlTypePropertyId, &type);
    // The control type ids of Windows' UIAutomationClient.h.
    static const std::pair<LONG, const char*> kTypes[] = {
        {50000, "button"},       {50002, "check box"}, {50004, "edit"},
        {50013, "radio button"}, {50015, "slider"},    {50020, "text"},
        {50032, "window"},       {50033, "pane"},      {50038, "separator"}};
    // The property is a VT_I4; an id in any other variant is recorded with its
    // type, since whether Windows' core takes it is not known here.
    const bool i4 = type.vt == VT_I4;
    const LONG id = i4 ? type.lVal : type.vt == VT_INT ? type.intVal : 0;
    for (auto [known, kind] : kTypes) {
        if (id == known) {
            return i4 ? kind : kind + std::string(" [VT_INT]");
        }
    }
    return "other";
}

// A slider's " min..max = value", through its range value pattern.
std::string Range(IRawElementProviderSimple* element)
{
    IUnknown* pattern = nullptr;
    if (FAILED(element->GetPatternProvider(UIA_RangeValuePatternId, &pattern)) || !pattern) {
        return {};
    }
    std::string out;
    IRangeValueProvider* range = nullptr;
    if (SUCCEEDED(pattern->QueryInterface(kRangeValueProvider, reinterpret_cast<void**>(&range)))) {
        double low = 0, high = 0, value = 0;
        range->get_Minimum(&low);
        range->get_Maximum(&high);
        range->get_Value(&value);
        for (const std::string& part :
             {std::string(" "), std::to_string(static_cast<int>(low)), std::string(".."),
              std::to_string(static_cast<int>(high)), std::string(" = "),
              std::to_string(static_cast<int>(value))}) {
            out += part;
        }
        range->Release();
    }
    pattern->Release();
    return out;
}

void Walk(IRawElementProviderSimple* element, int depth)
{
    const std::string kind = ControlType(element);
    const std::string name = Name(element);
    Log("TREE " + std::string(2 * depth, ' ') + kind + " '" + name + "'" + Range(element));
    IRawElementProviderFragment* fragment = nullptr;
    if (FAILED(element->QueryInterface(IID_IRawElementProviderFragment,
                                       reinterpret_cast<void**>(&fragment)))) {
        return;
    }
    IRawElementProviderFragment* child = nullptr;
    fragment->Navigate(NavigateDirection_FirstChild, &child);
    while (child) {
        IRawElementProviderSimple* simple = nullptr;
        if (SUCCEEDED(child->QueryInterface(IID_IRawElementProviderSimple,
                                            reinterpret_cast<void**>(&simple)))) {
            Walk(simple, depth + 1);
            simple->Release();
        }
        IRawElementProviderFragment* next = nullptr;
        child->Navigate(NavigateDirection_NextSibling, &next);
        child->Release();
        child = next;
    }
    fragment->Release();
}

bool g_walked = false;

} // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** out)
{
    *out = nullptr;
    return S_OK;
}

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple* root)
{
    if (root && !g_walked) {
        g_walked = true;
        Walk(root, 0);
    }
    return 0;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationEvent(IRawElementProviderSimple* element, EVENTID id)
{
    Log("EVENT " + std::to_string(id) + " on '" + Name(element) + "'");
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple* element, PROPERTYID id,
                                           VARIANT, VARIANT value)
{
    std::string shown;
    if (value.vt == VT_BSTR) {
        shown = ": '" + Utf8(value.bstrVal) + "'";
    } else if (value.vt == VT_R8) {
        shown = ": " + std::to_string(static_cast<int>(value.dblVal));
    } else if (value.vt == VT_I4) {
        shown = ": " + std::to_string(value.lVal); // a toggle state: 1 is on
    }
    Log("PROPERTY " + std::to_string(id) + " on '" + Name(element) + "'" + shown);
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple* element, int kind, int processing,
                              BSTR text, BSTR)
{
    Log("NOTIFICATION kind=" + std::to_string(kind) + " processing=" + std::to_string(processing) +
        " on '" + Name(element) + "': '" + Utf8(text) + "'");
    return S_OK;
}

} // extern "C"
