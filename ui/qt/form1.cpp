#include "ui/qt/form1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>

#include <utility>
#include <vector>

#include "ui/description/calculate_command.h"
#include "ui/description/spoken.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/baked_image.h"
#include "ui/qt/controls.h"
#include "ui/qt/fixed_window_size.h"
#include "ui/qt/keystroke_filters.h"
#include "ui/qt/look.h"
#include "ui/qt/message_box.h"

namespace ui {
namespace {

using layout::Colour;
using layout::ControlRow;
using layout::Kind;
using layout::Pixels;

// One QFont for each font of the table, shared by the controls that use it.
class Fonts {
 public:
  const QFont& Of(const layout::FontSpec& spec) {
    for (const auto& [known, font] : fonts_) {
      if (known == spec) return font;
    }
    return fonts_.emplace_back(spec, qt::ToFont(spec)).second;
  }

 private:
  std::vector<std::pair<layout::FontSpec, QFont>> fonts_;
};

QWidget* CreateControl(std::size_t index, QWidget* parent, Fonts& fonts) {
  const ControlRow& row = layout::Controls()[index];
  const QColor text = qt::ToColour(row.text);
  const bool painted = row.background.source != Colour::Source::None;
  const QColor background = qt::ToColour(row.background);
  QPalette palette = parent->palette();
  QWidget* control = nullptr;

  switch (row.kind) {
    case Kind::Label: {
      QLabel* label = nullptr;
      if (layout::ShowsResult(index)) {
        label = new qt::ValueLabel(parent);
      } else if (layout::IsVersionLabel(index)) {
        label = new qt::ClickableLabel(parent);
      } else if (row.spokenName != nullptr && *row.spokenName == '\0') {
        label = new qt::SilentLabel(parent);
      } else {
        label = new QLabel(parent);
      }
      label->setTextFormat(Qt::PlainText);
      label->setText(QString::fromUtf8(row.caption));
      label->setAlignment(qt::ToAlignment(row.align));
      palette.setColor(QPalette::WindowText, text);
      if (painted) palette.setColor(QPalette::Window, background);
      // Where the label's colour is the window's, the window has painted it already.
      label->setAutoFillBackground(painted &&
                                   background != qt::ToColour(layout::kWindowBackground));
      control = label;
      break;
    }
    case Kind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setMaxLength(layout::kTextBoxMaxLength);
      palette.setColor(QPalette::Text, text);
      palette.setColor(QPalette::Base, background);
      control = box;
      break;
    }
    case Kind::ComboBox: {
      auto* list = new QComboBox(parent);
      list->setLineEdit(new QLineEdit(list));  // editable, with its edit field built once
      list->setInsertPolicy(QComboBox::NoInsert);
      palette.setColor(QPalette::Text, text);
      palette.setColor(QPalette::Base, background);
      control = list;
      break;
    }
    case Kind::Button: {
      auto* button = new qt::SolidFaceButton(parent);
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
      auto* picture = new qt::PictureBox(parent);
      palette.setColor(QPalette::Window, background);
      control = picture;
      break;
    }
  }

  control->setObjectName(QString::fromLatin1(row.name));
  control->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
  if (row.font != layout::kWindowFont) control->setFont(fonts.Of(row.font));
  control->setPalette(palette);
  if (row.spokenName != nullptr && *row.spokenName != '\0') {
    control->setAccessibleName(QString::fromUtf8(row.spokenName));
  }
  return control;
}

// The OK command's view of the Qt window.
class QtCommandWindow : public CommandWindow {
 public:
  explicit QtCommandWindow(Form1& window) : window_(window) {}

  std::string InputText(std::size_t control) const override {
    QWidget* input = window_.Control(control);
    if (const auto* box = qobject_cast<const QLineEdit*>(input)) return box->text().toStdString();
    if (const auto* list = qobject_cast<const QComboBox*>(input)) {
      return list->currentText().toStdString();
    }
    throw blend::CalculationFailure{};  // not an input control: the layout is wrong
  }

  void ShowResult(std::size_t label, const std::string& text) override {
    auto* value = qobject_cast<QLabel*>(window_.Control(label));
    const QString caption = QString::fromStdString(text);
    value->setText(caption);
    value->setAccessibleName(caption);  // a screen reader reads the value itself
  }

  std::string LabelText(std::size_t label) const override {
    return qobject_cast<QLabel*>(window_.Control(label))->text().toStdString();
  }

  void ShowMessage(const texts::Message& message) override { qt::ShowMessage(&window_, message); }

  blend::RegionalFormat Regional() const override {
    return {QLocale().decimalPoint().toStdString()};
  }

  void Announce(const std::string& summary) override {
    window_.Announce(QString::fromStdString(summary));
  }

 private:
  Form1& window_;
};

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  SetUpWindow();
  CreateControls();
  FillLists();
  GuardInputs();
  NameForScreenReaders();
  CreateAnnouncement();
  ShowBanners();
  ConnectCommands();
  SetFocusOrder();
  ShareStyle();
}

Form1::~Form1() = default;

