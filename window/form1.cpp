// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "window/form1.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QSlider>
#include <QStyleOption>
#include <exception>
#include <limits>
#include <new>

#include "prototype/parameters.h"
#include "prototype/rules.h"

// The application's style, but for two things. A click on the slider's
// groove moves the handle straight to the nearest position instead of
// stepping one page towards the click. A check box's square is outlined in
// colours that stand out from what lies behind it, where many styles draw it
// faint: one at rest, one while the box shows the keyboard focus.
class WindowStyle : public QProxyStyle {
 public:
  void SetIndicatorOutlines(const QColor& atRest, const QColor& focused) {
    outline_ = atRest;
    focusedOutline_ = focused;
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_Slider_AbsoluteSetButtons) return Qt::LeftButton;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox || !outline_.isValid()) return;
    const bool focused =
        option->state.testFlag(State_HasFocus) && option->state.testFlag(State_KeyboardFocusChange);
    // Over the style's own one-pixel outline, on whole pixels at any scale.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->translate(0.5, 0.5);
    painter->setPen(focused ? focusedOutline_ : outline_);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }

 private:
  QColor outline_;
  QColor focusedOutline_;
};

namespace {

constexpr qreal kCaptionPoints = 15;
constexpr qreal kEntryPoints = 14.25;
constexpr qreal kOutputPoints = 15.75;

// Least WCAG contrast of coloured text on a dark palette: the bold 15-point
// legends and captions count as large text, the output box's text does not.
constexpr double kLargeTextContrast = 3.0;
constexpr double kOutputContrast = 4.5;
// Least contrast of a check box's square over what lies behind it, on any
// palette.
constexpr double kIndicatorContrast = 3.0;

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

template <class Control>
Control* Place(Control* control, const char* name, const QRect& geometry, const QFont& font) {
  control->setObjectName(QLatin1String(name));
  control->setGeometry(geometry);
  control->setFont(font);
  return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                  const QFont& font) {
  auto* label = Place(new QLabel(caption, parent), name, geometry, font);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Legends and headings overlap the controls they describe by a few
  // pixels; clicks there belong to those controls.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  FitCaption(*label);
  return label;
}

QPlainTextEdit* MakeMultiLineBox(QWidget* parent, const char* name, const QRect& geometry,
                                 const QFont& font) {
  auto* box = Place(new QPlainTextEdit(parent), name, geometry, font);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setTabChangesFocus(true);
  // Wrapping at word boundaries lays a long line without spaces (a pasted
  // name, say) out again for seconds at every refresh; wrapping anywhere at
  // the box's width keeps each refresh fast.
  box->setWordWrapMode(QTextOption::WrapAnywhere);
  return box;
}

QLineEdit* MakeOneLineBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                          const QFont& font) {
  auto* box = Place(new QLineEdit(parent), name, geometry, font);
  // The name and the return type have no length limit of their own.
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setText(text);
  return box;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Prototype des fonctions en C++"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(Twips(17565), Twips(9075));

  CreateControls();
  ShowCaptionColours();
  DescribeForAccessibility();
  SetTabOrder();
  Dispatch([this] { Form_Load(); });
  ConnectHandlers();
  Slider1->setFocus();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  Slider1 = new QSlider(Qt::Horizontal, this);
  Slider1->setObjectName(QStringLiteral("Slider1"));
  Slider1->setGeometry(TwipsRect(240, 600, 4215, 375));
  Slider1->setRange(1, 3);
  Slider1->setPageStep(1);
  Slider1->setTickPosition(QSlider::TicksBelow);
  Slider1->setTickInterval(1);
  style_ = new WindowStyle;
  style_->setParent(this);
  Slider1->setStyle(style_);

  const QFont legend = SansFont(kCaptionPoints, true);
  Label1 = MakeLabel(this, "Label1", QStringLiteral("public"), TwipsRect(240, 240, 975, 495), legend);
  Label2 = MakeLabel(this, "Label2", QStringLiteral("protected"), TwipsRect(1680, 240, 1455, 495), legend);
  Label3 = MakeLabel(this, "Label3", QStringLiteral("private"), TwipsRect(3720, 225, 1335, 495), legend);

  Text1 = MakeMultiLineBox(this, "Text1", TwipsRect(360, 6720, 16935, 2055), MonoFont(kOutputPoints));

  const QFont entry = MonoFont(kEntryPoints);
  const QFont caption = SansFont(kCaptionPoints);
  textnom = MakeOneLineBox(this, "textnom", QStringLiteral("toto"), TwipsRect(8760, 840, 7500, 465), entry);
  Label4 = MakeLabel(this, "Label4", QStringLiteral("Nom de la fonction"), TwipsRect(6000, 840, 2655, 375),
                     caption);
  textRetour =
      MakeOneLineBox(this, "textRetour", QStringLiteral("void"), TwipsRect(8760, 360, 7500, 465), entry);
  Label5 =
      MakeLabel(this, "Label5", QStringLiteral("Type de retour"), TwipsRect(6480, 360, 2175, 375), caption);
  Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);

  textParam = MakeMultiLineBox(this, "textParam", TwipsRect(7080, 2640, 6735, 3615), entry);
  textParam->setPlainText(ToBoxText(u"void\r\n"));
  Label6 = MakeLabel(this, "Label6", QStringLiteral("Liste des paramètres"), TwipsRect(7080, 2280, 4335, 375),
                     caption);

  Command1 = Place(new QPushButton(QStringLiteral("Validez"), this), "Command1",
                   TwipsRect(12360, 2040, 1335, 495), caption);
  Command1->setAutoDefault(false);
  Command1->setDefault(false);
  FitCaption(*Command1);

  CreateQualifierFrame();
}

