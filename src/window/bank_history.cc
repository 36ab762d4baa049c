#include "window/bank_history.h"

#include <QUndoCommand>
#include <algorithm>
#include <utility>

namespace gridcode {
namespace {

// Steps that may join the step before them share an id; the others have none.
constexpr int kJoiningId = 1;
constexpr int kTyping = 1, kStroke = 2;

std::int64_t BankTextSize(const SpriteBank& bank) {
  std::int64_t size = 0;
  for (const BankSprite& sprite : bank.sprites()) {
    size += static_cast<std::int64_t>(TextSize(sprite));
  }
  return size;
}

}  // namespace

// A step of the history. Its redo() is called as it is pushed and makes the
// change, except for a step pushed again to keep the history within its
// budget, whose change stands already.
class BankHistory::Step : public QUndoCommand {
 public:
  explicit Step(BankHistory& history) : history_(history) {}
  ~Step() override { history_.text_size_ -= size_; }
  Step(const Step&) = delete;
  Step& operator=(const Step&) = delete;

  void redo() final {
    if (std::exchange(made_, false)) return;
    Make();
  }
  void undo() final { Unmake(); }

  // A copy of this step, whose change stands already.
  Step* Again() const {
    Step* again = Clone();
    again->made_ = true;
    return again;
  }
  std::int64_t size() const { return size_; }

 protected:
  virtual void Make() = 0;
  virtual void Unmake() = 0;
  virtual Step* Clone() const = 0;

  // Counts `size` characters as held by this step.
  void SetSize(std::int64_t size) {
    history_.text_size_ += size - size_;
    size_ = size;
  }
  BankModel& model() const { return history_.model_; }
  BankHistory& history() const { return history_; }

 private:
  BankHistory& history_;
  std::int64_t size_ = 0;
  bool made_ = false;
};

class BankHistory::TextsStep : public Step {
 public:
  TextsStep(BankHistory& history, std::size_t sprite, std::vector<FieldEdit> edits, MergeKey key,
            std::optional<FileEdit> file)
      : Step(history),
        sprite_(sprite),
        edits_(std::move(edits)),
        key_(key),
        file_(std::move(file)) {
    CountSize();
  }

  bool changes_nothing() const { return edits_.empty() && !file_; }
  int id() const override { return key_.kind != 0 ? kJoiningId : -1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto& next = static_cast<const TextsStep&>(*other);
    if (next.key_ != key_ || next.sprite_ != sprite_ || file_ || next.file_) return false;
    for (const FieldEdit& edit : next.edits_) {
      const auto same = std::find_if(edits_.begin(), edits_.end(), [&](const FieldEdit& mine) {
        return mine.field == edit.field;
      });
      if (same == edits_.end()) {
        edits_.push_back(edit);
      } else {
        same->after = edit.after;
      }
    }
    std::erase_if(edits_, [](const FieldEdit& edit) { return edit.before == edit.after; });
    CountSize();
    // Back to the texts before: no step, and the stack drops this one.
    setObsolete(edits_.empty());
    return true;
  }

 protected:
  void Make() override {
    model().SetShown(sprite_);
    for (const FieldEdit& edit : edits_) model().SetText(sprite_, edit.field, edit.after);
    if (file_) model().SetFile(file_->after);
  }
  void Unmake() override {
    model().SetShown(sprite_);
    for (const FieldEdit& edit : edits_) model().SetText(sprite_, edit.field, edit.before);
    if (file_) model().SetFile(file_->before);
  }
  Step* Clone() const override { return new TextsStep(history(), sprite_, edits_, key_, file_); }

 private:
  void CountSize() {
    std::int64_t size = 0;
    for (const FieldEdit& edit : edits_) {
      size += static_cast<std::int64_t>(edit.before.size() + edit.after.size());
    }
    SetSize(size);
  }

  std::size_t sprite_;
  std::vector<FieldEdit> edits_;
  MergeKey key_;
  std::optional<FileEdit> file_;
};

// A sprite added at, or deleted from, its place.
class BankHistory::SpriteStep : public Step {
 public:
  SpriteStep(BankHistory& history, bool insert, std::size_t at, BankSprite sprite,
             std::size_t shown_before)
      : Step(history),
        insert_(insert),
        at_(at),
        sprite_(std::move(sprite)),
        shown_before_(shown_before) {
    SetSize(static_cast<std::int64_t>(TextSize(sprite_)));
  }

 protected:
  void Make() override { insert_ ? Add() : Take(); }
  void Unmake() override {
    insert_ ? Take() : Add();
    model().SetShown(shown_before_);
  }
  Step* Clone() const override {
    return new SpriteStep(history(), insert_, at_, sprite_, shown_before_);
  }

 private:
  void Add() { model().Insert(at_, sprite_); }
  void Take() { model().Remove(at_); }

  bool insert_;
  std::size_t at_;
  BankSprite sprite_;
  std::size_t shown_before_;
};

class BankHistory::MoveStep : public Step {
 public:
  MoveStep(BankHistory& history, std::size_t from, std::size_t to)
      : Step(history), from_(from), to_(to) {}

 protected:
  void Make() override { model().Move(from_, to_); }
  void Unmake() override { model().Move(to_, from_); }
  Step* Clone() const override { return new MoveStep(history(), from_, to_); }

