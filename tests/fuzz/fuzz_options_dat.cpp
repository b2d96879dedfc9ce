// SPDX-License-Identifier: GPL-3.0-or-later
// options.dat, the thumbnail window's two folders: any bytes read as two folders in
// stored form; writing them and reading back gives the same folders, and showing them
// in their boxes then storing them again does not change them (no separator grows).
#include "fuzzcheck.h"
#include "wysiwyg/inserterfolders.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const InserterFolders folders = parseInserterFolders(fuzz::bytesOf(data, size));
    for (const QString &folder : { folders.imageFolder, folders.thumbnailFolder }) {
        FUZZ_CHECK(!folder.contains(QLatin1Char('\r')) && !folder.contains(QLatin1Char('\n')), "a folder is one line");
        FUZZ_CHECK(storedFolderForm(folder) == folder, "a folder read is in stored form");
        FUZZ_CHECK(storedFolderForm(folderBoxText(folder)) == folder, "opening and saving keeps the folder");
        FUZZ_CHECK(folder.isEmpty() == folderBoxText(folder).isEmpty(), "only an empty folder shows an empty box");
    }
    FUZZ_CHECK(parseInserterFolders(formatInserterFolders(folders)) == folders, "the file reads back the same");
    return 0;
}
