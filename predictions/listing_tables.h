// The built-in prediction catalogues that the listings are composed from.
#ifndef TESSALY_PREDICTIONS_LISTING_TABLES_H_
#define TESSALY_PREDICTIONS_LISTING_TABLES_H_

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "predictions/listing_catalogue.h"

namespace tessaly::predictions {

// An item of a region is either a group of entries that share one source
// text (the subjects written space-separated, in order) or a free line that
// goes into the listing as it is (group headings, closing notes).
struct ListingItem {
  enum class Kind { kNone, kEntries, kFreeLine };
  Kind kind = Kind::kNone;
  std::string_view text;    // subjects, or the free line
  std::string_view source;  // what follows "主要来源:", spaces and "。" kept
};

constexpr ListingItem Entries(std::string_view subjects,
                              std::string_view source) {
  return {ListingItem::Kind::kEntries, subjects, source};
}
constexpr ListingItem Line(std::string_view line) {
  return {ListingItem::Kind::kFreeLine, line, {}};
}

// Which entries get the long name line (full-width colons, two spaces
// before "科目") and which the short one (ASCII colon and one space).
enum class NameForms { kFirstLongThenShort, kAllLong };

inline constexpr std::size_t kMaxItems = 11;

struct RegionListing {
  std::string_view caption;     // the button text and the board's heading
  std::string_view place_word;  // names the region in the name lines
  std::string_view intro_word;  // names the region in the intro lines
  NameForms name_forms;
  std::array<ListingItem, kMaxItems> items;  // unused slots are kNone
};

// A gaokao region names itself by its caption in every line, except where
// its intro lines use a word of their own.
constexpr RegionListing Gaokao(std::string_view caption,
                               std::array<ListingItem, kMaxItems> items,
                               std::string_view intro_word = {}) {
  return {caption, caption, intro_word.empty() ? caption : intro_word,
          NameForms::kFirstLongThenShort, items};
}

// A zhongkao region's lines often name the provincial capital rather than
// the province on its button.
constexpr RegionListing Zhongkao(std::string_view caption,
                                 std::string_view place_word,
                                 NameForms name_forms,
                                 std::array<ListingItem, kMaxItems> items) {
  return {caption, place_word, place_word, name_forms, items};
}

// The pieces around place word and subject in each edition's lines:
// name line = head + place word + tail + subject;
// intro line = head + intro word + middle + subject + tail + source.
struct LineTemplates {
  std::string_view long_name_head;
  std::string_view long_name_tail;
  std::string_view short_name_head;
  std::string_view short_name_tail;
  std::string_view intro_head;
  std::string_view intro_middle;
  std::string_view intro_tail;
};

inline constexpr LineTemplates kGaokaoTemplates{"名称：",
                                                "考前最后三天押题信息  科目：",
                                                "名称: ",
                                                "考前最后三天押题信息 科目: ",
                                                "简介：2005年高考",
                                                "",
                                                "押题信息，主要来源:"};

inline constexpr LineTemplates kZhongkaoTemplates{
    "名称：",
    "中考前最后三天押题信息  科目：",
    "名称: ",
    "中考前最后三天押题信息 科目: ",
    "简介：2005年",
    "中考",
    "押题信息，主要来源:"};

// clang-format off
inline constexpr std::array<RegionListing, 15> kGaokaoCatalogue{{
    Gaokao("北京考区", {Entries("理综合 文综合 英语 数学 语文", "海淀中学。")}),
    Gaokao("上海考区", {Entries("地理 历史 政治 生物 化学 物理 综合 英语 数学 语文", "上海中学。")}),
    Gaokao("天津考区", {Entries("理综合 文综合 英语 数学 语文", "耀华中学、津华中学。")}),
    Gaokao("重庆考区", {Entries("理综合", "重庆八中。"),
                        Entries("文综合 英语 数学 语文", "重庆八中")}),
    Gaokao("广东考区", {Entries("地理 历史 政治 生物 化学 物理 综合 英语", "广东华师附中。")}),
    Gaokao("浙江考区", {Entries("理综合 文综合 英语 数学 语文", "杭二中。")}),
    Gaokao("江苏考区", {Entries("地理 历史 政治 生物 化学 物理 英语 数学", "苏州中学、南京一中。")}),
    Gaokao("福建考区", {Entries("理综合 文综合 英语 数学 语文", "福州一中。")}),
    Gaokao("湖北考区", {Entries("理综合 文综合 英语 数学 语文", "黄冈中学。")}),
    Gaokao("湖南考区", {Entries("理综合 文综合 英语 数学 语文", "长沙一中。")}),
    Gaokao("辽宁考区", {Entries("综合 英语 数学 语文", "东北育才中学。")}),
    Gaokao("山东考区", {Entries("语文", "山东师大附中"),
                        Entries("数学 外语", "  山东师大附中"),
                        Entries("理综合 文综合", "北京四中")}),
    Gaokao("江西考区", {Entries("语文 数学 外语", " 江西师大附中"),
                        Entries("理综合 文综合", "北京四中")}),
    // Anhui sets some papers itself and sits the national ones for the
    // rest, so its listing is two fixed lines rather than entries.
    Gaokao("安徽考区", {Line("省内单独出题的科目押题信息主要来源于：合肥六中"),
                        Line("全国统一考试的科目押题信息主要来源于:  北京四中")}),
    Gaokao("全国统考区", {Entries("地理", "北京四中。"),
                          Entries("历史 政治 生物 化学 物理 综合 理综合", "北京四中")},
           "全国统考"),
}};

constexpr NameForms kLongThenShort = NameForms::kFirstLongThenShort;
constexpr NameForms kAllLong = NameForms::kAllLong;

inline constexpr std::array<RegionListing, 24> kZhongkaoCatalogue{{
    Zhongkao("北京市", "北京市", kLongThenShort, {
        Entries("语文 数学", "北京师大附属实验中学"),
        Entries("英语 物理 化学", " 北京师大附属实验中学"),
        Line("说明:  本信息适用于海淀区以外的北京考生")}),
    Zhongkao("上海市", "上海市", kLongThenShort, {
        Entries("语文 数学 英语 理化", " 同济大学第一附中")}),
    Zhongkao("天津市", "天津市", kAllLong, {
        Entries("语文", "天津市新华中学"),
        Entries("数学 英语 物理 化学", " 天津市新华中学")}),
    Zhongkao("重庆市", "重庆市", kAllLong, {
        Entries("语文", "重庆南开中学"),
        Entries("数学 政治 英语 化学 物理 历史", " 重庆南开中学")}),
    Zhongkao("黑龙江", "黑龙江省", kAllLong, {
        Entries("语文 数学 英语 理化", " 哈尔滨三中")}),
    Zhongkao("吉林省", "长春市", kAllLong, {
        Entries("语文", "吉林省实验中学"),
        Entries("数学 英语 化学 物理", " 吉林省实验中学"),
        Entries("政治", "  吉林省实验中学"),
        Entries("历史", " 吉林省实验中学")}),
    Zhongkao("辽宁省", "辽宁省", kAllLong, {
        Entries("数学", "东北育才中学"),
        Entries("语文 英语 文科综合 理科综合", " 东北育才中学")}),
    Zhongkao("内蒙古", "呼和浩特市", kAllLong, {
        Entries("英语", "呼和浩特市实验中学"),
        Entries("语文 数学 综合文科 综合理科", " 呼和浩特市实验中学")}),
    Zhongkao("浙江省", "杭州市", kAllLong, {
        Entries("语文 数学 英语 自然科学", " 杭州十三中")}),
    Zhongkao("安徽省", "安徽省", kAllLong, {
        Line("非课改实验区考生"),
        Entries("语文 数学 英语 理化", " 合肥二十六中"),
        Line("课改实验区考生"),
        Entries("语文 数学 英语 政史", " 合肥三中")}),
    Zhongkao("江苏省", "南京市", kAllLong, {
        Entries("语文", "南京一中"),
        Entries("数学 英语 化学 物理 政治", " 南京一中")}),
    Zhongkao("山东省", "济南市", kAllLong, {
        Entries("数学", "济南育英中学"),
        Entries("语文 英语 文科综合 理科综合", " 济南育英中学")}),
    Zhongkao("湖北省", "武汉市", kAllLong, {
        Entries("语文 数学 英语 物理 化学", " 武汉市第六中学")}),
    Zhongkao("湖南省", "长沙市", kAllLong, {
        Entries("语文 数学 英语", " 长沙雅礼中学")}),
    Zhongkao("四川省", "成都市", kAllLong, {
        Line("非课改实验区"),
        Entries("语文 数学", " 成都市第十八中"),
        Entries("英语", "  成都市第十八中"),
        Entries("物理", " 成都市第十八中"),
        Entries("化学", "  成都市第十八中"),
        Line("课改实验区"),
        Entries("语文", "  双流中学"),
        Entries("数学", " 双流中学"),
        Entries("英语", "  双流中学"),
        Entries("物理", " 双流中学"),
        Entries("化学", "  双流中学")}),
    Zhongkao("云南省", "昆明市", kAllLong, {
        Entries("语文 数学", " 昆明三中"),
        Entries("英语", "  昆明三中"),
        Entries("物理 化学", " 昆明三中")}),
    Zhongkao("陕西省", "陕西省", kAllLong, {
        Entries("语文 数学 英语 理化", " 陕西省西安中学")}),
    Zhongkao("广西省", "广西省", kAllLong, {
        Entries("语文 数学 英语 物理 化学", " 广西师范大学附属中学")}),
    Zhongkao("广东省", "广州市", kAllLong, {
        Entries("语文 数学 英语", " 广东实验中学")}),
    Zhongkao("贵州省", "贵阳市", kAllLong, {
        Entries("语文 数学 英语 理化", " 贵阳二中")}),
    Zhongkao("山西省", "山西省", kAllLong, {
        Entries("语文 数学", " 山西省实验中学"),
        Entries("英语", "  山西省实验中学"),
        Entries("物理", " 山西省实验中学"),
        Entries("化学", "  山西省实验中学")}),
    Zhongkao("河北省", "河北省", kAllLong, {
        Entries("数学 语文 英语 理科综合", " 石家庄四十二中")}),
    Zhongkao("河南省", "河南省", kAllLong, {
        Entries("语文 数学", " 郑州四中"),
        Entries("英语", "  郑州四中")}),
    Zhongkao("江西省", "江西省", kAllLong, {
        Line("本信息适用于非课改区考生"),
        Entries("语文", " 江西师大附中"),
        Entries("数学 英语 物理 化学", "  江西师大附中")}),
}};
// clang-format on

// Lines of particular entries that were written by hand rather than from
// the templates; each replaces the one line that the templates would build.
enum class LineKind { kName, kIntro };

struct LineException {
  Edition edition;
  int index;
  int entry;  // numbered from 1 across the region's entries
  LineKind line;
  std::string_view text;
};

// clang-format off
inline constexpr std::array<LineException, 15> kLineExceptions{{
    {Edition::Gaokao,    0, 1, LineKind::kName,  "名称：北京考区考前最后三天押题信息 科目：理综合 "},
    {Edition::Gaokao,    3, 2, LineKind::kName,  "名称: 重庆考区考前最后三天押题信息 科目: 文综合 "},
    {Edition::Zhongkao,  2, 4, LineKind::kName,  "名称：天津市中前最后三天押题信息  科目：物理"},
    {Edition::Zhongkao,  3, 2, LineKind::kIntro, "简介：2005年年重庆市中考数学押题信息，主要来源: 重庆南开中学"},
    {Edition::Zhongkao,  3, 3, LineKind::kIntro, "简介：2005年年重庆市中考政治押题信息，主要来源: 重庆南开中学"},
    {Edition::Zhongkao,  5, 1, LineKind::kIntro, "简介：2005年长春市中语文考押题信息，主要来源:吉林省实验中学"},
    {Edition::Zhongkao,  8, 3, LineKind::kIntro, "简介：2005年中杭州市考英语押题信息，主要来源: 杭州十三中"},
    {Edition::Zhongkao,  9, 3, LineKind::kName,  "名称：安徽省省中考前最后三天押题信息  科目：英语"},
    {Edition::Zhongkao,  9, 7, LineKind::kName,  "名称：安徽省省中考前最后三天押题信息  科目：英语"},
    {Edition::Zhongkao, 10, 1, LineKind::kIntro, "简介：2005年南京市中考语文考押题信息，主要来源:南京一中"},
    {Edition::Zhongkao, 12, 2, LineKind::kIntro, "简介：2005年武汉市中考数学押题信息，主要来源武汉市第六中学:"},
    {Edition::Zhongkao, 13, 2, LineKind::kIntro, "简介：2005年长沙市中考数学押题信息，主要来源：长沙雅礼中学"},
    {Edition::Zhongkao, 14, 5, LineKind::kName,  " 名称：成都市中考前最后三天押题信息  科目：化学"},
    {Edition::Zhongkao, 16, 4, LineKind::kName,  "名称：陕西省中前最后三天押题信息  科目：理化"},
    {Edition::Zhongkao, 17, 4, LineKind::kName,  "名称：广西省中前最后三天押题信息  科目：物理"},
}};
// clang-format on

constexpr std::span<const RegionListing> Catalogue(Edition edition) {
  switch (edition) {
    case Edition::Gaokao:
      return kGaokaoCatalogue;
    case Edition::Zhongkao:
      return kZhongkaoCatalogue;
  }
  return {};
}

constexpr const LineTemplates& Templates(Edition edition) {
  return edition == Edition::Gaokao ? kGaokaoTemplates : kZhongkaoTemplates;
}

// Number of space-separated subjects in a group.
constexpr int SubjectCount(std::string_view subjects) {
  int count = subjects.empty() ? 0 : 1;
  for (const char c : subjects) count += c == ' ' ? 1 : 0;
  return count;
}

constexpr int EntryCount(std::span<const RegionListing> catalogue) {
  int count = 0;
  for (const RegionListing& region : catalogue) {
    for (const ListingItem& item : region.items) {
      if (item.kind == ListingItem::Kind::kEntries) {
        count += SubjectCount(item.text);
      }
    }
  }
  return count;
}

static_assert(EntryCount(kGaokaoCatalogue) == 83);
static_assert(EntryCount(kZhongkaoCatalogue) == 121);

}  // namespace tessaly::predictions

#endif  // TESSALY_PREDICTIONS_LISTING_TABLES_H_
