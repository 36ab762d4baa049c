// `BankHistory`: the one undo history of the document, on the toolkit's undo
// stack. Every change of the bank is a step whose redo() and undo() make it
// in the model: an edit of any of a sprite's 152 texts, a stroke of paint, a
// mirror or a move, a file opened, a sprite added, copied, deleted or moved.
// Undoing or redoing an edit of a sprite first shows that sprite.
//
// A step always changes something: a change that leaves every text as it was
// makes none. Keystrokes in one field make one step until typing ends (the
// field loses the focus, or any other step, undo or redo comes); the cells a
// stroke of paint covers make one step. Either is dropped when it comes back
// to the texts before it.
//
// The history keeps the newest kStepLimit steps and, beyond the newest step,
// at most kTextBudget characters of texts, dropping the oldest steps first, so
// that its memory stays bounded however long the texts the user types.

#ifndef GRIDCODE_WINDOW_BANK_HISTORY_H_
#define GRIDCODE_WINDOW_BANK_HISTORY_H_

#include <QUndoStack>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/bank_model.h"

namespace gridcode {

class BankHistory {
 public:
  static constexpr int kStepLimit = 100;
  static constexpr std::int64_t kTextBudget = std::int64_t{1} << 20;

  // A history of the changes of `model`, which outlives it.
  explicit BankHistory(BankModel& model);
  ~BankHistory();
  BankHistory(const BankHistory&) = delete;
  BankHistory& operator=(const BankHistory&) = delete;

  // The undo stack, for the actions that show and trigger undo and redo.
  QUndoStack& stack() { return stack_; }

  // Gives field `field` of the shown sprite the typed text `text`, joining
  // the typed step under way in that field.
  void Type(int field, std::string text);
  // Ends the typed step under way: the next keystroke starts a new one.
  void EndTyping();
  // Gives the cells `indices` of the shown sprite the text `text`, painted
  // by the stroke `stroke`, joining that stroke's step.
  void Paint(int stroke, const std::vector<int>& indices, const std::string& text);
  // Gives the shown sprite the texts `after` and, when given, the document
  // the file `file`, as one step.
  void Change(const GridDocument& after, const std::optional<DocumentFile>& file = std::nullopt);
  // Puts `sprite` at `at` and shows it.
  void InsertSprite(std::size_t at, BankSprite sprite);
  // Deletes sprite `at`, when the bank holds another.
  void RemoveSprite(std::size_t at);
  // Moves sprite `from` to `to` and shows it there.
  void MoveSprite(std::size_t from, std::size_t to);
  // Replaces the whole bank and file, as when a listing is opened.
  void ReplaceBank(SpriteBank bank, DocumentFile file);

  void Undo();
  void Redo();

 private:
  class Step;
  class TextsStep;
  class SpriteStep;
  class MoveStep;
  class BankStep;
  struct MergeKey {
    int kind = 0;  // 0: the step joins none
    long long stroke = 0;
    long long field = 0;
    friend bool operator==(const MergeKey&, const MergeKey&) = default;
  };

  struct FieldEdit {
    int field;
    std::string before, after;
  };
  struct FileEdit {
    DocumentFile before, after;
  };

  // Pushes the edits `edits` of sprite `sprite` as one step, unless they
  // change nothing.
  void PushEdits(std::size_t sprite, std::vector<FieldEdit> edits, MergeKey key,
                 std::optional<FileEdit> file = std::nullopt);
  // Pushes `step`, then drops the oldest steps while the texts held exceed
  // the budget.
  void Push(Step* step);

  BankModel& model_;
  std::int64_t text_size_ = 0;   // characters held by all steps
  long long typing_serial_ = 0;  // counts the typed steps that were ended
  QUndoStack stack_;             // last, so that its steps go before the rest
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_BANK_HISTORY_H_
