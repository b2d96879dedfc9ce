// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvel
{

/// The maker's web site.
inline constexpr auto kMakerWebAddress = "https://quorvel.example/";
/// The page that offers the latest version for download.
inline constexpr auto kMakerDownloadPage = "https://quorvel.example/download";
/// Where users send tips and bug reports.
inline constexpr auto kSupportAddress = "support@quorvel.example";
/// The program's name as pages it writes name it.
inline constexpr auto kProgramName = "Quorvel";
/// The maker's name, the text of links to the maker's web site.
inline constexpr auto kMakerName = "the Quorvel project";

} // namespace quorvel
