// Stand-in device component: an in-process COM server that offers the
// devices described in an XML file, for development, demos and tests.
//
// The file is "devices.xml" beside this DLL, or the file the environment
// variable LK_DEVICES_XML names (read each time the component is created, so
// a test can switch files between discoveries). Its root holds <object>
// elements in the order they are offered. An object returns its first child
// element as its description, or, without one, its text verbatim (CDATA lets a
// test hand out broken XML); an empty <object/> returns no text at all.
// count="N" offers the same object N times.
#include "devices/DeviceInterfaces.h"
#include "standins/EnvPath.h"
#include <tinyxml.h>
#include <olectl.h>
#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

HMODULE g_module = nullptr;
LONG g_live = 0;   // objects and server locks keeping the DLL loaded

std::wstring ModulePath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(g_module, path, MAX_PATH);
    return path;
}

std::wstring DescriptionFile() {
    std::wstring path = ModulePath();
    return EnvPathOr(L"LK_DEVICES_XML", path.substr(0, path.rfind(L'\\') + 1) + L"devices.xml");
}

std::string ReadAll(const std::wstring& path) {
    std::string bytes;
    if (FILE* f = _wfopen(path.c_str(), L"rb")) {
        char buf[65536];
        size_t got;
        while ((got = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, got);
        fclose(f);
    }
    return bytes;
}

std::wstring Widen(const std::string& s) {
    if (s.empty() || s.size() > INT_MAX) return {};
    int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), nullptr, 0);
    std::wstring w((size_t)n, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), w.data(), n);
    return w;
}

// One kind of offered object: its text (null: it returns none) and how often.
struct Offer {
    std::shared_ptr<const std::wstring> text;
    ULONG repeat = 1;
};

std::vector<Offer> LoadOffers() {
    std::vector<Offer> offers;
    TiXmlDocument doc;
    doc.Parse(ReadAll(DescriptionFile()).c_str(), nullptr, TIXML_ENCODING_UTF8);
    const TiXmlElement* root = doc.Error() ? nullptr : doc.RootElement();
    if (!root) return offers;
    for (auto* o = root->FirstChildElement("object"); o; o = o->NextSiblingElement("object")) {
        Offer offer;
        int repeat = 1;
        if (o->QueryIntAttribute("count", &repeat) == TIXML_SUCCESS) offer.repeat = repeat > 0 ? (ULONG)repeat : 0;
        if (const TiXmlElement* description = o->FirstChildElement()) {
            TiXmlPrinter printer;
            description->Accept(&printer);
            offer.text = std::make_shared<std::wstring>(Widen(printer.Str()));
        } else if (const char* text = o->GetText()) {
            offer.text = std::make_shared<std::wstring>(Widen(text));
        }
        offers.push_back(std::move(offer));
    }
    return offers;
}

template <class Interface>
class Unknown : public Interface {
public:
    Unknown() { ::InterlockedIncrement(&g_live); }
    virtual ~Unknown() { ::InterlockedDecrement(&g_live); }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)::InterlockedIncrement(&m_ref); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG n = ::InterlockedDecrement(&m_ref);
        if (n == 0) delete this;
        return (ULONG)n;
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, Iid())) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

protected:
    virtual const IID& Iid() const = 0;

private:
    LONG m_ref = 1;
};

class DeviceObject final : public Unknown<IDeviceObject> {
public:
    explicit DeviceObject(std::shared_ptr<const std::wstring> text) : m_text(std::move(text)) {}
    HRESULT STDMETHODCALLTYPE Reserved1() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved2() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDescription(BSTR* xml) override {
        if (!xml) return E_POINTER;
        *xml = nullptr;
        if (!m_text) return S_FALSE;
        *xml = ::SysAllocStringLen(m_text->data(), (UINT)m_text->size());
        return *xml ? S_OK : E_OUTOFMEMORY;
    }

private:
    const IID& Iid() const override { return IID_IDeviceObject; }
    std::shared_ptr<const std::wstring> m_text;
};

class Component final : public Unknown<IDeviceComponent> {
public:
    Component() : m_offers(LoadOffers()) {}
    HRESULT STDMETHODCALLTYPE Reserved1() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved2() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetObjects(IDeviceObject** list, ULONG* count) override {
        if (!count) return E_POINTER;
        ULONGLONG total = 0;
        for (const Offer& o : m_offers) total += o.repeat;
        if (total > ULONG_MAX) total = ULONG_MAX;
        if (!list) {
            *count = (ULONG)total;
            return S_OK;
        }
        // Objects are made only when asked for, so a huge count costs nothing
        // until someone really takes them.
        ULONG filled = 0;
        for (const Offer& o : m_offers)
            for (ULONG r = 0; r < o.repeat && filled < *count; ++r) {
                auto* object = new (std::nothrow) DeviceObject(o.text);
                if (!object) break;
                list[filled++] = object;
            }
        *count = filled;
        return S_OK;
    }

private:
    const IID& Iid() const override { return IID_IDeviceComponent; }
    std::vector<Offer> m_offers;
};

class Factory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    // A single static factory: its lifetime is the DLL's.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* component = new (std::nothrow) Component();
        if (!component) return E_OUTOFMEMORY;
        HRESULT hr = component->QueryInterface(iid, out);
        component->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) ::InterlockedIncrement(&g_live);
        else ::InterlockedDecrement(&g_live);
        return S_OK;
    }
};

Factory g_factory;

std::wstring ClsidText() {
    wchar_t text[64] = {};
    ::StringFromGUID2(CLSID_DeviceComponent, text, 64);
    return text;
}

std::wstring InstanceKey() {
    const std::string narrow = kDeviceInstanceKey;
    return std::wstring(narrow.begin(), narrow.end()) + L"\\" + ClsidText();
}

bool SetKey(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LSTATUS rc = ::RegSetValueExW(key, name, 0, REG_SZ, (const BYTE*)value.c_str(),
                                  (DWORD)((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        ::DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_DeviceComponent)) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() { return g_live == 0 ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() {
    const std::wstring clsidKey = L"CLSID\\" + ClsidText();
    bool ok = SetKey(clsidKey, nullptr, L"Device component stand-in") &&
              SetKey(clsidKey + L"\\InprocServer32", nullptr, ModulePath()) &&
              SetKey(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
              SetKey(InstanceKey(), L"FriendlyName", L"Device component stand-in");
    return ok ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, InstanceKey().c_str());
    ::RegDeleteKeyW(HKEY_CLASSES_ROOT, InstanceKey().c_str());
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + ClsidText()).c_str());
    ::RegDeleteKeyW(HKEY_CLASSES_ROOT, (L"CLSID\\" + ClsidText()).c_str());
    return S_OK;
}