 private:
  std::size_t from_, to_;
};

// The whole bank and file exchanged: the step holds the one not in the model.
class BankHistory::BankStep : public Step {
 public:
  BankStep(BankHistory& history, SpriteBank bank, DocumentFile file)
      : Step(history), bank_(std::move(bank)), file_(std::move(file)) {
    SetSize(BankTextSize(bank_));
  }

 protected:
  void Make() override { Exchange(); }
  void Unmake() override { Exchange(); }
  Step* Clone() const override { return new BankStep(history(), bank_, file_); }

 private:
  void Exchange() {
    model().Swap(bank_, file_);
    SetSize(BankTextSize(bank_));
  }

  SpriteBank bank_;
  DocumentFile file_;
};

BankHistory::BankHistory(BankModel& model) : model_(model) { stack_.setUndoLimit(kStepLimit); }

BankHistory::~BankHistory() = default;

void BankHistory::Type(int field, std::string text) {
  const std::size_t sprite = model_.shown();
  std::string before = FieldText(model_.bank().texts(sprite), field);
  if (before == text) return;
  const MergeKey key{kTyping, typing_serial_, field};
  Push(new TextsStep(*this, sprite, {{field, std::move(before), std::move(text)}}, key, {}));
}

void BankHistory::EndTyping() { ++typing_serial_; }

void BankHistory::Paint(int stroke, const std::vector<int>& indices, const std::string& text) {
  const std::size_t sprite = model_.shown();
  std::vector<FieldEdit> edits;
  for (const int index : indices) {
    const std::string& before = model_.bank().texts(sprite).cells[index];
    const bool listed = std::any_of(edits.begin(), edits.end(),
                                    [&](const FieldEdit& edit) { return edit.field == index; });
    if (before != text && !listed) edits.push_back({index, before, text});
  }
  PushEdits(sprite, std::move(edits), {kStroke, stroke, 0});
}

void BankHistory::Change(const GridDocument& after, const std::optional<DocumentFile>& file) {
  const std::size_t sprite = model_.shown();
  const GridDocument& before = model_.bank().texts(sprite);
  std::vector<FieldEdit> edits;
  for (int field = 0; field < kFieldCount; ++field) {
    if (FieldText(before, field) != FieldText(after, field)) {
      edits.push_back({field, FieldText(before, field), FieldText(after, field)});
    }
  }
  std::optional<FileEdit> file_edit;
  if (file && *file != model_.file()) file_edit = FileEdit{model_.file(), *file};
  PushEdits(sprite, std::move(edits), {}, std::move(file_edit));
}

void BankHistory::PushEdits(std::size_t sprite, std::vector<FieldEdit> edits, MergeKey key,
                            std::optional<FileEdit> file) {
  if (edits.empty() && !file) return;
  Push(new TextsStep(*this, sprite, std::move(edits), key, std::move(file)));
}

void BankHistory::InsertSprite(std::size_t at, BankSprite sprite) {
  Push(new SpriteStep(*this, true, at, std::move(sprite), model_.shown()));
}

void BankHistory::RemoveSprite(std::size_t at) {
  if (model_.bank().size() < 2) return;
  Push(new SpriteStep(*this, false, at, model_.bank().sprite(at), model_.shown()));
}

void BankHistory::MoveSprite(std::size_t from, std::size_t to) {
  // Moving a sprite past sprites just like it changes nothing but the shown one.
  const auto& sprites = model_.bank().sprites();
  const auto first = sprites.begin() + static_cast<std::ptrdiff_t>(std::min(from, to));
  const auto last = sprites.begin() + static_cast<std::ptrdiff_t>(std::max(from, to)) + 1;
  if (std::all_of(first, last, [&](const BankSprite& sprite) { return sprite == sprites[from]; })) {
    model_.SetShown(to);
    return;
  }
  Push(new MoveStep(*this, from, to));
}

void BankHistory::ReplaceBank(SpriteBank bank, DocumentFile file) {
  if (bank == model_.bank() && file == model_.file()) return;
  Push(new BankStep(*this, std::move(bank), std::move(file)));
}

void BankHistory::Undo() {
  EndTyping();
  stack_.undo();
}

void BankHistory::Redo() {
  EndTyping();
  stack_.redo();
}

void BankHistory::Push(Step* step) {
  if (step->id() == -1) EndTyping();
  stack_.push(step);  // `step` may join the step before and be deleted
  if (text_size_ <= kTextBudget || stack_.count() <= 1) return;
  // The stack drops old steps only by their number. Over the budget, the
  // newest steps that fit (at least one) are pushed again into the emptied
  // stack; after a push there is nothing to redo, so they are all undoable.
  int first = stack_.count() - 1;
  std::int64_t kept = static_cast<const Step*>(stack_.command(first))->size();
  while (first > 0) {
    const std::int64_t older = static_cast<const Step*>(stack_.command(first - 1))->size();
    if (kept + older > kTextBudget) break;
    kept += older;
    --first;
  }
  std::vector<Step*> steps;
  for (int i = first; i < stack_.count(); ++i) {
    steps.push_back(static_cast<const Step*>(stack_.command(i))->Again());
  }
  stack_.clear();
  for (Step* again : steps) stack_.push(again);
}

}  // namespace gridcode
