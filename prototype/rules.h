// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "prototype_state.h"

// The four qualifier check boxes, addressed by index.
enum QualifierBox { kInlineBox = 0, kVirtualBox = 1, kPureBox = 2, kConstBox = 3 };

// Access to the qualifier check boxes. A box's value is 0 (unchecked),
// 1 (checked) or 2 (greyed); any value but 0 counts as set.
class QualifierBoxes {
 public:
  virtual ~QualifierBoxes() = default;
  virtual int Value(QualifierBox box) const = 0;
  virtual void SetValue(QualifierBox box, int value) = 0;
  // True when setting a box to a new value runs the whole click handling
  // again at once, as a user click does; false when it reports nothing.
  virtual bool ReportsChanges() const = 0;
};

// ApplyQualifiers()
//
// Reads all four boxes and sets the four qualifier fragments of `state`.
// "pure virtual" forces "virtual": with box 2 set, box 1 is set to 1 and
// `virtualPrefix` becomes "virtual " whatever box 1 held.
void ApplyQualifiers(PrototypeState& state, QualifierBoxes& boxes);

// AccessFromSlider()
//
// The access label of a slider position: 1 "public:", 2 "protected:",
// anything else "private:".
std::u16string AccessFromSlider(int value);
