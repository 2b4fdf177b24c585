// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "prototype/prototype_state.h"
#include "window/toolkit.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class WindowStyle;

// The program's one window: the entry boxes, the qualifier boxes and the
// access slider on top, the composed declaration in the output box below.
class Form1 : public QWidget {
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Runs one event handler; true when it ran to its end. An error it raises
  // abandons it (the output box keeps its text) and is shown in a modal
  // message box; the window then goes on with the state the handler left.
  bool Dispatch(const std::function<void()>& handler);

  const PrototypeState& State() const { return state_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void CreateQualifierFrame();
  void ShowCaptionColours();
  void ShowOutputColour();
  void ShowColour(QWidget* widget, Colour colour, double minimumContrast);
  void DescribeForAccessibility();
  void DescribeSliderPosition();
  void SetTabOrder();
  void ConnectHandlers();
  void ReportError(const QString& message);

  void Form_Load();
  void RefreshPrototype();
  void AnnounceDeclaration(bool evenIfSaid = false);
  void Check1_Click(int index);
  void Slider1_Click();
  void textnom_Change();
  void textRetour_Change();
  void Command1_Click();

  PrototypeState state_;

  QSlider* Slider1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QLineEdit* textnom = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* textRetour = nullptr;
  QLabel* Label5 = nullptr;
  QPlainTextEdit* textParam = nullptr;
  QLabel* Label6 = nullptr;
  QPushButton* Command1 = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::array<QCheckBox*, 4> Check1{};

  CheckBoxArray boxes_{Check1};
  WindowStyle* style_ = nullptr;
  std::optional<Colour> shownColour_;  // the output colour last applied
  QString lastAnnounced_;
};
