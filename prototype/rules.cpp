// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "rules.h"

namespace {

bool IsSet(const QualifierBoxes& boxes, QualifierBox box) { return boxes.Value(box) != 0; }

std::u16string FragmentIf(bool set, std::u16string_view fragment) {
  return set ? std::u16string(fragment) : std::u16string();
}

}  // namespace

void ApplyQualifiers(PrototypeState& state, QualifierBoxes& boxes) {
  state.inlinePrefix = FragmentIf(IsSet(boxes, kInlineBox), u"inline ");
  state.virtualPrefix = FragmentIf(IsSet(boxes, kVirtualBox), u"virtual ");
  if (IsSet(boxes, kPureBox)) {
    // A reporting access has already run this rule again, nested, by the
    // time SetValue returns; a plain one needs "virtual" read once more.
    boxes.SetValue(kVirtualBox, 1);
    if (!boxes.ReportsChanges()) {
      state.virtualPrefix = FragmentIf(IsSet(boxes, kVirtualBox), u"virtual ");
    }
    state.pureSuffix = u" = 0 ";
  } else {
    state.pureSuffix.clear();
  }
  state.constSuffix = FragmentIf(IsSet(boxes, kConstBox), u"const ");
}

std::u16string AccessFromSlider(int value) {
  switch (value) {
    case 1:
      return u"public:";
    case 2:
      return u"protected:";
    default:
      return u"private:";
  }
}
