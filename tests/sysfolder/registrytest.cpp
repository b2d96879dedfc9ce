// SPDX-License-Identifier: GPL-3.0-or-later
// The component registry file, the entry points in-process, and the type library.

#include "registry.h"

#include "holtavi/holtavi.h"
#include "temphome.h"

#include <regex>

namespace
{

using holtavi::RegistryEntry;
using holtavi::test::readFile;
using holtavi::test::writeFile;

class Registry : public holtavi::test::TempHomeTest
{
};

TEST_F(Registry, LivesInTheConfigurationFolder)
{
    EXPECT_EQ(holtavi::registryFile(), configDir() + "/holtavi/registry");
    ::setenv("XDG_CONFIG_HOME", "/elsewhere/config", 1);
    EXPECT_EQ(holtavi::registryFile(), "/elsewhere/config/holtavi/registry");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(holtavi::registryFile(), home() + "/.config/holtavi/registry");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(holtavi::registryFile(), home() + "/.config/holtavi/registry");
}

TEST_F(Registry, WritingReplacesTheEntryOfTheSameIdentifierAndKeepsEverythingElse)
{
    const std::string file = holtavi::registryFile();
    writeFile(file,
        "# my notes\n"
        "Other.cThing\t{1}\t/opt/other/libother.so\n"
        "Holtavi.cSystemFolder\t{old}\t/old/libholtavi.so.1\n"
        "not an entry\n"
        "HOLTAVI.CSYSTEMFOLDER\t{older}\t/older/libholtavi.so.1\n");
    holtavi::writeRegistryEntry(file, { "Holtavi.cSystemFolder", "{new}", "/usr/lib/libholtavi.so.1" });
    EXPECT_EQ(readFile(file),
        "# my notes\n"
        "Other.cThing\t{1}\t/opt/other/libother.so\n"
        "Holtavi.cSystemFolder\t{new}\t/usr/lib/libholtavi.so.1\n"
        "not an entry\n");
    const auto found = holtavi::findRegistryEntry(file, "holtavi.csystemfolder");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->classId, "{new}");
    EXPECT_EQ(found->libraryPath, "/usr/lib/libholtavi.so.1");

    EXPECT_TRUE(holtavi::removeRegistryEntry(file, "Holtavi.cSystemFolder"));
    EXPECT_EQ(readFile(file), "# my notes\nOther.cThing\t{1}\t/opt/other/libother.so\nnot an entry\n");
    EXPECT_FALSE(holtavi::removeRegistryEntry(file, "Holtavi.cSystemFolder"));
    EXPECT_FALSE(holtavi::findRegistryEntry(file, "Holtavi.cSystemFolder"));

    // Written through a temporary file that is renamed into place: none is left over.
    std::vector<std::string> names;
    for (const auto &item : std::filesystem::directory_iterator(configDir() + "/holtavi"))
        names.push_back(item.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string> { "registry" });
}

TEST_F(Registry, RefusesEntriesThatWouldBreakTheFormat)
{
    const std::string file = holtavi::registryFile();
    holtavi::writeRegistryEntry(file, { "A.cB", "{1}", "/lib/a.so" });
    const std::string before = readFile(file);
    const RegistryEntry bad[] = {
        { "A.cB", "{1}", "/lib/new\nline.so" },
        { "A.cB", "{1\t2}", "/lib/a.so" },
        { "", "{1}", "/lib/a.so" },
        { "#A.cB", "{1}", "/lib/a.so" },
    };
    for (const auto &entry : bad)
        EXPECT_THROW(holtavi::writeRegistryEntry(file, entry), std::invalid_argument) << entry.libraryPath;
    EXPECT_EQ(readFile(file), before);
}

TEST_F(Registry, RegisteringFailsCleanlyWhereNothingCanBeWritten)
{
    writeFile(home() + "/a-file", "");
    ::setenv("XDG_CONFIG_HOME", (home() + "/a-file").c_str(), 1);
    EXPECT_EQ(DllRegisterServer(), HOLTAVI_E_REGISTRY);
    EXPECT_EQ(DllUnregisterServer(), HOLTAVI_S_FALSE);
}

class EntryPoints : public holtavi::test::TempHomeTest
{
};

