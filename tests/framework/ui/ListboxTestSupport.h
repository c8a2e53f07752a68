#pragma once
// A Listbox shown on its own, with helpers to click it like a user.

#include "framework/Listbox.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <memory>
#include <vector>

namespace fw::test {

struct ShownListbox {
  explicit ShownListbox(int columns = 2) {
    list.SetColumnCount(columns);
    list.Change = [this] {
      ++changes;
      indexInChange = list.ListIndex();
    };
    list.DoubleClick = [this] { ++doubleClicks; };
    view()->resize(400, 200);
    view()->show();
    QApplication::processEvents();
  }

  QTreeView* view() const { return static_cast<QTreeView*>(list.widget()); }

  // Rows "r0", "r1", ... in column 0, "c1 r0", ... in column 1.
  void Fill(int rows) {
    list.DeleteAllRows();
    for (int r = 0; r < rows; ++r) {
      list.AddRow(QStringLiteral("r%1").arg(r));
      list.SetCell(list.LastIndex(), 1, QStringLiteral("c1 r%1").arg(r));
    }
  }

  QPoint RowCenter(int row) const {
    view()->scrollTo(view()->model()->index(row, 1));
    return view()->visualRect(view()->model()->index(row, 1)).center();
  }
  QPoint BelowRows() const { return QPoint(20, view()->viewport()->height() - 3); }

  void Click(QPoint at, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, mods, at);
  }
  void ClickRow(int row, Qt::KeyboardModifiers mods = {}) {
    QApplication::processEvents();
    Click(RowCenter(row), mods);
  }
  void ClickHeading(int column) {
    QHeaderView* h = view()->header();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(column) + 5, h->height() / 2));
  }

  std::vector<QString> Column(int column) const {
    std::vector<QString> cells;
    for (int r = 0; r < list.ListCount(); ++r) cells.push_back(list.Cell(r, column));
    return cells;
  }

  Listbox list;
  int changes = 0;
  int indexInChange = -2;
  int doubleClicks = 0;
};

}  // namespace fw::test
