// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace holtavi
{

/// The user's home folder: $HOME, or the home folder of the user's account when HOME
/// is empty or unset; empty when neither is known.
std::string homeFolder();

/// `folder` + "/" + `name`, without doubling a separator `folder` already ends in.
std::string joinPath(std::string_view folder, std::string_view name);

/// An XDG base folder: the environment variable `variable` when it holds an absolute
/// path, else `belowHome` under the home folder (empty when there is no home).
std::string baseFolder(const char *variable, std::string_view belowHome);

/// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::string configHome();

} // namespace holtavi
