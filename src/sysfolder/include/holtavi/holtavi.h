// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/*
 * Holtavi: the path of a special user folder.
 *
 * One creatable class, cSystemFolder, with one method, FindSystemFolder: given a
 * folder number it returns that folder's full path on this machine, or an empty
 * string when the system has no path for the number. The object holds no state.
 *
 * This header is the library's published interface (its type library, together with
 * holtavi-typelib.json, installed in share/holtavi). It has three layers:
 *   - the C++ class cSystemFolder, the enumeration SystemFolder and the error type
 *     SystemFolderError, for C++ clients that link the library;
 *   - a plain C function, HoltaviFindSystemFolder, for any language that can call C;
 *   - the component contract: the entry points DllRegisterServer, DllUnregisterServer,
 *     DllGetClassObject and DllCanUnloadNow, and the class factory and object
 *     interfaces they hand out, for clients that only know the program identifier
 *     "Holtavi.cSystemFolder" (see holtavi_client.h).
 *
 * Folder numbers and where they lead on Linux. The XDG user directories are read
 * from user-dirs.dirs as xdg-user-dir reads them, with its fallbacks; the base
 * folders follow XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME.
 *
 *   number  name                     Linux folder
 *   0       Desktop                  XDG_DESKTOP_DIR, else ~/Desktop
 *   2       StartMenu_Programs       $XDG_DATA_HOME/applications (the user's menu entries)
 *   5       My_Documents             XDG_DOCUMENTS_DIR, else ~
 *   6       Favorites                none: no such folder
 *   7       Startup                  $XDG_CONFIG_HOME/autostart
 *   8       Recent                   none: recent files are a virtual folder
 *   9       SentTo                   none: no such folder
 *   11      Start_Menu               $XDG_DATA_HOME/applications (the menu has one folder)
 *   16      Windows_Desktop          XDG_DESKTOP_DIR, else ~/Desktop
 *   19      Network_Neighborhood     none: the network is a virtual folder
 *   20      Fonts                    $XDG_DATA_HOME/fonts (the user's fonts)
 *   21      ShellNew                 XDG_TEMPLATES_DIR, else ~
 *   25      AllUsers_Desktop         none: no desktop is shared by all users
 *   26      ApplicationData          $XDG_DATA_HOME
 *   27      Printhood                none: no such folder
 *   32      TemporaryInternetFiles   $XDG_CACHE_HOME
 *   33      Cookies                  none: cookies live inside each browser's profile
 *   34      History                  none: history lives inside each browser's profile
 *   37      Windows_System           none: no per-user system folder
 *   other                            none
 *
 * XDG_DATA_HOME defaults to ~/.local/share, XDG_CONFIG_HOME to ~/.config and
 * XDG_CACHE_HOME to ~/.cache; a relative value is ignored. "~" is $HOME, or the home
 * folder of the user's account when HOME is empty. On Windows the numbers are the
 * shell's own folder identifiers and go to the shell unchanged.
 *
 * Strings: paths are UTF-8 on Windows and the file system's bytes on Linux. Every
 * string the C layers hand out is allocated with malloc() and owned by the caller,
 * who releases it with free() or HoltaviFreeString().
 */

#include <stdint.h>
#include <stdlib.h>

#if defined(_WIN32)
#if defined(HOLTAVI_BUILDING)
#define HOLTAVI_API __declspec(dllexport)
#else
#define HOLTAVI_API __declspec(dllimport)
#endif
#else
#define HOLTAVI_API __attribute__((visibility("default")))
#endif

/* Identifiers. Class and interface identifiers are compared without regard to
   letter case. */
/* The program identifier clients create the class by: library name + class name. */
#define HOLTAVI_PROGID_SYSTEMFOLDER "Holtavi.cSystemFolder"
/* The class identifier of cSystemFolder. */
#define HOLTAVI_CLSID_SYSTEMFOLDER "{895D03D9-264B-48ED-976D-5F45679EB0BC}"
/* The interface identifier of the class factory (HoltaviClassFactory). */
#define HOLTAVI_IID_CLASSFACTORY "{C69261F1-1742-4EBD-9EDA-0D2B8B160112}"
/* The interface identifier of the object's default interface (HoltaviSystemFolder). */
#define HOLTAVI_IID_SYSTEMFOLDER "{9F2B6F5C-1F1E-4F77-81FE-BE21D9958632}"

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes of the C layers: zero or positive is success, negative is failure. */
typedef int32_t HoltaviStatus;
#define HOLTAVI_S_OK ((HoltaviStatus)0)
/* Success with nothing done: unregistering what was not registered; DllCanUnloadNow
   while objects are alive. */
#define HOLTAVI_S_FALSE ((HoltaviStatus)1)
#define HOLTAVI_E_UNEXPECTED ((HoltaviStatus)-1)
/* A required pointer argument was NULL. */
#define HOLTAVI_E_INVALIDARG ((HoltaviStatus)-2)
#define HOLTAVI_E_OUTOFMEMORY ((HoltaviStatus)-3)
/* The interface identifier asked for is not one the object offers. */
#define HOLTAVI_E_NOINTERFACE ((HoltaviStatus)-4)
/* The library does not serve the class identifier asked for. */
#define HOLTAVI_E_CLASSNOTAVAILABLE ((HoltaviStatus)-5)
/* The program identifier has no entry in the component registry. */
#define HOLTAVI_E_NOTREGISTERED ((HoltaviStatus)-6)
/* The registered library could not be loaded, or is not a component library. */
#define HOLTAVI_E_LOADFAILED ((HoltaviStatus)-7)
/* The component registry could not be read or written. */
#define HOLTAVI_E_REGISTRY ((HoltaviStatus)-8)
/* FindSystemFolder raised an error; the HoltaviError says which. */
#define HOLTAVI_E_RAISED ((HoltaviStatus)-9)

#define HOLTAVI_SUCCEEDED(status) ((status) >= 0)

/* The details of a failure. number is the system error number (errno) of the
   failure, or -1 when the failure is not a system error; description and source are
   malloc()ed text or NULL. A function that takes a HoltaviError* accepts NULL (no
   details wanted), overwrites the struct on entry and fills it only on failure. */
typedef struct HoltaviError {
    int32_t number;
    char *description;
    char *source;
} HoltaviError;

/* Frees the texts of an error and resets it; safe on a reset or zeroed error. */
static inline void HoltaviClearError(HoltaviError *error)
{
    if (!error)
        return;
    free(error->description);
    free(error->source);
    error->number = 0;
    error->description = NULL;
    error->source = NULL;
}

/* The object's default interface (_cSystemFolder), reached through its table of
   functions: object->lpVtbl->FindSystemFolder(object, 0, &path, &error). */
typedef struct HoltaviSystemFolder HoltaviSystemFolder;
typedef struct HoltaviSystemFolderVtbl {
    /* Adds a reference; returns the new count. */
    uint32_t (*AddRef)(HoltaviSystemFolder *self);
    /* Drops a reference and frees the object at zero; returns the count left. */
    uint32_t (*Release)(HoltaviSystemFolder *self);
    /* As HoltaviFindSystemFolder. */
    HoltaviStatus (*FindSystemFolder)(HoltaviSystemFolder *self, int32_t lngNum, char **path, HoltaviError *error);
} HoltaviSystemFolderVtbl;
struct HoltaviSystemFolder {
    const HoltaviSystemFolderVtbl *lpVtbl;
};

/* The class factory that DllGetClassObject hands out. */
typedef struct HoltaviClassFactory HoltaviClassFactory;
typedef struct HoltaviClassFactoryVtbl {
    uint32_t (*AddRef)(HoltaviClassFactory *self);
    uint32_t (*Release)(HoltaviClassFactory *self);
    /* Creates a new object and returns its interface iid in *object (one reference,
       owned by the caller); *object is NULL on failure. */
    HoltaviStatus (*CreateInstance)(HoltaviClassFactory *self, const char *iid, void **object);
    /* lock != 0 keeps the library loaded (DllCanUnloadNow answers S_FALSE) until a
       matching call with lock == 0. */
    HoltaviStatus (*LockServer)(HoltaviClassFactory *self, int lock);
} HoltaviClassFactoryVtbl;
struct HoltaviClassFactory {
    const HoltaviClassFactoryVtbl *lpVtbl;
};

/* Writes the entry "Holtavi.cSystemFolder" -> class identifier and this library's
   absolute path into the per-user component registry
   ($XDG_CONFIG_HOME/holtavi/registry, else ~/.config/holtavi/registry), replacing an
   earlier entry of the same program identifier. Returns S_OK or E_REGISTRY, and with
   E_REGISTRY leaves the system's reason in errno (0 when it is not the system's).
   A registry that is a symbolic link is written at the file it leads to, and the
   link stays; a registry that is not a regular file (a folder: EISDIR; a named pipe,
   socket or device: EINVAL) is refused without being opened. */
HOLTAVI_API HoltaviStatus DllRegisterServer(void);

/* Removes the entry of "Holtavi.cSystemFolder" from the component registry.
   Returns S_OK, S_FALSE when there was no entry, or E_REGISTRY, as DllRegisterServer. */
HOLTAVI_API HoltaviStatus DllUnregisterServer(void);

/* Hands out a class factory for clsid through the interface iid (one reference,
   owned by the caller). Only HOLTAVI_CLSID_SYSTEMFOLDER and
   HOLTAVI_IID_CLASSFACTORY are served; *object is NULL on failure. */
HOLTAVI_API HoltaviStatus DllGetClassObject(const char *clsid, const char *iid, void **object);

/* S_OK when no object or class factory of this library is alive and the server is
   not locked, so the library may be unloaded; S_FALSE otherwise. */
HOLTAVI_API HoltaviStatus DllCanUnloadNow(void);

/* The path of the special folder lngNum (see the table above) in *path, an empty
   string when the system has no path for the number. Leading and trailing spaces
   are removed; the path is never cut short. On failure *path is NULL and the
   status is E_INVALIDARG (path is NULL), E_OUTOFMEMORY, or E_RAISED with the error
   number, description and source ("FindSystemFolder::" + where it arose) in
   *error. */
HOLTAVI_API HoltaviStatus HoltaviFindSystemFolder(int32_t lngNum, char **path, HoltaviError *error);

/* Frees a string handed out by Holtavi (the same as free()); NULL is ignored. */
HOLTAVI_API void HoltaviFreeString(char *text);

/* The entry points' types, for clients that look them up in a loaded library. */
typedef HoltaviStatus (*HoltaviRegisterServerFunction)(void);
typedef HoltaviStatus (*HoltaviGetClassObjectFunction)(const char *clsid, const char *iid, void **object);
typedef HoltaviStatus (*HoltaviCanUnloadNowFunction)(void);

#ifdef __cplusplus
} // extern "C"

#include <cstdint>
#include <stdexcept>
#include <string>

/// The special folders a client asks for, by number (the values the system's shell
/// uses for them). FindSystemFolder takes the number, so a client may also pass a
/// number that is not listed here; it gives an empty string on Linux.
enum class SystemFolder : std::int32_t {
    Desktop = 0,
    StartMenu_Programs = 2,
    My_Documents = 5,
    Favorites = 6,
    Startup = 7,
    Recent = 8,
    SentTo = 9,
    Start_Menu = 11,
    Windows_Desktop = 16,
    Network_Neighborhood = 19,
    Fonts = 20,
    ShellNew = 21,
    AllUsers_Desktop = 25,
    ApplicationData = 26,
    Printhood = 27,
    TemporaryInternetFiles = 32,
    Cookies = 33,
    History = 34,
    Windows_System = 37,
};

/// A SystemFolder value with its name, as published.
struct SystemFolderName {
    SystemFolder folder;
    const char *name;
};

/// Every SystemFolder value with its name, in the published order.
inline constexpr SystemFolderName kSystemFolderNames[] = {
    { SystemFolder::Desktop, "Desktop" },
    { SystemFolder::StartMenu_Programs, "StartMenu_Programs" },
    { SystemFolder::My_Documents, "My_Documents" },
    { SystemFolder::Favorites, "Favorites" },
    { SystemFolder::Startup, "Startup" },
    { SystemFolder::Recent, "Recent" },
    { SystemFolder::SentTo, "SentTo" },
    { SystemFolder::Start_Menu, "Start_Menu" },
    { SystemFolder::Windows_Desktop, "Windows_Desktop" },
    { SystemFolder::Network_Neighborhood, "Network_Neighborhood" },
    { SystemFolder::Fonts, "Fonts" },
    { SystemFolder::ShellNew, "ShellNew" },
    { SystemFolder::AllUsers_Desktop, "AllUsers_Desktop" },
    { SystemFolder::ApplicationData, "ApplicationData" },
    { SystemFolder::Printhood, "Printhood" },
    { SystemFolder::TemporaryInternetFiles, "TemporaryInternetFiles" },
    { SystemFolder::Cookies, "Cookies" },
    { SystemFolder::History, "History" },
    { SystemFolder::Windows_System, "Windows_System" },
};

/// An error raised by FindSystemFolder: the system error number (errno) of the
/// failure, or -1 when it is not a system error; its description; and its source,
/// "FindSystemFolder::" followed by where inside the method it arose (an internal
/// step such as "readUserDirs", or the type of a standard exception such as
/// "std::bad_alloc"). what() gives "source: description".
class HOLTAVI_API SystemFolderError : public std::runtime_error
{
public:
    SystemFolderError(std::int32_t number, std::string description, std::string source);

    /// The errno value of the failure, or -1.
    std::int32_t number() const noexcept;
    /// What went wrong, e.g. "Permission denied".
    const std::string &description() const noexcept;
    /// "FindSystemFolder::" + where it arose, e.g. "FindSystemFolder::readUserDirs".
    const std::string &source() const noexcept;

private:
    std::int32_t m_number;
    std::string m_description;
    std::string m_source;
};

/// The special-folder class: one method, no state. Any number of objects may be
/// used at once from any thread.
class HOLTAVI_API cSystemFolder
{
public:
    /// The full path of the special folder lngNum, or an empty string when the
    /// system has no file-system path for it: a number the system does not know, or
    /// a virtual folder. Leading and trailing spaces are removed; a path longer than
    /// 260 characters is returned whole. Throws SystemFolderError when anything goes
    /// wrong on the way, for instance an unreadable user-dirs.dirs (std::bad_alloc
    /// only when memory is too short even to build that error).
    std::string FindSystemFolder(std::int32_t lngNum) const;
};

#endif
