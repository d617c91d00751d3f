#include "tests/desktop/grab.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/form1.h"

namespace solvanix_test {

bool SaveGrabs(const QString& folder) {
  QApplication::setCursorFlashTime(0);  // a blinking cursor would differ between two grabs
  ui::Form1 window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  const QDir out(folder);
  window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("6"));
  window.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("2"));
  const QStringList lists = kGrabbedPictures.mid(1);
  const QStringList items = {"2", "XGA", "128", "1.8"};
  for (int i = 0; i < lists.size(); ++i) {
    auto* list = window.findChild<QComboBox*>(lists[i]);
    list->setCurrentIndex(list->findText(items[i]));
  }
  auto* ok = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  ok->click();
  ok->setFocus();
  QTest::qWait(50);
  bool saved = window.grab().save(out.filePath(QStringLiteral("window.png")));
  for (const QString& name : lists) {
    auto* list = window.findChild<QComboBox*>(name);
    list->showPopup();
    QTest::qWait(50);
    saved =
        list->view()->window()->grab().save(out.filePath(name + QStringLiteral(".png"))) && saved;
    list->hidePopup();
  }
  QFile desktop(out.filePath(QStringLiteral("desktop.txt")));
  if (!desktop.open(QIODevice::WriteOnly)) return false;
  desktop.write((QApplication::palette().color(QPalette::Window).name() + QLatin1Char('\n') +
                 QString::number(window.screen()->logicalDotsPerInch()) + QLatin1Char('\n'))
                    .toUtf8());
  return saved;
}

}  // namespace solvanix_test
