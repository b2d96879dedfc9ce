// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

/// The program's name as pages it writes name it.
inline constexpr auto kProgramName = "Quorvel";
/// The maker's name, as pages the program writes name it.
inline constexpr auto kMakerName = "the Quorvel project";
/// The manual's page on getting the latest version and sending tips and bug
/// reports. The maker has no web site or mail address of its own; the Defaults
/// dialog's links lead to this page.
inline constexpr auto kLatestVersionTopic = "latest-version";

} // namespace quorvel