void Form1::CreateQualifierFrame() {
  Frame1 = Place(new QGroupBox(QStringLiteral("La fonction est"), this), "Frame1",
                 TwipsRect(480, 1680, 3615, 3255), SansFont(kCaptionPoints));
  const struct {
    const char* caption;
    int top;
    int width;
  } kBoxes[] = {
      {"inline", 600, 2055}, {"virtual", 1200, 2055}, {"pure virtual", 1800, 2415}, {"const", 2400, 1815}};
  const QFont font = SansFont(kCaptionPoints, true);
  for (std::size_t i = 0; i < Check1.size(); ++i) {
    const auto& place = kBoxes[i];
    const QByteArray name = "Check1_" + QByteArray::number(static_cast<int>(i));
    auto* box = Place(new QCheckBox(QLatin1String(place.caption), Frame1), name.constData(),
                      TwipsRect(600, place.top, place.width, 615), font);
    box->setStyle(style_);
    FitCaption(*box);
    Check1[i] = box;
  }
}

void Form1::ShowCaptionColours() {
  ShowColour(Label1, kGreen, kLargeTextContrast);
  ShowColour(Label2, kOrange, kLargeTextContrast);
  ShowColour(Label3, kRed, kLargeTextContrast);
  for (QCheckBox* box : Check1) ShowColour(box, kDarkBlue, kLargeTextContrast);
  // The same inside of the frame lies behind all four squares.
  const QColor behind = PaintedBehind(*Check1[0]);
  const QColor ink = palette().color(QPalette::WindowText);
  style_->SetIndicatorOutlines(
      LegibleTowards(behind, ink, behind, kIndicatorContrast),
      LegibleTowards(palette().color(QPalette::Highlight), ink, behind, kIndicatorContrast));
  for (QCheckBox* box : Check1) box->update();
}

void Form1::ShowOutputColour() {
  const Colour colour = AccessColor(state_.access);
  if (shownColour_ == colour) return;
  ShowColour(Text1, colour, kOutputContrast);
  shownColour_ = colour;
}

// The designed colour on a light palette; on a dark one, the same hue made
// legible over what is painted behind the text: the output box's own
// background, or whatever the control's parent paints there.
void Form1::ShowColour(QWidget* widget, Colour colour, double minimumContrast) {
  if (!IsDarkPalette(palette())) {
    SetTextColour(widget, ToQColor(colour));
    return;
  }
  const QWidget* output = Text1->viewport();
  const QColor behind =
      widget == Text1 ? output->palette().color(output->backgroundRole()) : PaintedBehind(*widget);
  SetTextColour(widget, LegibleColour(colour, behind, true, minimumContrast));
}

// A new palette (the desktop switched between light and dark themes, say)
// gives the coloured texts new backgrounds. They are measured once the
// event loop is back, when every control has taken the new palette.
void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        ShowCaptionColours();
        shownColour_.reset();
        ShowOutputColour();
      },
      Qt::QueuedConnection);
}

void Form1::DescribeForAccessibility() {
  Label4->setBuddy(textnom);
  Label5->setBuddy(textRetour);
  Label6->setBuddy(textParam);
  textnom->setAccessibleName(Label4->text());
  textRetour->setAccessibleName(Label5->text());
  textParam->setAccessibleName(Label6->text());
  Slider1->setAccessibleName(QStringLiteral("Accès : 1 public, 2 protected, 3 private"));
  DescribeSliderPosition();
  // Its description, the whole declaration, is set at every refresh.
  Text1->setAccessibleName(QStringLiteral("Prototype de la fonction"));
}

