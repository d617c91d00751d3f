#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QPalette>

#include "tests/ui/window_fixture.h"
#include "ui/description/layout.h"
#include "ui/description/texts.h"
#include "ui/qt/controls.h"

namespace solvanix_test {
namespace {

using ui::layout::Colour;
using ui::layout::ControlRow;
using ui::layout::Kind;

// The controls a user looks at first, in pixels, as the window design gives them.
struct PlacedControl : NamedCase {
  int x, y, width, height;
  const char* caption;
};

class PlacementTest : public WindowTest, public testing::WithParamInterface<PlacedControl> {};

TEST_P(PlacementTest, StandsWhereTheDesignPutsIt) {
  const PlacedControl& c = GetParam();
  QWidget* control = Control(c.name);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->geometry(), QRect(c.x, c.y, c.width, c.height));
  if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && c.caption != nullptr) {
    EXPECT_EQ(label->text(), QString::fromUtf8(c.caption));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Design, PlacementTest,
    testing::Values(
        PlacedControl{{"Text1"}, 272, 208, 49, 21, ""},
        PlacedControl{{"Text2"}, 272, 240, 49, 21, ""},
        PlacedControl{{"Combo6"}, 272, 408, 73, 24, ""},
        PlacedControl{{"Command1"}, 432, 504, 65, 33, ""},
        PlacedControl{{"Label5"}, 456, 232, 257, 17, "Résolution horizontale totale utile:"},
        PlacedControl{{"Label14"}, 592, 456, 121, 17, "Recul totale utile:"},
        PlacedControl{{"Label2"}, 712, 208, 57, 17, ""},
        PlacedControl{{"Label42_0"}, 776, 208, 17, 17, "m"},
        PlacedControl{{"Label43"}, 784, 208, 9, 17, "2"},
        PlacedControl{{"Label42_6"}, 776, 360, 49, 17, "mm"},
        PlacedControl{{"Label42_21"}, 360, 384, 41, 17, "pixels"},
        PlacedControl{{"Label4"}, 352, 352, 73, 17, ""},
        PlacedControl{{"Ecran"}, 192, 168, 73, 25, "Ecran:"},
        PlacedControl{{"Nom"}, 320, 40, 297, 49, "SOLVANIX"},
        PlacedControl{{"Label41"}, 384, 96, 177, 17, "Logiciel de calcul pour Soft-edge"},
        PlacedControl{{"Version_1"}, 832, 152, 65, 17, nullptr},
        PlacedControl{{"Version_2"}, 584, 88, 41, 17, "LIGHT"},
        PlacedControl{{"Shape4"}, 16, 16, 905, 129, nullptr},
        PlacedControl{{"Picture2"}, 648, 32, 257, 97, nullptr},
        PlacedControl{{"Date_2"}, 24, 544, 153, 17, nullptr}),
    CaseName{});

TEST_F(WindowTest, WindowHasItsFixedClientAreaTitleAndIcon) {
  EXPECT_EQ(window_->size(), QSize(938, 586));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  // The version comes from the build, into the title and the version label alike.
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("SOLVANIX V%1 Light").arg(ui::texts::kVersion));
  EXPECT_EQ(LabelText(QStringLiteral("Version_1")),
            QStringLiteral("Version:%1").arg(ui::texts::kVersion));
  EXPECT_FALSE(window_->windowIcon().isNull());
  EXPECT_EQ(window_->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

// The system colours are fixed, whatever the desktop's theme: the light scheme the window was
// drawn in.
QColor Resolve(const Colour& colour) {
  using ui::layout::SystemColour;
  if (colour.source == Colour::Source::Rgb) return QColor::fromRgb(colour.rgb);
  switch (colour.system) {
    case SystemColour::TitleBarText:
      return Qt::white;
    case SystemColour::ButtonText:
      return Qt::black;
    case SystemColour::MenuBackground:
    case SystemColour::ButtonFace:
      break;
  }
  return {0xef, 0xef, 0xef};
}

// Every row of the layout table became a widget of the right kind, place, font and colours.
TEST_F(WindowTest, EveryTableRowIsBuiltAsGiven) {
  int built = 0;
  for (const ControlRow& row : ui::layout::Controls()) {
    SCOPED_TRACE(row.name);
    QWidget* control = Control(row.name);
    ASSERT_NE(control, nullptr);
    ++built;
    EXPECT_EQ(control->parentWidget(), window_.get());
    EXPECT_EQ(control->geometry(),
              QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
    // The face itself, or the installed look-alike that stands in for it.
    const QString face = QString::fromLatin1(row.font.face);
    EXPECT_TRUE(control->font().family() == face ||
                QFont::substitutes(face).contains(control->font().family(), Qt::CaseInsensitive))
        << control->font().family().toStdString();
    EXPECT_EQ(control->font().pixelSize(), ui::layout::PixelSize(row.font));
    EXPECT_EQ(control->font().weight(), row.font.weight);
    EXPECT_EQ(control->font().italic(), row.font.italic);
    EXPECT_EQ(control->font().underline(), row.font.underline);
    const QColor text = Resolve(row.text);
    switch (row.kind) {
      case Kind::Label: {
        auto* label = qobject_cast<QLabel*>(control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), text);
        if (row.background.source != Colour::Source::None) {
          const QImage shown = label->grab().toImage();  // its far corner holds no text
          EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1),
                    Resolve(row.background));
        } else {
          EXPECT_FALSE(label->autoFillBackground());
        }
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        break;
      }
      case Kind::TextBox: {
        auto* box = qobject_cast<QLineEdit*>(control);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->maxLength(), ui::layout::kTextBoxMaxLength);
        EXPECT_EQ(box->palette().color(QPalette::Text), text);
        EXPECT_EQ(box->palette().color(QPalette::Base), Resolve(row.background));
        break;
      }
      case Kind::ComboBox: {
        auto* list = qobject_cast<QComboBox*>(control);
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(list->isEditable());
        EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
        EXPECT_EQ(list->palette().color(QPalette::Text), text);
        break;
      }
      case Kind::Button:
        EXPECT_NE(qobject_cast<QPushButton*>(control), nullptr);
        break;
      case Kind::Frame: {
        auto* frame = qobject_cast<QFrame*>(control);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->frameShape(), QFrame::Box);
        EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(frame->autoFillBackground());
        break;
      }
      case Kind::PictureBox:
        EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0);
        break;
    }
  }
  EXPECT_EQ(built, 66);
}

