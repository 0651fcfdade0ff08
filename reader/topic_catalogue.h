// The topic catalogue: which pages a topic title shows, how the pages stack
// into a column, and how the column's scroll bar is set up. Pure functions
// over a constant table; titles are UTF-8 and compared exactly.
#ifndef TESSALY_READER_TOPIC_CATALOGUE_H_
#define TESSALY_READER_TOPIC_CATALOGUE_H_

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tessaly::reader {

struct TopicEntry {
  std::string_view title;
  std::string_view viewport;      // "Pic_03"
  std::string_view page_control;  // "Img_03"
  int page_count;                 // 1 to 7
  bool scrolling;                 // stacks its pages and shows the scroll bar
  int column_left;                // pixels; for a fixed page, its left and top
};

// The viewport's height, border included, in pixels.
inline constexpr int kViewportHeight = 441;
// Where a page stands when it is not laid out into a column.
inline constexpr int kFixedPageLeft = 8;
inline constexpr int kFixedPageTop = 8;

// The sixteen original topics first, in their order; after them one entry
// for every further topic of the menus, in menu order.
// clang-format off
inline constexpr std::array kTopicCatalogue = {
  TopicEntry{"考生能力自我诊断系统", "Pic_01", "Img_01", 1, false, 8},
  TopicEntry{"经典错题评析", "Pic_02", "Img_02", 1, false, 8},
  TopicEntry{"考生焦虑测评", "Pic_03", "Img_03", 7, true, 8},
  TopicEntry{"考生疲劳测评", "Pic_04", "Img_04", 4, true, 0},
  TopicEntry{"考生应试技能测评", "Pic_05", "Img_05", 6, true, 8},
  TopicEntry{"如何科学的安排考生饮食", "Pic_06", "Img_06", 2, true, 8},
  TopicEntry{"应试三天考生的饮食安排", "Pic_07", "Img_07", 1, true, 8},
  TopicEntry{"建档线、录取控制分数线、提档分数线和录取分数线有何区别", "Pic_08", "Img_08", 1, true, 8},
  TopicEntry{"如何根据自己的实际情况选择学校和专业", "Pic_09", "Img_09", 1, true, 8},
  TopicEntry{"四年后什么专业最热门", "Pic_10", "Img_10", 2, true, 8},
  TopicEntry{"标准分和原始分是怎么回事", "Pic_11", "Img_11", 2, true, 8},
  TopicEntry{"职业倾向测评1", "Pic_12", "Img_12", 2, true, 8},
  TopicEntry{"职业倾向测评2", "Pic_13", "Img_13", 2, true, 8},
  TopicEntry{"职业倾向测评3", "Pic_14", "Img_14", 2, true, 8},
  TopicEntry{"最佳应试状态的调整秘笈", "Pic_15", "Img_15", 1, true, 8},
  TopicEntry{"模拟志愿填报系统", "Pic_16", "Img_16", 1, true, 8},

  TopicEntry{"焦虑的预防与消除", "Pic_17", "Img_17", 3, true, 8},
  TopicEntry{"疲劳的预防与消除", "Pic_18", "Img_18", 3, true, 8},
  TopicEntry{"如何应对复习中走神现象", "Pic_19", "Img_19", 2, true, 8},
  TopicEntry{"提高记忆效果的最有效方法", "Pic_20", "Img_20", 3, true, 8},
  TopicEntry{"冲刺阶段最佳时间安排方案", "Pic_21", "Img_21", 3, true, 8},
  TopicEntry{"各学科考前必须加强巩固的知识点", "Pic_22", "Img_22", 3, true, 8},
  TopicEntry{"标准化答题技巧", "Pic_23", "Img_23", 3, true, 8},
  TopicEntry{"各科主要题型解答技巧", "Pic_24", "Img_24", 3, true, 8},
  TopicEntry{"考场应试技巧", "Pic_25", "Img_25", 3, true, 8},
  TopicEntry{"考场常见问题及对策", "Pic_26", "Img_26", 3, true, 8},
  TopicEntry{"如何渡过应试三天的最佳方案", "Pic_27", "Img_27", 2, true, 8},
  TopicEntry{"考生补脑专用食谱", "Pic_28", "Img_28", 3, true, 8},
  TopicEntry{"最后30天考生经典食谱", "Pic_29", "Img_29", 3, true, 8},
  TopicEntry{"考生饮食的几大误区", "Pic_30", "Img_30", 3, true, 8},
  TopicEntry{"家长应具备怎样的心态", "Pic_31", "Img_31", 2, true, 8},
  TopicEntry{"家长怎样做才有助于考生达到最佳复习效果", "Pic_32", "Img_32", 2, true, 8},
  TopicEntry{"冲刺阶段家长应注意哪些问题", "Pic_33", "Img_33", 3, true, 8},
  TopicEntry{"如何与考生共同走过应试三天", "Pic_34", "Img_34", 3, true, 8},
  TopicEntry{"成功家长的经验之谈", "Pic_35", "Img_35", 2, true, 8},
  TopicEntry{"填报志愿前应该了解那些知识", "Pic_36", "Img_36", 3, true, 8},
  TopicEntry{"考生档案被招生院校退回的主要原因", "Pic_37", "Img_37", 3, true, 8},
  TopicEntry{"如何看往年录取分数", "Pic_38", "Img_38", 2, true, 8},
  TopicEntry{"什么是高校录取大小年", "Pic_39", "Img_39", 3, true, 8},
  TopicEntry{"考生填写志愿时应注意哪些问题", "Pic_40", "Img_40", 3, true, 8},
  TopicEntry{"如何注意志愿之间的层次和坡度", "Pic_41", "Img_41", 3, true, 8},
  TopicEntry{"考生家长如何帮助子女选好志愿", "Pic_42", "Img_42", 3, true, 8},
  TopicEntry{"选志愿应避免哪些错误倾向", "Pic_43", "Img_43", 3, true, 8},
  TopicEntry{"高考志愿填报中的四大误区", "Pic_44", "Img_44", 3, true, 8},
  TopicEntry{"填报高考志愿的经验和教训", "Pic_45", "Img_45", 2, true, 8},
  TopicEntry{"怎么避免高分落选", "Pic_46", "Img_46", 2, true, 8},
  TopicEntry{"哪些专业的毕业生更受欢迎", "Pic_47", "Img_47", 3, true, 8},
  TopicEntry{"考生最青睐的实用专业", "Pic_48", "Img_48", 3, true, 8},
  TopicEntry{"各级各类院校就业形势分析", "Pic_49", "Img_49", 3, true, 8},
  TopicEntry{"今后几年我国急需的专门人才", "Pic_50", "Img_50", 2, true, 8},
  TopicEntry{"热门专业就业前景分析", "Pic_51", "Img_51", 3, true, 8},
  TopicEntry{"四年后各专业市场需求展望", "Pic_52", "Img_52", 3, true, 8},
  TopicEntry{"估考分报志愿技巧", "Pic_53", "Img_53", 3, true, 8},
  TopicEntry{"如何估计报考学院录取分数", "Pic_54", "Img_54", 3, true, 8},
  TopicEntry{"如何准确估计自己的分数", "Pic_55", "Img_55", 2, true, 8},
  TopicEntry{"综合职业测评", "Pic_56", "Img_56", 3, true, 8},
};
// clang-format on

// The entry whose title equals `title` exactly, or nullptr.
const TopicEntry* Lookup(std::string_view title);

// Where each page of a scrolling entry stands inside the viewport.
struct ColumnLayout {
  int left = 0;
  std::vector<double> tops;
  double total_height = 0;
};

// Page 0 at top 0; every further page right below the one before it; all at
// the entry's column left.
ColumnLayout LayOutColumn(const TopicEntry& entry,
                          std::span<const double> page_heights);

// The scroll bar of a column: Min 0, Max = column height − viewport height,
// LargeChange = Max ÷ 5 and SmallChange = Max ÷ 20, both rounded down.
struct ScrollSetup {
  int max = 0;
  int large_change = 1;
  int small_change = 1;
};

// Nothing when the column fits into the viewport: it needs no scroll bar.
// Otherwise the changes are at least 1, and Max stays within 16 bits.
std::optional<ScrollSetup> SetUpScrolling(
    std::span<const double> page_heights,
    int viewport_height = kViewportHeight);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_TOPIC_CATALOGUE_H_
