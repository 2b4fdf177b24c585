// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "prototype/prototype_state.h"
#include "web/dom.h"

// The page's one form, the window's twin: the entry boxes, the qualifier
// boxes and the access slider, the composed declaration in the output box.
// The controls are the page's own elements, found by their ids.
class Form1 {
 public:
  Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Runs one event handler; true when it ran to its end. An error it raises
  // abandons it (the output box keeps its text) and is shown in a modal
  // dialog; the page then goes on with the state the handler left.
  bool Dispatch(const std::function<void()>& handler);

 private:
  // A coloured text and the colour it is designed in.
  struct Caption {
    val element;
    Colour designed;
  };
  std::array<Caption, 7> Captions() const;

  void FindControls();
  void MeasureBackgrounds();
  void ShowCaptionColours();
  void ShowOutputColour();
  int SliderValue() const;
  void DescribeSliderPosition();
  void ConnectHandlers();
  void ReportError(const std::u16string& message);
  void ReturnFocus();

  void Form_Load();
  void TakeUpEarlyInput();
  void RefreshPrototype();
  void AnnounceDeclaration(bool evenIfSaid = false);
  void Check1_Click(int index);
  void Slider1_Click();
  void textnom_Change();
  void textRetour_Change();
  void Command1_Click();

  PrototypeState state_;

  val Slider1 = val::null();
  val Label1 = val::null();
  val Label2 = val::null();
  val Label3 = val::null();
  val Text1 = val::null();
  val textnom = val::null();
  val textRetour = val::null();
  val textParam = val::null();
  val Command1 = val::null();
  std::array<val, 4> Check1{val::null(), val::null(), val::null(), val::null()};
  std::array<val, 4> Check1Captions{val::null(), val::null(), val::null(), val::null()};
  val Announcement = val::null();  // the polite live region
  val Message = val::null();       // the modal dialog of errors
  val MessageText = val::null();

  CheckBoxArray boxes_{Check1};
  std::array<Colour, 7> captionBackgrounds_{};  // behind each of Captions()
  Colour outputBackground_ = 0;
  std::optional<Colour> shownColour_;  // the output colour last applied
  std::u16string declaration_;         // as the last refresh showed it
  std::u16string lastAnnounced_;       // on one line
  std::u16string announcementText_;    // what the live region holds
  val focusBeforeMessage_ = val::null();
};
