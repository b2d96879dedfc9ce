// SPDX-License-Identifier: GPL-3.0-or-later
// The component contract: registration, the class factory, the object and the
// count of what is alive.

#include "holtavi/holtavi.h"
#include "registry.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <system_error>
#include <type_traits>

namespace
{

// Objects and class factories handed out and not yet released, and server locks.
std::atomic<long> g_alive { 0 };
std::atomic<long> g_locks { 0 };

struct SystemFolderObject {
    HoltaviSystemFolder iface;
    std::atomic<std::uint32_t> references;
};

struct ClassFactory {
    HoltaviClassFactory iface;
    std::atomic<std::uint32_t> references;
};

// The interface struct is the first member, so a pointer to it is a pointer to the
// whole.
static_assert(std::is_standard_layout_v<SystemFolderObject> && std::is_standard_layout_v<ClassFactory>);

SystemFolderObject *objectOf(HoltaviSystemFolder *self)
{
    return reinterpret_cast<SystemFolderObject *>(self);
}

ClassFactory *factoryOf(HoltaviClassFactory *self)
{
    return reinterpret_cast<ClassFactory *>(self);
}

bool sameId(const char *given, const char *expected)
{
    return given && holtavi::sameIdentifier(given, expected);
}

// Any address inside the library tells the loader which file the library came from.
const char kAnchor = 0;

std::string libraryPath()
{
    Dl_info info {};
    if (::dladdr(&kAnchor, &info) == 0 || !info.dli_fname || !*info.dli_fname)
        throw std::runtime_error("the library's own file is unknown");
    return std::filesystem::absolute(info.dli_fname).lexically_normal().string();
}

// The registry failed: the system's reason is left in errno for the caller (0 when
// the failure was not the system's), as the last thing before returning.
HoltaviStatus registryFailed(int reason)
{
    errno = reason;
    return HOLTAVI_E_REGISTRY;
}

} // namespace

extern "C" {

static std::uint32_t objectAddRef(HoltaviSystemFolder *self)
{
    return self ? ++objectOf(self)->references : 0;
}

static std::uint32_t objectRelease(HoltaviSystemFolder *self)
{
    if (!self)
        return 0;
    SystemFolderObject *object = objectOf(self);
    const std::uint32_t left = --object->references;
    if (left == 0) {
        delete object;
        --g_alive;
    }
    return left;
}

static HoltaviStatus objectFindSystemFolder(HoltaviSystemFolder *self, int32_t lngNum, char **path, HoltaviError *error)
{
    if (!self) {
        if (error)
            *error = HoltaviError { 0, nullptr, nullptr };
        if (path)
            *path = nullptr;
        return HOLTAVI_E_INVALIDARG;
    }
    // The object has no state: every object answers as the library's function does.
    return HoltaviFindSystemFolder(lngNum, path, error);
}

static const HoltaviSystemFolderVtbl kObjectVtbl = { objectAddRef, objectRelease, objectFindSystemFolder };

static std::uint32_t factoryAddRef(HoltaviClassFactory *self)
{
    return self ? ++factoryOf(self)->references : 0;
}

static std::uint32_t factoryRelease(HoltaviClassFactory *self)
{
    if (!self)
        return 0;
    ClassFactory *factory = factoryOf(self);
    const std::uint32_t left = --factory->references;
    if (left == 0) {
        delete factory;
        --g_alive;
    }
    return left;
}

static HoltaviStatus factoryCreateInstance(HoltaviClassFactory *self, const char *iid, void **object)
{
    if (!object)
        return HOLTAVI_E_INVALIDARG;
    *object = nullptr;
    if (!self || !iid)
        return HOLTAVI_E_INVALIDARG;
    if (!sameId(iid, HOLTAVI_IID_SYSTEMFOLDER))
        return HOLTAVI_E_NOINTERFACE;
    auto *created = new (std::nothrow) SystemFolderObject { { &kObjectVtbl }, { 1 } };
    if (!created)
        return HOLTAVI_E_OUTOFMEMORY;
    ++g_alive;
    *object = &created->iface;
    return HOLTAVI_S_OK;
}

static HoltaviStatus factoryLockServer(HoltaviClassFactory *self, int lock)
{
    if (!self)
        return HOLTAVI_E_INVALIDARG;
    if (lock) {
        ++g_locks;
    } else {
        // An unlock without a lock is ignored rather than letting the count go below zero.
        long locks = g_locks.load();
        while (locks > 0 && !g_locks.compare_exchange_weak(locks, locks - 1)) { }
    }
    return HOLTAVI_S_OK;
}

static const HoltaviClassFactoryVtbl kFactoryVtbl = {
    factoryAddRef, factoryRelease, factoryCreateInstance, factoryLockServer
};

HoltaviStatus DllGetClassObject(const char *clsid, const char *iid, void **object)
{
    if (!object)
        return HOLTAVI_E_INVALIDARG;
    *object = nullptr;
    if (!clsid || !iid)
        return HOLTAVI_E_INVALIDARG;
    if (!sameId(clsid, HOLTAVI_CLSID_SYSTEMFOLDER))
        return HOLTAVI_E_CLASSNOTAVAILABLE;
    if (!sameId(iid, HOLTAVI_IID_CLASSFACTORY))
        return HOLTAVI_E_NOINTERFACE;
    auto *factory = new (std::nothrow) ClassFactory { { &kFactoryVtbl }, { 1 } };
    if (!factory)
        return HOLTAVI_E_OUTOFMEMORY;
    ++g_alive;
    *object = &factory->iface;
    return HOLTAVI_S_OK;
}

HoltaviStatus DllCanUnloadNow(void)
{
    return g_alive.load() == 0 && g_locks.load() == 0 ? HOLTAVI_S_OK : HOLTAVI_S_FALSE;
}

HoltaviStatus DllRegisterServer(void)
{
    try {
        const std::string file = holtavi::registryFile();
        if (file.empty())
            return registryFailed(0);
        holtavi::writeRegistryEntry(file, { HOLTAVI_PROGID_SYSTEMFOLDER, HOLTAVI_CLSID_SYSTEMFOLDER, libraryPath() });
        return HOLTAVI_S_OK;
    } catch (const std::bad_alloc &) {
        return HOLTAVI_E_OUTOFMEMORY;
    } catch (const std::system_error &error) {
        return registryFailed(error.code().value());
    } catch (...) {
        return registryFailed(0);
    }
}

HoltaviStatus DllUnregisterServer(void)
{
    try {
        const std::string file = holtavi::registryFile();
        if (file.empty())
            return registryFailed(0);
        return holtavi::removeRegistryEntry(file, HOLTAVI_PROGID_SYSTEMFOLDER) ? HOLTAVI_S_OK : HOLTAVI_S_FALSE;
    } catch (const std::bad_alloc &) {
        return HOLTAVI_E_OUTOFMEMORY;
    } catch (const std::system_error &error) {
        return registryFailed(error.code().value());
    } catch (...) {
        return registryFailed(0);
    }
}

} // extern "C"
