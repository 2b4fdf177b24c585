// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

// Line breaks at the border between the logic and a front end's text boxes.
// The logic ends every line with CR LF; a box may hold LF alone (a browser's
// text area, Qt's boxes), a lone CR or a Unicode line separator.

#include <string>
#include <string_view>

// FromBoxLineBreaks()
//
// Text coming in from a box: every line break it may hold (LF, CR, CR LF,
// U+2028, U+2029) becomes exactly one CR LF; u"a\nb\r\nc" gives
// u"a\r\nb\r\nc". Every other character stays.
std::u16string FromBoxLineBreaks(std::u16string_view text);

// ToBoxLineBreaks()
//
// Text going out to a box: every CR LF becomes one LF, so that the
// declaration stands on two lines: u"public:\r\n   f" gives u"public:\n   f".
std::u16string ToBoxLineBreaks(std::u16string_view text);
