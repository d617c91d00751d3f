// Writes the browser page from the window's description: every control an element named after
// its row, placed, sized, coloured and captioned from it; the lists' items; the focus order; what
// a screen reader is told; the pictures and the icon inside; then the page's behaviour and the
// WebAssembly module, so that the page is one file that asks for nothing over the network.
//
//   solvanix_page_generator <page.html> <banner.jpg> <icon.png> <behaviour.js> <module.js>
//                           <module.wasm.gz>
//   solvanix_page_generator --floor <floor.html>
//
// The floor page has the same boxes and captions and nothing else: no pictures, no program.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/description/layout.h"
#include "ui/description/spoken.h"
#include "ui/description/texts.h"

namespace {

using ui::layout::Colour;
using ui::layout::ControlRow;
using ui::layout::Kind;
using ui::layout::Pixels;

std::string ReadFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(std::string("cannot read ") + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Base64(std::string_view bytes) {
  static constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(group >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kAlphabet[group & 63] : '=';
  }
  return out;
}

// Text for an element's content or an attribute's value in double quotes.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// A string as a CSS or JSON string literal (the texts hold no control characters but "\n").
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + '"';
}

std::string CssColour(std::uint32_t rgb) {
  std::array<char, 8> hex{};
  std::snprintf(hex.data(), hex.size(), "#%06x", static_cast<unsigned>(rgb & 0xffffff));
  return hex.data();
}

std::string CssColour(const Colour& colour) {
  switch (colour.source) {
    case Colour::Source::Rgb:
      return CssColour(colour.rgb);
    case Colour::Source::System:
      return CssColour(ui::layout::DesignedRgb(colour.system));
    case Colour::Source::None:
      break;
  }
  return "transparent";
}

// The face, its free stand-ins, then the generic family, at the description's pixel size.
std::string CssFont(const ui::layout::FontSpec& font) {
  const ui::layout::FaceStandIns& faces = ui::layout::StandInsOf(font.face);
  std::string family = Quoted(font.face);
  for (const char* standIn : faces.standIns) family += "," + Quoted(standIn);
  switch (faces.family) {
    case ui::layout::GenericFamily::SansSerif:
      family += ",sans-serif";
      break;
    case ui::layout::GenericFamily::Monospace:
      family += ",monospace";
      break;
    case ui::layout::GenericFamily::Decorative:
      family += ",fantasy";
      break;
  }
  std::ostringstream css;
  css << "font:" << (font.italic ? "italic " : "") << font.weight << ' '
      << ui::layout::PixelSize(font) << "px/normal " << family << ';';
  if (font.underline) css << "text-decoration:underline;";
  return css.str();
}

const char* CssAlign(ui::layout::Align align) {
  switch (align) {
    case ui::layout::Align::Right:
      return "right";
    case ui::layout::Align::Center:
      return "center";
    case ui::layout::Align::Left:
      break;
  }
  return "left";
}

std::string ControlCss(const ControlRow& row) {
  std::ostringstream css;
  css << '#' << row.name << "{left:" << Pixels(row.left) << "px;top:" << Pixels(row.top)
      << "px;width:" << Pixels(row.width) << "px;height:" << Pixels(row.height) << "px;"
      << CssFont(row.font) << "--text:" << CssColour(row.text)
      << ";text-align:" << CssAlign(row.align) << ';';
  if (row.kind == Kind::Button) {
    css << "--face:" << CssColour(row.background) << ';';
  } else {
    css << "background-color:" << CssColour(row.background) << ';';
  }
  css << "}\n";
  return css.str();
}

// Where a row stands in the focus order, counted from 1; 0 when it takes no focus.
std::size_t FocusPosition(std::size_t index) {
  const auto order = ui::layout::FocusOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i].index == index) return i + 1;
  }
  return 0;
}

std::string CaptionOf(std::size_t index) { return ui::layout::Controls()[index].caption; }