// Screen readers read the slider as a bare number; its description carries
// the word of the current position, and Qt announces each change of it.
void Form1::DescribeSliderPosition() {
  const QLabel* legends[] = {Label1, Label2, Label3};
  Slider1->setAccessibleDescription(legends[Slider1->value() - Slider1->minimum()]->text());
}

void Form1::SetTabOrder() {
  QWidget* const order[] = {Slider1,  Text1,     textnom,   textRetour, textParam,
                            Command1, Check1[0], Check1[1], Check1[2],  Check1[3]};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::ConnectHandlers() {
  for (std::size_t i = 0; i < Check1.size(); ++i) {
    const int index = static_cast<int>(i);
    // Every change of a box's state counts, whoever made it: a click, the
    // keyboard, an assistive tool's toggle, or the qualifier rule itself
    // (which then runs this handler again, nested).
    const auto clicked = [this, index] {
      if (Dispatch([this, index] { Check1_Click(index); })) AnnounceDeclaration();
    };
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    connect(Check1[i], &QCheckBox::checkStateChanged, this, clicked);
#else
    connect(Check1[i], &QCheckBox::stateChanged, this, clicked);
#endif
  }
  // valueChanged covers a click on the groove, a drag and the keyboard.
  // The slider's word comes first, so that a screen reader says it before
  // the declaration it gives.
  connect(Slider1, &QSlider::valueChanged, this, &Form1::DescribeSliderPosition);
  connect(Slider1, &QSlider::valueChanged, this, [this] {
    // A drag is announced once, when the handle is let go.
    if (Dispatch([this] { Slider1_Click(); }) && !Slider1->isSliderDown()) AnnounceDeclaration();
  });
  connect(Slider1, &QSlider::sliderReleased, this, [this] { AnnounceDeclaration(); });
  connect(textnom, &QLineEdit::textChanged, this, [this] { Dispatch([this] { textnom_Change(); }); });
  connect(textRetour, &QLineEdit::textChanged, this, [this] { Dispatch([this] { textRetour_Change(); }); });
  // Every press of "Validez" has its result read out, changed or not.
  connect(Command1, &QPushButton::clicked, this, [this] {
    if (Dispatch([this] { Command1_Click(); })) AnnounceDeclaration(true);
  });
}

bool Form1::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::bad_alloc&) {
    ReportError(QStringLiteral("Mémoire insuffisante."));
  } catch (const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("Erreur inattendue."));
  }
  return false;
}

void Form1::ReportError(const QString& message) {
  QMessageBox box(QMessageBox::Critical, windowTitle(), message, QMessageBox::Ok, this);
  box.exec();
}

void Form1::Form_Load() {
  LoadDefaults(state_);
  RefreshPrototype();
}

void Form1::RefreshPrototype() {
  const QString declaration = ToBoxText(ComposePrototype(state_));
  Text1->setPlainText(declaration);
  // A screen reader reads the description when the box takes the focus: the
  // whole declaration, on one line, where the box's text would be read a
  // line at a time.
  Text1->setAccessibleDescription(declaration.simplified());
  ShowOutputColour();
}

// Asks assistive technology to read the new declaration out, politely,
// without moving the focus. Once per change: a nested handler (a qualifier
// box ticking another) and the outer one end on the same declaration, and so
// do a click on the slider's groove and the release that follows it.
void Form1::AnnounceDeclaration(bool evenIfSaid) {
  const QString spoken = Text1->accessibleDescription();
  if (spoken == lastAnnounced_ && !evenIfSaid) return;
  lastAnnounced_ = spoken;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(Text1, spoken);
  QAccessible::updateAccessibility(&announcement);
#endif
}

void Form1::Check1_Click(int /*index*/) {
  ApplyQualifiers(state_, boxes_);  // all four boxes are read every time
  RefreshPrototype();
}

void Form1::Slider1_Click() {
  state_.access = AccessFromSlider(Slider1->value());
  RefreshPrototype();
}

void Form1::textnom_Change() {
  state_.functionName = ReadBox(*textnom);
  RefreshPrototype();
}

void Form1::textRetour_Change() {
  state_.returnType = ReadBox(*textRetour);
  RefreshPrototype();
}

void Form1::Command1_Click() {
  BuildParameterList(state_, ReadBox(*textParam));
  RefreshPrototype();
}