TEST_F(WindowTest, ControlArraysAreNamedByIndex) {
  for (const char* name :
       {"Label42_0",  "Label42_1", "Label42_2", "Label42_3", "Label42_4",  "Label42_5",
        "Label42_6",  "Label42_7", "Label42_8", "Label42_9", "Label42_10", "Label42_17",
        "Label42_21", "Date_0",    "Date_1",    "Date_2",    "Version_1",  "Version_2",
        "Ecran",      "Largeur",   "Ratio",     "Hauteur",   "Projecteur", "Surface"}) {
    EXPECT_NE(window_->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }
}

TEST_F(WindowTest, StartsEmptyWithNothingSelected) {
  EXPECT_TRUE(Control<QLineEdit>("Text1")->text().isEmpty());
  EXPECT_TRUE(Control<QLineEdit>("Text2")->text().isEmpty());
  for (const char* name : {"Combo1", "Combo3", "Combo5", "Combo6"}) {
    EXPECT_EQ(Control<QComboBox>(name)->currentIndex(), -1) << name;
    EXPECT_TRUE(Control<QComboBox>(name)->currentText().isEmpty()) << name;
  }
  for (const QString& text : ResultTexts()) EXPECT_TRUE(text.isEmpty());
}

struct ListCase : NamedCase {
  QStringList items;
  std::vector<int> itemData;
};

class ListContentTest : public WindowTest, public testing::WithParamInterface<ListCase> {};

TEST_P(ListContentTest, HoldsItsItemsInStoredOrder) {
  auto* combo = Control<QComboBox>(GetParam().name);
  ASSERT_EQ(combo->count(), GetParam().items.size());
  for (int i = 0; i < combo->count(); ++i) {
    EXPECT_EQ(combo->itemText(i), GetParam().items[i]);
    EXPECT_EQ(combo->itemData(i).toInt(), GetParam().itemData[static_cast<std::size_t>(i)]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListContentTest,
    testing::Values(ListCase{{"Combo1"}, {"2"}, {0}},
                    ListCase{{"Combo3"}, {"XGA", "SXGA+", "HD"}, {1, 2, 3}},
                    ListCase{{"Combo5"}, {"16", "32", "64", "128", "256"}, {0, 0, 0, 0, 0}},
                    ListCase{{"Combo6"},
                             {"0.67", "0.73", "0.8", "1.2", "1.4", "1.5", "1.8", "2", "2.6", "2.8",
                              "4.1", "4.5", "6.9", "7.5", "10.4", "11.2"},
                             std::vector<int>(16, 0)}),
    CaseName{});

TEST_F(WindowTest, SubstituteFacesAreFreeLookAlikes) {
  struct Face {
    const char* control;
    QStringList acceptable;
  };
  const Face faces[] = {
      {"Text1", {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"}},
      {"Command1", {"Tahoma", "DejaVu Sans", "Verdana"}},
      {"Nom", {"Papyrus", "Z003", "URW Chancery L", "TeX Gyre Chorus"}},
      {"Label43", {"Terminal", "DejaVu Sans Mono", "Liberation Mono", "Courier New"}},
  };
  for (const Face& face : faces) {
    // Fontconfig names a face with its foundry when several provide it: "Z003 [urw]".
    const QString shown =
        QFontInfo(Control(face.control)->font()).family().section(QStringLiteral(" ["), 0, 0);
    EXPECT_TRUE(face.acceptable.contains(shown)) << face.control << ": " << shown.toStdString();
  }
}

TEST_F(WindowTest, OkButtonFaceIsSolidRed) {
  const QImage face = Control("Command1")->grab().toImage();
  int red = 0;
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) red += face.pixelColor(x, y) == QColor(255, 0, 0);
  }
  EXPECT_GT(red, face.width() * face.height() / 2);
  EXPECT_EQ(face.pixelColor(3, face.height() / 2), QColor(255, 0, 0));
}

// The focus on OK is a dotted rectangle inside the face, black dots on the red.
TEST_F(WindowTest, OkButtonFocusIsDottedAndVisible) {
  QWidget* ok = Control("Command1");
  const QColor red(255, 0, 0);
  EXPECT_EQ(ok->grab().toImage().pixelColor(3, 3), red);
  ok->setFocus();
  ASSERT_TRUE(ok->hasFocus());
  const QImage focused = ok->grab().toImage();
  const int bottom = focused.height() - 4;
  EXPECT_EQ(focused.pixelColor(3, 3), QColor(Qt::black));
  EXPECT_EQ(focused.pixelColor(4, 3), red);
  EXPECT_EQ(focused.pixelColor(3 + (bottom - 3) % 2, bottom), QColor(Qt::black));
  EXPECT_EQ(focused.pixelColor(3 + (bottom - 2) % 2, bottom), red);
}

TEST_F(WindowTest, BannersShowTheSamePictureMirrored) {
  const QImage left = static_cast<ui::qt::PictureBox*>(Control("Picture1"))->picture().toImage();
  const QImage right = static_cast<ui::qt::PictureBox*>(Control("Picture2"))->picture().toImage();
  ASSERT_EQ(left.size(), QSize(250, 90));
  // Baked at build time, yet the very pixels of the committed JPEG.
  const QImage jpeg(QStringLiteral(SOLVANIX_ASSETS_DIR "/banner.jpg"));
  ASSERT_FALSE(jpeg.isNull());
  EXPECT_EQ(left.convertToFormat(QImage::Format_RGB32), jpeg.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(right, left.mirrored(true, false));
  const QImage shown = Control("Picture1")->grab().toImage();
  EXPECT_EQ(shown.pixelColor(0, 0), left.pixelColor(0, 0));  // unscaled from the top-left
  EXPECT_EQ(shown.pixelColor(125, 45), left.pixelColor(125, 45));
}

TEST_F(WindowTest, RaisedDigitLiesAboveTheMetre) {
  QWidget* metre = Control("Label42_0");
  QWidget* digit = Control("Label43");
  const QObjectList& order = window_->children();
  EXPECT_GT(order.indexOf(digit), order.indexOf(metre));
  EXPECT_TRUE(metre->geometry().intersects(digit->geometry()));
  EXPECT_TRUE(Control<QLabel>("Label43")->alignment() & Qt::AlignTop);
}

TEST_F(WindowTest, InputsAndResultsAreNamedForScreenReaders) {
  struct Spoken {
    const char* control;
    const char* name;         // nullptr: the value itself
    const char* description;  // nullptr: none asked for
  };
  const Spoken spoken[] = {
      {"Text1", "Largeur totale", "en mètres"},
      {"Text2", "Hauteur totale", "en mètres"},
      {"Combo1", "Nombre de projecteurs", ""},  // not the mumbled "Nbe"
      {"Combo3", "Matrice", ""},
      {"Combo5", "Recouvrement", "en pixels"},
      {"Combo6", "Focale", ""},
      {"Label3", "Nombre de projecteurs", nullptr},  // the caption a reader takes the name from
      {"Label1", nullptr, "Ratio écran"},
      {"Label2", nullptr, "Surface écran, mètres carrés"},
      {"Label23", nullptr, "Résolution horizontale totale utile, pixels"},
      {"Label28", nullptr, "Taille d'un pixel, millimètres"},
      {"Label29", nullptr, "Entraxe des projecteurs, mètres"},
      {"Label42_3", "mètres", nullptr},  // a unit is a word, not the letter "m"
  };
  for (const Spoken& s : spoken) {
    SCOPED_TRACE(s.control);
    if (s.name != nullptr) {
      EXPECT_EQ(Control(s.control)->accessibleName(), QString::fromUtf8(s.name));
    }
    if (s.description != nullptr) {
      EXPECT_EQ(Control(s.control)->accessibleDescription(), QString::fromUtf8(s.description));
    }
  }
  // The raised "2" is part of "mètres carrés", never read alone.
  QAccessibleInterface* square = QAccessible::queryAccessibleInterface(Control("Label43"));
  ASSERT_NE(square, nullptr);
  EXPECT_TRUE(square->state().invisible);
  EXPECT_TRUE(square->text(QAccessible::Name).isEmpty());
  // The banners take the focus, so they say what they are.
  EXPECT_TRUE(Control("Picture1")->accessibleName().startsWith(QStringLiteral("Bannière")));
  EXPECT_NE(Control("Picture2")->accessibleName(), Control("Picture1")->accessibleName());
}

// No caption, unit or worked-example value may be cut off by its box under the fonts in use.
TEST_F(WindowTest, NoTextIsClipped) {
  auto fits = [](const QLabel* label) {
    const int advance = QFontMetrics(label->font()).horizontalAdvance(label->text());
    return advance <= label->contentsRect().width();
  };
  for (QLabel* label : window_->findChildren<QLabel*>()) {
    EXPECT_TRUE(fits(label)) << label->objectName().toStdString() << " \""
                             << label->text().toStdString() << "\"";
  }
  for (const WorkedExample& example : kWorkedExamples) {
    EnterExample(example);
    ClickOk();
    for (const QString& name : kResultLabels) {
      auto* label = window_->findChild<QLabel*>(name);
      EXPECT_TRUE(fits(label)) << name.toStdString() << " \"" << label->text().toStdString()
                               << "\"";
    }
  }
  const QFontMetrics button(Control("Command1")->font());
  EXPECT_LE(button.horizontalAdvance(QStringLiteral("OK")), Control("Command1")->width() - 8);
  EXPECT_LE(button.height(), Control("Command1")->height());
}

}  // namespace
}  // namespace solvanix_test
