// `BankPlayer`: plays the bank's sprites as an animation, one frame a tick of
// the event loop's timer, so that the window stays responsive while it plays.
//
// It only says which sprite each frame shows; the window draws it in the
// picture. Playing changes no field and no history: the window stops the
// player before any change, and the picture then shows the shown sprite.

#ifndef GRIDCODE_WINDOW_BANK_PLAYER_H_
#define GRIDCODE_WINDOW_BANK_PLAYER_H_

#include <QObject>
#include <QTimer>
#include <cstddef>

namespace gridcode {

class BankPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSlowestRate = 1, kFastestRate = 60, kDefaultRate = 8;

  enum class Mode {
    kLoop,         // first to last, then the first again
    kBackAndForth  // first to last and back, the ends shown once
  };

  explicit BankPlayer(QObject* parent = nullptr);

  bool playing() const { return timer_.isActive(); }
  int rate() const { return rate_; }
  Mode mode() const { return mode_; }

  // Plays the sprites `first` to `last`, both included, from `first`.
  void Play(std::size_t first, std::size_t last);
  // Stops, if playing, and says so.
  void Stop();
  // Sets the frames a second, kSlowestRate to kFastestRate, at once.
  void SetRate(int frames_per_second);
  void SetMode(Mode mode) { mode_ = mode; }

 signals:
  // A frame shows sprite `sprite`.
  void Frame(std::size_t sprite);
  // Playing stopped.
  void Stopped();

 private:
  void Tick();

  QTimer timer_;
  int rate_ = kDefaultRate;
  Mode mode_ = Mode::kLoop;
  std::size_t first_ = 0, last_ = 0, frame_ = 0;
  bool backwards_ = false;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_BANK_PLAYER_H_