TEST_F(EntryPoints, HandOutFactoriesAndObjectsAndCountWhatIsAlive)
{
    ASSERT_EQ(DllCanUnloadNow(), HOLTAVI_S_OK);
    void *pointer = &pointer;
    EXPECT_EQ(DllGetClassObject("{00000000-0000-0000-0000-000000000000}", HOLTAVI_IID_CLASSFACTORY, &pointer),
        HOLTAVI_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(pointer, nullptr);
    EXPECT_EQ(DllGetClassObject(HOLTAVI_CLSID_SYSTEMFOLDER, HOLTAVI_IID_SYSTEMFOLDER, &pointer), HOLTAVI_E_NOINTERFACE);
    EXPECT_EQ(DllGetClassObject(nullptr, HOLTAVI_IID_CLASSFACTORY, &pointer), HOLTAVI_E_INVALIDARG);
    EXPECT_EQ(DllCanUnloadNow(), HOLTAVI_S_OK);

    // Identifiers match whatever their letter case.
    ASSERT_EQ(
        DllGetClassObject("{895d03d9-264b-48ed-976d-5f45679eb0bc}", HOLTAVI_IID_CLASSFACTORY, &pointer), HOLTAVI_S_OK);
    auto *factory = static_cast<HoltaviClassFactory *>(pointer);
    EXPECT_EQ(DllCanUnloadNow(), HOLTAVI_S_FALSE);
    EXPECT_EQ(factory->lpVtbl->CreateInstance(factory, HOLTAVI_IID_CLASSFACTORY, &pointer), HOLTAVI_E_NOINTERFACE);
    EXPECT_EQ(pointer, nullptr);
    ASSERT_EQ(factory->lpVtbl->CreateInstance(factory, HOLTAVI_IID_SYSTEMFOLDER, &pointer), HOLTAVI_S_OK);
    auto *folder = static_cast<HoltaviSystemFolder *>(pointer);
    EXPECT_EQ(factory->lpVtbl->Release(factory), 0u);
    EXPECT_EQ(DllCanUnloadNow(), HOLTAVI_S_FALSE);

    writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Skrivbord\"\n");
    char *path = nullptr;
    ASSERT_EQ(folder->lpVtbl->FindSystemFolder(folder, 0, &path, nullptr), HOLTAVI_S_OK);
    EXPECT_STREQ(path, (home() + "/Skrivbord").c_str());
    HoltaviFreeString(path);

    EXPECT_EQ(folder->lpVtbl->AddRef(folder), 2u);
    EXPECT_EQ(folder->lpVtbl->Release(folder), 1u);
    EXPECT_EQ(DllCanUnloadNow(), HOLTAVI_S_FALSE);
    EXPECT_EQ(folder->lpVtbl->Release(folder), 0u);
    EXPECT_EQ(DllCanUnloadNow(), HOLTAVI_S_OK);

    // A server lock keeps the library, with nothing else alive.
    ASSERT_EQ(DllGetClassObject(HOLTAVI_CLSID_SYSTEMFOLDER, HOLTAVI_IID_CLASSFACTORY, &pointer), HOLTAVI_S_OK);
    factory = static_cast<HoltaviClassFactory *>(pointer);
    factory->lpVtbl->LockServer(factory, 1);
    factory->lpVtbl->Release(factory);
    EXPECT_EQ(DllCanUnloadNow(), HOLTAVI_S_FALSE);
    ASSERT_EQ(DllGetClassObject(HOLTAVI_CLSID_SYSTEMFOLDER, HOLTAVI_IID_CLASSFACTORY, &pointer), HOLTAVI_S_OK);
    factory = static_cast<HoltaviClassFactory *>(pointer);
    factory->lpVtbl->LockServer(factory, 0);
    factory->lpVtbl->LockServer(factory, 0);
    factory->lpVtbl->Release(factory);
    EXPECT_EQ(DllCanUnloadNow(), HOLTAVI_S_OK);
}

TEST(TypeLibrary, DescribesThePublishedEnumerationAndMethodBesideTheLibrary)
{
    const std::string text = holtavi::test::readFile(HOLTAVI_TYPELIB_FILE);
    ASSERT_FALSE(text.empty()) << HOLTAVI_TYPELIB_FILE;
    const std::regex member(R"re(\{\s*"name":\s*"(\w+)",\s*"value":\s*(-?\d+)\s*\})re");
    std::vector<std::pair<std::string, int>> described;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), member); it != std::sregex_iterator(); ++it)
        described.emplace_back((*it)[1], std::stoi((*it)[2]));
    std::vector<std::pair<std::string, int>> published;
    for (const auto &entry : kSystemFolderNames)
        published.emplace_back(entry.name, static_cast<int>(entry.folder));
    EXPECT_EQ(described, published);
    for (const char *expected : { "\"" HOLTAVI_PROGID_SYSTEMFOLDER "\"",
             "\"" HOLTAVI_CLSID_SYSTEMFOLDER "\"",
             "\"" HOLTAVI_IID_SYSTEMFOLDER "\"",
             "\"" HOLTAVI_IID_CLASSFACTORY "\"",
             "\"FindSystemFolder\"",
             "\"lngNum\"" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

} // namespace
