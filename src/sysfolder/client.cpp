// SPDX-License-Identifier: GPL-3.0-or-later
// Creating an object by program identifier through the component registry.

#include "holtavi/holtavi_client.h"
#include "registry.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <new>
#include <system_error>

namespace
{

// The libraries HoltaviCreateObject loaded, by the path the registry names.
std::mutex g_mutex;
std::map<std::string, void *> g_libraries;

char *copyText(const std::string &text)
{
    auto *copy = static_cast<char *>(std::malloc(text.size() + 1));
    if (copy)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

HoltaviStatus fail(HoltaviStatus status, HoltaviError *error, std::int32_t number, const std::string &description)
{
    if (error) {
        error->number = number;
        error->description = copyText(description);
        error->source = copyText("HoltaviCreateObject");
    }
    return status;
}

// The library at `path`, loaded now or before; null with `why` set when it cannot be
// loaded or serves no classes. Call with g_mutex held.
void *componentLibrary(const std::string &path, std::string &why)
{
    if (const auto it = g_libraries.find(path); it != g_libraries.end())
        return it->second;
    ::dlerror();
    void *library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char *reason = ::dlerror();
        why = reason ? reason : "cannot load " + path;
        return nullptr;
    }
    if (!::dlsym(library, "DllGetClassObject")) {
        ::dlclose(library);
        why = path + " is not a component library: it has no DllGetClassObject";
        return nullptr;
    }
    g_libraries.emplace(path, library);
    return library;
}

} // namespace

extern "C" HoltaviStatus HoltaviCreateObject(const char *progId, const char *iid, void **object, HoltaviError *error)
{
    if (error)
        *error = HoltaviError { 0, nullptr, nullptr };
    if (!object)
        return HOLTAVI_E_INVALIDARG;
    *object = nullptr;
    if (!progId || !iid)
        return HOLTAVI_E_INVALIDARG;
    try {
        const std::string file = holtavi::registryFile();
        if (file.empty())
            return fail(HOLTAVI_E_NOTREGISTERED, error, -1, "no home folder, so no component registry");
        std::optional<holtavi::RegistryEntry> entry;
        try {
            entry = holtavi::findRegistryEntry(file, progId);
        } catch (const std::system_error &failure) {
            return fail(HOLTAVI_E_REGISTRY, error, failure.code().value(), failure.what());
        }
        if (!entry)
            return fail(HOLTAVI_E_NOTREGISTERED, error, -1, std::string(progId) + " is not registered in " + file);

        std::lock_guard lock(g_mutex);
        std::string why;
        void *library = componentLibrary(entry->libraryPath, why);
        if (!library)
            return fail(HOLTAVI_E_LOADFAILED, error, -1, why);
        const auto getClassObject =
            reinterpret_cast<HoltaviGetClassObjectFunction>(::dlsym(library, "DllGetClassObject"));
        void *factoryObject = nullptr;
        HoltaviStatus status = getClassObject(entry->classId.c_str(), HOLTAVI_IID_CLASSFACTORY, &factoryObject);
        if (!HOLTAVI_SUCCEEDED(status) || !factoryObject)
            return fail(HOLTAVI_SUCCEEDED(status) ? HOLTAVI_E_UNEXPECTED : status,
                error,
                -1,
                entry->libraryPath + " gives no class factory for " + entry->classId + ": "
                    + HoltaviStatusText(status));
        auto *factory = static_cast<HoltaviClassFactory *>(factoryObject);
        status = factory->lpVtbl->CreateInstance(factory, iid, object);
        factory->lpVtbl->Release(factory);
        if (!HOLTAVI_SUCCEEDED(status) || !*object) {
            *object = nullptr;
            return fail(HOLTAVI_SUCCEEDED(status) ? HOLTAVI_E_UNEXPECTED : status,
                error,
                -1,
                std::string("the class ") + entry->classId + " gives no interface " + iid + ": "
                    + HoltaviStatusText(status));
        }
        return status;
    } catch (const std::bad_alloc &) {
        return HOLTAVI_E_OUTOFMEMORY;
    }
}

extern "C" int HoltaviFreeUnusedLibraries(void)
{
    std::lock_guard lock(g_mutex);
    int unloaded = 0;
    for (auto it = g_libraries.begin(); it != g_libraries.end();) {
        const auto canUnloadNow = reinterpret_cast<HoltaviCanUnloadNowFunction>(::dlsym(it->second, "DllCanUnloadNow"));
        // A library that cannot say whether it is idle stays.
        if (canUnloadNow && canUnloadNow() == HOLTAVI_S_OK) {
            ::dlclose(it->second);
            it = g_libraries.erase(it);
            ++unloaded;
        } else {
            ++it;
        }
    }
    return unloaded;
}

extern "C" const char *HoltaviStatusText(HoltaviStatus status)
{
    switch (status) {
    case HOLTAVI_S_OK:
        return "success";
    case HOLTAVI_S_FALSE:
        return "nothing to do";
    case HOLTAVI_E_UNEXPECTED:
        return "unexpected failure";
    case HOLTAVI_E_INVALIDARG:
        return "a required argument is missing";
    case HOLTAVI_E_OUTOFMEMORY:
        return "out of memory";
    case HOLTAVI_E_NOINTERFACE:
        return "no such interface";
    case HOLTAVI_E_CLASSNOTAVAILABLE:
        return "class not available";
    case HOLTAVI_E_NOTREGISTERED:
        return "not registered";
    case HOLTAVI_E_LOADFAILED:
        return "the library could not be loaded";
    case HOLTAVI_E_REGISTRY:
        return "the component registry could not be read or written";
    case HOLTAVI_E_RAISED:
        return "the method raised an error";
    default:
        return "unknown status";
    }
}
