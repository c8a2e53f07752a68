#include "framework/Listbox.h"

#include "framework/Application.h"
#include "framework/Database.h"
#include "framework/ui/ListboxColumns.h"
#include "framework/ui/ListboxModel.h"
#include "framework/ui/ListboxSort.h"
#include "framework/ui/ListboxView.h"

#include <QCollator>
#include <QHeaderView>
#include <QLocale>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace fw {

namespace {

// The user's collation; the program's own German where the system names
// none (the C locale would order "Zebra" before "Ärzte").
QCollator ListCollator() {
  const QLocale locale;
  return QCollator(locale.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany)
                                                   : locale);
}

}  // namespace

struct Listbox::Impl {
  explicit Impl(Listbox* owner);
  ~Impl() { delete view.data(); }

  QItemSelectionModel* selection() const { return view->selectionModel(); }
  bool inRange(Integer row) const { return row >= 0 && row < model.count(); }
  bool multiple() const { return selectionType == 1; }
  Integer firstSelected() const;
  bool isSelected(Integer row) const;

  void rowAdded();
  void scheduleCommit();
  void commit();
  Integer scrollPosition();

  // A selection change the program makes: Qt's signals are only noted, and
  // Change runs inline afterwards when the change is real.
  template <class F>
  void programSelection(F&& change);
  void qtSelectionChanged();
  void report(bool setChanged);

  void applyColumnWidths();
  void userResizedColumn(int column, int pixels);
  void headingClicked(int column);
  void showSortIndicator();

  Listbox* q;
  ui::ListboxModel model;
  QPointer<ui::ListboxView> view;
  QCollator collator = ListCollator();
  ui::SortBuffers sortBuffers;

  Integer reported = -1;  // ListIndex as Change last announced it
  Integer lastIndex = -1;
  Integer selectionType = 0;
  bool programChanging = false;
  bool selectionTouched = false;
  bool commitQueued = false;

  String widthsText;
  std::vector<ui::ColumnWidth> widths;
  bool applyingWidths = false;
  bool resizable = true;

  Integer headingIndex = -1;
  Integer sortedColumn = -1;
  std::vector<Integer> directions;  // per column, 1 or -1
};

Listbox::Impl::Impl(Listbox* owner) : q(owner), view(new ui::ListboxView) {
  view->setModel(&model);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  QObject::connect(selection(), &QItemSelectionModel::selectionChanged, view,
                   [this] { qtSelectionChanged(); });
  QHeaderView* header = view->header();
  QObject::connect(header, &QHeaderView::sectionClicked, view,
                   [this](int column) { Dispatch([this, column] { headingClicked(column); }); });
  QObject::connect(header, &QHeaderView::sectionResized, view,
                   [this](int column, int, int pixels) { userResizedColumn(column, pixels); });
  view->beforeInput = [this] { commit(); };
  view->doubleClicked = [this] {
    Dispatch([this] {
      if (q->DoubleClick) q->DoubleClick();
    });
  };
  view->viewportResized = [this] { applyColumnWidths(); };
  directions.assign(model.columns(), 1);
  widths = ui::ParseColumnWidths(widthsText, model.columns());
  applyColumnWidths();
}

Integer Listbox::Impl::firstSelected() const {
  Integer first = -1;
  for (const QItemSelectionRange& range : selection()->selection()) {
    if (first < 0 || range.top() < first) first = range.top();
  }
  return first;
}

bool Listbox::Impl::isSelected(Integer row) const {
  // By row span: a range need not cover the hidden columns.
  for (const QItemSelectionRange& range : selection()->selection()) {
    if (row >= range.top() && row <= range.bottom()) return true;
  }
  return false;
}

void Listbox::Impl::rowAdded() {
  lastIndex = model.count() - 1;
  scheduleCommit();
}

void Listbox::Impl::scheduleCommit() {
  if (commitQueued) return;
  commitQueued = true;
  QMetaObject::invokeMethod(
      &model, [this] { commit(); }, Qt::QueuedConnection);
}

void Listbox::Impl::commit() {
  commitQueued = false;
  if (!model.dirty()) return;
  // Qt does not promise to keep the scroll place across a reset; a refill
  // must not move the list.
  const int top = model.resetPending() ? view->verticalScrollBar()->value() : 0;
  model.commit();
  if (top > 0 && model.count() > 0) {
    view->layoutNow();
    view->verticalScrollBar()->setValue(top);
  }
}

