#include "devices/DeviceFinder.h"
#include "devices/DeviceInterfaces.h"
#include "devices/DeviceXml.h"
#include <climits>
#include <cstring>
#include <new>

std::string WideToAnsi(const wchar_t* text, size_t length) {
    if (!text || length == 0 || length > INT_MAX) return {};
    int n = ::WideCharToMultiByte(CP_ACP, 0, text, (int)length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out((size_t)n, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, (int)length, out.data(), n, nullptr, nullptr);
    return out;
}

std::vector<std::wstring> CDeviceFinder::InstanceNames() {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (::RegOpenKeyA(HKEY_CLASSES_ROOT, kDeviceInstanceKey, &key) != ERROR_SUCCESS) return names;
    DWORD count = 0, longest = 0;
    ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr);
    for (DWORD i = 0; i < count; ++i) {
        std::wstring name(longest + 1, L'\0');
        DWORD len = longest + 1;
        LSTATUS rc = ::RegEnumKeyExW(key, i, name.data(), &len, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) {
            // The key changed since the count was taken: one more try at the size now reported.
            len = (len > longest ? len : longest) + 1;
            name.assign(len, L'\0');
            rc = ::RegEnumKeyExW(key, i, name.data(), &len, nullptr, nullptr, nullptr, nullptr);
        }
        name.resize(rc == ERROR_SUCCESS ? len : 0);
        names.push_back(std::move(name));
    }
    ::RegCloseKey(key);
    return names;
}

int CDeviceFinder::DeviceCount(int kind) const {
    return kind == 0 || kind == 1 ? (int)m_devices[kind].size() : 0;
}

const std::vector<DEVICEINFO>& CDeviceFinder::Devices(int kind) const {
    return m_devices[kind == 1 ? 1 : 0];
}

bool CDeviceFinder::Discover() {
    auto& found = m_devices[0];
    found.clear();
    const std::vector<std::wstring> names = InstanceNames();
    ::CoInitialize(nullptr);
    for (const std::wstring& name : names) {
        CLSID clsid{};
        ::CLSIDFromString(name.c_str(), &clsid);
        if (std::memcmp(&clsid, &CLSID_DeviceComponent, sizeof clsid) != 0) continue;

        IDeviceComponent* component = nullptr;
        if (FAILED(::CoCreateInstance(CLSID_DeviceComponent, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IDeviceComponent, (void**)&component)) || !component)
            continue;
        component->AddRef();
        ULONG count = 0;
        component->GetObjects(nullptr, &count);
        std::vector<IDeviceObject*> objects;
        if (count > 0 && count <= kMaxObjects) {
            objects.assign(count, nullptr);
            ULONG filled = count;
            if (FAILED(component->GetObjects(objects.data(), &filled))) objects.clear();
            else if (filled < count) objects.resize(filled);
        }
        for (IDeviceObject* object : objects) {
            DEVICEINFO info;
            BSTR xml = nullptr;
            if (object && SUCCEEDED(object->GetDescription(&xml)) && xml)
                ParseDeviceXml(WideToAnsi(xml, ::SysStringLen(xml)), info);
            ::SysFreeString(xml);
            found.push_back(std::move(info));
            if (object) object->Release();
        }
        component->Release();
        component->Release();  // the reference creation handed us
    }
    return !found.empty();
}
