// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace quorvel
{

/// The choices the advanced image options window ("Thumb JPEG Options") remembers
/// between its openings while the program runs; nothing of them is saved. Each flag
/// is 0 until its choice is first made, then 1 while it is the choice, 0 after
/// another choice of its group was made. The window restores every control whose
/// flag is 1 when it opens. Owned by Application next to AppState.
struct AdvancedOptionFlags {
    std::int16_t advFancy = 0;
    std::int16_t advTwoPass = 0;
    // DCT method: 0 slow integer, 1 fast integer, 2 floating point.
    std::int16_t advDctSlow = 0;
    std::int16_t advDctFast = 0;
    std::int16_t advDctFloat = 0;
    // Dithering policy: 0 dither extra colours, 1 no dithering, 2 always dither.
    std::int16_t advNoDither = 0;
    std::int16_t advAlwaysDither = 0;
    std::int16_t advDitherExtra = 0;
    // Dithering method: 0 none, 1 ordered, 2 Floyd-Steinberg.
    std::int16_t advDitherNone = 0;
    std::int16_t advDitherOrdered = 0;
    std::int16_t advDitherFloyd = 0;

    /// Records a DCT method chosen (0, 1 or 2): its flag 1, the other two 0.
    void chooseDctMethod(int method)
    {
        chooseOne(method, advDctSlow, advDctFast, advDctFloat);
    }
    /// Records a dithering policy chosen (0, 1 or 2, the DitherPolicy codes).
    void chooseDitherPolicy(int policy)
    {
        chooseOne(policy, advDitherExtra, advNoDither, advAlwaysDither);
    }
    /// Records a dithering method chosen (0, 1 or 2, the DitherMethod codes).
    void chooseDitherMethod(int method)
    {
        chooseOne(method, advDitherNone, advDitherOrdered, advDitherFloyd);
    }

private:
    static void chooseOne(int index, std::int16_t &first, std::int16_t &second, std::int16_t &third)
    {
        first = index == 0 ? 1 : 0;
        second = index == 1 ? 1 : 0;
        third = index == 2 ? 1 : 0;
    }
};

} // namespace quorvel
