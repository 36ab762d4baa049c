#include "window/bank_player.h"

#include <algorithm>

namespace gridcode {

BankPlayer::BankPlayer(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &BankPlayer::Tick);
  SetRate(kDefaultRate);
}

void BankPlayer::Play(std::size_t first, std::size_t last) {
  first_ = std::min(first, last);
  last_ = std::max(first, last);
  frame_ = first_;
  backwards_ = false;
  timer_.start();
  emit Frame(frame_);
}

void BankPlayer::Stop() {
  if (!timer_.isActive()) return;
  timer_.stop();
  emit Stopped();
}

void BankPlayer::SetRate(int frames_per_second) {
  rate_ = std::clamp(frames_per_second, kSlowestRate, kFastestRate);
  timer_.setInterval((1000 + rate_ / 2) / rate_);
}

void BankPlayer::Tick() {
  if (first_ == last_) {
    emit Frame(frame_);
    return;
  }
  if (mode_ == Mode::kLoop) {
    frame_ = frame_ >= last_ ? first_ : frame_ + 1;
  } else {
    if (frame_ >= last_) backwards_ = true;
    if (frame_ <= first_) backwards_ = false;
    frame_ = backwards_ ? frame_ - 1 : frame_ + 1;
  }
  emit Frame(frame_);
}

}  // namespace gridcode
