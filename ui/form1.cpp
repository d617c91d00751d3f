#include "ui/form1.h"

#include <array>

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>

#include "ui/about_message.h"
#include "ui/baked_image.h"
#include "ui/calculate_command.h"
#include "ui/controls.h"
#include "ui/keystroke_filters.h"
#include "ui/layout.h"

namespace ui {
namespace {

using layout::Colour;
using layout::ControlRow;
using layout::FontSpec;
using layout::Kind;
using layout::Pixels;

// Free faces that stand in where the Windows ones are missing; the sizes, weights and styles
// stay those of the layout.
void RegisterFontSubstitutes() {
  struct Substitution {
    const char* face;
    std::array<const char*, 4> alternatives;
  };
  static constexpr std::array<Substitution, 4> kSubstitutions = {{
      {"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"}},
      {"Tahoma", {"DejaVu Sans", "Verdana", "Bitstream Vera Sans", "Noto Sans"}},
      {"Papyrus", {"Z003", "URW Chancery L", "TeX Gyre Chorus", "Chancery"}},
      {"Terminal", {"DejaVu Sans Mono", "Liberation Mono", "Courier New", "Noto Mono"}},
  }};
  static const bool registered = [] {
    for (const Substitution& substitution : kSubstitutions) {
      QStringList alternatives;
      for (const char* name : substitution.alternatives) alternatives << QString::fromLatin1(name);
      QFont::insertSubstitutions(QString::fromLatin1(substitution.face), alternatives);
    }
    return true;
  }();
  (void)registered;
}

QFont ToFont(const FontSpec& spec) {
  QFont font(QString::fromLatin1(spec.face));
  font.setPixelSize(layout::PixelSize(spec));
  font.setWeight(static_cast<QFont::Weight>(spec.weight));
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  const QString face = font.family();
  if (face == QLatin1String("Terminal")) {
    font.setStyleHint(QFont::TypeWriter);
  } else if (face == QLatin1String("Papyrus")) {
    font.setStyleHint(QFont::Decorative);
  } else {
    font.setStyleHint(QFont::SansSerif);
  }
  return font;
}

// The Windows system colours as the window was designed with them, whatever the desktop's theme:
// a dark theme must not turn the boxes dark under their black text.
QColor ToColour(const Colour& colour) {
  if (colour.source == Colour::Source::Rgb) return QColor::fromRgb(colour.value);
  switch (colour.value) {
    case 9:
      return QColor(Qt::white);  // title-bar text, white in the usual schemes
    case 18:
      return QColor(Qt::black);  // button text
    case 4:                      // menu background
    case 15:                     // button face
    default:
      return QColor(0xef, 0xef, 0xef);
  }
}

// The light palette the window was drawn with, fixed so that no desktop theme can change a pixel
// of it: every role of every group is set.
QPalette DesignedPalette() {
  struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;  // active and inactive
    QRgb disabled;
  };
  static constexpr RoleColours kRoles[] = {
      {QPalette::WindowText, 0xff000000, 0xffbebebe},
      {QPalette::Button, 0xffefefef, 0xffefefef},
      {QPalette::Light, 0xffffffff, 0xffffffff},
      {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
      {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
      {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
      {QPalette::Text, 0xff000000, 0xffbebebe},
      {QPalette::BrightText, 0xffffffff, 0xffffffff},
      {QPalette::ButtonText, 0xff000000, 0xffbebebe},
      {QPalette::Base, 0xffffffff, 0xffefefef},
      {QPalette::Window, 0xffefefef, 0xffefefef},
      {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
      {QPalette::Highlight, 0xff308cc6, 0xff919191},
      {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
      {QPalette::Link, 0xff0000ff, 0xff0000ff},
      {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
      {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
      {QPalette::NoRole, 0xff000000, 0xff000000},
      {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
      {QPalette::ToolTipText, 0xff000000, 0xff000000},
      {QPalette::PlaceholderText, 0x80000000, 0x80000000},
  };
  QPalette palette;
  for (const RoleColours& colours : kRoles) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, colours.role, QColor::fromRgba(colours.enabled));
    }
    palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
  }
  return palette;
}

Qt::Alignment ToAlignment(layout::Align align) {
  switch (align) {
    case layout::Align::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case layout::Align::Center:
      return Qt::AlignHCenter | Qt::AlignTop;
    case layout::Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
  const QColor text = ToColour(row.text);
  const bool painted = row.background.source != Colour::Source::None;
  const QColor background = painted ? ToColour(row.background) : QColor();
  QPalette palette = parent->palette();
  QWidget* control = nullptr;

  switch (row.kind) {
    case Kind::Label: {
      auto* label = layout::ShowsResult(row.name) ? new ValueLabel(parent) : new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setText(QString::fromUtf8(row.caption));
      label->setAlignment(ToAlignment(row.align));
      palette.setColor(QPalette::WindowText, text);
      if (painted) palette.setColor(QPalette::Window, background);
      label->setAutoFillBackground(painted);
      control = label;
      break;
    }
    case Kind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setMaxLength(5);
      box->setValidator(new DecimalPointValidator(box));
      palette.setColor(QPalette::Text, text);
      palette.setColor(QPalette::Base, background);
      control = box;
      break;
    }
    case Kind::ComboBox: {
      auto* list = new QComboBox(parent);
      list->setEditable(true);
      list->setInsertPolicy(QComboBox::NoInsert);
      palette.setColor(QPalette::Text, text);
      palette.setColor(QPalette::Base, background);
      control = list;
      break;
    }
    case Kind::Button: {
      auto* button = new SolidFaceButton(parent);
      button->setText(QString::fromUtf8(row.caption));
      button->setFaceColour(background);
      palette.setColor(QPalette::ButtonText, text);
      control = button;
      break;
    }
    case Kind::Frame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::Box | QFrame::Plain);
      frame->setAttribute(Qt::WA_TransparentForMouseEvents);
      frame->setFocusPolicy(Qt::NoFocus);
      palette.setColor(QPalette::WindowText, text);
      control = frame;
      break;
    }
    case Kind::PictureBox: {
      auto* picture = new PictureBox(parent);
      palette.setColor(QPalette::Window, background);
      control = picture;
      break;
    }
  }

  control->setObjectName(QString::fromLatin1(row.name));
  control->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
  control->setFont(ToFont(row.font));
  control->setPalette(palette);
  if (row.spokenName != nullptr) control->setAccessibleName(QString::fromUtf8(row.spokenName));
  return control;
}

// "Largeur totale:" is read as "Largeur totale".
QString SpokenCaption(const QLabel* caption) {
  QString text = caption->text().trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

QString Superscript(const QString& digits) {
  static const QString kRaised = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
  QString raised;
  for (QChar c : digits) raised += c.isDigit() ? kRaised.at(c.digitValue()) : c;
  return raised;
}

// Keeps the window at its designed size. Where a window manager or compositor maximizes it all
// the same, the window asks at once to be its own size again; the controls never move.
//
// On Wayland the size is not fixed at the protocol level: Qt 6.4 draws its own title bar there,
// with a maximize button whatever the window's flags, and a compositor may then insist on the
// maximized size; a window that cannot take it loses its connection, and the program ends. So
// there the window only refuses to shrink, takes the maximized size for an instant, and the
// compositor's answer to the request brings it back.
class FixedWindowSize : public QObject {
 public:
  FixedWindowSize(QWidget* window, QSize size) : QObject(window), window_(window) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
      window->setMinimumSize(size);
      window->resize(size);
    } else {
      window->setFixedSize(size);
    }
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
      QTimer::singleShot(0, this, [this] { Unmaximize(); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Unmaximize() {
    QWindow* window = window_->windowHandle();
    constexpr Qt::WindowStates kEnlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
    // Through the window alone: the widget would shrink at once, before the compositor agrees.
    if (window != nullptr && (window->windowStates() & kEnlarged)) {
      window->setWindowStates(window->windowStates() & ~kEnlarged);
    }
  }

  QWidget* window_;
};

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), calculationControls_(std::make_unique<CalculationControls>()) {
  RegisterFontSubstitutes();
  QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
  if (style != nullptr) {
    style->setParent(this);
    setStyle(style);
  }
  QPalette windowPalette = DesignedPalette();
  windowPalette.setColor(QPalette::Window, ToColour(layout::kWindowBackground));
  setPalette(windowPalette);
  setAutoFillBackground(true);
  setFont(ToFont(layout::kWindowFont));

  setWindowTitle(QString::fromLatin1(layout::kWindowTitle));
  setWindowIcon(
      QIcon(QPixmap::fromImage(LoadBakedImage(QStringLiteral(":/solvanix/icon-32.img")))));
  // A fixed window: no maximize button, which a fixed size could not honour.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  new FixedWindowSize(this,
                      {Pixels(layout::kClientWidthTwips), Pixels(layout::kClientHeightTwips)});

  BuildControls();

  // The lists' popups are windows of their own: they take the style like every control.
  if (style != nullptr) {
    for (QWidget* child : findChildren<QWidget*>()) child->setStyle(style);
  }
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  for (const ControlRow& row : layout::Controls()) CreateControl(row, this);

  auto control = [this](const char* name) {
    return findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
  };

  for (const layout::ComboList& entry : layout::ComboLists()) {
    auto* list = qobject_cast<QComboBox*>(control(entry.comboName));
    for (const layout::ListItem& item : entry.items) {
      list->addItem(QString::fromUtf8(item.text), item.itemData);
    }
    list->setCurrentIndex(-1);
  }

  auto* listFilter = new ListKeystrokeFilter(this);
  for (const char* name : layout::ListBoxes()) {
    auto* list = qobject_cast<QComboBox*>(control(name));
    listFilter->Guard(list);
    // The popup shows the list's own colours, not the desktop theme's.
    list->view()->window()->setPalette(list->palette());
  }

  // Captions name their inputs for screen readers; results carry their caption and unit.
  for (const ControlRow& row : layout::Controls()) {
    if (row.buddy == nullptr) continue;
    auto* caption = qobject_cast<QLabel*>(control(row.name));
    QWidget* input = control(row.buddy);
    caption->setBuddy(input);
    input->setAccessibleName(SpokenCaption(caption));
  }
  for (const layout::ResultBinding& binding : layout::ResultBindings()) {
    auto* value = qobject_cast<QLabel*>(control(binding.valueLabel));
    QString description = SpokenCaption(qobject_cast<QLabel*>(control(binding.captionLabel)));
    if (binding.unitLabel != nullptr) {
      description +=
          QStringLiteral(", ") + qobject_cast<QLabel*>(control(binding.unitLabel))->text();
      if (binding.unitPowerLabel != nullptr) {
        description += Superscript(qobject_cast<QLabel*>(control(binding.unitPowerLabel))->text());
      }
    }
    value->setAccessibleDescription(description);
    calculationControls_->results.at(static_cast<std::size_t>(binding.id)) = value;
  }
  const auto inputs = layout::CalculationInputs();
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    calculationControls_->inputs.at(i) = control(inputs[i]);
  }

  const QImage banner = LoadBakedImage(QStringLiteral(":/solvanix/banner.img"));
  static_cast<PictureBox*>(control(layout::kBannerPicture))->setPicture(QPixmap::fromImage(banner));
  static_cast<PictureBox*>(control(layout::kMirroredBannerPicture))
      ->setPicture(QPixmap::fromImage(banner.mirrored(true, false)));

  control(layout::kWhatsThisPointerLabel)->setCursor(Qt::WhatsThisCursor);
  for (const char* name : layout::VersionLabels()) control(name)->installEventFilter(this);

  connect(qobject_cast<QPushButton*>(control(layout::kCalculateButton)), &QPushButton::clicked,
          this, &Form1::Command1_Click);

  const auto order = layout::FocusOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    setTabOrder(control(order[i]), control(order[i + 1]));
  }
  control(order.front())->setFocus(Qt::OtherFocusReason);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* label = qobject_cast<QLabel*>(watched);
    if (label != nullptr && mouse->button() == Qt::LeftButton &&
        label->rect().contains(mouse->position().toPoint())) {
      Version_Click(label->objectName().section(QLatin1Char('_'), 1).toInt());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::Command1_Click() { RunCalculateCommand(this, *calculationControls_); }

void Form1::Version_Click(int /*index*/) { ShowAboutMessage(this); }

}  // namespace ui