void Form1::SetUpWindow() {
  qt::InstallAccessibleInterfaces();  // before any control asks for its interface
  setPalette(qt::DesignedPalette());
  setAutoFillBackground(true);
  setFont(qt::ToFont(layout::kWindowFont));
  setWindowTitle(QString::fromLatin1(texts::kWindowTitle));
  setWindowIcon(
      QIcon(QPixmap::fromImage(qt::LoadBakedImage(QStringLiteral(":/solvanix/icon-32.img")))));
  // A fixed window: no maximize button, which a fixed size could not honour.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  new qt::FixedWindowSize(this,
                          {Pixels(layout::kClientWidthTwips), Pixels(layout::kClientHeightTwips)});
}

void Form1::CreateControls() {
  Fonts fonts;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    controls_.at(i) = CreateControl(i, this, fonts);
  }
}

void Form1::FillLists() {
  for (const layout::ComboList& entry : layout::ComboLists()) {
    auto* list = qobject_cast<QComboBox*>(Control(entry.combo.index));
    for (const layout::ListItem& item : entry.items) {
      list->addItem(QString::fromUtf8(item.text), item.itemData);
    }
    list->setCurrentIndex(-1);
  }
}

void Form1::GuardInputs() {
  auto* boxes = new qt::DimensionBoxFilter(this);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (layout::Controls()[i].kind == Kind::TextBox)
      boxes->Guard(qobject_cast<QLineEdit*>(Control(i)));
  }
  auto* lists = new qt::ListKeystrokeFilter(this);
  for (const layout::ComboList& entry : layout::ComboLists()) {
    lists->Guard(qobject_cast<QComboBox*>(Control(entry.combo.index)), entry);
  }
}

// Captions name their inputs for screen readers; inputs and results carry their units in words.
void Form1::NameForScreenReaders() {
  auto text = [this](std::size_t index) {
    return qobject_cast<QLabel*>(Control(index))->text().toStdString();
  };
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlRow& row = layout::Controls()[i];
    if (row.buddy == nullptr) continue;
    auto* caption = qobject_cast<QLabel*>(Control(i));
    const std::size_t input = layout::IndexOf(row.buddy);
    caption->setBuddy(Control(input));
    Control(input)->setAccessibleName(QString::fromStdString(spoken::Caption(i, text(i))));
    Control(input)->setAccessibleDescription(
        QString::fromStdString(spoken::InputDescription(input)));
  }
  for (const layout::ResultBinding& binding : layout::ResultBindings()) {
    const std::string caption = text(binding.captionLabel.index);
    Control(binding.valueLabel.index)
        ->setAccessibleDescription(
            QString::fromStdString(spoken::ResultDescription(binding.valueLabel.index, caption)));
  }
}

void Form1::CreateAnnouncement() { announcement_ = new qt::Announcement(this); }

void Form1::Announce(const QString& summary) { announcement_->Announce(summary); }

void Form1::ShowBanners() {
  const QImage banner = qt::LoadBakedImage(QStringLiteral(":/solvanix/banner.img"));
  static_cast<qt::PictureBox*>(Control(layout::kBannerPicture.index))
      ->setPicture(QPixmap::fromImage(banner));
  static_cast<qt::PictureBox*>(Control(layout::kMirroredBannerPicture.index))
      ->setPicture(QPixmap::fromImage(banner.mirrored(true, false)));
}

void Form1::ConnectCommands() {
  Control(layout::kWhatsThisPointerLabel.index)->setCursor(Qt::WhatsThisCursor);
  for (const layout::ControlRef& label : layout::VersionLabels()) {
    const int index = QString::fromLatin1(label.Name()).section(QLatin1Char('_'), 1).toInt();
    static_cast<qt::ClickableLabel*>(Control(label.index))->setOnClick([this, index] {
      Version_Click(index);
    });
  }
  // The about box from the keyboard too.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  const layout::ControlRef first = layout::VersionLabels().front();
  connect(help, &QShortcut::activated, this,
          [this, first] { static_cast<qt::ClickableLabel*>(Control(first.index))->click(); });
  connect(qobject_cast<QPushButton*>(Control(layout::kCalculateButton.index)),
          &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::SetFocusOrder() {
  const auto order = layout::FocusOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    setTabOrder(Control(order[i].index), Control(order[i + 1].index));
  }
  Control(order.front().index)->setFocus(Qt::OtherFocusReason);
}

// One Fusion style for the window and every control, the lists' popups included, whatever the
// application's style is.
void Form1::ShareStyle() {
  if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
    return;  // the application's own style already is
  }
  QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
  if (style == nullptr) return;
  style->setParent(this);
  setStyle(style);
  // A list builds its popup when first asked for its view: asked here, every popup is a child
  // below, whatever ran before.
  for (const layout::ComboList& entry : layout::ComboLists()) {
    qobject_cast<QComboBox*>(Control(entry.combo.index))->view();
  }
  for (QWidget* child : findChildren<QWidget*>()) child->setStyle(style);
}

void Form1::Command1_Click() {
  QtCommandWindow window(*this);
  RunCalculateCommand(window);
}

void Form1::Version_Click(int /*index*/) { qt::ShowMessage(this, texts::kAbout); }

}  // namespace ui