// The accessible name and description of an input, from its caption label and its unit.
std::string InputNaming(std::size_t input) {
  std::string attributes;
  for (std::size_t i = 0; i < ui::layout::kControlCount; ++i) {
    const ControlRow& row = ui::layout::Controls()[i];
    if (row.buddy == nullptr || ui::layout::IndexOf(row.buddy) != input) continue;
    attributes += " aria-label=\"" + Escaped(ui::spoken::Caption(i, row.caption)) + '"';
  }
  if (const std::string unit = ui::spoken::InputDescription(input); !unit.empty()) {
    attributes += " aria-description=\"" + Escaped(unit) + '"';
  }
  return attributes;
}

std::string ListOptions(std::size_t combo) {
  std::string options;
  for (const ui::layout::ComboList& list : ui::layout::ComboLists()) {
    if (list.combo.index != combo) continue;
    for (const ui::layout::ListItem& item : list.items) {
      options += "<option>" + Escaped(item.text) + "</option>";
    }
  }
  return options;
}

std::string ControlHtml(std::size_t index, bool floor) {
  const ControlRow& row = ui::layout::Controls()[index];
  const std::string id = std::string("id=\"") + row.name + '"';
  std::string focus;
  if (const std::size_t position = FocusPosition(index); position != 0 && !floor) {
    focus = " tabindex=\"" + std::to_string(position) + '"';
    if (position == 1) focus += " autofocus";
  }
  std::string spoken;
  if (row.spokenName != nullptr) {
    spoken = *row.spokenName == '\0'
                 ? std::string(" aria-hidden=\"true\"")
                 : " role=\"img\" aria-label=\"" + Escaped(row.spokenName) + '"';
  }
  switch (row.kind) {
    case Kind::Label: {
      std::string describedBy;
      if (ui::layout::ShowsResult(index)) {
        for (const ui::layout::ResultBinding& binding : ui::layout::ResultBindings()) {
          if (binding.valueLabel.index != index) continue;
          describedBy =
              " aria-description=\"" +
              Escaped(ui::spoken::ResultDescription(index, CaptionOf(binding.captionLabel.index))) +
              '"';
        }
        return "<div " + id + " class=\"label\"" + describedBy + "></div>";
      }
      if (row.buddy != nullptr) {
        return "<label " + id + " class=\"label\" for=\"" + row.buddy + "\">" +
               Escaped(row.caption) + "</label>";
      }
      return "<div " + id + " class=\"label\"" + spoken + '>' + Escaped(row.caption) + "</div>";
    }
    case Kind::TextBox:
      return "<input " + id + " type=\"text\" maxlength=\"" +
             std::to_string(ui::layout::kTextBoxMaxLength) +
             "\" autocomplete=\"off\" spellcheck=\"false\"" + InputNaming(index) + focus + '>';
    case Kind::ComboBox:
      return "<select " + id + InputNaming(index) + focus + '>' + ListOptions(index) + "</select>";
    case Kind::Button:
      return "<button " + id + " type=\"button\"" + focus + '>' + Escaped(row.caption) +
             "</button>";
    case Kind::Frame:
      return "<div " + id + " class=\"frame\" aria-hidden=\"true\"></div>";
    case Kind::PictureBox:
      return "<div " + id + " class=\"picture\"" + spoken + focus + "></div>";
  }
  return {};
}

