// The look of our topic pages: page width, margins, fonts and sizes.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_PAGE_STYLE_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_PAGE_STYLE_H_

namespace tessaly::content_compiler {

// Every page is 14650 x h (0.01 mm), that is 554 pixels wide at 96 dpi.
inline constexpr int kPageFrameWidth = 14650;
inline constexpr int kPageWidthPx = 554;
// Pages of topics without fixed frames are cut at this height.
inline constexpr int kMaxPageHeightPx = 936;

inline constexpr int kMarginLeftPx = 38;
inline constexpr int kMarginRightPx = 38;
inline constexpr int kMarginTopPx = 28;
inline constexpr int kMarginBottomPx = 28;
// Pages without fixed frames stack into one column; where one continues
// the next, each keeps this little white, so the join looks like the gap
// between two paragraphs.
inline constexpr int kJoinMarginPx = 3;

inline constexpr char16_t kSongFamily[] = u"宋体";
inline constexpr char16_t kLatinFamily[] = u"Times New Roman";

inline constexpr double kBodyPointSize = 10.5;
inline constexpr double kTitlePointSize = 16;
inline constexpr double kSectionPointSize = 12;
inline constexpr double kSubsectionPointSize = 10.5;

inline constexpr double kParagraphSpacingPx = 4;
inline constexpr double kListIndentPx = 28;
inline constexpr double kNotePaddingPx = 8;
inline constexpr double kNoteMarginPx = 6;
inline constexpr double kCellPaddingPx = 3;
inline constexpr double kRuleWidthPx = 1;

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_PAGE_STYLE_H_
