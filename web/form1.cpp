// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "web/form1.h"

#include <algorithm>
#include <exception>
#include <new>

#include "prototype/legibility.h"
#include "prototype/parameters.h"
#include "prototype/rules.h"

namespace {

// Least WCAG contrast of coloured text over what is painted behind it: the
// bold legends and captions count as large text, the output's text does not.
constexpr double kLargeTextContrast = 3.0;
constexpr double kOutputContrast = 4.5;

// The declaration on one line, as a screen reader reads it out: every run
// of white space (the line break and the indent among them) one space.
std::u16string OneLine(std::u16string_view text) {
  std::u16string line;
  bool spaceDue = false;
  for (const char16_t c : text) {
    if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') {
      spaceDue = !line.empty();
      continue;
    }
    if (spaceDue) line += u' ';
    spaceDue = false;
    line += c;
  }
  return line;
}

std::u16string FromUtf8(const std::string& text) { return val::u8string(text.c_str()).as<std::u16string>(); }

}  // namespace

// The controls take input from the page's first paint, long before the
// program starts: the start takes up whatever was done with them by then.
// Every style read comes before the first write, so that the start costs
// one style computation.
Form1::Form1() {
  FindControls();
  MeasureBackgrounds();
  ShowCaptionColours();
  Dispatch([this] { Form_Load(); });
  TakeUpEarlyInput();
  ConnectHandlers();
  // The page worked: the notice for browsers without WebAssembly goes, and
  // "Validez", the one control that refused input until now, takes presses.
  Element("Unsupported").call<void>("remove");
  Command1.set("disabled", false);
}

void Form1::FindControls() {
  Slider1 = Element("Slider1");
  Label1 = Element("Label1");
  Label2 = Element("Label2");
  Label3 = Element("Label3");
  Text1 = Element("Text1");
  textnom = Element("textnom");
  textRetour = Element("textRetour");
  textParam = Element("textParam");
  Command1 = Element("Command1");
  const char* const boxes[] = {"Check1_0", "Check1_1", "Check1_2", "Check1_3"};
  for (std::size_t i = 0; i < Check1.size(); ++i) {
    Check1[i] = Element(boxes[i]);
    Check1Captions[i] = Check1[i]["parentElement"];
  }
  Announcement = Element("Announcement");
  Message = Element("Message");
  MessageText = Element("MessageText");
}

std::array<Form1::Caption, 7> Form1::Captions() const {
  return {{{Label1, kGreen}, {Label2, kOrange}, {Label3, kRed}, {Check1Captions[0], kDarkBlue},
           {Check1Captions[1], kDarkBlue}, {Check1Captions[2], kDarkBlue}, {Check1Captions[3], kDarkBlue}}};
}

void Form1::MeasureBackgrounds() {
  const auto captions = Captions();
  for (std::size_t i = 0; i < captions.size(); ++i) captionBackgrounds_[i] = PaintedBehind(captions[i].element);
  outputBackground_ = PaintedBehind(Text1);
}

// The designed colours, each made just legible over what lies behind it.
void Form1::ShowCaptionColours() {
  const auto captions = Captions();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    SetTextColour(captions[i].element,
                  LegibleColour(captions[i].designed, captionBackgrounds_[i], kLargeTextContrast));
  }
}

void Form1::ShowOutputColour() {
  const Colour colour = AccessColor(state_.access);
  if (shownColour_ == colour) return;
  SetTextColour(Text1, LegibleColour(colour, outputBackground_, kOutputContrast));
  shownColour_ = colour;
}

int Form1::SliderValue() const { return Slider1["valueAsNumber"].as<int>(); }

// Screen readers read a range as a bare number; its value text carries the
// word of the current position.
void Form1::DescribeSliderPosition() {
  const val legends[] = {Label1, Label2, Label3};
  const int position = std::clamp(SliderValue(), 1, 3);
  Slider1.call<void>("setAttribute", std::string("aria-valuetext"), legends[position - 1]["textContent"]);
}

