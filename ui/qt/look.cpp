#include "ui/qt/look.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace ui::qt {
namespace {

// The description's stand-ins, as Qt's substitutes of each face.
void RegisterFontSubstitutes() {
  static const bool registered = [] {
    for (const layout::FaceStandIns& row : layout::kFaceStandIns) {
      QStringList alternatives;
      for (const char* name : row.standIns) alternatives << QString::fromLatin1(name);
      QFont::insertSubstitutions(QString::fromLatin1(row.face), alternatives);
    }
    return true;
  }();
  (void)registered;
}

// The installed families by their lower-case names, as font substitutes are kept, without the
// foundry fontconfig adds when two make one family ("Z003 [urw]"). Read once: every lookup by
// name would ask fontconfig again.
const QHash<QString, QString>& InstalledFamilies() {
  static const QHash<QString, QString> families = [] {
    QHash<QString, QString> names;
    for (const QString& family : QFontDatabase::families()) {
      const QString name = family.section(QStringLiteral(" ["), 0, 0);
      names.insert(name.toLower(), name);
    }
    return names;
  }();
  return families;
}

}  // namespace

QString InstalledFace(const char* face) {
  RegisterFontSubstitutes();
  static QHash<QString, QString> resolved;
  const QString wanted = QString::fromLatin1(face);
  if (auto found = resolved.constFind(wanted); found != resolved.constEnd()) return *found;
  // The face itself where it is installed, else its first installed stand-in: asking Qt for a
  // missing face would make it search its fallbacks at every font of the window.
  QString installed = InstalledFamilies().value(wanted.toLower());
  for (const QString& substitute : QFont::substitutes(wanted)) {
    if (!installed.isEmpty()) break;
    installed = InstalledFamilies().value(substitute.toLower());
  }
  if (installed.isEmpty()) installed = wanted;  // Qt's own search, then
  resolved.insert(wanted, installed);
  return installed;
}

QFont ToFont(const layout::FontSpec& spec) {
  QFont font(InstalledFace(spec.face));
  font.setPixelSize(layout::PixelSize(spec));
  font.setWeight(static_cast<QFont::Weight>(spec.weight));
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  switch (layout::StandInsOf(spec.face).family) {
    case layout::GenericFamily::Monospace:
      font.setStyleHint(QFont::TypeWriter);
      break;
    case layout::GenericFamily::Decorative:
      font.setStyleHint(QFont::Decorative);
      break;
    case layout::GenericFamily::SansSerif:
      font.setStyleHint(QFont::SansSerif);
      break;
  }
  return font;
}

QColor ToColour(const layout::Colour& colour) {
  switch (colour.source) {
    case layout::Colour::Source::Rgb:
      return QColor::fromRgb(colour.rgb);
    case layout::Colour::Source::None:
      return {};
    case layout::Colour::Source::System:
      break;
  }
  return QColor::fromRgb(layout::DesignedRgb(colour.system));
}

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
  palette.setColor(QPalette::Window, ToColour(layout::kWindowBackground));
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

}  // namespace ui::qt
