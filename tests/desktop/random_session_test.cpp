// A user nobody planned for: thousands of random events through the X server (keys, typed and
// look-alike characters, clicks, right-clicks with menu choices, pastes, the wheel, drags), with
// OK pressed now and then. After every event the inputs show what their rules allow; after every
// OK the labels show what the core computes from what the controls show.
//
// SOLVANIX_SEED repeats a session; SOLVANIX_EVENTS changes its length (2,000 events by default).
#include <QAbstractItemView>
#include <QMenu>

#include <cstdlib>
#include <random>
#include <string>

#include "tests/desktop/real_input.h"

namespace solvanix_test {
namespace {

unsigned long long FromEnvironment(const char* name, unsigned long long otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : otherwise;
}

class RandomSession : public RealInput {
 protected:
  // One xdotool run for one user event; a short wait lets its events arrive.
  static void Send(const QStringList& arguments) {
    QProcess::execute(QStringLiteral("xdotool"), arguments);
    QTest::qWait(10);
  }

  // "mousemove x y" to the widget's centre, `dx` pixels beside it.
  static QStringList MoveTo(const QWidget* widget, int dx = 0) {
    const QPoint where = widget->mapToGlobal(widget->rect().center()) + QPoint(dx, 0);
    return {QStringLiteral("mousemove"), QString::number(where.x()), QString::number(where.y())};
  }

  QWidget* AnyInput() {
    static const char* const kInputs[] = {"Text1", "Text2", "Combo1", "Combo3", "Combo5", "Combo6"};
    return Control(kInputs[Pick(std::size(kInputs))]);
  }

  std::size_t Pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
  }

  // Text a user types or another program offers: digits, signs, letters, the separators and
  // characters that look like them.
  QString AnyText() {
    static const char* const kPieces[] = {"0",
                                          "1",
                                          "2",
                                          "3",
                                          "4",
                                          "5",
                                          "6",
                                          "7",
                                          "8",
                                          "9",
                                          ",",
                                          ".",
                                          "-",
                                          "+",
                                          "e",
                                          "E",
                                          "m",
                                          " ",
                                          "&H",
                                          "1.8",
                                          "128",
                                          "XGA",
                                          "HD",
                                          "2",
                                          "\xef\xbc\x96",
                                          "\xd9\xa3",
                                          "\xe2\x88\x92",
                                          "\xc2\xa0",
                                          "\xe2\x80\xaf",
                                          "\xef\xbc\x8c",
                                          "\xf0\x9d\x9f\x99"};
    QString text;
    for (std::size_t n = 1 + Pick(4); n > 0; --n)
      text += QString::fromUtf8(kPieces[Pick(std::size(kPieces))]);
    return text;
  }

  void RandomEvent() {
    static const char* const kKeys[] = {
        "Delete",     "shift+Delete", "ctrl+Delete", "BackSpace", "Home",         "End",
        "shift+Left", "shift+Right",  "shift+Home",  "ctrl+a",    "ctrl+z",       "ctrl+shift+z",
        "ctrl+y",     "ctrl+x",       "ctrl+c",      "ctrl+v",    "shift+Insert", "Up",
        "Down",       "Page_Up",      "Page_Down",   "Tab",       "shift+Tab",    "F4",
        "alt+Down",   "Return",       "Escape",      "Menu",      "space",        "F1"};
    QWidget* input = AnyInput();
    auto* list = qobject_cast<QComboBox*>(input);
    QWidget* target = list != nullptr ? list->lineEdit() : input;
    switch (Pick(9)) {
      case 0:
        Send(MoveTo(target) << "click"
                            << "1");
        break;
      case 1:
      case 2:
        Send({"key", kKeys[Pick(std::size(kKeys))]});
        break;
      case 3:
        Send({"type", "--delay", "1", "--", AnyText()});
        break;
      case 4: {  // the context menu, and one of its items or none
        Send(MoveTo(target) << "click"
                            << "3");
        QStringList keys{QStringLiteral("key")};
        for (std::size_t n = Pick(8); n > 0; --n) keys << QStringLiteral("Down");
        keys << (Pick(2) == 0 ? QStringLiteral("Return") : QStringLiteral("Escape"));
        Send(keys);
        break;
      }
      case 5:
        Offer(Pick(2) == 0 ? "clipboard" : "primary", AnyText().toUtf8());
        Send(MoveTo(target) << "click"
                            << "--delay"
                            << "1" << (Pick(2) == 0 ? "2" : "1") << "key"
                            << (Pick(2) == 0 ? "ctrl+v" : "shift+Insert"));
        break;
      case 6:
        Send(MoveTo(input) << "click"
                           << "--delay"
                           << "1" << (Pick(2) == 0 ? "4" : "5"));
        break;
      case 7: {  // a drag from one input to another
        QWidget* to = AnyInput();
        Send(MoveTo(target, -10) << "mousedown"
                                 << "1" << MoveTo(target, 10) << "sleep"
                                 << "0.05" << MoveTo(to) << "sleep"
                                 << "0.05"
                                 << "mouseup"
                                 << "1");
        break;
      }
      default:
        PressOk();
        break;
    }
  }

  // OK as a user clicks it, once any open menu or popup is closed as a click elsewhere would.
  void PressOk() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      QTest::qWait(20);
    }
    TakeBoxes();  // boxes of earlier runs, started by Return or Space on OK
    Send(MoveTo(Control("Command1")) << "click"
                                     << "1");
    QTest::qWait(60);
    ++oks_;
    const std::string wrong = CheckAgainstTheCore();
    ASSERT_EQ(wrong, "") << "after OK " << oks_;
  }

  std::mt19937_64 random_;
  int oks_ = 0;
};

TEST_F(RandomSession, InvariantsHoldAndOkAgreesWithTheCore) {
  const unsigned long long seed = FromEnvironment("SOLVANIX_SEED", std::random_device{}());
  const unsigned long long events = FromEnvironment("SOLVANIX_EVENTS", 2000);
  random_.seed(seed);
  SCOPED_TRACE("SOLVANIX_SEED=" + std::to_string(seed) + " repeats this session");
  EnterExample(kWorkedExamples[0]);
  for (unsigned long long event = 0; event < events; ++event) {
    RandomEvent();
    if (HasFatalFailure()) return;
    const std::string wrong = CheckInputs();
    ASSERT_EQ(wrong, "") << "after event " << event;
  }
  PressOk();
  std::printf("random session: seed %llu, %llu events, %d OK checked\n", seed, events, oks_);
}

}  // namespace
}  // namespace solvanix_test