void Form1::ConnectHandlers() {
  for (std::size_t i = 0; i < Check1.size(); ++i) {
    const int index = static_cast<int>(i);
    // A click, the keyboard or an assistive tool's toggle alike.
    Connect(Check1[i], "change", [this, index] {
      if (Dispatch([this, index] { Check1_Click(index); })) AnnounceDeclaration();
    });
  }
  // "input" comes at every position the handle takes, by mouse, touch or
  // keyboard; "change" once it is let go, when the result is read out.
  Connect(Slider1, "input", [this] {
    DescribeSliderPosition();
    Dispatch([this] { Slider1_Click(); });
  });
  Connect(Slider1, "change", [this] { AnnounceDeclaration(); });
  Connect(textnom, "input", [this] { Dispatch([this] { textnom_Change(); }); });
  Connect(textRetour, "input", [this] { Dispatch([this] { textRetour_Change(); }); });
  // Every press of "Validez" has its result read out, changed or not.
  Connect(Command1, "click", [this] {
    if (Dispatch([this] { Command1_Click(); })) AnnounceDeclaration(true);
  });
  Connect(Message, "close", [this] { ReturnFocus(); });
  // A switch between light and dark gives the coloured texts new
  // backgrounds.
  Connect(val::global("matchMedia")(std::string("(prefers-color-scheme: dark)")), "change", [this] {
    MeasureBackgrounds();
    ShowCaptionColours();
    shownColour_.reset();
    ShowOutputColour();
  });
}

bool Form1::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::bad_alloc&) {
    ReportError(u"Mémoire insuffisante.");
  } catch (const std::exception& error) {
    ReportError(FromUtf8(error.what()));
  } catch (...) {
    ReportError(u"Erreur inattendue.");
  }
  return false;
}

void Form1::ReportError(const std::u16string& message) {
  SetText(MessageText, message);
  focusBeforeMessage_ = val::global("document")["activeElement"];
  Message.call<void>("showModal");
}

// The focus goes back where it was when the message opened.
void Form1::ReturnFocus() {
  if (!focusBeforeMessage_.isNull() && !focusBeforeMessage_.isUndefined()) {
    focusBeforeMessage_.call<void>("focus");
  }
  focusBeforeMessage_ = val::null();
}

// The page arrives with the start declaration written in: what was typed
// over it before the program started stays until the next handled event.
void Form1::Form_Load() {
  LoadDefaults(state_);
  declaration_ = ComposePrototype(state_);
  if (!EditedSinceLoad(Text1)) WriteBox(Text1, declaration_);
  ShowOutputColour();
}

// Each control changed before the start raises its event now, in the order
// of the form. Text typed ahead into the parameter box waits for "Validez",
// as it always does.
void Form1::TakeUpEarlyInput() {
  bool takenUp = false;
  const auto takeUp = [&](bool edited, const std::function<void()>& handler) {
    if (!edited) return;
    Dispatch(handler);
    takenUp = true;
  };
  takeUp(EditedSinceLoad(textnom), [this] { textnom_Change(); });
  takeUp(EditedSinceLoad(textRetour), [this] { textRetour_Change(); });
  takeUp(std::any_of(Check1.begin(), Check1.end(), EditedSinceLoad), [this] { Check1_Click(0); });
  takeUp(EditedSinceLoad(Slider1), [this] {
    DescribeSliderPosition();
    Slider1_Click();
  });
  if (takenUp) AnnounceDeclaration();
}

void Form1::RefreshPrototype() {
  declaration_ = ComposePrototype(state_);
  WriteBox(Text1, declaration_);
  ShowOutputColour();
}

// Has the live region read the new declaration out, politely. Once per
// change: a slider moved by the keyboard raises both of its events on the
// same declaration. A press of "Validez" is read out even when nothing
// changed; a no-break space, unspoken, makes its text new.
void Form1::AnnounceDeclaration(bool evenIfSaid) {
  const std::u16string spoken = OneLine(declaration_);
  if (spoken == lastAnnounced_ && !evenIfSaid) return;
  lastAnnounced_ = spoken;
  announcementText_ = spoken == announcementText_ ? spoken + u'\u00A0' : spoken;
  SetText(Announcement, announcementText_);
}

void Form1::Check1_Click(int /*index*/) {
  ApplyQualifiers(state_, boxes_);  // all four boxes are read every time
  RefreshPrototype();
}

void Form1::Slider1_Click() {
  state_.access = AccessFromSlider(SliderValue());
  RefreshPrototype();
}

void Form1::textnom_Change() {
  state_.functionName = ReadBox(textnom);
  RefreshPrototype();
}

void Form1::textRetour_Change() {
  state_.returnType = ReadBox(textRetour);
  RefreshPrototype();
}

void Form1::Command1_Click() {
  BuildParameterList(state_, ReadBox(textParam));
  RefreshPrototype();
}
