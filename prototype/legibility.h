// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

// Coloured text kept legible on any background: the contrast of WCAG 2, and
// the colours of the legends, the check boxes' captions and the output box
// moved just far enough to reach it, keeping their hue.

#include "prototype_state.h"

// ContrastRatio()
//
// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black
// on white): green (0, 128, 0) on white is 5.14.
double ContrastRatio(Colour a, Colour b);

// RelativeLuminance()
//
// The relative luminance of WCAG 2: 0 for black, 1 for white.
double RelativeLuminance(Colour colour);

// IsDarkBackground()
//
// True when light text stands out more than dark text over `background`:
// white on it contrasts more than black.
bool IsDarkBackground(Colour background);

// LegibleColour()
//
// The colour to show text designed in `designed` over `background`:
// `designed` itself when it reaches `minimumContrast` there; otherwise the
// same hue and saturation, lightened over a dark background or darkened
// over a light one just enough to reach it (up to white or black, when even
// that falls short). Orange (255, 128, 0) on white at 4.5 becomes a brown
// of the same hue.
Colour LegibleColour(Colour designed, Colour background, double minimumContrast);

// LegibleTowards()
//
// The first colour on the way from `start` to `ink` (the text colour) that
// reaches `minimumContrast` over `background`: `start` itself when it does.
// From the background, the faintest outline that shows a control's shape.
Colour LegibleTowards(Colour start, Colour ink, Colour background, double minimumContrast);
