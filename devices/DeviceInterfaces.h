#pragma once
// The device components' side of discovery: the registry key that lists
// component instances, the one class we accept and the two interfaces we call.
// Both the finder and our stand-in component are built from this header.
#include <windows.h>
#include <oaidl.h>

// Under HKEY_CLASSES_ROOT; each sub-key names a component instance by class id.
inline constexpr char kDeviceInstanceKey[] =
    "CLSID\\{109DC3E4-B9FF-4AF3-9008-AB13705D4E5F}\\Instance\\"
    "{E9BBD754-6CF4-492E-BA89-782177A2771B}\\Instance";

inline constexpr GUID CLSID_DeviceComponent = {
    0x84D8717B, 0x4E1F, 0x4607, {0x9C, 0x1A, 0x14, 0xE1, 0xBD, 0xB7, 0xB6, 0x75}};
inline constexpr GUID IID_IDeviceComponent = {
    0xF2C8D5B4, 0x3854, 0x4325, {0x8A, 0x4F, 0xFD, 0x7C, 0x50, 0x72, 0xE3, 0xB9}};
// The objects are only ever reached through the component's list; this id
// lets them answer QueryInterface.
inline constexpr GUID IID_IDeviceObject = {
    0xA6B5F4CC, 0x8646, 0x439D, {0x8B, 0xFD, 0x61, 0xC7, 0x50, 0x7A, 0x97, 0x82}};

// The method we call is the third after IUnknown's three; the two before it
// keep their table slots and are never called by us.
struct IDeviceObject : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Reserved1() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved2() = 0;
    // The XML description of this object's devices; the caller frees it.
    virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* xml) = 0;
};

struct IDeviceComponent : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Reserved1() = 0;
    virtual HRESULT STDMETHODCALLTYPE Reserved2() = 0;
    // With a null list: *count = how many objects there are. With a list of
    // *count entries: fills it with that many referenced objects.
    virtual HRESULT STDMETHODCALLTYPE GetObjects(IDeviceObject** list, ULONG* count) = 0;
};