Integer Listbox::Impl::scrollPosition() {
  commit();
  view->layoutNow();
  return view->verticalScrollBar()->value();
}

template <class F>
void Listbox::Impl::programSelection(F&& change) {
  {
    QScopedValueRollback<bool> quiet(programChanging, true);
    selectionTouched = false;
    change();
  }
  report(selectionTouched);
}

void Listbox::Impl::qtSelectionChanged() {
  if (programChanging) {
    selectionTouched = true;
    return;
  }
  Dispatch([this] { report(true); });
}

void Listbox::Impl::report(bool setChanged) {
  // A single list announces a new ListIndex; a multiple one every change
  // of the set of selected rows.
  const Integer now = firstSelected();
  const bool changed = now != reported || (multiple() && setChanged);
  reported = now;
  if (changed && q->Change) q->Change();
}

void Listbox::Impl::applyColumnWidths() {
  const std::vector<int> pixels = ui::ResolveColumnWidths(widths, view->viewport()->width());
  QHeaderView* header = view->header();
  QScopedValueRollback<bool> applying(applyingWidths, true);
  for (int c = 0; c < static_cast<int>(pixels.size()) && c < header->count(); ++c) {
    // Hidden, not merely narrow: Qt keeps a section's minimum otherwise.
    header->setSectionHidden(c, pixels[c] == 0);
    if (pixels[c] > 0) header->resizeSection(c, pixels[c]);
    header->setSectionResizeMode(c, resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
  }
}

void Listbox::Impl::userResizedColumn(int column, int pixels) {
  if (applyingWidths || column < 0 || column >= static_cast<int>(widths.size())) return;
  // A dragged column keeps its new width; the "*" columns take up the rest.
  if (!widths[column].star) widths[column].pixels = pixels;
  applyColumnWidths();
}

void Listbox::Impl::headingClicked(int column) {
  if (column == headingIndex && column == sortedColumn) {
    q->SetColumnSortDirection(column, -q->ColumnSortDirection(column));
  }
  q->SetHeadingIndex(column);
  q->SetSortedColumn(column);
  q->Sort();
}

void Listbox::Impl::showSortIndicator() {
  QHeaderView* header = view->header();
  header->setSortIndicatorShown(headingIndex >= 0);
  if (headingIndex >= 0) {
    header->setSortIndicator(headingIndex, q->ColumnSortDirection(headingIndex) < 0
                                               ? Qt::DescendingOrder
                                               : Qt::AscendingOrder);
  }
}

// ---------------------------------------------------------------------------

Listbox::Listbox() : d(std::make_unique<Impl>(this)) {}
Listbox::~Listbox() = default;

QWidget* Listbox::widget() const { return d->view; }

void Listbox::AddRow(const String& firstCell) {
  d->model.addRow(firstCell);
  d->rowAdded();
}

void Listbox::AddRow(const std::vector<String>& cells) {
  d->model.addRow(cells);
  d->rowAdded();
}

void Listbox::AddRows(RecordSet& rs) {
  const Integer before = d->model.count();
  d->model.addRows(rs);
  if (d->model.count() > before) d->rowAdded();
}

void Listbox::DeleteAllRows() {
  d->programSelection([this] {
    d->selection()->clear();
    d->model.clear();
  });
  d->lastIndex = -1;
  d->scheduleCommit();
}

void Listbox::RemoveRow(Integer row) {
  if (!d->inRange(row)) return;
  d->commit();
  const bool wasSelected = d->isSelected(row);
  {
    QScopedValueRollback<bool> quiet(d->programChanging, true);
    // Qt would select a neighbour of a removed current row.
    if (d->selection()->currentIndex().row() == row) d->selection()->clearCurrentIndex();
    d->model.removeRow(row);
  }
  if (d->lastIndex == row)
    d->lastIndex = -1;
  else if (d->lastIndex > row)
    --d->lastIndex;
  if (wasSelected) {
    d->report(true);
  } else {
    d->reported = d->firstSelected();
  }
}

Integer Listbox::ListCount() const { return d->model.count(); }
Integer Listbox::LastIndex() const { return d->lastIndex; }
Integer Listbox::ColumnCount() const { return d->model.columns(); }

void Listbox::SetColumnCount(Integer n) {
  d->model.setColumns(n);
  d->directions.resize(d->model.columns(), 1);
  d->widths = ui::ParseColumnWidths(d->widthsText, d->model.columns());
  d->applyColumnWidths();
  d->showSortIndicator();
}

String Listbox::Heading(Integer column) const { return d->model.heading(column); }
void Listbox::SetHeading(Integer column, const String& text) { d->model.setHeading(column, text); }

bool Listbox::HasHeading() const { return !d->view->isHeaderHidden(); }
void Listbox::SetHasHeading(bool shown) { d->view->setHeaderHidden(!shown); }

String Listbox::Cell(Integer row, Integer column) const { return d->model.cell(row, column); }
void Listbox::ReadCell(Integer row, Integer column, String& text) const {
  d->model.readCell(row, column, text);
}
void Listbox::SetCell(Integer row, Integer column, const String& text) {
  d->model.setCell(row, column, text);
}

Integer Listbox::ListIndex() const { return d->firstSelected(); }

void Listbox::SetListIndex(Integer row) {
  d->commit();
  d->programSelection([this, row] {
    if (d->inRange(row)) {
      const QModelIndex index = d->model.index(row, 0);
      d->selection()->setCurrentIndex(
          index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      d->view->scrollTo(index);  // only when the row is out of sight
    } else {
      d->selection()->clear();
    }
  });
}

bool Listbox::Selected(Integer row) const { return d->isSelected(row); }

void Listbox::SetSelected(Integer row, bool selected) {
  if (!d->inRange(row)) return;
  if (!d->multiple()) {
    if (selected)
      SetListIndex(row);
    else if (d->isSelected(row))
      SetListIndex(-1);
    return;
  }
  d->commit();
  d->programSelection([this, row, selected] {
    d->selection()->select(d->model.index(row, 0), (selected ? QItemSelectionModel::Select
                                                             : QItemSelectionModel::Deselect) |
                                                       QItemSelectionModel::Rows);
  });
}

Integer Listbox::SelectionType() const { return d->selectionType; }

void Listbox::SetSelectionType(Integer type) {
  d->selectionType = type == 1 ? 1 : 0;
  d->view->setSelectionMode(d->multiple() ? QAbstractItemView::ExtendedSelection
                                          : QAbstractItemView::SingleSelection);
}

Integer Listbox::ScrollPosition() const { return d->scrollPosition(); }

void Listbox::SetScrollPosition(Integer row) {
  d->commit();
  d->view->layoutNow();
  QScrollBar* bar = d->view->verticalScrollBar();
  bar->setValue(std::clamp(row, 0, bar->maximum()));
}

String Listbox::ColumnWidths() const { return d->widthsText; }

void Listbox::SetColumnWidths(const String& widths) {
  d->widthsText = widths;
  d->widths = ui::ParseColumnWidths(widths, d->model.columns());
  d->applyColumnWidths();
}

bool Listbox::ColumnsResizable() const { return d->resizable; }

void Listbox::SetColumnsResizable(bool resizable) {
  d->resizable = resizable;
  d->applyColumnWidths();
}

Integer Listbox::HeadingIndex() const { return d->headingIndex; }

void Listbox::SetHeadingIndex(Integer column) {
  d->headingIndex = column >= 0 && column < ColumnCount() ? column : -1;
  d->showSortIndicator();
}

Integer Listbox::SortedColumn() const { return d->sortedColumn; }
void Listbox::SetSortedColumn(Integer column) { d->sortedColumn = column; }

Integer Listbox::ColumnSortDirection(Integer column) const {
  if (column < 0 || column >= static_cast<Integer>(d->directions.size())) return 1;
  return d->directions[column];
}

void Listbox::SetColumnSortDirection(Integer column, Integer direction) {
  if (column < 0 || column >= static_cast<Integer>(d->directions.size())) return;
  d->directions[column] = direction < 0 ? -1 : 1;
  if (column == d->headingIndex) d->showSortIndicator();
}

void Listbox::Sort() {
  const Integer column = d->sortedColumn;
  if (column < 0 || column >= ColumnCount()) return;
  d->commit();
  const std::vector<int>& order =
      ui::SortedOrder(d->model, column, ColumnSortDirection(column) < 0, SortKey, CompareRows,
                      d->collator, d->sortBuffers);
  {
    // The selection follows its rows through the layout change.
    QScopedValueRollback<bool> quiet(d->programChanging, true);
    const std::vector<int>& newIndex = d->model.reorder(order);
    if (d->lastIndex >= 0) d->lastIndex = newIndex[d->lastIndex];
  }
  d->reported = d->firstSelected();
}

}  // namespace fw
