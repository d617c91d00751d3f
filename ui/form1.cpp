#include "ui/form1.h"

#include <array>

#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFrame>
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
  font.setPointSizeF(spec.points);
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

// Windows system colours, taken from the window's own palette.
QColor ToColour(const Colour& colour, const QPalette& system) {
  if (colour.source == Colour::Source::Rgb) return QColor::fromRgb(colour.value);
  switch (colour.value) {
    case 4:
      return system.color(QPalette::Window);  // menu background
    case 9:
      return system.color(QPalette::Base);  // title-bar text, white in the usual schemes
    case 15:
      return system.color(QPalette::Button);
    case 18:
      return system.color(QPalette::ButtonText);
    default:
      return system.color(QPalette::Window);
  }
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

QWidget* CreateControl(const ControlRow& row, QWidget* parent, const QPalette& system) {
  const QColor text = ToColour(row.text, system);
  const bool painted = row.background.source != Colour::Source::None;
  const QColor background = painted ? ToColour(row.background, system) : QColor();
  QPalette palette = parent->palette();
  QWidget* control = nullptr;

  switch (row.kind) {
    case Kind::Label: {
      auto* label = new QLabel(parent);
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

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), calculationControls_(std::make_unique<CalculationControls>()) {
  RegisterFontSubstitutes();
  QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
  if (style != nullptr) {
    style->setParent(this);
    setStyle(style);
    setPalette(style->standardPalette());
  }
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, ToColour(layout::kWindowBackground, palette()));
  setPalette(windowPalette);
  setAutoFillBackground(true);
  setFont(ToFont(layout::kWindowFont));

  setWindowTitle(QString::fromLatin1(layout::kWindowTitle));
  setWindowIcon(
      QIcon(QPixmap::fromImage(LoadBakedImage(QStringLiteral(":/solvanix/icon-32.img")))));
  setFixedSize(Pixels(layout::kClientWidthTwips), Pixels(layout::kClientHeightTwips));

  BuildControls();

  if (style != nullptr) {
    for (QWidget* child : findChildren<QWidget*>()) child->setStyle(style);
  }
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  const QPalette system = palette();
  for (const ControlRow& row : layout::Controls()) CreateControl(row, this, system);

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
    list->installEventFilter(listFilter);
    list->lineEdit()->installEventFilter(listFilter);
    // Their values come from their lists: nothing may be pasted or dropped into them either.
    list->lineEdit()->setAcceptDrops(false);
    list->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
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
