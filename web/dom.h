// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

// The thin layer between the prototype logic and the page's DOM: elements,
// events, text at the boxes' border, colours, and the qualifier check boxes.

#include <emscripten/val.h>

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "prototype/prototype_state.h"
#include "prototype/rules.h"

using emscripten::val;

// The element of the page with this id.
val Element(const char* id);

// Calls `slot` on every event of `type` at `target`, an element or a media
// query list. The page's listeners all lead to DeliverEvent, which finds the
// slot connected to the event's target and type.
void Connect(const val& target, const char* type, std::function<void()> slot);
void DeliverEvent(val event);

// The whole current text of a text box or a text area, every character as
// the user entered it, with CR LF line breaks.
std::u16string ReadBox(const val& box);
// Shows `text` in a box, each CR LF as a line break.
void WriteBox(val box, std::u16string_view text);

// True when the user has changed a control from what the page arrived
// with: a box's text, a check box's tick, a slider's position.
bool EditedSinceLoad(const val& control);

// A text as the page shows it: only ever text, never markup.
void SetText(val element, std::u16string_view text);

// The colour `element`'s text is painted over: its own background, or the
// nearest opaque one of its ancestors; white where there is none.
Colour PaintedBehind(const val& element);
void SetTextColour(const val& element, Colour colour);

// The four qualifier boxes as the prototype logic sees them. Setting a box
// from the program raises no event in a browser: this access is of the
// plain kind.
class CheckBoxArray : public QualifierBoxes {
 public:
  explicit CheckBoxArray(const std::array<val, 4>& boxes) : boxes_(boxes) {}
  int Value(QualifierBox box) const override;
  void SetValue(QualifierBox box, int value) override;
  bool ReportsChanges() const override { return false; }

 private:
  const std::array<val, 4>& boxes_;
};