// The look of each kind of control and of the message box; where each control stands and how it
// is coloured comes from its row.
constexpr std::string_view kKindsCss = R"css(
body{margin:0}
#Form1{position:relative;overflow:hidden}
#Form1>*{position:absolute;box-sizing:border-box;margin:0;padding:0;color:var(--text)}
.label{white-space:pre;overflow:hidden;cursor:default}
.label.nofit{color:transparent}
.label.nofit::after{content:var(--does-not-fit)/"";position:absolute;inset:0;color:var(--text)}
.frame{border:1px solid var(--text);background:none;pointer-events:none}
.picture::before{display:block;width:fit-content}
.picture:focus{outline:1px dotted #000;outline-offset:-2px}
#Form1>input,#Form1>select{border:1px solid #767676;border-radius:2px;padding:0 2px;outline:none}
#Form1>input:focus,#Form1>select:focus{border-color:#308cc6}
#Form1>select{appearance:none;background-repeat:no-repeat;background-size:5px 5px;
background-image:linear-gradient(45deg,transparent 50%,#000 50%),
linear-gradient(-45deg,transparent 50%,#000 50%);
background-position:calc(100% - 10px) 50%,calc(100% - 5px) 50%}
button{background-color:var(--face);border:1px solid;border-color:#fff #000 #000 #fff}
button:active{border-color:#000 #fff #fff #000}
#Form1>button:active{padding:1px 0 0 1px}
button:focus{outline:1px dotted #000;outline-offset:-4px}
dialog{padding:0;border:1px solid #767676;min-width:280px;max-width:520px;font:12px sans-serif;
box-shadow:0 4px 16px rgba(0,0,0,.35)}
dialog::backdrop{background:transparent}
dialog h2{margin:0;padding:6px 10px;font:bold 12px sans-serif;background:#dcdcdc}
dialog .body{display:flex;gap:12px;align-items:flex-start;padding:14px 14px 8px}
dialog .icon{flex:none;width:32px;height:32px}
dialog p{margin:6px 0 0;white-space:pre-line}
dialog form{text-align:right;padding:0 14px 12px}
dialog button{min-width:72px;height:24px;--face:#efefef;font:12px sans-serif}
.spoken{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0)}
)css";

constexpr std::string_view kWarningIcon =
    "<svg class=\"icon warning\" viewBox=\"0 0 32 32\" aria-hidden=\"true\"><path d=\"M16 2 31 "
    "29H1z\" fill=\"#f4c20d\" stroke=\"#000\"/><path d=\"M14.5 10h3l-.7 10h-1.6zM14.6 23h2.8v2.8"
    "h-2.8z\"/></svg>";
constexpr std::string_view kInformationIcon =
    "<svg class=\"icon information\" viewBox=\"0 0 32 32\" aria-hidden=\"true\"><circle "
    "cx=\"16\" cy=\"16\" r=\"15\" fill=\"#1f6fd0\" stroke=\"#000\"/><path d=\"M14.5 13h3v11h-3zM"
    "14.5 7h3v3h-3z\" fill=\"#fff\"/></svg>";

// Which controls play which role, by name, for the page's behaviour.
std::string RolesJson() {
  auto names = [](auto refs) {
    std::string list = "[";
    for (const auto& ref : refs) list += (list.size() > 1 ? "," : "") + Quoted(ref.Name());
    return list + "]";
  };
  std::string dimensionBoxes = "[";
  for (const ControlRow& row : ui::layout::Controls()) {
    if (row.kind != Kind::TextBox) continue;
    dimensionBoxes += (dimensionBoxes.size() > 1 ? "," : "") + Quoted(row.name);
  }
  dimensionBoxes += "]";
  std::string lists = "[";
  for (const ui::layout::ComboList& list : ui::layout::ComboLists()) {
    lists += (lists.size() > 1 ? "," : "") + Quoted(list.combo.Name());
  }
  lists += "]";
  return std::string("{\"calculate\":") + Quoted(ui::layout::kCalculateButton.Name()) +
         ",\"about\":" + names(ui::layout::VersionLabels()) +
         ",\"focusOrder\":" + names(ui::layout::FocusOrder()) +
         ",\"dimensionBoxes\":" + dimensionBoxes + ",\"lists\":" + lists + "}";
}

// A script's text inside a <script> element: "</" cannot appear in it as it is.
std::string AsScriptText(std::string text) {
  for (std::size_t at = text.find("</"); at != std::string::npos; at = text.find("</", at + 3)) {
    text.replace(at, 2, "<\\/");
  }
  return text;
}

std::string Page(bool floor, const std::string& banner, const std::string& icon,
                 const std::string& behaviour, const std::string& module,
                 const std::string& binary) {
  std::ostringstream page;
  page << "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<meta name=\"viewport\" content=\"width=" << Pixels(ui::layout::kClientWidthTwips)
       << "\">\n"
       << "<title>" << Escaped(ui::texts::kWindowTitle) << "</title>\n";
  if (!floor) page << "<link rel=\"icon\" href=\"data:image/png;base64," << Base64(icon) << "\">\n";
  page << "<style>" << kKindsCss << "#Form1{width:" << Pixels(ui::layout::kClientWidthTwips)
       << "px;height:" << Pixels(ui::layout::kClientHeightTwips)
       << "px;background:" << CssColour(ui::layout::kWindowBackground) << ';'
       << CssFont(ui::layout::kWindowFont) << "--does-not-fit:" << Quoted(ui::texts::kDoesNotFit)
       << "}\n";
  for (const ControlRow& row : ui::layout::Controls()) page << ControlCss(row);
  if (!floor) {
    const std::string picture = "url(data:image/jpeg;base64," + Base64(banner) + ')';
    page << '#' << ui::layout::kBannerPicture.Name() << "::before,#"
         << ui::layout::kMirroredBannerPicture.Name() << "::before{content:" << picture << "}\n#"
         << ui::layout::kMirroredBannerPicture.Name() << "::before{transform:scaleX(-1)}\n#"
         << ui::layout::kWhatsThisPointerLabel.Name() << "{cursor:help}\n";
  }
  page << "</style>\n</head>\n<body>\n<div id=\"Form1\">";
  for (std::size_t i = 0; i < ui::layout::kControlCount; ++i) page << ControlHtml(i, floor);
  page << "</div>\n";
  if (!floor) {
    page << "<dialog id=\"MessageBox\" aria-labelledby=\"MessageBoxTitle\" "
            "aria-describedby=\"MessageBoxText\"><h2 id=\"MessageBoxTitle\"></h2><div "
            "class=\"body\">"
         << kWarningIcon << kInformationIcon
         << "<p id=\"MessageBoxText\"></p></div><form method=\"dialog\"><button "
            "id=\"MessageBoxOk\" autofocus>OK</button></form></dialog>\n"
         << "<div id=\"Announcement\" class=\"spoken\" role=\"status\" "
            "aria-live=\"polite\"></div>\n"
         << "<script type=\"application/json\" id=\"Roles\">" << RolesJson() << "</script>\n"
         << "<script>" << AsScriptText(behaviour) << "</script>\n"
         << "<script>" << AsScriptText(module) << "</script>\n";
    // The module's code, gzipped, in a data block: the parser only passes over it, and the page
    // decodes it once it has painted.
    page << "<script type=\"application/gzip\" id=\"ModuleBinary\">" << Base64(binary)
         << "</script>\n";
  }
  page << "</body>\n</html>\n";
  return page.str();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string_view first = argc > 1 ? argv[1] : "";
    std::string page;
    const char* output = nullptr;
    if (first == "--floor" && argc == 3) {
      output = argv[2];
      page = Page(true, {}, {}, {}, {}, {});
    } else if (argc == 7) {
      output = argv[1];
      page = Page(false, ReadFile(argv[2]), ReadFile(argv[3]), ReadFile(argv[4]), ReadFile(argv[5]),
                  ReadFile(argv[6]));
    } else {
      std::cerr << "usage: solvanix_page_generator <page.html> <banner.jpg> <icon.png> "
                   "<behaviour.js> <module.js>\n                               <module.wasm.gz>\n"
                   "       solvanix_page_generator --floor <floor.html>\n";
      return 2;
    }
    std::ofstream file(output, std::ios::binary);
    file << page;
    return file ? 0 : 1;
  } catch (const std::exception& failure) {
    std::cerr << failure.what() << '\n';
    return 1;
  }
}
