// The least this window can cost, ending at its first complete paint like the other probes: one
// widget of the window's size paints every caption of the layout and every value of the first
// worked example in its font and colour at its place, the two text boxes and four editable lists
// stand at theirs with the lists' items, and Qt's French texts are loaded as the program loads
// them. Nothing else: no label per caption, no palettes, no style object, no pictures. Fonts are
// the window's own (ui::qt::ToFont), on the installed faces, so Qt never runs its fallback search.
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <array>
#include <vector>

#include "bench/first_paint_probe.h"
#include "tests/support/worked_examples.h"
#include "ui/description/layout.h"
#include "ui/qt/look.h"
#include "ui/qt/program.h"

namespace {

using ui::layout::ControlRow;
using ui::layout::FontSpec;
using ui::layout::Kind;

class FloorWindow : public QWidget {
 public:
  FloorWindow() {
    setFixedSize(ui::layout::Pixels(ui::layout::kClientWidthTwips),
                 ui::layout::Pixels(ui::layout::kClientHeightTwips));
    const auto rows = ui::layout::Controls();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const ControlRow& row = rows[i];
      const QRect box(ui::layout::Pixels(row.left), ui::layout::Pixels(row.top),
                      ui::layout::Pixels(row.width), ui::layout::Pixels(row.height));
      switch (row.kind) {
        case Kind::Label:
        case Kind::Button:
          AddCaption(i, box);
          break;
        case Kind::TextBox: {
          auto* edit = new QLineEdit(this);
          edit->setGeometry(box);
          edit->setFont(FontOf(row.font));
          inputs_.at(i) = edit;
          break;
        }
        case Kind::ComboBox: {
          auto* list = new QComboBox(this);
          list->setLineEdit(new QLineEdit);
          list->setGeometry(box);
          list->setFont(FontOf(row.font));
          inputs_.at(i) = list;
          break;
        }
        case Kind::Frame:
        case Kind::PictureBox:
          break;
      }
    }
    for (const ui::layout::ComboList& entry : ui::layout::ComboLists()) {
      auto* list = static_cast<QComboBox*>(inputs_.at(entry.combo.index));
      for (const ui::layout::ListItem& item : entry.items) {
        list->addItem(QString::fromUtf8(item.text), item.itemData);
      }
      list->setCurrentIndex(-1);
    }
    // The first worked example: 6 m by 2 m, two XGA projectors, 128 pixels of overlap, throw 1.8.
    const auto& shown = solvanix_test::kWorkedExamples.front().shown;
    for (const ui::layout::ResultBinding& binding : ui::layout::ResultBindings()) {
      captions_.at(captionOf_.at(binding.valueLabel.index)).text =
          QString::fromUtf8(shown.at(static_cast<std::size_t>(binding.id)));
    }
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), ui::qt::ToColour(ui::layout::kWindowBackground));
    for (const Caption& caption : captions_) {
      if (caption.text.isEmpty()) continue;
      painter.setFont(fonts_.at(caption.font).font);
      painter.setPen(caption.colour);
      painter.drawText(caption.box, caption.flags, caption.text);
    }
  }

 private:
  struct SharedFont {
    FontSpec spec;
    QFont font;
  };
  struct Caption {
    QRect box;
    std::size_t font;
    QColor colour;
    int flags;
    QString text;
  };

  std::size_t FontIndex(const FontSpec& spec) {
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
      if (fonts_[i].spec == spec) return i;
    }
    fonts_.push_back({spec, ui::qt::ToFont(spec)});  // on the installed face, as the window's
    return fonts_.size() - 1;
  }
  const QFont& FontOf(const FontSpec& spec) { return fonts_.at(FontIndex(spec)).font; }

  void AddCaption(std::size_t index, const QRect& box) {
    const ControlRow& row = ui::layout::Controls()[index];
    const int flags = row.kind == Kind::Button
                          ? static_cast<int>(Qt::AlignCenter)
                          : static_cast<int>(ui::qt::ToAlignment(row.align)) | Qt::TextSingleLine;
    captionOf_.at(index) = captions_.size();
    captions_.push_back({box, FontIndex(row.font), ui::qt::ToColour(row.text), flags,
                         QString::fromUtf8(row.caption)});
  }

  std::vector<SharedFont> fonts_;
  std::vector<Caption> captions_;
  std::array<std::size_t, ui::layout::kControlCount> captionOf_{};
  std::array<QWidget*, ui::layout::kControlCount> inputs_{};
};

}  // namespace

int main(int /*argc*/, char* argv[]) {
  ui::qt::Program program(argv[0]);
  FloorWindow window;
  new FirstPaintProbe(&window);
  window.show();
  return ui::qt::Program::exec();
}
