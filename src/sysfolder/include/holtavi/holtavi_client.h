// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/*
 * The client side of Holtavi's component contract (static library holtavi_client).
 * A client that links this, and not the component library, creates an object by
 * program identifier through the per-user component registry:
 *
 *     HoltaviSystemFolder *folder = NULL;
 *     HoltaviError error;
 *     if (HoltaviCreateObject(HOLTAVI_PROGID_SYSTEMFOLDER, HOLTAVI_IID_SYSTEMFOLDER,
 *                             (void **)&folder, &error) == HOLTAVI_S_OK) {
 *         char *path = NULL;
 *         if (folder->lpVtbl->FindSystemFolder(folder, 0, &path, &error) == HOLTAVI_S_OK)
 *             puts(path);
 *         free(path);
 *         folder->lpVtbl->Release(folder);
 *     }
 *     HoltaviClearError(&error);
 */

#include "holtavi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Creates an object of the class registered under progId and returns its interface
   iid in *object (one reference, owned by the caller): looks the program
   identifier up in the component registry, loads the library named there (once per
   process), asks its DllGetClassObject for the class factory and the factory for
   the object. On failure *object is NULL and the status is E_INVALIDARG,
   E_REGISTRY, E_NOTREGISTERED, E_LOADFAILED, E_OUTOFMEMORY or the failure status of
   the library; *error then says what went wrong, with the source
   "HoltaviCreateObject". Safe to call from several threads. */
HoltaviStatus HoltaviCreateObject(const char *progId, const char *iid, void **object, HoltaviError *error);

/* Unloads every library HoltaviCreateObject loaded whose DllCanUnloadNow answers
   S_OK, and returns how many it unloaded. */
int HoltaviFreeUnusedLibraries(void);

/* A short description of a status code, e.g. "not registered". */
const char *HoltaviStatusText(HoltaviStatus status);

#ifdef __cplusplus
}
#endif
