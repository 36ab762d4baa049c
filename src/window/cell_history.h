// `CellHistory`: the one undo history of the grid cells, on the toolkit's undo
// stack. A step holds, for each cell it changed, the cell's text before and
// after, and undoing or redoing it writes those texts back exactly.
//
// Changes are recorded once they are made, so recording a step writes
// nothing. Consecutive typed edits of one cell make one step until typing
// ends (the cell loses the focus, or any other step, undo or redo comes); an
// edit that brings the cell back to its text before makes none.
//
// The history keeps the newest 100 steps and, beyond the newest step, at most
// kTextBudget characters of texts, dropping the oldest steps first, so that
// its memory stays bounded however long the texts the user types.

#ifndef GRIDCODE_WINDOW_CELL_HISTORY_H_
#define GRIDCODE_WINDOW_CELL_HISTORY_H_

#include <QString>
#include <QUndoStack>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "grid/grid_document.h"

namespace gridcode {

// The texts of the 140 cells, in index order.
using CellTexts = std::array<QString, kCellCount>;

// A text to write into the cell `index`.
struct CellText {
  int index;
  QString text;
};

class CellHistory {
 public:
  static constexpr int kStepLimit = 100;
  static constexpr std::int64_t kTextBudget = std::int64_t{1} << 20;

  // A history that writes texts back into the cells through `write`.
  explicit CellHistory(std::function<void(const std::vector<CellText>&)> write);
  ~CellHistory();

  // The undo stack, for the actions that show and trigger undo and redo.
  QUndoStack& stack() { return stack_; }

  // Records the change of the cells from `before` to `after`, already made,
  // as one step; nothing when no cell's text changed.
  void Record(const CellTexts& before, const CellTexts& after);
  // Records the typed change of the cell `index` from `before` to `after`,
  // already made, joining the step of the keystrokes before it in that cell.
  void RecordTyping(int index, const QString& before, const QString& after);
  // Ends the typed step under way: the next keystroke starts a new one.
  void EndTyping();

  void Undo();
  void Redo();

 private:
  class Step;

  // Pushes `step`, then drops the oldest steps while the texts held exceed
  // the budget.
  void Push(Step* step);

  std::function<void(const std::vector<CellText>&)> write_;
  std::int64_t text_size_ = 0;    // characters held by all steps
  const Step* typing_ = nullptr;  // the step that keystrokes join, if any
  QUndoStack stack_;              // last, so that its steps go before the rest
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_CELL_HISTORY_H_
