// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "web/dom.h"

#include <cstdlib>
#include <vector>

#include "prototype/box_text.h"

namespace {

struct Connection {
  val target;
  std::string type;
  std::function<void()> slot;
};

std::vector<Connection>& Connections() {
  static std::vector<Connection> connections;
  return connections;
}

constexpr Colour kWhite = 0xFFFFFF;

// The channels of a computed CSS colour, "rgb(r, g, b)" or "rgba(r, g, b,
// a)": the numbers in it, in order.
std::vector<double> Numbers(const std::string& css) {
  std::vector<double> numbers;
  for (const char* at = css.c_str(); *at != '\0';) {
    char* next = nullptr;
    const double number = std::strtod(at, &next);
    if (next != at) {
      numbers.push_back(number);
      at = next;
    } else {
      ++at;
    }
  }
  return numbers;
}

}  // namespace

val Element(const char* id) { return val::global("document").call<val>("getElementById", std::string(id)); }

void Connect(const val& target, const char* type, std::function<void()> slot) {
  target.call<void>("addEventListener", std::string(type), val::module_property("deliverEvent"));
  Connections().push_back({target, type, std::move(slot)});
}

void DeliverEvent(val event) {
  const val target = event["currentTarget"];
  const std::string type = event["type"].as<std::string>();
  for (const Connection& connection : Connections()) {
    if (connection.type == type && connection.target.strictlyEquals(target)) connection.slot();
  }
}

std::u16string ReadBox(const val& box) { return FromBoxLineBreaks(box["value"].as<std::u16string>()); }

void WriteBox(val box, std::u16string_view text) { box.set("value", ToBoxLineBreaks(text)); }

bool EditedSinceLoad(const val& control) {
  if (control["type"].as<std::string>() == "checkbox") {
    return !control["checked"].strictlyEquals(control["defaultChecked"]);
  }
  return !control["value"].strictlyEquals(control["defaultValue"]);
}

void SetText(val element, std::u16string_view text) { element.set("textContent", std::u16string(text)); }

Colour PaintedBehind(const val& element) {
  const val getComputedStyle = val::global("getComputedStyle");
  for (val at = element; !at.isNull(); at = at["parentElement"]) {
    const auto rgba = Numbers(getComputedStyle(at)["backgroundColor"].as<std::string>());
    const bool opaque = rgba.size() == 3 || (rgba.size() == 4 && rgba[3] >= 1);
    if (!opaque) continue;
    const auto channel = [](double value) { return static_cast<Colour>(value) & 0xFF; };
    return channel(rgba[0]) | channel(rgba[1]) << 8 | channel(rgba[2]) << 16;
  }
  return kWhite;
}

void SetTextColour(const val& element, Colour colour) {
  const std::string css = "rgb(" + std::to_string(colour & 0xFF) + " " +
                          std::to_string((colour >> 8) & 0xFF) + " " + std::to_string((colour >> 16) & 0xFF) +
                          ")";
  element["style"].call<void>("setProperty", std::string("color"), css);
}

int CheckBoxArray::Value(QualifierBox box) const {
  if (boxes_[box]["indeterminate"].as<bool>()) return 2;
  return boxes_[box]["checked"].as<bool>() ? 1 : 0;
}

void CheckBoxArray::SetValue(QualifierBox box, int value) {
  val element = boxes_[box];
  element.set("indeterminate", value == 2);
  element.set("checked", value != 0);
}
