#include "window/form1_layout.h"

#include <QStringList>
#include <array>

#include "grid/grid_document.h"

namespace gridcode::form1_layout {
namespace {

constexpr Box kClient = {0, 0, 13635, 9285};
constexpr int kCellSize = 375;
constexpr std::array<int, kColumns> kColumnLeft = {840,  1320, 1800, 2280, 2760, 3240, 3720,
                                                   4320, 4800, 5280, 5760, 6240, 6720, 7200};
constexpr std::array<int, kRows> kRowTop = {720,  1320, 1920, 2400, 2880,
                                            3480, 4080, 4680, 5160, 5640};
// Level with the grid rows, except row code 2, which stands 120 twips higher.
constexpr std::array<int, kRows> kRowCodeTop = {720,  1320, 1800, 2400, 2880,
                                                3480, 4080, 4680, 5160, 5640};
constexpr int kRowCodeLeft = 8040, kRowCodeWidth = 3255, kFieldHeight = 375;
constexpr Box kCommand1Box = {2880, 7200, 1335, 540};
constexpr std::array<Box, kDataLineCount> kDataLineBox = {Box{5040, 6720, 8175, 375},
                                                          Box{5040, 7200, 8175, 375}};
constexpr Box kSaveBox = {7800, 8280, 1815, 495};
constexpr Box kLoadBox = {10200, 8280, 1455, 495};
// The picture stands level with the first DATA line, in line with grid column 0.
constexpr Box kPictureBox = {840, 6720, kColumns* kPictureCellTwips, kRows* kPictureCellTwips};
// The swatches stand below the picture, in line with grid columns 0 to 3,
// level with the middle of SAVE: squares the size of a cell.
constexpr int kSwatchTop = 8340;
constexpr std::array<int, kToolSlots> kToolColumn = {5, 6, 7, 8, 10, 11, 12, 13};
// The bank stands in the column right of the row codes (x 11295 to 13635),
// from the top of row code 0 to just above row code 8; its label is level
// with row code 8 and its buttons with row code 9.
constexpr Box kBankBox = {11520, 720, 1935, 4320};
constexpr Box kBankCountBox = {11520, 5160, 1935, kFieldHeight};
constexpr int kBankButtonTop = 5640, kBankButtonPitch = 780;
constexpr int kClipboardButtonTop = 6120;
// The strip above the grid's first row, which starts at 720.
constexpr int kStripTop = 165;
constexpr Box kPaletteBox = {840, kStripTop, 1800, kFieldHeight};
constexpr int kColourChoiceLeft = 2760, kColourChoicePitch = 1560, kColourChoiceWidth = 1500;
constexpr Box kPlayBox = {8040, kStripTop, kCellSize, kFieldHeight};
constexpr Box kRateBox = {8520, kStripTop, 900, kFieldHeight};
constexpr Box kPlayModeBox = {9525, kStripTop, 1770, kFieldHeight};
constexpr int kPlayRangePitch = 1020, kPlayRangeWidth = 915;

constexpr double kFontPoints = 14.25;
constexpr double kCommand1FontPoints = 9;

QFont GothicFont(double points) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                    QStringLiteral("TakaoPGothic"), QStringLiteral("Droid Sans Fallback")});
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

}  // namespace

QSize ClientSize() { return kClient.Pixels().size(); }

QRect CellRect(int index) {
  return Box{kColumnLeft[ColumnOf(index)], kRowTop[RowOf(index)], kCellSize, kCellSize}.Pixels();
}

QRect RowCodeRect(int row) {
  return Box{kRowCodeLeft, kRowCodeTop[row], kRowCodeWidth, kFieldHeight}.Pixels();
}

QRect DataLineRect(int line) { return kDataLineBox[line].Pixels(); }
QRect Command1Rect() { return kCommand1Box.Pixels(); }
QRect SaveRect() { return kSaveBox.Pixels(); }
QRect LoadRect() { return kLoadBox.Pixels(); }
QRect PictureRect() { return kPictureBox.Pixels(); }

QRect SwatchRect(int value) {
  return Box{kColumnLeft[value], kSwatchTop, kCellSize, kCellSize}.Pixels();
}

QRect ToolRect(int slot) {
  return Box{kColumnLeft[kToolColumn[slot]], kSwatchTop, kCellSize, kCellSize}.Pixels();
}

QRect BankRect() { return kBankBox.Pixels(); }
QRect BankCountRect() { return kBankCountBox.Pixels(); }

QRect BankButtonRect(int slot) {
  return Box{kBankBox.left + kBankButtonPitch * slot, kBankButtonTop, kCellSize, kCellSize}
      .Pixels();
}

QSize ToolIconSize() { return Box{0, 0, 270, 270}.Pixels().size(); }

QFont FormFont() { return GothicFont(kFontPoints); }
QFont Command1Font() { return GothicFont(kCommand1FontPoints); }
QFont BankCountFont() { return GothicFont(kCommand1FontPoints); }
QFont StripFont() { return GothicFont(kCommand1FontPoints); }

QRect ClipboardButtonRect(int slot) {
  return Box{kBankBox.left + kBankButtonPitch * slot, kClipboardButtonTop, kCellSize, kCellSize}
      .Pixels();
}

QRect PaletteRect() { return kPaletteBox.Pixels(); }

QRect ColourChoiceRect(int slot) {
  return Box{kColourChoiceLeft + kColourChoicePitch * slot, kStripTop, kColourChoiceWidth,
             kFieldHeight}
      .Pixels();
}

QRect PlayRect() { return kPlayBox.Pixels(); }
QRect RateRect() { return kRateBox.Pixels(); }
QRect PlayModeRect() { return kPlayModeBox.Pixels(); }

QRect PlayRangeRect(int end) {
  return Box{kBankBox.left + kPlayRangePitch * end, kStripTop, kPlayRangeWidth, kFieldHeight}
      .Pixels();
}

}  // namespace gridcode::form1_layout
