// SPDX-License-Identifier: GPL-3.0-or-later
// cSystemFolder and its C face: the steps of FindSystemFolder over the platform's shell.

#include "holtavi/holtavi.h"
#include "shell.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <typeinfo>
#if defined(__GNUG__)
#include <cxxabi.h>
#endif

namespace holtavi
{

namespace
{

constexpr std::string_view kSource = "FindSystemFolder::";

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A standard exception carries no source of its own; its type is the best account of
// where it came from.
std::string typeName(const std::type_info &type)
{
#if defined(__GNUG__)
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    if (status == 0 && name)
        return name.get();
#endif
    return type.name();
}

std::string withSource(std::string_view inner)
{
    std::string source(kSource);
    source += inner;
    return source;
}

} // namespace

std::string tidyShellPath(std::string_view buffer)
{
    buffer = trimSpaces(buffer);
    // The shell terminates its text with NUL and may leave older text behind it. A
    // buffer without a NUL is the path as it stands, not an error.
    if (const auto nul = buffer.find('\0'); nul != std::string_view::npos)
        buffer = buffer.substr(0, nul);
    return std::string(trimSpaces(buffer));
}

std::string findSystemFolder(const Shell &shell, std::int32_t folder)
{
    try {
        FolderLocation location;
        if (!shell.specialFolderLocation(folder, location))
            return {};
        // The buffer grows to the path's length: a path is never cut at 260 characters.
        std::string buffer;
        if (!shell.pathFromLocation(location, buffer))
            return {};
        return tidyShellPath(buffer);
    } catch (const SystemFolderError &error) {
        throw SystemFolderError(error.number(), error.description(), withSource(error.source()));
    } catch (const std::bad_alloc &error) {
        throw SystemFolderError(ENOMEM, std::strerror(ENOMEM), withSource(typeName(typeid(error))));
    } catch (const std::exception &error) {
        throw SystemFolderError(-1, error.what(), withSource(typeName(typeid(error))));
    } catch (...) {
        throw SystemFolderError(-1, "unknown error", withSource("unknown"));
    }
}

} // namespace holtavi

SystemFolderError::SystemFolderError(std::int32_t number, std::string description, std::string source)
    : std::runtime_error(source + ": " + description)
    , m_number(number)
    , m_description(std::move(description))
    , m_source(std::move(source))
{
}

std::int32_t SystemFolderError::number() const noexcept
{
    return m_number;
}

const std::string &SystemFolderError::description() const noexcept
{
    return m_description;
}

const std::string &SystemFolderError::source() const noexcept
{
    return m_source;
}

std::string cSystemFolder::FindSystemFolder(std::int32_t lngNum) const
{
    return holtavi::findSystemFolder(holtavi::systemShell(), lngNum);
}

namespace
{

char *copyText(const std::string &text) noexcept
{
    auto *copy = static_cast<char *>(std::malloc(text.size() + 1));
    if (copy)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

extern "C" HoltaviStatus HoltaviFindSystemFolder(int32_t lngNum, char **path, HoltaviError *error)
{
    if (error)
        *error = HoltaviError { 0, nullptr, nullptr };
    if (!path)
        return HOLTAVI_E_INVALIDARG;
    *path = nullptr;
    try {
        const std::string found = cSystemFolder().FindSystemFolder(lngNum);
        *path = copyText(found);
        return *path ? HOLTAVI_S_OK : HOLTAVI_E_OUTOFMEMORY;
    } catch (const SystemFolderError &raised) {
        if (error) {
            error->number = raised.number();
            error->description = copyText(raised.description());
            error->source = copyText(raised.source());
        }
        return HOLTAVI_E_RAISED;
    } catch (const std::bad_alloc &) {
        // Too short of memory even to build the error.
        return HOLTAVI_E_OUTOFMEMORY;
    } catch (...) {
        return HOLTAVI_E_UNEXPECTED;
    }
}

extern "C" void HoltaviFreeString(char *text)
{
    std::free(text);
}
