#include "window/cell_history.h"

#include <QUndoCommand>
#include <utility>

namespace gridcode {
namespace {

// Typed steps share an id, so that the stack offers each keystroke's step to
// the step before it to join; other steps never join.
constexpr int kTypingId = 1;

struct CellEdit {
  int index;
  QString before, after;
};

std::int64_t TextSize(const std::vector<CellEdit>& edits) {
  std::int64_t size = 0;
  for (const CellEdit& edit : edits) size += edit.before.size() + edit.after.size();
  return size;
}

}  // namespace

class CellHistory::Step : public QUndoCommand {
 public:
  // A step of `edits`, already made. A typed step that `joins` the open typed
  // step is merged into it by the stack.
  Step(CellHistory* history, std::vector<CellEdit> edits, bool typed, bool joins)
      : history_(history), edits_(std::move(edits)), typed_(typed), joins_(joins) {
    history_->text_size_ += TextSize(edits_);
  }
  ~Step() override {
    history_->text_size_ -= TextSize(edits_);
    if (history_->typing_ == this) history_->typing_ = nullptr;
  }
  Step(const Step&) = delete;
  Step& operator=(const Step&) = delete;

  const std::vector<CellEdit>& edits() const { return edits_; }
  bool typed() const { return typed_; }

  int id() const override { return typed_ ? kTypingId : -1; }

  void undo() override { Write(&CellEdit::before); }

  void redo() override {
    // The stack redoes a step as it is pushed, and the change is made already.
    if (std::exchange(made_, false)) return;
    Write(&CellEdit::after);
  }

  bool mergeWith(const QUndoCommand* other) override {
    const auto& next = static_cast<const Step&>(*other);
    if (!next.joins_ || history_->typing_ != this) return false;
    history_->text_size_ -= TextSize(edits_);
    edits_.front().after = next.edits_.front().after;
    history_->text_size_ += TextSize(edits_);
    // Back to the text before: no step, and the stack drops this one.
    setObsolete(edits_.front().before == edits_.front().after);
    return true;
  }

 private:
  void Write(QString CellEdit::*text) const {
    std::vector<CellText> texts;
    texts.reserve(edits_.size());
    for (const CellEdit& edit : edits_) texts.push_back({edit.index, edit.*text});
    history_->write_(texts);
  }

  CellHistory* history_;
  std::vector<CellEdit> edits_;
  bool typed_, joins_;
  bool made_ = true;
};

CellHistory::CellHistory(std::function<void(const std::vector<CellText>&)> write)
    : write_(std::move(write)) {
  stack_.setUndoLimit(kStepLimit);
}

CellHistory::~CellHistory() = default;

void CellHistory::Record(const CellTexts& before, const CellTexts& after) {
  EndTyping();
  std::vector<CellEdit> edits;
  for (int i = 0; i < kCellCount; ++i) {
    if (before[i] != after[i]) edits.push_back({i, before[i], after[i]});
  }
  if (!edits.empty()) Push(new Step(this, std::move(edits), false, false));
}

void CellHistory::RecordTyping(int index, const QString& before, const QString& after) {
  const QUndoCommand* top = stack_.index() > 0 ? stack_.command(stack_.index() - 1) : nullptr;
  const bool joins =
      typing_ != nullptr && typing_ == top && typing_->edits().front().index == index;
  auto* step = new Step(this, {{index, before, after}}, true, joins);
  if (!joins) typing_ = step;
  Push(step);
}

void CellHistory::EndTyping() { typing_ = nullptr; }

void CellHistory::Undo() {
  EndTyping();
  stack_.undo();
}

void CellHistory::Redo() {
  EndTyping();
  stack_.redo();
}

void CellHistory::Push(Step* step) {
  stack_.push(step);  // `step` may be merged into the step before and deleted
  if (text_size_ <= kTextBudget || stack_.count() <= 1) return;
  // The stack drops old steps only by their number. Over the budget, the
  // newest steps that fit (at least one) are pushed again into the emptied
  // stack; after a push there is nothing to redo, so they are all undoable.
  int first = stack_.count() - 1;
  std::int64_t kept = TextSize(static_cast<const Step*>(stack_.command(first))->edits());
  while (first > 0) {
    const auto* older = static_cast<const Step*>(stack_.command(first - 1));
    if (kept + TextSize(older->edits()) > kTextBudget) break;
    kept += TextSize(older->edits());
    --first;
  }
  struct Kept {
    std::vector<CellEdit> edits;
    bool typed, open;
  };
  std::vector<Kept> steps;
  for (int i = first; i < stack_.count(); ++i) {
    const auto* old = static_cast<const Step*>(stack_.command(i));
    steps.push_back({old->edits(), old->typed(), old == typing_});
  }
  stack_.clear();
  for (Kept& kept_step : steps) {
    auto* again = new Step(this, std::move(kept_step.edits), kept_step.typed, false);
    stack_.push(again);
    if (kept_step.open) typing_ = again;
  }
}

}  // namespace gridcode
